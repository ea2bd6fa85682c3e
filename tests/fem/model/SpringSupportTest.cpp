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

NodeProp Node(const std::string& id, std::array<bool, 3> supported) {
  NodeProp n;
  n.ID = id;
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
  std::vector<std::string> props;
  void Prop(const SpringSupportNodeProp& p) override {
    props.push_back(p.ID + "/" + p.ConnectNodeID);
  }
  void ForceIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void DispIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void Force(const SpringSupportNodeProp&, const Triple&) override {}
  void Disp(const SpringSupportNodeProp&, const Triple&) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}
};

struct ElementLog : csSpringSupportElement::ifLogger {
  std::vector<std::string> props;
  Vector force;
  void Prop(const SpringSupportElementProp& p) override { props.push_back(p.ElementID); }
  void DispIncrement(const SpringSupportElementProp&, const Vector&) override {}
  void ForceIncrement(const SpringSupportElementProp&, const Vector&) override {}
  void Update(const SpringSupportElementProp&, double) override {}
  void Disp(const SpringSupportElementProp&, const Vector&) override {}
  void Force(const SpringSupportElementProp&, const Vector& f) override { force = f; }
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}
};

// A1 is free; B2 is fixed in x only.
class SpringSupportTest : public ::testing::Test {
 protected:
  SpringSupportTest() : nodes(nullptr), springs(maker), make(nodes, springs) {
    nodes.MakeNode(Node("A1", {false, false, false}));
    nodes.MakeNode(Node("B2", {true, false, false}));
    springs.SetNodeLogger(&nodeLog);
    springs.SetElementLogger(&elementLog);
  }
  void Make(const std::string& node, Triple coef) {
    SpringSupportProp prop = Spring(node, coef);
    make(prop);
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
  EXPECT_EQ(element->GetProp().ID, "A1_sse");
  EXPECT_EQ(element->GetNodes(), (PerEnd<ifNode*>{ground, nodes.GetNode("A1")}));
  EXPECT_EQ(nodeLog.props, std::vector<std::string>{"A1_ssn/A1"});
  EXPECT_EQ(elementLog.props, std::vector<std::string>{"A1_sse"});
}

TEST_F(SpringSupportTest, SpringStiffnessTiesTheSameDirectionsOfBothEnds) {
  Make("A1", {5, 6, 7});
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
  Make("A1", {5, 0, 0});
  ifElement* element = springs.GetElement("A1_sse");
  element->SetDispIncrement({0, 0, 0, 1, 0, 0});
  EXPECT_EQ(element->GetFaceForceIncrement(), (Vector{-5, 0, 0, 5, 0, 0}));
  element->Update(0.5);
  element->Update(0.5);
  EXPECT_EQ(element->GetDisp(), (Vector{0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(element->GetFaceForce(), (Vector{-5, 0, 0, 5, 0, 0}));
  EXPECT_EQ(elementLog.force, (Vector{-5, 0, 0, 5, 0, 0}));
  EXPECT_EQ(element->GetNextRatio(), (PerEnd<double>{kInfinite, kInfinite}));
  EXPECT_EQ(element->GetEquivalentLoad(), Vector(6, 0.0));
}

// Imposed displacements reach the ground node case by case and pull the node through the spring.
TEST_F(SpringSupportTest, GroundNodeImposesTheDisplacementOfEachLoadCase) {
  std::vector<NodeProp> nodeRecords = {Node("A1", {false, false, false})};
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
  ifElement* element = springs.GetElement("A1_sse");
  element->SetDispIncrement({0.5, 0, 0, 0, 0, 0});
  EXPECT_EQ(element->GetFaceForceIncrement()[3], -2.5);  // -kx·0.5 on the held node
}

TEST_F(SpringSupportTest, SpringInASupportedDirectionIsRefused) {
  for (std::uint32_t d = 0; d < 3; ++d) {
    const std::string id = "H" + std::to_string(d);
    nodes.MakeNode(Node(id, {d == 0, d == 1, d == 2}));
    Triple coef{0, 0, 0};
    coef[d] = 5.0;
    const auto e = Thrown<fnSpringSupportMaker::exUnZeroSpringCoefIsSetAtSupportedNode>(
        [&] { Make(id, coef); });
    EXPECT_EQ(e.ID, id);
    EXPECT_EQ(e.Direction, d);
  }
  // A zero spring there, with springs in the free directions, is accepted.
  EXPECT_NO_THROW(Make("B2", {0, 4, 4}));
}

TEST_F(SpringSupportTest, UnknownAndRepeatedIDsAreRefused) {
  EXPECT_EQ(Thrown<fnSpringSupportMaker::exConnectNodeIsnotExist>([&] {
              Make("Z9", {1, 1, 1});
            }).ID,
            "Z9");
  Make("A1", {1, 0, 0});
  EXPECT_EQ(Thrown<csSpringSupportMgr::exItIsMakingDuplicatedNode>([&] {
              Make("A1", {2, 0, 0});
            }).ID,
            "A1_ssn");
  EXPECT_EQ(springs.GetNodes().size(), 1u);
  // A record whose ground node is new but whose element ID repeats an earlier one.
  SpringSupportProp clash = Spring("B2", {0, 1, 0});
  clash.ElementID = "A1_sse";
  EXPECT_EQ(Thrown<csSpringSupportMgr::exItIsMakingDuplicatedElement>([&] { make(clash); }).ID,
            "A1_sse");
  EXPECT_EQ(Thrown<csSpringSupportMgr::exSpecifiedNodeIsnotExist>([&] { springs.GetNode("X"); }).ID,
            "X");
  EXPECT_EQ(
      Thrown<csSpringSupportMgr::exSpecifiedElementIsnotExist>([&] { springs.GetElement("Y"); }).ID,
      "Y");
}

}  // namespace
