// Owns objects that never move once made, in blocks of many rather than one heap block
// per object: a model of many nodes and members makes a few thousand allocations instead of
// hundreds of thousands, and the objects it walks in order lie next to each other.
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
  // Blocks of 64 KiB stay under the size the allocator maps afresh (every page of a new
  // mapping faults in), so they reuse the heap that earlier phases freed and give it back.
  static constexpr std::size_t kBlockCount = std::max<std::size_t>(1, (1u << 16) / sizeof(T));

  // A block is filled up to its capacity and never grows: its objects keep their places.
  std::vector<std::vector<T>> blocks_;
};

}  // namespace znFEM::znTraceYield2DRahmen
