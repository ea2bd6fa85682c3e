// Yield events of a frame element driven through GetNextRatio and Update, as the step
// solver drives them.
#include <gtest/gtest.h>

#include "fem/model/Element.h"
#include "fem/model/ElementFixture.h"

namespace {

using namespace elementtest;

// Horizontal member A(0, 0) – B(10, 0): 4EI/L = 400, 2EI/L = 200, 3EI/L = 300, EA/L = 1000.
constexpr double kL = 10.0;
constexpr double kTol = 1e-9;

class YieldTest : public ::testing::Test {
 protected:
  ElementProp Prop() { return MemberProp("E1", a_, b_); }
  csElement& Make(const ElementProp& prop) {
    element_ = std::make_unique<csElement>(frame_.maker, &log_);
    element_->SetProp(prop);
    return *element_;
  }
  // One step up to the ratios: stiffness for the current states, then the increment.
  PerEnd<double> Step(const Vector& d) {
    element_->PrepareStiffness();
    element_->SetDispIncrement(d);
    return element_->GetNextRatio();
  }
  // The same with the fixed-end state of the current case's edge loads.
  PerEnd<double> LoadedStep(const Vector& d) {
    element_->PrepareStiffness();
    element_->PrepareFixCase();
    element_->SetDispIncrement(d);
    return element_->GetNextRatio();
  }

  Frame frame_;
  ifNode* a_ = frame_.AddNode("A", 0.0, 0.0);
  ifNode* b_ = frame_.AddNode("B", kL, 0.0);
  ElementRecorder log_;
  std::unique_ptr<csElement> element_;
};

TEST_F(YieldTest, UnboundedCapacitiesNeverLimitAStep) {
  Make(Prop());
  const PerEnd<double> r = Step({0.1, -0.2, 0.3, 0.01, 0.5, -0.02});
  EXPECT_EQ(r[0], kInfinite);
  EXPECT_EQ(r[1], kInfinite);
  EXPECT_FALSE(element_->IsFailed());
}

// My(I) = (100, -100), M at I currently 40, rising 20 per unit (rotation 0.05 × 4EI/L):
// the hinge forms at ratio 3.0 on the upper side; falling, at ratio 7.0 on the lower side.
TEST_F(YieldTest, HingeFormsAtTheMomentCapacity) {
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
    EXPECT_NEAR(log_.momentRatio[0], c.ratio, kTol);
    element_->Update(r[0]);
    EXPECT_EQ(element_->GetHingeState()[0], c.state);
    EXPECT_EQ(element_->GetHingeState()[1], kElastic);
    EXPECT_NEAR(element_->GetFaceForce()[2], c.state == kYieldedUpper ? 100.0 : -100.0, kTol);
    EXPECT_NEAR(element_->GetDisp()[2], c.ratio * c.rotation, kTol);

    const auto sp = element_->MakeStiffnessProp();
    EXPECT_TRUE(sp.IsRotarySpring.first);
    EXPECT_EQ(sp.Kij.first, 0.0);
    element_->PrepareStiffness();
    const auto& K = element_->GetStiffness();
    EXPECT_NEAR(K.Get(2, 2), 0.0, kTol);           // the hinge frees θ_I
    EXPECT_NEAR(K.Get(5, 5), 3 * kEI / kL, kTol);  // propped cantilever 3EI/L
    EXPECT_NEAR(K.Get(1, 1), 3 * kEI / (kL * kL * kL), kTol);
  }
}

TEST_F(YieldTest, HingeUnloadsWhenItsRotationReverses) {
  ElementProp prop = Prop();
  prop.My[0] = {100.0, -100.0};
  prop.PreFaceLoad[0] = {0.0, 0.0, 40.0};
  Make(prop);
  element_->Update(Step({0, 0, 0.05, 0, 0, 0})[0]);
  ASSERT_EQ(element_->GetHingeState()[0], kYieldedUpper);

  // Turning on in the same sense: the hinge rotates, no event at I.
  EXPECT_EQ(Step({0, 0, 0.01, 0, 0, 0})[0], kInfinite);
  EXPECT_NEAR(log_.springRotationIncrement[0], 0.01, kTol);
  EXPECT_EQ(element_->GetHingeState()[0], kYieldedUpper);

  // Turning back: ratio 0 and the hinge is elastic at once.
  EXPECT_EQ(Step({0, 0, -0.01, 0, 0, 0})[0], 0.0);
  EXPECT_TRUE(log_.hingeUnloading[0]);
  EXPECT_EQ(element_->GetHingeState()[0], kElastic);
  element_->Update(0.0);
  EXPECT_EQ(element_->GetHingeState()[0], kElastic);
  element_->PrepareStiffness();
  EXPECT_NEAR(element_->GetStiffness().Get(2, 2), 4 * kEI / kL, kTol);
}

// Ny = (1, -1) at both ends; the axial force increment is EA/L × u = 1000 u.
TEST_F(YieldTest, TinyForceIncrementGivesNoEvent) {
  struct Case {
    double stretch, ratio;
  };
  for (const Case& c : {Case{5e-7, kInfinite}, Case{1e-6, kInfinite}, Case{2e-6, 500.0}}) {
    ElementProp prop = Prop();
    prop.Ny = {Limits{1.0, -1.0}, Limits{1.0, -1.0}};
    Make(prop);
    const PerEnd<double> r = Step({0, 0, 0, c.stretch, 0, 0});
    if (c.ratio == kInfinite) {
      EXPECT_EQ(r[0], kInfinite) << c.stretch;
      EXPECT_EQ(r[1], kInfinite) << c.stretch;
    } else {
      EXPECT_NEAR(r[0], c.ratio, 1e-6) << c.stretch;
      EXPECT_NEAR(r[1], c.ratio, 1e-6) << c.stretch;
    }
  }
}

// Tension yields end I at its lower limit (N negative there) and end J at its upper limit;
// the axial stiffness is released until the member shortens again.
TEST_F(YieldTest, AxialYieldReleasesTheMemberUntilItShortens) {
  ElementProp prop = Prop();
  prop.Ny = {Limits{10.0, -10.0}, Limits{10.0, -10.0}};
  Make(prop);
  const PerEnd<double> r = Step({0, 0, 0, 0.001, 0, 0});
  EXPECT_NEAR(r[0], 10.0, kTol);
  EXPECT_NEAR(r[1], 10.0, kTol);
  element_->Update(10.0);
  EXPECT_EQ(element_->GetAxialState()[0], kYieldedLower);
  EXPECT_EQ(element_->GetAxialState()[1], kYieldedUpper);
  EXPECT_EQ(element_->MakeStiffnessProp().Kn, 0.0);

  const PerEnd<double> on = Step({0, 0, 0, 0.001, 0, 0});
  EXPECT_NEAR(element_->GetStiffness().Get(0, 0), 0.0, kTol);
  EXPECT_EQ(on[0], kInfinite);
  EXPECT_FALSE(log_.axialUnloading);

  const PerEnd<double> back = Step({0, 0, 0, -0.001, 0, 0});
  EXPECT_EQ(back[0], 0.0);
  EXPECT_EQ(back[1], 0.0);
  EXPECT_TRUE(log_.axialUnloading);
  EXPECT_EQ(element_->GetAxialState()[0], kElastic);
  EXPECT_EQ(element_->GetAxialState()[1], kElastic);
  element_->Update(0.0);
  element_->PrepareStiffness();
  EXPECT_NEAR(element_->GetStiffness().Get(0, 0), kEA / kL, kTol);
}

// Shear has no yield state: reaching the capacity within a relative 1e-5, or passing it,
// fails the member.
TEST_F(YieldTest, ShearAtItsCapacityFailsTheMember) {
  struct Case {
    int end;
    double q;
    bool failed;
  };
  const Case cases[] = {
      {0, 50.0, true}, {0, 49.9, false},   {0, -50.0, true}, {0, -60.0, true},
      {0, 0.0, false}, {1, 49.9996, true}, {1, 51.0, true},  {1, -49.0, false},
  };
  for (const Case& c : cases) {
    ElementProp prop = Prop();
    prop.Qy = {Limits{50.0, -50.0}, Limits{50.0, -50.0}};
    prop.PreFaceLoad[c.end] = {0.0, c.q, 0.0};
    Make(prop);
    log_.shearFailedEnd = -1;
    EXPECT_EQ(element_->IsFailed(), c.failed) << c.end << " " << c.q;
    EXPECT_EQ(log_.shearFailedEnd, c.failed ? c.end : -1);
  }
}

TEST_F(YieldTest, ShearReachedByAStepFailsTheMember) {
  ElementProp prop = Prop();
  prop.Qy[0] = {30.0, -30.0};
  Make(prop);
  // Node J sinks by 1: Q at I rises by 12EI/L³ = 12 per unit.
  const PerEnd<double> r = Step({0, 0, 0, 0, -1.0, 0});
  EXPECT_NEAR(r[0], 2.5, kTol);
  EXPECT_FALSE(element_->IsFailed());
  element_->Update(r[0]);
  EXPECT_TRUE(element_->IsFailed());
}

TEST_F(YieldTest, AxialMechanismUnderAnAxialEdgeLoadFails) {
  for (bool axialLoad : {false, true}) {
    ElementProp prop = Prop();
    prop.Ny = {Limits{10.0, -10.0}, Limits{10.0, -10.0}};
    FixCaseLoad load{};
    load[7] = -3.0;                // transverse only at the face: no failure
    if (axialLoad) load[9] = 2.0;  // axial at the J face
    prop.FixCases = {load};
    Make(prop);
    element_->Update(Step({0, 0, 0, 0.001, 0, 0})[0]);
    log_.axialFailed = false;
    EXPECT_EQ(element_->IsFailed(), axialLoad);
    EXPECT_EQ(log_.axialFailed, axialLoad);
  }
}

// Fixed-end forces of an axial point load p (member x) at mid-span: each face takes -p/2.
FixCaseLoad MidSpanAxialLoad(double p) {
  FixCaseLoad load{};
  load[6] = -p / 2;  // middle start (face I), axial
  load[9] = -p / 2;  // middle end (face J), axial
  return load;
}

// An axial load P at mid-span between held nodes compresses the half towards which it pushes.
// Once that end has yielded in compression it slides, and the whole load goes to the other
// face: the released half carries nothing, so the member shortens by (P/2)·L/EA = 0.02. The
// load pushing on keeps the end yielded; the load reversed (the next case) unloads it at once.
TEST_F(YieldTest, AxialEdgeLoadKeepsItsEndYieldedUntilTheLoadTurns) {
  struct Case {
    int end;             // the end with a finite axial capacity
    double p;            // load in member x: negative pushes towards I
    std::int32_t state;  // compression is N > 0 at I (upper), N < 0 at J (lower)
  };
  const Vector held(6, 0.0);
  for (const Case& c : {Case{0, -40.0, kYieldedUpper}, Case{1, 40.0, kYieldedLower}}) {
    SCOPED_TRACE(c.end);
    ElementProp prop = Prop();
    prop.Ny[c.end] = {10.0, -10.0};
    prop.FixCases = {MidSpanAxialLoad(c.p), MidSpanAxialLoad(-c.p)};
    Make(prop);
    const int other = 1 - c.end;
    const PerEnd<double> first = LoadedStep(held);
    EXPECT_NEAR(first[c.end], 0.5, kTol);  // |N| rises by P/2 = 20 per unit up to 10
    EXPECT_EQ(first[other], kInfinite);
    element_->Update(first[c.end]);
    ASSERT_EQ(element_->GetAxialState()[c.end], c.state);

    const PerEnd<double> on = LoadedStep(held);
    EXPECT_NEAR(log_.fixFaceForceIncrement[3 * c.end], 0.0, kTol);
    EXPECT_NEAR(log_.fixFaceForceIncrement[3 * other], -c.p, kTol);
    EXPECT_NEAR(log_.fixStretchIncrement, -(std::fabs(c.p) / 2) * kL / kEA, kTol);
    EXPECT_FALSE(log_.axialUnloading);
    EXPECT_EQ(on[c.end], kInfinite);
    element_->Update(0.5);
    EXPECT_EQ(element_->GetAxialState()[c.end], c.state);

    element_->NextCase();
    const PerEnd<double> back = LoadedStep(held);
    EXPECT_NEAR(log_.fixStretchIncrement, (std::fabs(c.p) / 2) * kL / kEA, kTol);
    EXPECT_TRUE(log_.axialUnloading);
    EXPECT_EQ(back[c.end], 0.0);
    EXPECT_EQ(element_->GetAxialState()[c.end], kElastic);
  }
}

// A uniform load q on a member pinned at J: the fixed-end state is the propped cantilever's
// (forces -5qL/8 and -3qL/8, moment -qL²/8 at the fixed end) and the pin turns by qL³/48EI.
TEST_F(YieldTest, EdgeLoadOnAProppedMemberGivesItsFixedEndState) {
  const double q = 1.2;
  ElementProp prop = Prop();
  prop.IsRotarySpring[1] = true;
  prop.Kij[1] = 0.0;
  FixCaseLoad load{};
  // Middle start (face I) and middle end (face J) triples.
  load[7] = -q * kL / 2;
  load[8] = -q * kL * kL / 12;
  load[10] = -q * kL / 2;
  load[11] = q * kL * kL / 12;
  prop.FixCases = {load};
  Make(prop);
  element_->PrepareStiffness();
  element_->PrepareFixCase();
  const Vector expected{0.0, -5 * q * kL / 8, -q * kL * kL / 8, 0.0, -3 * q * kL / 8, 0.0};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(log_.fixFaceForceIncrement[i], expected[i], kTol);
  EXPECT_NEAR(log_.fixSpringRotationIncrement[1], q * kL * kL * kL / (48 * kEI), kTol);
  EXPECT_EQ(log_.fixSpringRotationIncrement[0], 0.0);
  EXPECT_EQ(log_.fixPanelRotationIncrement[1], 0.0);
  // The member's load reaches the nodes: total transverse load qL.
  const Vector& f = element_->GetEquivalentLoad();
  EXPECT_NEAR(f[1] + f[4], q * kL, kTol);
}

// A beam framing into a joint panel; the column is the member the panel does not report to
// (no rigid zones: the first listed member), so the beam alone carries the panel's events.
class PanelYieldTest : public ::testing::Test {
 protected:
  void Build(double beamOwnSpring, double panelSpring) {
    NodeProp joint;
    joint.ID = "J";
    joint.Coordinate = {0.0, 10.0};
    joint.Myp = {100.0, -100.0};
    joint.ElementProps = {{"C", 0.0, kTHLR_T, 0.0}, {"B", 0.0, kTHLR_L, panelSpring}};
    joint_ = frame_.AddNode(joint);
    ElementProp column = MemberProp("C", frame_.AddNode("A", 0.0, 0.0), joint_);
    ElementProp beam = MemberProp("B", joint_, frame_.AddNode("F", 10.0, 10.0));
    if (beamOwnSpring > 0.0) {
      beam.IsRotarySpring[0] = true;
      beam.Kij[0] = beamOwnSpring;
    }
    column_ = std::make_unique<csElement>(frame_.maker, nullptr);
    column_->SetProp(column);
    beam_ = std::make_unique<csElement>(frame_.maker, &log_);
    beam_->SetProp(beam);
  }
  // The joint turns by rotation; the column stays still.
  PerEnd<double> Step(double rotation) {
    column_->PrepareStiffness();
    beam_->PrepareStiffness();
    column_->SetDispIncrement(Vector(6, 0.0));
    beam_->SetDispIncrement({0, 0, rotation, 0, 0, 0});
    EXPECT_EQ(column_->GetNextRatio()[1], kInfinite);
    return beam_->GetNextRatio();
  }
  void Update(double ratio) {
    joint_->Update(ratio);
    column_->Update(ratio);
    beam_->Update(ratio);
  }

  Frame frame_;
  csNode* joint_ = nullptr;
  ElementRecorder log_;
  std::unique_ptr<csElement> column_;
  std::unique_ptr<csElement> beam_;
};

TEST_F(PanelYieldTest, PanelYieldsLendsItsSpringAndUnloads) {
  Build(0.0, 4 * kEI / kL);
  // Beam moment at the joint 4EI/L × 0.05 = 20 per unit: B = -20, limit -100 at ratio 5.
  const PerEnd<double> r = Step(0.05);
  EXPECT_NEAR(r[0], 5.0, kTol);
  EXPECT_NEAR(log_.panelRatio[0], 5.0, kTol);
  Update(r[0]);
  EXPECT_EQ(joint_->GetPanelState(), kYieldedLower);
  EXPECT_NE(beam_->GetPanelState()[0], kElastic);
  EXPECT_EQ(column_->GetPanelState()[1], kElastic);

  // The panel lends 4EI/L (ratio 1) in series with the beam: 1/(1/400 + 1/400) = 200.
  EXPECT_EQ(Step(0.01)[0], kInfinite);
  EXPECT_NEAR(beam_->GetStiffness().Get(2, 2), 2 * kEI / kL, kTol);
  // The joint's rotation is shared: M = 200 × 0.01 = 2 turns the panel spring 2/400.
  EXPECT_NEAR(log_.panelRotationIncrement[0], 0.005, kTol);
  EXPECT_NEAR(log_.springRotationIncrement[0], 0.0, kTol);
  EXPECT_FALSE(joint_->IsPanelUnloading());

  // Turning back unloads the panel in a step of ratio 0.
  EXPECT_EQ(Step(-0.01)[0], 0.0);
  EXPECT_TRUE(log_.panelUnloading[0]);
  EXPECT_EQ(beam_->GetPanelState()[0], kElastic);
  Update(0.0);
  EXPECT_EQ(joint_->GetPanelState(), kElastic);
  beam_->PrepareStiffness();
  EXPECT_NEAR(beam_->GetStiffness().Get(2, 2), 4 * kEI / kL, kTol);
}

TEST_F(PanelYieldTest, OwnSpringAndPanelShareTheRotationInSeries) {
  Build(400.0, 1200.0);  // own spring ratio 1: joint stiffness 200, M = 10 per unit
  const PerEnd<double> r = Step(0.05);
  EXPECT_NEAR(r[0], 10.0, kTol);
  Update(r[0]);
  // Springs 400 and 1200 in series (300), then the member's 4EI/L = 400.
  Step(0.01);
  const double kJoint = 1.0 / (1.0 / 300.0 + 1.0 / 400.0);
  EXPECT_NEAR(beam_->GetStiffness().Get(2, 2), kJoint, 1e-9);
  // Each spring turns by the common moment over its own stiffness.
  const double m = kJoint * 0.01;
  EXPECT_NEAR(log_.springRotationIncrement[0], m / 400.0, kTol);
  EXPECT_NEAR(log_.panelRotationIncrement[0], m / 1200.0, kTol);
}

}  // namespace
