#include "text/CStyleComment.h"

namespace znGetString::znGetC {

namespace {
constexpr int kEnd = std::istream::traits_type::eof();
}

csCStyleComment::csCStyleComment(std::istream& stream, bool quoteAware)
    : stream_(stream), quoteAware_(quoteAware) {}

// A comment vanishes: the loop goes on to the character after it and adds the comment's line
// breaks to that character's count. Back-to-back comments never deepen the call stack.
int csCStyleComment::GetC(int& c) {
  CheckState();
  int lines = 0;
  for (;;) {
    if (inString_) return lines + GetInString(c);
    c = stream_.get();
    if (c == '\n') return lines + 1;
    if (c == '"') {
      inString_ = quoteAware_;
      return lines;
    }
    if (c != '/') return lines;
    const int next = stream_.peek();
    if (next == '/') {
      stream_.get();
      return lines + SkipLineComment(c);
    }
    if (next != '*') return lines;
    stream_.get();
    lines += SkipBlockComment(c);
    if (c == kEnd) return lines;
  }
}

bool csCStyleComment::IsEof() const {
  return stream_.eof();
}

void csCStyleComment::Rewind() {
  stream_.clear();
  stream_.seekg(0);
  inString_ = false;
  savedInString_ = false;
}

void csCStyleComment::SavePosition() {
  savedPosition_ = stream_.fail() ? std::istream::pos_type(-1) : stream_.tellg();
  savedInString_ = inString_;
}

void csCStyleComment::RestorePosition() {
  stream_.clear();
  stream_.seekg(savedPosition_);
  inString_ = savedInString_;
}

void csCStyleComment::CheckState() const {
  if (stream_.bad()) throw exBad{};
  if (stream_.fail()) throw exFail{};
}

// Inside a string: two double quotes stand for one and keep the string open; a single double
// quote is delivered and closes it.
int csCStyleComment::GetInString(int& c) {
  c = stream_.get();
  if (c == '\n') return 1;
  if (c != '"') return 0;
  if (stream_.peek() == '"') {
    stream_.get();
  } else {
    inString_ = false;
  }
  return 0;
}

// After "/*": drops everything up to and including "*/" (comments do not nest). Returns the
// line breaks inside; c becomes -1 when the input ends first.
int csCStyleComment::SkipBlockComment(int& c) {
  int lines = 0;
  for (;;) {
    c = stream_.get();
    if (c == kEnd) return lines;
    if (c == '\n') {
      ++lines;
    } else if (c == '*' && stream_.peek() == '/') {
      stream_.get();
      return lines;
    }
  }
}

// After "//": drops the rest of the line and delivers its line feed (or -1 at end of input).
int csCStyleComment::SkipLineComment(int& c) {
  for (;;) {
    c = stream_.get();
    if (c == kEnd) return 0;
    if (c == '\n') return 1;
  }
}

}  // namespace znGetString::znGetC
