// The element-stress record: what the member-force calculator needs of one frame member — its
// end coordinates, rigid zones, the positions asked for and its concentrated and distributed
// edge loads.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementProp.h"

namespace znFEM::znTraceYield2DRahmen {

// A point of the plane (x, y).
using Point2 = std::array<double, 2>;

// The ElementStress block fills ID and Positions (one record per statement);
// csElementStressPropMaker completes the rest from the member and its edge loads.
struct ElementStressProp {
  std::string ID;                                                  // the member's ID
  PerEnd<Point2> Coordinates{Point2{0.0, 0.0}, Point2{0.0, 0.0}};  // nodes I and J
  PerEnd<double> Lij{0.0, 0.0};                                    // rigid-zone lengths li, lj
  std::vector<double> Positions;                                   // from node I along the member
  std::vector<EdgeLoadConcentratedProp> ConcentratedLoads;
  std::vector<EdgeLoadDistributedProp> DistributedLoads;
};

// The distance between the member's two nodes, the length its positions are measured along.
double MemberLength(const ElementStressProp& prop);

// Debugging dump, one "(Label   ) : value" line per field; the coordinates of the two ends are
// labelled "Stress.I" and "Stress.J".
std::ostream& operator<<(std::ostream& os, const ElementStressProp& prop);

}  // namespace znFEM::znTraceYield2DRahmen
