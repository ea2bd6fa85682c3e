// Wall stiffness against cantilever and shear-panel closed forms, rigid-body motion and
// the statics of the edge result matrices.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "fem/makers/MatrixMaker2DWallElement.h"

namespace {

using znFEM::znMatrixMaker::csMatrixMaker2DWallElement;
using znFEM::znMatrixMaker::WallStiffnessProp;
using znMatrix::Index;
using znMatrix::Vector;

struct Point {
  double x;
  double y;
};

// Four nodes and the reference-point distances from node a along each edge.
struct Quad {
  Point ia, ib, ja, jb;
  double laI, laJ;
};

struct Section {
  double A, E, I, Poisson, Kappa;
};

double Distance(Point p, Point q) {
  return std::hypot(q.x - p.x, q.y - p.y);
}

Point Along(Point a, Point b, double la) {
  const double t = la / Distance(a, b);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// The wall's geometry as the wall element derives it from its nodes.
WallStiffnessProp Derive(const Quad& q, const Section& s, std::pair<double, double> alphaI = {1, 1},
                         std::pair<double, double> alphaJ = {1, 1}) {
  const Point pI = Along(q.ia, q.ib, q.laI);
  const Point pJ = Along(q.ja, q.jb, q.laJ);
  WallStiffnessProp p;
  p.A = s.A;
  p.E = s.E;
  p.I = s.I;
  p.Poisson = s.Poisson;
  p.Kappa = s.Kappa;
  p.L = Distance(pI, pJ);
  p.Li = {q.laI, Distance(q.ia, q.ib) - q.laI};
  p.Lj = {q.laJ, Distance(q.ja, q.jb) - q.laJ};
  p.Angle = std::atan2(pJ.y - pI.y, pJ.x - pI.x);
  p.AngleIJ = {std::atan2(q.ib.x - q.ia.x, q.ia.y - q.ib.y) - p.Angle,
               std::atan2(q.jb.x - q.ja.x, q.ja.y - q.jb.y) - p.Angle};
  p.AlphaYI = alphaI;
  p.AlphaYJ = alphaJ;
  return p;
}

std::array<Point, 4> Nodes(const Quad& q) {
  return {q.ia, q.ib, q.ja, q.jb};
}

double MaxAbs(const Vector& v) {
  double m = 0.0;
  for (double x : v) m = std::max(m, std::fabs(x));
  return m;
}

double MaxAbs(const znMatrix::ifMatrix& m) {
  double r = 0.0;
  for (Index i = 0; i < m.GetRowN(); ++i)
    for (Index j = 0; j < m.GetColN(); ++j) r = std::max(r, std::fabs(m.Get(i, j)));
  return r;
}

// Rectangle of width L and height h, both edges vertical with node a on top.
Quad Rectangle(double L, double h, double laI, double laJ) {
  return {{0, h}, {0, 0}, {L, h}, {L, 0}, laI, laJ};
}

// Resultant (Fx, Fy, M about point o) of the forces on nodes ja and jb.
std::array<double, 3> ResultantOnJ(const Vector& f, const Quad& q, Point o) {
  const Point ja = q.ja;
  const Point jb = q.jb;
  const double fx = f[6] + f[9];
  const double fy = f[7] + f[10];
  const double m = (ja.x - o.x) * f[7] - (ja.y - o.y) * f[6] + (jb.x - o.x) * f[10] -
                   (jb.y - o.y) * f[9] + f[8] + f[11];
  return {fx, fy, m};
}

// Displacement of the J edge moving rigidly by (dx, dy) and rotating by psi about o.
Vector MoveEdgeJ(const Quad& q, Point o, double dx, double dy, double psi) {
  Vector u(12, 0.0);
  const Point nodes[2] = {q.ja, q.jb};
  for (int k = 0; k < 2; ++k) {
    u[6 + 3 * k] = dx - psi * (nodes[k].y - o.y);
    u[7 + 3 * k] = dy + psi * (nodes[k].x - o.x);
    u[8 + 3 * k] = psi;
  }
  return u;
}

// End stiffness of a cantilever clamped at I, from the inverse of its tip flexibility
// (bending L³/3EI, L²/2EI, L/EI plus shear κL/GA).
std::array<std::array<double, 3>, 3> CantileverTipStiffness(const Section& s, double L) {
  const double G = s.E / (2.0 * (1.0 + s.Poisson));
  const double fvv = L * L * L / (3.0 * s.E * s.I) + s.Kappa * L / (G * s.A);
  const double fvt = L * L / (2.0 * s.E * s.I);
  const double ftt = L / (s.E * s.I);
  const double det = fvv * ftt - fvt * fvt;
  return {{{s.E * s.A / L, 0.0, 0.0}, {0.0, ftt / det, -fvt / det}, {0.0, -fvt / det, fvv / det}}};
}

const csMatrixMaker2DWallElement kMaker;

// Edge I held, edge J moved rigidly: the resultant at the J reference point is the clamped
// cantilever's end stiffness times the motion, with and without shear deformation.
TEST(MatrixMaker2DWallElement, EdgeJMotionGivesCantileverEndForces) {
  struct Case {
    Section section;
    double la;                     // same on both edges: the member stays horizontal
    std::array<double, 3> motion;  // dx, dy, psi of the J reference point
  };
  const Section shear{0.6, 2.0e4, 0.45, 0.25, 1.2};
  const Section bending{0.6, 2.0e4, 0.45, 0.0, 0.0};
  const Case cases[] = {
      {shear, 1.5, {1e-3, 0, 0}},   {shear, 1.0, {0, 1e-3, 0}},   {shear, 2.0, {0, 0, 1e-3}},
      {bending, 1.5, {0, 1e-3, 0}}, {bending, 0.5, {0, 0, 1e-3}}, {shear, 1.2, {2e-3, -1e-3, 5e-4}},
  };
  for (const Case& c : cases) {
    const Quad q = Rectangle(4.0, 3.0, c.la, c.la);
    const Point pJ = Along(q.ja, q.jb, c.la);
    const auto K = kMaker.MakeStiffness(Derive(q, c.section));
    const Vector f =
        znMatrix::MultiplyVector(K, MoveEdgeJ(q, pJ, c.motion[0], c.motion[1], c.motion[2]));
    const auto k0 = CantileverTipStiffness(c.section, 4.0);
    const auto r = ResultantOnJ(f, q, pJ);
    for (int i = 0; i < 3; ++i) {
      double expected = 0.0;
      for (int j = 0; j < 3; ++j) expected += k0[i][j] * c.motion[j];
      EXPECT_NEAR(r[i], expected, 1e-9 * (1.0 + std::fabs(expected))) << "component " << i;
    }
  }
}

// The force across the edge goes to its nodes by the lever rule: node a takes b/(a+b).
TEST(MatrixMaker2DWallElement, AxialForceIsSharedByLeverRule) {
  const Section s{0.6, 2.0e4, 0.45, 0.25, 1.2};
  const Quad q = Rectangle(4.0, 3.0, 1.0, 1.0);  // a = 1, b = 2 on both edges
  const auto K = kMaker.MakeStiffness(Derive(q, s));
  const Vector f = znMatrix::MultiplyVector(K, MoveEdgeJ(q, Along(q.ja, q.jb, 1.0), 1e-3, 0, 0));
  const double N = s.E * s.A / 4.0 * 1e-3;
  EXPECT_NEAR(f[6], N * 2.0 / 3.0, 1e-12);
  EXPECT_NEAR(f[9], N * 1.0 / 3.0, 1e-12);
  EXPECT_NEAR(f[0], -N * 2.0 / 3.0, 1e-12);
  EXPECT_NEAR(f[3], -N * 1.0 / 3.0, 1e-12);
}

// A storey drift Δ of the top nodes of a rectangular panel: the storey shear is the
// guided-cantilever stiffness scaled by (L/h)²; with no bending flexibility it is G·t·L/h.
TEST(MatrixMaker2DWallElement, StoreyDriftGivesPanelShear) {
  const double L = 4.0, h = 3.0, t = 0.2, E = 2.0e4, nu = 0.25, drift = 1e-3;
  const double G = E / (2.0 * (1.0 + nu));
  const double A = t * h;
  struct Case {
    double I, kappa, expectedStiffness, relativeTolerance;
  };
  const double Irect = t * h * h * h / 12.0;
  // The stiff-bending case neglects a bending flexibility 3e-7 of the shear flexibility.
  const Case cases[] = {
      {1e6, 1.0, G * t * L / h, 1e-6},  // pure shear panel
      {Irect, 1.2, (L / h) * (L / h) / (L * L * L / (12 * E * Irect) + 1.2 * L / (G * A)), 1e-9},
      {Irect, 0.0, (L / h) * (L / h) * 12 * E * Irect / (L * L * L), 1e-9},
  };
  for (const Case& c : cases) {
    const Quad q = Rectangle(L, h, h / 2, h / 2);
    const auto K = kMaker.MakeStiffness(Derive(q, {A, E, c.I, nu, c.kappa}));
    Vector u(12, 0.0);
    u[0] = u[6] = drift;  // ia and ja are the top nodes
    const Vector f = znMatrix::MultiplyVector(K, u);
    const double V = c.expectedStiffness * drift;
    const double tol = c.relativeTolerance * V;
    EXPECT_NEAR(f[0] + f[6], V, tol);
    EXPECT_NEAR(f[3] + f[9], -V, tol);
    // Overturning V·h is held by the vertical forces of the two edges, L apart.
    EXPECT_NEAR((f[7] + f[10]) * L, V * h, tol * h);
  }
}

// Inclined, skewed walls with unequal parts and shares, with edge springs.
struct SkewCase {
  Quad quad;
  std::pair<double, double> alphaI, alphaJ;
  double kwg;
};

const SkewCase kSkewCases[] = {
    {{{0.3, 3.1}, {-0.2, 0.1}, {4.2, 2.4}, {3.9, -0.6}, 1.1, 2.2}, {1, 1}, {0.3, 0.7}, 50.0},
    {{{1, 1}, {3, -2}, {6, 4}, {7, 1}, 0.4, 2.0}, {0, 2}, {1.5, 0.5}, 0.0},
    {{{0, 0}, {0, 5}, {-3, 1}, {-4, 6}, 3.5, 0.2}, {2, 0}, {1, 1}, 7.0},
};

znMatrix::csSymmetryMatrix WallStiffness(const SkewCase& c) {
  const Section s{0.8, 3.0e4, 0.9, 0.2, 1.2};
  const WallStiffnessProp p = Derive(c.quad, s, c.alphaI, c.alphaJ);
  auto K = kMaker.MakeStiffness(p);
  K.AddMatrix(kMaker.MakeEdgeSpringStiffness(c.kwg, p.Angle, p.AngleIJ), 1.0, false);
  return K;
}

TEST(MatrixMaker2DWallElement, RigidBodyMotionCausesNoForce) {
  for (const SkewCase& c : kSkewCases) {
    const auto K = WallStiffness(c);
    const double scale = MaxAbs(K);
    const auto nodes = Nodes(c.quad);
    Vector tx(12, 0.0), ty(12, 0.0), rot(12, 0.0);
    for (int k = 0; k < 4; ++k) {
      tx[3 * k] = 1.0;
      ty[3 * k + 1] = 1.0;
      rot[3 * k] = -nodes[k].y;
      rot[3 * k + 1] = nodes[k].x;
      rot[3 * k + 2] = 1.0;
    }
    for (const Vector* u : {&tx, &ty, &rot}) {
      EXPECT_LT(MaxAbs(znMatrix::MultiplyVector(K, *u)), 1e-10 * scale * 10.0);
    }
  }
}

TEST(MatrixMaker2DWallElement, NodeRotationsCarryNoStiffness) {
  for (const SkewCase& c : kSkewCases) {
    const auto K = WallStiffness(c);
    for (Index r : {2u, 5u, 8u, 11u})
      for (Index j = 0; j < 12; ++j) EXPECT_EQ(K.Get(r, j), 0.0) << r << "," << j;
  }
}

TEST(MatrixMaker2DWallElement, ZeroKwgGivesNoSpring) {
  EXPECT_EQ(MaxAbs(kMaker.MakeEdgeSpringStiffness(0.0, 0.7, {0.2, -0.4})), 0.0);
}

// The edge spring pulls node b back along the edge line only.
TEST(MatrixMaker2DWallElement, EdgeSpringActsAlongTheEdge) {
  const double kwg = 40.0, angle = 0.3, theta = 0.2;
  const auto S = kMaker.MakeEdgeSpringStiffness(kwg, angle, {theta, theta});
  const double ex = std::sin(angle + theta), ey = -std::cos(angle + theta);  // edge a -> b
  struct Move {
    double dx, dy, expectedAlong;
  };
  for (const Move m : {Move{ex, ey, kwg}, Move{-ey, ex, 0.0}}) {
    Vector u(12, 0.0);
    u[3] = m.dx;  // node ib
    u[4] = m.dy;
    const Vector f = znMatrix::MultiplyVector(S, u);
    EXPECT_NEAR(f[3], m.expectedAlong * ex, 1e-12);
    EXPECT_NEAR(f[4], m.expectedAlong * ey, 1e-12);
    EXPECT_NEAR(f[0], -m.expectedAlong * ex, 1e-12);
    EXPECT_NEAR(f[1], -m.expectedAlong * ey, 1e-12);
  }
}

TEST(MatrixMaker2DWallElement, EdgeDispMatrixOfSymmetricVerticalEdge) {
  const double s = 4.0;
  const auto D = kMaker.MakeEdgeDispMatrix({2.0, 2.0}, 0.0, {1.0, 1.0});
  const double expected[3][6] = {
      {0.5, 0, 0, 0.5, 0, 0}, {0, 0.5, 0, 0, 0.5, 0}, {-1 / s, 0, 0, 1 / s, 0, 0}};
  for (Index i = 0; i < 3; ++i)
    for (Index j = 0; j < 6; ++j) EXPECT_DOUBLE_EQ(D.Get(i, j), expected[i][j]);
}

// A rigid motion of an inclined edge is read back exactly at its reference point.
TEST(MatrixMaker2DWallElement, EdgeDispMatrixRecoversRigidEdgeMotion) {
  const double a = 1.3, b = 0.9, theta = 0.6;
  const double ex = std::sin(theta), ey = -std::cos(theta);  // edge a -> b, wall axes
  const Point na{-a * ex, -a * ey}, nb{b * ex, b * ey};      // reference point at origin
  const double dx = 0.2, dy = -0.7, psi = 0.05;
  Vector u = {dx - psi * na.y, dy + psi * na.x, 0, dx - psi * nb.y, dy + psi * nb.x, 0};
  const Vector r = znMatrix::MultiplyVector(kMaker.MakeEdgeDispMatrix({a, b}, theta, {0.2, 3}), u);
  EXPECT_NEAR(r[0], dx, 1e-12);
  EXPECT_NEAR(r[1], dy, 1e-12);
  EXPECT_NEAR(r[2], psi, 1e-12);
}

TEST(MatrixMaker2DWallElement, EdgeForceMatrixGivesResultantAboutReferencePoint) {
  const double a = 1.3, b = 0.9, theta = -0.4;
  const double ex = std::sin(theta), ey = -std::cos(theta);
  const Point na{-a * ex, -a * ey}, nb{b * ex, b * ey};
  const Vector f = {2.0, -1.0, 9.0, 0.5, 3.0, 9.0};  // nodal moments are not part of it
  const Vector r = znMatrix::MultiplyVector(kMaker.MakeEdgeForceMatrix({a, b}, theta), f);
  EXPECT_NEAR(r[0], 2.5, 1e-12);
  EXPECT_NEAR(r[1], 2.0, 1e-12);
  EXPECT_NEAR(r[2], na.x * f[1] - na.y * f[0] + nb.x * f[4] - nb.y * f[3], 1e-12);
}

TEST(MatrixMaker2DWallElement, LocalToGlobalTurnsWallAxesByTheAngle) {
  const double angle = 0.8;
  const auto T = kMaker.MakeLocalToGlobal(angle);
  const auto Tt = kMaker.MakeGlobalToLocal(angle);
  Vector axial(12, 0.0);
  axial[6] = 1.0;
  axial[8] = 2.0;
  const Vector g = znMatrix::MultiplyVector(T, axial);
  EXPECT_NEAR(g[6], std::cos(angle), 1e-15);
  EXPECT_NEAR(g[7], std::sin(angle), 1e-15);
  EXPECT_EQ(g[8], 2.0);
  const Vector back = znMatrix::MultiplyVector(Tt, g);
  for (Index i = 0; i < 12; ++i) EXPECT_NEAR(back[i], axial[i], 1e-15);
}

}  // namespace
