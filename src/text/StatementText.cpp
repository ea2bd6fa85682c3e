#include "text/StatementText.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/Space.h"

namespace znString {

namespace {

constexpr char kTerminator = ';';
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line feed, or a carriage return not followed by a line feed.
bool IsLineBreak(char c, char next) {
  return c == '\n' || (c == '\r' && next != '\n');
}

std::uint32_t LineBreaks(std::string_view text) {
  std::uint32_t breaks = 0;
  for (std::size_t p = 0; p < text.size(); ++p) {
    breaks += IsLineBreak(text[p], p + 1 < text.size() ? text[p + 1] : '\0') ? 1 : 0;
  }
  return breaks;
}

// No terminator, line break, comment marker or quote: a character that Deliver would only
// copy once the statement has begun.
bool IsPlain(char c) {
  return c != kTerminator && c != '\n' && c != '\r' && c != '/' && c != '"';
}

// The white-space control characters stay white space; any other is no text.
bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && !IsSpace(c)) || byte == 0x7F;
}

void CheckControlCharacters(std::string_view raw) {
  const auto found = std::find_if(raw.begin(), raw.end(), IsControl);
  if (found == raw.end()) return;
  const auto position = static_cast<std::size_t>(found - raw.begin());
  throw csStatementText::exControlCharacter{LineBreaks(raw.substr(0, position)) + 1,
                                            static_cast<unsigned char>(*found)};
}

}  // namespace

csStatementText::csStatementText(std::string text) : text_(std::move(text)) {
  std::string_view rest(text_);
  if (rest.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    rest.remove_prefix(kByteOrderMark.size());
  }
  CheckControlCharacters(rest);
  // Every terminator ends a statement, and one more follows the last.
  statements_.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), kTerminator)) +
                      1);
  const std::size_t start = text_.size() - rest.size();
  cleanEnd_ = statementBegin_ = start;
  const std::string_view raw = text_;  // read ahead of cleanEnd_, where Deliver writes
  bool inString = false;
  std::size_t p = start;
  while (p < raw.size()) {
    const char c = raw[p];
    const char next = p + 1 < raw.size() ? raw[p + 1] : '\0';
    if (inString) {
      // A doubled quote is one quote character and keeps the string open.
      if (c == '"') inString = next == '"';
      Deliver(c, next);
      p += (c == '"' && inString) ? 2 : 1;
    } else if (c == '/' && next == '/') {  // the line break ending the comment is kept
      p = std::min(raw.find_first_of("\r\n", p + 2), raw.size());
    } else if (c == '/' && next == '*') {
      const std::size_t close = raw.find("*/", p + 2);
      if (close == std::string_view::npos) throw exUnterminatedComment{lines_ + 1};
      lines_ += LineBreaks(raw.substr(p + 2, close - p - 2));
      p = close + 2;
    } else if (!leading_ && IsPlain(c)) {
      // Inside a statement a run of plain characters is copied whole.
      std::size_t end = p + 1;
      while (end < raw.size() && IsPlain(raw[end])) ++end;
      std::memmove(text_.data() + cleanEnd_, raw.data() + p, end - p);  // never ahead of p
      cleanEnd_ += end - p;
      p = end;
    } else {
      inString = c == '"';
      Deliver(c, next);
      ++p;
    }
  }
  if (leading_) statementLine_ = lines_;
  EndStatement();
}

// The line of a statement is taken when its first non-white character (or its terminator)
// arrives, after the line breaks of any comment before it.
void csStatementText::Deliver(char c, char next) {
  if (IsLineBreak(c, next)) ++lines_;
  if (leading_) {
    statementLine_ = lines_;
    leading_ = IsSpace(c);
  }
  if (c == kTerminator) {
    EndStatement();
  } else {
    text_[cleanEnd_++] = c;
  }
}

// The text never grows, so the statement's view stays valid.
void csStatementText::EndStatement() {
  statements_.push_back(
      {std::string_view(text_).substr(statementBegin_, cleanEnd_ - statementBegin_),
       statementLine_ + 1});
  statementBegin_ = cleanEnd_;
  leading_ = true;
}

}  // namespace znString
