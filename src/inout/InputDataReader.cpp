#include "inout/InputDataReader.h"

#include "text/AtoValue.h"
#include "text/Space.h"

namespace znInOutData::znInputDataReader {

namespace {

using znString::IsSpace;
namespace av = znString::znAtoValue;
using PairReader = znString::znPairReader::csPairReader;

// The range rules of the signed value types: 0 none, 1 > 0, 2 >= 0, 3 < 0, 4 <= 0.
int SignRule(int type) {
  if (type >= csInputDataReader::kIntegerPositive &&
      type <= csInputDataReader::kIntegerNotPositive) {
    return type - csInputDataReader::kInteger;
  }
  if (type >= csInputDataReader::kRealPositive && type <= csInputDataReader::kRealNotPositive) {
    return type - csInputDataReader::kReal;
  }
  return 0;
}

template <class T>
void CheckSign(int rule, T v, int lineNum, const std::string& key) {
  using R = csInputDataReader;
  const T zero{};
  if (rule == 1 && !(v > zero)) throw R::exSpecifiedValueIsNegativeOrZero{{lineNum, key}};
  if (rule == 2 && !(v >= zero)) throw R::exSpecifiedValueIsNegative{{lineNum, key}};
  if (rule == 3 && !(v < zero)) throw R::exSpecifiedValueIsPlusOrZero{{lineNum, key}};
  if (rule == 4 && !(v <= zero)) throw R::exSpecifiedValueIsPlus{{lineNum, key}};
}

std::size_t SkipSpace(const std::string& text, std::size_t pos) {
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  return pos;
}

}  // namespace

bool csInputDataReader::csCompareBegin::Compare(const std::string& statement) const {
  std::string name;
  return GetHeaderName(statement, name) && name == name_;
}

void csInputDataReader::csCompareBegin::SetName(const std::string& name) {
  name_ = name;
}

bool csInputDataReader::csCompareEnd::Compare(const std::string& statement) const {
  return statement.compare(SkipSpace(statement, 0), 2, "&&") == 0;
}

csInputDataReader::csInputDataReader(std::istream& stream, const std::string& separator)
    : comment_(stream, true),
      containGetC_(comment_, ';'),
      lineMgr_(containGetC_, ""),
      blockLineMgr_(lineMgr_, compareBegin_, compareEnd_, true, ""),
      bySpace_('\0'),
      pairSpliter_(separator),
      pairReader_(bySpace_, pairSpliter_) {}

// The name is everything between "&&" and the statement's last non-white character, so a
// header with anything after its name, or white space between "&&" and the name, names a
// block that no list holds and is reported rather than passed over.
bool csInputDataReader::GetHeaderName(const std::string& statement, std::string& name) {
  const std::size_t begin = SkipSpace(statement, 0);
  if (statement.compare(begin, 2, "&&") != 0) return false;
  std::size_t end = statement.size();
  while (end > begin + 2 && IsSpace(statement[end - 1])) --end;
  name.clear();
  bool blank = false;
  for (std::size_t pos = begin + 2; pos < end; ++pos) {
    if (!IsSpace(statement[pos])) {
      name.push_back(statement[pos]);
      blank = false;
    } else if (!blank) {
      name.push_back(' ');
      blank = true;
    }
  }
  return true;
}

void csInputDataReader::CheckBlocks(const BlockList& blocks) {
  const std::map<std::string, int> index = IndexHeaders();
  for (const auto& [name, necessary] : blocks) {
    if (necessary && index.find(name) == index.end()) {
      throw exNecessaryBlockKeyHasnotBeenSet{{0, name}};
    }
  }
  for (const auto& [name, lineNum] : index) {
    if (blocks.find(name) == blocks.end()) throw exUnExpectedBlockKeyHasBeenSet{{lineNum, name}};
  }
}

void csInputDataReader::SetBlockName(const std::string& name) {
  compareBegin_.SetName(name);
}

void csInputDataReader::ClearKeys() {
  pairReader_.ClearKeys();
  types_.clear();
}

void csInputDataReader::SetKey(const std::string& key, bool necessary, int type) {
  if (type < kText || type > kNoValue) type = kNoValue;
  pairReader_.SetKey(key, necessary, type != kNoValue);
  types_[key] = type;
}

csInputDataReader::Block csInputDataReader::ReadBlock() {
  Block block;
  for (blockLineMgr_.Start(); blockLineMgr_.HasLine(); blockLineMgr_.Next()) {
    const int lineNum = static_cast<int>(blockLineMgr_.GetLineNum());
    block.push_back(ReadStatement(blockLineMgr_.GetCurrent(), lineNum));
  }
  return block;
}

// Every header of the file by block name, with the line of its last occurrence.
std::map<std::string, int> csInputDataReader::IndexHeaders() {
  std::map<std::string, int> index;
  lineMgr_.Rewind();
  std::string statement;
  std::string name;
  while (!lineMgr_.IsEof()) {
    lineMgr_.ReadLine(statement);
    if (GetHeaderName(statement, name)) index[name] = static_cast<int>(lineMgr_.GetLineNum());
  }
  return index;
}

// The pair reader's checks over all keys come first; then, key by key in key order, the
// repetition check and the conversion.
InputLine csInputDataReader::ReadStatement(const std::string& statement, int lineNum) const {
  InputLine line;
  line.LineNum = lineNum;
  for (const auto& [key, values] : ReadPairs(statement, lineNum)) {
    line.Value.emplace(key, Convert(key, values, lineNum));
  }
  return line;
}

PairReader::KeyValues csInputDataReader::ReadPairs(const std::string& statement,
                                                   int lineNum) const {
  try {
    return pairReader_.Read(statement);
  } catch (const PairReader::exUnExpectedKey& e) {
    throw exUnExpectedKey{{lineNum, e.Key}};
  } catch (const PairReader::exNecessaryKeyHasnotBeenSet& e) {
    throw exNecessaryKeyHasnotBeenSet{{lineNum, e.Key}};
  } catch (const PairReader::exUnRequiredValueHasBeenSet& e) {
    throw exUnRequiredValueHasBeenSet{{lineNum, e.Key}};
  } catch (const PairReader::exRequiredValueHasnotBeenSet& e) {
    throw exRequiredValueHasnotBeenSet{{lineNum, e.Key}};
  }
}

InputValue csInputDataReader::Convert(const std::string& key, const Values& values,
                                      int lineNum) const {
  if (values.size() >= 2) throw exSpecifiedKeyIsDuplicated{{lineNum, key}};
  const int type = types_.at(key);
  InputValue value;
  try {
    ConvertByType(type, values.empty() ? std::string() : values.front(), value);
  } catch (const av::exSpecifiedStringIsnotNumeric&) {
    throw exSpecifiedStringIsnotNumeric{{lineNum, key}};
  } catch (const av::exSpecifiedStringIsnotInteger&) {
    throw exSpecifiedStringIsnotInteger{{lineNum, key}};
  } catch (const av::exSpecifiedValueIsNegative&) {
    throw exSpecifiedValueIsNegative{{lineNum, key}};
  } catch (const av::exSpecifiedStringIsnotBool&) {
    throw exSpecifiedStringIsnotBool{{lineNum, key}};
  }
  if (type <= kIntegerNotPositive) {
    CheckSign(SignRule(type), value.Int, lineNum, key);
  } else {
    CheckSign(SignRule(type), value.Dbl, lineNum, key);
  }
  return value;
}

void csInputDataReader::ConvertByType(int type, const std::string& text, InputValue& value) {
  if (type == kText) {
    value.Str = text;
  } else if (type <= kIntegerNotPositive) {
    value.Int = av::AtoInt(text);
  } else if (type <= kRealNotPositive) {
    value.Dbl = av::AtoDouble(text);
  } else if (type == kBool) {
    value.Bool = av::AtoBool(text);
  }
}

}  // namespace znInOutData::znInputDataReader
