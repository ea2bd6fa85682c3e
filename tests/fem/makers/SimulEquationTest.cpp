// The supported linear system: prescribed displacements, reactions, balance and zero rows.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fem/makers/SimulEquation.h"
#include "matrix/BandMatrix.h"
#include "matrix/MatrixBuilders.h"

namespace znFEM::znSimulEquation {
namespace {

using znMatrix::csBandMatrix;
using znMatrix::csMatrix;
using znMatrix::Index;
using znMatrix::Vector;
using znMatrix::testing::Dense;

// Two springs in series, k = 2 between dofs 0 and 1 and k = 3 between dofs 1 and 2.
csBandMatrix SpringChain() {
  return csBandMatrix(Dense({{2, -2, 0}, {-2, 5, -3}, {0, -3, 3}}));
}

TEST(SimulEquation, SpringChainWithAnImposedSupportDisplacement) {
  // Dof 0 held at 0.1 and loaded with 10 (taken by the support); 6 pulls dof 2. The load
  // runs through both springs: they stretch by 6/2 and 6/3.
  const csBandMatrix K = SpringChain();
  System system{K, {true, false, false}, {10.0, 0.0, 6.0}, {0.1, 0.0, 0.0}};
  csSimulEquation(1e-9).Solve(system);
  EXPECT_NEAR(system.U[0], 0.1, 0.0);
  EXPECT_NEAR(system.U[1], 3.1, 1e-12);
  EXPECT_NEAR(system.U[2], 5.1, 1e-12);
  // Reaction = K·U − applied load = −6 − 10 at the support; free entries carry K·U.
  EXPECT_NEAR(system.F[0], -16.0, 1e-12);
  EXPECT_NEAR(system.F[1], 0.0, 1e-12);
  EXPECT_NEAR(system.F[2], 6.0, 1e-12);
}

TEST(SimulEquation, ReactionIsKUMinusTheAppliedLoad) {
  // K·U at the supported dof is 25 and its applied load 10: the reaction is 15.
  const csBandMatrix K(Dense({{1, 0}, {0, 2}}));
  System system{K, {true, false}, {10.0, 4.0}, {25.0, 0.0}};
  csSimulEquation(1e-9).Solve(system);
  EXPECT_EQ(system.F, (Vector{15.0, 4.0}));
  EXPECT_EQ(system.U, (Vector{25.0, 2.0}));
}

TEST(SimulEquation, FreeEntriesOfTheIncomingDisplacementsAreIgnored) {
  const csBandMatrix K = SpringChain();
  System clean{K, {true, false, false}, {0.0, 1.0, 6.0}, {0.1, 0.0, 0.0}};
  System stray{K, {true, false, false}, {0.0, 1.0, 6.0}, {0.1, 1000.0, -3.0}};
  csSimulEquation(1e-9).Solve(clean);
  csSimulEquation(1e-9).Solve(stray);
  EXPECT_EQ(stray.U, clean.U);
  EXPECT_EQ(stray.F, clean.F);
}

struct RandomSystem {
  csBandMatrix K;
  std::vector<bool> supported;
  Vector F, U;
};

RandomSystem MakeRandomSystem(Index n, Index w, unsigned seed) {
  std::mt19937 rng(seed);
  RandomSystem s{csBandMatrix(n, w), std::vector<bool>(n), Vector(n), Vector(n, 0.0)};
  znMatrix::testing::FillRandomSpdBand(s.K, w, rng);
  std::bernoulli_distribution supported(0.2);
  std::uniform_real_distribution<double> value(-5.0, 5.0);
  for (Index i = 0; i < n; ++i) {
    s.supported[i] = supported(rng);
    s.F[i] = value(rng);
    if (s.supported[i]) s.U[i] = value(rng) * 0.01;
  }
  s.supported[0] = true;
  return s;
}

// Dense reference: K_ff·U_f = F_f − K_fs·U_s, reactions K·U − F at supported entries.
TEST(SimulEquation, ReducedSystemsAgreeWithADenseReference) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE(seed);
    RandomSystem r = MakeRandomSystem(40, 6, seed);
    std::vector<Index> free;
    for (Index i = 0; i < 40; ++i) {
      if (!r.supported[i]) free.push_back(i);
    }
    csMatrix kff(free.size(), free.size());
    Vector rhs(free.size());
    for (Index a = 0; a < free.size(); ++a) {
      rhs[a] = r.F[free[a]];
      for (Index j = 0; j < 40; ++j) {
        if (r.supported[j]) rhs[a] -= r.K.Get(free[a], j) * r.U[j];
      }
      for (Index b = 0; b < free.size(); ++b) kff.Set(a, b, r.K.Get(free[a], free[b]));
    }
    Vector uf(free.size());
    kff.Solve(uf, rhs);

    const Vector loads = r.F;
    const Vector prescribed = r.U;
    System system{r.K, r.supported, r.F, r.U};
    csSimulEquation(1e-9).Solve(system);
    for (Index a = 0; a < free.size(); ++a) EXPECT_NEAR(system.U[free[a]], uf[a], 1e-12);
    const Vector ku = MultiplyVector(znMatrix::testing::DenseOf(r.K), system.U);
    for (Index i = 0; i < 40; ++i) {
      if (r.supported[i]) {
        EXPECT_EQ(system.U[i], prescribed[i]);
        EXPECT_NEAR(system.F[i], ku[i] - loads[i], 1e-12);
      } else {
        EXPECT_NEAR(system.F[i], loads[i], 1e-12);  // balance: K·U reproduces the load
      }
    }
  }
}

TEST(SimulEquation, ZeroToleranceFailsOnRoundOffAtTheFirstFreeEntry) {
  RandomSystem r = MakeRandomSystem(60, 8, 42);
  const Vector loads = r.F;
  System system{r.K, r.supported, r.F, r.U};
  try {
    csSimulEquation(0.0).Solve(system);
    FAIL() << "round-off passed a zero tolerance";
  } catch (const ifSimulEquation::exUnBalancedLoad& e) {
    // U already holds the solution; the first free entry with any imbalance is reported.
    const Vector ku = znMatrix::MultiplyVector(r.K, system.U);
    Index first = 60;
    for (Index i = 0; i < 60 && first == 60; ++i) {
      if (!r.supported[i] && std::fabs(ku[i] - loads[i]) > 0.0) first = i;
    }
    EXPECT_EQ(e.dof, first);
    EXPECT_EQ(e.imbalance, std::fabs(ku[first] - loads[first]));
    EXPECT_GT(e.imbalance, 0.0);
    EXPECT_LT(e.imbalance, 1e-12);
    EXPECT_EQ(system.F, loads);
  }
}

TEST(SimulEquation, ZeroRowIsReportedInTheFullNumbering) {
  struct Case {
    const char* name;
    csMatrix k;
    std::vector<bool> supported;
    Index expected;
  };
  const Case cases[] = {
      // Dofs 2 and 3 have no stiffness; dof 2 is the first and is free.
      {"zero rows",
       Dense({{2, 1, 0, 0}, {1, 2, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}),
       {true, false, false, false},
       2},
      // Dof 3 is stiffened only through the supported dof 1 and a near-zero diagonal.
      {"zero after removal",
       Dense({{2, 0, 0, 0}, {0, 2, 0, 1}, {0, 0, 2, 0}, {0, 1, 0, 1e-7}}),
       {false, true, false, false},
       3},
      // No stiffness at all: a band matrix without band.
      {"no stiffness", csMatrix(4, 4), {true, true, false, false}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Index width = csBandMatrix::GetBandWidthOf(c.k);
    csBandMatrix K(4, width);
    if (width > 0) K.Assign(c.k);
    const Vector loads{1.0, 2.0, 3.0, 4.0};
    const Vector displacements{0.5, 0.25, 9.0, 9.0};
    System system{K, c.supported, loads, displacements};
    try {
      csSimulEquation(1e-9).Solve(system);
      ADD_FAILURE() << "zero row accepted";
    } catch (const ifSimulEquation::exThereIsZeroRow& e) {
      EXPECT_EQ(e.dof, c.expected);
    }
    EXPECT_EQ(system.F, loads);
    EXPECT_EQ(system.U, displacements);
  }
}

TEST(SimulEquation, FailedReducedSolveBecomesFailedToAnalyze) {
  struct Case {
    const char* name;
    csMatrix k;
    std::vector<bool> supported;
  };
  const Case cases[] = {
      {"proportional free rows", Dense({{1, 2, 0}, {2, 4, 0}, {0, 0, 5}}), {false, false, true}},
      {"singular by elimination", Dense({{1, 2, 3}, {2, 5, 7}, {3, 7, 10}}), {false, false, false}},
      {"proportional rows left by a support",
       Dense({{1, 2, 0, 0}, {2, 4, 0, 0}, {0, 0, 3, 1}, {0, 0, 1, 3}}),
       {false, false, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const csBandMatrix K(c.k);
    const Vector loads(c.k.GetRowN(), 1.0);
    const Vector displacements(loads.size(), 0.0);
    System system{K, c.supported, loads, displacements};
    EXPECT_THROW(csSimulEquation(1e-9).Solve(system), ifSimulEquation::exFailedToAnalyzeMatrix);
    EXPECT_EQ(system.F, loads);
    EXPECT_EQ(system.U, displacements);
  }
}

TEST(SimulEquation, InconsistentSystemsAreRefused) {
  const csBandMatrix K = SpringChain();
  System shortMask{K, {true, false}, {0.0, 0.0, 1.0}, {0.0, 0.0, 0.0}};
  EXPECT_THROW(csSimulEquation(1.0).Solve(shortMask), ifSimulEquation::exFailedToAnalyzeMatrix);
  System shortU{K, {true, false, false}, {0.0, 0.0, 1.0}, {0.0}};
  EXPECT_THROW(csSimulEquation(1.0).Solve(shortU), ifSimulEquation::exFailedToAnalyzeMatrix);
  const csMatrix nonSymmetric = Dense({{2, 1, 0}, {0, 2, 0}, {0, 0, 2}});
  System skew{nonSymmetric, {true, false, false}, {0.0, 0.0, 1.0}, {0.0, 0.0, 0.0}};
  EXPECT_THROW(csSimulEquation(1.0).Solve(skew), ifSimulEquation::exFailedToAnalyzeMatrix);
}

TEST(SimulEquation, EverySupportedGivesOnlyReactions) {
  const csBandMatrix K = SpringChain();
  System system{K, {true, true, true}, {1.0, 0.0, 0.0}, {0.0, 0.5, 1.0}};
  csSimulEquation(0.0).Solve(system);
  EXPECT_EQ(system.F, (Vector{-2.0, -0.5, 1.5}));  // K·U − F
  EXPECT_EQ(system.U, (Vector{0.0, 0.5, 1.0}));
}

}  // namespace
}  // namespace znFEM::znSimulEquation
