#include "app/ArgOptions.h"

namespace znArgOptions {

namespace {

// '-ofile' gives '-o' and 'file'; '--name' gives '-name'; anything else stays one token.
void AppendTokens(const std::string& entry, std::vector<std::string>& tokens) {
  if (entry.size() >= 3 && entry[0] == '-' && entry[1] != '-') {
    tokens.push_back(entry.substr(0, 2));
    tokens.push_back(entry.substr(2));
  } else if (entry.size() >= 3 && entry[0] == '-' && entry[1] == '-') {
    tokens.push_back(entry.substr(1));
  } else {
    tokens.push_back(entry);
  }
}

bool IsOptionToken(const std::string& token) {
  return token.size() >= 2 && token[0] == '-';
}

}  // namespace

void csArgOptions::AddOption(const std::string& longName, const std::string& shortName,
                             bool takesValue, bool mayRepeat) {
  alias_[longName] = longName;
  if (!shortName.empty()) alias_[shortName] = longName;
  if (takesValue) valueTaking_.insert(longName);
  if (mayRepeat) repeatable_.insert(longName);
}

void csArgOptions::Parse(int argc, const char* const* argv) {
  std::vector<std::string> tokens;
  for (int i = 0; i < argc; ++i) AppendTokens(argv[i], tokens);
  for (std::size_t next = 0; next < tokens.size();) {
    if (IsOptionToken(tokens[next])) {
      ParseOption(tokens, next);
    } else {
      positional_.push_back(tokens[next++]);
    }
  }
}

void csArgOptions::ParseOption(const std::vector<std::string>& tokens, std::size_t& next) {
  const std::string key = tokens[next++].substr(1);
  const auto alias = alias_.find(key);
  if (alias == alias_.end()) throw exUnExpectedOptionHasBeenSet{key};
  const std::string& longName = alias->second;
  if (values_.count(longName) != 0 && repeatable_.count(longName) == 0) {
    throw exSpecifiedOptionIsDuplicated{longName};
  }
  if (valueTaking_.count(longName) == 0) {
    values_[longName].emplace_back();
    return;
  }
  if (next >= tokens.size() || IsOptionToken(tokens[next])) {
    throw exRequiredValueHasnotBeenSet{longName};
  }
  values_[longName].push_back(tokens[next++]);
}

unsigned csArgOptions::Count(const std::string& longName) const {
  return values_.count(longName) != 0 ? 1 : 0;
}

const std::vector<std::string>& csArgOptions::Values(const std::string& longName) const {
  static const std::vector<std::string> kNone;
  const auto found = values_.find(longName);
  return found != values_.end() ? found->second : kNone;
}

}  // namespace znArgOptions
