// Finds the objects of a list by the IDs they hold themselves, so that no ID is stored twice
// and no entry costs a heap block: an open-addressed hash table of list positions (plus one;
// 0 is a free slot), kept at most half full. A search stops at the first free slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace znFEM::znTraceYield2DRahmen {

class csIDIndex {
 public:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // idOf(position) is the ID of the object at that position of the list.
  template <class IDOf>
  std::size_t Find(std::string_view id, const IDOf& idOf) const {
    if (slots_.empty()) return kNone;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Hash(id) & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0) return kNone;
      if (idOf(entry - 1) == id) return entry - 1;
    }
  }
  // Indexes the object just appended at position; the index grows as the list does.
  template <class IDOf>
  void Add(std::size_t position, const IDOf& idOf) {
    if (2 * (position + 1) > slots_.size()) {
      Reserve(position + 1, position + 1, idOf);
    } else {
      Insert(position, idOf);
    }
  }
  // Room for count objects in all; used of them are in the list now.
  template <class IDOf>
  void Reserve(std::size_t count, std::size_t used, const IDOf& idOf) {
    std::size_t size = 16;
    while (size < 2 * count) size *= 2;
    if (size <= slots_.size()) return;
    slots_.assign(size, 0);
    for (std::size_t k = 0; k < used; ++k) Insert(k, idOf);
  }

 private:
  template <class IDOf>
  void Insert(std::size_t position, const IDOf& idOf) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = Hash(idOf(position)) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(position + 1);
  }
  static std::size_t Hash(std::string_view id) { return std::hash<std::string_view>{}(id); }

  std::vector<std::uint32_t> slots_;
};

}  // namespace znFEM::znTraceYield2DRahmen
