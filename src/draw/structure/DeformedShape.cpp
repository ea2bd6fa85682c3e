// Deformed shape of a member; docs/theory.md "Deformed shape".
#include "draw/structure/DeformedShape.h"

#include <algorithm>
#include <cmath>

namespace znDraw {

namespace model = znFEM::znTraceYield2DRahmen;

std::vector<double> ShapePositions(const model::csElementStressProfile& profile, double x0,
                                   double x1, int divisions) {
  std::vector<double> positions{x0, x1};
  for (double x : profile.LoadPoints()) {
    if (x > x0 && x < x1) positions.push_back(x);
  }
  const int n = std::max(divisions, 1);
  for (int k = 1; k < n; ++k) positions.push_back(x0 + (x1 - x0) * k / n);
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  return positions;
}

// Over each step [a, b] the moment and shear are smooth: the slope change is Simpson's rule on
// M/EI, the deflection change the slope at a times the step plus ∫(b − s)·M/EI ds by Simpson's
// rule (exact for moments up to quadratic), and the shear slip Simpson's rule on κV/GA.
std::vector<double> Deflections(const model::csElementStressProfile& profile,
                                const MemberSection& section, const std::vector<double>& positions,
                                double v0, double v1) {
  std::vector<double> w(positions.size(), 0.0);
  if (positions.size() < 2) return w;
  const double ei = section.E * section.I;
  const double bendingFlexibility = ei > 0.0 ? 1.0 / ei : 0.0;
  const double g = section.E / (2.0 * (1.0 + section.Poisson));
  const bool shear = section.Kappa > 0.0 && section.A > 0.0 && g > 0.0 && std::isfinite(g);
  const double shearFlexibility = shear ? section.Kappa / (g * section.A) : 0.0;
  double slope = 0.0;
  for (std::size_t k = 1; k < positions.size(); ++k) {
    const double a = positions[k - 1];
    const double b = positions[k];
    const double h = b - a;
    const model::Triple start = profile.At(a)[1];
    const model::Triple middle = profile.At((a + b) / 2.0)[0];
    const model::Triple end = profile.At(b)[0];
    const double bending =
        h * slope + h * h / 6.0 * (start[2] + 2.0 * middle[2]) * bendingFlexibility;
    const double slip = h / 6.0 * (start[1] + 4.0 * middle[1] + end[1]) * shearFlexibility;
    w[k] = w[k - 1] + bending - slip;
    slope += h / 6.0 * (start[2] + 4.0 * middle[2] + end[2]) * bendingFlexibility;
  }
  const double span = positions.back() - positions.front();
  const double chord = (v1 - v0 - w.back()) / span;
  for (std::size_t k = 0; k < positions.size(); ++k) {
    w[k] += v0 + chord * (positions[k] - positions.front());
  }
  return w;
}

}  // namespace znDraw
