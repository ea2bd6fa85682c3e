// The input file as the application reads it: blocks of statements whose keys are declared by
// value kind, read into records, with every reading failure reported in words through the
// error-message reporter and ended with exFailed.
#pragma once

#include <functional>
#include <initializer_list>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fem/app/input/Failed.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/NodeProp.h"
#include "inout/InputDataReader.h"

namespace znFEM::znTarvex {

class csInputDataReaderWrapper {
 public:
  // Value kinds of a key. Any other number declares a key that takes no value.
  enum Kind : int {
    kText = 0,
    kInteger = 1,
    kIntegerPositive = 2,     // > 0
    kIntegerNotNegative = 3,  // >= 0
    kReal = 4,
    kRealPositive = 5,     // > 0
    kRealNotNegative = 6,  // >= 0
    kRealNegative = 7,     // < 0
    kRealNotPositive = 8,  // <= 0
    kBool = 9,
    kTHLR = 10,  // a side letter: t/T, h/H, l/L or r/R
    kNoValue = 11,
  };

  // One statement: its line number and the keys present in it. Its texts view the wrapper's
  // input text.
  using InputLine = znInOutData::znInputDataReader::InputLine;
  using Block = std::vector<InputLine>;
  using LineVisitor = znInOutData::znInputDataReader::csInputDataReader::LineVisitor;
  using BlockList = znInOutData::znInputDataReader::csInputDataReader::BlockList;

  // One key of a block as the readers declare it.
  struct KeyRule {
    const char* Key;
    bool Necessary;
    int Kind;
  };

  // The stream and the reporter are used, never owned.
  csInputDataReaderWrapper(std::istream& stream, ifErrorMessage& errorMessage);
  csInputDataReaderWrapper(const csInputDataReaderWrapper&) = delete;
  csInputDataReaderWrapper& operator=(const csInputDataReaderWrapper&) = delete;

  void SetBlockName(const std::string& name);
  void ClearKeys();
  void SetKey(const std::string& key, bool necessary, int kind);
  // A missing block that must occur, then a header of an unlisted block, is reported.
  void CheckBlocks(const BlockList& blocks);
  // Hands the record of each statement of the named block to take, in file order, once every
  // statement of the block has passed the checks of its keys. The record is valid during the
  // call; its texts while the wrapper lives.
  void ReadBlock(const LineVisitor& take);
  // The records of every statement of the named block, in file order, kept by the wrapper
  // until the next block is read: for the blocks of a few statements.
  const Block& ReadBlock();
  // Appends the record that build makes of each statement of the named block to list, in file
  // order. A failure removes the records appended, leaving list as it was, and is passed on.
  template <class Record, class Build>
  void ReadRecords(std::vector<Record>& list, Build build) {
    const std::size_t first = list.size();
    list.reserve(first + CountStatements());
    try {
      ReadBlock([&](const InputLine& line) { list.push_back(build(line)); });
    } catch (...) {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(first), list.end());
      throw;
    }
  }
  // The number of statements of the named block.
  std::size_t CountStatements();

  // SetBlockName, ClearKeys and one SetKey per rule, in the order given.
  void DeclareBlock(const std::string& name, std::initializer_list<KeyRule> rules);

  // Values of one statement; an absent key gives the value passed as absent.
  static bool HasKey(const InputLine& line, std::string_view key);
  static std::string GetText(const InputLine& line, std::string_view key);
  static int GetInteger(const InputLine& line, std::string_view key, int absent);
  static double GetReal(const InputLine& line, std::string_view key, double absent);
  static bool GetTruth(const InputLine& line, std::string_view key, bool absent);
  // The side code of a kTHLR key (kTHLR_T to kTHLR_R); kTHLR_Undef when absent.
  static int GetSide(const InputLine& line, std::string_view key);

 private:
  using csInputDataReader = znInOutData::znInputDataReader::csInputDataReader;

  void CheckSides(const InputLine& line) const;
  [[noreturn]] void ReportCurrentFailure();
  [[noreturn]] void ReportLineAndKey(void (ifErrorMessage::*report)(unsigned, const std::string&),
                                     int lineNum, const std::string& key);

  std::string separator_;
  csInputDataReader reader_;
  ifErrorMessage& errorMessage_;
  std::vector<std::string> sideKeys_;                 // the keys of kind kTHLR
  znInOutData::znInputDataReader::InputBlock block_;  // the block read last
};

}  // namespace znFEM::znTarvex
