// The records of the block input reader: InputValue, the converted value of one key, and
// InputLine, the values of one statement stamped with its line number. A block's records are
// held flat: one list of the values of every statement and one line per statement viewing its
// part of that list, so that reading a statement allocates nothing of its own.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace znInOutData::znInputDataReader {

// Only the field of the key's value type is set; the others keep their defaults, so a key
// that takes no value reads as Bool true. A text views the characters of the reader's input.
struct InputValue {
  std::string_view Str;
  int Int = 0;
  double Dbl = 0.0;
  bool Bool = true;
};

// A key present in a statement, as the statement writes it, and its value.
struct KeyValue {
  std::string_view Key;
  InputValue Value;
};

// One statement of a block: its line number and each key present with its value, in key order.
struct InputLine {
  int LineNum = 0;
  std::span<const KeyValue> Values;

  // The value of key; nullptr when the statement does not hold the key.
  const InputValue* Find(std::string_view key) const {
    for (const KeyValue& value : Values) {
      if (value.Key == key) return &value.Value;
    }
    return nullptr;
  }
};

// The statements of a block in file order; Lines view Values, and both views and texts stay
// valid while the block and its reader live.
struct InputBlock {
  std::vector<InputLine> Lines;
  std::vector<KeyValue> Values;
};

}  // namespace znInOutData::znInputDataReader
