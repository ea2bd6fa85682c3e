// The input records a logger keeps, in the order they came, with one result record per ID;
// the node, element and wall element loggers keep theirs in one of these.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace znFEM::znTarvex {

template <class Prop, class Result>
class csRecordLog {
 public:
  // Keeps a copy of the record; its result reads as zero until one is reported, so that a run
  // that fails before any step still has one to show. Returns the copy, for the caller to drop
  // what must not be kept.
  // A record of an ID kept already replaces it in its place (the managers refuse a repeated
  // ID before the record reaches the logger).
  Prop& Add(const Prop& prop) {
    const std::size_t found = Find(prop.ID);
    if (found != kNone) {
      props_[found] = prop;
      if (!results_.empty()) results_[found] = Result{};
      return props_[found];
    }
    props_.push_back(prop);
    if (!results_.empty()) results_.emplace_back();
    if (2 * props_.size() > slots_.size()) {
      Rehash(props_.size());  // indexes the new record too
    } else {
      Insert(props_.size() - 1);
    }
    return props_.back();
  }
  void Reserve(std::size_t count) {
    props_.reserve(props_.size() + count);
    Rehash(props_.size() + count);
  }
  // The result of a record never kept goes nowhere. The analysis reports the results record
  // by record in input order, several for one record in a row: the record found last and the
  // one after it are tried before the index, which then serves only the others. The results
  // take their room when the first is reported, at the end of the analysis, once the solver
  // has given back its own.
  Result& ResultOf(const std::string& id) {
    const std::size_t found = PositionOf(id);
    if (found == kNone) {
      unkept_ = Result{};
      return unkept_;
    }
    if (results_.empty()) results_.resize(props_.size());
    return results_[found];
  }
  // The position in input order of the record of the ID; kNone for an ID never kept.
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t PositionOf(const std::string& id) {
    for (const std::size_t near : {recent_, recent_ + 1}) {
      if (near < props_.size() && props_[near].ID == id) return recent_ = near;
    }
    const std::size_t found = Find(id);
    if (found != kNone) recent_ = found;
    return found;
  }

  std::size_t Size() const { return props_.size(); }
  // The position of the record of the ID, kNone for an ID never kept.
  std::size_t Find(std::string_view id) const {
    if (slots_.empty()) return kNone;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Hash(id) & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0) return kNone;
      if (entry <= props_.size() && props_[entry - 1].ID == id) return entry - 1;
    }
  }
  // std::out_of_range for an ID never kept.
  const Prop& PropOf(const std::string& id) const { return props_[At(id)]; }
  const Result& ResultOf(const std::string& id) const { return ResultAt(At(id)); }
  // The records in input order, and the result of the k-th.
  const std::vector<Prop>& GetProps() const { return props_; }
  const Result& ResultAt(std::size_t k) const { return results_.empty() ? kZero : results_[k]; }
  // Calls f(id, result) for every record in input order.
  template <class F>
  void ForEachResult(F f) const {
    for (std::size_t k = 0; k < props_.size(); ++k) f(props_[k].ID, ResultAt(k));
  }
  // Lends the records to a reader that needs them as its own (the drawing) without a copy;
  // until they are given back, only the results stay, and no record is found by its ID.
  std::vector<Prop> LendProps() { return std::move(props_); }
  void GiveBackProps(std::vector<Prop> props) { props_ = std::move(props); }

 private:
  static inline const Result kZero{};

  // The index is an open-addressed hash table of positions (plus one; 0 is a free slot),
  // hashed by the IDs the records themselves hold, so that no ID is stored twice. It is kept
  // at most half full, and a search stops at the first free slot.
  std::size_t At(const std::string& id) const {
    const std::size_t found = Find(id);
    if (found == kNone) throw std::out_of_range("no record of the ID " + id);
    return found;
  }
  void Insert(std::size_t position) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = Hash(props_[position].ID) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(position + 1);
  }
  // Room for count records.
  void Rehash(std::size_t count) {
    std::size_t size = 16;
    while (size < 2 * count) size *= 2;
    if (size <= slots_.size()) return;
    slots_.assign(size, 0);
    for (std::size_t k = 0; k < props_.size(); ++k) Insert(k);
  }
  static std::size_t Hash(std::string_view id) { return std::hash<std::string_view>{}(id); }

  std::vector<Prop> props_;
  std::vector<Result> results_;       // empty until a result is reported, then one per record
  std::vector<std::uint32_t> slots_;  // the index: ID -> position + 1
  Result unkept_;
  std::size_t recent_ = 0;  // the position ResultOf found last
};

}  // namespace znFEM::znTarvex
