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

double ShearModulus(const FrameStiffnessProp& prop) {
  return prop.E / (2.0 * (1.0 + prop.Poisson));
}

// docs/theory.md "Frame member: common quantities".
double ShearParameter(const FrameStiffnessProp& prop) {
  const double l0 = ClearLength(prop);
  return 6.0 * prop.E * prop.I * prop.Kappa / (ShearModulus(prop) * prop.A * l0 * l0);
}

std::pair<bool, bool> EffectiveRotarySpring(const FrameStiffnessProp& prop) {
  return {prop.IsRotarySpring.first && !(prop.Kij.first >= kRigidSpringRatio),
          prop.IsRotarySpring.second && !(prop.Kij.second >= kRigidSpringRatio)};
}

}  // namespace znFEM::znMatrixMaker
