// Imposed nodal loads and displacements: records add up per node and case, displacements at
// spring-supported nodes move the spring's ground end, and failing records stop the run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/model/ImposedLoadAndDisp.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using Distributor = csImposedLoadAndDisp;

NodeProp Node(const std::string& id, bool sx, bool sy) {
  NodeProp n;
  n.ID = id;
  n.IsSupported = {sx, sy, false};
  n.ImposedLoads.assign(2, Triple{0, 0, 0});
  n.ImposedDisps.assign(2, Triple{0, 0, 0});
  return n;
}

SpringSupportProp Spring(const std::string& node, Triple coef) {
  SpringSupportProp s = MakeSpringSupportProp(node, coef);
  s.ImposedDisp.assign(2, Triple{0, 0, 0});
  return s;
}

// Two load cases; N1 free, N2 fixed in x and y, N3 free on springs (kx = 5, ky = 0, km = 3),
// N4 held in y by its support and in x by a spring.
class ImposedLoadAndDispTest : public ::testing::Test {
 protected:
  ImposedLoadAndDispTest() : distributor(nullptr) {
    distributor.SetNodes(nodes);
    distributor.SetSpringSupports(springs);
  }
  // What a bad record throws as the third (ordinal 2) after two good ones, which stay applied
  // while the bad one applies nothing.
  template <class Ex>
  Ex Failure(const ImposedLoadAndDispProp& bad) {
    std::vector<NodeProp> n = nodes;
    std::vector<SpringSupportProp> s = springs;
    Distributor d(nullptr);
    d.SetNodes(n);
    d.SetSpringSupports(s);
    try {
      d.Apply({{"N1", 0, {0, 1, 0}, {0, 0, 0}}, {"N1", 0, {0, 1, 0}, {0, 0, 0}}, bad});
    } catch (const Ex& e) {
      EXPECT_EQ(e.Key, (Distributor::RecordKey{1, 2}));
      EXPECT_EQ(e.ID, bad.ID);
      EXPECT_EQ(e.LoadAndDispNumber, bad.LoadAndDispNumber);
      EXPECT_EQ(d.GetAppliedCount(), 2u);
      EXPECT_EQ(n[0].ImposedLoads[0], (Triple{0, 2, 0}));
      for (std::size_t k = 1; k < n.size(); ++k) {
        EXPECT_EQ(n[k].ImposedLoads, nodes[k].ImposedLoads);
        EXPECT_EQ(n[k].ImposedDisps, nodes[k].ImposedDisps);
      }
      for (std::size_t k = 0; k < s.size(); ++k)
        EXPECT_EQ(s[k].ImposedDisp, springs[k].ImposedDisp);
      return e;
    }
    ADD_FAILURE() << "nothing thrown for " << bad.ID;
    return Ex{};
  }

  std::vector<NodeProp> nodes = {Node("N1", false, false), Node("N2", true, true),
                                 Node("N3", false, false), Node("N4", false, true)};
  std::vector<SpringSupportProp> springs = {Spring("N3", {5, 0, 3}), Spring("N4", {7, 0, 0})};
  Distributor distributor;
};

TEST_F(ImposedLoadAndDispTest, RecordsAddUpPerNodeAndLoadCase) {
  distributor.Apply({{"N2", 0, {1, 0, 0}, {0.5, 0, 0}},
                     {"N2", 0, {2, -1, 0}, {0, 0.25, 0}},
                     {"N2", 1, {0, 0, 4}, {-1, 0, 0}},
                     {"N1", 1, {0, 3, 0}, {0, 0, 0}}});
  EXPECT_EQ(nodes[1].ImposedLoads, (std::vector<Triple>{{3, -1, 0}, {0, 0, 4}}));
  EXPECT_EQ(nodes[1].ImposedDisps, (std::vector<Triple>{{0.5, 0.25, 0}, {-1, 0, 0}}));
  EXPECT_EQ(nodes[0].ImposedLoads, (std::vector<Triple>{{0, 0, 0}, {0, 3, 0}}));
  EXPECT_EQ(distributor.GetAppliedCount(), 4u);
}

// At a spring-supported node a displacement moves the spring's ground end, except in a
// direction the node's own support holds: there the spring has no stiffness and would drop the
// settlement, so it stays with the node. A load always goes to the node.
TEST_F(ImposedLoadAndDispTest, DisplacementAtSpringNodeMovesTheGroundUnlessTheNodeIsHeld) {
  distributor.Apply({{"N3", 1, {1, 2, 3}, {0.25, 0, 0.01}},
                     {"N3", 1, {0, 0, 0}, {0.5, 0, 0}},
                     {"N4", 0, {0, 0, 0}, {0.004, -0.01, 0}}});
  EXPECT_EQ(springs[0].ImposedDisp[1], (Triple{0.75, 0, 0.01}));
  EXPECT_EQ(nodes[2].ImposedDisps[1], (Triple{0, 0, 0}));
  EXPECT_EQ(nodes[2].ImposedLoads[1], (Triple{1, 2, 3}));
  EXPECT_EQ(nodes[3].ImposedDisps[0], (Triple{0, -0.01, 0}));
  EXPECT_EQ(springs[1].ImposedDisp[0], (Triple{0.004, 0, 0}));
}

TEST_F(ImposedLoadAndDispTest, FailuresCarryTheRecordPositionAndStopAtThatRecord) {
  using D = Distributor;
  Failure<D::exSpecifiedNodeIsnotExist>({"N9", 0, {1, 0, 0}, {0, 0, 0}});
  Failure<D::exSpecifiedLoadAndDispNumberIsOver>({"N1", 2, {1, 0, 0}, {0, 0, 0}});
  Failure<D::exSpecifiedLoadAndDispNumberIsOver>({"N3", 2, {1, 0, 0}, {0, 0, 0}});
  const ImposedLoadAndDispProp free{"N1", 0, {1, 0, 0}, {0.01, 0, 0}};
  EXPECT_EQ(Failure<D::exImposedDispIsSetAtNonSupportedNode>(free).Direction, 0u);
  const ImposedLoadAndDispProp rotation{"N2", 1, {1, 0, 0}, {0, 0.1, 0.2}};  // beside supports
  EXPECT_EQ(Failure<D::exImposedDispIsSetAtNonSupportedNode>(rotation).Direction, 2u);
  const ImposedLoadAndDispProp zeroSpring{"N4", 0, {1, 0, 0}, {0, 0, 0.01}};
  EXPECT_EQ(Failure<D::exImposedDispIsSetAtZeroCoefSpringSupport>(zeroSpring).Direction, 2u);
}

}  // namespace
