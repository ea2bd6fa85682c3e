#include "fem/app/input/InputDataReaderWrapper.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace znFEM::znTarvex {

namespace {

using znInOutData::znInputDataReader::csInputDataReader;
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

const csInputDataReaderWrapper::Block& csInputDataReaderWrapper::ReadBlock() {
  try {
    block_ = {};  // the last block's records go before the next block's are made
    block_ = reader_.ReadBlock();
    CheckSides();
    return block_.Lines;
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

// After the block reader's checks of the whole block, statement by statement: the first
// kTHLR value that is no side letter.
void csInputDataReaderWrapper::CheckSides() const {
  if (sideKeys_.empty()) return;
  for (const InputLine& line : block_.Lines) {
    for (const auto& [key, value] : line.Values) {
      if (std::find(sideKeys_.begin(), sideKeys_.end(), key) != sideKeys_.end() &&
          THLRCode(value.Str) == model::kTHLR_Undef) {
        throw exSpecifiedTHLRStrIsWrong{line.LineNum, std::string(key)};
      }
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
