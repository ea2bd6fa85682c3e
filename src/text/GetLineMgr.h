// The statement manager: reads statements from a statement source, keeps the line number of
// each and can step back one statement. ifGetLineMgr is its interface, csGetLineMgr the
// manager over one statement source.
#pragma once

#include <cstdint>
#include <string>

#include "text/GetLine.h"

namespace znGetString::znGetLineMgr {

template <class S>
class ifGetLineMgr {
 public:
  struct exBad {};   // the stream below is in its bad state
  struct exFail {};  // the stream below is in its fail state

  virtual ifGetLineMgr& Self() = 0;
  virtual ~ifGetLineMgr() = default;
  virtual const S& GetName() const = 0;
  // 1-based line of the first non-white character of the current statement.
  virtual std::uint32_t GetLineNum() const = 0;
  // Statements read since the last rewind.
  virtual std::uint32_t GetCount() const = 0;
  virtual bool IsEof() const = 0;
  virtual void Rewind() = 0;
  virtual ifGetLineMgr& ReadLine(S& s) = 0;
  // True if a following statement contains text; that statement is read again next unless
  // consume is set.
  virtual bool FindLine(const S& text, bool consume) = 0;
  // Steps back one statement; a second step back without a read between does nothing.
  virtual void UnreadLine() = 0;
  // Reads the next statement into s, so that reads can be chained: mgr >> a >> b.
  virtual ifGetLineMgr& operator>>(S& s) {
    ReadLine(s);
    return Self();
  }
};

class csGetLineMgr : public ifGetLineMgr<std::string> {
 public:
  csGetLineMgr(znGetLine::ifGetLine<std::string>& source, const std::string& name);
  csGetLineMgr(const csGetLineMgr&) = delete;
  csGetLineMgr& operator=(const csGetLineMgr&) = delete;

  ifGetLineMgr& Self() override;
  const std::string& GetName() const override;
  std::uint32_t GetLineNum() const override;
  std::uint32_t GetCount() const override;
  bool IsEof() const override;
  void Rewind() override;
  ifGetLineMgr& ReadLine(std::string& s) override;
  bool FindLine(const std::string& text, bool consume) override;
  void UnreadLine() override;

 private:
  // Where a statement lies: line breaks before it, inside it, and before its first
  // non-white character.
  struct Position {
    std::uint32_t start = 0;
    std::uint32_t count = 0;
    std::uint32_t lead = 0;
  };

  znGetLine::ifGetLine<std::string>& source_;
  std::string name_;
  Position current_;
  Position previous_;
  std::uint32_t count_ = 0;
  bool unread_ = false;
};

}  // namespace znGetString::znGetLineMgr
