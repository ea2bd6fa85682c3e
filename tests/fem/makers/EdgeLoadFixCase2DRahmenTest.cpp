#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "fem/makers/EdgeLoadFixCase2DRahmen.h"

namespace {

using namespace znFEM::znEdgeLoadFixCase;
using Maker = csEdgeLoadFixCase2DRahmen;
using Pair = std::pair<double, double>;

constexpr double kTol = 1e-9;  // round-off of a few dozen operations on values of order 1..100

// E·I = 600, G·A = 160: with κ = 1.2 the middle of Member(6, 0.5, 0.8, 1.2) has β ≈ 1.2.
EdgeLoadMember Member(double L, double li, double lj, double kappa) {
  return {"B1", 200.0, 3.0, 80.0, 2.0, kappa, L, li, lj};
}

ConcentratedLoadInput Point(const EdgeLoadMember& m, double pos, double x, double y, double mo) {
  return {.Member = m, .X = x, .Y = y, .M = mo, .Pos = pos};
}

DistributedLoadInput Linear(const EdgeLoadMember& m, double posi, double posj, double ix, double iy,
                            double jx, double jy) {
  return {.Member = m, .IX = ix, .IY = iy, .JX = jx, .JY = jy, .PosI = posi, .PosJ = posj};
}

// Independent reference: a clamped Timoshenko beam by the flexibility method. The cantilever
// clamped at the start deflects at its tip under each load (bending plus shear strain
// s·κ/(GA) up to the load); the tip force and moment that cancel this are the end forces at the
// end, and statics gives those at the start. Axially the bar shares a load by the lever rule.
struct RefLoad {
  double pos;  // from the segment start
  double x, y, m;
};

SegmentForces ClampedBeam(double l, double ei, double shearFlex, const std::vector<RefLoad>& ps) {
  double v = 0, th = 0, fy = 0, fyArm = 0, couples = 0, n0 = 0, nl = 0;
  for (const RefLoad& p : ps) {
    const double s = p.pos;
    v += p.y * (s * s * s / (3 * ei) + s * shearFlex + s * s * (l - s) / (2 * ei)) +
         p.m * (s * s / (2 * ei) + s * (l - s) / ei);
    th += p.y * s * s / (2 * ei) + p.m * s / ei;
    fy += p.y;
    fyArm += p.y * s;
    couples += p.m;
    n0 -= p.x * (l - s) / l;
    nl -= p.x * s / l;
  }
  const double f11 = l * l * l / (3 * ei) + l * shearFlex, f12 = l * l / (2 * ei), f22 = l / ei;
  const double det = f11 * f22 - f12 * f12;
  const double ql = (-v * f22 + th * f12) / det, ml = (-th * f11 + v * f12) / det;
  return {n0, -(fy + ql), -(ml + ql * l + fyArm + couples), nl, ql, ml};
}

// A linear load from p0 to p1 as Simpson-weighted point loads (error far below 1e-7 here).
std::vector<RefLoad> LinearLoad(double p0, double p1, double qx0, double qy0, double qx1,
                                double qy1) {
  const int n = 2000;
  const double h = (p1 - p0) / n;
  std::vector<RefLoad> loads;
  for (int k = 0; k <= n; ++k) {
    const double w = (k == 0 || k == n ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0)) * h / 3.0;
    const double t = static_cast<double>(k) / n;
    loads.push_back({p0 + k * h, w * (qx0 + (qx1 - qx0) * t), w * (qy0 + (qy1 - qy0) * t), 0});
  }
  return loads;
}

// Forces of segment seg of f against the reference; and the segment balances its loads.
void ExpectSegment(const SegmentForces& f, int seg, double l, const std::vector<RefLoad>& loads,
                   const SegmentForces& ref) {
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(f[6 * seg + k], ref[k], 1e-7) << seg << "/" << k;
  double fx = 0, fy = 0, moment = 0;
  for (const RefLoad& p : loads) {
    fx += p.x;
    fy += p.y;
    moment += p.y * p.pos + p.m;
  }
  const double* e = &f[6 * seg];
  EXPECT_NEAR(e[0] + e[3] + fx, 0.0, 1e-9) << seg;
  EXPECT_NEAR(e[1] + e[4] + fy, 0.0, 1e-9) << seg;
  EXPECT_NEAR(e[2] + e[5] + e[4] * l + moment, 0.0, 1e-9) << seg;
}

void ExpectZeroSegment(const SegmentForces& f, int seg) {
  for (int k = 0; k < 6; ++k) EXPECT_EQ(f[6 * seg + k], 0.0) << seg << "/" << k;
}

TEST(EdgeLoadFixCase2DRahmen, UniformLoadOverWholeMemberIsIndependentOfShear) {
  const double L = 5.0, qx = 1.5, qy = -4.0;
  for (double kappa : {0.0, 1.2, 30.0}) {
    const SegmentForces f =
        Maker().Distributed(Linear(Member(L, 0, 0, kappa), 0, L, qx, qy, qx, qy));
    const SegmentForces middle{0,           0,           0,
                               0,           0,           0,
                               -qx * L / 2, -qy * L / 2, -qy * L * L / 12,
                               -qx * L / 2, -qy * L / 2, qy * L * L / 12};
    for (int k = 0; k < 18; ++k) EXPECT_NEAR(f[k], middle[k], kTol) << kappa << "/" << k;
  }
}

TEST(EdgeLoadFixCase2DRahmen, PointLoadAndCoupleWithoutShearGiveClassicFixedEndForces) {
  const double P = 7.0, C = 5.0;
  for (auto [a, b] : {Pair{3, 3}, Pair{1, 5}, Pair{4.5, 1.5}}) {
    const double L = a + b, L2 = L * L, L3 = L2 * L;
    const SegmentForces f = Maker().Concentrated(Point(Member(L, 0, 0, 0), a, 0, P, 0));
    EXPECT_NEAR(f[7], -P * b * b * (3 * a + b) / L3, kTol);
    EXPECT_NEAR(f[8], -P * a * b * b / L2, kTol);
    EXPECT_NEAR(f[10], -P * a * a * (a + 3 * b) / L3, kTol);
    EXPECT_NEAR(f[11], P * a * a * b / L2, kTol);
    const SegmentForces g = Maker().Concentrated(Point(Member(L, 0, 0, 0), a, 0, 0, C));
    EXPECT_NEAR(g[7], 6 * C * a * b / L3, kTol);
    EXPECT_NEAR(g[10], -6 * C * a * b / L3, kTol);
    EXPECT_NEAR(g[8], C * b * (2 * a - b) / L2, kTol);
    EXPECT_NEAR(g[11], C * a * (2 * b - a) / L2, kTol);
  }
  // Mid-span: ∓P·l/8 whatever the shear deformation (symmetry).
  const SegmentForces f = Maker().Concentrated(Point(Member(6, 0, 0, 1.2), 3, 0, P, 0));
  EXPECT_NEAR(f[8], -P * 6 / 8, kTol);
  EXPECT_NEAR(f[11], P * 6 / 8, kTol);
}

TEST(EdgeLoadFixCase2DRahmen, TrapezoidalLoadsWithoutShear) {
  // qa at node I to qb at node J: moments L²(3qa + 2qb)/60 and L²(2qa + 3qb)/60, reactions
  // L(7qa + 3qb)/20 and L(3qa + 7qb)/20; a triangle (qb = 0) gives L²/20 and L²/30.
  const double L = 4.0;
  for (auto [qa, qb] : {Pair{-6, 0}, Pair{0, -6}, Pair{-2, -5}, Pair{3, -1}}) {
    const SegmentForces f = Maker().Distributed(Linear(Member(L, 0, 0, 0), 0, L, 0, qa, 0, qb));
    EXPECT_NEAR(f[7], -L * (7 * qa + 3 * qb) / 20, kTol);
    EXPECT_NEAR(f[8], -L * L * (3 * qa + 2 * qb) / 60, kTol);
    EXPECT_NEAR(f[10], -L * (3 * qa + 7 * qb) / 20, kTol);
    EXPECT_NEAR(f[11], L * L * (2 * qa + 3 * qb) / 60, kTol);
  }
  // Axially a triangle from q at I: resultant q·L/2 at L/3, of which node I takes 2/3.
  const SegmentForces f = Maker().Distributed(Linear(Member(3, 0, 0, 1.2), 0, 3, 4, 0, 0, 0));
  EXPECT_NEAR(f[6], -4.0, kTol);
  EXPECT_NEAR(f[9], -2.0, kTol);
}

// Every segment against the clamped Timoshenko reference, with end zones and strong shear:
// loads in each segment, at the segment ends, inside an end zone, and across all three.
TEST(EdgeLoadFixCase2DRahmen, SegmentsMatchClampedBeamReferenceWithShear) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  const double s0[3] = {0.0, 0.5, 5.2}, s1[3] = {0.5, 5.2, 6.0};
  const double shearFlex[3] = {0.0, m.Kappa / (m.G * m.A), 0.0};  // end zones: β = 0
  for (double pos : {0.2, 0.5, 1.0, 2.75, 5.2, 5.4, 6.0}) {
    const SegmentForces f = Maker().Concentrated(Point(m, pos, 2.0, -3.0, 1.5));
    const int seg = pos <= 0.5 ? 0 : (pos >= 5.2 ? 2 : 1);
    for (int s = 0; s < 3; ++s) {
      if (s != seg) {
        ExpectZeroSegment(f, s);
        continue;
      }
      const std::vector<RefLoad> loads{{pos - s0[s], 2.0, -3.0, 1.5}};
      const double l = s1[s] - s0[s];
      ExpectSegment(f, s, l, loads, ClampedBeam(l, m.E * m.I, shearFlex[s], loads));
    }
  }
  struct Dist {
    double posi, posj, ix, iy, jx, jy;
  };
  for (Dist c :
       {Dist{0.1, 0.4, 1, -2, 3, -5}, Dist{1.0, 3.0, 0, -4, 0, -1}, Dist{0.0, 6.0, 1, -2, -1, -6},
        Dist{0.3, 5.5, 2, 3, -1, -2}, Dist{0.5, 5.2, 0, -3, 0, -3}, Dist{5.3, 5.9, 1, 1, 2, 2}}) {
    const SegmentForces f = Maker().Distributed(Linear(m, c.posi, c.posj, c.ix, c.iy, c.jx, c.jy));
    auto q = [&](double p, double i, double j) {
      return i + (j - i) * (p - c.posi) / (c.posj - c.posi);
    };
    for (int s = 0; s < 3; ++s) {
      const double p0 = std::max(c.posi, s0[s]), p1 = std::min(c.posj, s1[s]);
      if (p1 <= p0) {
        ExpectZeroSegment(f, s);
        continue;
      }
      const auto loads = LinearLoad(p0 - s0[s], p1 - s0[s], q(p0, c.ix, c.jx), q(p0, c.iy, c.jy),
                                    q(p1, c.ix, c.jx), q(p1, c.iy, c.jy));
      const double l = s1[s] - s0[s];
      ExpectSegment(f, s, l, loads, ClampedBeam(l, m.E * m.I, shearFlex[s], loads));
    }
  }
}

TEST(EdgeLoadFixCase2DRahmen, DistributedLoadWithZeroEndPositionRunsToNodeJ) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  EXPECT_EQ(Maker().Distributed(Linear(m, 1.0, 0.0, 1, -2, 3, -4)),
            Maker().Distributed(Linear(m, 1.0, 6.0, 1, -2, 3, -4)));
}

// A concentrated load on a zero-length end zone reaches its node whole.
TEST(EdgeLoadFixCase2DRahmen, PointLoadOnZeroLengthEndZoneGoesWholeToNode) {
  const SegmentForces atJ = Maker().Concentrated(Point(Member(6, 0.5, 0, 1.2), 6.0, 1, -2, 3));
  const SegmentForces atI = Maker().Concentrated(Point(Member(6, 0, 0.5, 1.2), 0.0, 1, -2, 3));
  SegmentForces expectJ{}, expectI{};
  expectJ[15] = expectI[0] = -1.0;
  expectJ[16] = expectI[1] = 2.0;
  expectJ[17] = expectI[2] = -3.0;
  EXPECT_EQ(atJ, expectJ);
  EXPECT_EQ(atI, expectI);
}

TEST(EdgeLoadFixCase2DRahmen, PositionsOutsideTheMemberAreRejected) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  EXPECT_THROW(Maker().Concentrated(Point(m, 6.001, 0, 1, 0)),
               Maker::exPositionOfConcentratedLoadIsOut);
  EXPECT_THROW(Maker().Concentrated(Point(m, -0.001, 0, 1, 0)),
               Maker::exPositionOfConcentratedLoadIsOut);
  // posj = 0 stands for L, so a start at L leaves nothing to load.
  for (auto [posi, posj] : {Pair{2, 2}, Pair{3, 2}, Pair{6, 0}}) {
    EXPECT_THROW(Maker().Distributed(Linear(m, posi, posj, 0, 1, 0, 1)),
                 Maker::exPositionOfDistributedLoadAreTheSameOrLeftSideRight);
  }
  struct Case {
    double posi, posj;
    std::uint32_t which;
  };
  for (Case c : {Case{-0.5, 2, 0}, Case{-2, -1, 0}, Case{7, 8, 0}, Case{1, 6.5, 1}}) {
    try {
      Maker().Distributed(Linear(m, c.posi, c.posj, 0, 1, 0, 1));
      ADD_FAILURE() << "no exception for " << c.posi << ", " << c.posj;
    } catch (const Maker::exPositionOfDistributedLoadIsOut& e) {
      EXPECT_EQ(e.Position, c.which);
    }
  }
}

}  // namespace
