// Wall stiffness against cantilever and shear-panel closed forms, the edge spring, and the
// statics of the edge result matrices. (Rigid-body motion is checked on walls built from nodes.)
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

struct Section {
  double A, E, I, Poisson, Kappa;
};

// A rectangle L wide and h high, both edges vertical with node a on top, the reference points
// la below the top: nodes ia (0, h), ib (0, 0), ja (L, h), jb (L, 0); wall axes are global.
WallStiffnessProp Rectangle(const Section& s, double L, double h, double la) {
  WallStiffnessProp p;
  p.A = s.A;
  p.E = s.E;
  p.I = s.I;
  p.Poisson = s.Poisson;
  p.Kappa = s.Kappa;
  p.L = L;
  p.Li = p.Lj = {la, h - la};
  p.AlphaYI = p.AlphaYJ = {1.0, 1.0};
  return p;
}

// Nodal forces of edge J moving rigidly by (dx, dy) and turning by psi about its reference
// point (L, h − la); returns their resultant (Fx, Fy, M about that point).
std::array<double, 3> ResultantOfEdgeJMotion(const znMatrix::ifMatrix& K, double L, double h,
                                             double la, std::array<double, 3> motion) {
  const Point ref{L, h - la};
  const Point nodes[2] = {{L, h}, {L, 0}};
  Vector u(12, 0.0);
  for (int k = 0; k < 2; ++k) {
    u[6 + 3 * k] = motion[0] - motion[2] * (nodes[k].y - ref.y);
    u[7 + 3 * k] = motion[1];
  }
  const Vector f = znMatrix::MultiplyVector(K, u);
  double m = 0.0;
  for (int k = 0; k < 2; ++k) m -= (nodes[k].y - ref.y) * f[6 + 3 * k];
  return {f[6] + f[9], f[7] + f[10], m};
}

double MaxAbs(const znMatrix::ifMatrix& m) {
  double r = 0.0;
  for (Index i = 0; i < m.GetRowN(); ++i)
    for (Index j = 0; j < m.GetColN(); ++j) r = std::max(r, std::fabs(m.Get(i, j)));
  return r;
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
  const Section shear{0.6, 2.0e4, 0.45, 0.25, 1.2};
  const Section bending{0.6, 2.0e4, 0.45, 0.0, 0.0};
  struct Case {
    Section section;
    double la;
    std::array<double, 3> motion;  // dx, dy, psi of the J reference point
  };
  const Case cases[] = {
      {shear, 1.5, {1e-3, 0, 0}},   {shear, 1.0, {0, 1e-3, 0}},   {shear, 2.0, {0, 0, 1e-3}},
      {bending, 1.5, {0, 1e-3, 0}}, {bending, 0.5, {0, 0, 1e-3}}, {shear, 1.2, {2e-3, -1e-3, 5e-4}},
  };
  for (const Case& c : cases) {
    const auto K = kMaker.MakeStiffness(Rectangle(c.section, 4.0, 3.0, c.la));
    const auto r = ResultantOfEdgeJMotion(K, 4.0, 3.0, c.la, c.motion);
    const auto k0 = CantileverTipStiffness(c.section, 4.0);
    for (int i = 0; i < 3; ++i) {
      double expected = 0.0;
      for (int j = 0; j < 3; ++j) expected += k0[i][j] * c.motion[j];
      EXPECT_NEAR(r[i], expected, 1e-9 * (1.0 + std::fabs(expected))) << "component " << i;
    }
  }
}

// A storey drift Δ of the top nodes of a rectangular panel: the storey shear is the
// guided-cantilever stiffness scaled by (L/h)²; with no bending flexibility it is G·t·L/h.
TEST(MatrixMaker2DWallElement, StoreyDriftGivesPanelShear) {
  const double L = 4.0, h = 3.0, t = 0.2, E = 2.0e4, nu = 0.25, drift = 1e-3;
  const double G = E / (2.0 * (1.0 + nu)), A = t * h, Irect = t * h * h * h / 12.0;
  struct Case {
    double I, kappa, expectedStiffness, relativeTolerance;
  };
  // The stiff-bending case neglects a bending flexibility 3e-7 of the shear flexibility.
  const Case cases[] = {
      {1e6, 1.0, G * t * L / h, 1e-6},
      {Irect, 1.2, (L / h) * (L / h) / (L * L * L / (12 * E * Irect) + 1.2 * L / (G * A)), 1e-9},
      {Irect, 0.0, (L / h) * (L / h) * 12 * E * Irect / (L * L * L), 1e-9},
  };
  for (const Case& c : cases) {
    const auto K = kMaker.MakeStiffness(Rectangle({A, E, c.I, nu, c.kappa}, L, h, h / 2));
    Vector u(12, 0.0);
    u[0] = u[6] = drift;  // ia and ja are the top nodes
    const Vector f = znMatrix::MultiplyVector(K, u);
    const double V = c.expectedStiffness * drift, tol = c.relativeTolerance * V;
    EXPECT_NEAR(f[0] + f[6], V, tol);
    EXPECT_NEAR(f[3] + f[9], -V, tol);
    // Overturning V·h is held by the vertical forces of the two edges, L apart.
    EXPECT_NEAR((f[7] + f[10]) * L, V * h, tol * h);
  }
}

// The edge spring pulls node b back along the edge line only; Kwg = 0 gives nothing.
TEST(MatrixMaker2DWallElement, EdgeSpringActsAlongTheEdge) {
  EXPECT_EQ(MaxAbs(kMaker.MakeEdgeSpringStiffness(0.0, 0.7, {0.2, -0.4})), 0.0);
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
    const Vector expected = {-m.expectedAlong * ex, -m.expectedAlong * ey, 0,
                             m.expectedAlong * ex,  m.expectedAlong * ey,  0};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(f[i], expected[i], 1e-12) << i;
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

// An inclined edge with unequal parts: a rigid motion of the edge is read back exactly at
// its reference point, and two nodal forces give their resultant and moment about it.
TEST(MatrixMaker2DWallElement, EdgeMatricesFollowTheStaticsOfTheEdge) {
  const double a = 1.3, b = 0.9, theta = 0.6;
  const double ex = std::sin(theta), ey = -std::cos(theta);  // edge a -> b, wall axes
  const Point na{-a * ex, -a * ey}, nb{b * ex, b * ey};      // reference point at origin
  const double dx = 0.2, dy = -0.7, psi = 0.05;
  const Vector u = {dx - psi * na.y, dy + psi * na.x, 0, dx - psi * nb.y, dy + psi * nb.x, 0};
  const Vector d = znMatrix::MultiplyVector(kMaker.MakeEdgeDispMatrix({a, b}, theta, {0.2, 3}), u);
  EXPECT_NEAR(d[0], dx, 1e-12);
  EXPECT_NEAR(d[1], dy, 1e-12);
  EXPECT_NEAR(d[2], psi, 1e-12);

  const Vector f = {2.0, -1.0, 9.0, 0.5, 3.0, 9.0};  // nodal moments are not part of it
  const Vector r = znMatrix::MultiplyVector(kMaker.MakeEdgeForceMatrix({a, b}, theta), f);
  EXPECT_NEAR(r[0], 2.5, 1e-12);
  EXPECT_NEAR(r[1], 2.0, 1e-12);
  EXPECT_NEAR(r[2], na.x * f[1] - na.y * f[0] + nb.x * f[4] - nb.y * f[3], 1e-12);
}

}  // namespace
