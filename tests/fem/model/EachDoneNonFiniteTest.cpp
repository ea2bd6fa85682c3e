// A solution that is not finite is never a success: an overflowing stiffness fails the step
// as an unbalanced load instead of handing NaN displacements to the members.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fem/model/ModelBuilders.h"
#include "matrix/BandMatrix.h"

namespace {

using namespace modelbuild;
using znFEM::znSimulEquation::csSimulEquation;
using znFEM::znSimulEquation::ifSimulEquation;
using znFEM::znSimulEquation::System;
using znMatrix::csBandMatrix;

constexpr double kInf = std::numeric_limits<double>::infinity();

// EA/L overflows to infinity; the member stiffness in global axes holds NaN.
TEST(EachDoneNonFinite, OverflowingMemberFailsAtTheFirstFreeEntry) {
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", 300.0, 0.0);
  model.AddMember("AB", "A", "B", 1e300, 1e300, 1.0);
  model.SetLoad("B", {0.0, -10.0, 0.0});
  model.Build();
  csSimulEquation solver(1e-6);
  csEachDone step(solver);
  model.Attach(step);
  try {
    step.Do(1.0, 2, 0);
    FAIL() << "a NaN solution was accepted";
  } catch (const csEachDone::exUnBalancedLoad& e) {
    EXPECT_EQ(e.ID, "B");
    EXPECT_EQ(e.Direction, 0u);
    EXPECT_EQ(e.Step, 2u);
    EXPECT_FALSE(std::isfinite(e.Imbalance));
  }
  EXPECT_EQ(model.Node("B")->GetDisp()[1], 0.0);  // nothing applied
}

// The balance check alone would let these through: NaN compares false with the tolerance.
TEST(EachDoneNonFinite, SolverRejectsNonFiniteSolutionsAndReactions) {
  struct Case {
    const char* name;
    double k00;
    double k11;
    unsigned failingDof;
  };
  const Case cases[] = {
      {"infinite free stiffness: x = 0, K·x = NaN", kInf, 1.0, 0},
      {"infinite supported stiffness: reaction NaN", 1.0, kInf, 1},
  };
  for (const Case& c : cases) {
    csBandMatrix K(2, 1);
    K.Set(0, 0, c.k00);
    K.Set(1, 1, c.k11);
    System system{K, {false, true}, {1.0, 0.0}, {0.0, 0.0}};
    try {
      csSimulEquation(1e-6).Solve(system);
      ADD_FAILURE() << c.name;
    } catch (const ifSimulEquation::exUnBalancedLoad& e) {
      EXPECT_EQ(e.dof, c.failingDof) << c.name;
      EXPECT_FALSE(std::isfinite(e.imbalance)) << c.name;
    }
  }
}

}  // namespace
