#include "fem/makers/MatrixMaker2DRahmen.h"

#include <cmath>

namespace znFEM::znMatrixMaker {

using znMatrix::csMatrix;
using znMatrix::csSymmetryMatrix;
using znMatrix::Vector;

namespace {

// Member rotation R (global = R · member) or its transpose, on the diagonal of a 6×6 matrix.
csMatrix MakeRotation(double angle, bool transposed) {
  const double c = std::cos(angle);
  const double s = transposed ? -std::sin(angle) : std::sin(angle);
  csMatrix t(6, 6, 0.0);
  for (znMatrix::Index k = 0; k < 6; k += 3) {
    t.Set(k, k, c);
    t.Set(k, k + 1, -s);
    t.Set(k + 1, k, s);
    t.Set(k + 1, k + 1, c);
    t.Set(k + 2, k + 2, 1.0);
  }
  return t;
}

csMatrix MakeFaceTransform(double moment_arm) {
  csMatrix t(3, 3, 0.0);
  for (znMatrix::Index k = 0; k < 3; ++k) t.Set(k, k, 1.0);
  t.Set(2, 1, moment_arm);
  return t;
}

// (alpha, beta, gamma) of the spring vector at the "near" end with ratio kn; the far end has a
// spring of ratio kf when far_spring is set. docs/theory.md "Frame member: spring rotation vector".
struct SpringFactors {
  double alpha, beta, gamma;
};
SpringFactors MakeSpringFactors(double phi, double kn, bool far_spring, double kf) {
  if (!far_spring) {
    const double d1 = (4.0 * kn + 1.0) * phi + 2.0 * (kn + 1.0);
    return {2.0 / d1, 2.0 * (phi / 2.0 + 1.0) / d1, (1.0 - phi) / d1};
  }
  const double d2 = (4.0 * kn * kf + kn + kf) * phi + 2.0 * (kn + 1.0) * (kf + 1.0) - 0.5;
  return {(2.0 * kf + 1.0) / d2, ((phi / 2.0 + 1.0) * 4.0 * kf + 3.0) / (2.0 * d2),
          (1.0 - phi) * kf / d2};
}

}  // namespace

// docs/theory.md "Frame member: bending coefficients (a, b, c)".
BendingCoefficients MakeBendingCoefficients(const FrameStiffnessProp& prop) {
  const double phi = ShearParameter(prop);
  const auto [spring_i, spring_j] = EffectiveRotarySpring(prop);
  const double ki = prop.Kij.first;
  const double kj = prop.Kij.second;
  if (!spring_i && !spring_j) {
    const double d = 2.0 * phi + 1.0;
    return {2.0 / d, 1.0 / d, (2.0 + phi) / d};
  }
  if (!spring_i) {
    const double d = 2.0 * (kj + 1.0) + (4.0 * kj + 1.0) * phi;
    return {(4.0 * kj + 1.0) / d, 2.0 * kj / d, 4.0 * kj * (phi / 2.0 + 1.0) / d};
  }
  if (!spring_j) {
    const double d = 2.0 * (ki + 1.0) + (4.0 * ki + 1.0) * phi;
    return {(4.0 * ki + 1.0) / d, (2.0 * ki + 1.0) / d, (4.0 * ki * (phi / 2.0 + 1.0) + 3.0) / d};
  }
  const double kk = 4.0 * ki * kj + ki + kj;
  const double d = 2.0 * (ki + 1.0) * (kj + 1.0) - 0.5 + kk * phi;
  return {kk / d, (2.0 * ki * kj + kj) / d, (4.0 * ki * kj * (phi / 2.0 + 1.0) + 3.0 * kj) / d};
}

// docs/theory.md "Frame member: local stiffness with rigid zones".
csSymmetryMatrix MakeLocalStiffness(const FrameStiffnessProp& prop) {
  const auto [a, b, c] = MakeBendingCoefficients(prop);
  const double l0 = ClearLength(prop);
  const double lj = prop.Lij.second;
  const double p = l0 + prop.Lij.first;
  const double ea = prop.E * prop.A / l0;
  const double s3 = 6.0 * prop.E * prop.I * a / (l0 * l0 * l0);  // 6EI·a/l0³
  const double s2 = 6.0 * prop.E * prop.I * b / (l0 * l0);       // 6EI·b/l0²
  const double s1 = 2.0 * prop.E * prop.I * c / l0;              // 2EI·c/l0

  csSymmetryMatrix k(6, 0.0);
  k.Set(0, 0, ea);  // block I–I
  k.Set(1, 1, s3);
  k.Set(1, 2, s3 * p - s2);
  k.Set(2, 2, s3 * p * p - 2.0 * s2 * p + s1);
  k.Set(0, 3, -ea);  // block I–J
  k.Set(1, 4, -s3);
  k.Set(1, 5, s3 * lj + s2);
  k.Set(2, 4, -s3 * p + s2);
  k.Set(2, 5, s3 * p * lj + s2 * (p - lj) - s1);
  k.Set(3, 3, ea);  // block J–J
  k.Set(4, 4, s3);
  k.Set(4, 5, -s3 * lj - s2);
  k.Set(5, 5, s3 * lj * lj + 2.0 * s2 * lj + s1);

  k.MultiplyAt(0, 0, prop.Kn);
  k.MultiplyAt(0, 3, prop.Kn);
  k.MultiplyAt(3, 3, prop.Kn);
  return k;
}

// K = T·k·Tᵀ, formed over the upper triangle only: the rounded product is not exactly
// symmetric, and the stiffness is symmetric by construction.
// docs/theory.md "Frame member: rotation to global axes".
csSymmetryMatrix csMatrixMaker2DRahmen::MakeStiffness(const FrameStiffnessProp& prop) const {
  const csMatrix k_tt =
      znMatrix::MultiplyMatrix(MakeLocalStiffness(prop), MakeGlobalToLocal(prop.Angle));
  csSymmetryMatrix stiffness(6, 0.0);
  znMatrix::MultiplySymmetric(stiffness, MakeLocalToGlobal(prop.Angle), k_tt, 1.0);
  return stiffness;
}

csMatrix csMatrixMaker2DRahmen::MakeLocalToGlobal(double angle) const {
  return MakeRotation(angle, false);
}

csMatrix csMatrixMaker2DRahmen::MakeGlobalToLocal(double angle) const {
  return MakeRotation(angle, true);
}

// docs/theory.md "Frame member: face transforms".
csMatrix csMatrixMaker2DRahmen::MakeFaceTransformJ(double length) const {
  return MakeFaceTransform(length);
}

csMatrix csMatrixMaker2DRahmen::MakeFaceTransformI(double length) const {
  return MakeFaceTransform(-length);
}

// docs/theory.md "Frame member: spring rotation vector".
Vector csMatrixMaker2DRahmen::MakeSpringFixCaseI(const FrameStiffnessProp& prop) const {
  const auto [spring_i, spring_j] = EffectiveRotarySpring(prop);
  if (!spring_i) return Vector(6, 0.0);
  const double l0 = ClearLength(prop);
  const auto [alpha, beta, gamma] =
      MakeSpringFactors(ShearParameter(prop), prop.Kij.first, spring_j, prop.Kij.second);
  const double shear = 3.0 * alpha / (2.0 * l0);
  return {0.0, shear, shear * prop.Lij.first + beta, 0.0, -shear, shear * prop.Lij.second + gamma};
}

Vector csMatrixMaker2DRahmen::MakeSpringFixCaseJ(const FrameStiffnessProp& prop) const {
  const auto [spring_i, spring_j] = EffectiveRotarySpring(prop);
  if (!spring_j) return Vector(6, 0.0);
  const double l0 = ClearLength(prop);
  const auto [alpha, beta, gamma] =
      MakeSpringFactors(ShearParameter(prop), prop.Kij.second, spring_i, prop.Kij.first);
  const double shear = 3.0 * alpha / (2.0 * l0);
  return {0.0, shear, shear * prop.Lij.first + gamma, 0.0, -shear, shear * prop.Lij.second + beta};
}

csSymmetryMatrix csMatrixMaker2DRahmen::MakeSpringStiffness(const Vector& coef) const {
  csSymmetryMatrix k(6, 0.0);
  for (znMatrix::Index d = 0; d < 3; ++d) {
    k.Set(d, d, coef.at(d));
    k.Set(d + 3, d + 3, coef.at(d));
    k.Set(d, d + 3, -coef.at(d));
  }
  return k;
}

}  // namespace znFEM::znMatrixMaker
