// The filter of words: splits key=value at the first separator; a word without the separator
// is a key without value.
#pragma once

#include <string>
#include <utility>

#include "text/Filter.h"

namespace znString::znFilter {

class csPairSpliter : public ifFilter<std::pair<std::string, std::string>> {
 public:
  explicit csPairSpliter(const std::string& separator);

  std::pair<std::string, std::string> Filter(const std::string& word) const override;

 private:
  std::string separator_;
};

}  // namespace znString::znFilter
