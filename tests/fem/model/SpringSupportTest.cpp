// Spring supports: the ground node and spring element made for a node, and the records and
// lookups that are refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/model/NodeMgr.h"
#include "fem/model/SpringSupportMaker.h"
#include "fem/model/SpringSupportMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using znMatrix::Vector;

NodeProp Node(const std::string& id, std::array<bool, 3> supported) {
  NodeProp n;
  n.ID = id;
  n.IsSupported = supported;
  return n;
}

SpringSupportProp Spring(const std::string& node, Triple coef) {
  SpringSupportProp s = MakeSpringSupportProp(node, coef);
  s.ImposedDisp.assign(2, Triple{0, 0, 0});
  return s;
}

// A1 is free; B2 is fixed in x only.
class SpringSupportTest : public ::testing::Test {
 protected:
  SpringSupportTest() : nodes(nullptr), springs(maker), make(nodes, springs) {
    nodes.MakeNode(Node("A1", {false, false, false}));
    nodes.MakeNode(Node("B2", {true, false, false}));
  }
  void Make(const std::string& node, Triple coef) {
    SpringSupportProp prop = Spring(node, coef);
    make(prop);
  }
  znFEM::znMatrixMaker::csMatrixMaker2DRahmen maker;
  csNodeMgr nodes;
  csSpringSupportMgr springs;
  fnSpringSupportMaker make;
};

// The ground node "A1_ssn", held in every direction and moved case by case by the imposed
// displacements of the support, is end I of the spring element "A1_sse"; end J is the node. A
// unit move of the node is pulled back by the spring of that direction; moving both ends alike
// stretches no spring.
TEST_F(SpringSupportTest, SpringElementTiesTheNodeToItsGroundNode) {
  SpringSupportProp prop = Spring("A1", {5, 6, 7});
  prop.ImposedDisp[1] = {0.5, 0, 0};
  make(prop);
  ifNode* ground = springs.GetNode("A1_ssn");
  ifElement* element = springs.GetElement("A1_sse");
  EXPECT_EQ(ground->GetIsSupported(), (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(ground->GetImposedDisp(), (Triple{0, 0, 0}));
  ground->NextCase();
  EXPECT_EQ(ground->GetImposedDisp(), (Triple{0.5, 0, 0}));
  EXPECT_EQ(element->GetNodes(), (PerEnd<ifNode*>{ground, nodes.GetNode("A1")}));
  const Vector rigid{1, -2, 0.5, 1, -2, 0.5};
  EXPECT_EQ(znMatrix::MultiplyVector(element->GetStiffness(), rigid), Vector(6, 0.0));
  element->SetDispIncrement({0, 0, 0, 1, 0, 1});
  EXPECT_EQ(element->GetFaceForceIncrement(), (Six{-5, 0, -7, 5, 0, 7}));
  element->Update(0.5);
  element->Update(0.5);
  EXPECT_EQ(element->GetFaceForce(), (Six{-5, 0, -7, 5, 0, 7}));
  EXPECT_EQ(element->GetNextRatio(1.0), (PerEnd<double>{kInfinite, kInfinite}));
}

template <class Ex, class F>
std::string IDOf(F f) {
  try {
    f();
  } catch (const Ex& e) {
    return e.ID;
  }
  return "nothing thrown";
}

TEST_F(SpringSupportTest, RefusedRecordsAndLookups) {
  for (std::uint32_t d = 0; d < 3; ++d) {  // a spring where the node's own support holds it
    const std::string id = std::to_string(d);
    nodes.MakeNode(Node(id, {d == 0, d == 1, d == 2}));
    Triple coef{0, 0, 0};
    coef[d] = 5.0;
    try {
      Make(id, coef);
      ADD_FAILURE() << d;
    } catch (const fnSpringSupportMaker::exUnZeroSpringCoefIsSetAtSupportedNode& e) {
      EXPECT_EQ(e.ID, id);
      EXPECT_EQ(e.Direction, d);
    }
  }
  EXPECT_NO_THROW(Make("B2", {0, 4, 4}));  // a zero spring there is accepted
  using Mgr = csSpringSupportMgr;
  EXPECT_EQ(IDOf<fnSpringSupportMaker::exConnectNodeIsnotExist>([&] {
              Make("Z9", {1, 1, 1});
            }),
            "Z9");
  EXPECT_EQ(IDOf<Mgr::exItIsMakingDuplicatedNode>([&] { Make("B2", {0, 1, 0}); }), "B2_ssn");
  SpringSupportProp clash = Spring("A1", {0, 1, 0});  // a new ground node, a repeated element
  clash.ElementID = "B2_sse";
  EXPECT_EQ(IDOf<Mgr::exItIsMakingDuplicatedElement>([&] { make(clash); }), "B2_sse");
  EXPECT_EQ(IDOf<Mgr::exSpecifiedNodeIsnotExist>([&] { springs.GetNode("X"); }), "X");
  EXPECT_EQ(IDOf<Mgr::exSpecifiedElementIsnotExist>([&] { springs.GetElement("Y"); }), "Y");
}

}  // namespace
