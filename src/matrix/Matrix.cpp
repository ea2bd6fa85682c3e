// The matrix interface's generic operations, the dense matrix, and the shared numeric helpers.
#include "matrix/Matrix.h"

#include <cmath>
#include <cstdlib>

#include "matrix/SameVectorTest.h"

namespace znMatrix {

namespace {

// x · 10^k without overflowing the power itself (k reaches about ±330 for subnormal values).
double TimesPowerOfTen(double x, int k) {
  constexpr int kChunk = 300;
  while (k > kChunk) {
    x *= std::pow(10.0, kChunk);
    k -= kChunk;
  }
  while (k < -kChunk) {
    x *= std::pow(10.0, -kChunk);
    k += kChunk;
  }
  return x * std::pow(10.0, k);
}

// Last index of a block of `count` positions starting at `first`, widened so that it cannot wrap.
std::uint64_t LastOf(Index first, Index count) {
  return static_cast<std::uint64_t>(first) + count - 1;
}

}  // namespace

bool IsZero(double x) {
  return std::fabs(x) <= kZeroTolerance;
}

bool IsNearlyEqual(double a, double b, int digits, double tolerance) {
  // Infinities and NaN cannot be scaled into [1, 10); they are equal only when identical.
  if (!std::isfinite(a) || !std::isfinite(b)) return a == b;
  const double tol = std::fabs(tolerance);
  if (!(std::fabs(a) > tol)) return std::fabs(b) <= tol;
  int k = 0;
  double magnitude = std::fabs(a);
  if (magnitude >= 10.0) {
    while (magnitude >= 10.0) {
      magnitude /= 10.0;
      ++k;
    }
    // Divided, not multiplied by 10^-k: 10^-k is not exact in binary, and a last-digit tie
    // such as 10.0005 against 10.0006 is decided by that rounding. k ≤ 308 for a finite a.
    const double scale = std::pow(10.0, k);
    a /= scale;
    b /= scale;
  } else {
    while (magnitude < 1.0) {
      magnitude *= 10.0;
      ++k;
    }
    a = TimesPowerOfTen(a, k);
    b = TimesPowerOfTen(b, k);
  }
  return std::fabs(TimesPowerOfTen(a - b, digits - 1)) <= 1.0;
}

bool IsNearlyEqual(double a, double b) {
  return IsNearlyEqual(a, b, kNearlyEqualDigits, kNearlyEqualTolerance);
}

// ---- ifMatrix: generic operations built on GetRowN, GetColN, Get and Set ----

void ifMatrix::CheckRange(Index i, Index j) const {
  if (i >= GetRowN()) throw exOutOfRowRange{};
  if (j >= GetColN()) throw exOutOfColRange{};
}

void ifMatrix::Assign(const ifMatrix& m) {
  if (GetRowN() != m.GetRowN()) throw exRowNIsnotEqual{};
  if (GetColN() != m.GetColN()) throw exColNIsnotEqual{};
  for (Index i = 0; i < GetRowN(); ++i) {
    for (Index j = 0; j < GetColN(); ++j) Set(i, j, m.Get(i, j));
  }
}

void ifMatrix::AddAt(Index i, Index j, double value) {
  CheckRange(i, j);
  Set(i, j, Get(i, j) + value);
}

void ifMatrix::AddPartial(Index row0, Index col0, const ifMatrix& m, double factor) {
  if (&m == this) {  // a block taken from this matrix is read before anything is written
    csMatrix copy(m.GetRowN(), m.GetColN());
    copy.Assign(m);
    ifMatrix::AddPartial(row0, col0, copy, factor);
    return;
  }
  const Index rows = m.GetRowN();
  const Index cols = m.GetColN();
  if (rows == 0 || cols == 0) return;
  if (LastOf(row0, rows) >= GetRowN()) throw exOutOfRowRange{};
  if (LastOf(col0, cols) >= GetColN()) throw exOutOfColRange{};
  for (Index i = 0; i < rows; ++i) {
    for (Index j = 0; j < cols; ++j) {
      Set(row0 + i, col0 + j, Get(row0 + i, col0 + j) + factor * m.Get(i, j));
    }
  }
}

void ifMatrix::AddMatrix(const ifMatrix& m, double factor) {
  if (GetRowN() != m.GetRowN()) throw exRowNIsnotEqual{};
  if (GetColN() != m.GetColN()) throw exColNIsnotEqual{};
  for (Index i = 0; i < GetRowN(); ++i) {
    for (Index j = 0; j < GetColN(); ++j) Set(i, j, Get(i, j) + factor * m.Get(i, j));
  }
}

void ifMatrix::MultiplyAt(Index i, Index j, double value) {
  CheckRange(i, j);
  Set(i, j, Get(i, j) * value);
}

void ifMatrix::Multiply(double factor) {
  for (Index i = 0; i < GetRowN(); ++i) {
    for (Index j = 0; j < GetColN(); ++j) Set(i, j, Get(i, j) * factor);
  }
}

ifMatrix& ifMatrix::operator*=(double factor) {
  Multiply(factor);
  return *this;
}

ifMatrix& ifMatrix::operator+=(const ifMatrix& m) {
  AddMatrix(m, 1.0);
  return *this;
}

ifMatrix& ifMatrix::operator-=(const ifMatrix& m) {
  AddMatrix(m, -1.0);
  return *this;
}

bool operator==(const ifMatrix& a, const ifMatrix& b) {
  if (a.GetRowN() != b.GetRowN() || a.GetColN() != b.GetColN()) return false;
  for (Index i = 0; i < a.GetRowN(); ++i) {
    for (Index j = 0; j < a.GetColN(); ++j) {
      if (!IsNearlyEqual(a.Get(i, j), b.Get(i, j), 6, 1e-6)) return false;
    }
  }
  return true;
}

// ---- csMatrix ----

csMatrix::csMatrix(Index rows, Index cols, double init)
    : rowN_(rows),
      colN_(rows == 0 ? 0 : cols),
      values_(static_cast<std::size_t>(rowN_) * colN_, init) {}

csMatrix& csMatrix::operator=(const ifMatrix& m) {
  Assign(m);
  return *this;
}

csMatrix& csMatrix::operator=(const csMatrix& m) {
  Assign(m);
  return *this;
}

void csMatrix::Fill(double value) {
  values_.assign(values_.size(), value);
}

Index csMatrix::GetRowN() const {
  return rowN_;
}

Index csMatrix::GetColN() const {
  return colN_;
}

double csMatrix::Get(Index i, Index j) const {
  CheckRange(i, j);
  return At(i, j);
}

void csMatrix::Set(Index i, Index j, double value) {
  CheckRange(i, j);
  At(i, j) = value;
}

// A matrix without columns keeps no rows either.
void csMatrix::Transpose() {
  const Index rows = rowN_;
  const Index cols = colN_;
  std::vector<double> t(values_.size());
  for (Index i = 0; i < rows; ++i) {
    for (Index j = 0; j < cols; ++j) t[static_cast<std::size_t>(j) * rows + i] = At(i, j);
  }
  values_.swap(t);
  rowN_ = cols;
  colN_ = cols == 0 ? 0 : rows;
}

namespace {

using Rows = std::vector<std::vector<double>>;

bool HasZeroRow(const Rows& a) {
  for (const auto& row : a) {
    bool allZero = true;
    for (double value : row) allZero = allZero && IsZero(value);
    if (allZero) return true;
  }
  return false;
}

bool HasZeroCol(const Rows& a, Index n) {
  for (Index j = 0; j < n; ++j) {
    bool allZero = true;
    for (Index i = 0; i < n; ++i) allZero = allZero && IsZero(a[i][j]);
    if (allZero) return true;
  }
  return false;
}

// Row r ≥ k with the largest |a(r, k)|; the first of equal maxima wins.
Index PivotRow(const Rows& a, Index k) {
  Index best = k;
  double largest = -1.0;
  for (Index r = k; r < a.size(); ++r) {
    if (std::fabs(a[r][k]) > largest) {
      largest = std::fabs(a[r][k]);
      best = r;
    }
  }
  return best;
}

// Gaussian elimination with partial pivoting on work copies; back substitution into x.
void EliminateWithPivoting(Rows& a, Vector& b, Vector& x) {
  const Index n = static_cast<Index>(a.size());
  for (Index k = 0; k < n; ++k) {
    const Index r = PivotRow(a, k);
    if (r != k) {
      a[r].swap(a[k]);
      std::swap(b[r], b[k]);
    }
    const double p = a[k][k];
    if (IsZero(p)) throw ifMatrix::exZeroPivot{};
    for (Index i = k + 1; i < n; ++i) {
      const double f = a[i][k] / p;
      for (Index j = k + 1; j < n; ++j) a[i][j] -= f * a[k][j];
      b[i] -= f * b[k];
    }
  }
  for (Index k = n; k-- > 0;) {
    double sum = b[k];
    for (Index j = k + 1; j < n; ++j) sum -= a[k][j] * x[j];
    x[k] = sum / a[k][k];
  }
}

}  // namespace

void csMatrix::Solve(Vector& x, const Vector& b) const {
  const Index n = GetRowN();
  if (n != GetColN()) throw exThisIsnotSquareMatrix{};
  if (x.size() != n) throw exLeftVectorIsnotEqualToMatrixInSize{};
  if (b.size() != n) throw exRightVectorIsnotEqualToMatrixInSize{};
  Rows a(n);
  for (Index i = 0; i < n; ++i) a[i].assign(values_.begin() + i * n, values_.begin() + (i + 1) * n);
  if (HasZeroRow(a)) throw exThereIsZeroRow{};
  if (HasZeroCol(a, n)) throw exThereIsZeroCol{};
  if (AnyTwoRowsAreSameVector(n, [&](Index i, Index j) { return At(i, j); })) {
    throw exTwoRowsAreSameVector{};
  }
  if (AnyTwoRowsAreSameVector(n, [&](Index i, Index j) { return At(j, i); })) {
    throw exTwoColsAreSameVector{};
  }
  Vector work = b;
  Vector result(n);
  EliminateWithPivoting(a, work, result);
  x = std::move(result);
}

// ---- free helpers ----

void MultiplyMatrix(ifMatrix& C, const ifMatrix& A, const ifMatrix& B, double factor) {
  if (C.GetRowN() != A.GetRowN()) throw ifMatrix::exRowNIsnotEqual{};
  if (C.GetColN() != B.GetColN()) throw ifMatrix::exColNIsnotEqual{};
  if (A.GetColN() != B.GetRowN()) throw ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight{};
  // The product is formed first, so C may be A or B.
  const Index rows = A.GetRowN();
  const Index cols = B.GetColN();
  const Index inner = A.GetColN();
  std::vector<double> product(static_cast<std::size_t>(rows) * cols, 0.0);
  for (Index i = 0; i < rows; ++i) {
    for (Index j = 0; j < cols; ++j) {
      double sum = 0.0;
      for (Index k = 0; k < inner; ++k) sum += factor * A.Get(i, k) * B.Get(k, j);
      product[static_cast<std::size_t>(i) * cols + j] = sum;
    }
  }
  for (Index i = 0; i < rows; ++i) {
    for (Index j = 0; j < cols; ++j) C.Set(i, j, product[static_cast<std::size_t>(i) * cols + j]);
  }
}

csMatrix MultiplyMatrix(const ifMatrix& A, const ifMatrix& B) {
  csMatrix C(A.GetRowN(), B.GetColN(), 0.0);
  MultiplyMatrix(C, A, B, 1.0);
  return C;
}

void MultiplyVector(Vector& y, const ifMatrix& A, const Vector& x, double factor) {
  if (y.size() != A.GetRowN()) throw ifMatrix::exRowNIsnotEqual{};
  if (x.size() != A.GetColN()) throw ifMatrix::exColNIsnotEqual{};
  Vector result(y.size());
  for (Index i = 0; i < A.GetRowN(); ++i) {
    double sum = 0.0;
    for (Index j = 0; j < A.GetColN(); ++j) sum += A.Get(i, j) * x[j] * factor;
    result[i] = sum;
  }
  y = std::move(result);
}

Vector MultiplyVector(const ifMatrix& A, const Vector& x) {
  Vector y(A.GetRowN());
  MultiplyVector(y, A, x, 1.0);
  return y;
}

}  // namespace znMatrix
