// The supported linear system: prescribed displacements, reactions, balance and zero rows.
#include <gtest/gtest.h>

#include <random>

#include "fem/makers/SimulEquation.h"
#include "matrix/BandMatrix.h"
#include "matrix/MatrixBuilders.h"

namespace znFEM::znSimulEquation {
namespace {

using znMatrix::csBandMatrix;
using znMatrix::Index;
using znMatrix::Vector;
using znMatrix::testing::Caught;
using znMatrix::testing::Dense;

// Two springs in series, k = 2 between dofs 0 and 1 and k = 3 between dofs 1 and 2.
const csBandMatrix kChain(Dense({{2, -2, 0}, {-2, 5, -3}, {0, -3, 3}}));

// Dof 0 held at 0.1 and loaded with 10 (taken by the support); 6 pulls dof 2 through both
// springs, which stretch by 6/2 and 6/3; the free entries of the incoming U are not read.
// A reaction is K·U minus the applied load: K·U = 25 at a support loaded with 10 gives 15.
TEST(SimulEquation, ClosedFormsOfSpringsAndReactions) {
  System chain{kChain, {true, false, false}, {10.0, 0.0, 6.0}, {0.1, 1000.0, -3.0}};
  csSimulEquation(1e-9).Solve(chain);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(chain.U[i], (Vector{0.1, 3.1, 5.1})[i], 1e-12);
    EXPECT_NEAR(chain.F[i], (Vector{-16.0, 0.0, 6.0})[i], 1e-12);
  }
  const csBandMatrix diagonal(Dense({{1, 0}, {0, 2}}));
  System single{diagonal, {true, false}, {10.0, 4.0}, {25.0, 0.0}};
  csSimulEquation(1e-9).Solve(single);
  EXPECT_EQ(single.F, (Vector{15.0, 4.0}));
  EXPECT_EQ(single.U, (Vector{25.0, 2.0}));
  System held{kChain, {true, true, true}, {1.0, 0.0, 0.0}, {0.0, 0.5, 1.0}};
  csSimulEquation(0.0).Solve(held);  // every entry supported: only reactions
  EXPECT_EQ(held.F, (Vector{-2.0, -0.5, 1.5}));
}

// Random band systems with a fifth of the entries supported and displaced: the solution keeps
// the prescribed entries and balances the loads at the free ones (so it is the solution), the
// reactions are K·U − F; a zero tolerance fails on round-off at the first unbalanced free entry.
TEST(SimulEquation, RandomSystemsBalanceTheLoads) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 rng(seed);
    csBandMatrix K(40, 6);
    znMatrix::testing::FillRandomSpdBand(K, 6, rng);
    std::uniform_real_distribution<double> value(-5.0, 5.0);
    std::vector<bool> supported(40);
    Vector F(40), U(40, 0.0);
    for (Index i = 0; i < 40; ++i) {
      supported[i] = i == 0 || rng() % 5 == 0;
      F[i] = value(rng);
      U[i] = supported[i] ? 0.01 * value(rng) : 0.0;
    }
    System system{K, supported, F, U}, exact{K, supported, F, U};
    csSimulEquation(1e-9).Solve(system);
    // Without a tolerance the balance is relative: the same system in units 1e30 times smaller
    // or larger (stiffness and loads scaled alike) balances and has the same solution.
    for (const double scale : {1e-30, 1e30}) {
      csBandMatrix scaledK(K);
      scaledK.Multiply(scale);
      Vector scaledF = F;
      for (double& f : scaledF) f *= scale;
      System scaled{scaledK, supported, scaledF, U};
      csSimulEquation(std::nullopt).Solve(scaled);
      for (Index i = 0; i < 40; ++i) EXPECT_NEAR(scaled.U[i], system.U[i], 1e-12);
    }
    const Vector ku = MultiplyVector(znMatrix::testing::DenseOf(K), system.U);
    for (Index i = 0; i < 40; ++i) {
      if (supported[i]) {
        EXPECT_EQ(system.U[i], U[i]);
        EXPECT_NEAR(system.F[i], ku[i] - F[i], 1e-12);
      } else {
        EXPECT_NEAR(ku[i], F[i], 1e-12);
        EXPECT_NEAR(system.F[i], F[i], 1e-12);
      }
    }
    const auto e =
        Caught<ifSimulEquation::exUnBalancedLoad>([&] { csSimulEquation(0).Solve(exact); });
    ASSERT_TRUE(e) << "round-off passed a zero tolerance";
    const Vector bandKu = K.MultiplyVector(exact.U);  // as the balance check forms it
    Index first = 0;
    while (first < 40 && (supported[first] || bandKu[first] == F[first])) ++first;
    EXPECT_EQ(e->dof, first);
    EXPECT_EQ(e->imbalance, std::abs(bandKu[first] - F[first]));
    EXPECT_EQ(exact.F, F);
  }
}

// The outcome of a failing solve, the full-numbering dof of a zero row or −1 for a failure to
// analyze; F and U must be left as they were.
int Failure(const csBandMatrix& k, const std::vector<bool>& supported, Vector u = {0, 0, 9, 9}) {
  System system{k, supported, {1, 2, 3, 4}, u};
  int outcome = -2;
  try {
    csSimulEquation(1e-9).Solve(system);
  } catch (const ifSimulEquation::exThereIsZeroRow& e) {
    outcome = static_cast<int>(e.dof);
  } catch (const ifSimulEquation::exFailedToAnalyzeMatrix&) {
    outcome = -1;
  }
  EXPECT_EQ(system.F, (Vector{1, 2, 3, 4}));
  EXPECT_EQ(system.U, u);
  return outcome;
}

// The first zero row of several; one left by a support with a near-zero diagonal; a matrix
// without stiffness; a zero diagonal whose row is not zero; proportional or singular free rows;
// a mask, U or a matrix that does not fit.
TEST(SimulEquation, FailuresLeaveTheSystemUnchanged) {
  const auto B = [](std::initializer_list<std::initializer_list<double>> rows) {
    return csBandMatrix(Dense(rows));
  };
  EXPECT_EQ(Failure(B({{2, 1, 0, 0}, {1, 2, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}), {1, 0, 0, 0}), 2);
  EXPECT_EQ(Failure(B({{2, 0, 0, 0}, {0, 2, 0, 1}, {0, 0, 2, 0}, {0, 1, 0, 1e-13}}), {0, 1, 0, 0}),
            3);
  EXPECT_EQ(Failure(csBandMatrix(4, 0), {1, 1, 0, 0}), 2);
  EXPECT_EQ(Failure(B({{2, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 2, 0}, {0, 0, 0, 2}}), {0, 0, 0, 1}), -1);
  EXPECT_EQ(Failure(B({{1, 2, 0, 0}, {2, 4, 0, 0}, {0, 0, 3, 1}, {0, 0, 1, 3}}), {0, 0, 1, 0}), -1);
  EXPECT_EQ(Failure(B({{1, 2, 3, 0}, {2, 5, 7, 0}, {3, 7, 10, 0}, {0, 0, 0, 1}}), {0, 0, 0, 1}),
            -1);
  EXPECT_EQ(Failure(csBandMatrix(4, 1, 2.0), {1, 0}), -1);
  EXPECT_EQ(Failure(csBandMatrix(4, 1, 2.0), {1, 0, 0, 0}, {0}), -1);
}

}  // namespace
}  // namespace znFEM::znSimulEquation
