// Symmetric band matrix storing the upper half band; holds and solves the global stiffness.
#pragma once

#include <cmath>

#include "matrix/Matrix.h"

namespace znMatrix {

// Which elements the checks of the band solver count as zero. Element (i, j) is zero when
// |a(i, j)| <= tolerance·scale[i]·scale[j]; without scales when |a(i, j)| <= tolerance. The
// default is the absolute test of IsZero. docs/theory.md "Band solver: relative zero tests".
struct ZeroTest {
  double tolerance = kZeroTolerance;
  Vector scale;  // one per row, or empty

  bool IsZero(Index i, Index j, double value) const {
    return std::fabs(value) <= (scale.empty() ? tolerance : tolerance * scale[i] * scale[j]);
  }
};

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
  // Solve without a working copy: the band is overwritten by its factor, also when the solve
  // fails part way. Zero diagonals, zero pivots and proportional rows are judged by `zero`.
  void SolveInPlace(Vector& x, Vector b, const ZeroTest& zero = {});

  // this·x read from the stored band only, O(n·w); x must have n entries.
  Vector MultiplyVector(const Vector& x) const;
  // Row i of the result is the sum of |a(i, j)·x(j)|: the size of the terms of this·x.
  Vector MultiplyVectorMagnitude(const Vector& x) const;
  // Flags the rows whose every element is zero by `zero`, read from the stored band only
  // (O(n·w)).
  std::vector<bool> ZeroRows(const ZeroTest& zero) const;

 private:
  // Element (i, j) of the band, no range check; callers keep |i - j| < w_.
  double& At(Index i, Index j) { return band_[Offset(i, j)]; }
  double At(Index i, Index j) const { return band_[Offset(i, j)]; }
  std::size_t Offset(Index i, Index j) const {
    return i <= j ? std::size_t{i} * w_ + (j - i) : std::size_t{j} * w_ + (i - j);
  }
  bool InBand(Index i, Index j) const { return (i <= j ? j - i : i - j) < w_; }
  // Element (i, j) of a source; a band source is read from its storage without checks.
  static double ReadSource(const ifMatrix& m, const csBandMatrix* band, Index i, Index j) {
    return band == nullptr ? m.Get(i, j) : band->InBand(i, j) ? band->At(i, j) : 0.0;
  }
  Index CheckBandOf(const ifMatrix& m) const;
  // Row i of the result is the sum over the band of term(a(i, j), x(j)).
  template <class Term>
  Vector RowSums(const Vector& x, Term term) const;
  bool HasTwoProportionalRows(const ZeroTest& zero) const;
  bool RowsAreProportional(Index p, Index q, const ZeroTest& zero) const;
  // Elimination and back substitution; the checks before it have passed.
  // work holds the right-hand side and is used up.
  void Eliminate(Vector& x, Vector work, const ZeroTest& zero);

  Index n_;
  Index w_;
  std::vector<double> band_;  // row-major n_ × w_; (i, i+k) at i*w_ + k
};

}  // namespace znMatrix
