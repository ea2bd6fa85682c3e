// The pair reader: turns a statement of key=value words into a table from each key to its
// values, checked against the declared keys of the statement.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "text/Divider.h"
#include "text/Filter.h"

namespace znString::znPairReader {

class csPairReader {
 public:
  using Values = std::vector<std::string>;
  using KeyValues = std::map<std::string, Values>;

  // Every exception of the pair reader carries the offending key.
  struct exPairReaderException {
    std::string Key;
  };
  struct exUnExpectedKey : exPairReaderException {};
  struct exNecessaryKeyHasnotBeenSet : exPairReaderException {};
  struct exUnRequiredValueHasBeenSet : exPairReaderException {};
  struct exRequiredValueHasnotBeenSet : exPairReaderException {};

  csPairReader(const znDivider::ifDivider<std::string>& divider,
               const znFilter::ifFilter<std::pair<std::string, std::string>>& filter);
  csPairReader(const csPairReader&) = delete;
  csPairReader& operator=(const csPairReader&) = delete;
  virtual ~csPairReader() = default;

  // Enters or replaces the rule of a key.
  void SetKey(const std::string& key, bool necessary, bool valueRequired);
  // Forgets every key rule.
  void ClearKeys();
  // The keys of statement, each with its non-empty values in the order written. The checks
  // run in this order, each over the keys in key order, and the first offender is thrown:
  // unknown keys, missing necessary keys, then values given or missing against the rule.
  KeyValues Read(const std::string& statement) const;

 private:
  struct Rule {
    bool necessary;
    bool valueRequired;
  };

  KeyValues Gather(const std::string& statement) const;
  void CheckKnown(const KeyValues& pairs) const;
  void CheckNecessary(const KeyValues& pairs) const;
  void CheckValues(const KeyValues& pairs) const;

  const znDivider::ifDivider<std::string>& divider_;
  const znFilter::ifFilter<std::pair<std::string, std::string>>& filter_;
  std::map<std::string, Rule> keys_;
};

}  // namespace znString::znPairReader
