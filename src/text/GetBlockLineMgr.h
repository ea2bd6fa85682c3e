// The block manager: walks the statements of one named block of a statement manager. A block
// opens at a statement that its begin comparer accepts and runs up to the next statement that
// the end comparer accepts (the header of any block). A block may occur several times; its
// pieces are read in file order as one block.
#pragma once

#include <cstdint>
#include <string>

#include "text/GetLineMgr.h"

namespace znGetString::znGetLineMgr {

template <class S>
class csGetBlockLineMgr {
 public:
  // Decides whether a statement is a header.
  class ifCompareLine {
   public:
    virtual ~ifCompareLine() = default;
    virtual bool Compare(const S& statement) const = 0;
  };

  // Next() was called again after the end of input had been reached.
  struct exAlreadyEof {
    S Name;
  };

  csGetBlockLineMgr(ifGetLineMgr<S>& manager, const ifCompareLine& beginComparer,
                    const ifCompareLine& endComparer, bool skipHeader, const S& name)
      : name_(name),
        manager_(manager),
        begin_(beginComparer),
        end_(endComparer),
        skipHeader_(skipHeader) {}
  csGetBlockLineMgr(const csGetBlockLineMgr&) = delete;
  csGetBlockLineMgr& operator=(const csGetBlockLineMgr&) = delete;

  // Rewinds and moves to the first statement of the block (to its header when headers are
  // not skipped).
  void Start() {
    manager_.Rewind();
    atEnd_ = false;
    if (SeekHeader() && skipHeader_) Next();
  }

  bool HasLine() const { return !atEnd_; }
  const S& GetCurrent() const { return current_; }
  std::uint32_t GetLineNum() const { return manager_.GetLineNum(); }

  // Moves to the next statement of the block. Repeated headers and the pieces of other blocks
  // are passed over in a loop, so no run of headers deepens the call stack.
  void Next() {
    for (;;) {
      if (manager_.IsEof()) {
        if (atEnd_) throw exAlreadyEof{name_};
        atEnd_ = true;
        return;
      }
      manager_.ReadLine(current_);
      if (begin_.Compare(current_)) {
        if (skipHeader_) continue;
        return;
      }
      if (!end_.Compare(current_)) return;
      if (!SeekHeader() || !skipHeader_) return;
    }
  }

 private:
  // Reads on until the block's header is the current statement; false (and at end) when the
  // input ends first.
  bool SeekHeader() {
    while (!manager_.IsEof()) {
      manager_.ReadLine(current_);
      if (begin_.Compare(current_)) return true;
    }
    atEnd_ = true;
    return false;
  }

  S name_;
  ifGetLineMgr<S>& manager_;
  const ifCompareLine& begin_;
  const ifCompareLine& end_;
  S current_;
  bool skipHeader_;
  bool atEnd_ = false;
};

}  // namespace znGetString::znGetLineMgr
