// The block input reader: reads an input stream as named blocks of key=value statements and
// returns one record per statement, each value converted and range-checked by the type
// declared for its key and stamped with the statement's line number.
#pragma once

#include <istream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "inout/InputValue.h"
#include "text/BySpace.h"
#include "text/PairReader.h"
#include "text/PairSpliter.h"
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
  using Block = std::vector<InputLine>;

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
  // One record per statement of the block, in file order.
  Block ReadBlock();

  // The block name of a header statement: "&&" and the name, white space at both ends of the
  // statement ignored and inner runs of white space folded to one blank. False when the
  // statement does not start with "&&".
  static bool GetHeaderName(std::string_view statement, std::string& name);

 private:
  using Values = znString::znPairReader::csPairReader::Values;

  // One header: the block name and the place of its statement.
  struct stHeader {
    std::string name;
    std::size_t statement;
  };

  void Load();
  InputLine ReadStatement(const std::string& statement, int lineNum) const;
  znString::znPairReader::csPairReader::KeyValues ReadPairs(const std::string& statement,
                                                            int lineNum) const;
  InputValue Convert(const std::string& key, const Values& values, int lineNum) const;
  static void ConvertByType(int type, const std::string& text, InputValue& value);

  std::istream& stream_;
  std::unique_ptr<znString::csStatementText> text_;  // set by Load
  std::vector<stHeader> headers_;                    // in file order
  std::string blockName_;
  znString::znDivider::csBySpace bySpace_;
  znString::znFilter::csPairSpliter pairSpliter_;
  znString::znPairReader::csPairReader pairReader_;
  std::map<std::string, int> types_;
};

}  // namespace znInOutData::znInputDataReader
