// Symmetric matrix on its upper triangle: one stored value per pair, once-per-element
// operations, block additions on and off the diagonal, and the solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "matrix/MatrixBuilders.h"
#include "matrix/SymmetryMatrix.h"

namespace znMatrix {
namespace {

using testing::Dense;
using S = csSymmetryMatrix;

S Sym(std::initializer_list<std::initializer_list<double>> rows) {
  return S(Dense(rows));
}

// Each generic operation changes the one stored value of (i, j) and (j, i) once. A diagonal
// block adds its upper triangle; a block below the diagonal goes in as its transpose; a block
// whose corner lies on the diagonal does not cross it.
TEST(SymmetryMatrix, OperationsActOncePerStoredElement) {
  S s = Sym({{1, 2, 0}, {2, 3, 4}, {0, 4, 5}});
  s.Set(2, 0, 1.0);  // seen at (0, 2) as well
  s.AddAt(1, 2, 1.0);
  s.Multiply(2.0);
  s.AddMatrix(csMatrix(3, 3, 1.0), 0.5);
  EXPECT_TRUE(s == Dense({{2.5, 4.5, 2.5}, {4.5, 6.5, 10.5}, {2.5, 10.5, 10.5}}));
  S d(5);
  ifMatrix& generic = d;  // through the interface, as assembly code calls it
  generic.AddPartial(3, 0, Dense({{9}}), 1.0);
  d.AddPartial(1, 1, Dense({{1, 2}, {99, 3}}), 2.0, false);
  d.AddPartial(3, 0, Dense({{1, 2}, {3, 4}}), 1.0, true);
  d.AddPartial(0, 2, csMatrix(3, 3, 1.0), 1.0, true);
  EXPECT_TRUE(
      d ==
      Dense(
          {{0, 0, 1, 11, 4}, {0, 2, 5, 3, 5}, {1, 5, 7, 1, 1}, {11, 3, 1, 0, 0}, {4, 5, 1, 0, 0}}));
  S product(2, 9.0);  // A·Aᵀ with A 2×3: the inner sum runs over A's three columns
  MultiplySymmetric(product, Dense({{1, 2, 3}, {4, 5, 6}}), Dense({{1, 4}, {2, 5}, {3, 6}}), 1.0);
  EXPECT_TRUE(product == Dense({{14, 32}, {32, 77}}));
}

// Up to 6×6 the values are held inline, beyond on the heap: copies, moves and swaps across
// both keep every value.
TEST(SymmetryMatrix, CopiesAndMovesKeepTheValuesInlineAndOnTheHeap) {
  for (Index n : {Index{6}, Index{7}}) {
    S a(n);
    for (Index i = 0; i < n; ++i) {
      for (Index j = i; j < n; ++j) a.Set(i, j, 10.0 * i + j);
    }
    const S copy(a);
    S assigned(n, 1.0);  // copy assignment keeps the shape
    assigned = a;
    S moved(std::move(a));
    S moveAssigned(13 - n, 2.0);  // a move takes the other shape
    moveAssigned = std::move(moved);
    for (const S* m :
         {&copy, static_cast<const S*>(&assigned), static_cast<const S*>(&moveAssigned)}) {
      ASSERT_EQ(m->GetRowN(), n);
      for (Index i = 0; i < n; ++i) {
        for (Index j = 0; j < n; ++j)
          EXPECT_EQ(m->Get(i, j), 10.0 * std::min(i, j) + std::max(i, j));
      }
    }
  }
}

TEST(SymmetrySolve, AgreesWithTheDenseSolverOnRandomSystems) {
  std::mt19937 rng(7);
  for (Index n : {1u, 5u, 12u}) {
    S s(n);
    testing::FillRandomSpdBand(s, n, rng);
    testing::ExpectSolvesLikeTheDenseSolver(s, rng);
  }
}

TEST(SymmetryMatrix, EveryFailedCheckThrowsAndChangesNothing) {
  S s = Sym({{1, 2, 3}, {2, 4, 5}, {3, 5, 6}});
  const csMatrix before = testing::DenseOf(s), ones(3, 3, 1.0), skew = Dense({{1, 2}, {3, 4}});
  Vector x(2, 7.0), x3(3, 7.0);
  const Vector b(2, 1.0), b3(3, 1.0);
  EXPECT_THROW(s.Get(3, 0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(s.Set(0, 3, 1.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(Sym({{1, 2}, {2.0000001, 1}}), S::exItIsnotSymmetryMatrix);  // compared exactly
  EXPECT_THROW(S(csMatrix(2, 3)), S::exItIsnotSymmetryMatrix);
  EXPECT_THROW(s.AddPartial(0, 1, ones, 1.0, false), S::exPartialMatrixCrossDiagonal);
  EXPECT_THROW(s.AddPartial(1, 0, ones, 1.0, false), S::exPartialMatrixCrossDiagonal);
  EXPECT_THROW(s.AddPartial(0, 0, skew, 1.0, true), S::exItIsnotSymmetryMatrix);
  EXPECT_THROW(s.AddPartial(2, 2, skew, 1.0, false), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(s.AddPartial(2, 2, csMatrix(1, 3), 1.0, false), ifMatrix::exOutOfColRange);
  EXPECT_THROW(s.AddPartial(0, 2, csMatrix(2, 3), 1.0, false), ifMatrix::exOutOfColRange);
  EXPECT_THROW(s.AddMatrix(Dense({{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}), 1.0, true),
               S::exItIsnotSymmetryMatrix);
  EXPECT_THROW(s.AddMatrix(skew, 1.0, false), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(MultiplySymmetric(s, csMatrix(2, 3), ones, 1.0), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(MultiplySymmetric(s, ones, csMatrix(3, 2), 1.0), ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(MultiplySymmetric(s, csMatrix(3, 2), ones, 1.0),
               ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight);
  EXPECT_THROW(s.Solve(x, b3), S::exLeftVectorIsnotEqualToMatrixInSize);
  EXPECT_THROW(s.Solve(x3, b), S::exRightVectorIsnotEqualToMatrixInSize);
  EXPECT_THROW(Sym({{1, 0}, {0, 1e-7}}).Solve(x, b), S::exDiagonalElementIsZero);
  EXPECT_THROW(Sym({{1, 2}, {2, 4}}).Solve(x, b), S::exTwoRowsAreSameVector);
  EXPECT_THROW(Sym({{1, 2, 3}, {2, 5, 7}, {3, 7, 10}}).Solve(x3, b3), ifMatrix::exZeroPivot);
  EXPECT_TRUE(s == before);
  EXPECT_EQ(x, Vector(2, 7.0));
  EXPECT_EQ(x3, Vector(3, 7.0));
}

}  // namespace
}  // namespace znMatrix
