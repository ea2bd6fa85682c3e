#include <gtest/gtest.h>

#include <numbers>

#include "fem/model/Element.h"
#include "fem/model/ElementFixture.h"
#include "fem/model/ElementMgr.h"

namespace {

using namespace elementtest;
using std::numbers::pi;

// Forces here are O(1e2); products of a few roundings.
constexpr double kForceTol = 1e-8;

TEST(ElementManagerTest, DuplicateUnknownAndRejectedRecords) {
  Frame frame;
  ifNode* a = frame.AddNode("A", 0.0, 0.0);
  ifNode* b = frame.AddNode("B", 10.0, 0.0);
  csElementMgr mgr(frame.maker, nullptr);
  ElementProp bad = MemberProp("E1", a, b);
  bad.Lij = {4.0, 6.0};
  EXPECT_THROW(mgr.MakeElement(bad), csElement::exLnIsUnderOrEqualToZero);
  EXPECT_TRUE(mgr.GetElements().empty());  // a rejected record is not kept
  mgr.MakeElement(MemberProp("E1", a, b));
  mgr.MakeElement(MemberProp("E0", b, a));
  try {
    mgr.MakeElement(MemberProp("E1", b, a));
    ADD_FAILURE() << "duplicate accepted";
  } catch (const csElementMgr::exItIsMakingDuplicatedElement& e) {
    EXPECT_EQ(e.ID, "E1");
  }
  try {
    mgr.GetElement("E2");
    ADD_FAILURE() << "unknown ID found";
  } catch (const csElementMgr::exSpecifiedElementIsnotExist& e) {
    EXPECT_EQ(e.ID, "E2");
  }
  ASSERT_EQ(mgr.GetElements().size(), 2u);
  EXPECT_EQ(mgr.GetElements()[1]->GetProp().ID, "E0");
  EXPECT_EQ(mgr.GetElement("E1")->GetNodes()[0], a);
}

TEST(ElementTest, RecordChecks) {
  struct Case {
    PerEnd<double> lij;
    int pinnedEnd;  // -1 none
    PerEnd<Triple> preFace;
    int expected;  // 0 accepted, 1 clear length, 2 pre-face moment at a pin
  };
  const Triple moment{0.0, 0.0, 5.0};
  const Case cases[] = {
      {{4.0, 6.0}, -1, {}, 1},                          // zones fill the span
      {{7.0, 6.0}, -1, {}, 1},                          // zones overlap
      {{0.0, 0.0}, 1, {Triple{}, moment}, 2},           // moment at the J pin
      {{0.0, 0.0}, 0, {moment, Triple{}}, 2},           // moment at the I pin
      {{0.0, 0.0}, 1, {Triple{}, Triple{3, 4, 0}}, 0},  // shear at a pin is fine
      {{0.0, 0.0}, 0, {Triple{}, moment}, 0},           // moment at the other end
  };
  for (const Case& c : cases) {
    Frame frame;
    ElementProp prop = MemberProp("E1", frame.AddNode("A", 0.0, 0.0), frame.AddNode("B", 6.0, 8.0));
    prop.Lij = c.lij;
    if (c.pinnedEnd >= 0) {
      prop.IsRotarySpring[c.pinnedEnd] = true;
      prop.Kij[c.pinnedEnd] = 0.0;
    }
    prop.PreFaceLoad = c.preFace;
    csElement element(frame.maker, nullptr);
    int got = 0;
    try {
      element.SetProp(prop);
    } catch (const csElement::exLnIsUnderOrEqualToZero& e) {
      got = 1;
      EXPECT_EQ(e.ID, "E1");
    } catch (const csElement::exPreFaceMomentIsSetAtHinge& e) {
      got = 2;
      EXPECT_EQ(e.End, static_cast<std::uint32_t>(c.pinnedEnd));
    }
    EXPECT_EQ(got, c.expected) << c.lij[0] << " " << c.pinnedEnd;
  }
}

// Face forces of a member without zones, springs or shear deformation against the
// Euler–Bernoulli member stiffness, at several inclinations.
TEST(ElementTest, EndForcesMatchTheEulerBernoulliMember) {
  const double L = 10.0;
  const Vector d{0.001, -0.02, 0.003, 0.004, 0.05, -0.006};  // member axes
  const double k = kEI / (L * L * L);
  const double qI = k * (12 * d[1] + 6 * L * d[2] - 12 * d[4] + 6 * L * d[5]);
  const double mI = k * (6 * L * d[1] + 4 * L * L * d[2] - 6 * L * d[4] + 2 * L * L * d[5]);
  const double mJ = k * (6 * L * d[1] + 2 * L * L * d[2] - 6 * L * d[4] + 4 * L * L * d[5]);
  const double nJ = kEA / L * (d[3] - d[0]);
  const Vector expected{-nJ, qI, mI, nJ, -qI, mJ};
  for (double theta : {0.0, 0.5, pi / 2, 2.5, -1.2, pi}) {
    Frame frame;
    ifNode* a = frame.AddNode("A", 1.0, 2.0);
    ifNode* b = frame.AddNode("B", 1.0 + L * std::cos(theta), 2.0 + L * std::sin(theta));
    csElement element(frame.maker, nullptr);
    element.SetProp(MemberProp("E1", a, b));
    element.PrepareStiffness();
    element.SetDispIncrement(ToGlobal(d, theta));
    const Vector& f = element.GetFaceForceIncrement();
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(f[i], expected[i], kForceTol) << theta << " " << i;
    EXPECT_NEAR(element.GetRotationAngleIncrement(), (d[4] - d[1]) / L, 1e-12);
  }
}

// Node J moves sideways without rotating: the rigid arms keep both faces square, so the
// flexible part between them is a fixed-fixed member of length l0 with a sway v.
TEST(ElementTest, RigidZonesCarryTheSwayToTheFaces) {
  const double L = 10.0, li = 1.0, lj = 2.0, l0 = 7.0, v = 0.01;
  for (double theta : {0.0, 1.0, -2.0}) {
    Frame frame;
    ifNode* a = frame.AddNode("A", 0.0, 0.0);
    ifNode* b = frame.AddNode("B", L * std::cos(theta), L * std::sin(theta));
    ElementProp prop = MemberProp("E1", a, b);
    prop.Lij = {li, lj};
    csElement element(frame.maker, nullptr);
    element.SetProp(prop);
    element.PrepareStiffness();
    element.SetDispIncrement(ToGlobal({0, 0, 0, 0, v, 0}, theta));
    const Vector& f = element.GetFaceForceIncrement();
    const double q = 12 * kEI / (l0 * l0 * l0) * v;
    const double m = 6 * kEI / (l0 * l0) * v;
    const Vector expected{0.0, -q, -m, 0.0, q, -m};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(f[i], expected[i], kForceTol) << theta << " " << i;
  }
}

// For any geometry the face forces hold the flexible part in equilibrium, and a rigid-body
// motion of the two nodes produces none.
TEST(ElementTest, FaceForcesObeyEquilibriumAndRigidBodyMotion) {
  struct Case {
    double theta;
    PerEnd<double> lij;
    PerEnd<bool> spring;
    PerEnd<double> kij;
    double kappa;
  };
  const Case cases[] = {
      {0.3, {0.0, 0.0}, {false, false}, {kInfinite, kInfinite}, 0.0},
      {2.0, {1.5, 0.5}, {false, false}, {kInfinite, kInfinite}, 1.2},
      {-0.7, {0.5, 2.0}, {true, false}, {300.0, kInfinite}, 1.2},
      {pi / 2, {1.0, 1.0}, {true, true}, {50.0, 0.0}, 0.0},
      {4.0, {0.0, 3.0}, {false, true}, {kInfinite, 1e4}, 1.0},
  };
  const double L = 10.0;
  for (const Case& c : cases) {
    Frame frame;
    const double xi = 3.0, yi = -1.0;
    const double xj = xi + L * std::cos(c.theta), yj = yi + L * std::sin(c.theta);
    ifNode* a = frame.AddNode("A", xi, yi);
    ifNode* b = frame.AddNode("B", xj, yj);
    ElementProp prop = MemberProp("E1", a, b);
    prop.Lij = c.lij;
    prop.IsRotarySpring = c.spring;
    prop.Kij = c.kij;
    prop.Kappa = c.kappa;
    csElement element(frame.maker, nullptr);
    element.SetProp(prop);
    element.PrepareStiffness();

    element.SetDispIncrement({0.01, -0.02, 0.003, -0.004, 0.05, 0.006});
    const Vector& f = element.GetFaceForceIncrement();
    const double l0 = L - c.lij[0] - c.lij[1];
    EXPECT_NEAR(f[0] + f[3], 0.0, kForceTol) << c.theta;
    EXPECT_NEAR(f[1] + f[4], 0.0, kForceTol) << c.theta;
    EXPECT_NEAR(f[2] + f[5] + l0 * f[4], 0.0, kForceTol) << c.theta;

    // Translation (0.3, -0.2) and rotation 0.01 about the point (5, 7).
    const double w = 0.01, px = 5.0, py = 7.0;
    element.SetDispIncrement({0.3 - w * (yi - py), -0.2 + w * (xi - px), w, 0.3 - w * (yj - py),
                              -0.2 + w * (xj - px), w});
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(f[i], 0.0, 1e-7) << c.theta << " " << i;
  }
}

TEST(ElementTest, PreFaceLoadReachesThePanelInGlobalAxes) {
  Frame frame;
  NodeProp joint;
  joint.ID = "J";
  joint.Myp = {2.5, -100.0};
  joint.WithFaceShear = true;
  joint.ElementProps = {{"C", 1.0, kTHLR_T, 0.0}, {"B", 0.0, kTHLR_L, 0.0}};
  ifNode* j = frame.AddNode(joint);
  ifNode* base = frame.AddNode("A", 0.0, -10.0);
  ElementProp column = MemberProp("C", j, base);  // pointing down: angle -pi/2
  column.PreFaceLoad = {Triple{1.0, 2.0, 3.0}, Triple{}};
  csElement element(frame.maker, nullptr);
  element.SetProp(column);
  // Global force at J: x = -sin(-pi/2) * 2 = 2, moment 3. A = 3; B = -x * Lij = -2.
  try {
    j->CheckPreFaceMoment();
    FAIL() << "no exception";
  } catch (const csNode::exPreFaceMomentIsOverMyp& e) {
    EXPECT_NEAR(e.MomentA, 3.0, 1e-12);
    EXPECT_NEAR(e.MomentB, -2.0, 1e-12);
    EXPECT_EQ(e.Side, 0);
  }
}

TEST(ElementTest, EquivalentLoadOfAPlainMemberIsTheNegatedFixedEndForces) {
  Frame frame;
  ifNode* a = frame.AddNode("A", 0.0, 0.0);
  ifNode* b = frame.AddNode("B", 0.0, 10.0);  // vertical: N along +y, Q along -x
  ElementProp prop = MemberProp("E1", a, b);
  FixCaseLoad load{};
  // Middle start (face I) and middle end (face J) triples of a transverse load.
  const double middle[6] = {1.0, -5.0, -10.0, 2.0, -5.0, 10.0};
  std::copy(middle, middle + 6, load.begin() + 6);
  prop.FixCases = {FixCaseLoad{}, load};
  csElement element(frame.maker, nullptr);
  element.SetProp(prop);
  element.NextCase();
  element.PrepareStiffness();
  element.PrepareFixCase();
  // Member-axis nodal loads (-1, 5, 10) and (-2, 5, -10) turned by +pi/2: (x, y) = (-Q, N).
  const Vector expected{-5.0, -1.0, 10.0, -5.0, -2.0, -10.0};
  const Vector& q = element.GetEquivalentLoad();
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(q[i], expected[i], 1e-12) << i;
}

}  // namespace
