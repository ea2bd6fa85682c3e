#include "fem/model/ElementStressPropMaker.h"

#include <cmath>
#include <utility>

namespace znFEM::znTraceYield2DRahmen {

namespace {

template <class Record>
std::unordered_map<std::string_view, std::uint32_t> MapByID(const std::vector<Record>& records) {
  std::unordered_map<std::string_view, std::uint32_t> index;
  index.reserve(records.size());
  for (std::size_t k = 0; k < records.size(); ++k) {
    index.emplace(records[k].ID, static_cast<std::uint32_t>(k));
  }
  return index;
}

}  // namespace

template <class Record>
csElementStressPropMaker::IndexByID<Record>::IndexByID(const std::vector<Record>& records)
    : records_(records), index_(MapByID(records)), repeated_(records.size(), false) {
  for (std::size_t k = 0; k < records.size(); ++k) {
    repeated_[k] = index_.find(records[k].ID)->second != k;
  }
}

// Records are mostly named in input order: the record after the one found last, or that one
// again, is usually the one asked for, and is checked before hashing.
template <class Record>
std::size_t csElementStressPropMaker::IndexByID<Record>::Find(std::string_view id,
                                                              std::size_t& last) const {
  for (const std::size_t guess : {last + 1, last}) {
    if (guess < records_.size() && !repeated_[guess] && records_[guess].ID == id) {
      return last = guess;
    }
  }
  const auto found = index_.find(id);
  if (found == index_.end()) return records_.size();
  return last = found->second;
}

csElementStressPropMaker::csElementStressPropMaker(
    const std::vector<NodeProp>& nodes, const std::vector<ElementProp>& elements,
    const std::vector<EdgeLoadConcentratedProp>& concentrated,
    const std::vector<EdgeLoadDistributedProp>& distributed)
    : nodes_(nodes),
      elements_(elements),
      elementIndex_(elements),
      memberNodes_(MemberNodes()),
      concentrated_(Group(concentrated)),
      distributed_(Group(distributed)) {}

csElementStressPropMaker::csElementStressPropMaker(
    std::vector<NodeProp>&& nodes, std::vector<ElementProp>&& elements,
    const std::vector<EdgeLoadConcentratedProp>& concentrated,
    const std::vector<EdgeLoadDistributedProp>& distributed)
    : ownNodes_(std::move(nodes)),
      ownElements_(std::move(elements)),
      nodes_(ownNodes_),
      elements_(ownElements_),
      elementIndex_(elements_),
      memberNodes_(MemberNodes()),
      concentrated_(Group(concentrated)),
      distributed_(Group(distributed)) {}

std::vector<PerEnd<std::uint32_t>> csElementStressPropMaker::MemberNodes() const {
  const IndexByID<NodeProp> index(nodes_);
  std::size_t last = SIZE_MAX;
  std::vector<PerEnd<std::uint32_t>> ends(elements_.size(), {kNoNode, kNoNode});
  for (std::size_t m = 0; m < elements_.size(); ++m) {
    for (int end = 0; end < 2; ++end) {
      const std::size_t node = index.Find(elements_[m].NodeID[end], last);
      if (node < nodes_.size()) ends[m][end] = static_cast<std::uint32_t>(node);
    }
  }
  return ends;
}

// A counting sort by member index keeps each member's loads in input order; loads of unknown
// members are left out.
template <class Load>
csElementStressPropMaker::LoadsByMember<Load> csElementStressPropMaker::Group(
    const std::vector<Load>& loads) const {
  LoadsByMember<Load> group;
  if (loads.empty()) return group;
  std::vector<std::uint32_t> member(loads.size(), 0);
  group.First.assign(elements_.size() + 1, 0);
  std::size_t known = 0;
  std::size_t last = SIZE_MAX;
  for (std::size_t k = 0; k < loads.size(); ++k) {
    member[k] = static_cast<std::uint32_t>(elementIndex_.Find(loads[k].ID, last));
    if (member[k] < elements_.size()) {
      ++group.First[member[k] + 1];
      ++known;
    }
  }
  for (std::size_t m = 0; m < elements_.size(); ++m) group.First[m + 1] += group.First[m];
  std::vector<std::uint32_t> next(group.First.begin(), group.First.end() - 1);
  std::vector<const Load*> placed(known, nullptr);
  for (std::size_t k = 0; k < loads.size(); ++k) {
    if (member[k] < elements_.size()) placed[next[member[k]]++] = &loads[k];
  }
  group.Loads.reserve(known);
  for (const Load* load : placed) group.Loads.push_back(*load);
  return group;
}

template <class Load>
void csElementStressPropMaker::LoadsOf(const LoadsByMember<Load>& group, std::size_t member,
                                       std::vector<Load>& loads) {
  if (group.First.empty()) {
    loads.clear();
    return;
  }
  loads.assign(group.Loads.begin() + group.First[member],
               group.Loads.begin() + group.First[member + 1]);
}

ElementStressProp csElementStressPropMaker::Make(const ElementStressProp& definition) const {
  std::size_t last = SIZE_MAX;
  const std::size_t member = elementIndex_.Find(definition.ID, last);
  if (member == elements_.size()) throw exSpecifiedElementIsnotExist{definition.ID};
  return MakeAt(member, definition.Positions);
}

ElementStressProp csElementStressPropMaker::MakeAt(std::size_t member,
                                                   const std::vector<double>& positions) const {
  ElementStressProp prop;
  MakeAt(member, positions, prop);
  return prop;
}

void csElementStressPropMaker::MakeAt(std::size_t member, const std::vector<double>& positions,
                                      ElementStressProp& prop) const {
  const ElementProp& element = elements_[member];
  prop.ID = element.ID;
  for (int end = 0; end < 2; ++end) {
    const std::uint32_t node = memberNodes_[member][end];
    if (node == kNoNode) throw exSpecifiedNodeIsnotExist{element.ID, element.NodeID[end]};
    prop.Coordinates[end] = nodes_[node].Coordinate;
  }
  prop.Lij = element.Lij;
  prop.Positions = positions;
  LoadsOf(concentrated_, member, prop.ConcentratedLoads);
  LoadsOf(distributed_, member, prop.DistributedLoads);
}

// Positions typed for the end of an inclined member are rounded: one within this fraction of the
// length from an end is that end. docs/theory.md "Positions along a member".
constexpr double kEndTolerance = 1e-9;

ElementStressProp csElementStressPropMaker::Check(const ElementStressProp& definition) const {
  ElementStressProp checked = definition;
  const double length = MemberLength(Make(definition));
  const double tolerance = kEndTolerance * length;
  for (std::size_t k = 0; k < checked.Positions.size(); ++k) {
    double& x = checked.Positions[k];
    if (std::fabs(x) <= tolerance) {
      x = 0.0;
    } else if (std::fabs(x - length) <= tolerance) {
      x = length;
    } else if (!(x >= 0.0 && x <= length)) {
      throw exSpecifiedPositionIsOutOfLength{definition.ID, static_cast<std::uint32_t>(k), x,
                                             length};
    }
  }
  return checked;
}

ElementStressProp csElementStressPropMaker::Make(const std::string& id) const {
  ElementStressProp definition;
  definition.ID = id;
  return Make(definition);
}

}  // namespace znFEM::znTraceYield2DRahmen
