// Numeric helpers, the dense matrix with the generic operations, products and the dense solver.
#include <gtest/gtest.h>

#include <limits>

#include "matrix/Matrix.h"
#include "matrix/MatrixBuilders.h"

namespace znMatrix {
namespace {

using testing::Dense;

// Six significant digits with 1e-6 as zero. Values of 10 and more are scaled by dividing by
// 10^k, which decides pairs one unit of the sixth digit apart; values that are not finite
// compare with == (scaling them would never end), subnormal ones scale past 1e308.
TEST(NumericHelpers, ZeroAndNearEqualityFollowTheirRules) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double tiny = std::numeric_limits<double>::denorm_min();
  EXPECT_TRUE(IsZero(-1e-6));
  EXPECT_FALSE(IsZero(1.1e-6));
  struct Case {
    double a, b;
    bool nearlyEqual;
  };
  const Case finite[] = {
      {1.0000001, 1.0000002, true}, {1e-7, -5e-7, true},         {1.00001, 1.00003, false},
      {123456.7, 123456.8, true},   {123456.0, 123458.0, false}, {-2.5e-3, -2.5000001e-3, true},
      {0.0, 2e-6, false},           {10.0005, 10.0006, true},    {10.0006, 10.0007, false},
      {10.0012, 10.0013, true},     {10.0013, 10.0014, false},
  };
  const Case notFinite[] = {
      {inf, inf, true}, {inf, -inf, false}, {1.0, inf, false}, {nan, nan, false}, {0.0, nan, false},
  };
  for (const auto& [a, b, equal] : finite) EXPECT_EQ(IsNearlyEqual(a, b), equal) << a << " " << b;
  for (const auto& [a, b, equal] : notFinite) EXPECT_EQ(IsNearlyEqual(a, b), equal) << a << b;
  EXPECT_TRUE(IsNearlyEqual(tiny, tiny, 6, 0.0));
}

TEST(DenseMatrix, OperatorsPartialAdditionAndProducts) {
  csMatrix a = Dense({{1, 2}, {3, 4}});
  ((a += Dense({{10, 20}, {30, 40}})) *= 2.0) -= Dense({{10, 20}, {30, 40}});
  a.AddAt(0, 1, 1.0);
  a.MultiplyAt(0, 1, 2.0);
  EXPECT_TRUE(a == Dense({{12, 50}, {36, 48}}));
  EXPECT_FALSE(a == Dense({{12, 50}, {36, 48.001}}));
  EXPECT_FALSE(csMatrix(2, 3) == csMatrix(3, 2));
  a.AddPartial(0, 0, a, 1.0);  // the block is read before the matrix changes
  EXPECT_TRUE(a == Dense({{24, 100}, {72, 96}}));
  csMatrix m(3, 4);
  m.AddPartial(1, 2, Dense({{1, 2}, {3, 4}}), 2.0);
  EXPECT_TRUE(m == Dense({{0, 0, 0, 0}, {0, 0, 2, 4}, {0, 0, 6, 8}}));
  const csMatrix p = Dense({{1, 2}, {3, 4}, {5, 6}});
  EXPECT_TRUE(MultiplyMatrix(p, Dense({{1, 0, 2}, {0, 1, 3}})) ==
              Dense({{1, 2, 8}, {3, 4, 18}, {5, 6, 28}}));
  csMatrix square = Dense({{1, 1}, {0, 1}});
  MultiplyMatrix(square, square, square, -2.0);  // C may be one of the factors
  EXPECT_TRUE(square == Dense({{-2, -4}, {0, -2}}));
  Vector y(3);
  MultiplyVector(y, p, {2.0, 1.0}, 0.5);
  EXPECT_EQ(y, (Vector{2.0, 5.0, 8.0}));
}

TEST(DenseSolve, KnownSolutionsIncludingARowExchange) {
  Vector x(2), x3(3);
  Dense({{0, 1}, {1, 0}}).Solve(x, {3.0, 5.0});
  EXPECT_EQ(x, (Vector{5.0, 3.0}));
  // 2x + y − z = 8, −3x − y + 2z = −11, −2x + y + 2z = −3: x = 2, y = 3, z = −1.
  Dense({{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}}).Solve(x3, {8, -11, -3});
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(x3[i], (Vector{2, 3, -1})[i], 1e-12);
  // Rows (1, 0, 3) and (2, 5, 6) differ: the zero meets a non-zero.
  EXPECT_NO_THROW(Dense({{1, 0, 3}, {2, 5, 6}, {0, 1, 1}}).Solve(x3, {1, 1, 1}));
}

TEST(DenseMatrix, EveryFailedCheckThrowsAndChangesNothing) {
  using M = csMatrix;
  M m = Dense({{1, 2, 3}, {4, 5, 6}});
  const M before = m, sq = Dense({{1, 2}, {3, 4}});
  Vector x(2, 7.0), x3(3, 7.0);
  const Vector b(2, 1.0), b3(3, 1.0);
  EXPECT_THROW(m.Get(2, 0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(m.Set(0, 3, 1.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(m = sq, ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(m.AddMatrix(M(3, 3), 1.0), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(m.AddPartial(1, 0, sq, 1.0), ifMatrix::exOutOfRowRange);  // last target row
  EXPECT_THROW(m.AddPartial(0, 2, sq, 1.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(m.AddPartial(0xFFFFFFFFu, 0, sq, 1.0), ifMatrix::exOutOfRowRange);  // wraps
  EXPECT_THROW(MultiplyMatrix(m, M(3, 2), M(2, 3), 1.0), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(MultiplyMatrix(m, sq, sq, 1.0), ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(MultiplyMatrix(m, m), ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight);
  EXPECT_THROW(MultiplyVector(x3, m, x3, 1.0), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(MultiplyVector(x, m, x, 1.0), ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(M(2, 3, 1.0).Solve(x, b), M::exThisIsnotSquareMatrix);
  EXPECT_THROW(sq.Solve(x3, b), M::exLeftVectorIsnotEqualToMatrixInSize);
  EXPECT_THROW(sq.Solve(x, b3), M::exRightVectorIsnotEqualToMatrixInSize);
  EXPECT_THROW(Dense({{1, 2}, {1e-7, -1e-6}}).Solve(x, b), M::exThereIsZeroRow);
  EXPECT_THROW(Dense({{1, 0}, {2, 1e-7}}).Solve(x, b), M::exThereIsZeroCol);
  EXPECT_THROW(Dense({{1, 2, 0}, {2, 4, 0}, {0, 0, 1}}).Solve(x3, b3), M::exTwoRowsAreSameVector);
  EXPECT_THROW(Dense({{1, 2, 0}, {2, 4, 1}, {3, 6, 5}}).Solve(x3, b3), M::exTwoColsAreSameVector);
  EXPECT_THROW(Dense({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}).Solve(x3, b3), ifMatrix::exZeroPivot);
  EXPECT_TRUE(m == before);
  EXPECT_EQ(x, Vector(2, 7.0));
  EXPECT_EQ(x3, Vector(3, 7.0));
}

}  // namespace
}  // namespace znMatrix
