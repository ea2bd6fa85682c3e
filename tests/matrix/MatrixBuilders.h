// Small builders shared by the matrix tests: matrices from literal rows, random symmetric
// band matrices, and the literal whole-row proportional test used as a reference.
#pragma once

#include <cmath>
#include <initializer_list>
#include <random>

#include "matrix/Matrix.h"

namespace znMatrix::testing {

inline csMatrix Dense(std::initializer_list<std::initializer_list<double>> rows) {
  const Index cols = rows.size() == 0 ? 0 : static_cast<Index>(rows.begin()->size());
  csMatrix m(static_cast<Index>(rows.size()), cols);
  Index i = 0;
  for (const auto& row : rows) {
    Index j = 0;
    for (double value : row) m.Set(i, j++, value);
    ++i;
  }
  return m;
}

// A copy of any matrix in dense storage.
inline csMatrix DenseOf(const ifMatrix& m) {
  csMatrix d(m.GetRowN(), m.GetColN());
  for (Index i = 0; i < m.GetRowN(); ++i) {
    for (Index j = 0; j < m.GetColN(); ++j) d.Set(i, j, m.Get(i, j));
  }
  return d;
}

// Symmetric, strictly diagonally dominant (hence positive definite) band matrix with half
// band width w, written with Set into any n × n matrix.
template <class Rng>
void FillRandomSpdBand(ifMatrix& m, Index w, Rng& rng) {
  std::uniform_real_distribution<double> off(-1.0, 1.0);
  const Index n = m.GetRowN();
  std::vector<double> rowSum(n, 0.0);
  for (Index i = 0; i < n; ++i) {
    for (Index j = i + 1; j < n && j - i < w; ++j) {
      const double v = off(rng);
      m.Set(i, j, v);
      m.Set(j, i, v);
      rowSum[i] += std::abs(v);
      rowSum[j] += std::abs(v);
    }
  }
  for (Index i = 0; i < n; ++i) m.Set(i, i, rowSum[i] + 1.0);
}

// The literal rule: every pair of whole rows, every column, ratios collected in a list.
inline bool LiteralTwoRowsAreSameVector(const ifMatrix& a) {
  const Index n = a.GetRowN();
  for (Index p = 0; p < n; ++p) {
    for (Index q = p + 1; q < n; ++q) {
      std::vector<double> ratios;
      for (Index j = 0; j < n; ++j) {
        const double u = a.Get(p, j);
        const double v = a.Get(q, j);
        if (!IsZero(u)) {
          ratios.push_back(u / v);
        } else if (!IsZero(v)) {
          ratios.clear();
          break;
        }
      }
      bool same = !ratios.empty();
      for (double r : ratios) same = same && r == ratios.front();
      if (ratios.size() == 1) same = true;
      if (same) return true;
    }
  }
  return false;
}

inline double Norm(const Vector& v) {
  double sum = 0.0;
  for (double x : v) sum += x * x;
  return std::sqrt(sum);
}

// ‖A·x − b‖ / ‖b‖.
inline double RelativeResidual(const ifMatrix& a, const Vector& x, const Vector& b) {
  Vector r = MultiplyVector(a, x);
  for (std::size_t i = 0; i < r.size(); ++i) r[i] -= b[i];
  return Norm(r) / Norm(b);
}

}  // namespace znMatrix::testing
