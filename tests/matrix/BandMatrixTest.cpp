// Symmetric band matrix: band width, storage, the reduced matrix, assembly, the solver and its
// fast proportional-rows test.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "matrix/BandMatrix.h"
#include "matrix/MatrixBuilders.h"
#include "matrix/SymmetryMatrix.h"

namespace znMatrix {
namespace {

using testing::Dense;
using testing::DenseOf;
using B = csBandMatrix;

B Band(std::initializer_list<std::initializer_list<double>> rows) {
  return B(Dense(rows));
}

B RandomSpdBand(Index n, Index w, std::mt19937& rng) {
  B band(n, w);
  testing::FillRandomSpdBand(band, w, rng);
  return band;
}

// The width counts from the diagonal to the last non-zero of a row; a reduced matrix keeps the
// selected rows and columns in order, with the width they need.
TEST(BandMatrix, WidthStorageAndReducedMatrix) {
  EXPECT_EQ(B::GetBandWidthOf(Dense({{4, 1, 0}, {1, 4, 1}, {0, 1, 4}})), 2u);
  EXPECT_EQ(B::GetBandWidthOf(Dense({{4, 0}, {0, 4}})), 1u);
  EXPECT_EQ(B::GetBandWidthOf(Dense({{0, 0, 1}, {0, 0, 0}, {1, 0, 0}})), 3u);
  EXPECT_EQ(B::GetBandWidthOf(csMatrix(3, 3)), 0u);
  EXPECT_EQ(B::GetBandWidthOf(Dense({{1, 2}, {3, 1}})), 0u);  // not symmetric
  EXPECT_EQ(B::GetBandWidthOf(csMatrix(2, 3, 1.0)), 0u);
  EXPECT_EQ(B::GetBandWidthOf(B(5, 3)), 3u);
  EXPECT_EQ(B::GetBandWidthOf(B(0, 3)), 0u);
  B band(3, 2, 1.0);
  band.Set(0, 2, 0.0);  // a zero outside the band is accepted and ignored
  band.Set(2, 1, 5.0);
  EXPECT_TRUE(band == Dense({{1, 1, 0}, {1, 1, 5}, {0, 5, 1}}));
  const B full = Band({{1, 2, 0, 0}, {2, 3, 4, 0}, {0, 4, 5, 6}, {0, 0, 6, 7}});
  const B reduced(full, {false, true, false, false}, true);
  EXPECT_EQ(reduced.GetBandN(), 2u);
  EXPECT_TRUE(reduced == Dense({{1, 0, 0}, {0, 5, 6}, {0, 6, 7}}));
  const B single(DenseOf(full), {false, true, false, false}, false);
  EXPECT_EQ(single.GetBandN(), 1u);
  EXPECT_TRUE(single == Dense({{3}}));
}

// Each operation changes each stored element once, as the symmetric matrix does; a coupling
// block goes in once, above the diagonal or below it as its transpose; Assign clears the
// positions beyond a narrower source's band.
TEST(BandMatrix, AssemblyMatchesTheSymmetricMatrix) {
  std::mt19937 rng(3);
  B band = RandomSpdBand(6, 3, rng);
  const B addend = RandomSpdBand(6, 2, rng);
  csSymmetryMatrix reference(band);
  for (ifMatrix* m : std::initializer_list<ifMatrix*>{&band, &reference}) {
    m->Multiply(2.0);
    m->AddMatrix(addend, -0.5);
    m->AddPartial(2, 2, Dense({{1, 2}, {2, 3}}), 3.0);
    m->AddPartial(1, 2, Dense({{4, 5}, {6, 7}}), 1.0);  // its corner touches the diagonal
    m->AddPartial(4, 3, Dense({{6}, {7}}), 1.0);
  }
  EXPECT_TRUE(band == reference);
  band.Fill(9.0);
  band.Assign(DenseOf(addend));
  EXPECT_TRUE(band == addend);
}

// Against the dense solver, on shapes with the band narrower and wider than the matrix; the
// product over the stored band agrees with the dense one.
TEST(BandMatrix, SolvesKnownAndRandomSystems) {
  Vector x(3);  // [[2,-1,0],[-1,2,-1],[0,-1,2]]·(1,2,3) = (0,0,4)
  Band({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}}).Solve(x, {0, 0, 4});
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(x[i], i + 1.0, 1e-14);
  std::mt19937 rng(23);
  for (const auto& [n, w] : {std::pair<Index, Index>{1, 1}, {4, 1}, {12, 5}, {30, 7}, {9, 12}}) {
    const B band = RandomSpdBand(n, w, rng);
    testing::ExpectSolvesLikeTheDenseSolver(band, rng);
    EXPECT_EQ(band.MultiplyVector(Vector(n, 1.5)), MultiplyVector(DenseOf(band), Vector(n, 1.5)));
  }
}

TEST(BandMatrix, EveryFailedCheckThrowsAndChangesNothing) {
  std::mt19937 rng(17);
  B band = RandomSpdBand(5, 3, rng);
  const csMatrix before = DenseOf(band), ones(3, 3, 1.0), one(1, 1, 1.0);
  csMatrix skew(5, 5);
  skew.Set(0, 1, 1.0);
  Vector x(5, 7.0), x3(3, 7.0), x4(4, 7.0);
  EXPECT_THROW(B(csMatrix(3, 3)), B::exItIsnotBandMatrix);
  EXPECT_THROW(B(csMatrix(2, 2), {true, false}, true), B::exItIsnotBandMatrix);
  EXPECT_THROW(B(band, {true}, true), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(band.Get(5, 0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(band.Set(0, 5, 0.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(band.Set(0, 3, 1.0), B::exOutOfBandRange);
  EXPECT_THROW(band.Assign(B(4, 2)), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(band.Assign(B(5, 4, 1.0)), B::exBandNIsLargerThanThis);
  EXPECT_THROW(band.AddMatrix(skew, 1.0), B::exItIsnotBandMatrix);
  EXPECT_THROW(band.AddPartial(0, 0, csMatrix(2, 3, 1.0), 1.0), B::exItIsnotBandMatrix);
  EXPECT_THROW(band.AddPartial(0, 0, csMatrix(4, 4, 1.0), 1.0), B::exBandNIsLargerThanThis);
  EXPECT_THROW(band.AddPartial(3, 3, ones, 1.0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(band.AddPartial(~0u, ~0u, csMatrix(2, 2, 1.0), 1.0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(band.AddPartial(0, 1, ones, 1.0), B::exPartialMatrixCrossDiagonal);
  EXPECT_THROW(band.AddPartial(0, 2, csMatrix(1, 2, 1.0), 1.0), B::exOutOfBandRange);
  EXPECT_THROW(band.AddPartial(5, 3, one, 1.0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(band.AddPartial(3, 5, one, 1.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(band.Solve(x4, x), B::exLeftVectorIsnotEqualToMatrixInSize);
  EXPECT_THROW(band.Solve(x, x4), B::exRightVectorIsnotEqualToMatrixInSize);
  EXPECT_THROW(B(5, 0).Solve(x, x), B::exDiagonalElementIsZero);
  EXPECT_THROW(Band({{1, 2, 3}, {2, 5, 7}, {3, 7, 10}}).Solve(x3, x3), ifMatrix::exZeroPivot);
  // Pivots 0.1 and -0.1 left of diagonals of 1e12: no longer zero, but round-off.
  Vector x2(2, 7.0);
  for (double rest : {0.1, -0.1}) {
    EXPECT_THROW(Band({{1e12, 1e12}, {1e12, 1e12 + rest}}).Solve(x2, x2), ifMatrix::exZeroPivot);
  }
  const auto zeroDiagonal = testing::Caught<B::exDiagonalElementIsZero>([&] {
    Band({{2, 1, 0, 0}, {1, 3, 1, 0}, {0, 1, 1e-7, 1}, {0, 0, 1, 0}}).Solve(x4, x4);
  });
  ASSERT_TRUE(zeroDiagonal);
  EXPECT_EQ(zeroDiagonal->row, 2u);  // the first zero diagonal
  EXPECT_TRUE(band == before);
  EXPECT_EQ(x, Vector(5, 7.0));
  EXPECT_EQ(x3, Vector(3, 7.0));
  EXPECT_EQ(x4, Vector(4, 7.0));
}

// The literal rule, the reference for the solver's fast test: every pair of whole rows, every
// column, the ratios collected in a list.
bool LiteralTwoRowsAreSameVector(const ifMatrix& a) {
  for (Index p = 0; p < a.GetRowN(); ++p) {
    for (Index q = p + 1; q < a.GetRowN(); ++q) {
      std::vector<double> ratios;
      bool differ = false;
      for (Index j = 0; j < a.GetRowN() && !differ; ++j) {
        if (!IsZero(a.Get(p, j))) ratios.push_back(a.Get(p, j) / a.Get(q, j));
        differ = IsZero(a.Get(p, j)) && !IsZero(a.Get(q, j));
      }
      if (!differ && !ratios.empty() &&
          std::ranges::all_of(ratios, [&](double r) { return r == ratios[0]; }))
        return true;
    }
  }
  return false;
}

bool SolveFindsProportionalRows(const B& band) {
  Vector x(band.GetRowN(), 1.0);
  return testing::Caught<B::exTwoRowsAreSameVector>([&] { band.Solve(x, x); }).has_value();
}

// The same band with row and column i scaled by a power of two s_i (exactly, so every ratio
// scales exactly too), judged by the zero test scaled alike: the verdict must not change.
bool ScaledSolveFindsProportionalRows(const B& band, std::mt19937& rng) {
  const Index n = band.GetRowN();
  ZeroTest zero{kZeroTolerance, Vector(n)};
  for (double& s : zero.scale) s = std::ldexp(1.0, rng() % 2 == 0 ? -20 : 20);
  B scaled(band);
  for (Index i = 0; i < n; ++i)
    for (Index j = i; j < n && j - i < band.GetBandN(); ++j)
      scaled.Set(i, j, band.Get(i, j) * zero.scale[i] * zero.scale[j]);
  Vector x(n, 1.0);
  return testing::Caught<B::exTwoRowsAreSameVector>(
             [&] { scaled.SolveInPlace(x, Vector(n, 1.0), zero); })
      .has_value();
}

// The solver compares only rows that can be proportional; its verdict must be the literal one,
// on crafted pairs and on random matrices of few distinct values (near-zeros among them) so that
// proportional pairs actually occur; with rows scaled and the zero test scaled alike as well.
TEST(BandMatrix, ProportionalRowsGetTheLiteralVerdict) {
  const std::tuple<B, bool> crafted[] = {
      {Band({{3, 0, 0, 0}, {0, 1, 2, 0}, {0, 2, 4, 0}, {0, 0, 0, 5}}), true},  // inside the band
      {Band({{3, 1, 0}, {1, 1.0 / 3.0, 0}, {0, 0, 1}}), true},                 // ratio 1/3 twice
      {Band({{1, 2, 1e-7}, {2, 4, 0}, {1e-7, 0, 1}}), true},                   // near-zeros
      {Band({{1, 2, 0}, {2, 4, 1}, {0, 1, 1}}), false},  // zero meets non-zero
      {Band({{1, 2, 1}, {2, 4, 3}, {1, 3, 9}}), false},  // later ratio differs
      {Band({{1, 1, 0, 0}, {1, 2, 1, 0}, {0, 1, 2, 1}, {0, 0, 1, 1}}), false}};  // far rows
  for (const auto& [band, proportional] : crafted) {
    EXPECT_EQ(LiteralTwoRowsAreSameVector(band), proportional);
    EXPECT_EQ(SolveFindsProportionalRows(band), proportional);
  }
  const double values[] = {0.0, 0.0, 0.0, 1e-7, -1e-7, 1.0, 2.0, 4.0, -2.0, 0.5, 3.0};
  const double diagonals[] = {1.0, 2.0, 4.0, 0.5, -1.0, 3.0};
  std::mt19937 rng(29);
  int proportional = 0;
  for (int trial = 0; trial < 8000; ++trial) {
    const Index n = 2 + trial % 7, w = 1 + (trial / 7) % (n + 1);
    B band(n, w);
    for (Index i = 0; i < n; ++i) {
      band.Set(i, i, diagonals[rng() % std::size(diagonals)]);
      for (Index j = i + 1; j < n && j - i < w; ++j)
        band.Set(i, j, values[rng() % std::size(values)]);
    }
    const bool literal = LiteralTwoRowsAreSameVector(band);
    proportional += literal ? 1 : 0;
    ASSERT_EQ(SolveFindsProportionalRows(band), literal) << "trial " << trial;
    ASSERT_EQ(ScaledSolveFindsProportionalRows(band, rng), literal) << "trial " << trial;
  }
  EXPECT_GT(proportional, 50);  // the sample exercises both verdicts
}

}  // namespace
}  // namespace znMatrix
