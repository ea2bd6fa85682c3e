#include "text/PairSpliter.h"

namespace znString::znFilter {

csPairSpliter::csPairSpliter(const std::string& separator) : separator_(separator) {}

std::pair<std::string, std::string> csPairSpliter::Filter(const std::string& word) const {
  const std::size_t p = word.find(separator_);
  if (p == std::string::npos) return {word, ""};
  return {word.substr(0, p), word.substr(p + separator_.size())};
}

}  // namespace znString::znFilter
