// The record a frame member fills to have its stiffness and spring vectors made, and the
// quantities derived from it (clear length, shear modulus, shear parameter).
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
// G = E / (2(1 + Poisson)).
double ShearModulus(const FrameStiffnessProp& prop);
// phi = 6·E·I·Kappa / (G·A·l0²); 0 for a member without shear deformation.
double ShearParameter(const FrameStiffnessProp& prop);

// Spring ratios at or above this act as rigid connections. Every formula tends to its no-spring
// form as 1/k, so beyond this ratio the difference is far below double precision, while the
// products of the formulas would overflow for the unbounded value.
inline constexpr double kRigidSpringRatio = 1e20;
// IsRotarySpring with every end whose ratio reaches kRigidSpringRatio taken as rigid.
std::pair<bool, bool> EffectiveRotarySpring(const FrameStiffnessProp& prop);

}  // namespace znFEM::znMatrixMaker
