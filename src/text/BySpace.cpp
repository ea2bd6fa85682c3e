#include "text/BySpace.h"

#include <utility>

#include "text/Space.h"

namespace znString::znDivider {

csBySpace::csBySpace(char quote) : quote_(quote) {}

void csBySpace::Divide(const std::string& text, std::vector<std::string>& output) const {
  std::string word;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (IsSpace(c)) {
      if (!word.empty()) output.push_back(std::move(word));
      word.clear();
      ++pos;
    } else if (quote_ != '\0' && c == quote_) {
      pos = AppendQuoted(text, pos + 1, word);
    } else {
      word.push_back(c);
      ++pos;
    }
  }
  if (!word.empty()) output.push_back(std::move(word));
}

// Appends the quoted section that starts at pos (after its opening quote) to word; a doubled
// quote stands for one quote character. Returns the position after the closing quote (the end
// of text when the section is not closed).
std::size_t csBySpace::AppendQuoted(const std::string& text, std::size_t pos,
                                    std::string& word) const {
  while (pos < text.size()) {
    if (text[pos] != quote_) {
      word.push_back(text[pos++]);
    } else if (pos + 1 < text.size() && text[pos + 1] == quote_) {
      word.push_back(quote_);
      pos += 2;
    } else {
      return pos + 1;
    }
  }
  return pos;
}

}  // namespace znString::znDivider
