// One elastic step of the step solver against closed forms of linear statics, with the
// reactions in equilibrium with the applied loads in every case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fem/model/ModelBuilders.h"

namespace {

using namespace modelbuild;

constexpr double kE = 2.0e4;
constexpr double kA = 50.0;
constexpr double kI = 2000.0;
constexpr double kEI = kE * kI;
constexpr double kL = 300.0;
constexpr double kP = 10.0;
// Closed forms are met to rounding; the band solve of these small systems loses a few digits.
constexpr double kRelTol = 1e-9;

void ExpectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, kRelTol * std::max(1.0, std::fabs(expected))) << what;
}

// The reactions balance the applied loads (x, y, moment about the origin), relative to the
// load scale.
void ExpectEquilibrium(const TestModel& model, Resultant applied, double relTol = kRelTol) {
  const Resultant r = model.Reactions();
  const double scale = std::max({1.0, std::fabs(applied.X), std::fabs(applied.Y)});
  EXPECT_NEAR(r.X + applied.X, 0.0, relTol * scale);
  EXPECT_NEAR(r.Y + applied.Y, 0.0, relTol * scale);
  EXPECT_NEAR(r.M + applied.M, 0.0, relTol * scale * kL);
}

// One full unit step on the model.
class EachDoneStatics : public ::testing::Test {
 protected:
  void RunStep(TestModel& model) {
    model.Build();
    model.Attach(stepSolver);
    stepSolver.Do(1.0, 0, 0);
    ASSERT_EQ(stepSolver.GetAddRatio(), 1.0);
  }
  znFEM::znSimulEquation::csSimulEquation solver{1e-6};
  csEachDone stepSolver{solver};
};

TEST_F(EachDoneStatics, CantileverTipDeflectionIncludesShear) {
  for (const double kappa : {0.0, 1.2}) {
    TestModel model;
    model.AddNode("A", 0.0, 0.0, kFixed);
    model.AddNode("B", kL, 0.0);
    model.AddMember("AB", "A", "B", kE, kA, kI).Kappa = kappa;
    model.SetLoad("B", {0.0, -kP, 0.0});
    csEachDone step(solver);
    model.Build();
    model.Attach(step);
    step.Do(1.0, 0, 0);
    const double G = kE / (2.0 * (1.0 + 0.3));
    const double bending = kP * kL * kL * kL / (3.0 * kEI);
    const double shear = kappa * kP * kL / (G * kA);
    const Triple tip = model.Node("B")->GetDisp();
    ExpectClose(tip[0], 0.0, "axial");
    ExpectClose(tip[1], -(bending + shear), "deflection");
    ExpectClose(tip[2], -kP * kL * kL / (2.0 * kEI), "rotation");
    ExpectClose(model.Node("A")->GetForce()[2], kP * kL, "fixed-end moment");
    ExpectEquilibrium(model, {0.0, -kP, -kP * kL});
  }
}

// The uniform load reaches the nodes only as equivalent edge loads.
TEST_F(EachDoneStatics, ProppedCantileverUnderUniformLoad) {
  constexpr double q = 0.2;
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", kL, 0.0, kRoller);
  model.AddMember("AB", "A", "B", kE, kA, kI);
  model.AddUniformLoad("AB", -q);
  RunStep(model);
  const Triple a = model.Node("A")->GetForce();
  const Triple b = model.Node("B")->GetForce();
  ExpectClose(b[1], 3.0 * q * kL / 8.0, "prop reaction");
  ExpectClose(a[1], 5.0 * q * kL / 8.0, "fixed-end reaction");
  ExpectClose(a[2], q * kL * kL / 8.0, "fixed-end moment");
  ExpectClose(model.Node("B")->GetDisp()[2], q * kL * kL * kL / (48.0 * kEI), "prop rotation");
  ExpectEquilibrium(model, {0.0, -q * kL, -q * kL * kL / 2.0});
}

// Beams and columns nearly rigid axially and the beams nearly rigid in bending: each storey
// is two fixed-fixed columns, k = 2·12EI/h³, with inflection points at mid-height. The
// neglected flexibility is 1e-6 of the stiff terms, so the hand solution holds to 1e-5.
TEST_F(EachDoneStatics, TwoStoreyPortalUnderLateralLoadMatchesShearBuilding) {
  constexpr double h = 300.0;
  constexpr double bay = 600.0;
  constexpr double stiff = 1e6;
  constexpr double h1 = 10.0;
  constexpr double h2 = 20.0;
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", bay, 0.0, kFixed);
  model.AddNode("C", 0.0, h);
  model.AddNode("D", bay, h);
  model.AddNode("E", 0.0, 2.0 * h);
  model.AddNode("F", bay, 2.0 * h);
  for (const auto& [id, i, j] : {std::array<const char*, 3>{"AC", "A", "C"},
                                 {"BD", "B", "D"},
                                 {"CE", "C", "E"},
                                 {"DF", "D", "F"}}) {
    model.AddMember(id, i, j, kE, kA * stiff, kI);
  }
  model.AddMember("CD", "C", "D", kE, kA * stiff, kI * stiff);
  model.AddMember("EF", "E", "F", kE, kA * stiff, kI * stiff);
  model.SetLoad("C", {h1, 0.0, 0.0});
  model.SetLoad("E", {h2, 0.0, 0.0});
  RunStep(model);
  const double k = 2.0 * 12.0 * kEI / (h * h * h);
  const double drift1 = (h1 + h2) / k;
  const double drift2 = drift1 + h2 / k;
  constexpr double tol = 1e-5;
  EXPECT_NEAR(model.Node("C")->GetDisp()[0], drift1, tol * drift1);
  EXPECT_NEAR(model.Node("D")->GetDisp()[0], drift1, tol * drift1);
  EXPECT_NEAR(model.Node("F")->GetDisp()[0], drift2, tol * drift2);
  const double baseMoment = (h1 + h2) / 2.0 * h / 2.0;
  EXPECT_NEAR(model.Node("A")->GetForce()[2], baseMoment, tol * baseMoment);
  EXPECT_NEAR(model.Node("B")->GetForce()[2], baseMoment, tol * baseMoment);
  EXPECT_NEAR(model.Node("A")->GetForce()[0], -(h1 + h2) / 2.0, tol * h2);
  // Reactions are differences of terms 1e8 times the loads: rounding shows at 1e-8.
  ExpectEquilibrium(model, {h1 + h2, 0.0, -(h1 * h + h2 * 2.0 * h)}, 1e-7);
}

// Antisymmetric: end moments 6EIδ/L², end shears 12EIδ/L³, the middle at δ/2.
TEST_F(EachDoneStatics, SupportSettlementAsImposedDisplacement) {
  constexpr double settlement = 0.5;
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("M", kL / 2.0, 0.0);
  model.AddNode("B", kL, 0.0, kFixed);
  model.AddMember("AM", "A", "M", kE, kA, kI);
  model.AddMember("MB", "M", "B", kE, kA, kI);
  model.SetDisp("B", {0.0, -settlement, 0.0});
  RunStep(model);
  const double moment = 6.0 * kEI * settlement / (kL * kL);
  const double shear = 12.0 * kEI * settlement / (kL * kL * kL);
  ExpectClose(model.Node("M")->GetDisp()[1], -settlement / 2.0, "middle");
  ExpectClose(model.Node("B")->GetDisp()[1], -settlement, "settled support");
  ExpectClose(model.Node("A")->GetForce()[1], shear, "shear at A");
  ExpectClose(model.Node("B")->GetForce()[1], -shear, "shear at B");
  ExpectClose(model.Node("A")->GetForce()[2], moment, "moment at A");
  ExpectClose(model.Node("B")->GetForce()[2], moment, "moment at B");
  ExpectEquilibrium(model, {});
}

// A tip spring in parallel with the cantilever's own 3EI/L³; its ground node, numbered
// after the ordinary nodes, carries the spring's reaction.
TEST_F(EachDoneStatics, SpringSupportSharesTheLoad) {
  const double cantilever = 3.0 * kEI / (kL * kL * kL);
  const double spring = 2.0 * cantilever;
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", kL, 0.0);
  model.AddMember("AB", "A", "B", kE, kA, kI);
  model.AddSpring("B", {0.0, spring, 0.0});
  model.SetLoad("B", {0.0, -kP, 0.0});
  RunStep(model);
  const double tip = -kP / (spring + cantilever);
  ExpectClose(model.Node("B")->GetDisp()[1], tip, "tip");
  ExpectClose(model.SpringNode("B_ssn")->GetForce()[1], -spring * tip, "spring reaction");
  ExpectClose(model.Node("A")->GetForce()[1], kP + spring * tip, "fixed-end reaction");
  EXPECT_EQ(stepSolver.GetDegreeN(), 9u);
  EXPECT_EQ(stepSolver.GetBandWidth(), 6u);  // the spring spans positions 1 and 2
  ExpectEquilibrium(model, {0.0, -kP, -kP * kL});
}

// The numbering decides the band width, never the answer: a frame with a wall between its
// columns gives the same displacements with its nodes listed in two orders.
TEST_F(EachDoneStatics, NodeOrderChangesTheBandButNotTheSolution) {
  const auto build = [](TestModel& model, bool reversed, bool withWall = true) {
    const std::array<std::array<double, 2>, 4> at{{{0, 0}, {400, 0}, {0, 300}, {400, 300}}};
    const std::array<const char*, 4> ids{"A", "B", "C", "D"};
    for (int k = 0; k < 4; ++k) {
      const int p = reversed ? 3 - k : k;
      model.AddNode(ids[p], at[p][0], at[p][1], p < 2 ? kFixed : kFree);
    }
    model.AddMember("AC", "A", "C", kE, kA, kI);
    model.AddMember("BD", "B", "D", kE, kA, kI);
    model.AddMember("CD", "C", "D", kE, kA, kI);
    if (withWall) {
      WallElementProp& wall = model.AddWall("W", {"A", "C", "B", "D"});
      wall.A = 1000.0;
      wall.I = 1e6;
    }
    model.SetLoad("C", {kP, -kP, 0.0});
    model.SetLoad("D", {0.0, 0.0, 100.0});
  };
  TestModel first;
  build(first, false);
  RunStep(first);
  TestModel second;
  build(second, true);
  csEachDone other(solver);
  second.Build();
  second.Attach(other);
  other.Do(1.0, 0, 0);
  for (const char* id : {"C", "D"}) {
    for (int d = 0; d < 3; ++d) {
      ExpectClose(second.Node(id)->GetDisp()[d], first.Node(id)->GetDisp()[d], id);
    }
  }
  EXPECT_EQ(stepSolver.GetBandWidth(), 12u);  // the wall spans positions 0 to 3
  TestModel bare;                             // the wall stiffens the frame
  build(bare, false, false);
  csEachDone bareStep(solver);
  bare.Build();
  bare.Attach(bareStep);
  bareStep.Do(1.0, 0, 0);
  EXPECT_LT(std::fabs(first.Node("C")->GetDisp()[0]),
            0.1 * std::fabs(bare.Node("C")->GetDisp()[0]));
  ExpectEquilibrium(first, {kP, -kP, 100.0 - 300.0 * kP});
}

}  // namespace
