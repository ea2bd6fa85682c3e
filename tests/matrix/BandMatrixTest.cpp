// Symmetric band matrix: band width, storage, reduced matrices, assembly and the solver.
#include <gtest/gtest.h>

#include <random>

#include "matrix/BandMatrix.h"
#include "matrix/MatrixBuilders.h"
#include "matrix/SymmetryMatrix.h"

namespace znMatrix {
namespace {

using testing::Dense;
using testing::DenseOf;

csBandMatrix Band(std::initializer_list<std::initializer_list<double>> rows) {
  return csBandMatrix(Dense(rows));
}

csBandMatrix RandomSpdBand(Index n, Index w, std::mt19937& rng) {
  csBandMatrix band(n, w);
  testing::FillRandomSpdBand(band, w, rng);
  return band;
}

TEST(BandWidth, MeasuredFromTheLastNonZeroOfEachRow) {
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(Dense({{4, 1, 0}, {1, 4, 1}, {0, 1, 4}})), 2u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(Dense({{4, 0, 0}, {0, 4, 0}, {0, 0, 4}})), 1u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(Dense({{0, 0, 1}, {0, 0, 0}, {1, 0, 0}})), 3u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(csMatrix(3, 3)), 0u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(Dense({{1, 2}, {3, 1}})), 0u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(csMatrix(2, 3, 1.0)), 0u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(csBandMatrix(5, 3)), 3u);
  EXPECT_EQ(csBandMatrix::GetBandWidthOf(csBandMatrix(0, 3)), 0u);
  EXPECT_THROW(csBandMatrix(csMatrix(3, 3)), csBandMatrix::exItIsnotBandMatrix);
  EXPECT_THROW(csBandMatrix(Dense({{1, 2}, {3, 1}})), csBandMatrix::exItIsnotBandMatrix);
}

TEST(BandMatrix, ElementsOutsideTheBandAreZero) {
  csBandMatrix band(3, 2, 1.0);
  EXPECT_EQ(band.GetBandN(), 2u);
  EXPECT_EQ(band.Get(0, 2), 0.0);
  band.Set(0, 2, 0.0);
  EXPECT_THROW(band.Set(0, 2, 1.0), csBandMatrix::exOutOfBandRange);
  EXPECT_THROW(band.AddAt(2, 0, 1.0), csBandMatrix::exOutOfBandRange);
  EXPECT_THROW(band.Get(3, 0), ifMatrix::exOutOfRowRange);
  EXPECT_THROW(band.Set(0, 3, 0.0), ifMatrix::exOutOfColRange);
  band.Set(2, 1, 5.0);
  EXPECT_EQ(band.Get(1, 2), 5.0);
  band.Fill(3.0);
  EXPECT_TRUE(band == Dense({{3, 3, 0}, {3, 3, 3}, {0, 3, 3}}));
  band.Transpose();
  EXPECT_EQ(band.Get(0, 1), 3.0);
}

TEST(ReducedBandMatrix, KeepsTheSelectedRowsAndColumnsInOrder) {
  const csBandMatrix full = Band({{1, 2, 0, 0}, {2, 3, 4, 0}, {0, 4, 5, 6}, {0, 0, 6, 7}});
  const csBandMatrix reduced(full, {false, true, false, false}, true);
  EXPECT_EQ(reduced.GetRowN(), 3u);
  EXPECT_EQ(reduced.GetBandN(), 2u);
  EXPECT_TRUE(reduced == Dense({{1, 0, 0}, {0, 5, 6}, {0, 6, 7}}));
  EXPECT_TRUE(csBandMatrix(full, {false, true, false, false}, false) == Dense({{3}}));
  EXPECT_THROW(csBandMatrix(full, {true, false}, true), ifMatrix::exRowNIsnotEqual);
  EXPECT_THROW(csBandMatrix(csMatrix(4, 4), {true, false, false, false}, true),
               csBandMatrix::exItIsnotBandMatrix);
}

TEST(ReducedBandMatrix, MatchesTheDenseSubmatrixForRandomMasks) {
  std::mt19937 rng(11);
  std::bernoulli_distribution coin(0.3);
  for (int trial = 0; trial < 200; ++trial) {
    const Index n = 1 + trial % 13;
    const Index w = 1 + (trial / 13) % (n + 1);
    const csBandMatrix full = RandomSpdBand(n, w, rng);
    std::vector<bool> mask(n);
    for (Index i = 0; i < n; ++i) mask[i] = coin(rng);
    const bool invert = trial % 2 == 0;
    std::vector<Index> kept;
    for (Index i = 0; i < n; ++i) {
      if (mask[i] != invert) kept.push_back(i);
    }
    csMatrix expected(static_cast<Index>(kept.size()), static_cast<Index>(kept.size()));
    for (Index r = 0; r < kept.size(); ++r) {
      for (Index c = 0; c < kept.size(); ++c) expected.Set(r, c, full.Get(kept[r], kept[c]));
    }
    const csBandMatrix fromBand(full, mask, invert);
    const csBandMatrix fromDense(DenseOf(full), mask, invert);
    EXPECT_TRUE(fromBand == expected) << "trial " << trial;
    EXPECT_TRUE(fromDense == expected) << "trial " << trial;
    // Reduced width: the most selected indices within one row's reach of the full band.
    Index widest = 0;
    for (Index r = 0; r < kept.size(); ++r) {
      Index reach = 0;
      for (Index c = r; c < kept.size() && kept[c] - kept[r] < w; ++c) ++reach;
      widest = std::max(widest, reach);
    }
    EXPECT_EQ(fromBand.GetBandN(), widest);
    EXPECT_LE(fromBand.GetBandN(), w);
  }
}

TEST(BandAssembly, OffDiagonalBlockBelowGoesInAsItsTranspose) {
  const csMatrix block = Dense({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  csBandMatrix wide(6, 6);
  wide.AddPartial(3, 0, block, 1.0);
  for (Index i = 0; i < 3; ++i) {
    for (Index j = 0; j < 3; ++j) EXPECT_EQ(wide.Get(j, 3 + i), block.Get(i, j));
  }
  csBandMatrix narrow(6, 5);
  EXPECT_THROW(narrow.AddPartial(3, 0, block, 1.0), csBandMatrix::exOutOfBandRange);
}

// Each generic operation changes each stored element once, as the dense equivalent does.
TEST(BandAssembly, OperationsActOncePerStoredElement) {
  std::mt19937 rng(3);
  const csBandMatrix start = RandomSpdBand(6, 3, rng);
  const csMatrix symmetricBlock = Dense({{1, 2}, {2, 3}});
  const csMatrix coupling = Dense({{4, 5}});

  csBandMatrix band = start;
  csMatrix dense = DenseOf(start);
  band.Multiply(2.0);
  dense.Multiply(2.0);
  EXPECT_TRUE(band == dense);

  const csBandMatrix addend = RandomSpdBand(6, 2, rng);
  band.AddMatrix(addend, -0.5);
  dense.AddMatrix(DenseOf(addend), -0.5);
  EXPECT_TRUE(band == dense);

  band.AddPartial(2, 2, symmetricBlock, 3.0);
  dense.AddPartial(2, 2, symmetricBlock, 3.0);
  EXPECT_TRUE(band == dense);

  band.AddPartial(1, 2, coupling, 1.0);  // one coupling block; the mirror is the same element
  csMatrix couplingT = coupling;
  couplingT.Transpose();
  dense.AddPartial(1, 2, coupling, 1.0);
  dense.AddPartial(2, 1, couplingT, 1.0);
  EXPECT_TRUE(band == dense);
  band.AddPartial(4, 3, couplingT, 1.0);  // below the diagonal: the same element as (3, 4)
  dense.AddPartial(3, 3, Dense({{0, 4}, {4, 0}}), 1.0);
  dense.AddPartial(3, 5, Dense({{5}}), 1.0);
  dense.AddPartial(5, 3, Dense({{5}}), 1.0);
  EXPECT_TRUE(band == dense);
}

TEST(BandAssembly, AssignTakesAnyNarrowerSymmetricSource) {
  std::mt19937 rng(5);
  const csBandMatrix narrow = RandomSpdBand(5, 2, rng);
  csBandMatrix band(5, 3, 9.0);
  band.Assign(narrow);
  EXPECT_TRUE(band == narrow);
  band = csBandMatrix(5, 3, 9.0);
  band.Assign(DenseOf(narrow));
  EXPECT_TRUE(band == narrow);
}

TEST(BandAssembly, FailedOperationsThrowAndChangeNothing) {
  struct Case {
    const char* name;
    void (*run)(csBandMatrix&);
  };
  const Case cases[] = {
      {"assign of another size",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.Assign(csBandMatrix(4, 2)), ifMatrix::exRowNIsnotEqual);
       }},
      {"assign of a wider band",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.Assign(csBandMatrix(5, 4, 1.0)), csBandMatrix::exBandNIsLargerThanThis);
       }},
      {"add of a non-symmetric matrix",
       [](csBandMatrix& b) {
         csMatrix m(5, 5);
         m.Set(0, 1, 1.0);
         EXPECT_THROW(b.AddMatrix(m, 1.0), csBandMatrix::exItIsnotBandMatrix);
       }},
      {"non-square diagonal block",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(0, 0, csMatrix(2, 3, 1.0), 1.0),
                      csBandMatrix::exItIsnotBandMatrix);
       }},
      {"diagonal block wider than the band",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(0, 0, csMatrix(4, 4, 1.0), 1.0),
                      csBandMatrix::exBandNIsLargerThanThis);
       }},
      {"diagonal block past the last row",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(4, 4, csMatrix(2, 2, 1.0), 1.0), ifMatrix::exOutOfRowRange);
       }},
      {"crossing block",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(0, 1, csMatrix(3, 3, 1.0), 1.0),
                      csBandMatrix::exPartialMatrixCrossDiagonal);
       }},
      {"block reaching outside the band",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(0, 2, csMatrix(1, 2, 1.0), 1.0), csBandMatrix::exOutOfBandRange);
       }},
      {"block past the last row",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(5, 3, csMatrix(1, 1, 1.0), 1.0), ifMatrix::exOutOfRowRange);
       }},
      {"block past the last column",
       [](csBandMatrix& b) {
         EXPECT_THROW(b.AddPartial(3, 5, csMatrix(1, 1, 1.0), 1.0), ifMatrix::exOutOfColRange);
       }},
  };
  std::mt19937 rng(17);
  const csBandMatrix start = RandomSpdBand(5, 3, rng);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    csBandMatrix band = start;
    c.run(band);
    EXPECT_TRUE(band == DenseOf(start));
  }
}

TEST(BandSolve, AgreesWithTheDenseSolverOnRandomSpdSystems) {
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> load(-10.0, 10.0);
  const std::pair<Index, Index> shapes[] = {{1, 1}, {4, 1}, {7, 2}, {12, 5}, {30, 7}, {9, 12}};
  for (const auto& [n, w] : shapes) {
    SCOPED_TRACE(::testing::Message() << "n=" << n << " w=" << w);
    const csBandMatrix band = RandomSpdBand(n, w, rng);
    Vector b(n);
    for (double& v : b) v = load(rng);
    Vector x(n), reference(n);
    band.Solve(x, b);
    DenseOf(band).Solve(reference, b);
    for (Index i = 0; i < n; ++i) EXPECT_NEAR(x[i], reference[i], 1e-12 * (1 + std::abs(x[i])));
    EXPECT_LT(testing::RelativeResidual(band, x, b), 1e-13);
  }
}

TEST(BandSolve, KnownTridiagonalSolution) {
  // [[2,-1,0],[-1,2,-1],[0,-1,2]]·(1,2,3) = (0,0,4).
  Vector x(3);
  Band({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}}).Solve(x, {0, 0, 4});
  EXPECT_NEAR(x[0], 1.0, 1e-14);
  EXPECT_NEAR(x[1], 2.0, 1e-14);
  EXPECT_NEAR(x[2], 3.0, 1e-14);
}

TEST(BandSolve, EveryCheckThrowsAndLeavesEverythingUntouched) {
  const csBandMatrix good = Band({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}});
  Vector x(3, 7.0);
  EXPECT_THROW(good.Solve(x, Vector(2)), csBandMatrix::exRightVectorIsnotEqualToMatrixInSize);
  Vector shortX(2, 7.0);
  EXPECT_THROW(good.Solve(shortX, Vector(3)), csBandMatrix::exLeftVectorIsnotEqualToMatrixInSize);
  EXPECT_EQ(shortX, Vector(2, 7.0));

  Vector x4(4, 7.0);
  try {
    Band({{2, 1, 0, 0}, {1, 3, 1, 0}, {0, 1, 1e-7, 1}, {0, 0, 1, 0}}).Solve(x4, Vector(4, 1.0));
    ADD_FAILURE() << "zero diagonal accepted";
  } catch (const csBandMatrix::exDiagonalElementIsZero& e) {
    EXPECT_EQ(e.row, 2u);  // the first zero diagonal
  }
  EXPECT_EQ(x4, Vector(4, 7.0));
  EXPECT_THROW(Band({{1, 2, 0}, {2, 4, 0}, {0, 0, 1}}).Solve(x, Vector(3, 1.0)),
               csBandMatrix::exTwoRowsAreSameVector);
  const csBandMatrix singular = Band({{1, 2, 3}, {2, 5, 7}, {3, 7, 10}});
  EXPECT_THROW(singular.Solve(x, Vector(3, 1.0)), ifMatrix::exZeroPivot);
  EXPECT_EQ(x, Vector(3, 7.0));
  EXPECT_TRUE(singular == Dense({{1, 2, 3}, {2, 5, 7}, {3, 7, 10}}));
  csBandMatrix noBand(2, 0);
  Vector x2(2);
  EXPECT_THROW(noBand.Solve(x2, Vector(2, 1.0)), csBandMatrix::exDiagonalElementIsZero);
}

// The solver's proportional-rows test compares only rows that can be proportional; its
// verdict must equal the literal comparison of every pair of whole rows.
bool SolveFindsProportionalRows(const csBandMatrix& band) {
  Vector x(band.GetRowN());
  try {
    band.Solve(x, Vector(band.GetRowN(), 1.0));
  } catch (const csBandMatrix::exTwoRowsAreSameVector&) {
    return true;
  } catch (const exMatrixException&) {
  }
  return false;
}

TEST(BandProportionalRows, SameVerdictAsTheLiteralTestOnRandomMatrices) {
  // Few distinct values (including near-zeros) so that proportional pairs actually occur.
  const double values[] = {0.0, 0.0, 0.0, 1e-7, -1e-7, 1.0, 2.0, 4.0, -2.0, 0.5, 3.0};
  const double diagonals[] = {1.0, 2.0, 4.0, 0.5, -1.0, 3.0};
  std::mt19937 rng(29);
  std::uniform_int_distribution<int> pickValue(0, std::size(values) - 1);
  std::uniform_int_distribution<int> pickDiagonal(0, std::size(diagonals) - 1);
  int proportional = 0;
  for (int trial = 0; trial < 8000; ++trial) {
    const Index n = 2 + trial % 7;
    const Index w = 1 + (trial / 7) % (n + 1);
    csBandMatrix band(n, w);
    for (Index i = 0; i < n; ++i) {
      band.Set(i, i, diagonals[pickDiagonal(rng)]);
      for (Index j = i + 1; j < n && j - i < w; ++j) band.Set(i, j, values[pickValue(rng)]);
    }
    const bool literal = testing::LiteralTwoRowsAreSameVector(band);
    proportional += literal ? 1 : 0;
    ASSERT_EQ(SolveFindsProportionalRows(band), literal) << "trial " << trial;
  }
  EXPECT_GT(proportional, 50);  // the sample exercises both verdicts
}

TEST(BandProportionalRows, CraftedPairs) {
  struct Case {
    const char* name;
    csBandMatrix band;
    bool proportional;
  };
  const Case cases[] = {
      {"pair inside the band", Band({{3, 0, 0, 0}, {0, 1, 2, 0}, {0, 2, 4, 0}, {0, 0, 0, 5}}),
       true},
      {"ratio 1/3 twice", Band({{3, 1, 0}, {1, 1.0 / 3.0, 0}, {0, 0, 1}}), true},
      {"near-zero entries count as zero", Band({{1, 2, 1e-7}, {2, 4, 0}, {1e-7, 0, 1}}), true},
      {"zero meets non-zero", Band({{1, 2, 0}, {2, 4, 1}, {0, 1, 1}}), false},
      {"first ratios agree, later differ", Band({{1, 2, 1}, {2, 4, 3}, {1, 3, 9}}), false},
      {"far rows with equal entries",
       Band({{1, 1, 0, 0}, {1, 2, 1, 0}, {0, 1, 2, 1}, {0, 0, 1, 1}}), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(testing::LiteralTwoRowsAreSameVector(c.band), c.proportional);
    EXPECT_EQ(SolveFindsProportionalRows(c.band), c.proportional);
  }
}

TEST(BandQueries, ProductAndZeroRowReadOnlyTheBand) {
  std::mt19937 rng(31);
  for (const auto& [n, w] : {std::pair<Index, Index>{1, 1}, {8, 3}, {10, 10}, {6, 9}}) {
    csBandMatrix band = RandomSpdBand(n, w, rng);
    Vector x(n);
    for (Index i = 0; i < n; ++i) x[i] = 0.5 * i - 1.0;
    EXPECT_EQ(MultiplyVector(band, x), MultiplyVector(DenseOf(band), x));
    EXPECT_FALSE(band.FirstZeroRow().has_value());
    for (Index zero : {n - 1, n / 2}) {  // zero a row and its column, up to near-zero noise
      for (Index j = 0; j < n; ++j) {
        if (band.Get(zero, j) != 0.0) band.Set(zero, j, 1e-7);
      }
      EXPECT_EQ(band.FirstZeroRow(), std::optional<Index>(zero));
    }
  }
  EXPECT_EQ(csBandMatrix(3, 0).FirstZeroRow(), std::optional<Index>(0));
}

}  // namespace
}  // namespace znMatrix
