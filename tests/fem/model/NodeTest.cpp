#include <gtest/gtest.h>

#include "fem/model/Node.h"
#include "fem/model/NodeMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

// A joint with a column C (T side) and a beam B (L side), no rigid zones, yield moment ±100.
// Neither member is excluded from reporting the panel ratio.
NodeProp JointProp() {
  NodeProp prop;
  prop.ID = "J1";
  prop.Myp = {100.0, -100.0};
  prop.ElementProps = {{"C", 0.0, kTHLR_T, 5.0}, {"B", 0.0, kTHLR_L, 7.0}};
  prop.ExcludedElement = 99;
  return prop;
}

TEST(NodeManagerTest, DuplicateAndUnknownIDsAreRejected) {
  csNodeMgr mgr(nullptr);
  for (const char* id : {"Z", "A"}) {
    NodeProp prop;
    prop.ID = id;
    prop.Coordinate = {1.0, 2.0};
    mgr.MakeNode(prop);
  }
  NodeProp again;
  again.ID = "Z";
  try {
    mgr.MakeNode(again);
    ADD_FAILURE() << "duplicate accepted";
  } catch (const csNodeMgr::exItIsMakingDuplicatedNode& e) {
    EXPECT_EQ(e.ID, "Z");
  }
  try {
    mgr.GetNode("N2");
    ADD_FAILURE() << "unknown ID found";
  } catch (const csNodeMgr::exSpecifiedNodeIsnotExist& e) {
    EXPECT_EQ(e.ID, "N2");
  }
  const auto& nodes = mgr.GetNodes();  // creation order, the first "Z" kept
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0]->GetProp().ID, "Z");
  EXPECT_EQ(nodes[0]->GetCoordinate()[0], 1.0);
  EXPECT_EQ(mgr.GetNode("A"), nodes[1]);
}

TEST(NodeTest, NodeWithoutPanelNeverLimitsAStep) {
  csNode node(nullptr);
  NodeProp prop;
  prop.ID = "N1";
  node.SetProp(prop);
  node.SetPanelForce("E1", {1.0, 2.0, 3.0});
  node.SetPanelForceIncrement("E1", {1.0, 2.0, 3.0});
  EXPECT_EQ(node.GetPanelRatio("E1"), kInfinite);
  EXPECT_FALSE(node.IsPanelUnloading());
  EXPECT_EQ(node.GetKijForPy("E1"), 0.0);
  EXPECT_NO_THROW(node.CheckPreFaceMoment());
}

TEST(NodeTest, TotalsAccumulateOverStepsAndCases) {
  csNode node(nullptr);
  NodeProp prop;
  prop.ID = "N1";
  prop.ImposedLoads = {{1.0, 0.0, 0.0}, {2.0, 0.0, 0.0}};
  prop.ImposedDisps = {{0.0, 0.1, 0.0}, {0.0, 0.2, 0.0}};
  node.SetProp(prop);
  node.SetDispIncrement({2.0, 0.0, 0.0});
  node.SetForceIncrement({0.0, -4.0, 1.0});
  node.Update(0.5);
  node.NextCase();
  node.Update(0.5);
  EXPECT_EQ(node.GetDisp(), (Triple{2.0, 0.0, 0.0}));
  EXPECT_EQ(node.GetForce(), (Triple{0.0, -4.0, 1.0}));
  EXPECT_EQ(node.GetImposedLoad()[0], 2.0);
  EXPECT_EQ(node.GetImposedDisp()[1], 0.2);
}

TEST(NodeTest, YieldMomentNeedsBothGroups) {
  struct Case {
    std::vector<int> codes;
    bool throws;
  };
  const Case cases[] = {
      {{kTHLR_L, kTHLR_R}, true},
      {{kTHLR_T, kTHLR_H}, true},
      {{}, true},
      {{kTHLR_H, kTHLR_R}, false},
  };
  for (const Case& c : cases) {
    NodeProp prop;
    prop.ID = "J";
    prop.Myp = {100.0, -100.0};
    for (std::size_t i = 0; i < c.codes.size(); ++i) {
      prop.ElementProps.push_back(
          {std::string(1, static_cast<char>('a' + i)), 0.0, c.codes[i], 0.0});
    }
    csNode node(nullptr);
    if (c.throws) {
      EXPECT_THROW(node.SetProp(prop), csNode::exMypIsSetAtNodeThatHasnotPanel);
    } else {
      EXPECT_NO_THROW(node.SetProp(prop));
    }
  }
}

// Ratio of one panel sum against Myp = (100, -100): the column moment is the vertical sum A
// and the negated beam moment is B, so a balanced joint has A = B.
TEST(NodeTest, PanelRatioOfTheGroupSums) {
  struct Case {
    double current, increment, ratio;
  };
  const Case cases[] = {
      {40.0, 20.0, 3.0},        // (100 - 40) / 20
      {-40.0, -20.0, 3.0},      // (-100 + 40) / -20
      {120.0, 10.0, 0.0},       // already beyond the limit: 0, not negative
      {40.0, 1e-6, kInfinite},  // an increment this small never limits
      {0.0, -50.0, 2.0},
  };
  for (const Case& c : cases) {
    csNode node(nullptr);
    node.SetProp(JointProp());
    node.SetPanelForce("C", {0.0, 0.0, c.current});
    node.SetPanelForce("B", {0.0, 0.0, -c.current});
    node.SetPanelForceIncrement("C", {0.0, 0.0, c.increment});
    node.SetPanelForceIncrement("B", {0.0, 0.0, -c.increment});
    EXPECT_DOUBLE_EQ(node.GetPanelRatio("C"), c.ratio) << c.current << " " << c.increment;
    EXPECT_DOUBLE_EQ(node.GetPanelRatio("B"), c.ratio);
  }
}

TEST(NodeTest, FaceShearAddsShearTimesRigidLength) {
  csNode node(nullptr);
  NodeProp prop = JointProp();
  prop.Myp = {1.0, -1.0};
  prop.WithFaceShear = true;
  prop.ElementProps = {{"C1", 2.0, kTHLR_T, 0.0},
                       {"C2", 1.0, kTHLR_H, 0.0},
                       {"B1", 3.0, kTHLR_L, 0.0},
                       {"B2", 4.0, kTHLR_R, 0.0}};
  node.SetProp(prop);
  node.SetPanelForce("C1", {10.0, 0.0, 1.0});
  node.SetPanelForce("C2", {6.0, 0.0, 2.0});
  node.SetPanelForce("B1", {0.0, 5.0, 4.0});
  node.SetPanelForce("B2", {0.0, 8.0, 8.0});
  try {
    node.CheckPreFaceMoment();
    ADD_FAILURE() << "no exception";
  } catch (const csNode::exPreFaceMomentIsOverMyp& e) {
    EXPECT_DOUBLE_EQ(e.MomentA, 20.0);   // 1 + 2 - 5*3 + 8*4
    EXPECT_DOUBLE_EQ(e.MomentB, -26.0);  // -4 - 8 - 10*2 + 6*1
  }
}

TEST(NodeTest, MemberAtExcludedPositionDoesNotReportThePanelRatio) {
  NodeProp prop = JointProp();
  prop.ExcludedElement = kNoExcludedElement;  // no rigid zones: position 0 is excluded
  csNode node(nullptr);
  node.SetProp(prop);
  node.SetPanelForceIncrement("C", {0.0, 0.0, 20.0});
  node.SetPanelForceIncrement("B", {0.0, 0.0, -20.0});
  EXPECT_EQ(node.GetPanelRatio("C"), kInfinite);
  EXPECT_DOUBLE_EQ(node.GetPanelRatio("B"), 5.0);

  prop.ElementProps[1].Lij = 0.3;  // a rigid zone: nobody is excluded
  csNode zoned(nullptr);
  zoned.SetProp(prop);
  zoned.SetPanelForceIncrement("C", {0.0, 0.0, 20.0});
  zoned.SetPanelForceIncrement("B", {0.0, 0.0, -20.0});
  EXPECT_DOUBLE_EQ(zoned.GetPanelRatio("C"), 5.0);
}

TEST(NodeTest, PanelYieldsThenUnloads) {
  csNode node(nullptr);
  node.SetProp(JointProp());
  node.SetPanelForce("C", {0.0, 0.0, 40.0});
  node.SetPanelForce("B", {0.0, 0.0, -40.0});
  node.SetPanelForceIncrement("C", {0.0, 0.0, 20.0});
  node.SetPanelForceIncrement("B", {0.0, 0.0, -20.0});
  ASSERT_DOUBLE_EQ(node.GetPanelRatio("C"), 3.0);
  node.Update(3.0);
  EXPECT_EQ(node.GetPanelState(), kYieldedUpper);

  // Loading on: the column turns against the beam in the yielding sense.
  node.SetPanelForceIncrement("C", {0.0, 0.0, 1.0});
  node.SetPanelRotationIncrement("C", 0.01);
  node.SetPanelRotationIncrement("B", -0.01);
  EXPECT_FALSE(node.IsPanelUnloading());
  EXPECT_EQ(node.GetPanelRatio("C"), kInfinite);
  node.Update(0.5);
  EXPECT_EQ(node.GetPanelState(), kYieldedUpper);

  // Reversal: a step of ratio 0 that only returns the panel to elastic.
  node.SetPanelForceIncrement("C", {0.0, 0.0, -1.0});
  node.SetPanelRotationIncrement("C", -0.01);
  node.SetPanelRotationIncrement("B", 0.0);
  EXPECT_TRUE(node.IsPanelUnloading());
  EXPECT_EQ(node.GetPanelRatio("C"), 0.0);
  node.Update(0.0);
  EXPECT_EQ(node.GetPanelState(), kElastic);
  EXPECT_FALSE(node.IsPanelUnloading());
}

// A moment applied to the joint itself makes the vertical and horizontal sums differ. Here
// the beam group limits (B rises by 50 per unit while the column moment falls by 10): the
// panel yields at the upper limit, the side B was heading for, and loading on in the same
// sense is not taken for unloading.
TEST(NodeTest, PanelSideFollowsTheLimitingGroupWhenTheJointCarriesAMoment) {
  csNode node(nullptr);
  node.SetProp(JointProp());
  node.SetPanelForceIncrement("C", {0.0, 0.0, -10.0});
  node.SetPanelForceIncrement("B", {0.0, 0.0, -50.0});  // joint moment -60 per unit
  ASSERT_DOUBLE_EQ(node.GetPanelRatio("C"), 2.0);       // B: 100 / 50; A: -100 / -10 = 10
  node.Update(2.0);
  EXPECT_EQ(node.GetPanelState(), kYieldedUpper);

  node.SetPanelForceIncrement("C", {0.0, 0.0, -10.0});
  node.SetPanelForceIncrement("B", {0.0, 0.0, -50.0});
  node.SetPanelRotationIncrement("C", 0.0);
  node.SetPanelRotationIncrement("B", -0.03);  // beam turns away: the panel keeps yielding
  EXPECT_FALSE(node.IsPanelUnloading());
  EXPECT_EQ(node.GetPanelRatio("C"), kInfinite);
}

TEST(NodeTest, UnknownMemberAtPanelNodeDoesNothing) {
  csNode node(nullptr);
  node.SetProp(JointProp());
  node.SetPanelForce("X", {0.0, 0.0, 500.0});
  node.SetPanelForceIncrement("X", {0.0, 0.0, 500.0});
  node.SetPanelRotationIncrement("X", 1.0);
  EXPECT_EQ(node.GetPanelRatio("X"), kInfinite);
  EXPECT_EQ(node.GetKijForPy("X"), 0.0);
  EXPECT_EQ(node.GetKijForPy("B"), 7.0);
  EXPECT_NO_THROW(node.CheckPreFaceMoment());
  EXPECT_EQ(node.GetPanelRatio("C"), kInfinite);  // the unknown increment was not taken
}

TEST(NodeTest, PreFaceMomentBeyondYieldIsRejected) {
  struct Case {
    double column, beam;  // A = column, B = -beam
    int side;             // -1: accepted
  };
  const Case cases[] = {
      {120.0, -120.0, 0}, {-120.0, 120.0, 1}, {100.0, -100.0, -1},
      {0.0, -130.0, 0},   {50.0, 80.0, -1},   {-101.0, 0.0, 1},
  };
  for (const Case& c : cases) {
    csNode node(nullptr);
    node.SetProp(JointProp());
    node.SetPanelForce("C", {0.0, 0.0, c.column});
    node.SetPanelForce("B", {0.0, 0.0, c.beam});
    if (c.side < 0) {
      EXPECT_NO_THROW(node.CheckPreFaceMoment());
      continue;
    }
    try {
      node.CheckPreFaceMoment();
      ADD_FAILURE() << c.column << " " << c.beam;
    } catch (const csNode::exPreFaceMomentIsOverMyp& e) {
      EXPECT_EQ(e.ID, "J1");
      EXPECT_EQ(e.MomentA, c.column);
      EXPECT_EQ(e.MomentB, -c.beam);
      EXPECT_EQ(e.Side, c.side);
    }
  }
}

TEST(NodeTest, SideCodeNames) {
  EXPECT_EQ(THLRName(kTHLR_T), "T");
  EXPECT_EQ(THLRName(kTHLR_H), "H");
  EXPECT_EQ(THLRName(kTHLR_L), "L");
  EXPECT_EQ(THLRName(kTHLR_R), "R");
  EXPECT_EQ(THLRName(kTHLR_Undef), "Undef");
  EXPECT_THROW(THLRName(5), std::string);
  EXPECT_THROW(THLRName(-1), std::string);
}

}  // namespace
