#include "fem/makers/MatrixMaker2DRahmen.h"

#include <cmath>

#include "fem/makers/RigidArms.h"

namespace znFEM::znMatrixMaker {

using znMatrix::csMatrix;
using znMatrix::csSymmetryMatrix;
using znMatrix::Vector;

namespace {

// The rotation as a library matrix.
csMatrix MakeRotation(double angle, bool transposed) {
  const znMatrix::Matrix6 r = MakeRotation6(angle, transposed);
  csMatrix t(6, 6, 0.0);
  for (znMatrix::Index i = 0; i < 6; ++i) {
    for (znMatrix::Index j = 0; j < 6; ++j) t.Set(i, j, r[6 * i + j]);
  }
  return t;
}

// The factors of a spring vector at the "near" end with ratio kn, the far end having a spring of
// ratio kf when far_spring is set: the transverse factor and those of the near and far rotation.
// docs/theory.md "Frame member: spring rotation vector".
struct SpringFactors {
  double transverse, near, far;
};
SpringFactors MakeSpringFactors(double phi, double kn, bool far_spring, double kf) {
  if (!far_spring) {
    const double d1 = OneSpringDenominator(phi, kn);
    return {2.0 / d1, 2.0 * (phi / 2.0 + 1.0) / d1, (1.0 - phi) / d1};
  }
  const double d2 = TwoSpringDenominator(phi, kn, kf);
  return {(2.0 * kf + 1.0) / d2, ((phi / 2.0 + 1.0) * 4.0 * kf + 3.0) / (2.0 * d2),
          (1.0 - phi) * kf / d2};
}

// The spring vector over the face displacements: (0, v, near, 0, −v, far) with v =
// 3·transverse/(2l0).
Six FaceSpringRow(const FrameStiffnessProp& prop, double kn, bool far_spring, double kf,
                  bool near_is_i) {
  const auto [transverse, near, far] = MakeSpringFactors(ShearParameter(prop), kn, far_spring, kf);
  const double v = 3.0 * transverse / (2.0 * ClearLength(prop));
  return {0.0, v, near_is_i ? near : far, 0.0, -v, near_is_i ? far : near};
}

}  // namespace

// docs/theory.md "Frame member: rotation to global axes".
znMatrix::Matrix6 MakeRotation6(double angle, bool transposed) {
  const double c = std::cos(angle);
  const double s = transposed ? -std::sin(angle) : std::sin(angle);
  znMatrix::Matrix6 t{};
  for (std::size_t k = 0; k < 6; k += 3) {
    t[6 * k + k] = c;
    t[6 * k + k + 1] = -s;
    t[6 * (k + 1) + k] = s;
    t[6 * (k + 1) + k + 1] = c;
    t[6 * (k + 2) + k + 2] = 1.0;
  }
  return t;
}

// docs/theory.md "Frame member: bending coefficients".
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
    const double d = OneSpringDenominator(phi, kj);
    return {(4.0 * kj + 1.0) / d, 2.0 * kj / d, 4.0 * kj * (phi / 2.0 + 1.0) / d};
  }
  if (!spring_j) {
    const double d = OneSpringDenominator(phi, ki);
    return {(4.0 * ki + 1.0) / d, (2.0 * ki + 1.0) / d, (4.0 * ki * (phi / 2.0 + 1.0) + 3.0) / d};
  }
  const double d = TwoSpringDenominator(phi, ki, kj);
  return {(4.0 * ki * kj + ki + kj) / d, (2.0 * ki * kj + kj) / d,
          (4.0 * ki * kj * (phi / 2.0 + 1.0) + 3.0 * kj) / d};
}

// The flexible part between the faces (transverse stiffness 6EI·ā/l0³, the moments by
// equilibrium about each face), carried to the nodes by the rigid arms; the axial terms carry Kn.
// docs/theory.md "Frame member: local stiffness with rigid zones".
znMatrix::Matrix6 MakeLocalStiffness(const FrameStiffnessProp& prop) {
  const auto [a, b, c] = MakeBendingCoefficients(prop);
  const double l0 = ClearLength(prop);
  const double ea = prop.E * prop.A / l0 * prop.Kn;
  const double s3 = 6.0 * prop.E * prop.I * a / (l0 * l0 * l0);  // 6EI·ā/l0³
  const double s2 = 6.0 * prop.E * prop.I * b / (l0 * l0);       // 6EI·b̄/l0²
  const double s1 = 2.0 * prop.E * prop.I * c / l0;              // 2EI·c̄/l0

  znMatrix::Matrix6 k{};
  const auto set = [&k](std::size_t i, std::size_t j, double value) {
    k[6 * i + j] = value;
    k[6 * j + i] = value;
  };
  set(0, 0, ea);  // block I–I
  set(1, 1, s3);
  set(1, 2, s3 * l0 - s2);
  set(2, 2, s3 * l0 * l0 - 2.0 * s2 * l0 + s1);
  set(0, 3, -ea);  // block I–J
  set(1, 4, -s3);
  set(1, 5, s2);
  set(2, 4, -s3 * l0 + s2);
  set(2, 5, s2 * l0 - s1);
  set(3, 3, ea);  // block J–J
  set(4, 4, s3);
  set(4, 5, -s2);
  set(5, 5, s1);
  return csRigidArms(prop.Lij.first, prop.Lij.second).StiffnessToNodes(k);
}

// K = T·k·Tᵀ, formed over the upper triangle only: the rounded product is not exactly
// symmetric, and the stiffness is symmetric by construction.
// docs/theory.md "Frame member: rotation to global axes".
csSymmetryMatrix csMatrixMaker2DRahmen::MakeStiffness(const FrameStiffnessProp& prop) const {
  const znMatrix::Matrix6 k = MakeLocalStiffness(prop);
  const znMatrix::Matrix6 tt = MakeRotation6(prop.Angle, true);
  znMatrix::Matrix6 k_tt;
  for (std::size_t i = 0; i < 6; ++i) {
    for (std::size_t j = 0; j < 6; ++j) {
      double sum = 0.0;
      for (std::size_t m = 0; m < 6; ++m) sum += k[6 * i + m] * tt[6 * m + j];
      k_tt[6 * i + j] = sum;
    }
  }
  const znMatrix::Matrix6 t = MakeRotation6(prop.Angle, false);
  csSymmetryMatrix stiffness(6, 0.0);
  for (znMatrix::Index i = 0; i < 6; ++i) {
    for (znMatrix::Index j = i; j < 6; ++j) {
      double sum = 0.0;
      for (std::size_t m = 0; m < 6; ++m) sum += t[6 * i + m] * k_tt[6 * m + j];
      stiffness.Set(i, j, sum);
    }
  }
  return stiffness;
}

csMatrix csMatrixMaker2DRahmen::MakeLocalToGlobal(double angle) const {
  return MakeRotation(angle, false);
}

csMatrix csMatrixMaker2DRahmen::MakeGlobalToLocal(double angle) const {
  return MakeRotation(angle, true);
}

// docs/theory.md "Frame member: spring rotation vector".
Six csMatrixMaker2DRahmen::MakeSpringFixCaseI(const FrameStiffnessProp& prop) const {
  const auto [spring_i, spring_j] = EffectiveRotarySpring(prop);
  if (!spring_i) return Six{};
  const csRigidArms arms(prop.Lij.first, prop.Lij.second);
  return arms.RowToNodes(FaceSpringRow(prop, prop.Kij.first, spring_j, prop.Kij.second, true));
}

Six csMatrixMaker2DRahmen::MakeSpringFixCaseJ(const FrameStiffnessProp& prop) const {
  const auto [spring_i, spring_j] = EffectiveRotarySpring(prop);
  if (!spring_j) return Six{};
  const csRigidArms arms(prop.Lij.first, prop.Lij.second);
  return arms.RowToNodes(FaceSpringRow(prop, prop.Kij.second, spring_i, prop.Kij.first, false));
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
