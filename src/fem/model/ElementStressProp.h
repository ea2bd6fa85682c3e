// The element-stress record: the positions along one frame member at which its member forces
// are wanted, with the member's geometry and edge loads that their evaluation needs.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "fem/model/EdgeLoadFixCase.h"

namespace znFEM::znTraceYield2DRahmen {

// The input fills ID and Positions (one ElementStress statement); the member's coordinates,
// end zones and edge loads are added from its records before any force is evaluated.
struct ElementStressProp {
  using Coordinate = std::array<double, 2>;  // (x, y)

  std::string ID;                                   // the member (key id)
  std::pair<Coordinate, Coordinate> Coordinates{};  // of nodes I and J
  std::pair<double, double> Lij{0.0, 0.0};          // rigid-zone lengths li, lj
  std::vector<double> Positions;                    // pos0, pos1, ... measured from node I
  std::vector<EdgeLoadConcentratedProp> ConcentratedLoads;
  std::vector<EdgeLoadDistributedProp> DistributedLoads;
};

}  // namespace znFEM::znTraceYield2DRahmen
