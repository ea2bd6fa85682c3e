#include "text/GetLineMgr.h"

namespace znGetString::znGetLineMgr {

csGetLineMgr::csGetLineMgr(znGetLine::ifGetLine<std::string>& source, const std::string& name)
    : source_(source), name_(name) {}

ifGetLineMgr<std::string>& csGetLineMgr::Self() {
  return *this;
}

const std::string& csGetLineMgr::GetName() const {
  return name_;
}

std::uint32_t csGetLineMgr::GetLineNum() const {
  return current_.start + 1 + current_.lead;
}

std::uint32_t csGetLineMgr::GetCount() const {
  return count_;
}

bool csGetLineMgr::IsEof() const {
  return source_.IsEof();
}

void csGetLineMgr::Rewind() {
  current_ = Position{};
  previous_ = Position{};
  count_ = 0;
  unread_ = false;
  source_.Rewind();
}

ifGetLineMgr<std::string>& csGetLineMgr::ReadLine(std::string& s) {
  int lines = 0;
  try {
    lines = source_.GetLine(s);
  } catch (const znGetLine::ifGetLine<std::string>::exBad&) {
    throw exBad{};
  } catch (const znGetLine::ifGetLine<std::string>::exFail&) {
    throw exFail{};
  }
  previous_ = current_;
  current_.start += current_.count;
  current_.count = static_cast<std::uint32_t>(lines);
  current_.lead = static_cast<std::uint32_t>(source_.GetLeadingLineN());
  ++count_;
  unread_ = false;
  return *this;
}

bool csGetLineMgr::FindLine(const std::string& text, bool consume) {
  std::string s;
  while (!IsEof()) {
    ReadLine(s);
    if (s.find(text) != std::string::npos) {
      if (!consume) UnreadLine();
      return true;
    }
  }
  return false;
}

// Only a statement actually read can be stepped back over: nothing happens right after
// construction or a rewind, or after a step back.
void csGetLineMgr::UnreadLine() {
  if (unread_ || count_ == 0) return;
  source_.UngetLine();
  current_ = previous_;
  --count_;
  unread_ = true;
}

}  // namespace znGetString::znGetLineMgr
