// The divider of statements: words are separated by runs of white space (line feeds
// included); an optional quote character makes white space part of a word.
#pragma once

#include <string>
#include <vector>

#include "text/Divider.h"

namespace znString::znDivider {

class csBySpace : public ifDivider<std::string> {
 public:
  // quote 0: no quote character.
  explicit csBySpace(char quote);

  void Divide(const std::string& text, std::vector<std::string>& output) const override;

 private:
  std::size_t AppendQuoted(const std::string& text, std::size_t pos, std::string& word) const;

  char quote_;
};

}  // namespace znString::znDivider
