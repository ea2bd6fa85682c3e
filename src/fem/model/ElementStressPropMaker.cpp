#include "fem/model/ElementStressPropMaker.h"

#include <cmath>

namespace znFEM::znTraceYield2DRahmen {

csElementStressPropMaker::csElementStressPropMaker(
    const std::vector<NodeProp>& nodes, const std::vector<ElementProp>& elements,
    const std::vector<EdgeLoadConcentratedProp>& concentrated,
    const std::vector<EdgeLoadDistributedProp>& distributed) {
  for (const NodeProp& node : nodes) coordinates_.emplace(node.ID, node.Coordinate);
  for (const ElementProp& element : elements) {
    members_.emplace(element.ID, Member{element.NodeID, element.Lij});
  }
  for (const EdgeLoadConcentratedProp& load : concentrated) concentrated_[load.ID].push_back(load);
  for (const EdgeLoadDistributedProp& load : distributed) distributed_[load.ID].push_back(load);
}

ElementStressProp csElementStressPropMaker::Make(const ElementStressProp& definition) const {
  const auto member = members_.find(definition.ID);
  if (member == members_.end()) throw exSpecifiedElementIsnotExist{definition.ID};
  ElementStressProp prop;
  prop.ID = definition.ID;
  for (int end = 0; end < 2; ++end) {
    const auto node = coordinates_.find(member->second.NodeID[end]);
    if (node == coordinates_.end()) {
      throw exSpecifiedNodeIsnotExist{definition.ID, member->second.NodeID[end]};
    }
    prop.Coordinates[end] = node->second;
  }
  prop.Lij = member->second.Lij;
  prop.Positions = definition.Positions;
  if (const auto loads = concentrated_.find(prop.ID); loads != concentrated_.end()) {
    prop.ConcentratedLoads = loads->second;
  }
  if (const auto loads = distributed_.find(prop.ID); loads != distributed_.end()) {
    prop.DistributedLoads = loads->second;
  }
  return prop;
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
