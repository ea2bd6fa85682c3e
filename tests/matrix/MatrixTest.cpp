// Dense matrix, generic operations, products and the numeric helpers.
#include <gtest/gtest.h>

#include <limits>

#include "matrix/Matrix.h"
#include "matrix/MatrixBuilders.h"

namespace znMatrix {
namespace {

using testing::Dense;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumericHelpers, IsZeroIsAbsoluteWithinOneMillionth) {
  EXPECT_TRUE(IsZero(0.0));
  EXPECT_TRUE(IsZero(1e-6));
  EXPECT_TRUE(IsZero(-1e-6));
  EXPECT_FALSE(IsZero(1.1e-6));
  EXPECT_FALSE(IsZero(kNaN));
}

TEST(NumericHelpers, IsNearlyEqualComparesSixSignificantDigits) {
  struct Case {
    double a, b;
    bool expected;
  };
  const Case cases[] = {
      {1.0000001, 1.0000002, true}, {1e-7, -5e-7, true},          {1.00001, 1.00003, false},
      {123456.7, 123456.8, true},   {123456.0, 123458.0, false},  {-2.5e-3, -2.5000001e-3, true},
      {0.0, 2e-6, false},           {1e300, 1.0000001e300, true}, {5e-300, 5e-300, true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsNearlyEqual(c.a, c.b), c.expected) << c.a << " " << c.b;
}

// Values ≥ 10 are brought into [1, 10) by dividing by 10^k; pairs that differ by exactly one unit
// of the sixth digit are then decided by the rounding of that division, as the rule prescribes.
TEST(NumericHelpers, IsNearlyEqualScalesLargeValuesDownByDivision) {
  struct Case {
    double a, b;
    bool expected;
  };
  const Case cases[] = {
      {10.0005, 10.0006, true},
      {10.0006, 10.0007, false},
      {10.0012, 10.0013, true},
      {10.0013, 10.0014, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsNearlyEqual(c.a, c.b), c.expected) << c.a << " " << c.b;
}

TEST(NumericHelpers, IsNearlyEqualTerminatesOnInfinityAndNaN) {
  struct Case {
    double a, b;
    bool expected;
  };
  const Case cases[] = {
      {kInf, kInf, true}, {-kInf, -kInf, true}, {kInf, -kInf, false},
      {kInf, 1.0, false}, {1.0, kInf, false},   {kNaN, kNaN, false},
      {kNaN, 1.0, false}, {1.0, kNaN, false},   {0.0, kNaN, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsNearlyEqual(c.a, c.b), c.expected) << c.a << " " << c.b;
  // Subnormal values scale by more than 10^308 and must not overflow the scale factor.
  const double tiny = std::numeric_limits<double>::denorm_min();
  EXPECT_TRUE(IsNearlyEqual(tiny, tiny, 6, 0.0));
}

TEST(MatrixEquality, UsesNearEqualityAndShape) {
  EXPECT_TRUE(Dense({{1.0000001, 1e-7}}) == Dense({{1.0000002, -5e-7}}));
  EXPECT_FALSE(Dense({{1.00001}}) == Dense({{1.00003}}));
  EXPECT_FALSE(csMatrix(2, 3) == csMatrix(3, 2));
}

TEST(DenseMatrix, ShapeAndAccess) {
  EXPECT_EQ(csMatrix(0, 5).GetColN(), 0u);
  csMatrix m(2, 3, 1.5);
  EXPECT_EQ(m.GetRowN(), 2u);
  EXPECT_EQ(m.GetColN(), 3u);
  m.Set(1, 2, 4.0);
  EXPECT_EQ(m.Get(1, 2), 4.0);
  EXPECT_EQ(m.Get(0, 0), 1.5);
  EXPECT_THROW(m.Get(2, 0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(m.Set(0, 3, 1.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(m.AddAt(0, 3, 1.0), ifMatrix::exOutOfColRange);
  m.AddAt(1, 2, 1.0);
  m.MultiplyAt(1, 2, 2.0);
  EXPECT_EQ(m.Get(1, 2), 10.0);
  m.Fill(-1.0);
  EXPECT_EQ(m.Get(1, 1), -1.0);
}

TEST(DenseMatrix, WholeMatrixOperationsAndOperators) {
  csMatrix a = Dense({{1, 2}, {3, 4}});
  const csMatrix b = Dense({{10, 20}, {30, 40}});
  a += b;
  EXPECT_TRUE(a == Dense({{11, 22}, {33, 44}}));
  a -= b;
  a *= 3.0;
  EXPECT_TRUE(a == Dense({{3, 6}, {9, 12}}));
  a = b;
  EXPECT_TRUE(a == b);
  csMatrix wide(2, 3);
  EXPECT_THROW(wide = b, ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(wide.AddMatrix(csMatrix(3, 3), 1.0), ifMatrix::exRowNIsnotEqual);
}

TEST(DenseMatrix, AddPartialChecksTheLastTargetPosition) {
  csMatrix m(3, 4);
  const csMatrix block = Dense({{1, 2}, {3, 4}});
  m.AddPartial(1, 2, block, 2.0);
  EXPECT_TRUE(m == Dense({{0, 0, 0, 0}, {0, 0, 2, 4}, {0, 0, 6, 8}}));
  EXPECT_THROW(m.AddPartial(2, 0, block, 1.0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(m.AddPartial(0, 3, block, 1.0), ifMatrix::exOutOfColRange);
  EXPECT_THROW(m.AddPartial(0xFFFFFFFFu, 0, block, 1.0), ifMatrix::exOutOfRowRange);
  // A block taken from the matrix itself is read before it is changed.
  csMatrix self = Dense({{1, 2}, {3, 4}});
  self.AddPartial(0, 0, self, 1.0);
  EXPECT_TRUE(self == Dense({{2, 4}, {6, 8}}));
}

TEST(Products, MultiplyMatrixAndVector) {
  const csMatrix a = Dense({{1, 2}, {3, 4}, {5, 6}});
  const csMatrix b = Dense({{1, 0, 2}, {0, 1, 3}});
  EXPECT_TRUE(MultiplyMatrix(a, b) == Dense({{1, 2, 8}, {3, 4, 18}, {5, 6, 28}}));
  csMatrix c(3, 3);
  MultiplyMatrix(c, a, b, -2.0);
  EXPECT_EQ(c.Get(2, 2), -56.0);
  EXPECT_THROW(MultiplyMatrix(c, b, a, 1.0), ifMatrix::exRowNIsnotEqual);
  csMatrix c32(3, 2);
  EXPECT_THROW(MultiplyMatrix(c32, a, b, 1.0), ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(MultiplyMatrix(a, a), ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight);
  // The product is complete before C is written, so C may be one of the factors.
  csMatrix square = Dense({{1, 1}, {0, 1}});
  MultiplyMatrix(square, square, square, 1.0);
  EXPECT_TRUE(square == Dense({{1, 2}, {0, 1}}));

  EXPECT_EQ(MultiplyVector(a, {1.0, -1.0}), (Vector{-1.0, -1.0, -1.0}));
  Vector y(3);
  MultiplyVector(y, a, {2.0, 1.0}, 0.5);
  EXPECT_EQ(y, (Vector{2.0, 5.0, 8.0}));
  Vector shortY(2);
  EXPECT_THROW(MultiplyVector(shortY, a, {1.0, 1.0}, 1.0), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(MultiplyVector(y, a, {1.0}, 1.0), ifMatrix::exColNIsnotEqual);
}

TEST(DenseSolve, KnownSolutionsIncludingARowExchange) {
  Vector x(2);
  Dense({{0, 1}, {1, 0}}).Solve(x, {3.0, 5.0});
  EXPECT_EQ(x, (Vector{5.0, 3.0}));
  // 2x + y − z = 8, −3x − y + 2z = −11, −2x + y + 2z = −3: x = 2, y = 3, z = −1.
  Vector x3(3);
  Dense({{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}}).Solve(x3, {8, -11, -3});
  EXPECT_NEAR(x3[0], 2.0, 1e-12);
  EXPECT_NEAR(x3[1], 3.0, 1e-12);
  EXPECT_NEAR(x3[2], -1.0, 1e-12);
}

TEST(DenseSolve, EveryCheckThrowsAndLeavesTheSolutionUntouched) {
  struct Case {
    const char* name;
    csMatrix a;
    Index xSize, bSize;
    void (*expect)(const csMatrix&, Vector&, const Vector&);
  };
  const auto throwsAs = []<class Ex>(Ex) {
    return +[](const csMatrix& a, Vector& x, const Vector& b) { EXPECT_THROW(a.Solve(x, b), Ex); };
  };
  const Case cases[] = {
      {"not square", csMatrix(2, 3, 1.0), 2, 2, throwsAs(csMatrix::exThisIsnotSquareMatrix{})},
      {"x size", Dense({{1, 0}, {0, 1}}), 3, 2,
       throwsAs(csMatrix::exLeftVectorIsnotEqualToMatrixInSize{})},
      {"b size", Dense({{1, 0}, {0, 1}}), 2, 1,
       throwsAs(csMatrix::exRightVectorIsnotEqualToMatrixInSize{})},
      {"near-zero row", Dense({{1, 2}, {1e-7, -1e-6}}), 2, 2,
       throwsAs(csMatrix::exThereIsZeroRow{})},
      {"zero column", Dense({{1, 0}, {2, 1e-7}}), 2, 2, throwsAs(csMatrix::exThereIsZeroCol{})},
      {"proportional rows", Dense({{1, 2}, {2, 4}}), 2, 2,
       throwsAs(csMatrix::exTwoRowsAreSameVector{})},
      {"proportional columns", Dense({{1, 2, 0}, {2, 4, 1}, {3, 6, 5}}), 3, 3,
       throwsAs(csMatrix::exTwoColsAreSameVector{})},
      {"singular by elimination", Dense({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), 3, 3,
       throwsAs(ifMatrix::exZeroPivot{})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Vector x(c.xSize, 7.0);
    const Vector before = x;
    const csMatrix copy = c.a;
    c.expect(c.a, x, Vector(c.bSize, 1.0));
    EXPECT_EQ(x, before);
    EXPECT_TRUE(c.a == copy);
  }
}

TEST(ProportionalRows, ZeroMeetingNonZeroSeparatesRows) {
  Vector x(3);
  EXPECT_THROW(Dense({{1, 2, 0}, {2, 4, 0}, {0, 0, 1}}).Solve(x, {1, 1, 1}),
               csMatrix::exTwoRowsAreSameVector);
  EXPECT_NO_THROW(Dense({{1, 0, 3}, {2, 5, 6}, {0, 1, 1}}).Solve(x, {1, 1, 1}));
}

}  // namespace
}  // namespace znMatrix
