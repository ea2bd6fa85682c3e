// Owns objects that never move once made, in a few large blocks rather than one heap block
// per object: a model of many nodes and members allocates (and faults in) a handful of
// blocks, and the objects it walks in order lie next to each other.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace znFEM::znTraceYield2DRahmen {

template <class T>
class csBlockStore {
 public:
  // Makes an object after the others; none of them moves.
  template <class... Args>
  T& Emplace(Args&&... args) {
    if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) {
      blocks_.emplace_back().reserve(kBlockCount);
    }
    return blocks_.back().emplace_back(std::forward<Args>(args)...);
  }
  // Drops the object made last.
  void PopBack() {
    blocks_.back().pop_back();
    if (blocks_.back().empty()) blocks_.pop_back();
  }

 private:
  // Blocks of about a megabyte come from the heap the reading freed (larger ones would be
  // mapped afresh, every page faulted in) and go back to it for the reports and drawings.
  static constexpr std::size_t kBlockCount = std::max<std::size_t>(1, (1u << 20) / sizeof(T));

  // A block is filled up to its capacity and never grows: its objects keep their places.
  std::vector<std::vector<T>> blocks_;
};

}  // namespace znFEM::znTraceYield2DRahmen
