#include "fem/makers/FrameStiffnessProp.h"

#include <ostream>

namespace znFEM::znMatrixMaker {

std::ostream& operator<<(std::ostream& out, const FrameStiffnessProp& prop) {
  const auto flag = [](bool value) { return value ? "true" : "false"; };
  out << "(IsRotarySpring) : " << flag(prop.IsRotarySpring.first) << ", "
      << flag(prop.IsRotarySpring.second) << '\n';
  out << "(A             ) : " << prop.A << '\n';
  out << "(E             ) : " << prop.E << '\n';
  out << "(I             ) : " << prop.I << '\n';
  out << "(Poisson       ) : " << prop.Poisson << '\n';
  out << "(Kappa         ) : " << prop.Kappa << '\n';
  out << "(L             ) : " << prop.L << '\n';
  out << "(Lij           ) : " << prop.Lij.first << ", " << prop.Lij.second << '\n';
  out << "(Kij           ) : " << prop.Kij.first << ", " << prop.Kij.second << '\n';
  out << "(Kn            ) : " << prop.Kn << '\n';
  out << "(Angle         ) : " << prop.Angle << '\n';
  return out;
}

double ClearLength(const FrameStiffnessProp& prop) {
  return prop.L - (prop.Lij.first + prop.Lij.second);
}

// docs/theory.md "Notation".
double ShearModulus(double e, double poisson) {
  return e / (2.0 * (1.0 + poisson));
}

double ShearParameter(double e, double i, double a, double poisson, double kappa, double length) {
  if (kappa == 0.0) return 0.0;
  return 6.0 * e * i * kappa / (ShearModulus(e, poisson) * a * length * length);
}

double ShearParameter(const FrameStiffnessProp& prop) {
  return ShearParameter(prop.E, prop.I, prop.A, prop.Poisson, prop.Kappa, ClearLength(prop));
}

// docs/theory.md "Frame member: bending coefficients".
double OneSpringDenominator(double phi, double k) {
  return (4.0 * k + 1.0) * phi + 2.0 * (k + 1.0);
}

double TwoSpringDenominator(double phi, double ki, double kj) {
  return (4.0 * ki * kj + ki + kj) * phi + 2.0 * (ki + 1.0) * (kj + 1.0) - 0.5;
}

std::pair<bool, bool> EffectiveRotarySpring(const FrameStiffnessProp& prop) {
  return {prop.IsRotarySpring.first && !(prop.Kij.first >= kRigidSpringRatio),
          prop.IsRotarySpring.second && !(prop.Kij.second >= kRigidSpringRatio)};
}

}  // namespace znFEM::znMatrixMaker
