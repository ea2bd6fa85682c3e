// Nodes: totals over steps, the joint panel's moments, ratios, yield and unloading, and the
// records and lookups that are rejected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/model/Node.h"
#include "fem/model/NodeMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

// A joint with a column C (T side) and a beam B (L side), no rigid zones, yield moment ±100,
// no member excluded. The column moment is the vertical sum A, the negated beam moment B.
NodeProp JointProp() {
  NodeProp prop;
  prop.ID = "J1";
  prop.Myp = {100.0, -100.0};
  prop.ElementProps = {{"C", 0.0, kTHLR_T, 5.0}, {"B", 0.0, kTHLR_L, 7.0}};
  prop.ExcludedElement = 99;
  return prop;
}

// Column and beam moments: totals, then increments per unit ratio.
void Moments(csNode& node, double column, double beam, double dColumn, double dBeam) {
  node.SetPanelForce("C", {0.0, 0.0, column});
  node.SetPanelForce("B", {0.0, 0.0, beam});
  node.SetPanelForceIncrement("C", {0.0, 0.0, dColumn});
  node.SetPanelForceIncrement("B", {0.0, 0.0, dBeam});
}

TEST(NodeTest, ManagerKeepsTheFirstOfTwoIDsAndFindsEveryNodeItKept) {
  csNodeMgr mgr(nullptr);
  NodeProp prop;
  prop.ID = "Z";
  prop.ImposedLoads = {{1.0, 0.0, 0.0}, {2.0, 0.0, 0.0}};
  ifNode* first = mgr.MakeNode(prop);
  prop.ImposedLoads.clear();
  EXPECT_THROW(mgr.MakeNode(prop), csNodeMgr::exItIsMakingDuplicatedNode);
  EXPECT_THROW(mgr.GetNode("N2"), csNodeMgr::exSpecifiedNodeIsnotExist);
  EXPECT_EQ(mgr.GetNode("Z"), first);
  EXPECT_EQ(mgr.GetNodes().size(), 1u);
  first->NextCase();
  EXPECT_EQ(first->GetImposedLoad()[0], 2.0);
  NodeProp rejected = JointProp();  // a yield moment without both groups of members
  rejected.ID = "R";
  rejected.ElementProps.pop_back();
  EXPECT_THROW(mgr.MakeNode(rejected), csNode::exMypIsSetAtNodeThatHasnotPanel);
  EXPECT_THROW(mgr.GetNode("R"), csNodeMgr::exSpecifiedNodeIsnotExist);
  // Many more nodes than any first room: each is found where it was made.
  std::vector<ifNode*> made;
  for (int k = 0; k < 500; ++k) {
    prop.ID = "N" + std::to_string(k);
    made.push_back(mgr.MakeNode(prop));
  }
  ASSERT_EQ(mgr.GetNodes().size(), 501u);
  EXPECT_EQ(mgr.GetNode("Z"), first);
  for (int k = 0; k < 500; ++k) {
    EXPECT_EQ(mgr.GetNode("N" + std::to_string(k)), made[k]);
    EXPECT_EQ(made[k]->GetProp().ID, "N" + std::to_string(k));
  }
}

// Without a panel, or for a member the panel does not list, the panel operations do nothing.
TEST(NodeTest, PanelOperationsWithoutPanelOrMemberDoNothing) {
  NodeProp plain;
  plain.ID = "N1";
  csNode node(nullptr), joint(nullptr);
  node.SetProp(plain);
  joint.SetProp(JointProp());
  for (csNode* n : {&node, &joint}) {
    n->SetPanelForce("X", {0.0, 0.0, 500.0});
    n->SetPanelForceIncrement("X", {0.0, 0.0, 500.0});
    n->SetPanelRotationIncrement("X", 1.0);
    EXPECT_EQ(n->GetPanelRatio("X"), kInfinite);
    EXPECT_FALSE(n->IsPanelUnloading());
    EXPECT_EQ(n->GetKijForPy("X"), 0.0);
    EXPECT_NO_THROW(n->CheckPreFaceMoment());
  }
  EXPECT_EQ(joint.GetKijForPy("B"), 7.0);
  EXPECT_EQ(joint.GetPanelRatio("C"), kInfinite);  // the unknown increment was not taken
}

// A yield moment needs a vertical and a horizontal member at the node.
TEST(NodeTest, YieldMomentNeedsBothGroups) {
  using Codes = std::vector<int>;
  for (const Codes& codes : {Codes{kTHLR_L, kTHLR_R}, Codes{kTHLR_T, kTHLR_H}, Codes{}}) {
    NodeProp prop = JointProp();
    prop.ElementProps.clear();
    for (int code : codes) prop.ElementProps.push_back({std::to_string(code), 0.0, code, 0.0});
    csNode node(nullptr);
    EXPECT_THROW(node.SetProp(prop), csNode::exMypIsSetAtNodeThatHasnotPanel) << codes.size();
  }
  NodeProp prop = JointProp();
  prop.ElementProps = {{"C", 0.0, kTHLR_H, 0.0}, {"B", 0.0, kTHLR_R, 0.0}};
  csNode node(nullptr);
  EXPECT_NO_THROW(node.SetProp(prop));
}

TEST(NodeTest, PanelRatioOfTheGroupSums) {
  struct Case {
    double current, increment, ratio;
  };
  const Case cases[] = {
      {40.0, 20.0, 3.0},        // (100 - 40) / 20
      {-40.0, -20.0, 3.0},      // (-100 + 40) / -20
      {120.0, 10.0, 0.0},       // already beyond the limit: 0, not negative
      {40.0, 1e-6, kInfinite},  // an increment this small never limits
  };
  for (const Case& c : cases) {
    csNode node(nullptr);
    node.SetProp(JointProp());
    Moments(node, c.current, -c.current, c.increment, -c.increment);
    EXPECT_DOUBLE_EQ(node.GetPanelRatio("C"), c.ratio) << c.current << " " << c.increment;
  }
}

// With rigid lengths the shear of each member times its rigid length joins the other group.
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
  for (double lij : {0.0, 0.3}) {  // with a rigid zone nobody is excluded
    NodeProp prop = JointProp();
    prop.ExcludedElement = kNoExcludedElement;
    prop.ElementProps[1].Lij = lij;
    csNode node(nullptr);
    node.SetProp(prop);
    Moments(node, 0.0, 0.0, 20.0, -20.0);
    EXPECT_EQ(node.GetPanelRatio("C"), lij == 0.0 ? kInfinite : 5.0);
    EXPECT_DOUBLE_EQ(node.GetPanelRatio("B"), 5.0);
  }
}

// The panel yields, loads on without an event, and unloads in a step of ratio 0. With a moment
// on the joint itself (second case) the sums differ: the beam group limits (B rises by 50 per
// unit while the column moment falls by 10), and the panel yields on the side B was heading
// for, so that loading on in the same sense is not taken for unloading.
TEST(NodeTest, PanelYieldsLoadsOnAndUnloads) {
  struct Case {
    double column, beam, dColumn, dBeam, ratio;
    std::int32_t state;
  };
  const Case cases[] = {{40.0, -40.0, 20.0, -20.0, 3.0, kYieldedUpper},
                        {0.0, 0.0, -10.0, -50.0, 2.0, kYieldedUpper},
                        {-40.0, 40.0, -20.0, 20.0, 3.0, kYieldedLower}};
  for (const Case& c : cases) {
    csNode node(nullptr);
    node.SetProp(JointProp());
    Moments(node, c.column, c.beam, c.dColumn, c.dBeam);
    node.SetDispIncrement({2.0, 0.0, 0.0});
    ASSERT_DOUBLE_EQ(node.GetPanelRatio("C"), c.ratio);
    node.Update(c.ratio);
    ASSERT_EQ(node.GetPanelState(), c.state);

    // The column turns against the beam in the yielding sense, then back.
    const double sense = c.state == kYieldedUpper ? 1.0 : -1.0;
    node.SetPanelForceIncrement("C", {0.0, 0.0, sense});
    node.SetPanelRotationIncrement("C", 0.01 * sense);
    node.SetPanelRotationIncrement("B", -0.01 * sense);
    EXPECT_FALSE(node.IsPanelUnloading());
    EXPECT_EQ(node.GetPanelRatio("C"), kInfinite);
    node.Update(0.5);
    EXPECT_EQ(node.GetPanelState(), c.state);
    node.SetPanelForceIncrement("C", {0.0, 0.0, -sense});
    node.SetPanelRotationIncrement("C", -0.01 * sense);
    node.SetPanelRotationIncrement("B", 0.0);
    EXPECT_TRUE(node.IsPanelUnloading());
    EXPECT_EQ(node.GetPanelRatio("C"), 0.0);
    node.Update(0.0);
    EXPECT_EQ(node.GetPanelState(), kElastic);
    EXPECT_DOUBLE_EQ(node.GetDisp()[0], 2.0 * (c.ratio + 0.5));  // the totals of every step
  }
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
    Moments(node, c.column, c.beam, 0.0, 0.0);
    try {
      node.CheckPreFaceMoment();
      EXPECT_EQ(c.side, -1) << c.column << " " << c.beam;
    } catch (const csNode::exPreFaceMomentIsOverMyp& e) {
      EXPECT_EQ(e.ID, "J1");
      EXPECT_EQ(e.MomentA, c.column);
      EXPECT_EQ(e.MomentB, -c.beam);
      EXPECT_EQ(e.Side, c.side);
    }
  }
}

TEST(NodeTest, SideCodeNames) {
  EXPECT_EQ(THLRName(kTHLR_H), "H");
  EXPECT_EQ(THLRName(kTHLR_Undef), "Undef");
  EXPECT_THROW(THLRName(5), std::string);
}

}  // namespace
