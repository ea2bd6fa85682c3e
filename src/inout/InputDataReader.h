// The block input reader: reads an input stream as named blocks of key=value statements and
// returns one record per statement, each value converted and range-checked by the type
// declared for its key and stamped with the statement's line number. The stream is read once
// into memory; the records view its text.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "inout/InputValue.h"
#include "text/StatementText.h"

namespace znInOutData::znInputDataReader {

class csInputDataReader {
 public:
  // Value types of a key, by the codes of the type table.
  enum ValueType : int {
    kText = 0,
    kInteger = 1,
    kIntegerPositive = 2,     // > 0
    kIntegerNotNegative = 3,  // >= 0
    kIntegerNegative = 4,     // < 0
    kIntegerNotPositive = 5,  // <= 0
    kReal = 6,
    kRealPositive = 7,      // > 0.0
    kRealNotNegative = 8,   // >= 0.0
    kRealNegative = 9,      // < 0.0
    kRealNotPositive = 10,  // <= 0.0
    kBool = 11,
    kNoValue = 12,  // the key alone is the information
  };

  using BlockList = std::map<std::string, bool>;  // block name -> must occur
  // Sees one statement's record; the record and its values are valid during the call only,
  // its texts while the reader lives.
  using LineVisitor = std::function<void(const InputLine&)>;

  // Every exception carries a line number and the key (the block name for the two block
  // exceptions; line 0 for a missing block).
  struct exInputDataReaderException {
    int LineNum;
    std::string Key;
  };
  struct exNecessaryBlockKeyHasnotBeenSet : exInputDataReaderException {};
  struct exUnExpectedBlockKeyHasBeenSet : exInputDataReaderException {};
  struct exUnExpectedKey : exInputDataReaderException {};
  struct exNecessaryKeyHasnotBeenSet : exInputDataReaderException {};
  struct exUnRequiredValueHasBeenSet : exInputDataReaderException {};
  struct exRequiredValueHasnotBeenSet : exInputDataReaderException {};
  struct exSpecifiedKeyIsDuplicated : exInputDataReaderException {};
  struct exSpecifiedStringIsnotNumeric : exInputDataReaderException {};
  struct exSpecifiedStringIsnotInteger : exInputDataReaderException {};
  struct exSpecifiedStringIsnotBool : exInputDataReaderException {};
  struct exSpecifiedValueIsNegative : exInputDataReaderException {};
  struct exSpecifiedValueIsNegativeOrZero : exInputDataReaderException {};
  struct exSpecifiedValueIsPlus : exInputDataReaderException {};
  struct exSpecifiedValueIsPlusOrZero : exInputDataReaderException {};
  // A control character in the text: its line, and its byte as "0x" and two hexadecimal digits
  // for the key.
  struct exControlCharacterIsInText : exInputDataReaderException {};
  // A block comment never closed: the line where it opens (no key).
  struct exCommentIsnotClosed : exInputDataReaderException {};
  // The stream could not be read to its end (a read error of the file, not its content).
  struct exFailedToReadStream {};

  // The stream is read whole at the first check or block read, never owned; separator splits
  // key from value ("=").
  csInputDataReader(std::istream& stream, const std::string& separator);
  csInputDataReader(const csInputDataReader&) = delete;
  csInputDataReader& operator=(const csInputDataReader&) = delete;

  // Checks the headers of the whole file against blocks: first that every block that must
  // occur has a header, then that every header names a listed block, each in order of names.
  void CheckBlocks(const BlockList& blocks);
  // The block that ReadBlock reads next.
  void SetBlockName(const std::string& name);
  void ClearKeys();
  // Declares a key of the block; type is a ValueType code (any other code counts as kNoValue).
  void SetKey(const std::string& key, bool necessary, int type);
  // The block's statements are read in file order, each time over the whole block: first each
  // is checked by the rules of its keys, then (when given) by check, and then each record is
  // handed to take. So the first error in the block by each of these checks is thrown before
  // any statement is taken. No record is kept.
  void ReadBlock(const LineVisitor& check, const LineVisitor& take);
  // The number of statements of the block.
  std::size_t CountStatements();

  // The block name of a header statement: "&&" and the name, white space at both ends of the
  // statement ignored and inner runs of white space folded to one blank. False when the
  // statement does not start with "&&".
  static bool GetHeaderName(std::string_view statement, std::string& name);

 private:
  // One header: the block name and the place of its statement.
  struct stHeader {
    std::string name;
    std::size_t statement;
  };
  // A declared key and its rule.
  struct stKey {
    std::string name;
    bool necessary;
    int type;
  };
  // One word of a statement: the key, and the value after the first separator (empty for
  // none), both viewing the statement's characters; and the key's declaration once found.
  struct stWord {
    std::string_view key;
    std::string_view value;
    const stKey* rule = nullptr;
  };

  void Load();
  // Calls visit with each statement of the block, in file order.
  template <class Visit>
  void ForEachStatement(Visit visit);
  // Appends the statement's values to values; words is room for the statement's words, kept
  // between statements.
  void ReadStatement(std::string_view statement, int lineNum, std::vector<stWord>& words,
                     std::vector<KeyValue>& values) const;
  const stKey* FindKey(std::string_view name) const;
  void SplitWords(std::string_view statement, std::vector<stWord>& words) const;
  static void SortByRule(std::vector<stWord>& words);
  InputValue Convert(const stKey& key, const std::vector<stWord>& words, std::size_t first,
                     std::size_t last, int lineNum) const;
  static void ConvertByType(int type, std::string_view text, InputValue& value);

  std::istream& stream_;
  std::unique_ptr<znString::csStatementText> text_;  // set by Load
  std::vector<stHeader> headers_;                    // in file order
  std::string blockName_;
  std::string separator_;
  std::vector<stKey> keys_;  // in key order
};

}  // namespace znInOutData::znInputDataReader
