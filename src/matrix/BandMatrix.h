// Symmetric band matrix storing the upper half band; holds and solves the global stiffness.
#pragma once

#include "matrix/Matrix.h"

namespace znMatrix {

class csBandMatrix : public ifMatrix {
 public:
  struct exItIsnotBandMatrix : exMatrixException {};
  struct exBandNIsLargerThanThis : exMatrixException {};
  struct exOutOfBandRange : exMatrixException {};
  struct exPartialMatrixCrossDiagonal : exMatrixException {};
  struct exDiagonalElementIsZero : exMatrixException {
    Index row;
  };
  struct exTwoRowsAreSameVector : exMatrixException {};
  struct exLeftVectorIsnotEqualToMatrixInSize : exMatrixException {};
  struct exRightVectorIsnotEqualToMatrixInSize : exMatrixException {};

  csBandMatrix(Index n, Index w, double init = 0.0);
  explicit csBandMatrix(const ifMatrix& m);
  // The reduced matrix of the selected rows and columns: i is selected when
  // mask[i] != invert.
  csBandMatrix(const ifMatrix& m, const std::vector<bool>& mask, bool invert);
  csBandMatrix(const csBandMatrix&) = default;

  static Index GetBandWidthOf(const ifMatrix& m);
  Index GetBandN() const;

  void Fill(double value) override;
  Index GetRowN() const override;
  Index GetColN() const override;
  double Get(Index i, Index j) const override;
  void Set(Index i, Index j, double value) override;
  void Assign(const ifMatrix& m) override;
  void AddPartial(Index row0, Index col0, const ifMatrix& m, double factor) override;
  void AddMatrix(const ifMatrix& m, double factor) override;
  void Multiply(double factor) override;
  void Transpose() override;
  void Solve(Vector& x, const Vector& b) const override;

 private:
  Index n_;
  Index w_;
  std::vector<double> band_;  // row-major n_ × w_; (i, i+k) at i*w_ + k
};

}  // namespace znMatrix
