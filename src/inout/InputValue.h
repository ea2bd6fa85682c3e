// The records of the block input reader: InputValue, the converted value of one key, and
// LineValue, a value stamped with the line number of its statement. A statement's record is a
// LineValue holding the map from each key present to its InputValue.
#pragma once

#include <map>
#include <ostream>
#include <string>

namespace znInOutData::znInputDataReader {

// Only the field of the key's value type is set; the others keep their defaults, so a key
// that takes no value reads as Bool true.
struct InputValue {
  std::string Str;
  int Int = 0;
  double Dbl = 0.0;
  bool Bool = true;
};

// Equal when Str, Int and Bool are equal and Dbl is nearly equal (6 significant digits, zero
// tolerance 1e-6).
bool operator==(const InputValue& a, const InputValue& b);
std::ostream& operator<<(std::ostream& out, const InputValue& value);

template <class T>
struct LineValue {
  int LineNum = 0;
  T Value;
};

template <class T>
bool operator==(const LineValue<T>& a, const LineValue<T>& b) {
  return a.LineNum == b.LineNum && a.Value == b.Value;
}

template <class V>
std::ostream& operator<<(std::ostream& out, const std::map<std::string, V>& values) {
  for (const auto& [key, value] : values) out << "[" << key << "]\n" << value;
  return out;
}

template <class T>
std::ostream& operator<<(std::ostream& out, const LineValue<T>& lineValue) {
  return out << "(LineNum) : " << lineValue.LineNum << "\n(Value  ) :\n" << lineValue.Value;
}

// One statement of a block: its line number and each key present with its value.
using InputValueMap = std::map<std::string, InputValue>;
using InputLine = LineValue<InputValueMap>;

}  // namespace znInOutData::znInputDataReader
