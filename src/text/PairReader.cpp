#include "text/PairReader.h"

namespace znString::znPairReader {

csPairReader::csPairReader(const znDivider::ifDivider<std::string>& divider,
                           const znFilter::ifFilter<std::pair<std::string, std::string>>& filter)
    : divider_(divider), filter_(filter) {}

void csPairReader::SetKey(const std::string& key, bool necessary, bool valueRequired) {
  keys_[key] = Rule{necessary, valueRequired};
}

void csPairReader::ClearKeys() {
  keys_.clear();
}

csPairReader::KeyValues csPairReader::Read(const std::string& statement) const {
  KeyValues pairs = Gather(statement);
  CheckKnown(pairs);
  CheckNecessary(pairs);
  CheckValues(pairs);
  return pairs;
}

// 'key' and 'key=' both leave the key with no value: empty values are never kept.
csPairReader::KeyValues csPairReader::Gather(const std::string& statement) const {
  std::vector<std::string> words;
  divider_.Divide(statement, words);
  KeyValues pairs;
  for (const std::string& word : words) {
    auto [key, value] = filter_.Filter(word);
    Values& values = pairs[key];
    if (!value.empty()) values.push_back(std::move(value));
  }
  return pairs;
}

void csPairReader::CheckKnown(const KeyValues& pairs) const {
  for (const auto& [key, values] : pairs) {
    if (keys_.find(key) == keys_.end()) throw exUnExpectedKey{{key}};
  }
}

void csPairReader::CheckNecessary(const KeyValues& pairs) const {
  for (const auto& [key, rule] : keys_) {
    if (rule.necessary && pairs.find(key) == pairs.end()) {
      throw exNecessaryKeyHasnotBeenSet{{key}};
    }
  }
}

void csPairReader::CheckValues(const KeyValues& pairs) const {
  for (const auto& [key, values] : pairs) {
    const Rule& rule = keys_.at(key);
    if (!rule.valueRequired && !values.empty()) throw exUnRequiredValueHasBeenSet{{key}};
    if (rule.valueRequired && values.empty()) throw exRequiredValueHasnotBeenSet{{key}};
  }
}

}  // namespace znString::znPairReader
