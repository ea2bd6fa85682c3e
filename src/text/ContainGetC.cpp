#include "text/ContainGetC.h"

#include "text/Space.h"

namespace znGetString::znGetLine {

namespace {
constexpr int kEnd = -1;
}

csContainGetC::csContainGetC(znGetC::ifGetC<int>& source, int terminator)
    : source_(source), terminator_(terminator) {}

int csContainGetC::GetLine(std::string& s) {
  try {
    return ReadStatement(s);
  } catch (const znGetC::ifGetC<int>::exBad&) {
    throw exBad{};
  } catch (const znGetC::ifGetC<int>::exFail&) {
    throw exFail{};
  }
}

void csContainGetC::UngetLine() {
  source_.RestorePosition();
}

bool csContainGetC::IsEof() const {
  return source_.IsEof();
}

void csContainGetC::Rewind() {
  source_.Rewind();
  leadingLineN_ = 0;
}

int csContainGetC::GetLeadingLineN() const {
  return leadingLineN_;
}

// The leading count is taken after the read that delivers the first non-white character, so
// line breaks of a comment that arrive together with that character are counted as leading:
// the statement is dated to the line of its first character.
int csContainGetC::ReadStatement(std::string& s) {
  s.clear();
  source_.SavePosition();
  int lines = 0;
  bool leading = true;
  leadingLineN_ = 0;
  for (;;) {
    int c = kEnd;
    lines += source_.GetC(c);
    if (leading) {
      leadingLineN_ = lines;
      leading = znString::IsSpace(c) || c == kEnd;
    }
    if (c == kEnd || c == terminator_) return lines;
    s.push_back(static_cast<char>(c));
  }
}

}  // namespace znGetString::znGetLine
