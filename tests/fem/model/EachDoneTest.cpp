// One elastic step against closed forms of linear statics, with the reactions in equilibrium
// with the loads, and the step solver's ratio and extremes with their tie rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ConductorFixture.h"

namespace {

using namespace conductortest;

constexpr double kEI = 2.0e4;
constexpr double kL = 3.0;
constexpr double kP = 10.0;
// Closed forms are met to rounding; the band solve of these small systems loses a few digits.
constexpr double kRelTol = 1e-9;

void ExpectClose(double actual, double expected, const std::string& what, double rel = kRelTol) {
  EXPECT_NEAR(actual, expected, rel * std::max(1e-3, std::fabs(expected))) << what;
}

// A cantilever A (fixed) - B along x with a tip load; suffix names a copy.
void AddCantilever(Records& r, const std::string& suffix, double load) {
  r.AddNode("A" + suffix, 0, 0, kFixed);
  r.AddNode("B" + suffix, kL, 0);
  r.AddMember("AB" + suffix, "A" + suffix, "B" + suffix);
  if (load != 0.0) r.AddLoad("B" + suffix, {0, -load, 0});
}

// Runs the records, which must succeed.
void RunStep(Loggers& run, const Records& r) {
  ASSERT_FALSE(run.Run(r)) << ::testing::PrintToString(run.conductor.calls);
}

// A tip load on a cantilever with and without shear deformation, with a tip spring in
// parallel (its ground node carries the spring's share), and under a ratio limit that scales
// the step when no member can yield.
TEST(EachDoneStatics, CantileverTipMatchesTheClosedForms) {
  struct Case {
    double kappa, spring, ratio;
  };
  const double cantilever = 3.0 * kEI / (kL * kL * kL), G = 2.0e8 / (2.0 * (1.0 + 0.3));
  for (const Case c : {Case{0.0, 0.0, 1.0}, Case{1.2, 0.0, 1.0}, Case{0.0, 2.0 * cantilever, 1.0},
                       Case{1.2, cantilever, 0.25}}) {
    Records r;
    AddCantilever(r, "", kP);
    r.Element("AB").Kappa = c.kappa;
    if (c.spring != 0.0) r.AddSpring("B", {0, c.spring, 0});
    r.limitRatios = {c.ratio};
    Loggers run;
    RunStep(run, r);
    const double flexibility = 1.0 / cantilever + c.kappa * kL / (G * 0.01);
    const double tip = -c.ratio * kP / (1.0 / flexibility + c.spring);
    const double carried = c.ratio * kP + c.spring * tip;  // by the cantilever
    EXPECT_EQ(run.analyzer.steps.at(0).AddRatio, c.ratio);
    ExpectClose(run.nodes.disp.at("B")[0], 0.0, "axial");
    ExpectClose(run.nodes.disp.at("B")[1], tip, "deflection");
    ExpectClose(run.nodes.disp.at("B")[2], -carried * kL * kL / (2.0 * kEI), "rotation");
    ExpectClose(run.nodes.force.at("A")[2], carried * kL, "fixed-end moment");
    if (c.spring != 0.0) ExpectClose(run.grounds.force.at("B")[1], -c.spring * tip, "spring");
    ExpectEquilibrium(run, r, 1e-9, c.ratio);
  }
}

// The uniform load reaches the nodes only as equivalent edge loads, and is enough to run.
// Equilibrium gives the fixed end's reactions from the prop's.
TEST(EachDoneStatics, ProppedCantileverUnderUniformLoad) {
  constexpr double q = 2.0;
  Records r;
  r.AddNode("A", 0, 0, kFixed);
  r.AddNode("B", kL, 0, {false, true, false});
  r.AddMember("AB", "A", "B");
  r.AddUniformLoad("AB", 0, -q);
  Loggers run;
  RunStep(run, r);
  ExpectClose(run.nodes.force.at("B")[1], 3.0 * q * kL / 8.0, "prop reaction");
  ExpectClose(run.nodes.disp.at("B")[2], q * kL * kL * kL / (48 * kEI), "prop rotation");
  ExpectEquilibrium(run, r, 1e-9);
}

// Beams and columns nearly rigid axially and the beams nearly rigid in bending: each storey
// is two fixed-fixed columns, k = 2·12EI/h³, with inflection points at mid-height. The
// neglected flexibility is 1e-6 of the stiff terms, so the hand solution holds to 1e-5.
TEST(EachDoneStatics, TwoStoreyPortalUnderLateralLoadMatchesShearBuilding) {
  constexpr double h = 3.0, h1 = 10.0, h2 = 20.0, stiff = 1e6;
  Records r;
  r.AddNode("A", 0, 0, kFixed);
  r.AddNode("B", 6, 0, kFixed);
  r.AddNode("C", 0, h);
  r.AddNode("D", 6, h);
  r.AddNode("E", 0, 2 * h);
  r.AddNode("F", 6, 2 * h);
  for (const char* id : {"AC", "BD", "CE", "DF", "CD", "EF"}) {
    ElementProp& e = r.AddMember(id, std::string(1, id[0]), std::string(1, id[1]));
    e.A *= stiff;
    if (id == std::string("CD") || id == std::string("EF")) e.I *= stiff;
  }
  r.AddLoad("C", {h1, 0, 0});
  r.AddLoad("E", {h2, 0, 0});
  Loggers run;
  RunStep(run, r);
  const double k = 2.0 * 12.0 * kEI / (h * h * h), drift1 = (h1 + h2) / k;
  const double baseMoment = (h1 + h2) * h / 4;
  ExpectClose(run.nodes.disp.at("C")[0], drift1, "first storey drift", 1e-5);
  ExpectClose(run.nodes.disp.at("D")[0], drift1, "first storey drift at D", 1e-5);
  ExpectClose(run.nodes.disp.at("F")[0], drift1 + h2 / k, "second storey drift", 1e-5);
  ExpectClose(run.nodes.force.at("A")[2], baseMoment, "base moment at A", 1e-5);
  ExpectClose(run.nodes.force.at("B")[2], baseMoment, "base moment at B", 1e-5);
  ExpectClose(run.nodes.force.at("A")[0], -(h1 + h2) / 2.0, "base shear", 1e-5);
  // Reactions are differences of terms 1e8 times the loads: rounding shows at 1e-8.
  ExpectEquilibrium(run, r, 1e-5);
}

// Antisymmetric: end moments 6EIδ/L², end shears 12EIδ/L³, the middle at δ/2; equilibrium
// gives the other end's.
TEST(EachDoneStatics, SupportSettlementAsImposedDisplacement) {
  constexpr double settlement = 0.01;
  Records r;
  r.AddNode("A", 0, 0, kFixed);
  r.AddNode("M", kL / 2, 0);
  r.AddNode("B", kL, 0, kFixed);
  r.AddMember("AM", "A", "M");
  r.AddMember("MB", "M", "B");
  r.AddDisp("B", {0, -settlement, 0});
  Loggers run;
  RunStep(run, r);
  ExpectClose(run.nodes.disp.at("M")[1], -settlement / 2.0, "middle");
  ExpectClose(run.nodes.disp.at("B")[1], -settlement, "settled support");
  ExpectClose(run.nodes.force.at("A")[1], 12.0 * kEI * settlement / (kL * kL * kL), "shear at A");
  ExpectClose(run.nodes.force.at("A")[2], 6.0 * kEI * settlement / (kL * kL), "moment at A");
  ExpectEquilibrium(run, r, 1e-9);
}

// The portal with a wall between its columns, 20 down at C and 5 per length down the beam;
// D rests on a roller (y held) with a spring along x, its zero coefficient along the held y
// accepted. The numbering decides the band width, never the answer; the wall stiffens.
TEST(EachDoneStatics, LoadedPortalWithWallIgnoresNodeOrder) {
  const auto loaded = [](bool withWall, bool reversed) {
    Records r = Portal();
    r.Node("D").IsSupported = {false, true, false};
    r.AddSpring("D", {2000, 0, 0});
    r.AddLoad("C", {0, -20, 0});
    r.AddUniformLoad("BC", 0, -5);
    if (withWall) r.AddWall("W", "B", "A", "C", "D");
    if (reversed) std::reverse(r.nodes.begin(), r.nodes.end());
    return r;
  };
  Loggers first, second, bare;
  RunStep(first, loaded(true, false));
  RunStep(second, loaded(true, true));
  RunStep(bare, loaded(false, false));
  for (const char* id : {"B", "C", "D"}) {
    for (int d = 0; d < 3; ++d) {
      ExpectClose(second.nodes.disp.at(id)[d], first.nodes.disp.at(id)[d], Line(id, d));
    }
  }
  EXPECT_LT(std::fabs(first.nodes.disp.at("B")[0]), 0.1 * std::fabs(bare.nodes.disp.at("B")[0]));
  ExpectEquilibrium(first, loaded(true, false), 1e-6);
  ExpectEquilibrium(bare, loaded(false, false), 1e-6);
}

// Imposed motion of the only support moves the structure rigidly, without forces. The
// displacement measure is the larger translation: the rotation, larger still, is not counted;
// the free node is listed first but moves less. A load carried by a support alone moves
// nothing: every extreme is 0.0 with an empty ID.
TEST(EachDoneStep, ExtremesOfRigidMotionAndOfNone) {
  Records r;
  r.AddNode("T", 0.5, 0);
  r.AddNode("S", 0, 0, kFixed);
  r.AddMember("ST", "S", "T");
  r.AddDisp("S", {0.3, -0.5, 0.6});
  Loggers run;
  RunStep(run, r);
  ExpectClose(run.nodes.disp.at("T")[0], 0.3, "rigid x");
  ExpectClose(run.nodes.disp.at("T")[1], -0.2, "rigid y");
  ExpectClose(run.nodes.disp.at("T")[2], 0.6, "rigid rotation");
  for (const char* id : {"S", "T"}) {
    for (double f : run.nodes.force.at(id)) EXPECT_NEAR(f, 0.0, 1e-6) << id;
  }
  const csAnalyzer::StepRecord& moved = run.analyzer.steps.at(0);
  EXPECT_EQ(Line(moved.MaxDisp, moved.MaxDispNodeID, moved.MaxRotAngleElementID), "0.5 S ST");
  ExpectClose(moved.MaxRotAngle, 0.6, "angle");
  r.imposed = {{"S", 0, {kP, kP, kP}, {}}};
  Loggers still;
  RunStep(still, r);
  const csAnalyzer::StepRecord& none = still.analyzer.steps.at(0);
  EXPECT_EQ(Line(none.MaxDisp, none.MaxRotAngle,
                 none.MaxDispNodeID + none.MaxAddDispNodeID + none.MaxRotAngleElementID +
                     none.MaxAddRotAngleElementID),
            "0 0 ");
  ExpectEquilibrium(still, r, 1e-9);
}

// Two separate, identical cantilevers solve to bit-identical values, so their extremes tie
// and the first in list order wins. Half of a second case of twice the load adds the unit
// extremes to half of the first case's.
TEST(EachDoneStep, ExtremesTieToTheFirstInListOrder) {
  for (const auto& [first, second] : {std::pair<std::string, std::string>{"1", "2"}, {"2", "1"}}) {
    Records r;
    for (const std::string& id : {first, second}) {
      AddCantilever(r, id, kP);
      r.AddLoad("B" + id, {0, -2 * kP, 0}, 1);
    }
    r.limitSteps = {1, 1};
    r.limitRatios = {0.5, 0.5};
    Loggers run;
    RunStep(run, r);
    const csAnalyzer::StepRecord& step = run.analyzer.steps.at(1);
    const double tip = kP * kL * kL * kL / (3.0 * kEI), angle = tip / kL;
    EXPECT_EQ(Line(step.MaxDispNodeID, step.MaxAddDispNodeID, step.MaxRotAngleElementID,
                   step.MaxAddRotAngleElementID),
              Line("B" + first, "B" + first, "AB" + first, "AB" + first));
    ExpectClose(step.MaxDisp, 1.5 * tip, "displacement");
    ExpectClose(step.MaxAddDisp, tip, "added displacement");
    ExpectClose(step.MaxRotAngle, 1.5 * angle, "angle");
    ExpectClose(step.MaxAddRotAngle, angle, "added angle");
    ExpectEquilibrium(run, r, 1e-9, 0.5);
  }
}

}  // namespace
