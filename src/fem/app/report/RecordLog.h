// The input records a logger keeps, in the order they came, with one result record per ID;
// the node, element and wall element loggers keep theirs in one of these.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace znFEM::znTarvex {

template <class Prop, class Result>
class csRecordLog {
 public:
  // Keeps a copy of the record and a zero result, so that a run that fails before any step
  // still has one to show; returns the copy, for the caller to drop what must not be kept.
  // A record of an ID kept already replaces it in its place (the managers refuse a repeated
  // ID before the record reaches the logger).
  Prop& Add(const Prop& prop) {
    const auto [found, added] = index_.try_emplace(prop.ID, props_.size());
    if (added) {
      props_.push_back(prop);
      results_.emplace_back();
    } else {
      props_[found->second] = prop;
      results_[found->second] = Result{};
    }
    return props_[found->second];
  }
  void Reserve(std::size_t count) {
    props_.reserve(props_.size() + count);
    results_.reserve(results_.size() + count);
    index_.reserve(index_.size() + count);
  }
  // The result of a record never kept goes nowhere.
  Result& ResultOf(const std::string& id) {
    const auto found = index_.find(id);
    if (found == index_.end()) {
      unkept_ = Result{};
      return unkept_;
    }
    return results_[found->second];
  }

  std::size_t Size() const { return props_.size(); }
  // std::out_of_range for an ID never kept.
  const Prop& PropOf(const std::string& id) const { return props_[index_.at(id)]; }
  const Result& ResultOf(const std::string& id) const { return results_[index_.at(id)]; }
  // The records in input order, and their results in the same order.
  const std::vector<Prop>& GetProps() const { return props_; }
  const std::vector<Result>& GetResults() const { return results_; }
  // Calls f(id, result) for every record in input order.
  template <class F>
  void ForEachResult(F f) const {
    for (std::size_t k = 0; k < props_.size(); ++k) f(props_[k].ID, results_[k]);
  }
  // Lends the records to a reader that needs them as its own (the drawing) without a copy;
  // until they are given back, only the results and the index (which holds its own IDs) stay.
  std::vector<Prop> LendProps() { return std::move(props_); }
  void GiveBackProps(std::vector<Prop> props) { props_ = std::move(props); }

 private:
  std::vector<Prop> props_;
  std::vector<Result> results_;
  std::unordered_map<std::string, std::uint32_t> index_;  // ID -> position
  Result unkept_;
};

}  // namespace znFEM::znTarvex
