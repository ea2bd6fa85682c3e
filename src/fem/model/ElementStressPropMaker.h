// Builds the element-stress record of a frame member from the model's records: the member's
// node coordinates and rigid zones, the positions asked for, and its edge loads.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementProp.h"
#include "fem/model/ElementStressProp.h"
#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

class csElementStressPropMaker {
 public:
  struct exSpecifiedElementIsnotExist {
    std::string ID;
  };
  // The member exists but one of its node IDs names no node record.
  struct exSpecifiedNodeIsnotExist {
    std::string ID;      // the member
    std::string NodeID;  // the missing node
  };

  // A position outside the member: negative or beyond the distance between its nodes.
  struct exSpecifiedPositionIsOutOfLength {
    std::string ID;
    std::uint32_t PositionIndex;  // in the definition's list, from 0
    double Position;
    double Length;
  };

  // Coordinates are taken from the node records by the members' node IDs (the node pointers of
  // the member records may no longer be valid when the results are written). Every edge load
  // record of a member is taken, whatever its load case. Nothing is referenced after
  // construction.
  csElementStressPropMaker(const std::vector<NodeProp>& nodes,
                           const std::vector<ElementProp>& elements,
                           const std::vector<EdgeLoadConcentratedProp>& concentrated,
                           const std::vector<EdgeLoadDistributedProp>& distributed);

  // definition: ID and Positions, as read from the ElementStress block.
  ElementStressProp Make(const ElementStressProp& definition) const;
  // definition with each position checked against its member's length, a position within
  // 1e-9 of the length from an end being taken as that end; throws for an unknown member or a
  // position outside it (the first in list order).
  ElementStressProp Check(const ElementStressProp& definition) const;
  // The record of a member without requested positions.
  ElementStressProp Make(const std::string& id) const;

 private:
  struct Member {
    PerEnd<std::string> NodeID;
    PerEnd<double> Lij{0.0, 0.0};
  };

  std::map<std::string, Point2> coordinates_;
  std::map<std::string, Member> members_;
  std::map<std::string, std::vector<EdgeLoadConcentratedProp>> concentrated_;
  std::map<std::string, std::vector<EdgeLoadDistributedProp>> distributed_;
};

}  // namespace znFEM::znTraceYield2DRahmen
