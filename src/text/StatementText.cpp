#include "text/StatementText.h"

#include <algorithm>

#include "text/Space.h"

namespace znString {

namespace {

constexpr char kTerminator = ';';

std::uint32_t LineBreaks(std::string_view text) {
  return static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

csStatementText::csStatementText(std::string_view raw) {
  clean_.reserve(raw.size());
  bool inString = false;
  std::size_t p = 0;
  while (p < raw.size()) {
    const char c = raw[p];
    const char next = p + 1 < raw.size() ? raw[p + 1] : '\0';
    if (inString) {
      // A doubled quote is one quote character and keeps the string open.
      if (c == '"') inString = next == '"';
      Deliver(c);
      p += (c == '"' && inString) ? 2 : 1;
    } else if (c == '/' && next == '/') {  // the line feed ending the comment is kept
      p = std::min(raw.find('\n', p + 2), raw.size());
    } else if (c == '/' && next == '*') {
      const std::size_t close = raw.find("*/", p + 2);
      const std::size_t end = close == std::string_view::npos ? raw.size() : close + 2;
      lines_ += LineBreaks(raw.substr(p + 2, end - p - 2));
      p = end;
    } else {
      inString = c == '"';
      Deliver(c);
      ++p;
    }
  }
  if (leading_) statementLine_ = lines_;
  EndStatement();
  std::size_t begin = 0;
  statements_.reserve(ends_.size());
  for (std::size_t s = 0; s < ends_.size(); ++s) {
    statements_[s].text = std::string_view(clean_).substr(begin, ends_[s] - begin);
    begin = ends_[s];
  }
  ends_.clear();
  ends_.shrink_to_fit();
}

// The line of a statement is taken when its first non-white character (or its terminator)
// arrives, after the line breaks of any comment before it.
void csStatementText::Deliver(char c) {
  if (c == '\n') ++lines_;
  if (leading_) {
    statementLine_ = lines_;
    leading_ = IsSpace(c);
  }
  if (c == kTerminator) {
    EndStatement();
  } else {
    clean_.push_back(c);
  }
}

void csStatementText::EndStatement() {
  ends_.push_back(clean_.size());
  statements_.push_back({std::string_view(), statementLine_ + 1});
  leading_ = true;
}

}  // namespace znString
