// The force diagram of one member and one kind of force: where it is evaluated, the polyline
// drawn through it and the values written beside it, all in member axes (x along the member
// from node I, y turned counter-clockwise from x).
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "fem/model/ElementStress.h"

namespace znDraw {

using Point2 = std::array<double, 2>;

// A value to be written beside the diagram.
struct DiagramValue {
  double Position;
  double Value;
};

// Where a member's diagrams are evaluated: every evaluation point of the extremes search (the
// faces, every load point between them, the requested positions between them), the extremes
// found between those points, and, between two neighbouring points under a distributed load,
// distsep equal divisions. Between load points without a distributed load the forces are linear,
// so the drawn diagram is exact there and at every load point.
// They are written to positions, whose capacity is kept.
void DiagramPositions(const znFEM::znTraceYield2DRahmen::StressExtremes& extremes,
                      const znFEM::znTraceYield2DRahmen::csElementStressProfile& profile,
                      int distsep, std::vector<double>& positions);

// The polyline of the diagram of component c (0 axial, 1 shear, 2 moment) of the forces at
// the positions: from the axis at the first position, through (x, I-side value × ratio) and,
// where the J side differs, (x, J-side value × ratio) at every position, back to the axis at
// the last position. Repeated points are left out. Each point goes to visit in order, so no
// list of points is made.
template <class Visit>
void DiagramPolyline(const std::vector<double>& positions,
                     const std::vector<znFEM::znTraceYield2DRahmen::StressPair>& forces,
                     std::size_t component, double ratio, Visit&& visit) {
  if (positions.empty()) return;
  Point2 last{};
  bool any = false;
  const auto add = [&](double x, double y) {
    if (any && last == Point2{x, y}) return;
    last = {x, y};
    any = true;
    visit(last);
  };
  add(positions.front(), 0.0);
  for (std::size_t k = 0; k < positions.size(); ++k) {
    const double left = forces[k][0][component];
    const double right = forces[k][1][component];
    add(positions[k], left * ratio);
    if (right != left) add(positions[k], right * ratio);
  }
  add(positions.back(), 0.0);
}

// The values written beside the diagram of component c: at each evaluation point the I-side
// value and, where it differs, the J-side value, and the largest and smallest value where they
// lie between the points. Values negligible against the largest one (all of them when that is
// zero) and values repeating the one before, as along a flat stretch, are left out. They are
// written to values, whose capacity is kept.
void DiagramValues(const znFEM::znTraceYield2DRahmen::StressExtremes& extremes,
                   std::size_t component, std::vector<DiagramValue>& values);

}  // namespace znDraw
