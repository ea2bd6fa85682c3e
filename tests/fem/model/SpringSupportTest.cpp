#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/model/ImposedLoadAndDisp.h"
#include "fem/model/NodeMgr.h"
#include "fem/model/SpringSupportMaker.h"
#include "fem/model/SpringSupportMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using znMatrix::Vector;

NodeProp Node(const std::string& id, double x, double y, std::array<bool, 3> supported) {
  NodeProp n;
  n.ID = id;
  n.Coordinate = {x, y};
  n.IsSupported = supported;
  n.ImposedLoads.assign(2, Triple{0, 0, 0});
  n.ImposedDisps.assign(2, Triple{0, 0, 0});
  return n;
}

SpringSupportProp Spring(const std::string& node, Triple coef) {
  SpringSupportProp s = MakeSpringSupportProp(node, coef);
  s.ImposedDisp.assign(2, Triple{0, 0, 0});
  return s;
}

struct NodeLog : csSpringSupportNode::ifLogger {
  std::vector<std::string> calls;
  Triple force{}, disp{};
  void Prop(const SpringSupportNodeProp& p) override {
    calls.push_back("Prop " + p.ID + " " + p.ConnectNodeID);
  }
  void ForceIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void DispIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void Force(const SpringSupportNodeProp&, const Triple& f) override { force = f; }
  void Disp(const SpringSupportNodeProp&, const Triple& d) override { disp = d; }
  void AnalysisStarted() override { calls.push_back("start"); }
  void AnalysisEnded() override { calls.push_back("end"); }
  void StepStarted(std::uint32_t s) override { calls.push_back("step " + std::to_string(s)); }
  void StepEnded(std::uint32_t) override {}
};

struct ElementLog : csSpringSupportElement::ifLogger {
  std::vector<std::string> calls;
  Vector force;
  void Prop(const SpringSupportElementProp& p) override { calls.push_back("Prop " + p.ElementID); }
  void DispIncrement(const SpringSupportElementProp&, const Vector&) override {
    calls.push_back("DispIncrement");
  }
  void ForceIncrement(const SpringSupportElementProp&, const Vector&) override {
    calls.push_back("ForceIncrement");
  }
  void Update(const SpringSupportElementProp&, double) override { calls.push_back("Update"); }
  void Disp(const SpringSupportElementProp&, const Vector&) override { calls.push_back("Disp"); }
  void Force(const SpringSupportElementProp&, const Vector& f) override {
    calls.push_back("Force");
    force = f;
  }
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}
};

// A1 is free; B2 is fixed in x only.
class SpringSupportTest : public ::testing::Test {
 protected:
  SpringSupportTest() : nodes(nullptr), springs(maker), make(nodes, springs) {
    nodes.MakeNode(Node("A1", 2, 3, {false, false, false}));
    nodes.MakeNode(Node("B2", 5, 3, {true, false, false}));
    springs.SetNodeLogger(&nodeLog);
    springs.SetElementLogger(&elementLog);
  }
  znFEM::znMatrixMaker::csMatrixMaker2DRahmen maker;
  csNodeMgr nodes;
  csSpringSupportMgr springs;
  fnSpringSupportMaker make;
  NodeLog nodeLog;
  ElementLog elementLog;
};

TEST_F(SpringSupportTest, MakesGroundNodeAndSpringElementNamedAfterTheNode) {
  SpringSupportProp prop = Spring("A1", {5, 6, 7});
  make(prop);
  EXPECT_EQ(prop.ConnectNode, nodes.GetNode("A1"));
  ifNode* ground = springs.GetNode("A1_ssn");
  ifElement* element = springs.GetElement("A1_sse");
  EXPECT_EQ(springs.GetNodes(), std::vector<ifNode*>{ground});
  EXPECT_EQ(springs.GetElements(), std::vector<ifElement*>{element});
  EXPECT_EQ(ground->GetProp().ID, "A1_ssn");
  EXPECT_EQ(ground->GetIsSupported(), (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(ground->GetProp().IsSupported, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(element->GetProp().ID, "A1_sse");
  EXPECT_EQ(element->GetNodes()[0], ground);
  EXPECT_EQ(element->GetNodes()[1], nodes.GetNode("A1"));
  EXPECT_EQ(element->GetProp().NodeID[1], "A1");
  EXPECT_EQ(nodeLog.calls, std::vector<std::string>{"Prop A1_ssn A1"});
  EXPECT_EQ(elementLog.calls, std::vector<std::string>{"Prop A1_sse"});
}

TEST_F(SpringSupportTest, SpringStiffnessTiesTheSameDirectionsOfBothEnds) {
  SpringSupportProp prop = Spring("A1", {5, 6, 7});
  make(prop);
  const znMatrix::csSymmetryMatrix& K = springs.GetElement("A1_sse")->GetStiffness();
  const double k[3] = {5, 6, 7};
  for (znMatrix::Index r = 0; r < 6; ++r) {
    for (znMatrix::Index c = 0; c < 6; ++c) {
      const double expected = r == c ? k[r % 3] : (r % 3 == c % 3 ? -k[r % 3] : 0.0);
      EXPECT_EQ(K.Get(r, c), expected) << r << "," << c;
    }
  }
  // Moving both ends alike stretches no spring.
  EXPECT_EQ(znMatrix::MultiplyVector(K, Vector{1, -2, 0.5, 1, -2, 0.5}), Vector(6, 0.0));
}

TEST_F(SpringSupportTest, UnitDisplacementOfTheNodeGivesTheSpringForce) {
  SpringSupportProp prop = Spring("A1", {5, 0, 0});
  make(prop);
  ifElement* element = springs.GetElement("A1_sse");
  element->SetDispIncrement({0, 0, 0, 1, 0, 0});
  EXPECT_EQ(element->GetFaceForceIncrement(), (Vector{-5, 0, 0, 5, 0, 0}));
  element->Update(0.5);
  element->Update(0.5);
  EXPECT_EQ(element->GetDisp(), (Vector{0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(element->GetFaceForce(), (Vector{-5, 0, 0, 5, 0, 0}));
  EXPECT_EQ(elementLog.force, (Vector{-5, 0, 0, 5, 0, 0}));
  EXPECT_EQ(element->GetNextRatio(), (PerEnd<double>{kInfinite, kInfinite}));
  EXPECT_FALSE(element->IsFailed());
  EXPECT_EQ(element->GetEquivalentLoad(), Vector(6, 0.0));
}

TEST_F(SpringSupportTest, GroundNodeImposesTheDisplacementOfEachLoadCase) {
  std::vector<NodeProp> nodeRecords = {Node("A1", 2, 3, {false, false, false})};
  std::vector<SpringSupportProp> springRecords = {Spring("A1", {5, 0, 0})};
  csImposedLoadAndDisp imposed(nullptr);
  imposed.SetNodes(nodeRecords);
  imposed.SetSpringSupports(springRecords);
  imposed.Apply({{"A1", 1, {0, 0, 0}, {0.5, 0, 0}}});
  make(springRecords[0]);
  ifNode* ground = springs.GetNode("A1_ssn");
  EXPECT_EQ(ground->GetImposedDisp(), (Triple{0, 0, 0}));
  ground->NextCase();
  EXPECT_EQ(ground->GetImposedDisp(), (Triple{0.5, 0, 0}));
  ground->NextCase();  // past the last case: nothing more is imposed
  EXPECT_EQ(ground->GetImposedDisp(), (Triple{0, 0, 0}));
  EXPECT_EQ(ground->GetImposedLoad(), (Triple{0, 0, 0}));
  // The ground moved by 0.5 with the node held: the spring pulls the node by -k·0.5.
  ifElement* element = springs.GetElement("A1_sse");
  element->SetDispIncrement({0.5, 0, 0, 0, 0, 0});
  EXPECT_EQ(element->GetFaceForceIncrement()[3], -2.5);
}

TEST_F(SpringSupportTest, GroundNodeAccumulatesItsReaction) {
  SpringSupportProp prop = Spring("A1", {5, 0, 0});
  make(prop);
  ifNode* ground = springs.GetNode("A1_ssn");
  ground->SetForceIncrement({2, 0, -1});
  ground->SetDispIncrement({0.5, 0, 0});
  ground->Update(0.25);
  ground->Update(0.75);
  EXPECT_EQ(ground->GetForce(), (Triple{2, 0, -1}));
  EXPECT_EQ(ground->GetDisp(), (Triple{0.5, 0, 0}));
  EXPECT_EQ(nodeLog.force, (Triple{2, 0, -1}));
  EXPECT_EQ(ground->GetPanelRatio("X"), kInfinite);
  ground->CheckPreFaceMoment();
  ground->BeginStep(3);
  ground->EndAnalysis();
  EXPECT_EQ(nodeLog.calls, (std::vector<std::string>{"Prop A1_ssn A1", "start", "step 3", "end"}));
}

TEST_F(SpringSupportTest, SpringInASupportedDirectionIsRefused) {
  for (std::uint32_t d = 0; d < 3; ++d) {
    NodeProp held = Node("H" + std::to_string(d), 0, 0, {d == 0, d == 1, d == 2});
    nodes.MakeNode(held);
    Triple coef{0, 0, 0};
    coef[d] = 5.0;
    SpringSupportProp prop = Spring(held.ID, coef);
    try {
      make(prop);
      ADD_FAILURE() << d;
    } catch (const fnSpringSupportMaker::exUnZeroSpringCoefIsSetAtSupportedNode& e) {
      EXPECT_EQ(e.ID, held.ID);
      EXPECT_EQ(e.Direction, d);
    }
  }
  // A zero spring there, with springs in the free directions, is accepted.
  SpringSupportProp prop = Spring("B2", {0, 4, 4});
  EXPECT_NO_THROW(make(prop));
}

TEST_F(SpringSupportTest, UnknownAndRepeatedNodesAreRefused) {
  SpringSupportProp unknown = Spring("Z9", {1, 1, 1});
  try {
    make(unknown);
    ADD_FAILURE();
  } catch (const fnSpringSupportMaker::exConnectNodeIsnotExist& e) {
    EXPECT_EQ(e.ID, "Z9");
  }
  SpringSupportProp first = Spring("A1", {1, 0, 0});
  SpringSupportProp second = Spring("A1", {2, 0, 0});
  make(first);
  try {
    make(second);
    ADD_FAILURE();
  } catch (const csSpringSupportMgr::exItIsMakingDuplicatedNode& e) {
    EXPECT_EQ(e.ID, "A1_ssn");
  }
  EXPECT_EQ(springs.GetNodes().size(), 1u);
  try {
    springs.GetNode("A1_sse");
    ADD_FAILURE();
  } catch (const csSpringSupportMgr::exSpecifiedNodeIsnotExist& e) {
    EXPECT_EQ(e.ID, "A1_sse");
  }
  try {
    springs.GetElement("A1_ssn");
    ADD_FAILURE();
  } catch (const csSpringSupportMgr::exSpecifiedElementIsnotExist& e) {
    EXPECT_EQ(e.ID, "A1_ssn");
  }
}

TEST_F(SpringSupportTest, RepeatedElementIDIsRefused) {
  // A record whose ground-node ID differs but whose element ID repeats an earlier one.
  SpringSupportProp first = Spring("A1", {1, 0, 0});
  SpringSupportProp second = Spring("B2", {0, 1, 0});
  second.ElementID = "A1_sse";
  make(first);
  try {
    make(second);
    ADD_FAILURE();
  } catch (const csSpringSupportMgr::exItIsMakingDuplicatedElement& e) {
    EXPECT_EQ(e.ID, "A1_sse");
  }
}

}  // namespace
