// Symmetric matrix on its upper triangle: storage, once-per-element operations, block
// additions, the product Tᵀ·K·T and the solver.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "matrix/MatrixBuilders.h"
#include "matrix/SymmetryMatrix.h"

namespace znMatrix {
namespace {

using testing::Dense;
using testing::DenseOf;

csSymmetryMatrix Sym(std::initializer_list<std::initializer_list<double>> rows) {
  return csSymmetryMatrix(Dense(rows));
}

TEST(SymmetryMatrix, OneStoredValueServesBothPositions) {
  csSymmetryMatrix s(3);
  s.Set(2, 1, 5.0);
  EXPECT_EQ(s.Get(1, 2), 5.0);
  s.AddAt(1, 2, 1.0);
  EXPECT_EQ(s.Get(2, 1), 6.0);
  EXPECT_THROW(s.Get(3, 0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(s.Set(0, 3, 1.0), ifMatrix::exOutOfColRange);
}

TEST(SymmetryMatrix, ConstructionNeedsAnExactlySymmetricSquareSource) {
  EXPECT_THROW(csSymmetryMatrix(Dense({{1, 2}, {2.0000001, 1}})),
               csSymmetryMatrix::exItIsnotSymmetryMatrix);
  EXPECT_THROW(csSymmetryMatrix(csMatrix(2, 3)), csSymmetryMatrix::exItIsnotSymmetryMatrix);
  EXPECT_TRUE(Sym({{1, 2}, {2, 3}}) == Dense({{1, 2}, {2, 3}}));
}

// Each generic operation changes the one stored value of (i, j) and (j, i) once.
TEST(SymmetryMatrix, GenericOperationsActOncePerStoredElement) {
  csSymmetryMatrix s = Sym({{1, 2, 0}, {2, 3, 4}, {0, 4, 5}});
  s.Multiply(2.0);
  EXPECT_TRUE(s == Dense({{2, 4, 0}, {4, 6, 8}, {0, 8, 10}}));

  s.AddMatrix(Dense({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}), 0.5);
  EXPECT_TRUE(s == Dense({{2.5, 4.5, 0.5}, {4.5, 6.5, 8.5}, {0.5, 8.5, 10.5}}));
  s -= s;
  EXPECT_TRUE(s == csMatrix(3, 3));

  csSymmetryMatrix d(4);
  ifMatrix& generic = d;  // through the interface, as assembly code calls it
  generic.AddPartial(1, 1, Dense({{2, 1}, {1, 3}}), 1.0);
  generic.AddPartial(0, 2, Dense({{7, 8}}), 1.0);
  generic.AddPartial(3, 0, Dense({{9}}), 1.0);
  EXPECT_TRUE(d == Dense({{0, 0, 7, 17}, {0, 2, 1, 0}, {7, 1, 3, 0}, {17, 0, 0, 0}}));
}

TEST(SymmetryMatrix, AddPartialBlocksOnAndOffTheDiagonal) {
  csSymmetryMatrix s(5);
  // The upper triangle of a diagonal block; its lower triangle is not read without check.
  s.AddPartial(1, 1, Dense({{1, 2}, {99, 3}}), 2.0, false);
  EXPECT_TRUE(
      s ==
      Dense({{0, 0, 0, 0, 0}, {0, 2, 4, 0, 0}, {0, 4, 6, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}));
  // Below the diagonal: the block goes in as its transpose.
  csSymmetryMatrix below(5);
  below.AddPartial(3, 0, Dense({{1, 2}, {3, 4}}), 1.0, true);
  EXPECT_EQ(below.Get(0, 3), 1.0);
  EXPECT_EQ(below.Get(1, 3), 2.0);
  EXPECT_EQ(below.Get(0, 4), 3.0);
  EXPECT_EQ(below.Get(1, 4), 4.0);
  // The corner on the diagonal does not cross it.
  csSymmetryMatrix corner(5);
  corner.AddPartial(0, 2, csMatrix(3, 3, 1.0), 1.0, true);
  EXPECT_EQ(corner.Get(2, 2), 1.0);
  EXPECT_EQ(corner.Get(0, 4), 1.0);
}

TEST(SymmetryMatrix, FailedAdditionsThrowAndChangeNothing) {
  struct Case {
    const char* name;
    void (*run)(csSymmetryMatrix&);
  };
  const Case cases[] = {
      {"crossing above",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddPartial(0, 1, csMatrix(3, 3, 1.0), 1.0, false),
                      csSymmetryMatrix::exPartialMatrixCrossDiagonal);
       }},
      {"crossing below",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddPartial(1, 0, csMatrix(3, 3, 1.0), 1.0, false),
                      csSymmetryMatrix::exPartialMatrixCrossDiagonal);
       }},
      {"non-symmetric diagonal block",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddPartial(0, 0, Dense({{1, 2}, {3, 4}}), 1.0, true),
                      csSymmetryMatrix::exItIsnotSymmetryMatrix);
       }},
      {"diagonal block past the last row",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddPartial(3, 3, csMatrix(2, 2, 1.0), 1.0, true),
                      ifMatrix::exOutOfRowRange);
       }},
      {"wide diagonal block past the last column",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddPartial(2, 2, csMatrix(1, 3, 1.0), 1.0, false),
                      ifMatrix::exOutOfColRange);
       }},
      {"off-diagonal block past the last column",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddPartial(0, 2, csMatrix(2, 3, 1.0), 1.0, false),
                      ifMatrix::exOutOfColRange);
       }},
      {"non-symmetric whole matrix",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddMatrix(Dense({{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}), 1.0, true),
                      csSymmetryMatrix::exItIsnotSymmetryMatrix);
       }},
      {"whole matrix of another size",
       [](csSymmetryMatrix& s) {
         EXPECT_THROW(s.AddMatrix(csMatrix(2, 2), 1.0, false), ifMatrix::exRowNIsnotEqual);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    csSymmetryMatrix s = Sym({{1, 2, 3}, {2, 4, 5}, {3, 5, 6}});
    const csMatrix before = DenseOf(s);
    c.run(s);
    EXPECT_TRUE(s == before);
  }
}

TEST(SymmetryMatrix, MultiplySymmetricSumsOverTheInnerDimension) {
  // A (2×3) times Aᵀ (3×2): the inner sum has three terms, not two.
  const csMatrix a = Dense({{1, 2, 3}, {4, 5, 6}});
  csMatrix at = a;
  at.Transpose();
  csSymmetryMatrix result(2);
  MultiplySymmetric(result, a, at, 1.0);
  EXPECT_TRUE(result == Dense({{14, 32}, {32, 77}}));
  EXPECT_THROW(MultiplySymmetric(result, at, a, 1.0), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(MultiplySymmetric(result, a, a, 1.0), ifMatrix::exColNIsnotEqual);
  EXPECT_THROW(MultiplySymmetric(result, a, csMatrix(2, 2), 1.0),
               ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight);
}

TEST(SymmetrySolve, AgreesWithTheDenseSolverOnRandomSystems) {
  std::mt19937 rng(7);
  for (Index n : {1u, 2u, 5u, 12u}) {
    csSymmetryMatrix s(n);
    testing::FillRandomSpdBand(s, n, rng);
    Vector b(n);
    for (Index i = 0; i < n; ++i) b[i] = 1.0 + i;
    Vector x(n), reference(n);
    s.Solve(x, b);
    DenseOf(s).Solve(reference, b);
    for (Index i = 0; i < n; ++i) EXPECT_NEAR(x[i], reference[i], 1e-12 * (1 + std::abs(x[i])));
    EXPECT_LT(testing::RelativeResidual(s, x, b), 1e-13);
  }
}

TEST(SymmetrySolve, EveryCheckThrowsAndLeavesTheSolutionUntouched) {
  struct Case {
    const char* name;
    csSymmetryMatrix s;
    Index xSize, bSize;
    void (*expect)(const csSymmetryMatrix&, Vector&, const Vector&);
  };
  const auto throwsAs = []<class Ex>(Ex) {
    return +[](const csSymmetryMatrix& s, Vector& x, const Vector& b) {
      EXPECT_THROW(s.Solve(x, b), Ex);
    };
  };
  const Case cases[] = {
      {"x size", Sym({{1, 0}, {0, 1}}), 1, 2,
       throwsAs(csSymmetryMatrix::exLeftVectorIsnotEqualToMatrixInSize{})},
      {"b size", Sym({{1, 0}, {0, 1}}), 2, 3,
       throwsAs(csSymmetryMatrix::exRightVectorIsnotEqualToMatrixInSize{})},
      {"diagonal 1e-7", Sym({{1, 0}, {0, 1e-7}}), 2, 2,
       throwsAs(csSymmetryMatrix::exDiagonalElementIsZero{})},
      {"proportional rows", Sym({{1, 2}, {2, 4}}), 2, 2,
       throwsAs(csSymmetryMatrix::exTwoRowsAreSameVector{})},
      {"singular by elimination", Sym({{1, 2, 3}, {2, 5, 7}, {3, 7, 10}}), 3, 3,
       throwsAs(ifMatrix::exZeroPivot{})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Vector x(c.xSize, 7.0);
    const Vector before = x;
    const csMatrix matrixBefore = DenseOf(c.s);
    c.expect(c.s, x, Vector(c.bSize, 1.0));
    EXPECT_EQ(x, before);
    EXPECT_TRUE(c.s == matrixBefore);
  }
}

}  // namespace
}  // namespace znMatrix
