// The step solver's own decisions: its failures, the step ratio and its caps, and the
// extremes with their tie rules.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fem/model/ModelBuilders.h"

namespace {

using namespace modelbuild;
using znFEM::znSimulEquation::csSimulEquation;
using znFEM::znSimulEquation::System;

constexpr double kE = 2.0e4;
constexpr double kA = 50.0;
constexpr double kI = 2000.0;
constexpr double kL = 300.0;
constexpr double kP = 10.0;

template <class Ex, class F>
Ex Thrown(F f) {
  try {
    f();
  } catch (const Ex& e) {
    return e;
  }
  ADD_FAILURE() << "expected exception not thrown";
  return Ex{};
}

// Counts the solves so a test can tell a failure before the solve from one after it.
class CountingSolver : public znFEM::znSimulEquation::ifSimulEquation {
 public:
  void Solve(System& system) override {
    ++solves;
    solver_.Solve(system);
  }
  int solves = 0;

 private:
  csSimulEquation solver_{1e-6};
};

// Cantilever A (fixed) - B with a tip load; suffix names a second, separate copy.
void AddCantilever(TestModel& model, const std::string& suffix, double load) {
  model.AddNode("A" + suffix, 0.0, 0.0, kFixed);
  model.AddNode("B" + suffix, kL, 0.0);
  model.AddMember("AB" + suffix, "A" + suffix, "B" + suffix, kE, kA, kI);
  model.SetLoad("B" + suffix, {0.0, -load, 0.0});
}

class EachDoneStep : public ::testing::Test {
 protected:
  void Prepare(TestModel& model) {
    model.Build();
    model.Attach(stepSolver);
  }
  CountingSolver solver;
  csEachDone stepSolver{solver};
};

TEST_F(EachDoneStep, EveryDegreeSupportedFailsBeforeAnySolve) {
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", kL, 0.0, kFixed);
  model.AddMember("AB", "A", "B", kE, kA, kI);
  model.SetLoad("B", {0.0, -kP, 0.0});
  Prepare(model);
  EXPECT_THROW(stepSolver.Do(1.0, 0, 0), csEachDone::exAllDegreesAreSupported);
  EXPECT_EQ(solver.solves, 0);
}

// Both member ends at B are pinned: nothing resists B's rotation.
TEST_F(EachDoneStep, IsolatedRotationNamesNodeDirectionAndStep) {
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", kL, 0.0);
  model.AddNode("C", 2.0 * kL, 0.0, kFixed);
  ElementProp& ab = model.AddMember("AB", "A", "B", kE, kA, kI);
  ab.IsRotarySpring = {false, true};
  ab.Kij = {kInfinite, 0.0};
  ElementProp& bc = model.AddMember("BC", "B", "C", kE, kA, kI);
  bc.IsRotarySpring = {true, false};
  bc.Kij = {0.0, kInfinite};
  model.SetLoad("B", {0.0, -kP, 0.0});
  Prepare(model);
  const auto e = Thrown<csEachDone::exTheNodeIsIsolated>([&] { stepSolver.Do(1.0, 7, 0); });
  EXPECT_EQ(e.ID, "B");
  EXPECT_EQ(e.Direction, 2u);
  EXPECT_EQ(e.Step, 7u);
}

TEST_F(EachDoneStep, NoLoadNoDispAndNoEdgeLoadFails) {
  TestModel model;
  AddCantilever(model, "", 0.0);
  Prepare(model);
  const auto e = Thrown<csEachDone::exLoadsAndDispsAreAllZero>([&] { stepSolver.Do(1.0, 3, 1); });
  EXPECT_EQ(e.Step, 3u);
  EXPECT_EQ(e.LoadCase, 1u);
  EXPECT_EQ(solver.solves, 0);
}

// Fixed-fixed beam loaded only along its span: mid-span deflection qL⁴/(384EI).
TEST_F(EachDoneStep, EdgeLoadAloneIsEnoughToRun) {
  constexpr double q = 0.2;
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("M", kL / 2.0, 0.0);
  model.AddNode("C", kL, 0.0, kFixed);
  model.AddMember("AM", "A", "M", kE, kA, kI);
  model.AddMember("MC", "M", "C", kE, kA, kI);
  model.AddUniformLoad("AM", -q);
  model.AddUniformLoad("MC", -q);
  Prepare(model);
  stepSolver.Do(1.0, 0, 0);
  const double expected = -q * std::pow(kL, 4) / (384.0 * kE * kI);
  EXPECT_NEAR(model.Node("M")->GetDisp()[1], expected, 1e-9 * std::fabs(expected));
}

// With no member able to yield the remaining ratio is the step; a negative or an unbounded
// one fails.
TEST_F(EachDoneStep, RemainingRatioCapsTheStep) {
  struct Case {
    double remaining;
    int outcome;  // 0 applied, 1 under zero, 2 infinite
  };
  for (const Case c : {Case{1.0, 0}, Case{0.25, 0}, Case{-0.5, 1}, Case{kInfinite, 2}}) {
    TestModel model;
    AddCantilever(model, "", kP);
    csEachDone step(solver);
    model.Build();
    model.Attach(step);
    try {
      step.Do(c.remaining, 4, 2);
      EXPECT_EQ(c.outcome, 0);
      EXPECT_EQ(step.GetAddRatio(), c.remaining);
      const double tip = kP * std::pow(kL, 3) / (3.0 * kE * kI);
      EXPECT_NEAR(-model.Node("B")->GetDisp()[1], c.remaining * tip, 1e-9 * tip);
    } catch (const csEachDone::exRatioIsUnderZero& e) {
      EXPECT_EQ(c.outcome, 1);
      EXPECT_EQ(e.Step, 4u);
      EXPECT_EQ(e.Ratio, -0.5);
      EXPECT_EQ(model.Node("B")->GetDisp()[1], 0.0);  // nothing applied
    } catch (const csEachDone::exRatioReachedToInfinite& e) {
      EXPECT_EQ(c.outcome, 2);
      EXPECT_EQ(e.Step, 4u);
      EXPECT_EQ(e.LoadCase, 2u);
    }
  }
}

// Imposed motion of the only support moves the structure rigidly: no forces, and the
// translation measure ignores the rotation. The free node is listed first but moves less.
TEST_F(EachDoneStep, RigidSupportMotionGivesExtremesWithoutForces) {
  TestModel model;
  model.AddNode("T", 10.0, 0.0);
  model.AddNode("S", 0.0, 0.0, kFixed);
  model.AddMember("ST", "S", "T", kE, kA, kI);
  model.SetDisp("S", {0.3, -0.5, 0.01});
  Prepare(model);
  stepSolver.Do(1.0, 0, 0);
  const Triple t = model.Node("T")->GetDisp();
  EXPECT_NEAR(t[0], 0.3, 1e-9);
  EXPECT_NEAR(t[1], -0.4, 1e-9);
  EXPECT_NEAR(t[2], 0.01, 1e-9);
  for (const char* id : {"S", "T"}) {
    for (double f : model.Node(id)->GetForce()) EXPECT_NEAR(f, 0.0, 1e-6) << id;
  }
  EXPECT_EQ(stepSolver.GetMaxDisp(), 0.5);
  EXPECT_EQ(stepSolver.GetMaxDispNodeID(), "S");
  EXPECT_NEAR(stepSolver.GetMaxRotAngle(), 0.01, 1e-9);
  EXPECT_EQ(stepSolver.GetMaxRotAngleElementID(), "ST");
}

// Two separate, identical cantilevers solve to bit-identical values, so their extremes tie
// and the first in list order wins; the added extremes are the ratio times the unit ones.
TEST_F(EachDoneStep, ExtremesTieToTheFirstInListOrder) {
  for (const bool secondFirst : {false, true}) {
    TestModel model;
    AddCantilever(model, secondFirst ? "2" : "1", kP);
    AddCantilever(model, secondFirst ? "1" : "2", kP);
    csEachDone step(solver);
    model.Build();
    model.Attach(step);
    step.Do(0.5, 0, 0);
    step.Do(0.5, 1, 0);
    const std::string first = secondFirst ? "2" : "1";
    const double tip = kP * std::pow(kL, 3) / (3.0 * kE * kI);
    const double angle = tip / kL;
    EXPECT_EQ(step.GetMaxDispNodeID(), "B" + first);
    EXPECT_EQ(step.GetMaxAddDispNodeID(), "B" + first);
    EXPECT_EQ(step.GetMaxRotAngleElementID(), "AB" + first);
    EXPECT_EQ(step.GetMaxAddRotAngleElementID(), "AB" + first);
    EXPECT_NEAR(step.GetMaxDisp(), tip, 1e-9 * tip);
    EXPECT_NEAR(step.GetMaxAddDisp(), 0.5 * tip, 1e-9 * tip);
    EXPECT_NEAR(step.GetMaxRotAngle(), angle, 1e-9 * angle);
    EXPECT_NEAR(step.GetMaxAddRotAngle(), 0.5 * angle, 1e-9 * angle);
  }
}

// A load carried by a support alone moves nothing: every extreme is 0.0 with an empty ID.
TEST_F(EachDoneStep, NothingMovedLeavesTheIDsEmpty) {
  TestModel model;
  AddCantilever(model, "", 0.0);
  model.SetLoad("A", {kP, kP, kP});
  Prepare(model);
  stepSolver.Do(1.0, 0, 0);
  EXPECT_EQ(stepSolver.GetMaxDisp(), 0.0);
  EXPECT_EQ(stepSolver.GetMaxRotAngle(), 0.0);
  EXPECT_EQ(stepSolver.GetMaxDispNodeID(), "");
  EXPECT_EQ(stepSolver.GetMaxAddDispNodeID(), "");
  EXPECT_EQ(stepSolver.GetMaxRotAngleElementID(), "");
  EXPECT_EQ(stepSolver.GetMaxAddRotAngleElementID(), "");
  EXPECT_EQ(model.Node("A")->GetForce()[0], -kP);  // the reaction holds the load
}

}  // namespace
