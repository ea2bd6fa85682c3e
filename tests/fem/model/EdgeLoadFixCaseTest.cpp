// Edge-load distributor: loads turned into member axes, records that add up per element and
// case, and failing records with their position. The segment forces themselves are checked
// against closed forms where they are computed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementProp.h"
#include "fem/model/NodeMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using Distributor = csEdgeLoadFixCase;

constexpr double kTol = 1e-9;  // round-off of a handful of operations on values of order 10

// The exception of type Ex that f throws (a failure, and an empty record, if it throws none).
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

EdgeLoadConcentratedProp Point(const char* id, std::uint32_t c, Triple load, double pos,
                               bool ecrd = true) {
  return {.ID = id, .LoadNumber = c, .Load = load, .Pos = pos, .ECrd = ecrd};
}

EdgeLoadDistributedProp Linear(const char* id, std::uint32_t c, std::array<double, 2> qi,
                               std::array<double, 2> qj, double posi, double posj,
                               bool ecrd = true) {
  return {id, c, qi, qj, posi, posj, ecrd};
}

EdgeLoadDirectInputProp Direct(const char* id, std::uint32_t c, std::size_t k, double v) {
  EdgeLoadDirectInputProp d{.ID = id, .LoadNumber = c};
  d.Forces[k] = v;
  return d;
}

ElementProp Element(const std::string& id, ifNode* i, ifNode* j, double li) {
  ElementProp e;
  e.ID = id;
  e.Node = {i, j};
  e.A = 2.0;
  e.E = 200.0;
  e.I = 3.0;
  e.Lij = {li, 0.0};
  e.FixCases.assign(2, FixCaseLoad{});
  return e;
}

// B1 runs from (0, 0) to (3, 4): L = 5, cos θ = 0.6, sin θ = 0.8, end zone li = 0.5.
// B2 runs from (3, 4) to (9, 4): L = 6, no end zones. Both have two load cases.
class EdgeLoadFixCaseTest : public ::testing::Test {
 protected:
  EdgeLoadFixCaseTest() {
    ifNode* n1 = Node("N1", 0, 0);
    ifNode* n2 = Node("N2", 3, 4);
    elements = {Element("B1", n1, n2, 0.5), Element("B2", n2, Node("N3", 9, 4), 0.0)};
  }
  ifNode* Node(const std::string& id, double x, double y) {
    NodeProp prop;
    prop.ID = id;
    prop.Coordinate = {x, y};
    return nodes.MakeNode(prop);
  }
  const SegmentForces& Case(std::size_t element, std::size_t c) const {
    return elements[element].FixCases[c];
  }
  void Apply(const std::vector<EdgeLoadDirectInputProp>& d,
             const std::vector<EdgeLoadConcentratedProp>& c,
             const std::vector<EdgeLoadDistributedProp>& w) {
    Distributor distributor(nullptr);
    distributor.SetElements(elements);
    distributor.Apply(d, c, w);
  }
  csNodeMgr nodes{nullptr};
  std::vector<ElementProp> elements;
};

TEST_F(EdgeLoadFixCaseTest, GlobalLoadsAreTurnedIntoMemberAxes) {
  // Global (0, -10) on B1 is (-8, -6) in member axes, global (5, 0) is (3, -4).
  Apply({}, {Point("B1", 0, {0, -10, 1}, 2.0, false), Point("B1", 1, {-8, -6, 1}, 2.0)}, {});
  for (std::size_t k = 0; k < 18; ++k) EXPECT_NEAR(Case(0, 0)[k], Case(0, 1)[k], kTol) << k;
  Apply({}, {},
        {Linear("B1", 0, {0, -10}, {5, 0}, 1.0, 4.0, false),
         Linear("B1", 1, {-8, -6}, {3, -4}, 1.0, 4.0)});
  for (std::size_t k = 0; k < 18; ++k) EXPECT_NEAR(Case(0, 0)[k], Case(0, 1)[k], kTol) << k;
  EXPECT_NE(Case(0, 0)[7], 0.0);
}

TEST_F(EdgeLoadFixCaseTest, RecordsOnTheSameElementAndCaseAddUp) {
  // Two mid-span loads of 4 on B2 (β = 0): each gives ∓P·L/8 = ∓3 and shears of -2.
  // The uniform load of case 1 (posj = 0: to node J) stays in its own entry: q·L²/12 = 3.
  EdgeLoadDirectInputProp d = Direct("B1", 1, 0, 1.5);  // iix on B1, whose li is 0.5
  d.Forces[8] = -2.0;
  Apply({d, d}, {Point("B2", 0, {0, 4, 0}, 3.0), Point("B2", 0, {0, 4, 0}, 3.0)},
        {Linear("B2", 1, {0, -1}, {0, -1}, 0.0, 0.0)});
  EXPECT_NEAR(Case(1, 0)[7], -4.0, kTol);
  EXPECT_NEAR(Case(1, 0)[8], -6.0, kTol);
  EXPECT_NEAR(Case(1, 0)[11], 6.0, kTol);
  EXPECT_NEAR(Case(1, 1)[8], 3.0, kTol);
  EXPECT_NEAR(Case(1, 1)[11], -3.0, kTol);
  EXPECT_EQ(Case(0, 1)[0], 3.0);
  EXPECT_EQ(Case(0, 1)[8], -4.0);
  EXPECT_EQ(Case(0, 0), SegmentForces{});
}

// The shear parameter comes from the element's own section: on B2 with κ = 1.2 and ν = 0.25,
// G·A = 160, E·I = 600 and φ(6) = 6·600·1.2/(160·36) = 0.75; a load P = 4 at a = 2 (b = 4)
// gives the face-I moment −(b/l + φ)·a·b/((1 + 2φ)·l)·P.
TEST_F(EdgeLoadFixCaseTest, ShearDeformationFollowsTheElementsSection) {
  elements[1].Kappa = 1.2;
  elements[1].Poisson = 0.25;
  Apply({}, {Point("B2", 0, {0, 4, 0}, 2.0)}, {});
  EXPECT_NEAR(Case(1, 0)[8], -(4.0 / 6.0 + 0.75) * 8.0 / (2.5 * 6.0) * 4.0, kTol);
}

// Each bad record follows a good one of its kind, so its key is (kind, 1).
TEST_F(EdgeLoadFixCaseTest, FailuresCarryKindOrdinalElementAndCase) {
  const auto point = Point("B2", 0, {0, 1, 0}, 3.0);
  const auto line = Linear("B2", 0, {0, 1}, {0, 1}, 1.0, 2.0);
  const auto direct = Direct("B2", 0, 6, 1.0);
  auto expectKey = [](const auto& e, std::uint32_t kind, const char* id, std::uint32_t c) {
    EXPECT_EQ(e.Key, (Distributor::RecordKey{kind, 1}));
    EXPECT_EQ(e.ID, id);
    EXPECT_EQ(e.LoadNumber, c);
  };
  expectKey(Thrown<Distributor::exSpecifiedElementIsnotExist>([&] {
              Apply({}, {point, Point("B9", 1, {0, 1, 0}, 3.0)}, {});
            }),
            2, "B9", 1);
  expectKey(Thrown<Distributor::exSpecifiedLoadNumberIsOver>([&] {
              Apply({direct, Direct("B2", 2, 6, 1.0)}, {}, {});
            }),
            1, "B2", 2);
  for (auto [k, end] : {std::pair<std::size_t, std::uint32_t>{0, 0}, {5, 0}, {12, 1}, {17, 1}}) {
    const auto e = Thrown<Distributor::exSpecifiedEdgeLoadIsSetAtZeroLengthEdge>([&] {
      Apply({direct, Direct("B2", 1, k, 0.5)}, {}, {});
    });
    expectKey(e, 1, "B2", 1);
    EXPECT_EQ(e.End, end);
  }
  expectKey(Thrown<Distributor::exPositionOfConcentratedLoadIsOut>([&] {
              Apply({}, {point, Point("B2", 0, {0, 1, 0}, 6.001)}, {});
            }),
            2, "B2", 0);
  const auto out = Thrown<Distributor::exPositionOfDistributedLoadIsOut>([&] {
    Apply({}, {}, {line, Linear("B2", 1, {0, 1}, {0, 1}, 1.0, 6.5)});
  });
  expectKey(out, 3, "B2", 1);
  EXPECT_EQ(out.Position, 1u);
  expectKey(Thrown<Distributor::exPositionOfDistributedLoadAreTheSameOrLeftSideRight>([&] {
              Apply({}, {}, {line, Linear("B2", 0, {0, 1}, {0, 1}, 2.0, 2.0)});
            }),
            3, "B2", 0);
}

// Direct input, then concentrated loads: the first concentrated load applies, the second fails,
// and the distributed load after them is never reached.
TEST_F(EdgeLoadFixCaseTest, RecordsBeforeAFailureStayApplied) {
  EXPECT_THROW(Apply({Direct("B2", 0, 6, 1.0)},
                     {Point("B2", 0, {0, 4, 0}, 3.0), Point("B2", 0, {0, 4, 0}, 7.0)},
                     {Linear("B2", 0, {0, 1}, {0, 1}, 1.0, 2.0)}),
               Distributor::exPositionOfConcentratedLoadIsOut);
  EXPECT_EQ(Case(1, 0)[6], 1.0);
  EXPECT_NEAR(Case(1, 0)[8], -3.0, kTol);
  EXPECT_NEAR(Case(1, 0)[7], -2.0, kTol);
}

}  // namespace
