// Symmetric matrix on its upper triangle: every operation touches each stored element once.
#include "matrix/SymmetryMatrix.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "matrix/SameVectorTest.h"

namespace znMatrix {

namespace {

std::uint64_t LastOf(Index first, Index count) {
  return static_cast<std::uint64_t>(first) + count - 1;
}

bool IsExactlySymmetric(const ifMatrix& m) {
  if (m.GetRowN() != m.GetColN()) return false;
  for (Index i = 0; i < m.GetRowN(); ++i) {
    for (Index j = i; j < m.GetColN(); ++j) {
      if (!(m.Get(i, j) == m.Get(j, i))) return false;
    }
  }
  return true;
}

csTriangleValues Triangle(Index n, double init) {
  return csTriangleValues(static_cast<std::size_t>(n) * (n + 1) / 2, init);
}

}  // namespace

csTriangleValues::csTriangleValues(std::size_t size, double value)
    : size_(size), heap_(size > kInline ? std::make_unique<double[]>(size) : nullptr) {
  std::fill(begin(), end(), value);
}

csTriangleValues::csTriangleValues(const csTriangleValues& other)
    : csTriangleValues(other.size_, 0.0) {
  std::copy(other.begin(), other.end(), begin());
}

csTriangleValues& csTriangleValues::operator=(const csTriangleValues& other) {
  if (this != &other) {
    csTriangleValues copy(other);
    swap(copy);
  }
  return *this;
}

csTriangleValues::csTriangleValues(csTriangleValues&& other) noexcept
    : size_(other.size_), heap_(std::move(other.heap_)) {
  if (!heap_) std::copy(other.inline_.begin(), other.inline_.begin() + size_, inline_.begin());
  other.size_ = 0;
}

csTriangleValues& csTriangleValues::operator=(csTriangleValues&& other) noexcept {
  csTriangleValues moved(std::move(other));
  swap(moved);
  return *this;
}

void csTriangleValues::swap(csTriangleValues& other) noexcept {
  std::swap(size_, other.size_);
  std::swap(inline_, other.inline_);
  std::swap(heap_, other.heap_);
}

csSymmetryMatrix::csSymmetryMatrix(Index n, double init) : n_(n), values_(Triangle(n, init)) {}

csSymmetryMatrix::csSymmetryMatrix(const ifMatrix& m) : n_(0) {
  if (!IsExactlySymmetric(m)) throw exItIsnotSymmetryMatrix{};
  n_ = m.GetRowN();
  values_ = Triangle(n_, 0.0);
  for (Index i = 0; i < n_; ++i) {
    for (Index j = i; j < n_; ++j) values_[Pos(i, j)] = m.Get(i, j);
  }
}

csSymmetryMatrix& csSymmetryMatrix::operator=(const ifMatrix& m) {
  Assign(m);
  return *this;
}

csSymmetryMatrix& csSymmetryMatrix::operator=(const csSymmetryMatrix& m) {
  Assign(m);
  return *this;
}

void csSymmetryMatrix::Fill(double value) {
  std::fill(values_.begin(), values_.end(), value);
}

Index csSymmetryMatrix::GetRowN() const {
  return n_;
}

Index csSymmetryMatrix::GetColN() const {
  return n_;
}

double csSymmetryMatrix::Get(Index i, Index j) const {
  CheckRange(i, j);
  if (j < i) std::swap(i, j);
  return values_[Pos(i, j)];
}

void csSymmetryMatrix::Set(Index i, Index j, double value) {
  CheckRange(i, j);
  if (j < i) std::swap(i, j);
  values_[Pos(i, j)] = value;
}

void csSymmetryMatrix::AddPartial(Index row0, Index col0, const ifMatrix& m, double factor) {
  AddPartial(row0, col0, m, factor, false);
}

void csSymmetryMatrix::AddMatrix(const ifMatrix& m, double factor) {
  AddMatrix(m, factor, false);
}

void csSymmetryMatrix::Multiply(double factor) {
  for (double& value : values_) value *= factor;
}

void csSymmetryMatrix::Transpose() {}

void csSymmetryMatrix::AddMatrix(const ifMatrix& m, double factor, bool check) {
  if (check && !IsExactlySymmetric(m)) throw exItIsnotSymmetryMatrix{};
  if (m.GetRowN() != n_) throw exRowNIsnotEqual{};
  if (m.GetColN() != n_) throw exColNIsnotEqual{};
  auto sum = values_;
  for (Index i = 0; i < n_; ++i) {
    for (Index j = i; j < n_; ++j) sum[Pos(i, j)] += factor * m.Get(i, j);
  }
  values_.swap(sum);
}

void csSymmetryMatrix::AddPartial(Index row0, Index col0, const ifMatrix& m, double factor,
                                  bool check) {
  const Index rows = m.GetRowN();
  const Index cols = m.GetColN();
  if (row0 == col0 && check && !IsExactlySymmetric(m)) throw exItIsnotSymmetryMatrix{};
  if (rows == 0 || cols == 0) return;
  if (row0 != col0) {
    const bool crosses = row0 < col0 ? LastOf(row0, rows) > col0 : LastOf(col0, cols) > row0;
    if (crosses) throw exPartialMatrixCrossDiagonal{};
  }
  // The column reach is checked on the diagonal as well, so that a wide block cannot run
  // past the last column.
  if (LastOf(row0, rows) >= n_) throw exOutOfRowRange{};
  if (LastOf(col0, cols) >= n_) throw exOutOfColRange{};
  if (&m == this) {  // a block taken from this matrix is read before anything is written
    const csSymmetryMatrix copy(*this);
    AddPartial(row0, col0, copy, factor, false);
    return;
  }
  for (Index i = 0; i < rows; ++i) {
    for (Index j = row0 == col0 ? i : 0; j < cols; ++j) {
      const double add = factor * m.Get(i, j);
      if (row0 <= col0) {
        values_[Pos(row0 + i, col0 + j)] += add;
      } else {  // below the diagonal: the transpose goes in above it
        values_[Pos(col0 + j, row0 + i)] += add;
      }
    }
  }
}

void csSymmetryMatrix::Solve(Vector& x, const Vector& b) const {
  if (x.size() != n_) throw exLeftVectorIsnotEqualToMatrixInSize{};
  if (b.size() != n_) throw exRightVectorIsnotEqualToMatrixInSize{};
  for (Index i = 0; i < n_; ++i) {
    if (IsZero(values_[Pos(i, i)])) throw exDiagonalElementIsZero{};
  }
  const auto at = [&](Index i, Index j) { return j < i ? values_[Pos(j, i)] : values_[Pos(i, j)]; };
  if (AnyTwoRowsAreSameVector(n_, at)) throw exTwoRowsAreSameVector{};

  auto s = values_;
  Vector work = b;
  for (Index k = 0; k < n_; ++k) {
    const double p = s[Pos(k, k)];
    if (IsZero(p)) throw exZeroPivot{};
    for (Index i = k + 1; i < n_; ++i) {
      const double f = s[Pos(k, i)] / p;
      for (Index j = i; j < n_; ++j) s[Pos(i, j)] -= f * s[Pos(k, j)];
      work[i] -= f * work[k];
    }
  }
  Vector result(n_);
  for (Index k = n_; k-- > 0;) {
    double sum = work[k];
    for (Index j = k + 1; j < n_; ++j) sum -= s[Pos(k, j)] * result[j];
    result[k] = sum / s[Pos(k, k)];
  }
  x = std::move(result);
}

void MultiplySymmetric(csSymmetryMatrix& C, const ifMatrix& A, const ifMatrix& B, double factor) {
  if (C.GetRowN() != A.GetRowN()) throw ifMatrix::exRowNIsnotEqual{};
  if (C.GetColN() != B.GetColN()) throw ifMatrix::exColNIsnotEqual{};
  if (A.GetColN() != B.GetRowN()) throw ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight{};
  // The inner sum runs over the columns of A, so a rectangular pair such as Tᵀ (n×m) and
  // K·T (m×n) gives the full product rather than reading past A or dropping terms.
  const Index n = C.n_;
  const Index inner = A.GetColN();
  auto product = Triangle(n, 0.0);
  for (Index i = 0; i < n; ++i) {
    for (Index j = i; j < n; ++j) {
      double sum = 0.0;
      for (Index k = 0; k < inner; ++k) sum += factor * A.Get(i, k) * B.Get(k, j);
      product[C.Pos(i, j)] = sum;
    }
  }
  C.values_.swap(product);
}

}  // namespace znMatrix
