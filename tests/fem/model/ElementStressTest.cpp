// Member forces along a span against statics: simply supported members under point, uniform
// and linearly varying loads, loads in global axes on an inclined member, rigid zones, the
// balance of the fixed-end forces, the position check and the extremes search in any unit.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fem/makers/EquivalentEdgeLoad.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementFixture.h"
#include "fem/model/ElementStress.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

constexpr std::size_t kN = 0;  // components of a force triple
constexpr std::size_t kQ = 1;
constexpr std::size_t kM = 2;
constexpr std::size_t kISide = 0;
constexpr std::size_t kJSide = 1;

ElementStressProp Member(double x, double y, double li = 0.0, double lj = 0.0) {
  ElementStressProp prop;
  prop.ID = "B1";
  prop.Coordinates = {Point2{0.0, 0.0}, Point2{x, y}};
  prop.Lij = {li, lj};
  return prop;
}

EdgeLoadConcentratedProp PointLoad(double pos, double x, double y, double m, bool memberAxes) {
  EdgeLoadConcentratedProp load;
  load.ID = "B1";
  load.Pos = pos;
  load.Load = {x, y, m};
  load.ECrd = memberAxes;
  return load;
}

EdgeLoadDistributedProp LineLoad(double posi, double posj, std::array<double, 2> qi,
                                 std::array<double, 2> qj, bool memberAxes) {
  EdgeLoadDistributedProp load;
  load.ID = "B1";
  load.PosI = posi;
  load.PosJ = posj;
  load.LoadI = qi;
  load.LoadJ = qj;
  load.ECrd = memberAxes;
  return load;
}

csElementStress Calculator(const ElementStressProp& prop) {
  csElementStress stress(10, 1.0);  // the division count and minimum length of the system
  stress.SetProp(prop);
  return stress;
}

// Relative tolerance of closed forms evaluated in double precision.
void ExpectClose(double actual, double expected, double scale) {
  EXPECT_NEAR(actual, expected, 1e-9 * scale);
}

TEST(ElementStress, MidSpanPointLoadGivesQuarterSpanMomentAndAShearJump) {
  const double L = 6000.0;
  const double P = 1000.0;
  ElementStressProp prop = Member(L, 0.0);
  prop.ConcentratedLoads = {PointLoad(L / 2, 0.0, -P, 0.0, true)};
  const csElementStress stress = Calculator(prop);
  const Triple simpleSupportI{0.0, P / 2, 0.0};  // the support pushes up by P/2

  const auto at = stress.GetStressAtPositions(simpleSupportI, {L / 2, L});
  ExpectClose(at[0][kISide][kM], P * L / 4, P * L);
  ExpectClose(at[0][kJSide][kM], P * L / 4, P * L);
  ExpectClose(at[0][kISide][kQ], P / 2, P);
  ExpectClose(at[0][kJSide][kQ], -P / 2, P);
  ExpectClose(at[1][kISide][kM], 0.0, P * L);  // the J support carries no moment

  const StressExtremes extremes = stress.GetExtremes(simpleSupportI);
  EXPECT_DOUBLE_EQ(extremes.Extremes[kMaxM].Position, L / 2);
  ExpectClose(extremes.Extremes[kMaxM].Value, P * L / 4, P * L);
  ExpectClose(extremes.Extremes[kMaxQ].Value, P / 2, P);
  ExpectClose(extremes.Extremes[kMinQ].Value, -P / 2, P);
  EXPECT_EQ(extremes.Points.size(), 3u);  // the two faces and the load point
}

// Simply supported spans under a uniform and a triangular load (zero at I), in millimetres and
// in metres: closed-form moments, and the peak found by the search to L/1000 in either unit.
TEST(ElementStress, DistributedLoadsGiveClosedFormMomentsAndPeaksInAnyUnit) {
  struct Case {
    const char* name;
    double L, q;
    bool triangular;
  };
  for (const Case& c :
       {Case{"uniform mm", 6000.0, 10.0, false}, Case{"uniform m", 6.0, 1e4, false},
        Case{"triangle mm", 6000.0, 10.0, true}, Case{"triangle m", 6.0, 1e4, true}}) {
    SCOPED_TRACE(c.name);
    const double L = c.L;
    const double q = c.q;
    ElementStressProp prop = Member(L, 0.0);
    prop.DistributedLoads = {LineLoad(0.0, 0.0, {0.0, c.triangular ? 0.0 : -q}, {0.0, -q}, true)};
    const csElementStress stress = Calculator(prop);
    // Uniform: M = q·x·(L − x)/2, peak q·L²/8 at L/2. Triangle: M = q·L·x/6 − q·x³/(6L), zero
    // shear and peak q·L²/(9√3) at L/√3.
    const double shearI = c.triangular ? q * L / 6 : q * L / 2;
    const auto moment = [&](double x) {
      return c.triangular ? q * L * x / 6 - q * x * x * x / (6 * L) : q * x * (L - x) / 2;
    };
    const double peakAt = c.triangular ? L / std::sqrt(3.0) : L / 2;
    const Triple support{0.0, shearI, 0.0};

    const auto at = stress.GetStressAtPositions(support, {L / 4, L});
    ExpectClose(at[0][kISide][kM], moment(L / 4), q * L * L);
    ExpectClose(at[1][kISide][kM], 0.0, q * L * L);
    ExpectClose(at[1][kISide][kQ], shearI - (c.triangular ? q * L / 2 : q * L), q * L);

    const StressExtreme maxM = stress.GetExtremes(support).Extremes[kMaxM];
    EXPECT_NEAR(maxM.Position, peakAt, L / 1000);
    EXPECT_NEAR(maxM.Value, moment(peakAt), 1e-6 * moment(peakAt));  // flat at its peak
  }
}

// A 3-4-5 member (cos 0.6, sin 0.8) under gravity loads given in global axes.
TEST(ElementStress, GlobalLoadsOnAnInclinedMemberActInMemberAxes) {
  const double L = 5000.0;
  const double W = 100.0;
  const double w = 0.2;
  ElementStressProp prop = Member(3000.0, 4000.0);
  prop.ConcentratedLoads = {PointLoad(L / 2, 0.0, -W, 0.0, false)};
  prop.DistributedLoads = {LineLoad(0.0, L, {0.0, -w}, {0.0, -w}, false)};
  const csElementStress stress = Calculator(prop);
  // Transverse components 0.6W and 0.6w per length; the I end takes all of the axial load
  // (0.8W + 0.8wL along the member), the transverse load is shared equally.
  const double axialLoad = 0.8 * W + 0.8 * w * L;
  const Triple support{axialLoad, 0.6 * (W + w * L) / 2, 0.0};

  const auto at = stress.GetStressAtPositions(support, {L / 2, L});
  ExpectClose(at[0][kISide][kN], -axialLoad + 0.8 * w * L / 2, axialLoad);
  ExpectClose(at[0][kJSide][kN], -axialLoad + 0.8 * w * L / 2 + 0.8 * W, axialLoad);
  ExpectClose(at[0][kISide][kM], 0.6 * W * L / 4 + 0.6 * w * L * L / 8, W * L);
  ExpectClose(at[0][kISide][kQ] - at[0][kJSide][kQ], 0.6 * W, W);
  ExpectClose(at[1][kISide][kN], 0.0, axialLoad);  // the J end is free axially
  ExpectClose(at[1][kISide][kM], 0.0, W * L);
}

// Internal forces by statics of the free body from node I: node-end forces F0 and every load
// between node I and the cut.
struct NodeStatics {
  Triple F0;
  std::vector<EdgeLoadConcentratedProp> points;  // member axes
  EdgeLoadDistributedProp uniform;               // member axes, constant intensity

  Triple At(double x, std::size_t side) const {
    Triple f{-F0[0], F0[1], x * F0[1] - F0[2]};
    for (const auto& p : points) {
      if (p.Pos < x || (side == kJSide && p.Pos == x)) {
        f[0] -= p.Load[0];
        f[1] += p.Load[1];
        f[2] += (x - p.Pos) * p.Load[1] - p.Load[2];
      }
    }
    const double a = uniform.PosI;
    const double b = std::clamp(x, a, uniform.PosJ);
    f[0] -= uniform.LoadI[0] * (b - a);
    f[1] += uniform.LoadI[1] * (b - a);
    f[2] += uniform.LoadI[1] * ((x - a) * (x - a) - (x - b) * (x - b)) / 2;
    return f;
  }
};

// Loads on both rigid zones and in between: the I-face force already carries what acts on the
// I rigid zone, so nothing may be counted twice, and a point inside the rigid zone shows the
// true internal force there.
TEST(ElementStress, RigidZonesCountEachLoadOnceAndGiveTrueForcesInside) {
  const double L = 6000.0;
  const double li = 600.0;
  NodeStatics statics;
  statics.F0 = {-500.0, 7000.0, 2.0e6};
  statics.points = {PointLoad(300.0, 100.0, -2000.0, 5.0e4, true),
                    PointLoad(2500.0, 0.0, -3000.0, 0.0, true),
                    PointLoad(5800.0, -40.0, -1000.0, -2.0e4, true)};
  statics.uniform = LineLoad(200.0, 5900.0, {1.0, -5.0}, {1.0, -5.0}, true);
  ElementStressProp prop = Member(L, 0.0, li, 400.0);
  prop.ConcentratedLoads = statics.points;
  prop.DistributedLoads = {statics.uniform};
  const csElementStress stress = Calculator(prop);
  const Triple atFace = statics.At(li, kJSide);
  const Triple faceForceI{-atFace[0], atFace[1], -atFace[2]};

  const std::vector<double> positions{0.0, 100.0, 300.0, li, 2500.0, 5600.0, 5800.0, L};
  const auto at = stress.GetStressAtPositions(faceForceI, positions);
  for (std::size_t k = 0; k < positions.size(); ++k) {
    for (std::size_t side : {kISide, kJSide}) {
      if (positions[k] == 0.0 && side == kISide) continue;  // outside the member
      SCOPED_TRACE(testing::Message() << "x " << positions[k] << " side " << side);
      const Triple expected = statics.At(positions[k], side);
      for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(at[k][side][c], expected[c], 1e-6 * 2e7);
    }
  }
  // The extremes are searched over the flexible part only: from the I face, not node I.
  const StressExtremes extremes = stress.GetExtremes(faceForceI);
  EXPECT_EQ(extremes.Points.front().Position, li);
  EXPECT_EQ(extremes.Points.back().Position, L - 400.0);
}

// The fixed-end forces of a member clamped at both nodes, from the edge-load calculation: the
// forces carried from the I face through the loads must meet the J-face force. Loads sit on
// both rigid zones, so counting the I-zone loads twice would break the balance.
TEST(ElementStress, FixedEndFaceForcesBalanceAtTheJFace) {
  using namespace elementtest;
  Frame frame;
  ifNode* i = frame.AddNode("N1", 0.0, 0.0);
  ifNode* j = frame.AddNode("N2", 3000.0, 4000.0);
  std::vector<ElementProp> elements{MemberProp("B1", i, j)};
  elements[0].Lij = {500.0, 300.0};
  elements[0].Kappa = 1.2;  // shear deformation does not change the balance
  elements[0].FixCases.assign(1, FixCaseLoad{});
  const std::vector<EdgeLoadConcentratedProp> points{PointLoad(250.0, 10.0, -300.0, 2.0e3, true),
                                                     PointLoad(2000.0, 0.0, -500.0, 0.0, false),
                                                     PointLoad(4800.0, 30.0, 100.0, -1.0e4, true)};
  const std::vector<EdgeLoadDistributedProp> lines{
      LineLoad(100.0, 4900.0, {0.0, -0.2}, {0.1, -0.6}, false)};
  csEdgeLoadFixCase distributor(nullptr);
  distributor.SetElements(elements);
  distributor.Apply({}, points, lines);

  for (const bool hingeAtI : {false, true}) {
    SCOPED_TRACE(hingeAtI ? "hinge at I" : "rigid ends");
    znFEM::znMatrixMaker::FrameStiffnessProp sp;
    sp.A = kA;
    sp.E = kE;
    sp.I = kI;
    sp.Poisson = 0.3;
    sp.Kappa = 1.2;
    sp.L = 5000.0;
    sp.Lij = {500.0, 300.0};
    sp.IsRotarySpring = {hingeAtI, false};
    sp.Kij = {0.0, 0.0};
    const auto fixed =
        znFEM::znMatrixMaker::MakeEquivalentEdgeLoad(sp, {false, false}, elements[0].FixCases[0]);
    ElementStressProp prop = Member(3000.0, 4000.0, 500.0, 300.0);
    prop.ConcentratedLoads = points;
    prop.DistributedLoads = lines;
    const auto at = Calculator(prop).GetStressAtPositions(fixed.FaceForceI, {500.0, 4700.0});
    const Triple& fJ = fixed.FaceForceJ;
    EXPECT_NEAR(at[1][kISide][kN], fJ[0], 1e-9 * 3e3);
    EXPECT_NEAR(at[1][kISide][kQ], -fJ[1], 1e-9 * 3e3);
    EXPECT_NEAR(at[1][kISide][kM], fJ[2], 1e-9 * 3e6);
    if (hingeAtI) {
      EXPECT_NEAR(at[0][kJSide][kM], 0.0, 1e-9 * 3e6);
    }
  }
}

TEST(ElementStress, PositionCheckReportsTheFirstPositionOutsideTheMember) {
  const csElementStress stress = Calculator(Member(3000.0, 4000.0));  // 5000 long
  const Triple none{0.0, 0.0, 0.0};
  EXPECT_NO_THROW(stress.GetStressAtPositions(none, {0.0, 5000.0}));
  struct Case {
    std::vector<double> positions;
    std::uint32_t index;
  };
  const Case cases[] = {
      {{5000.001}, 0}, {{-0.001}, 0}, {{0.0, 100.0, -1.0, 6000.0}, 2}, {{100.0, std::nan("")}, 1}};
  for (const Case& c : cases) {
    try {
      stress.GetStressAtPositions(none, c.positions);
      ADD_FAILURE() << "accepted a position outside the member";
    } catch (const ifElementStress::exSpecifiedPositionOfElementStressIsOutOfLength& e) {
      EXPECT_EQ(e.ID, "B1");
      EXPECT_EQ(e.PositionIndex, c.index);
    }
  }
}

// Without loads the moment is linear; its largest value lies at the J face. The search must
// evaluate that face itself, whatever the length and the unit.
TEST(ElementStress, ExtremesAtTheFacesAreFoundForShortAndLongMembers) {
  for (const double L : {0.8, 6.0, 800.0, 6000.0}) {
    SCOPED_TRACE(L);
    const double P = 50.0;
    const csElementStress stress = Calculator(Member(0.0, L));
    const Triple faceForceI{-20.0, P, 10.0};  // M(x) = P·x − 10
    const StressExtremes extremes = stress.GetExtremes(faceForceI);
    EXPECT_DOUBLE_EQ(extremes.Extremes[kMaxM].Position, L);
    EXPECT_NEAR(extremes.Extremes[kMaxM].Value, P * L - 10.0, 1e-9 * P * L);
    EXPECT_DOUBLE_EQ(extremes.Extremes[kMinM].Position, 0.0);
    EXPECT_DOUBLE_EQ(extremes.Extremes[kMinM].Value, -10.0);
    EXPECT_DOUBLE_EQ(extremes.Extremes[kMaxN].Value, 20.0);  // constant tension
    EXPECT_DOUBLE_EQ(extremes.Extremes[kMinQ].Value, P);     // constant shear
  }
}

// Requested positions in the rigid zones (50, 980) are not evaluation points.
TEST(ElementStress, EvaluationPointsAreTheFacesLoadPointsAndRequestedPositionsBetween) {
  ElementStressProp prop = Member(1000.0, 0.0, 100.0, 50.0);
  prop.Positions = {50.0, 300.0, 950.0, 980.0};
  prop.ConcentratedLoads = {PointLoad(60.0, 0.0, -1.0, 0.0, true),
                            PointLoad(700.0, 0.0, -1.0, 0.0, true)};
  prop.DistributedLoads = {LineLoad(200.0, 400.0, {0.0, -1.0}, {0.0, -1.0}, true)};
  std::vector<double> positions;
  for (const StressPoint& p : Calculator(prop).GetExtremes({0.0, 0.0, 0.0}).Points) {
    positions.push_back(p.Position);
  }
  EXPECT_EQ(positions, (std::vector<double>{100.0, 200.0, 300.0, 400.0, 700.0, 950.0}));
}

}  // namespace
