// The record a frame member fills to have its stiffness and spring vectors made, and the
// quantities derived from it (clear length, shear modulus, shear parameter, the denominators
// of the end springs) that the stiffness, the fixed-end forces and the walls share.
#pragma once

#include <iosfwd>
#include <utility>

namespace znFEM::znMatrixMaker {

struct FrameStiffnessProp {
  std::pair<bool, bool> IsRotarySpring{false, false};  // rotational spring or hinge at I, J
  double A = 0.0;                                      // cross-section area
  double E = 0.0;                                      // Young's modulus
  double I = 0.0;                                      // second moment of area
  double Poisson = 0.0;                                // Poisson's ratio
  double Kappa = 0.0;                                  // shear shape factor
  double L = 0.0;                                      // node-to-node length
  std::pair<double, double> Lij{0.0, 0.0};             // rigid-zone lengths li, lj
  std::pair<double, double> Kij{0.0, 0.0};             // spring ratios K·l0/(4EI); 0 is a hinge
  double Kn = 1.0;                                     // factor on the axial stiffness
  double Angle = 0.0;  // radians from global x to the direction I->J, counter-clockwise
};

// Debugging dump, one "(Label         ) : value" line per field in field order.
std::ostream& operator<<(std::ostream& out, const FrameStiffnessProp& prop);

// l0 = L - (li + lj): the length of the flexible part between the two faces.
double ClearLength(const FrameStiffnessProp& prop);
// G = E / (2(1 + ν)).
double ShearModulus(double e, double poisson);
// φ(l) = 6·E·I·κ / (G·A·l²) of a part of length l; exactly 0 when κ is 0.
double ShearParameter(double e, double i, double a, double poisson, double kappa, double length);
// φ of the flexible part, φ(l0).
double ShearParameter(const FrameStiffnessProp& prop);
// D1 = (4k + 1)φ + 2(k + 1): a spring of ratio k at one end only.
double OneSpringDenominator(double phi, double k);
// D2 = (4·ki·kj + ki + kj)φ + 2(ki + 1)(kj + 1) − 0.5: springs at both ends.
double TwoSpringDenominator(double phi, double ki, double kj);

// Spring ratios at or above this act as rigid connections. Every formula tends to its no-spring
// form as 1/k, so beyond this ratio the difference is far below double precision, while the
// products of the formulas would overflow for the unbounded value.
inline constexpr double kRigidSpringRatio = 1e20;
// IsRotarySpring with every end whose ratio reaches kRigidSpringRatio taken as rigid.
std::pair<bool, bool> EffectiveRotarySpring(const FrameStiffnessProp& prop);

}  // namespace znFEM::znMatrixMaker
