#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fem/makers/EdgeLoadFixCase2DRahmen.h"

namespace {

using namespace znFEM::znEdgeLoadFixCase;

// Round-off of a few dozen operations on values of order 1..1e3.
constexpr double kTol = 1e-9;

EdgeLoadMember Member(double L, double li, double lj, double kappa) {
  EdgeLoadMember m;
  m.ID = "B1";
  m.E = 200.0;
  m.I = 3.0;
  m.G = 80.0;
  m.A = 2.0;
  m.Kappa = kappa;
  m.L = L;
  m.Li = li;
  m.Lj = lj;
  return m;
}

ConcentratedLoadInput Point(const EdgeLoadMember& m, double pos, double x, double y, double mom) {
  ConcentratedLoadInput in;
  in.Member = m;
  in.Pos = pos;
  in.X = x;
  in.Y = y;
  in.M = mom;
  return in;
}

DistributedLoadInput Linear(const EdgeLoadMember& m, double posi, double posj, double ix, double iy,
                            double jx, double jy) {
  DistributedLoadInput in;
  in.Member = m;
  in.PosI = posi;
  in.PosJ = posj;
  in.IX = ix;
  in.IY = iy;
  in.JX = jx;
  in.JY = jy;
  return in;
}

// ---------------------------------------------------------------------------------------------
// Independent reference: a clamped-clamped Timoshenko beam solved by the flexibility method.
// The beam is cut free at its end; the tip deflection and rotation of the cantilever under the
// loads come from the cantilever influence functions (bending plus shear strain κ/(GA)), and the
// two redundant tip forces cancel them. Distributed loads are integrated with Simpson's rule.

struct RefLoad {
  double pos;  // from the segment start
  double x, y, m;
};

struct RefEnds {
  double n0, q0, m0, nl, ql, ml;
};

RefEnds ClampedBeam(double l, double ei, double shearFlex, const std::vector<RefLoad>& loads) {
  double v = 0.0, th = 0.0, fy = 0.0, fyMoment = 0.0, couples = 0.0, n0 = 0.0, nl = 0.0;
  for (const RefLoad& p : loads) {
    const double s = p.pos;
    v += p.y * (s * s * s / (3 * ei) + s * shearFlex + s * s * (l - s) / (2 * ei));
    th += p.y * s * s / (2 * ei);
    v += p.m * (s * s / (2 * ei) + s * (l - s) / ei);
    th += p.m * s / ei;
    fy += p.y;
    fyMoment += p.y * s;
    couples += p.m;
    n0 -= p.x * (l - s) / l;
    nl -= p.x * s / l;
  }
  const double f11 = l * l * l / (3 * ei) + l * shearFlex, f12 = l * l / (2 * ei), f22 = l / ei;
  const double det = f11 * f22 - f12 * f12;
  const double ql = (-v * f22 + th * f12) / det;
  const double ml = (-th * f11 + v * f12) / det;
  RefEnds r{n0, -(fy + ql), 0.0, nl, ql, ml};
  r.m0 = -(ml + ql * l + fyMoment + couples);
  return r;
}

// A linear load from p0 to p1 (segment coordinates) as Simpson-weighted point loads.
void AddLinearLoad(std::vector<RefLoad>& loads, double p0, double p1, double qx0, double qy0,
                   double qx1, double qy1) {
  const int n = 2000;
  const double h = (p1 - p0) / n;
  for (int k = 0; k <= n; ++k) {
    const double w = (k == 0 || k == n) ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
    const double t = static_cast<double>(k) / n;
    const double f = w * h / 3.0;
    loads.push_back({p0 + k * h, f * (qx0 + (qx1 - qx0) * t), f * (qy0 + (qy1 - qy0) * t), 0.0});
  }
}

struct SegmentSpan {
  double s0, s1, shearFlex;
};

std::vector<SegmentSpan> Spans(const EdgeLoadMember& m) {
  return {{0.0, m.Li, 0.0}, {m.Li, m.L - m.Lj, m.Kappa / (m.G * m.A)}, {m.L - m.Lj, m.L, 0.0}};
}

void ExpectSegment(const SegmentForces& f, int seg, const RefEnds& r, double scale) {
  const double tol = 1e-7 * scale;  // Simpson error on a fine grid, relative to the load size
  EXPECT_NEAR(f[6 * seg + 0], r.n0, tol) << "segment " << seg;
  EXPECT_NEAR(f[6 * seg + 1], r.q0, tol) << "segment " << seg;
  EXPECT_NEAR(f[6 * seg + 2], r.m0, tol) << "segment " << seg;
  EXPECT_NEAR(f[6 * seg + 3], r.nl, tol) << "segment " << seg;
  EXPECT_NEAR(f[6 * seg + 4], r.ql, tol) << "segment " << seg;
  EXPECT_NEAR(f[6 * seg + 5], r.ml, tol) << "segment " << seg;
}

void ExpectZeroSegment(const SegmentForces& f, int seg) {
  for (int k = 0; k < 6; ++k) EXPECT_EQ(f[6 * seg + k], 0.0) << "segment " << seg << " k " << k;
}

// ---------------------------------------------------------------------------------------------

TEST(EdgeLoadFixCase2DRahmen, UniformLoadOverWholeMemberIsIndependentOfShear) {
  const double L = 5.0, qx = 1.5, qy = -4.0;
  for (double kappa : {0.0, 1.2, 30.0}) {
    const SegmentForces f = csEdgeLoadFixCase2DRahmen().Distributed(
        Linear(Member(L, 0, 0, kappa), 0, L, qx, qy, qx, qy));
    EXPECT_NEAR(f[6], -qx * L / 2, kTol);
    EXPECT_NEAR(f[7], -qy * L / 2, kTol);
    EXPECT_NEAR(f[8], -qy * L * L / 12, kTol);
    EXPECT_NEAR(f[9], -qx * L / 2, kTol);
    EXPECT_NEAR(f[10], -qy * L / 2, kTol);
    EXPECT_NEAR(f[11], qy * L * L / 12, kTol);
    ExpectZeroSegment(f, 0);
    ExpectZeroSegment(f, 2);
  }
}

TEST(EdgeLoadFixCase2DRahmen, PointLoadWithoutShearGivesClassicFixedEndForces) {
  struct Case {
    double a, b;
  };
  const double P = 7.0;
  for (Case c : {Case{3.0, 3.0}, Case{1.0, 5.0}, Case{4.5, 1.5}}) {
    const double L = c.a + c.b;
    const SegmentForces f =
        csEdgeLoadFixCase2DRahmen().Concentrated(Point(Member(L, 0, 0, 0), c.a, 0, P, 0));
    EXPECT_NEAR(f[7], -P * c.b * c.b * (3 * c.a + c.b) / (L * L * L), kTol);
    EXPECT_NEAR(f[8], -P * c.a * c.b * c.b / (L * L), kTol);
    EXPECT_NEAR(f[10], -P * c.a * c.a * (c.a + 3 * c.b) / (L * L * L), kTol);
    EXPECT_NEAR(f[11], P * c.a * c.a * c.b / (L * L), kTol);
  }
  // Mid-span: ∓P·l/8 whatever the shear deformation (symmetry).
  for (double kappa : {0.0, 1.2}) {
    const SegmentForces f =
        csEdgeLoadFixCase2DRahmen().Concentrated(Point(Member(6, 0, 0, kappa), 3, 0, P, 0));
    EXPECT_NEAR(f[7], -P / 2, kTol);
    EXPECT_NEAR(f[8], -P * 6 / 8, kTol);
    EXPECT_NEAR(f[11], P * 6 / 8, kTol);
  }
}

TEST(EdgeLoadFixCase2DRahmen, ConcentratedMomentWithoutShear) {
  const double M0 = 5.0, a = 2.0, b = 4.0, L = 6.0;
  const SegmentForces f =
      csEdgeLoadFixCase2DRahmen().Concentrated(Point(Member(L, 0, 0, 0), a, 0, 0, M0));
  EXPECT_NEAR(f[7], 6 * M0 * a * b / (L * L * L), kTol);
  EXPECT_NEAR(f[10], -6 * M0 * a * b / (L * L * L), kTol);
  EXPECT_NEAR(f[8], M0 * b * (2 * a - b) / (L * L), kTol);
  EXPECT_NEAR(f[11], M0 * a * (2 * b - a) / (L * L), kTol);
}

TEST(EdgeLoadFixCase2DRahmen, TrapezoidalLoadsWithoutShear) {
  // Fixed-end forces of a load qa at node I to qb at node J: moments L²(3qa + 2qb)/60 and
  // L²(2qa + 3qb)/60, reactions L(7qa + 3qb)/20 and L(3qa + 7qb)/20. Triangles are qa or qb = 0.
  struct Case {
    double qa, qb;
  };
  const double L = 4.0;
  for (Case c : {Case{-6, 0}, Case{0, -6}, Case{-2, -5}, Case{3, -1}}) {
    const SegmentForces f =
        csEdgeLoadFixCase2DRahmen().Distributed(Linear(Member(L, 0, 0, 0), 0, L, 0, c.qa, 0, c.qb));
    EXPECT_NEAR(f[7], -L * (7 * c.qa + 3 * c.qb) / 20, kTol);
    EXPECT_NEAR(f[8], -L * L * (3 * c.qa + 2 * c.qb) / 60, kTol);
    EXPECT_NEAR(f[10], -L * (3 * c.qa + 7 * c.qb) / 20, kTol);
    EXPECT_NEAR(f[11], L * L * (2 * c.qa + 3 * c.qb) / 60, kTol);
  }
  // The triangular load alone: L²/20 at the heavy end, L²/30 at the light end.
  const SegmentForces t =
      csEdgeLoadFixCase2DRahmen().Distributed(Linear(Member(L, 0, 0, 0), 0, L, 0, 0, 0, -6));
  EXPECT_NEAR(t[8], 6 * L * L / 30, kTol);
  EXPECT_NEAR(t[11], -6 * L * L / 20, kTol);
}

TEST(EdgeLoadFixCase2DRahmen, AxialTriangularLoadSplitsByLever) {
  // A triangle from q at I to 0 at J: resultant q·L/2 at L/3 from I; a clamped bar takes 2/3 at I.
  const double L = 3.0, q = 4.0;
  const SegmentForces f =
      csEdgeLoadFixCase2DRahmen().Distributed(Linear(Member(L, 0, 0, 1.2), 0, L, q, 0, 0, 0));
  EXPECT_NEAR(f[6], -q * L / 3, kTol);
  EXPECT_NEAR(f[9], -q * L / 6, kTol);
}

// Every segment against the clamped Timoshenko reference, with end zones and strong shear.
TEST(EdgeLoadFixCase2DRahmen, SegmentsMatchClampedBeamReferenceWithShear) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);  // middle β ≈ 1.2
  const csEdgeLoadFixCase2DRahmen maker;
  for (double pos : {0.2, 0.5, 1.0, 2.75, 5.2, 5.4, 6.0}) {
    const SegmentForces f = maker.Concentrated(Point(m, pos, 2.0, -3.0, 1.5));
    const auto spans = Spans(m);
    const int seg = pos <= m.Li ? 0 : (pos >= m.L - m.Lj ? 2 : 1);
    for (int s = 0; s < 3; ++s) {
      const SegmentSpan& sp = spans[s];
      if (s != seg) {
        ExpectZeroSegment(f, s);
        continue;
      }
      const RefEnds r =
          ClampedBeam(sp.s1 - sp.s0, m.E * m.I, sp.shearFlex, {{pos - sp.s0, 2.0, -3.0, 1.5}});
      ExpectSegment(f, s, r, 1.0);
    }
  }
  struct DistCase {
    double posi, posj, ix, iy, jx, jy;
  };
  for (DistCase c : {DistCase{0.1, 0.4, 1, -2, 3, -5}, DistCase{1.0, 3.0, 0, -4, 0, -1},
                     DistCase{0.0, 6.0, 1, -2, -1, -6}, DistCase{0.3, 5.5, 2, 3, -1, -2},
                     DistCase{0.5, 5.2, 0, -3, 0, -3}, DistCase{5.3, 5.9, 1, 1, 2, 2}}) {
    const SegmentForces f = maker.Distributed(Linear(m, c.posi, c.posj, c.ix, c.iy, c.jx, c.jy));
    const auto spans = Spans(m);
    for (int s = 0; s < 3; ++s) {
      const SegmentSpan& sp = spans[s];
      const double p0 = std::max(c.posi, sp.s0), p1 = std::min(c.posj, sp.s1);
      if (p1 <= p0) {
        ExpectZeroSegment(f, s);
        continue;
      }
      auto q = [&](double p, double i, double j) {
        return i + (j - i) * (p - c.posi) / (c.posj - c.posi);
      };
      std::vector<RefLoad> loads;
      AddLinearLoad(loads, p0 - sp.s0, p1 - sp.s0, q(p0, c.ix, c.jx), q(p0, c.iy, c.jy),
                    q(p1, c.ix, c.jx), q(p1, c.iy, c.jy));
      ExpectSegment(f, s, ClampedBeam(sp.s1 - sp.s0, m.E * m.I, sp.shearFlex, loads), 1.0);
    }
  }
}

// The start and end forces of every segment balance the load on it, forces and moments.
TEST(EdgeLoadFixCase2DRahmen, EverySegmentIsInEquilibrium) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  const csEdgeLoadFixCase2DRahmen maker;
  // Loads a trapezoid from 0.3 to 5.5: qx = 2 → -1, qy = 3 → -2.
  const SegmentForces f = maker.Distributed(Linear(m, 0.3, 5.5, 2, 3, -1, -2));
  const double bounds[4] = {0.0, 0.5, 5.2, 6.0};
  for (int s = 0; s < 3; ++s) {
    const double p0 = std::max(0.3, bounds[s]), p1 = std::min(5.5, bounds[s + 1]);
    auto qx = [](double p) { return 2 + (-1 - 2) * (p - 0.3) / 5.2; };
    auto qy = [](double p) { return 3 + (-2 - 3) * (p - 0.3) / 5.2; };
    const double fx = (qx(p0) + qx(p1)) / 2 * (p1 - p0);
    const double fy = (qy(p0) + qy(p1)) / 2 * (p1 - p0);
    // Moment of the trapezoid about the segment start: ∫ q(p)(p − s0) dp, exact for linear q.
    const double a = p0 - bounds[s], b = p1 - p0;
    const double momY = qy(p0) * b * (a / 2 + b / 6) + qy(p1) * b * (a / 2 + b / 3);
    const double l = bounds[s + 1] - bounds[s];
    EXPECT_NEAR(f[6 * s + 0] + f[6 * s + 3] + fx, 0.0, kTol);
    EXPECT_NEAR(f[6 * s + 1] + f[6 * s + 4] + fy, 0.0, kTol);
    EXPECT_NEAR(f[6 * s + 2] + f[6 * s + 5] + f[6 * s + 4] * l + momY, 0.0, kTol);
  }
  const SegmentForces g = maker.Concentrated(Point(m, 2.0, 1.0, -2.0, 3.0));
  const double l = 6.0 - 0.5 - 0.8;
  EXPECT_NEAR(g[6] + g[9] + 1.0, 0.0, kTol);
  EXPECT_NEAR(g[7] + g[10] - 2.0, 0.0, kTol);
  EXPECT_NEAR(g[8] + g[11] + g[10] * l - 2.0 * 1.5 + 3.0, 0.0, kTol);
}

TEST(EdgeLoadFixCase2DRahmen, DistributedLoadWithZeroEndPositionRunsToNodeJ) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  const csEdgeLoadFixCase2DRahmen maker;
  EXPECT_EQ(maker.Distributed(Linear(m, 1.0, 0.0, 1, -2, 3, -4)),
            maker.Distributed(Linear(m, 1.0, 6.0, 1, -2, 3, -4)));
}

TEST(EdgeLoadFixCase2DRahmen, LoadInsideEndZoneIgnoresShear) {
  // The same load inside an end zone gives the same forces whatever κ: β = 0 there.
  const csEdgeLoadFixCase2DRahmen maker;
  const SegmentForces withShear =
      maker.Distributed(Linear(Member(6, 1, 0, 30), 0.2, 0.7, 0, -3, 0, -1));
  const SegmentForces without =
      maker.Distributed(Linear(Member(6, 1, 0, 0), 0.2, 0.7, 0, -3, 0, -1));
  for (int k = 0; k < 18; ++k) EXPECT_NEAR(withShear[k], without[k], kTol) << k;
  ExpectZeroSegment(withShear, 1);
  ExpectZeroSegment(withShear, 2);
}

// A concentrated load on a zero-length end zone reaches its node whole.
TEST(EdgeLoadFixCase2DRahmen, PointLoadOnZeroLengthEndZoneGoesWholeToNode) {
  const csEdgeLoadFixCase2DRahmen maker;
  const SegmentForces atJ = maker.Concentrated(Point(Member(6, 0.5, 0, 1.2), 6.0, 1, -2, 3));
  for (int k = 0; k < 15; ++k) EXPECT_EQ(atJ[k], 0.0) << k;
  EXPECT_EQ(atJ[15], -1.0);
  EXPECT_EQ(atJ[16], 2.0);
  EXPECT_EQ(atJ[17], -3.0);
  const SegmentForces atI = maker.Concentrated(Point(Member(6, 0, 0.5, 1.2), 0.0, 1, -2, 3));
  EXPECT_EQ(atI[0], -1.0);
  EXPECT_EQ(atI[1], 2.0);
  EXPECT_EQ(atI[2], -3.0);
  for (int k = 3; k < 18; ++k) EXPECT_EQ(atI[k], 0.0) << k;
  for (double v : atJ) EXPECT_TRUE(std::isfinite(v));
}

TEST(EdgeLoadFixCase2DRahmen, PositionsOutsideTheMemberAreRejected) {
  const EdgeLoadMember m = Member(6.0, 0.5, 0.8, 1.2);
  const csEdgeLoadFixCase2DRahmen maker;
  using ex = csEdgeLoadFixCase2DRahmen;
  EXPECT_THROW(maker.Concentrated(Point(m, 6.001, 0, 1, 0)), ex::exPositionOfConcentratedLoadIsOut);
  EXPECT_THROW(maker.Concentrated(Point(m, -0.001, 0, 1, 0)),
               ex::exPositionOfConcentratedLoadIsOut);
  EXPECT_THROW(maker.Distributed(Linear(m, 2, 2, 0, 1, 0, 1)),
               ex::exPositionOfDistributedLoadAreTheSameOrLeftSideRight);
  EXPECT_THROW(maker.Distributed(Linear(m, 3, 2, 0, 1, 0, 1)),
               ex::exPositionOfDistributedLoadAreTheSameOrLeftSideRight);
  // posj = 0 stands for L, so a start at L leaves nothing to load.
  EXPECT_THROW(maker.Distributed(Linear(m, 6, 0, 0, 1, 0, 1)),
               ex::exPositionOfDistributedLoadAreTheSameOrLeftSideRight);
  struct Case {
    double posi, posj;
    std::uint32_t which;
  };
  for (Case c : {Case{-0.5, 2, 0}, Case{-2, -1, 0}, Case{7, 8, 0}, Case{1, 6.5, 1}}) {
    try {
      maker.Distributed(Linear(m, c.posi, c.posj, 0, 1, 0, 1));
      ADD_FAILURE() << "no exception for " << c.posi << ", " << c.posj;
    } catch (const ex::exPositionOfDistributedLoadIsOut& e) {
      EXPECT_EQ(e.Position, c.which);
    }
  }
}

}  // namespace
