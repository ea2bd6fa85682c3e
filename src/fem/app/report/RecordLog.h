// The input records a logger keeps, by ID and in the order they came, with one result record
// per ID; the node, element and wall element loggers keep theirs in one of these.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace znFEM::znTarvex {

template <class Prop, class Result>
class csRecordLog {
 public:
  // Keeps a copy of the record and a zero result, so that a run that fails before any step
  // still has one to show; returns the copy, for the caller to drop what must not be kept.
  Prop& Add(const Prop& prop) {
    ids_.push_back(prop.ID);
    results_[prop.ID] = Result{};
    return props_[prop.ID] = prop;
  }
  Result& ResultOf(const std::string& id) { return results_[id]; }

  const std::vector<std::string>& GetIDs() const { return ids_; }
  const Prop& PropOf(const std::string& id) const { return props_.at(id); }
  const Result& ResultOf(const std::string& id) const { return results_.at(id); }
  const std::map<std::string, Result>& GetResults() const { return results_; }
  // The records in input order.
  std::vector<Prop> GetPropList() const {
    std::vector<Prop> list;
    for (const std::string& id : ids_) list.push_back(props_.at(id));
    return list;
  }

 private:
  std::vector<std::string> ids_;
  std::map<std::string, Prop> props_;
  std::map<std::string, Result> results_;
};

}  // namespace znFEM::znTarvex
