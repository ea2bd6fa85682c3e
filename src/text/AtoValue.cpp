#include "text/AtoValue.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "text/Space.h"

namespace znString::znAtoValue {

namespace {

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
  return pos;
}

// The end of the decimal number starting at pos: an optional sign, digits with at most one
// decimal point and at least one digit, and an exponent of 'e' or 'E', an optional sign and at
// least one digit. npos when no such number starts there.
std::size_t NumberEnd(std::string_view text, std::size_t pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t integral = SkipDigits(text, pos);
  std::size_t end = integral;
  if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
  if (integral == pos && end <= pos + 1) return std::string_view::npos;  // no digit at all
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    end = SkipDigits(text, exponent);
    if (end == exponent) return std::string_view::npos;
  }
  return end;
}

// The number with white space around it and nothing else. Numbers too small for a double
// become zero or a subnormal value; numbers too large are refused.
bool ReadWholeNumber(std::string_view text, double& value) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSpace(text[begin])) ++begin;
  const std::size_t end = NumberEnd(text, begin);
  if (end == std::string_view::npos) return false;
  for (std::size_t rest = end; rest < text.size(); ++rest) {
    if (!IsSpace(text[rest])) return false;
  }
  if (text[begin] == '+') ++begin;  // from_chars takes no plus sign
  const auto result = std::from_chars(text.data() + begin, text.data() + end, value);
  if (result.ec == std::errc::result_out_of_range) {
    value = std::strtod(std::string(text.substr(begin, end - begin)).c_str(), nullptr);
  }
  return std::isfinite(value);
}

// An integral value d is within the range of an integer type T.
template <class T>
bool FitsIn(double d) {
  return d >= static_cast<double>(std::numeric_limits<T>::min()) &&
         d <= static_cast<double>(std::numeric_limits<T>::max());
}

}  // namespace

double AtoDouble(std::string_view text) {
  double value = 0.0;
  if (!ReadWholeNumber(text, value)) {
    throw exSpecifiedStringIsnotNumeric{{std::string(text)}};
  }
  return value;
}

// The range test is part of the integer check: converting a double outside the range of int
// would be undefined, so such a text is refused as not an integer.
int AtoInt(std::string_view text) {
  const double d = AtoDouble(text);
  if (d != std::trunc(d) || !FitsIn<int>(d))
    throw exSpecifiedStringIsnotInteger{{std::string(text)}};
  return static_cast<int>(d);
}

unsigned int AtoUInt(std::string_view text) {
  const double d = AtoDouble(text);
  if (d < 0.0) throw exSpecifiedValueIsNegative{{std::string(text)}};
  if (d != std::trunc(d) || !FitsIn<unsigned int>(d))
    throw exSpecifiedStringIsnotInteger{{std::string(text)}};
  return static_cast<unsigned int>(d);
}

bool AtoBool(std::string_view text) {
  static const char* const kTrue[] = {"true", "TRUE", "True", "t", "T", "1"};
  static const char* const kFalse[] = {"false", "FALSE", "False", "f", "F", "0"};
  for (const char* word : kTrue) {
    if (text == word) return true;
  }
  for (const char* word : kFalse) {
    if (text == word) return false;
  }
  throw exSpecifiedStringIsnotBool{{std::string(text)}};
}

}  // namespace znString::znAtoValue
