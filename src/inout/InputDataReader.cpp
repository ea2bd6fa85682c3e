#include "inout/InputDataReader.h"

#include <algorithm>
#include <utility>

#include "text/AtoValue.h"
#include "text/Space.h"

namespace znInOutData::znInputDataReader {

namespace {

using znString::IsSpace;
namespace av = znString::znAtoValue;

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

// The bytes from the stream's place to its end, when it can tell (a file); else 0. The place
// is left as it was.
std::size_t StreamSize(std::istream& stream) {
  std::streambuf& buffer = *stream.rdbuf();
  const std::streampos place = buffer.pubseekoff(0, std::ios_base::cur, std::ios_base::in);
  if (place == std::streampos(-1)) return 0;
  const std::streampos end = buffer.pubseekoff(0, std::ios_base::end, std::ios_base::in);
  buffer.pubseekpos(place, std::ios_base::in);
  return end > place ? static_cast<std::size_t>(end - place) : 0;
}

}  // namespace

csInputDataReader::csInputDataReader(std::istream& stream, const std::string& separator)
    : stream_(stream), separator_(separator) {}

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
  keys_.clear();
}

// A key declared again takes the new rule.
void csInputDataReader::SetKey(const std::string& key, bool necessary, int type) {
  if (type < kText || type > kNoValue) type = kNoValue;
  const auto at =
      std::lower_bound(keys_.begin(), keys_.end(), key,
                       [](const stKey& k, const std::string& name) { return k.name < name; });
  if (at != keys_.end() && at->name == key) {
    *at = {key, necessary, type};
  } else {
    keys_.insert(at, {key, necessary, type});
  }
}

// A block declares a few keys, most of different lengths: a straight search is quickest.
const csInputDataReader::stKey* csInputDataReader::FindKey(std::string_view name) const {
  for (const stKey& key : keys_) {
    if (std::string_view(key.name) == name) return &key;
  }
  return nullptr;
}

// The statements from each header of the block to the next header of any block.
template <class Visit>
void csInputDataReader::ForEachStatement(Visit visit) {
  Load();
  const std::vector<znString::stStatement>& statements = text_->Statements();
  for (std::size_t h = 0; h < headers_.size(); ++h) {
    if (headers_[h].name != blockName_) continue;
    const std::size_t end = h + 1 < headers_.size() ? headers_[h + 1].statement : statements.size();
    for (std::size_t s = headers_[h].statement + 1; s < end; ++s) visit(statements[s]);
  }
}

std::size_t csInputDataReader::CountStatements() {
  std::size_t count = 0;
  ForEachStatement([&count](const znString::stStatement&) { ++count; });
  return count;
}

// Reading a statement again costs less than keeping the records of a whole block.
void csInputDataReader::ReadBlock(const LineVisitor& check, const LineVisitor& take) {
  std::vector<stWord> words;
  std::vector<KeyValue> values;
  const LineVisitor none;
  for (const LineVisitor* visit : {&none, &check, &take}) {
    if (visit != &none && !*visit) continue;
    ForEachStatement([&](const znString::stStatement& statement) {
      const int lineNum = static_cast<int>(statement.line);
      values.clear();
      ReadStatement(statement.text, lineNum, words, values);
      if (*visit) (*visit)(InputLine{lineNum, values});
    });
  }
}

// Reads the whole stream once and finds the headers of its blocks.
void csInputDataReader::Load() {
  if (text_) return;
  std::string raw;
  raw.reserve(StreamSize(stream_));
  char chunk[1 << 16];
  while (stream_.read(chunk, sizeof chunk) || stream_.gcount() > 0) {
    raw.append(chunk, static_cast<std::size_t>(stream_.gcount()));
  }
  if (stream_.bad()) throw exFailedToReadStream{};
  try {
    text_ = std::make_unique<znString::csStatementText>(std::move(raw));
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

// Words are separated by runs of white space; a word is split at its first separator, and a
// word without one is a key without value.
void csInputDataReader::SplitWords(std::string_view statement, std::vector<stWord>& words) const {
  words.clear();
  std::size_t pos = 0;
  while (true) {
    pos = SkipSpace(statement, pos);
    if (pos == statement.size()) break;
    std::size_t end = pos;
    while (end < statement.size() && !IsSpace(statement[end])) ++end;
    const std::string_view word = statement.substr(pos, end - pos);
    const std::size_t split = word.find(separator_);
    if (split == std::string_view::npos) {
      words.push_back({word, {}, nullptr});
    } else {
      words.push_back({word.substr(0, split), word.substr(split + separator_.size()), nullptr});
    }
    pos = end;
  }
}

// Stable: the values of a key keep their order. The rules stand in key order, so the words
// are ordered by the places of their rules. A statement usually holds a few words, for which a
// straight insertion allocates nothing and is quickest; a long one (a file without its ';'
// runs many statements together) is merge-sorted so the reading stays n log n.
void csInputDataReader::SortByRule(std::vector<stWord>& words) {
  constexpr std::size_t kFewWords = 32;
  const auto byRule = [](const stWord& a, const stWord& b) { return a.rule < b.rule; };
  if (words.size() > kFewWords) {
    std::stable_sort(words.begin(), words.end(), byRule);
    return;
  }
  for (std::size_t w = 1; w < words.size(); ++w) {
    const stWord word = words[w];
    std::size_t at = w;
    for (; at > 0 && byRule(word, words[at - 1]); --at) words[at] = words[at - 1];
    words[at] = word;
  }
}

// The checks run in this order, each over the keys in key order, and the first offender is
// thrown: unknown keys, missing necessary keys, values given or missing against the rule
// ('key' and 'key=' both give no value). Then, key by key, the repetition check and the
// conversion.
void csInputDataReader::ReadStatement(std::string_view statement, int lineNum,
                                      std::vector<stWord>& words,
                                      std::vector<KeyValue>& values) const {
  SplitWords(statement, words);
  const stWord* unknown = nullptr;  // the first unknown key in key order
  for (stWord& word : words) {
    word.rule = FindKey(word.key);
    if (word.rule == nullptr && (unknown == nullptr || word.key < unknown->key)) unknown = &word;
  }
  if (unknown != nullptr) throw exUnExpectedKey{{lineNum, std::string(unknown->key)}};
  SortByRule(words);  // grouped by key in key order
  std::size_t w = 0;
  for (const stKey& key : keys_) {
    while (w < words.size() && words[w].rule < &key) ++w;
    if (key.necessary && (w == words.size() || words[w].rule != &key)) {
      throw exNecessaryKeyHasnotBeenSet{{lineNum, key.name}};
    }
  }
  const auto groupEnd = [&](std::size_t first) {
    std::size_t last = first + 1;
    while (last < words.size() && words[last].rule == words[first].rule) ++last;
    return last;
  };
  const auto hasValue = [&](std::size_t first, std::size_t last) {
    for (std::size_t v = first; v < last; ++v) {
      if (!words[v].value.empty()) return true;
    }
    return false;
  };
  for (std::size_t first = 0; first < words.size(); first = groupEnd(first)) {
    const stKey& key = *words[first].rule;
    const bool given = hasValue(first, groupEnd(first));
    if (key.type == kNoValue && given) throw exUnRequiredValueHasBeenSet{{lineNum, key.name}};
    if (key.type != kNoValue && !given) throw exRequiredValueHasnotBeenSet{{lineNum, key.name}};
  }
  for (std::size_t first = 0; first < words.size(); first = groupEnd(first)) {
    const stKey& key = *words[first].rule;
    values.push_back({words[first].key, Convert(key, words, first, groupEnd(first), lineNum)});
  }
}

InputValue csInputDataReader::Convert(const stKey& key, const std::vector<stWord>& words,
                                      std::size_t first, std::size_t last, int lineNum) const {
  std::string_view text;
  std::size_t values = 0;
  for (std::size_t w = first; w < last; ++w) {
    if (words[w].value.empty()) continue;
    if (++values == 1) text = words[w].value;
  }
  if (values >= 2) throw exSpecifiedKeyIsDuplicated{{lineNum, key.name}};
  const int type = key.type;
  InputValue value;
  try {
    ConvertByType(type, text, value);
  } catch (const av::exSpecifiedStringIsnotNumeric&) {
    throw exSpecifiedStringIsnotNumeric{{lineNum, key.name}};
  } catch (const av::exSpecifiedStringIsnotInteger&) {
    throw exSpecifiedStringIsnotInteger{{lineNum, key.name}};
  } catch (const av::exSpecifiedValueIsNegative&) {
    throw exSpecifiedValueIsNegative{{lineNum, key.name}};
  } catch (const av::exSpecifiedStringIsnotBool&) {
    throw exSpecifiedStringIsnotBool{{lineNum, key.name}};
  }
  if (type <= kIntegerNotPositive) {
    CheckSign(SignRule(type), value.Int, lineNum, key.name);
  } else {
    CheckSign(SignRule(type), value.Dbl, lineNum, key.name);
  }
  return value;
}

void csInputDataReader::ConvertByType(int type, std::string_view text, InputValue& value) {
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
