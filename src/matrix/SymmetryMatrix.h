// Symmetric matrix stored as its upper triangle; element stiffness matrices live here.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "matrix/Matrix.h"

namespace znMatrix {

// The packed upper triangle of a symmetric matrix: held inline up to 6×6 (a member's
// stiffness, made once per member and per change of its states), on the heap beyond.
class csTriangleValues {
 public:
  csTriangleValues() = default;
  csTriangleValues(std::size_t size, double value);
  csTriangleValues(const csTriangleValues& other);
  csTriangleValues& operator=(const csTriangleValues& other);
  csTriangleValues(csTriangleValues&& other) noexcept;
  csTriangleValues& operator=(csTriangleValues&& other) noexcept;

  std::size_t size() const { return size_; }
  double* begin() { return heap_ ? heap_.get() : inline_.data(); }
  const double* begin() const { return heap_ ? heap_.get() : inline_.data(); }
  double* end() { return begin() + size_; }
  const double* end() const { return begin() + size_; }
  double& operator[](std::size_t k) { return begin()[k]; }
  double operator[](std::size_t k) const { return begin()[k]; }
  void swap(csTriangleValues& other) noexcept;

 private:
  static constexpr std::size_t kInline = 21;

  std::size_t size_ = 0;
  std::array<double, kInline> inline_{};  // used when heap_ is null
  std::unique_ptr<double[]> heap_;
};

class csSymmetryMatrix : public ifMatrix {
 public:
  struct exItIsnotSymmetryMatrix : exMatrixException {};
  struct exDiagonalElementIsZero : exMatrixException {};
  struct exTwoRowsAreSameVector : exMatrixException {};
  struct exPartialMatrixCrossDiagonal : exMatrixException {};
  struct exLeftVectorIsnotEqualToMatrixInSize : exMatrixException {};
  struct exRightVectorIsnotEqualToMatrixInSize : exMatrixException {};

  csSymmetryMatrix(Index n, double init = 0.0);
  // m must be square and exactly symmetric.
  explicit csSymmetryMatrix(const ifMatrix& m);
  csSymmetryMatrix(const csSymmetryMatrix&) = default;
  csSymmetryMatrix& operator=(const ifMatrix& m);
  csSymmetryMatrix& operator=(const csSymmetryMatrix& m);
  // Takes the other's size and values.
  csSymmetryMatrix& operator=(csSymmetryMatrix&& m) noexcept = default;

  void Fill(double value) override;
  Index GetRowN() const override;
  Index GetColN() const override;
  double Get(Index i, Index j) const override;
  void Set(Index i, Index j, double value) override;
  void AddPartial(Index row0, Index col0, const ifMatrix& m, double factor) override;
  void AddMatrix(const ifMatrix& m, double factor) override;
  void Multiply(double factor) override;
  void Transpose() override;
  void Solve(Vector& x, const Vector& b) const override;

  // Adds f·m over the upper triangle; with check, m must be exactly symmetric.
  void AddMatrix(const ifMatrix& m, double factor, bool check);
  // Adds a block on the diagonal (upper triangle only) or off it (above, or below as its
  // transpose); with check, a diagonal block must be exactly symmetric.
  void AddPartial(Index row0, Index col0, const ifMatrix& m, double factor, bool check);

  // Replaces this triangle with the upper triangle of f·A·B (the caller knows it symmetric).
  friend void MultiplySymmetric(csSymmetryMatrix& C, const ifMatrix& A, const ifMatrix& B,
                                double factor);

 private:
  // The place of (i, j), i <= j, in the packed triangle.
  std::size_t Pos(Index i, Index j) const {
    return static_cast<std::size_t>(i) * (2 * static_cast<std::size_t>(n_) - i + 1) / 2 + (j - i);
  }

  Index n_;
  csTriangleValues values_;  // the upper triangle row after row: (i, i..n-1) for each i
};

void MultiplySymmetric(csSymmetryMatrix& C, const ifMatrix& A, const ifMatrix& B, double factor);

}  // namespace znMatrix
