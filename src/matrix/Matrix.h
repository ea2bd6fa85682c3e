// The matrix interface of the linear-algebra library, the dense matrix, and the shared
// numeric helpers (zero test, near-equality, products).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace znMatrix {

using Index = std::uint32_t;
using Vector = std::vector<double>;
// A 6×6 matrix row after row, held in place: the member matrices of a plane frame.
using Matrix6 = std::array<double, 36>;

// Base of every matrix exception, so a caller can catch the whole family at once.
struct exMatrixException {};

// Absolute zero threshold of every zero, pivot and diagonal test of the matrix classes.
inline constexpr double kZeroTolerance = 1e-6;
bool IsZero(double x);

// Default setting of the near-equality test used across the system.
inline constexpr int kNearlyEqualDigits = 6;
inline constexpr double kNearlyEqualTolerance = 1e-6;
bool IsNearlyEqual(double a, double b, int digits, double tolerance);
bool IsNearlyEqual(double a, double b);

class ifMatrix {
 public:
  struct exOutOfRowRange : exMatrixException {};
  struct exOutOfColRange : exMatrixException {};
  struct exRowNIsnotEqual : exMatrixException {};
  struct exColNIsnotEqual : exMatrixException {};
  struct exColNOfLeftIsnotEqualToRowNOfRight : exMatrixException {};
  struct exZeroPivot : exMatrixException {};

  virtual ~ifMatrix() = default;
  virtual void Fill(double value) = 0;
  virtual Index GetRowN() const = 0;
  virtual Index GetColN() const = 0;
  virtual double Get(Index i, Index j) const = 0;
  virtual void Set(Index i, Index j, double value) = 0;
  virtual void Assign(const ifMatrix& m);
  virtual void AddAt(Index i, Index j, double value);
  virtual void AddPartial(Index row0, Index col0, const ifMatrix& m, double factor);
  virtual void AddMatrix(const ifMatrix& m, double factor);
  virtual void MultiplyAt(Index i, Index j, double value);
  virtual void Multiply(double factor);
  virtual void Transpose() = 0;
  virtual void Solve(Vector& x, const Vector& b) const = 0;

  ifMatrix& operator*=(double factor);
  ifMatrix& operator+=(const ifMatrix& m);
  ifMatrix& operator-=(const ifMatrix& m);

 protected:
  ifMatrix() = default;
  ifMatrix(const ifMatrix&) = default;
  ifMatrix& operator=(const ifMatrix&) = default;
  void CheckRange(Index i, Index j) const;
};

// Same shape and every pair of elements nearly equal (6 digits, zero tolerance 1e-6).
bool operator==(const ifMatrix& a, const ifMatrix& b);

class csMatrix : public ifMatrix {
 public:
  struct exThisIsnotSquareMatrix : exMatrixException {};
  struct exThereIsZeroRow : exMatrixException {};
  struct exThereIsZeroCol : exMatrixException {};
  struct exTwoRowsAreSameVector : exMatrixException {};
  struct exTwoColsAreSameVector : exMatrixException {};
  struct exLeftVectorIsnotEqualToMatrixInSize : exMatrixException {};
  struct exRightVectorIsnotEqualToMatrixInSize : exMatrixException {};

  csMatrix(Index rows, Index cols, double init = 0.0);
  csMatrix(const csMatrix&) = default;
  // Assignment goes through Assign: the shapes must agree.
  csMatrix& operator=(const ifMatrix& m);
  csMatrix& operator=(const csMatrix& m);

  void Fill(double value) override;
  Index GetRowN() const override;
  Index GetColN() const override;
  double Get(Index i, Index j) const override;
  void Set(Index i, Index j, double value) override;
  void Transpose() override;
  void Solve(Vector& x, const Vector& b) const override;

 private:
  double& At(Index i, Index j) { return values_[static_cast<std::size_t>(i) * colN_ + j]; }
  double At(Index i, Index j) const { return values_[static_cast<std::size_t>(i) * colN_ + j]; }

  Index rowN_;
  Index colN_;
  std::vector<double> values_;  // row after row, in one block
};

// C = f·A·B, written with Set.
void MultiplyMatrix(ifMatrix& C, const ifMatrix& A, const ifMatrix& B, double factor);
// A·B as a new dense matrix.
csMatrix MultiplyMatrix(const ifMatrix& A, const ifMatrix& B);
// y = f·A·x.
void MultiplyVector(Vector& y, const ifMatrix& A, const Vector& x, double factor);
// A·x as a new vector.
Vector MultiplyVector(const ifMatrix& A, const Vector& x);

}  // namespace znMatrix
