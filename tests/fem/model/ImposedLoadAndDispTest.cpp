#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/model/ImposedLoadAndDisp.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using Distributor = csImposedLoadAndDisp;

NodeProp Node(const std::string& id, bool sx, bool sy, bool sm, std::size_t cases) {
  NodeProp n;
  n.ID = id;
  n.IsSupported = {sx, sy, sm};
  n.ImposedLoads.assign(cases, Triple{0, 0, 0});
  n.ImposedDisps.assign(cases, Triple{0, 0, 0});
  return n;
}

SpringSupportProp Spring(const std::string& node, Triple coef, std::size_t cases) {
  SpringSupportProp s = MakeSpringSupportProp(node, coef);
  s.ImposedDisp.assign(cases, Triple{0, 0, 0});
  return s;
}

ImposedLoadAndDispProp Record(const std::string& id, std::uint32_t c, Triple load, Triple disp) {
  return {id, c, load, disp};
}

struct RecordingLogger : Distributor::ifLogger {
  std::vector<std::string> applied;
  void Applied(const ImposedLoadAndDispProp& prop) override { applied.push_back(prop.ID); }
};

// Two load cases; N1 free, N2 fixed in x and y, N3 free with springs (kx = 5, ky = 0, km = 0),
// N4 held in y by its support and elastically in x by a spring.
class ImposedLoadAndDispTest : public ::testing::Test {
 protected:
  ImposedLoadAndDispTest() : distributor(&logger) {
    nodes = {Node("N1", false, false, false, 2), Node("N2", true, true, false, 2),
             Node("N3", false, false, false, 2), Node("N4", false, true, false, 2)};
    springs = {Spring("N3", {5, 0, 0}, 2), Spring("N4", {7, 0, 0}, 2)};
    distributor.SetNodes(nodes);
    distributor.SetSpringSupports(springs);
  }
  RecordingLogger logger;
  std::vector<NodeProp> nodes;
  std::vector<SpringSupportProp> springs;
  Distributor distributor;
};

TEST_F(ImposedLoadAndDispTest, RecordsAddUpPerNodeAndLoadCase) {
  distributor.Apply(
      {Record("N2", 0, {1, 0, 0}, {0.5, 0, 0}), Record("N2", 0, {2, -1, 0}, {0, 0.25, 0}),
       Record("N2", 1, {0, 0, 4}, {-1, 0, 0}), Record("N1", 1, {0, 3, 0}, {0, 0, 0})});
  EXPECT_EQ(nodes[1].ImposedLoads[0], (Triple{3, -1, 0}));
  EXPECT_EQ(nodes[1].ImposedDisps[0], (Triple{0.5, 0.25, 0}));
  EXPECT_EQ(nodes[1].ImposedLoads[1], (Triple{0, 0, 4}));
  EXPECT_EQ(nodes[1].ImposedDisps[1], (Triple{-1, 0, 0}));
  EXPECT_EQ(nodes[0].ImposedLoads[0], (Triple{0, 0, 0}));
  EXPECT_EQ(nodes[0].ImposedLoads[1], (Triple{0, 3, 0}));
  EXPECT_EQ(logger.applied, (std::vector<std::string>{"N2", "N2", "N2", "N1"}));
  EXPECT_EQ(distributor.GetAppliedCount(), 4u);
}

TEST_F(ImposedLoadAndDispTest, DisplacementAtSpringSupportedNodeMovesTheSpringGround) {
  distributor.Apply(
      {Record("N3", 1, {1, 2, 3}, {0.25, 0, 0}), Record("N3", 1, {0, 0, 0}, {0.5, 0, 0})});
  EXPECT_EQ(springs[0].ImposedDisp[1], (Triple{0.75, 0, 0}));
  EXPECT_EQ(nodes[2].ImposedDisps[1], (Triple{0, 0, 0}));
  EXPECT_EQ(nodes[2].ImposedLoads[1], (Triple{1, 2, 3}));  // a load always goes to the node
}

// A settlement of a direction the node's own support holds belongs to the node record: the
// spring there has no stiffness and would silently drop it.
TEST_F(ImposedLoadAndDispTest, DisplacementInSupportedDirectionOfSpringNodeStaysWithTheNode) {
  distributor.Apply({Record("N4", 0, {0, 0, 0}, {0.004, -0.01, 0})});
  EXPECT_EQ(nodes[3].ImposedDisps[0], (Triple{0, -0.01, 0}));
  EXPECT_EQ(springs[1].ImposedDisp[0], (Triple{0.004, 0, 0}));
}

TEST_F(ImposedLoadAndDispTest, FailuresCarryTheRecordPositionAndStopAtThatRecord) {
  struct Case {
    const char* name;
    ImposedLoadAndDispProp bad;
  };
  // Each bad record is the third (ordinal 2) after two good ones.
  const std::vector<Case> cases = {
      {"unknown node", Record("N9", 0, {1, 0, 0}, {0, 0, 0})},
      {"load case over", Record("N1", 2, {1, 0, 0}, {0, 0, 0})},
      {"load case over at spring node", Record("N3", 2, {1, 0, 0}, {0, 0, 0})},
      {"free direction", Record("N1", 0, {1, 0, 0}, {0.01, 0, 0})},
      {"free rotation beside a support", Record("N2", 1, {1, 0, 0}, {0, 0.1, 0.2})},
      {"zero spring", Record("N3", 0, {1, 0, 0}, {0, 0, 0.01})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<NodeProp> n = nodes;
    std::vector<SpringSupportProp> s = springs;
    Distributor d(nullptr);
    d.SetNodes(n);
    d.SetSpringSupports(s);
    const std::vector<ImposedLoadAndDispProp> records = {
        Record("N1", 0, {0, 1, 0}, {0, 0, 0}), Record("N1", 0, {0, 1, 0}, {0, 0, 0}), c.bad};
    auto expectPosition = [&](const auto& e, std::uint32_t number) {
      EXPECT_EQ(e.Key, (Distributor::RecordKey{1, 2}));
      EXPECT_EQ(e.ID, c.bad.ID);
      EXPECT_EQ(e.LoadAndDispNumber, number);
    };
    try {
      d.Apply(records);
      ADD_FAILURE() << "no exception";
    } catch (const Distributor::exSpecifiedNodeIsnotExist& e) {
      EXPECT_STREQ(c.name, "unknown node");
      expectPosition(e, 0);
    } catch (const Distributor::exSpecifiedLoadAndDispNumberIsOver& e) {
      EXPECT_EQ(std::string(c.name).rfind("load case over", 0), 0u);
      expectPosition(e, 2);
    } catch (const Distributor::exImposedDispIsSetAtNonSupportedNode& e) {
      expectPosition(e, c.bad.LoadAndDispNumber);
      EXPECT_EQ(e.Direction, std::string(c.name) == "free direction" ? 0u : 2u);
    } catch (const Distributor::exImposedDispIsSetAtZeroCoefSpringSupport& e) {
      EXPECT_STREQ(c.name, "zero spring");
      expectPosition(e, 0);
      EXPECT_EQ(e.Direction, 2u);
    }
    // The two records before stay applied; the failing one applied nothing.
    EXPECT_EQ(n[0].ImposedLoads[0], (Triple{0, 2, 0}));
    for (std::size_t k = 1; k < n.size(); ++k) {
      EXPECT_EQ(n[k].ImposedLoads, nodes[k].ImposedLoads);
      EXPECT_EQ(n[k].ImposedDisps, nodes[k].ImposedDisps);
    }
    for (std::size_t k = 0; k < s.size(); ++k) EXPECT_EQ(s[k].ImposedDisp, springs[k].ImposedDisp);
    EXPECT_EQ(d.GetAppliedCount(), 2u);
  }
}

TEST_F(ImposedLoadAndDispTest, ZeroDisplacementsAreAcceptedAnywhere) {
  EXPECT_NO_THROW(distributor.Apply(
      {Record("N1", 0, {1, 1, 1}, {0, 0, 0}), Record("N3", 0, {0, 0, 0}, {0, 0, 0})}));
  // A rotation spring that is not zero accepts a rotation.
  springs[0].SpringCoef[2] = 3.0;
  EXPECT_NO_THROW(distributor.Apply({Record("N3", 0, {0, 0, 0}, {0, 0, 0.01})}));
  EXPECT_EQ(springs[0].ImposedDisp[0], (Triple{0, 0, 0.01}));
}

}  // namespace
