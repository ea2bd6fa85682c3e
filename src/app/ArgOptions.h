// A general command-line option registry and parser: options with a long name, an optional
// one-letter short name, whether they take a value and whether they may repeat.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace znArgOptions {

class csArgOptions {
 public:
  csArgOptions() = default;
  virtual ~csArgOptions() = default;

  void AddOption(const std::string& longName, const std::string& shortName, bool takesValue,
                 bool mayRepeat);
  // Tokenizes every entry, the program path included, and parses the tokens.
  void Parse(int argc, const char* const* argv);
  // 1 if the option was given, else 0.
  unsigned Count(const std::string& longName) const;
  // The values given for the option, in command-line order (empty if it was not given).
  const std::vector<std::string>& Values(const std::string& longName) const;
  // Every token that is not an option, in order; the program path is the first.
  const std::vector<std::string>& Positionals() const { return positional_; }

  // An option token names no registered option; carries the token without its first character.
  struct exUnExpectedOptionHasBeenSet {
    std::string option;
  };
  // An option that may not repeat is given again; carries its long name.
  struct exSpecifiedOptionIsDuplicated {
    std::string option;
  };
  // A value-taking option is the last token or is followed by an option; carries its long name.
  struct exRequiredValueHasnotBeenSet {
    std::string option;
  };

 private:
  void ParseOption(const std::vector<std::string>& tokens, std::size_t& next);

  std::map<std::string, std::string> alias_;
  std::set<std::string> valueTaking_;
  std::set<std::string> repeatable_;
  std::map<std::string, std::vector<std::string>> values_;
  std::vector<std::string> positional_;
};

}  // namespace znArgOptions
