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

// Values of one kind of force along a member: per position the value just on its I side and
// just on its J side.
struct ForceDistribution {
  std::vector<double> Positions;
  std::vector<std::array<double, 2>> Values;
};

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
std::vector<double> DiagramPositions(
    const znFEM::znTraceYield2DRahmen::StressExtremes& extremes,
    const znFEM::znTraceYield2DRahmen::csElementStressProfile& profile, int distsep);

// Component c (0 axial, 1 shear, 2 moment) of the forces at the positions.
ForceDistribution Distribution(const std::vector<double>& positions,
                               const std::vector<znFEM::znTraceYield2DRahmen::StressPair>& forces,
                               std::size_t component);

// The polyline of the diagram: from the axis at the first position, through (x, I-side value ×
// ratio) and, where the J side differs, (x, J-side value × ratio) at every position, back to the
// axis at the last position. Repeated points are left out.
std::vector<Point2> DiagramPolyline(const ForceDistribution& distribution, double ratio);

// The values written beside the diagram of component c: at each evaluation point the I-side
// value and, where it differs, the J-side value, and the largest and smallest value where they
// lie between the points. Values negligible against the largest one (all of them when that is
// zero) and values repeating the one before, as along a flat stretch, are left out.
std::vector<DiagramValue> DiagramValues(const znFEM::znTraceYield2DRahmen::StressExtremes& extremes,
                                        std::size_t component);

}  // namespace znDraw
