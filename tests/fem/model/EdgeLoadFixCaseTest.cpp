#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementProp.h"
#include "fem/model/Node.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using Distributor = csEdgeLoadFixCase;

constexpr double kTol = 1e-9;  // round-off of a handful of operations on values of order 10

std::unique_ptr<csNode> MakeNode(const std::string& id, double x, double y) {
  auto node = std::make_unique<csNode>(nullptr);
  NodeProp prop;
  prop.ID = id;
  prop.Coordinate = {x, y};
  node->SetProp(prop);
  return node;
}

ElementProp Element(const std::string& id, ifNode* i, ifNode* j, double li, double lj) {
  ElementProp e;
  e.ID = id;
  e.Node = {i, j};
  e.NodeID = {i->GetProp().ID, j->GetProp().ID};
  e.A = 2.0;
  e.E = 200.0;
  e.I = 3.0;
  e.Lij = {li, lj};
  e.FixCases.assign(2, FixCaseLoad{});
  return e;
}

EdgeLoadConcentratedProp Point(const std::string& id, std::uint32_t c, Triple load, double pos,
                               bool ecrd) {
  EdgeLoadConcentratedProp p;
  p.ID = id;
  p.LoadNumber = c;
  p.Load = load;
  p.Pos = pos;
  p.ECrd = ecrd;
  return p;
}

EdgeLoadDistributedProp Linear(const std::string& id, std::uint32_t c, std::array<double, 2> qi,
                               std::array<double, 2> qj, double posi, double posj, bool ecrd) {
  EdgeLoadDistributedProp d;
  d.ID = id;
  d.LoadNumber = c;
  d.LoadI = qi;
  d.LoadJ = qj;
  d.PosI = posi;
  d.PosJ = posj;
  d.ECrd = ecrd;
  return d;
}

EdgeLoadDirectInputProp Direct(const std::string& id, std::uint32_t c, std::size_t k, double v) {
  EdgeLoadDirectInputProp d;
  d.ID = id;
  d.LoadNumber = c;
  d.Forces[k] = v;
  return d;
}

struct RecordingLogger : Distributor::ifLogger {
  std::vector<std::string> calls;
  void DirectInput(const EdgeLoadDirectInputProp& p) override { calls.push_back("D " + p.ID); }
  void ConcentratedLoad(const SegmentForces& f, const EdgeLoadConcentratedProp& p) override {
    calls.push_back("C " + p.ID + " " + std::to_string(f[10]));
  }
  void DistributedLoad(const SegmentForces&, const EdgeLoadDistributedProp& p) override {
    calls.push_back("W " + p.ID);
  }
};

// B1 runs from (0, 0) to (3, 4): L = 5, cos θ = 0.6, sin θ = 0.8, end zone li = 0.5.
// B2 runs from (3, 4) to (9, 4): L = 6, no end zones. Both have two load cases.
class EdgeLoadFixCaseTest : public ::testing::Test {
 protected:
  EdgeLoadFixCaseTest()
      : n1(MakeNode("N1", 0, 0)), n2(MakeNode("N2", 3, 4)), n3(MakeNode("N3", 9, 4)) {
    elements = {Element("B1", n1.get(), n2.get(), 0.5, 0.0),
                Element("B2", n2.get(), n3.get(), 0.0, 0.0)};
  }
  SegmentForces Case(std::size_t element, std::size_t c) const {
    return elements[element].FixCases[c];
  }
  void Apply(const std::vector<EdgeLoadDirectInputProp>& d,
             const std::vector<EdgeLoadConcentratedProp>& c,
             const std::vector<EdgeLoadDistributedProp>& w, Distributor::ifLogger* log = nullptr) {
    Distributor distributor(log);
    distributor.SetElements(elements);
    distributor.Apply(d, c, w);
  }
  std::unique_ptr<csNode> n1, n2, n3;
  std::vector<ElementProp> elements;
};

TEST_F(EdgeLoadFixCaseTest, GlobalLoadsAreTurnedIntoMemberAxes) {
  // Global (0, -10) on B1 is (-8, -6) in member axes; global (2, 1) is (2, -1) on the flat B2.
  Apply({}, {Point("B1", 0, {0, -10, 1}, 2.0, false), Point("B1", 1, {-8, -6, 1}, 2.0, true)}, {});
  for (std::size_t k = 0; k < 18; ++k) EXPECT_NEAR(Case(0, 0)[k], Case(0, 1)[k], kTol) << k;
  Apply({}, {},
        {Linear("B1", 0, {0, -10}, {5, 0}, 1.0, 4.0, false),
         Linear("B1", 1, {-8, -6}, {3, -4}, 1.0, 4.0, true)});
  for (std::size_t k = 0; k < 18; ++k) EXPECT_NEAR(Case(0, 0)[k], Case(0, 1)[k], kTol) << k;
  EXPECT_NE(Case(0, 0)[7], 0.0);
}

TEST_F(EdgeLoadFixCaseTest, RecordsOnTheSameElementAndCaseAddUp) {
  // Two mid-span loads of 4 on B2 (β = 0): each gives ∓P·L/8 = ∓3 and shears of -2.
  Apply({}, {Point("B2", 0, {0, 4, 0}, 3.0, true), Point("B2", 0, {0, 4, 0}, 3.0, true)},
        {Linear("B2", 1, {0, -1}, {0, -1}, 0.0, 0.0, true)});
  EXPECT_NEAR(Case(1, 0)[7], -4.0, kTol);
  EXPECT_NEAR(Case(1, 0)[8], -6.0, kTol);
  EXPECT_NEAR(Case(1, 0)[11], 6.0, kTol);
  // The uniform load of case 1 (posj = 0: to node J) stays in its own entry: q·L²/12 = 3.
  EXPECT_NEAR(Case(1, 1)[8], 3.0, kTol);
  EXPECT_NEAR(Case(1, 1)[11], -3.0, kTol);
  EXPECT_NEAR(Case(1, 1)[10], 3.0, kTol);
  EXPECT_EQ(Case(0, 0), SegmentForces{});
}

TEST_F(EdgeLoadFixCaseTest, DirectInputIsAddedAsGiven) {
  EdgeLoadDirectInputProp d = Direct("B1", 1, 0, 1.5);  // iix on B1, whose li is 0.5
  d.Forces[8] = -2.0;
  Apply({d, d}, {}, {});
  EXPECT_EQ(Case(0, 1)[0], 3.0);
  EXPECT_EQ(Case(0, 1)[8], -4.0);
  EXPECT_EQ(Case(0, 0), SegmentForces{});
}

// A load at node J of a member without a J end zone reaches node J whole.
TEST_F(EdgeLoadFixCaseTest, ConcentratedLoadAtNodeWithoutEndZoneIsKept) {
  Apply({}, {Point("B2", 0, {1, -2, 3}, 6.0, true)}, {});
  const SegmentForces f = Case(1, 0);
  EXPECT_EQ(f[15], -1.0);
  EXPECT_EQ(f[16], 2.0);
  EXPECT_EQ(f[17], -3.0);
}

TEST_F(EdgeLoadFixCaseTest, LoggerHearsEveryAppliedRecordInKindOrder) {
  RecordingLogger log;
  Apply({Direct("B2", 0, 6, 1.0)}, {Point("B2", 0, {0, 4, 0}, 3.0, true)},
        {Linear("B1", 0, {0, 1}, {0, 1}, 0.0, 0.0, true)}, &log);
  EXPECT_EQ(log.calls, (std::vector<std::string>{"D B2", "C B2 -2.000000", "W B1"}));
}

TEST_F(EdgeLoadFixCaseTest, FailuresCarryKindOrdinalElementAndCase) {
  const auto goodPoint = Point("B2", 0, {0, 1, 0}, 3.0, true);
  const auto goodLine = Linear("B2", 0, {0, 1}, {0, 1}, 1.0, 2.0, true);
  const auto goodDirect = Direct("B2", 0, 6, 1.0);
  auto expectKey = [](const auto& e, std::uint32_t kind, const char* id, std::uint32_t c) {
    EXPECT_EQ(e.Key, (Distributor::RecordKey{kind, 1}));
    EXPECT_EQ(e.ID, id);
    EXPECT_EQ(e.LoadNumber, c);
  };
  try {
    Apply({}, {goodPoint, Point("B9", 1, {0, 1, 0}, 3.0, true)}, {});
    ADD_FAILURE();
  } catch (const Distributor::exSpecifiedElementIsnotExist& e) {
    expectKey(e, 2, "B9", 1);
  }
  try {
    Apply({goodDirect, Direct("B2", 2, 6, 1.0)}, {}, {});
    ADD_FAILURE();
  } catch (const Distributor::exSpecifiedLoadNumberIsOver& e) {
    expectKey(e, 1, "B2", 2);
  }
  struct ZeroEdge {
    std::size_t k;
    std::uint32_t end;
  };
  for (ZeroEdge z : {ZeroEdge{0, 0}, ZeroEdge{5, 0}, ZeroEdge{12, 1}, ZeroEdge{17, 1}}) {
    try {
      Apply({goodDirect, Direct("B2", 1, z.k, 0.5)}, {}, {});
      ADD_FAILURE() << z.k;
    } catch (const Distributor::exSpecifiedEdgeLoadIsSetAtZeroLengthEdge& e) {
      expectKey(e, 1, "B2", 1);
      EXPECT_EQ(e.End, z.end);
    }
  }
  try {
    Apply({}, {goodPoint, Point("B2", 0, {0, 1, 0}, 6.001, true)}, {});
    ADD_FAILURE();
  } catch (const Distributor::exPositionOfConcentratedLoadIsOut& e) {
    expectKey(e, 2, "B2", 0);
  }
  try {
    Apply({}, {}, {goodLine, Linear("B2", 1, {0, 1}, {0, 1}, 1.0, 6.5, true)});
    ADD_FAILURE();
  } catch (const Distributor::exPositionOfDistributedLoadIsOut& e) {
    expectKey(e, 3, "B2", 1);
    EXPECT_EQ(e.Position, 1u);
  }
  try {
    Apply({}, {}, {goodLine, Linear("B2", 0, {0, 1}, {0, 1}, 2.0, 2.0, true)});
    ADD_FAILURE();
  } catch (const Distributor::exPositionOfDistributedLoadAreTheSameOrLeftSideRight& e) {
    expectKey(e, 3, "B2", 0);
  }
}

TEST_F(EdgeLoadFixCaseTest, RecordsBeforeAFailureStayApplied) {
  // Direct input, then concentrated loads: the first concentrated load applies, the second fails.
  EXPECT_THROW(Apply({Direct("B2", 0, 6, 1.0)},
                     {Point("B2", 0, {0, 4, 0}, 3.0, true), Point("B2", 0, {0, 4, 0}, 7.0, true)},
                     {Linear("B2", 0, {0, 1}, {0, 1}, 1.0, 2.0, true)}),
               Distributor::exPositionOfConcentratedLoadIsOut);
  EXPECT_EQ(Case(1, 0)[6], 1.0);
  EXPECT_NEAR(Case(1, 0)[8], -3.0, kTol);
  EXPECT_NEAR(Case(1, 0)[7], -2.0, kTol);  // no part of the distributed load
}

}  // namespace
