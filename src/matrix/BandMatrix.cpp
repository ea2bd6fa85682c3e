// Symmetric band matrix: storage, assembly, the reduced matrix of a mask, and the band solver.
#include "matrix/BandMatrix.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "matrix/SameVectorTest.h"

namespace znMatrix {

namespace {

// A pivot at most this fraction of its diagonal before elimination has lost every digit of
// the row's own stiffness to round-off: the matrix is singular. A stiffness that overflowed is
// left to the balance check. docs/theory.md "Collapse test".
constexpr double kSingularPivot = 1e-12;

std::uint64_t LastOf(Index first, Index count) {
  return static_cast<std::uint64_t>(first) + count - 1;
}

// One past the last index j < n with j - i < w.
Index BandEnd(Index i, Index w, Index n) {
  return static_cast<Index>(std::min<std::uint64_t>(n, std::uint64_t{i} + w));
}

// row[c] -= f·source[c] for c < count.
void SubtractScaled(double* row, const double* source, double f, Index count) {
  for (Index c = 0; c < count; ++c) row[c] -= f * source[c];
}

// The updates of two pivots in one pass over a row: row[c] -= f·a[c], then row[c] -= g·b[c],
// rounded in that order, as two passes would.
void SubtractScaledTwice(double* row, const double* a, double f, const double* b, double g,
                         Index count) {
  for (Index c = 0; c < count; ++c) row[c] = (row[c] - f * a[c]) - g * b[c];
}

std::uint64_t Distance(std::uint64_t i, std::uint64_t j) {
  return i < j ? j - i : i - j;
}

}  // namespace

csBandMatrix::csBandMatrix(Index n, Index w, double init)
    : n_(n), w_(w), band_(std::size_t{n} * w, init) {}

csBandMatrix::csBandMatrix(const ifMatrix& m) : n_(m.GetRowN()), w_(GetBandWidthOf(m)) {
  if (w_ == 0) throw exItIsnotBandMatrix{};
  band_.assign(std::size_t{n_} * w_, 0.0);
  const auto* band = dynamic_cast<const csBandMatrix*>(&m);
  for (Index i = 0; i < n_; ++i) {
    for (Index j = i; j < BandEnd(i, w_, n_); ++j) At(i, j) = ReadSource(m, band, i, j);
  }
}

csBandMatrix::csBandMatrix(const ifMatrix& m, const std::vector<bool>& mask, bool invert)
    : n_(0), w_(0) {
  const Index w = GetBandWidthOf(m);
  if (w == 0) throw exItIsnotBandMatrix{};
  const Index n = m.GetRowN();
  if (mask.size() != n) throw exRowNIsnotEqual{};
  const auto selected = [&](Index i) { return mask[i] != invert; };
  std::vector<Index> selectedBefore(std::size_t{n} + 1, 0);  // selected indices in [0, i)
  for (Index i = 0; i < n; ++i) selectedBefore[i + 1] = selectedBefore[i] + (selected(i) ? 1 : 0);
  n_ = selectedBefore[n];
  for (Index i = 0; i < n; ++i) {
    if (selected(i)) w_ = std::max(w_, selectedBefore[BandEnd(i, w, n)] - selectedBefore[i]);
  }
  band_.assign(std::size_t{n_} * w_, 0.0);
  const auto* band = dynamic_cast<const csBandMatrix*>(&m);
  for (Index i = 0; i < n; ++i) {
    if (!selected(i)) continue;
    double* row = &band_[std::size_t{selectedBefore[i]} * w_];
    for (Index j = i; j < BandEnd(i, w, n); ++j) {
      if (selected(j)) *row++ = ReadSource(m, band, i, j);
    }
  }
}

Index csBandMatrix::GetBandWidthOf(const ifMatrix& m) {
  if (const auto* band = dynamic_cast<const csBandMatrix*>(&m)) return band->GetBandN();
  if (m.GetRowN() != m.GetColN()) return 0;
  Index width = 0;
  for (Index i = 0; i < m.GetRowN(); ++i) {
    for (Index j = i; j < m.GetColN(); ++j) {
      const double upper = m.Get(i, j);
      if (upper != m.Get(j, i)) return 0;
      if (upper != 0.0) width = std::max(width, j - i + 1);
    }
  }
  return width;
}

Index csBandMatrix::GetBandN() const {
  return n_ == 0 ? 0 : w_;
}

Index csBandMatrix::CheckBandOf(const ifMatrix& m) const {
  if (m.GetRowN() != m.GetColN()) throw exItIsnotBandMatrix{};
  const Index width = GetBandWidthOf(m);
  if (width == 0) throw exItIsnotBandMatrix{};
  if (w_ < width) throw exBandNIsLargerThanThis{};
  return width;
}

void csBandMatrix::Fill(double value) {
  std::fill(band_.begin(), band_.end(), value);
}

Index csBandMatrix::GetRowN() const {
  return n_;
}

Index csBandMatrix::GetColN() const {
  return n_;
}

double csBandMatrix::Get(Index i, Index j) const {
  CheckRange(i, j);
  return InBand(i, j) ? At(i, j) : 0.0;
}

void csBandMatrix::Set(Index i, Index j, double value) {
  CheckRange(i, j);
  if (InBand(i, j)) {
    At(i, j) = value;
  } else if (value != 0.0) {
    throw exOutOfBandRange{};
  }
}

void csBandMatrix::Assign(const ifMatrix& m) {
  if (m.GetRowN() != n_) throw exRowNIsnotEqual{};
  CheckBandOf(m);
  if (&m == this) return;
  const auto* band = dynamic_cast<const csBandMatrix*>(&m);
  for (Index i = 0; i < n_; ++i) {
    for (Index j = i; j < BandEnd(i, w_, n_); ++j) At(i, j) = ReadSource(m, band, i, j);
  }
}

void csBandMatrix::AddMatrix(const ifMatrix& m, double factor) {
  if (m.GetRowN() != n_) throw exRowNIsnotEqual{};
  CheckBandOf(m);
  const auto* band = dynamic_cast<const csBandMatrix*>(&m);
  for (Index i = 0; i < n_; ++i) {
    for (Index j = i; j < BandEnd(i, w_, n_); ++j) At(i, j) += factor * ReadSource(m, band, i, j);
  }
}

void csBandMatrix::AddPartial(Index row0, Index col0, const ifMatrix& m, double factor) {
  const Index rows = m.GetRowN();
  const Index cols = m.GetColN();
  if (row0 == col0) {
    CheckBandOf(m);
    if (rows != 0 && LastOf(row0, rows) >= n_) throw exOutOfRowRange{};
  } else {
    const bool crosses = row0 < col0 ? LastOf(row0, rows) > col0 : LastOf(col0, cols) > row0;
    if (rows == 0 || cols == 0) return;
    if (crosses) throw exPartialMatrixCrossDiagonal{};
    if (Distance(row0, LastOf(col0, cols)) >= w_ || Distance(LastOf(row0, rows), col0) >= w_) {
      throw exOutOfBandRange{};
    }
    if (LastOf(row0, rows) >= n_) throw exOutOfRowRange{};
    if (LastOf(col0, cols) >= n_) throw exOutOfColRange{};
  }
  if (&m == this) {  // a block taken from this matrix is read before anything is written
    const csBandMatrix copy(*this);
    AddPartial(row0, col0, copy, factor);
    return;
  }
  for (Index i = 0; i < rows; ++i) {
    if (row0 == col0) {  // the block's upper triangle within the band
      for (Index j = i; j < BandEnd(i, w_, cols); ++j)
        At(row0 + i, row0 + j) += factor * m.Get(i, j);
    } else {  // At reads (i, j) and (j, i) alike, so a block below goes in as its transpose
      for (Index j = 0; j < cols; ++j) At(row0 + i, col0 + j) += factor * m.Get(i, j);
    }
  }
}

void csBandMatrix::Multiply(double factor) {
  for (double& value : band_) value *= factor;
}

void csBandMatrix::Transpose() {}

Vector csBandMatrix::MultiplyVector(const Vector& x) const {
  return RowSums(x, [](double a, double xj) { return a * xj; });
}

Vector csBandMatrix::MultiplyVectorMagnitude(const Vector& x) const {
  return RowSums(x, [](double a, double xj) { return std::fabs(a * xj); });
}

template <class Term>
Vector csBandMatrix::RowSums(const Vector& x, Term term) const {
  if (x.size() != n_) throw exColNIsnotEqual{};
  Vector y(n_);
  for (Index i = 0; i < n_; ++i) {
    const Index first = i + 1 >= w_ ? i + 1 - w_ : 0;
    double sum = 0.0;
    for (Index j = first; j < BandEnd(i, w_, n_); ++j) sum += term(At(i, j), x[j]);
    y[i] = sum;
  }
  return y;
}

// docs/theory.md "Band solver and its proportional-rows test" (zero rows of the reduced matrix).
std::vector<bool> csBandMatrix::ZeroRows(const ZeroTest& zero) const {
  // Row i and column i hold the same elements, so each stored non-zero marks both its row
  // and its column; every element outside the band is zero.
  std::vector<bool> isZero(n_, true);
  for (Index i = 0; i < n_; ++i) {
    for (Index j = i; j < BandEnd(i, w_, n_); ++j) {
      if (!zero.IsZero(i, j, At(i, j))) {
        isZero[i] = false;
        isZero[j] = false;
      }
    }
  }
  return isZero;
}

bool csBandMatrix::RowsAreProportional(Index p, Index q, const ZeroTest& zero) const {
  // Column q: a zero in row p would meet the non-zero diagonal of row q.
  const double pq = At(p, q);
  if (zero.IsZero(p, q, pq)) return false;
  // Columns p and q both give a ratio, and (q, p) is the stored (p, q); they must agree.
  if (!(At(p, p) / pq == pq / At(q, q))) return false;
  const auto element = [this](Index i, Index j) { return InBand(i, j) ? At(i, j) : 0.0; };
  const Index first = p + 1 >= w_ ? p + 1 - w_ : 0;
  return RowsAreSameVector(
      first, BandEnd(q, w_, n_), [&](Index j) { return element(p, j); },
      [&](Index j) { return element(q, j); },
      [&](Index j, double a) { return zero.IsZero(p, j, a); },
      [&](Index j, double b) { return zero.IsZero(q, j, b); });
}

// docs/theory.md "Band solver and its proportional-rows test".
bool csBandMatrix::HasTwoProportionalRows(const ZeroTest& zero) const {
  // Same verdict as comparing every pair of whole rows, given non-zero diagonals: rows w or
  // more apart differ at the farther row's diagonal, which meets a zero outside the band.
  for (Index p = 0; p < n_; ++p) {
    for (Index q = p + 1; q < BandEnd(p, w_, n_); ++q) {
      if (RowsAreProportional(p, q, zero)) return true;
    }
  }
  return false;
}

// Gaussian elimination within the band.
// docs/theory.md "Band solver and its proportional-rows test".
void csBandMatrix::Solve(Vector& x, const Vector& b) const {
  csBandMatrix factor(*this);
  factor.SolveInPlace(x, b);
}

void csBandMatrix::SolveInPlace(Vector& x, Vector b, const ZeroTest& zero) {
  if (x.size() != n_) throw exLeftVectorIsnotEqualToMatrixInSize{};
  if (b.size() != n_) throw exRightVectorIsnotEqualToMatrixInSize{};
  for (Index i = 0; i < n_; ++i) {
    if (w_ == 0 || zero.IsZero(i, i, At(i, i))) throw exDiagonalElementIsZero{{}, i};
  }
  if (HasTwoProportionalRows(zero)) throw exTwoRowsAreSameVector{};
  Eliminate(x, std::move(b), zero);
}

// docs/theory.md "Band solver and its proportional-rows test" (two pivots per pass) and
// "Band solver: relative zero tests" (the pivot test).
void csBandMatrix::Eliminate(Vector& x, Vector work, const ZeroTest& zero) {
  std::vector<double>& s = band_;
  const std::size_t w = w_;
  // The elimination overwrites the diagonals; the pivot test compares with them as they were.
  std::vector<double> diagonal(n_);
  for (Index i = 0; i < n_; ++i) diagonal[i] = s[i * w];
  const auto pivot = [&](Index k) {
    const double p = s[k * w];
    if (zero.IsZero(k, k, p) || (std::isfinite(p) && p <= kSingularPivot * diagonal[k])) {
      throw exZeroPivot{};
    }
    return p;
  };
  Index k = 0;
  for (; k + 1 < n_; k += 2) {
    const double* rowK = &s[k * w];
    double* rowL = &s[(k + 1) * w];
    const double p = pivot(k);
    const Index kEnd = BandEnd(k, w_, n_) - k;  // row k holds columns k .. k + kEnd - 1
    if (kEnd > 1) {
      const double f = rowK[1] / p;
      if (f != 0.0) {  // nothing to eliminate below a zero coupling
        SubtractScaled(rowL, rowK + 1, f, kEnd - 1);
        work[k + 1] -= f * work[k];
      }
    }
    const double q = pivot(k + 1);
    const Index lEnd = BandEnd(k + 1, w_, n_) - (k + 1);  // lEnd >= kEnd - 1
    for (Index t = 2; t <= lEnd; ++t) {
      const Index kCount = t < kEnd ? kEnd - t : 0;
      const Index lCount = lEnd - (t - 1);
      const double f = kCount > 0 ? rowK[t] / p : 0.0;
      const double g = rowL[t - 1] / q;
      double* rowI = &s[(k + t) * w];
      if (f != 0.0 && g != 0.0) {
        SubtractScaledTwice(rowI, rowK + t, f, rowL + t - 1, g, kCount);
        SubtractScaled(rowI + kCount, rowL + t - 1 + kCount, g, lCount - kCount);
        work[k + t] = (work[k + t] - f * work[k]) - g * work[k + 1];
      } else if (f != 0.0) {
        SubtractScaled(rowI, rowK + t, f, kCount);
        work[k + t] -= f * work[k];
      } else if (g != 0.0) {
        SubtractScaled(rowI, rowL + t - 1, g, lCount);
        work[k + t] -= g * work[k + 1];
      }
    }
  }
  if (k < n_) pivot(k);  // the last row: nothing below it to eliminate
  Vector result(n_);
  for (k = n_; k-- > 0;) {
    const double* rowK = &s[k * w];
    double value = work[k];
    for (Index t = 1; t < BandEnd(k, w_, n_) - k; ++t) value -= rowK[t] * result[k + t];
    result[k] = value / rowK[0];
  }
  x = std::move(result);
}

}  // namespace znMatrix
