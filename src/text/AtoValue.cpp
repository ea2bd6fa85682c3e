#include "text/AtoValue.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <sstream>

#include "text/Space.h"

namespace znString::znAtoValue {

namespace {

bool StartsLikeNumber(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  return pos < text.size() && text[pos] != '\0' && std::strchr("+-.0123456789", text[pos]);
}

// The number as the formatted input of a stream reads it (classic locale, whatever the
// program's global locale), with nothing but white space after it.
bool ReadWholeNumber(const std::string& text, double& value) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  if (!(in >> value)) return false;
  char rest = 0;
  return !(in >> rest) && std::isfinite(value);
}

// An integral value d is within the range of an integer type T.
template <class T>
bool FitsIn(double d) {
  return d >= static_cast<double>(std::numeric_limits<T>::min()) &&
         d <= static_cast<double>(std::numeric_limits<T>::max());
}

}  // namespace

double AtoDouble(const std::string& text) {
  double value = 0.0;
  if (!StartsLikeNumber(text) || !ReadWholeNumber(text, value)) {
    throw exSpecifiedStringIsnotNumeric{{text}};
  }
  return value;
}

// The range test is part of the integer check: converting a double outside the range of int
// would be undefined, so such a text is refused as not an integer.
int AtoInt(const std::string& text) {
  const double d = AtoDouble(text);
  if (d != std::trunc(d) || !FitsIn<int>(d)) throw exSpecifiedStringIsnotInteger{{text}};
  return static_cast<int>(d);
}

unsigned int AtoUInt(const std::string& text) {
  const double d = AtoDouble(text);
  if (d < 0.0) throw exSpecifiedValueIsNegative{{text}};
  if (d != std::trunc(d) || !FitsIn<unsigned int>(d)) throw exSpecifiedStringIsnotInteger{{text}};
  return static_cast<unsigned int>(d);
}

bool AtoBool(const std::string& text) {
  static const char* const kTrue[] = {"true", "TRUE", "True", "t", "T", "1"};
  static const char* const kFalse[] = {"false", "FALSE", "False", "f", "F", "0"};
  for (const char* word : kTrue) {
    if (text == word) return true;
  }
  for (const char* word : kFalse) {
    if (text == word) return false;
  }
  throw exSpecifiedStringIsnotBool{{text}};
}

}  // namespace znString::znAtoValue
