// Stiffness maker of a two-node plane frame member (Timoshenko beam between rigid end zones,
// optional rotational end springs): stiffness, rotations, spring vectors.
#pragma once

#include "fem/makers/FrameStiffnessProp.h"
#include "fem/makers/SegmentForces.h"
#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znMatrixMaker {

// Every operation is a pure function of its arguments. 6-vectors and 6×6 matrices are ordered
// (x_i, y_i, θ_i, x_j, y_j, θ_j); in member axes (N, Q, M) of I, then of J.
class ifMatrixMaker2DRahmen {
 public:
  virtual ~ifMatrixMaker2DRahmen() = default;
  // 6×6 stiffness in global axes.
  virtual znMatrix::csSymmetryMatrix MakeStiffness(const FrameStiffnessProp& prop) const = 0;
  // T: a global vector is T times the member-axis vector.
  virtual znMatrix::csMatrix MakeLocalToGlobal(double angle) const = 0;
  // Tᵀ: a member-axis vector is Tᵀ times the global vector.
  virtual znMatrix::csMatrix MakeGlobalToLocal(double angle) const = 0;
  // Row that turns the member-axis end displacements into the rotation taken by the I (resp.
  // J) end spring, node side minus flexible side; zeros when that end has no spring.
  virtual Six MakeSpringFixCaseI(const FrameStiffnessProp& prop) const = 0;
  virtual Six MakeSpringFixCaseJ(const FrameStiffnessProp& prop) const = 0;
  // 6×6 stiffness of a two-node spring from (kx, ky, km).
  virtual znMatrix::csSymmetryMatrix MakeSpringStiffness(const znMatrix::Vector& coef) const = 0;
};

class csMatrixMaker2DRahmen : public ifMatrixMaker2DRahmen {
 public:
  znMatrix::csSymmetryMatrix MakeStiffness(const FrameStiffnessProp& prop) const override;
  znMatrix::csMatrix MakeLocalToGlobal(double angle) const override;
  znMatrix::csMatrix MakeGlobalToLocal(double angle) const override;
  Six MakeSpringFixCaseI(const FrameStiffnessProp& prop) const override;
  Six MakeSpringFixCaseJ(const FrameStiffnessProp& prop) const override;
  znMatrix::csSymmetryMatrix MakeSpringStiffness(const znMatrix::Vector& coef) const override;
};

// The member rotation R on the diagonal of a 6×6 block, row after row: global = T·member, and
// with transposed set Tᵀ (member = Tᵀ·global).
znMatrix::Matrix6 MakeRotation6(double angle, bool transposed);

// The three coefficients ā, b̄, c̄ of the local bending stiffness; they carry the shear
// deformation and the end springs (2, 1, 2 for the Euler–Bernoulli member without springs).
struct BendingCoefficients {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};
BendingCoefficients MakeBendingCoefficients(const FrameStiffnessProp& prop);

// The 6×6 stiffness in member axes, Kn applied, before the rotation to global axes.
znMatrix::Matrix6 MakeLocalStiffness(const FrameStiffnessProp& prop);

}  // namespace znFEM::znMatrixMaker
