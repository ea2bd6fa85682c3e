#include "fem/app/input/InputDataReaderWrapper.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace znFEM::znTarvex {

namespace {

using znInOutData::znInputDataReader::csInputDataReader;
using znInOutData::znInputDataReader::KeyValue;
namespace model = znFEM::znTraceYield2DRahmen;

// A kTHLR value that is not one of the eight side letters.
struct exSpecifiedTHLRStrIsWrong {
  int LineNum;
  std::string Key;
};

// The block reader's value type of each kind, indexed by kind.
constexpr int kTypeOfKind[] = {
    csInputDataReader::kText,
    csInputDataReader::kInteger,
    csInputDataReader::kIntegerPositive,
    csInputDataReader::kIntegerNotNegative,
    csInputDataReader::kReal,
    csInputDataReader::kRealPositive,
    csInputDataReader::kRealNotNegative,
    csInputDataReader::kRealNegative,
    csInputDataReader::kRealNotPositive,
    csInputDataReader::kBool,
    csInputDataReader::kText,
    csInputDataReader::kNoValue,
};

int TypeOfKind(int kind) {
  if (kind < 0 || kind >= static_cast<int>(std::size(kTypeOfKind))) {
    return csInputDataReader::kNoValue;
  }
  return kTypeOfKind[kind];
}

// The side code of a side letter, kTHLR_Undef for any other text.
int THLRCode(std::string_view text) {
  if (text == "t" || text == "T") return model::kTHLR_T;
  if (text == "h" || text == "H") return model::kTHLR_H;
  if (text == "l" || text == "L") return model::kTHLR_L;
  if (text == "r" || text == "R") return model::kTHLR_R;
  return model::kTHLR_Undef;
}

// Line numbers are counted from 1 and never negative.
unsigned Line(int lineNum) {
  return static_cast<unsigned>(lineNum);
}

// The text of the report made when the input stream itself fails (a read error of the file,
// not anything its bytes hold).
const char* const kStreamFailure = "FailedToReadInputFile";

}  // namespace

csInputDataReaderWrapper::csInputDataReaderWrapper(std::istream& stream,
                                                   ifErrorMessage& errorMessage)
    : separator_("="), reader_(stream, separator_), errorMessage_(errorMessage) {}

void csInputDataReaderWrapper::SetBlockName(const std::string& name) {
  reader_.SetBlockName(name);
}

void csInputDataReaderWrapper::ClearKeys() {
  reader_.ClearKeys();
  sideKeys_.clear();
}

void csInputDataReaderWrapper::SetKey(const std::string& key, bool necessary, int kind) {
  reader_.SetKey(key, necessary, TypeOfKind(kind));
  std::erase(sideKeys_, key);
  if (kind == kTHLR) sideKeys_.push_back(key);
}

void csInputDataReaderWrapper::CheckBlocks(const BlockList& blocks) {
  try {
    reader_.CheckBlocks(blocks);
  } catch (...) {
    ReportCurrentFailure();
  }
}

void csInputDataReaderWrapper::ReadBlock(const LineVisitor& take) {
  try {
    LineVisitor checkSides;
    if (!sideKeys_.empty()) checkSides = [this](const InputLine& line) { CheckSides(line); };
    reader_.ReadBlock(checkSides, take);
  } catch (...) {
    ReportCurrentFailure();
  }
}

const csInputDataReaderWrapper::Block& csInputDataReaderWrapper::ReadBlock() {
  block_ = {};
  std::vector<std::size_t> ends;  // the end of each line's values
  ReadBlock([&](const InputLine& line) {
    block_.Values.insert(block_.Values.end(), line.Values.begin(), line.Values.end());
    block_.Lines.push_back({line.LineNum, {}});
    ends.push_back(block_.Values.size());
  });
  // The views are set once the values no longer move.
  std::size_t begin = 0;
  for (std::size_t l = 0; l < block_.Lines.size(); ++l) {
    block_.Lines[l].Values =
        std::span<const KeyValue>(block_.Values).subspan(begin, ends[l] - begin);
    begin = ends[l];
  }
  return block_.Lines;
}

std::size_t csInputDataReaderWrapper::CountStatements() {
  try {
    return reader_.CountStatements();
  } catch (...) {
    ReportCurrentFailure();
  }
}

void csInputDataReaderWrapper::DeclareBlock(const std::string& name,
                                            std::initializer_list<KeyRule> rules) {
  SetBlockName(name);
  ClearKeys();
  for (const KeyRule& rule : rules) SetKey(rule.Key, rule.Necessary, rule.Kind);
}

bool csInputDataReaderWrapper::HasKey(const InputLine& line, std::string_view key) {
  return line.Find(key) != nullptr;
}

std::string csInputDataReaderWrapper::GetText(const InputLine& line, std::string_view key) {
  const auto* value = line.Find(key);
  return value == nullptr ? std::string() : std::string(value->Str);
}

int csInputDataReaderWrapper::GetInteger(const InputLine& line, std::string_view key, int absent) {
  const auto* value = line.Find(key);
  return value == nullptr ? absent : value->Int;
}

double csInputDataReaderWrapper::GetReal(const InputLine& line, std::string_view key,
                                         double absent) {
  const auto* value = line.Find(key);
  return value == nullptr ? absent : value->Dbl;
}

bool csInputDataReaderWrapper::GetTruth(const InputLine& line, std::string_view key, bool absent) {
  const auto* value = line.Find(key);
  return value == nullptr ? absent : value->Bool;
}

int csInputDataReaderWrapper::GetSide(const InputLine& line, std::string_view key) {
  const auto* value = line.Find(key);
  return value == nullptr ? model::kTHLR_Undef : THLRCode(value->Str);
}

// The first kTHLR value of the statement, in key order, that is no side letter.
void csInputDataReaderWrapper::CheckSides(const InputLine& line) const {
  for (const auto& [key, value] : line.Values) {
    if (std::find(sideKeys_.begin(), sideKeys_.end(), key) != sideKeys_.end() &&
        THLRCode(value.Str) == model::kTHLR_Undef) {
      throw exSpecifiedTHLRStrIsWrong{line.LineNum, std::string(key)};
    }
  }
}

// Called inside a catch handler: reports the failure being handled through the operation of
// the same name and throws exFailed. A failure of the stream below the reader is reported as
// an unexpected error; anything else is passed on as it is.
void csInputDataReaderWrapper::ReportCurrentFailure() {
  using R = csInputDataReader;
  using M = ifErrorMessage;
  try {
    throw;
  } catch (const R::exNecessaryBlockKeyHasnotBeenSet& e) {
    errorMessage_.NecessaryBlockKeyHasnotBeenSet(e.Key);
  } catch (const R::exUnExpectedBlockKeyHasBeenSet& e) {
    errorMessage_.UnExpectedBlockKeyHasBeenSet(Line(e.LineNum), e.Key);
  } catch (const R::exUnExpectedKey& e) {
    ReportLineAndKey(&M::UnExpectedKey, e.LineNum, e.Key);
  } catch (const R::exNecessaryKeyHasnotBeenSet& e) {
    ReportLineAndKey(&M::NecessaryKeyHasnotBeenSet, e.LineNum, e.Key);
  } catch (const R::exUnRequiredValueHasBeenSet& e) {
    ReportLineAndKey(&M::UnRequiredValueHasBeenSet, e.LineNum, e.Key);
  } catch (const R::exRequiredValueHasnotBeenSet& e) {
    ReportLineAndKey(&M::RequiredValueHasnotBeenSet, e.LineNum, e.Key);
  } catch (const R::exSpecifiedStringIsnotNumeric& e) {
    ReportLineAndKey(&M::SpecifiedStringIsnotNumeric, e.LineNum, e.Key);
  } catch (const R::exSpecifiedStringIsnotInteger& e) {
    ReportLineAndKey(&M::SpecifiedStringIsnotInteger, e.LineNum, e.Key);
  } catch (const R::exSpecifiedValueIsNegative& e) {
    ReportLineAndKey(&M::SpecifiedValueIsNegative, e.LineNum, e.Key);
  } catch (const R::exSpecifiedValueIsNegativeOrZero& e) {
    ReportLineAndKey(&M::SpecifiedValueIsNegativeOrZero, e.LineNum, e.Key);
  } catch (const R::exSpecifiedValueIsPlus& e) {
    ReportLineAndKey(&M::SpecifiedValueIsPlus, e.LineNum, e.Key);
  } catch (const R::exSpecifiedValueIsPlusOrZero& e) {
    ReportLineAndKey(&M::SpecifiedValueIsPlusOrZero, e.LineNum, e.Key);
  } catch (const R::exSpecifiedStringIsnotBool& e) {
    ReportLineAndKey(&M::SpecifiedStringIsnotBool, e.LineNum, e.Key);
  } catch (const R::exSpecifiedKeyIsDuplicated& e) {
    ReportLineAndKey(&M::SpecifiedKeyIsDuplicated, e.LineNum, e.Key);
  } catch (const exSpecifiedTHLRStrIsWrong& e) {
    ReportLineAndKey(&M::SpecifiedTHLRStrIsWrong, e.LineNum, e.Key);
  } catch (const R::exControlCharacterIsInText& e) {
    errorMessage_.ControlCharacterIsInText(Line(e.LineNum), e.Key);
  } catch (const R::exCommentIsnotClosed& e) {
    errorMessage_.CommentIsnotClosed(Line(e.LineNum));
  } catch (const R::exFailedToReadStream&) {
    errorMessage_.UnExpectedErrorHasBeenThrown(kStreamFailure);
  }
  throw exFailed{};
}

void csInputDataReaderWrapper::ReportLineAndKey(void (ifErrorMessage::*report)(unsigned,
                                                                               const std::string&),
                                                int lineNum, const std::string& key) {
  (errorMessage_.*report)(Line(lineNum), key);
  throw exFailed{};
}

}  // namespace znFEM::znTarvex
