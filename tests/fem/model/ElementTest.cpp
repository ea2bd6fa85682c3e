// Frame elements: end forces against closed forms and equilibrium, rejected records, and the
// yield events driven through GetNextRatio and Update as the step solver drives them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "fem/model/Element.h"
#include "fem/model/ElementFixture.h"
#include "fem/model/ElementMgr.h"

namespace {

using namespace elementtest;
using std::numbers::pi;
using znMatrix::Vector;

constexpr double kL = 10.0;
constexpr double kTol = 1e-9;  // forces of order 1e2 after a few dozen roundings

// Global 6-vector of a member-axis 6-vector for a member at angle theta.
Six ToGlobal(const Six& local, double theta) {
  const double c = std::cos(theta), s = std::sin(theta);
  Six g;
  for (int e = 0; e < 6; e += 3) {
    g[e] = c * local[e] - s * local[e + 1];
    g[e + 1] = s * local[e] + c * local[e + 1];
    g[e + 2] = local[e + 2];
  }
  return g;
}

// Keeps the fixed-end results and the split of the end rotations; ignores the rest.
class Recorder : public csElement::ifLogger {
 public:
  void Prop(const ElementProp&) override {}
  void FixCase(const KeptElementProp&, const Vector&,
               const znFEM::znMatrixMaker::csEquivalentEdgeLoad&, const Vector& face,
               double stretch, const PerEnd<double>& spring, const PerEnd<double>&) override {
    fixFace = face;
    fixStretch = stretch;
    fixSpring = spring;
  }
  void DispIncrement(const KeptElementProp&, const Vector&) override {}
  void FaceForceIncrement(const KeptElementProp&, const Vector&) override {}
  void StretchIncrement(const KeptElementProp&, double) override {}
  void SpringRotationIncrement(const KeptElementProp&, const PerEnd<double>& r) override {
    springRotation = r;
  }
  void PanelRotationIncrement(const KeptElementProp&, const PerEnd<double>& r) override {
    panelRotation = r;
  }
  void RotationAngleIncrement(const KeptElementProp&, double) override {}
  void Disp(const KeptElementProp&, const Vector&) override {}
  void FaceForce(const KeptElementProp&, const Vector&, const Vector&) override {}
  void Stretch(const KeptElementProp&, double, double, const PerEnd<std::int32_t>&) override {}
  void SpringRotation(const KeptElementProp&, const PerEnd<double>&, const PerEnd<double>&,
                      const PerEnd<std::int32_t>&) override {}
  void PanelRotation(const KeptElementProp&, const PerEnd<double>&, const PerEnd<double>&,
                     const PerEnd<std::int32_t>&) override {}
  void RotationAngle(const KeptElementProp&, double) override {}
  void AxialRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void MomentRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void ShearRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void PanelRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void NextRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void AxialUnloading(const KeptElementProp&, bool) override {}
  void HingeUnloading(const KeptElementProp&, const PerEnd<bool>&) override {}
  void PanelUnloading(const KeptElementProp&, const PerEnd<bool>&) override {}
  void Update(const KeptElementProp&, double) override {}
  void NextCase(const KeptElementProp&, std::uint32_t) override {}
  void AxialFailed(const KeptElementProp&) override {}
  void ShearFailed(const KeptElementProp&, std::uint32_t) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  Vector fixFace;
  double fixStretch = 0.0;
  PerEnd<double> fixSpring{}, springRotation{}, panelRotation{};
};

TEST(ElementTest, RejectedRecordsAndLookups) {
  Frame frame;
  ifNode* a = frame.AddNode("A", 0.0, 0.0);
  ifNode* b = frame.AddNode("B", 6.0, 8.0);
  csElementMgr mgr(frame.maker, nullptr);
  ElementProp prop;  // zones that fill the span are refused as the conductor's tests show
  for (std::uint32_t end : {0u, 1u}) {  // a moment at a pin; a shear there would be fine
    prop = MemberProp("E1", a, b);
    prop.IsRotarySpring[end] = true;
    prop.Kij[end] = 0.0;
    prop.PreFaceLoad[end] = {3.0, 4.0, 5.0};
    try {
      mgr.MakeElement(prop);
      ADD_FAILURE() << end;
    } catch (const csElement::exPreFaceMomentIsSetAtHinge& e) {
      EXPECT_EQ(e.End, end);
    }
  }
  prop.PreFaceLoad = {Triple{0.0, 0.0, 5.0}, Triple{3.0, 4.0, 0.0}};  // pinned at J
  ifElement* made = mgr.MakeElement(prop);
  EXPECT_EQ(mgr.GetElements().size(), 1u);  // rejected records are not kept
  EXPECT_THROW(mgr.MakeElement(prop), csElementMgr::exItIsMakingDuplicatedElement);
  EXPECT_EQ(mgr.GetElement("E1"), made);
  EXPECT_THROW(mgr.GetElement("E2"), csElementMgr::exSpecifiedElementIsnotExist);
}

// Face forces of members without springs or shear deformation against the Euler–Bernoulli
// fixed-fixed member between the faces, at several inclinations (with end zones the nodes only
// translate, so the faces move with them). The nodal forces equivalent to a fixed-end state,
// the negated face forces, turn with the member.
TEST(ElementTest, EndForcesMatchTheFixedFixedMemberBetweenTheFaces) {
  struct Case {
    double li, lj;
    Six d;  // member axes
  };
  const Case cases[] = {{0.0, 0.0, {0.001, -0.02, 0.003, 0.004, 0.05, -0.006}},
                        {1.0, 2.0, {0.002, 0.0, 0.0, -0.001, 0.01, 0.0}}};
  FixCaseLoad load{};
  load[6] = 1.0;  // middle start (face I) and end (face J), axial and transverse
  load[7] = -5.0;
  load[9] = 2.0;
  load[10] = -5.0;
  for (const Case& c : cases) {
    const Six& d = c.d;
    const double l = kL - c.li - c.lj, k = kEI / (l * l * l);
    const double q = k * (12 * d[1] + 6 * l * d[2] - 12 * d[4] + 6 * l * d[5]);
    const double mI = k * (6 * l * d[1] + 4 * l * l * d[2] - 6 * l * d[4] + 2 * l * l * d[5]);
    const double mJ = k * (6 * l * d[1] + 2 * l * l * d[2] - 6 * l * d[4] + 4 * l * l * d[5]);
    const double n = kEA / l * (d[3] - d[0]);
    const Vector expected{-n, q, mI, n, -q, mJ};
    for (double theta : {0.0, 0.5, pi / 2, 2.5, -1.2, pi}) {
      Frame frame;
      ifNode* a = frame.AddNode("A", 1.0, 2.0);
      ifNode* b = frame.AddNode("B", 1.0 + kL * std::cos(theta), 2.0 + kL * std::sin(theta));
      ElementProp prop = MemberProp("E1", a, b);
      prop.Lij = {c.li, c.lj};
      prop.FixCases = {load};
      csElement element(frame.maker, nullptr);
      element.SetProp(prop);
      element.PrepareStiffness();
      element.PrepareFixCase();
      element.SetDispIncrement(ToGlobal(d, theta));
      const Six& f = element.GetFaceForceIncrement();
      for (int i = 0; i < 6; ++i) EXPECT_NEAR(f[i], expected[i], kTol) << theta << " " << i;
      EXPECT_NEAR(element.GetRotationAngleIncrement(), (d[4] - d[1]) / kL, 1e-12);
      const Six nodal = ToGlobal({-1.0, 5.0, 0.0, -2.0, 5.0, 0.0}, theta);
      for (int i : {0, 1, 3, 4}) EXPECT_NEAR(element.GetEquivalentLoad()[i], nodal[i], kTol);
    }
  }
}

TEST(ElementTest, PreFaceLoadReachesThePanelInGlobalAxes) {
  Frame frame;
  NodeProp joint;
  joint.ID = "J";
  joint.Myp = {2.5, -100.0};
  joint.WithFaceShear = true;
  joint.ElementProps = {{"C", 1.0, kTHLR_T, 0.0}, {"B", 0.0, kTHLR_L, 0.0}};
  csNode* j = frame.AddNode(joint);
  ElementProp column = MemberProp("C", j, frame.AddNode("A", 0.0, -10.0));  // angle -pi/2
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

// Horizontal member A(0, 0) – B(10, 0): 4EI/L = 400, 3EI/L = 300, EA/L = 1000, 12EI/L³ = 12.
class YieldTest : public ::testing::Test {
 protected:
  ElementProp Prop() { return MemberProp("E1", a_, b_); }
  void Make(const ElementProp& prop) {
    element_ = std::make_unique<csElement>(frame_.maker, &log_);
    element_->SetProp(prop);
  }
  // One step up to the ratios, the case allowing a ratio of 1; loaded: with the fixed-end
  // state of the current case.
  PerEnd<double> Step(const Six& d, bool loaded = false) {
    element_->PrepareStiffness();
    if (loaded) element_->PrepareFixCase();
    element_->SetDispIncrement(d);
    return element_->GetNextRatio(1.0);
  }
  double K(int i) { return element_->GetStiffness().Get(i, i); }

  Frame frame_;
  ifNode* a_ = frame_.AddNode("A", 0.0, 0.0);
  ifNode* b_ = frame_.AddNode("B", kL, 0.0);
  Recorder log_;
  std::unique_ptr<csElement> element_;
};

// My(I) = (100, -100), M at I currently 40, rising 20 per unit (rotation 0.05 × 4EI/L): the
// hinge forms at ratio 3.0 on the upper side (falling: 7.0, lower side) and frees θ_I, leaving
// the propped member. Turning on, the hinge takes the rotation without an event; turning back,
// it unloads in a step of ratio 0 and the member is whole again.
TEST_F(YieldTest, HingeFormsRotatesAndUnloads) {
  struct Case {
    double rotation, ratio;
    std::int32_t state;
  };
  for (const Case& c : {Case{0.05, 3.0, kYieldedUpper}, Case{-0.05, 7.0, kYieldedLower}}) {
    ElementProp prop = Prop();
    prop.My[0] = {100.0, -100.0};
    prop.PreFaceLoad[0] = {0.0, 0.0, 40.0};
    Make(prop);
    const PerEnd<double> r = Step({0, 0, c.rotation, 0, 0, 0});
    EXPECT_NEAR(r[0], c.ratio, kTol);
    EXPECT_EQ(r[1], kInfinite);
    element_->Update(r[0]);
    EXPECT_EQ(element_->GetHingeState(), (PerEnd<std::int32_t>{c.state, kElastic}));
    EXPECT_NEAR(element_->GetFaceForce()[2], c.state == kYieldedUpper ? 100.0 : -100.0, kTol);
    EXPECT_NEAR(element_->GetDisp()[2], c.ratio * c.rotation, kTol);

    const double on = c.rotation / 5;
    EXPECT_EQ(Step({0, 0, on, 0, 0, 0})[0], kInfinite);
    EXPECT_NEAR(K(2), 0.0, kTol);
    EXPECT_NEAR(K(5), 3 * kEI / kL, kTol);
    EXPECT_NEAR(log_.springRotation[0], on, kTol);
    EXPECT_EQ(Step({0, 0, -on, 0, 0, 0})[0], 0.0);
    EXPECT_EQ(element_->GetHingeState()[0], kElastic);
    element_->Update(0.0);
    element_->PrepareStiffness();
    EXPECT_NEAR(K(2), 4 * kEI / kL, kTol);
  }
}

// The axial force increment is EA/L × u = 1000 u; an increment that the rest of the case (ratio
// 1) takes to less than 1e-9 of the capacity gives no event. Tension
// yields end I at its lower limit (N negative there) and end J at its upper limit; the axial
// stiffness is released until the member shortens again. While both ends are yielded an axial
// edge load of the current case (not a transverse one) makes the member a mechanism.
TEST_F(YieldTest, AxialYieldReleasesTheMemberUntilItShortens) {
  ElementProp prop = Prop();
  prop.Ny = {Limits{10.0, -10.0}, Limits{10.0, -10.0}};
  FixCaseLoad axial{}, transverse{};
  axial[9] = 2.0;  // axial at the J face
  transverse[7] = -3.0;
  prop.FixCases = {axial, transverse};
  Make(prop);
  EXPECT_EQ(Step({0, 0, 0, 9e-12, 0, 0}), (PerEnd<double>{kInfinite, kInfinite}));
  EXPECT_NEAR(Step({0, 0, 0, 2e-6, 0, 0})[0], 5000.0, 1e-6);
  const PerEnd<double> r = Step({0, 0, 0, 0.001, 0, 0});
  EXPECT_NEAR(r[0], 10.0, kTol);
  EXPECT_NEAR(r[1], 10.0, kTol);
  EXPECT_FALSE(element_->IsFailed());
  element_->Update(10.0);
  EXPECT_EQ(element_->GetAxialState(), (PerEnd<std::int32_t>{kYieldedLower, kYieldedUpper}));
  EXPECT_TRUE(element_->IsFailed());
  element_->NextCase();
  EXPECT_FALSE(element_->IsFailed());

  EXPECT_EQ(Step({0, 0, 0, 0.001, 0, 0})[0], kInfinite);
  EXPECT_NEAR(K(0), 0.0, kTol);
  EXPECT_EQ(Step({0, 0, 0, -0.001, 0, 0}), (PerEnd<double>{0.0, 0.0}));
  EXPECT_EQ(element_->GetAxialState(), (PerEnd<std::int32_t>{kElastic, kElastic}));
  element_->Update(0.0);
  element_->PrepareStiffness();
  EXPECT_NEAR(K(0), kEA / kL, kTol);
}

// Shear has no yield state: reaching the capacity within a relative 1e-5, or passing it, fails
// the member; so does a step that takes the shear up to its capacity.
TEST_F(YieldTest, ShearAtItsCapacityFailsTheMember) {
  struct Case {
    int end;
    double q;
    bool failed;
  };
  const Case cases[] = {{0, 50.0, true}, {0, 49.9, false},   {0, -60.0, true},
                        {0, 0.0, false}, {1, 49.9996, true}, {1, -49.0, false}};
  for (const Case& c : cases) {
    ElementProp prop = Prop();
    prop.Qy[c.end] = {50.0, -50.0};
    prop.PreFaceLoad[c.end] = {0.0, c.q, 0.0};
    Make(prop);
    EXPECT_EQ(element_->IsFailed(), c.failed) << c.end << " " << c.q;
  }
  ElementProp prop = Prop();
  prop.Qy[0] = {30.0, -30.0};
  Make(prop);
  const PerEnd<double> r = Step({0, 0, 0, 0, -1.0, 0});  // Q at I rises by 12 per unit
  EXPECT_NEAR(r[0], 2.5, kTol);
  EXPECT_FALSE(element_->IsFailed());
  element_->Update(r[0]);
  EXPECT_TRUE(element_->IsFailed());
}

// An axial point load P at mid-span between held nodes compresses the half it pushes towards.
// Once that end has yielded in compression it slides and the whole load goes to the other face;
// the member shortens by (P/2)·L/EA. Pushing on keeps the end yielded; the load reversed (the
// next case) unloads it at once.
TEST_F(YieldTest, AxialEdgeLoadKeepsItsEndYieldedUntilTheLoadTurns) {
  struct Case {
    int end;             // the end with a finite axial capacity
    double p;            // load in member x: negative pushes towards I
    std::int32_t state;  // compression is N > 0 at I (upper), N < 0 at J (lower)
  };
  const Six held{};
  for (const Case& c : {Case{0, -40.0, kYieldedUpper}, Case{1, 40.0, kYieldedLower}}) {
    ElementProp prop = Prop();
    prop.Ny[c.end] = {10.0, -10.0};
    FixCaseLoad load{}, reversed{};
    load[6] = load[9] = -c.p / 2;  // middle start (face I) and end (face J), axial
    reversed[6] = reversed[9] = c.p / 2;
    prop.FixCases = {load, reversed};
    Make(prop);
    const int other = 1 - c.end;
    const PerEnd<double> first = Step(held, true);
    EXPECT_NEAR(first[c.end], 0.5, kTol);  // |N| rises by P/2 = 20 per unit up to 10
    EXPECT_EQ(first[other], kInfinite);
    element_->Update(0.5);
    ASSERT_EQ(element_->GetAxialState()[c.end], c.state) << c.end;

    const double shortening = std::fabs(c.p) / 2 * kL / kEA;
    EXPECT_EQ(Step(held, true)[c.end], kInfinite);
    EXPECT_NEAR(log_.fixFace[3 * c.end], 0.0, kTol);
    EXPECT_NEAR(log_.fixFace[3 * other], -c.p, kTol);
    EXPECT_NEAR(log_.fixStretch, -shortening, kTol);
    element_->Update(0.5);
    EXPECT_EQ(element_->GetAxialState()[c.end], c.state);

    element_->NextCase();
    EXPECT_EQ(Step(held, true)[c.end], 0.0);
    EXPECT_NEAR(log_.fixStretch, shortening, kTol);
    EXPECT_EQ(element_->GetAxialState()[c.end], kElastic);
  }
}

// A uniform load q on a member pinned at J: the fixed-end state is the propped cantilever's
// (face forces -5qL/8 and -3qL/8, moment -qL²/8 at the fixed end), the pin turns by qL³/48EI,
// and the nodes receive the whole load qL.
TEST_F(YieldTest, EdgeLoadOnAProppedMemberGivesItsFixedEndState) {
  const double q = 1.2;
  ElementProp prop = Prop();
  prop.IsRotarySpring[1] = true;
  prop.Kij[1] = 0.0;
  FixCaseLoad load{};  // middle start (face I) and end (face J) triples
  load[7] = load[10] = -q * kL / 2;
  load[8] = -q * kL * kL / 12;
  load[11] = q * kL * kL / 12;
  prop.FixCases = {load};
  Make(prop);
  Step(Six{}, true);
  const Vector expected{0.0, -5 * q * kL / 8, -q * kL * kL / 8, 0.0, -3 * q * kL / 8, 0.0};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(log_.fixFace[i], expected[i], kTol) << i;
  EXPECT_EQ(log_.fixSpring[0], 0.0);
  EXPECT_NEAR(log_.fixSpring[1], q * kL * kL * kL / (48 * kEI), kTol);
  const Six& f = element_->GetEquivalentLoad();
  EXPECT_NEAR(f[1] + f[4], q * kL, kTol);
}

// A beam B framing into a joint panel (Myp ±100) beside a column C (listed only, to make the
// panel; the first listed member, which does not report the panel ratio). The joint turns.
// The panel yields at the lower limit and lends its spring in series with the beam's own (if
// any) and the beam; each spring turns by the common moment over its own stiffness; turning
// back unloads the panel in a step of ratio 0.
TEST(PanelYieldTest, PanelYieldsLendsItsSpringAndUnloads) {
  auto series = [](double a, double b) { return 1.0 / (1.0 / a + 1.0 / b); };
  const double member = 4 * kEI / kL;
  struct Case {
    double own, panel;  // own 0: no spring of the beam's own
  };
  for (const Case& c : {Case{0.0, 400.0}, Case{400.0, 1200.0}}) {
    Frame frame;
    NodeProp joint;
    joint.ID = "J";
    joint.Coordinate = {0.0, 10.0};
    joint.Myp = {100.0, -100.0};
    joint.ElementProps = {{"C", 0.0, kTHLR_T, 0.0}, {"B", 0.0, kTHLR_L, c.panel}};
    csNode* j = frame.AddNode(joint);
    ElementProp beamProp = MemberProp("B", j, frame.AddNode("F", 10.0, 10.0));
    if (c.own > 0.0) {
      beamProp.IsRotarySpring[0] = true;
      beamProp.Kij[0] = c.own;
    }
    Recorder log;
    csElement beam(frame.maker, &log);
    beam.SetProp(beamProp);
    auto step = [&](double rotation) {
      beam.PrepareStiffness();
      beam.SetDispIncrement({0, 0, rotation, 0, 0, 0});
      return beam.GetNextRatio(1.0)[0];
    };
    auto update = [&](double ratio) {
      j->Update(ratio);
      beam.Update(ratio);
    };
    const double elastic = c.own > 0.0 ? series(c.own, member) : member;
    const double ratio = 100.0 / (elastic * 0.05);
    EXPECT_NEAR(step(0.05), ratio, kTol);
    update(ratio);
    EXPECT_EQ(j->GetPanelState(), kYieldedLower);
    EXPECT_NE(beam.GetPanelState()[0], kElastic);

    EXPECT_EQ(step(0.01), kInfinite);
    const double yielded = series(c.own > 0.0 ? series(c.own, c.panel) : c.panel, member);
    EXPECT_NEAR(beam.GetStiffness().Get(2, 2), yielded, kTol);
    const double m = yielded * 0.01;
    EXPECT_NEAR(log.springRotation[0], c.own > 0.0 ? m / c.own : 0.0, kTol);
    EXPECT_NEAR(log.panelRotation[0], m / c.panel, kTol);
    EXPECT_FALSE(j->IsPanelUnloading());

    EXPECT_EQ(step(-0.01), 0.0);
    EXPECT_EQ(beam.GetPanelState()[0], kElastic);
    update(0.0);
    EXPECT_EQ(j->GetPanelState(), kElastic);
    beam.PrepareStiffness();
    EXPECT_NEAR(beam.GetStiffness().Get(2, 2), elastic, kTol);
  }
}

}  // namespace
