// The deformed shape of a frame member for the Displacement panel: the deflection of its
// flexible part, in member axes, from the translations of its two faces and the bending and
// shear along it.
#pragma once

#include <vector>

#include "fem/model/ElementStressProfile.h"

namespace znDraw {

// The section of the flexible part; a zero Kappa leaves out shear deformation.
struct MemberSection {
  double E = 0.0;
  double I = 0.0;
  double A = 0.0;
  double Kappa = 0.0;
  double Poisson = 0.0;
};

// Where the shape is evaluated between the faces x0 < x1: both faces, every load point between
// them and the division points of divisions equal parts, in increasing order.
std::vector<double> ShapePositions(
    const znFEM::znTraceYield2DRahmen::csElementStressProfile& profile, double x0, double x1,
    int divisions);

// The transverse deflection at each position (from ShapePositions) given the deflections v0
// at x0 and v1 at x1: twice the integral of the curvature M/EI, less the integral of the shear
// strain κV/GA, plus the chord that meets both face deflections.
std::vector<double> Deflections(const znFEM::znTraceYield2DRahmen::csElementStressProfile& profile,
                                const MemberSection& section, const std::vector<double>& positions,
                                double v0, double v1);

}  // namespace znDraw
