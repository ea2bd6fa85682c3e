#include "fem/model/ElementStressPropMaker.h"

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

ElementStressProp csElementStressPropMaker::Make(const std::string& id) const {
  ElementStressProp definition;
  definition.ID = id;
  return Make(definition);
}

}  // namespace znFEM::znTraceYield2DRahmen
