// Segment fixed-end forces of edge loads against a clamped Timoshenko beam solved by flexibility
// (Euler–Bernoulli in the end zones), the equilibrium of every segment, and the position checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fem/makers/EdgeLoadFixCase2DRahmen.h"
#include "matrix/MatrixBuilders.h"

namespace {

using namespace znFEM::znEdgeLoadFixCase;
using znFEM::SegmentForces;
using Maker = csEdgeLoadFixCase2DRahmen;
using Pair = std::pair<double, double>;

constexpr double kTol = 1e-9;  // round-off of a few dozen operations on values of order 1..100

// E·I = 600, G·A = 160 (ν = 0.25): with κ = 1.2 the middle of Member(6, 0.5, 0.8, 1.2) has
// φ ≈ 1.2.
constexpr double kGA = 160.0;
EdgeLoadMember Member(double L, double li, double lj, double kappa) {
  return {"B1", 200.0, 3.0, 2.0, 0.25, kappa, L, li, lj};
}

SegmentForces Point(const EdgeLoadMember& m, double pos, double x, double y, double moment) {
  return Maker().Concentrated({.Member = m, .X = x, .Y = y, .M = moment, .Pos = pos});
}

SegmentForces Linear(const EdgeLoadMember& m, double posi, double posj, double ix, double iy,
                     double jx, double jy) {
  return Maker().Distributed(
      {.Member = m, .IX = ix, .IY = iy, .JX = jx, .JY = jy, .PosI = posi, .PosJ = posj});
}

// Independent reference: a clamped Timoshenko beam by the flexibility method. The cantilever
// clamped at the start deflects at its tip under each load (bending plus shear strain
// s·κ/(GA) up to the load); the tip force and moment that cancel this are the end forces at the
// end, and statics gives those at the start. Axially the bar shares a load by the lever rule.
struct RefLoad {
  double pos, x, y, m;  // pos from the segment start
};

std::array<double, 6> ClampedBeam(double l, double ei, double shearFlex,
                                  const std::vector<RefLoad>& loads) {
  double v = 0, th = 0, fy = 0, fyArm = 0, couples = 0, n0 = 0, nl = 0;
  for (const auto& [s, x, y, m] : loads) {
    v += y * (s * s * s / (3 * ei) + s * shearFlex + s * s * (l - s) / (2 * ei)) +
         m * (s * s / (2 * ei) + s * (l - s) / ei);
    th += y * s * s / (2 * ei) + m * s / ei;
    fy += y;
    fyArm += y * s;
    couples += m;
    n0 -= x * (l - s) / l;
    nl -= x * s / l;
  }
  const double f11 = l * l * l / (3 * ei) + l * shearFlex, f12 = l * l / (2 * ei), f22 = l / ei;
  const double det = f11 * f22 - f12 * f12;
  const double ql = (-v * f22 + th * f12) / det, ml = (-th * f11 + v * f12) / det;
  return {n0, -(fy + ql), -(ml + ql * l + fyArm + couples), nl, ql, ml};
}

// Every segment against the reference, with end zones (φ = 0) and strong shear in the middle:
// point loads in each segment and at its ends, linear loads inside an end zone and across
// segments (as Simpson-weighted point loads, error far below 1e-7); each segment balances its
// load, and a segment the load misses carries nothing.
TEST(EdgeLoadFixCase2DRahmen, SegmentsMatchTheClampedTimoshenkoBeam) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  const double s0[3] = {0.0, 0.5, 5.2}, s1[3] = {0.5, 5.2, 6.0};
  const double shearFlex[3] = {0.0, m.Kappa / kGA, 0.0};
  const auto check = [&](const SegmentForces& f, int s, const std::vector<RefLoad>& loads) {
    const double l = s1[s] - s0[s], *e = &f[6 * s];
    const auto ref = ClampedBeam(l, m.E * m.I, shearFlex[s], loads);
    double fx = 0, fy = 0, moment = 0;
    for (const auto& [pos, x, y, c] : loads) fx += x, fy += y, moment += y * pos + c;
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(e[k], ref[k], 1e-7) << s << k;
    EXPECT_NEAR(e[0] + e[3] + fx, 0.0, kTol) << s;
    EXPECT_NEAR(e[1] + e[4] + fy, 0.0, kTol) << s;
    EXPECT_NEAR(e[2] + e[5] + e[4] * l + moment, 0.0, kTol) << s;
  };
  for (double pos : {0.2, 0.5, 1.0, 2.75, 5.2, 5.4, 6.0}) {
    const SegmentForces f = Point(m, pos, 2.0, -3.0, 1.5);
    for (int s = 0; s < 3; ++s) {
      const bool inside = pos <= 0.5 ? s == 0 : (pos >= 5.2 ? s == 2 : s == 1);
      check(f, s,
            inside ? std::vector<RefLoad>{{pos - s0[s], 2, -3, 1.5}} : std::vector<RefLoad>{});
    }
  }
  for (auto [posi, posj, ix, iy, jx, jy] : {std::array<double, 6>{0.1, 0.4, 1, -2, 3, -5},
                                            {1.0, 3.0, 0, -4, 0, -1},
                                            {0.0, 6.0, 1, -2, -1, -6},
                                            {0.3, 5.5, 2, 3, -1, -2},
                                            {5.3, 5.9, 1, 1, 2, 2}}) {
    const SegmentForces f = Linear(m, posi, posj, ix, iy, jx, jy);
    for (int s = 0; s < 3; ++s) {
      const double p0 = std::max(posi, s0[s]), p1 = std::min(posj, s1[s]);
      const int n = p1 > p0 ? 2000 : -1;  // no points where the load misses the segment
      std::vector<RefLoad> loads;
      for (int k = 0; k <= n; ++k) {
        const double w = (k == 0 || k == n ? 1 : (k % 2 == 1 ? 4 : 2)) * (p1 - p0) / n / 3;
        const double p = p0 + k * (p1 - p0) / n, t = (p - posi) / (posj - posi);
        loads.push_back({p - s0[s], w * (ix + (jx - ix) * t), w * (iy + (jy - iy) * t), 0});
      }
      check(f, s, loads);
    }
  }
}

// A zero end position runs the load to node J; a point load on a zero-length end zone reaches
// its node whole (the segment's end forces there are the negated load).
TEST(EdgeLoadFixCase2DRahmen, LoadsAtNodeJAndOnZeroLengthZones) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  EXPECT_EQ(Linear(m, 1.0, 0.0, 1, -2, 3, -4), Linear(m, 1.0, 6.0, 1, -2, 3, -4));
  SegmentForces atJ{}, atI{};
  atJ[15] = atI[0] = -1.0;
  atJ[16] = atI[1] = 2.0;
  atJ[17] = atI[2] = -3.0;
  EXPECT_EQ(Point(Member(6, 0.5, 0, 1.2), 6.0, 1, -2, 3), atJ);
  EXPECT_EQ(Point(Member(6, 0, 0.5, 1.2), 0.0, 1, -2, 3), atI);
}

TEST(EdgeLoadFixCase2DRahmen, PositionsOutsideTheMemberAreRejected) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  EXPECT_THROW(Point(m, 6.001, 0, 1, 0), Maker::exPositionOfConcentratedLoadIsOut);
  EXPECT_THROW(Point(m, -0.001, 0, 1, 0), Maker::exPositionOfConcentratedLoadIsOut);
  for (auto [posi, posj] : {Pair{2, 2}, Pair{3, 2}, Pair{6, 0}})  // posj = 0 stands for L
    EXPECT_THROW(Linear(m, posi, posj, 0, 1, 0, 1),
                 Maker::exPositionOfDistributedLoadAreTheSameOrLeftSideRight);
  for (auto [posi, posj, which] : {std::tuple{-0.5, 2.0, 0u}, {7.0, 8.0, 0u}, {1.0, 6.5, 1u}}) {
    const auto e = znMatrix::testing::Caught<Maker::exPositionOfDistributedLoadIsOut>(
        [&] { Linear(m, posi, posj, 0, 1, 0, 1); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Position, which);
  }
}

}  // namespace
