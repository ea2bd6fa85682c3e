#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ConductorFixture.h"

namespace {

using namespace conductortest;

using Calls = std::vector<std::string>;

// The reactions and the nodal forces come out of a solve balanced to 1e-3; the comparison
// allows rounding on sums of forces of order 100.
constexpr double kForceTolerance = 1e-6;

// Sum of the forces (x, y) and of their moments about the origin over the listed points.
struct Resultant {
  double x = 0.0;
  double y = 0.0;
  double m = 0.0;

  void Add(double px, double py, const Triple& f) {
    x += f[0];
    y += f[1];
    m += px * f[1] - py * f[0] + f[2];
  }
};

// The portal frame with a uniform load of 5 downwards on the beam and 20 downwards at C
// besides the lateral 10 at B. D rests on a roller (y held) with a spring of 2000 along x;
// its zero coefficient along the supported y is accepted.
Records LoadedPortal() {
  Records r = Portal();
  r.nodes[3].IsSupported = {false, true, false};
  r.springs.push_back(MakeSpringSupportProp("D", {2000, 0, 0}));
  r.imposed.push_back(Load("C", 0, {0, -20, 0}));
  r.distributed.push_back(UniformLoad("BC", 0, -5));
  return r;
}

// Applied: 10 at B (0, 4) along x, 20 down at C (6, 4), 30 down at the beam's middle (3, 4).
Resultant AppliedLoads() {
  Resultant applied;
  applied.Add(0, 4, {10, 0, 0});
  applied.Add(6, 4, {0, -20, 0});
  applied.Add(3, 4, {0, -30, 0});
  return applied;
}

void ExpectReactionsBalance(const Loggers& loggers, const Resultant& applied) {
  Resultant reactions;
  reactions.Add(0, 0, loggers.nodes.force.at("A"));
  reactions.Add(6, 0, {0, loggers.nodes.force.at("D")[1], 0});
  reactions.Add(6, 0, loggers.grounds.force.at("D"));  // the spring acts at D
  EXPECT_NEAR(reactions.x + applied.x, 0.0, kForceTolerance);
  EXPECT_NEAR(reactions.y + applied.y, 0.0, kForceTolerance);
  EXPECT_NEAR(reactions.m + applied.m, 0.0, kForceTolerance);
}

TEST(ConductorRunTest, PortalFrameReactionsBalanceTheLoads) {
  Loggers loggers;
  ASSERT_FALSE(loggers.Run(LoadedPortal()));
  EXPECT_TRUE(loggers.conductor.calls.empty());
  EXPECT_EQ(loggers.nodes.built, (Calls{"A", "B", "C", "D"}));
  EXPECT_EQ(loggers.analyzer.calls, (Calls{"StepDone", "LastLoadCaseEnded", "AnalysisEnded"}));
  EXPECT_EQ(loggers.analyzer.addRatios, std::vector<double>{1.0});
  ExpectReactionsBalance(loggers, AppliedLoads());
  // The spring carries part of the lateral load, the fixed base the rest.
  EXPECT_LT(loggers.grounds.force.at("D")[0], 0.0);
  EXPECT_LT(loggers.nodes.force.at("A")[0], 0.0);
}

TEST(ConductorRunTest, WallBetweenTheColumnsKeepsTheBalance) {
  Records records = LoadedPortal();
  records.walls.push_back(Wall("W", "B", "A", "C", "D"));
  Loggers loggers;
  ASSERT_FALSE(loggers.Run(records));
  EXPECT_TRUE(loggers.conductor.calls.empty());
  ExpectReactionsBalance(loggers, AppliedLoads());
}

// Each panel entry takes the rigid-zone length of its member at the panel's node.
TEST(ConductorRunTest, PanelEntriesTakeTheRigidZoneAtTheirNode) {
  Records records = LoadedPortal();
  PanelElementProp below, beam;
  below.ID = "AB";
  below.THLR = kTHLR_H;
  beam.ID = "BC";
  beam.THLR = kTHLR_R;
  records.nodes[1].ElementProps = {below, beam};
  records.elements[0].Lij = {0.1, 0.25};  // AB ends at B with its J end
  records.elements[1].Lij = {0.4, 0.2};   // BC starts at B
  Loggers loggers;
  ASSERT_FALSE(loggers.Run(records));
  const std::vector<PanelElementProp>& entries = loggers.nodes.props.at("B").ElementProps;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Lij, 0.25);
  EXPECT_EQ(entries[1].Lij, 0.4);
  ExpectReactionsBalance(loggers, AppliedLoads());
}

// A second load case starts from the first case's state: the totals after it balance the
// loads of both cases together.
TEST(ConductorRunTest, TwoLoadCasesRunOneAfterTheOther) {
  Records records = LoadedPortal();
  records.limitSteps = {0, 0};
  records.limitRatios = {1.0, 1.0};
  records.imposed.push_back(Load("B", 1, {-4, 0, 0}));
  records.imposed.push_back(Load("C", 1, {0, -6, 0}));
  Loggers loggers;
  ASSERT_FALSE(loggers.Run(records));
  EXPECT_EQ(loggers.analyzer.calls,
            (Calls{"StepDone", "NextLoadCase", "StepDone", "LastLoadCaseEnded", "AnalysisEnded"}));
  Resultant applied = AppliedLoads();
  applied.Add(0, 4, {-4, 0, 0});
  applied.Add(6, 4, {0, -6, 0});
  ExpectReactionsBalance(loggers, applied);
}

// A cantilever of length 3 under a uniform load w = 2 given as an edge load: tip deflection
// w·L⁴/(8·EI), base shear w·L and base moment w·L²/2 (no shear deformation).
TEST(ConductorRunTest, CantileverUnderEdgeLoadMatchesTheClosedForm) {
  Records records;
  records.nodes = {Node("A", 0, 0, kFixed), Node("B", 3, 0)};
  records.elements = {Member("AB", "A", "B")};
  records.distributed = {UniformLoad("AB", 0, -2)};
  Loggers loggers;
  ASSERT_FALSE(loggers.Run(records));
  const double w = 2.0, L = 3.0, EI = 2.0e8 * 1.0e-4;
  EXPECT_NEAR(loggers.nodes.disp.at("B")[1], -w * std::pow(L, 4) / (8 * EI), 1e-9);
  EXPECT_NEAR(loggers.nodes.force.at("A")[1], w * L, kForceTolerance);
  EXPECT_NEAR(loggers.nodes.force.at("A")[2], w * L * L / 2, kForceTolerance);
}

}  // namespace
