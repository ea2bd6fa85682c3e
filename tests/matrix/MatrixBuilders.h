// Builders shared by the matrix and linear-system tests: matrices from literal rows, random
// symmetric positive definite band matrices, the dense solver as reference, and a catcher for
// the exception records that carry fields.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <random>

#include "matrix/Matrix.h"

namespace znMatrix::testing {

inline csMatrix Dense(std::initializer_list<std::initializer_list<double>> rows) {
  csMatrix m(static_cast<Index>(rows.size()), static_cast<Index>(rows.begin()->size()));
  for (Index i = 0; i < m.GetRowN(); ++i)
    for (Index j = 0; j < m.GetColN(); ++j) m.Set(i, j, rows.begin()[i].begin()[j]);
  return m;
}

inline csMatrix DenseOf(const ifMatrix& m) {
  csMatrix d(m.GetRowN(), m.GetColN());
  return d = m;
}

// The exception of type Ex that f throws; empty when it throws nothing or something else.
template <class Ex, class F>
std::optional<Ex> Caught(F&& f) {
  try {
    f();
  } catch (const Ex& e) {
    return e;
  } catch (...) {
  }
  return std::nullopt;
}

// Symmetric and strictly diagonally dominant (so positive definite), half band width w.
template <class Rng>
void FillRandomSpdBand(ifMatrix& m, Index w, Rng& rng) {
  std::uniform_real_distribution<double> off(-1.0, 1.0);
  for (Index i = 0; i < m.GetRowN(); ++i) m.Set(i, i, 1.0);
  for (Index i = 0; i < m.GetRowN(); ++i) {
    for (Index j = i + 1; j < m.GetRowN() && j - i < w; ++j) {
      const double v = off(rng);
      m.Set(i, j, v);
      m.Set(j, i, v);
      m.AddAt(i, i, std::abs(v));
      m.AddAt(j, j, std::abs(v));
    }
  }
}

// Solves a·x = b for a random b; x must agree with the dense solver (partial pivoting).
template <class Rng>
void ExpectSolvesLikeTheDenseSolver(const ifMatrix& a, Rng& rng) {
  std::uniform_real_distribution<double> load(-10.0, 10.0);
  Vector b(a.GetRowN()), x(b.size()), reference(b.size());
  for (double& v : b) v = load(rng);
  a.Solve(x, b);
  DenseOf(a).Solve(reference, b);
  for (Index i = 0; i < b.size(); ++i)
    EXPECT_NEAR(x[i], reference[i], 1e-12 * (1 + std::abs(x[i])));
}

}  // namespace znMatrix::testing
