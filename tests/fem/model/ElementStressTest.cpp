// Member forces along a span against the statics of the free body from node I, under point and
// linearly varying loads in member and global axes, on the rigid zones and between them; the
// balance of the fixed-end forces; the position check; the extremes search in any unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "fem/makers/EquivalentEdgeLoad.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementFixture.h"
#include "fem/model/ElementStress.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

constexpr std::size_t kISide = 0;
constexpr std::size_t kJSide = 1;

ElementStressProp Member(double x, double y, double li = 0.0, double lj = 0.0) {
  ElementStressProp prop;
  prop.ID = "B1";
  prop.Coordinates = {Point2{0.0, 0.0}, Point2{x, y}};
  prop.Lij = {li, lj};
  return prop;
}

EdgeLoadConcentratedProp PointLoad(double pos, Triple load, bool memberAxes = true) {
  return {.ID = "B1", .LoadNumber = 0, .Load = load, .Pos = pos, .ECrd = memberAxes};
}

EdgeLoadDistributedProp LineLoad(double posi, double posj, std::array<double, 2> qi,
                                 std::array<double, 2> qj, bool memberAxes = true) {
  return {"B1", 0, qi, qj, posi, posj, memberAxes};
}

csElementStress Calculator(const ElementStressProp& prop) {
  csElementStress stress(10, 1.0);  // the division count and minimum length of the system
  stress.SetProp(prop);
  return stress;
}

// Internal forces (N, V, M) by statics of the free body [node I, x]: the force F0 on the member
// at node I and every load between node I and the cut, member axes; a linear load from q0 at s0
// to q1 at s1 is integrated in closed form over [s0, min(x, s1)].
struct FreeBody {
  Triple F0;
  std::vector<EdgeLoadConcentratedProp> points;
  std::vector<EdgeLoadDistributedProp> lines;  // PosJ > PosI

  Triple At(double x, std::size_t side) const {
    Triple f{-F0[0], F0[1], x * F0[1] - F0[2]};
    for (const auto& p : points) {
      if (p.Pos < x || (side == kJSide && p.Pos == x)) {
        f[0] -= p.Load[0];
        f[1] += p.Load[1];
        f[2] += (x - p.Pos) * p.Load[1] - p.Load[2];
      }
    }
    for (const auto& w : lines) {
      const double u = std::clamp(x, w.PosI, w.PosJ) - w.PosI, arm = x - w.PosI;
      const auto slope = [&](int c) { return (w.LoadJ[c] - w.LoadI[c]) / (w.PosJ - w.PosI); };
      f[0] -= w.LoadI[0] * u + slope(0) * u * u / 2;
      f[1] += w.LoadI[1] * u + slope(1) * u * u / 2;
      f[2] += w.LoadI[1] * (arm * u - u * u / 2) + slope(1) * (arm * u * u / 2 - u * u * u / 3);
    }
    return f;
  }
};

// Each case gives the member, the force at node I, the loads (member axes; handed to the
// calculation in global axes when `global`) and the cuts. The calculation gets the I-face force
// (the J side of li, which holds every load on the I rigid zone) and must give the free body's
// forces on both sides of every cut, inside the rigid zones too.
TEST(ElementStress, ForcesAlongTheSpanFollowTheStaticsOfTheFreeBody) {
  struct Case {
    const char* name;
    double dx, dy, li, lj;
    bool global;
    FreeBody body;
    std::vector<double> cuts;
    double scale;  // of the moments
  };
  const double P = 1000.0, W = 100.0, w = 0.2, q = 1e4;
  const Case cases[] = {
      {"simply supported, mid-span point load",
       6000,
       0,
       0,
       0,
       false,
       {{0, P / 2, 0}, {PointLoad(3000, {0, -P, 0})}, {}},
       {1500, 3000, 6000},
       P * 6000},
      {"triangle in metres",
       6,
       0,
       0,
       0,
       false,
       {{0, q * 6 / 6, 0}, {}, {LineLoad(0, 6, {0, 0}, {0, -q})}},
       {1, 6 / std::sqrt(3.0), 6},
       q * 36},
      {"gravity in global axes on a 3-4-5 member",
       3000,
       4000,
       0,
       0,
       true,
       {{0.8 * (W + w * 5000), 0.3 * (W + w * 5000), 0},
        {PointLoad(2500, {-0.8 * W, -0.6 * W, 0})},
        {LineLoad(0, 5000, {-0.8 * w, -0.6 * w}, {-0.8 * w, -0.6 * w})}},
       {1250, 2500, 5000},
       W * 5000},
      // A linearly varying load on the I rigid zone: inside the zone the forces are carried
      // back from the face through that load (its slope term included); a load at the face
      // belongs to the zone.
      {"loads on both rigid zones and between",
       6000,
       0,
       600,
       400,
       false,
       {{-500, 7000, 2e6},
        {PointLoad(300, {100, -2000, 5e4}), PointLoad(600, {10, -50, 1e3}),
         PointLoad(2500, {0, -3000, 0}), PointLoad(5800, {-40, -1000, -2e4})},
        {LineLoad(100, 500, {2, -8}, {-1, 40}), LineLoad(200, 5900, {1, -5}, {1, -5})}},
       {0, 50, 100, 300, 450, 600, 2500, 5600, 5800, 6000},
       2e7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ElementStressProp prop = Member(c.dx, c.dy, c.li, c.lj);
    const double length = std::hypot(c.dx, c.dy), cs = c.dx / length, sn = c.dy / length;
    const auto toGlobal = [&](double x, double y) {
      return c.global ? std::array<double, 2>{cs * x - sn * y, sn * x + cs * y}
                      : std::array<double, 2>{x, y};
    };
    for (const auto& p : c.body.points) {
      const auto xy = toGlobal(p.Load[0], p.Load[1]);
      prop.ConcentratedLoads.push_back(PointLoad(p.Pos, {xy[0], xy[1], p.Load[2]}, !c.global));
    }
    for (const auto& l : c.body.lines) {
      const auto qi = toGlobal(l.LoadI[0], l.LoadI[1]), qj = toGlobal(l.LoadJ[0], l.LoadJ[1]);
      prop.DistributedLoads.push_back(LineLoad(l.PosI, l.PosJ, qi, qj, !c.global));
    }
    const Triple atFace = c.body.At(c.li, kJSide);
    const auto at =
        Calculator(prop).GetStressAtPositions({-atFace[0], atFace[1], -atFace[2]}, c.cuts);
    for (std::size_t k = 0; k < c.cuts.size(); ++k) {
      for (std::size_t side : {kISide, kJSide}) {
        if (c.cuts[k] == 0.0 && side == kISide) continue;  // outside the member
        const Triple expected = c.body.At(c.cuts[k], side);
        for (std::size_t f = 0; f < 3; ++f) {
          EXPECT_NEAR(at[k][side][f], expected[f], 1e-9 * c.scale)
              << "x " << c.cuts[k] << " side " << side << " component " << f;
        }
      }
    }
  }
}

// The fixed-end forces of a member clamped at both nodes, from the edge-load calculation: the
// forces carried from the I face through the loads must meet the J-face force. Loads sit on
// both rigid zones, so counting the I-zone loads twice would break the balance.
TEST(ElementStress, FixedEndFaceForcesBalanceAtTheJFace) {
  using namespace elementtest;
  Frame frame;
  std::vector<ElementProp> elements{
      MemberProp("B1", frame.AddNode("N1", 0.0, 0.0), frame.AddNode("N2", 3000.0, 4000.0))};
  elements[0].Lij = {500.0, 300.0};
  elements[0].Kappa = 1.2;  // shear deformation does not change the balance
  elements[0].FixCases.assign(1, FixCaseLoad{});
  const std::vector<EdgeLoadConcentratedProp> points{PointLoad(250.0, {10.0, -300.0, 2.0e3}),
                                                     PointLoad(2000.0, {0.0, -500.0, 0.0}, false),
                                                     PointLoad(4800.0, {30.0, 100.0, -1.0e4})};
  const std::vector<EdgeLoadDistributedProp> lines{
      LineLoad(100.0, 4900.0, {0.0, -0.2}, {0.1, -0.6}, false)};
  csEdgeLoadFixCase distributor(nullptr);
  distributor.SetElements(elements);
  distributor.Apply({}, points, lines);
  ElementStressProp prop = Member(3000.0, 4000.0, 500.0, 300.0);
  prop.ConcentratedLoads = points;
  prop.DistributedLoads = lines;
  for (const bool hingeAtI : {false, true}) {
    SCOPED_TRACE(hingeAtI ? "hinge at I" : "rigid ends");
    znFEM::znMatrixMaker::FrameStiffnessProp sp{{hingeAtI, false}, kA, kE, kI, 0.3, 1.2, 5000.0};
    sp.Lij = {500.0, 300.0};
    const auto fixed =
        znFEM::znMatrixMaker::MakeEquivalentEdgeLoad(sp, {false, false}, elements[0].FixCases[0]);
    const auto at = Calculator(prop).GetStressAtPositions(fixed.FaceForceI, {500.0, 4700.0});
    const Triple& fJ = fixed.FaceForceJ;
    EXPECT_NEAR(at[1][kISide][0], fJ[0], 1e-9 * 3e3);
    EXPECT_NEAR(at[1][kISide][1], -fJ[1], 1e-9 * 3e3);
    EXPECT_NEAR(at[1][kISide][2], fJ[2], 1e-9 * 3e6);
    if (hingeAtI) {
      EXPECT_NEAR(at[0][kJSide][2], 0.0, 1e-9 * 3e6);
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

// Simply supported spans of length L in millimetres and in metres: a mid-span point load peaks
// at the load point, a uniform load at L/2 (q·L²/8) and a triangle at L/√3 (q·L²/(9√3)), found
// to L/1000 in either unit. Without loads the moment is linear and largest at the J face, which
// the search must evaluate itself, whatever the length.
TEST(ElementStress, ExtremesAreFoundInAnyUnit) {
  struct Case {
    double L;
    Triple faceForce;
    std::vector<EdgeLoadConcentratedProp> points;
    std::vector<EdgeLoadDistributedProp> lines;
    double maxMAt, maxM;
  };
  std::vector<Case> cases;
  for (const double L : {6000.0, 6.0}) {
    const double q = 6e4 / L, r3 = std::sqrt(3.0);
    cases.push_back({L, {0, 500, 0}, {PointLoad(L / 2, {0, -1000, 0})}, {}, L / 2, 250 * L});
    cases.push_back(
        {L, {0, q * L / 2, 0}, {}, {LineLoad(0, 0, {0, -q}, {0, -q})}, L / 2, q * L * L / 8});
    cases.push_back({L,
                     {0, q * L / 6, 0},
                     {},
                     {LineLoad(0, 0, {0, 0}, {0, -q})},
                     L / r3,
                     q * L * L / (9 * r3)});
  }
  for (const double L : {0.8, 6.0, 800.0, 6000.0})
    cases.push_back({L, {-20, 50, 10}, {}, {}, L, 50 * L - 10});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.L << " " << c.maxM);
    ElementStressProp prop = Member(0.0, c.L);
    prop.ConcentratedLoads = c.points;
    prop.DistributedLoads = c.lines;
    const StressExtremes found = Calculator(prop).GetExtremes(c.faceForce);
    const StressExtreme& maxM = found.Extremes[kMaxM];
    EXPECT_NEAR(maxM.Position, c.maxMAt, c.L / 1000);
    EXPECT_NEAR(maxM.Value, c.maxM, 1e-6 * std::abs(c.maxM));  // flat at its peak
    if (c.points.empty() && c.lines.empty()) {
      EXPECT_DOUBLE_EQ(maxM.Position, c.L);  // the face itself, not a point near it
      EXPECT_DOUBLE_EQ(found.Extremes[kMinM].Position, 0.0);
      EXPECT_DOUBLE_EQ(found.Extremes[kMinM].Value, -10.0);
      EXPECT_DOUBLE_EQ(found.Extremes[kMaxN].Value, 20.0);  // constant tension
      EXPECT_DOUBLE_EQ(found.Extremes[kMinQ].Value, 50.0);  // constant shear
    }
  }
}

// A load running from +q at node I to -q at node J bends the axial force and the shear, which
// then peak inside the span: N = -q·(x - x²/L) and V = q·(x - x²/L), both q·L/4 at L/2. The
// search must not take them for straight lines.
TEST(ElementStress, AxialForceAndShearUnderAVaryingLoadPeakInsideTheSpan) {
  const double L = 6000.0, q = 2.0;
  ElementStressProp prop = Member(L, 0.0);
  prop.DistributedLoads = {LineLoad(0, 0, {q, q}, {-q, -q})};
  const StressExtremes found = Calculator(prop).GetExtremes({0.0, 0.0, 0.0});
  for (const std::size_t kind : {kMinN, kMaxQ}) {
    SCOPED_TRACE(kind);
    const double sign = kind == kMinN ? -1.0 : 1.0;
    EXPECT_NEAR(found.Extremes[kind].Position, L / 2, L / 1000);
    EXPECT_NEAR(found.Extremes[kind].Value, sign * q * L / 4, 1e-6 * q * L / 4);
  }
}

// The faces, the load points between them and the requested positions between them; requested
// positions in the rigid zones (50, 980) are not evaluation points, nor is a load on a zone.
TEST(ElementStress, EvaluationPointsAreTheFacesLoadPointsAndRequestedPositionsBetween) {
  ElementStressProp prop = Member(1000.0, 0.0, 100.0, 50.0);
  prop.Positions = {50.0, 300.0, 950.0, 980.0};
  prop.ConcentratedLoads = {PointLoad(60.0, {0.0, -1.0, 0.0}), PointLoad(700.0, {0.0, -1.0, 0.0})};
  prop.DistributedLoads = {LineLoad(200.0, 400.0, {0.0, -1.0}, {0.0, -1.0})};
  std::vector<double> positions;
  for (const StressPoint& p : Calculator(prop).GetExtremes({0.0, 0.0, 0.0}).Points) {
    positions.push_back(p.Position);
  }
  EXPECT_EQ(positions, (std::vector<double>{100.0, 200.0, 300.0, 400.0, 700.0, 950.0}));
}

}  // namespace
