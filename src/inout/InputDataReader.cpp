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

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  return pos;
}

// A byte as "0x" and two hexadecimal digits.
std::string ByteCode(unsigned char byte) {
  const char* const digits = "0123456789ABCDEF";
  return std::string("0x") + digits[byte / 16] + digits[byte % 16];
}

}  // namespace

csInputDataReader::csInputDataReader(std::istream& stream, const std::string& separator)
    : stream_(stream),
      bySpace_('\0'),
      pairSpliter_(separator),
      pairReader_(bySpace_, pairSpliter_) {}

// The name is everything between "&&" and the statement's last non-white character, so a
// header with anything after its name, or white space between "&&" and the name, names a
// block that no list holds and is reported rather than passed over.
bool csInputDataReader::GetHeaderName(std::string_view statement, std::string& name) {
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
  Load();
  std::map<std::string, int> index;  // every header's block name, with its last line
  for (const stHeader& header : headers_) {
    index[header.name] = static_cast<int>(text_->Statements()[header.statement].line);
  }
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
  blockName_ = name;
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

// The statements from each header of the block to the next header of any block.
csInputDataReader::Block csInputDataReader::ReadBlock() {
  Load();
  const std::vector<znString::stStatement>& statements = text_->Statements();
  Block block;
  for (std::size_t h = 0; h < headers_.size(); ++h) {
    if (headers_[h].name != blockName_) continue;
    const std::size_t end = h + 1 < headers_.size() ? headers_[h + 1].statement : statements.size();
    for (std::size_t s = headers_[h].statement + 1; s < end; ++s) {
      const znString::stStatement& statement = statements[s];
      block.push_back(ReadStatement(std::string(statement.text), static_cast<int>(statement.line)));
    }
  }
  return block;
}

// Reads the whole stream once and finds the headers of its blocks.
void csInputDataReader::Load() {
  if (text_) return;
  std::string raw;
  char chunk[1 << 16];
  while (stream_.read(chunk, sizeof chunk) || stream_.gcount() > 0) {
    raw.append(chunk, static_cast<std::size_t>(stream_.gcount()));
  }
  if (stream_.bad()) throw exFailedToReadStream{};
  try {
    text_ = std::make_unique<znString::csStatementText>(raw);
  } catch (const znString::csStatementText::exControlCharacter& e) {
    throw exControlCharacterIsInText{{static_cast<int>(e.line), ByteCode(e.code)}};
  } catch (const znString::csStatementText::exUnterminatedComment& e) {
    throw exCommentIsnotClosed{{static_cast<int>(e.line), ""}};
  }
  const std::vector<znString::stStatement>& statements = text_->Statements();
  std::string name;
  for (std::size_t s = 0; s < statements.size(); ++s) {
    if (GetHeaderName(statements[s].text, name)) headers_.push_back({name, s});
  }
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
