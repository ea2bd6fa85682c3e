// Wall stiffness against cantilever and shear-panel closed forms, the edge spring, and the
// statics of the edge result matrices. (Rigid-body motion is checked on walls built from nodes.)
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "fem/makers/MatrixMaker2DWallElement.h"
#include "matrix/MatrixBuilders.h"

namespace {

using znFEM::znMatrixMaker::WallStiffnessProp;
using znMatrix::Vector;

const znFEM::znMatrixMaker::csMatrixMaker2DWallElement kMaker;

// A rectangle L wide and h high, both edges vertical with node a on top and the reference points
// la below the top: nodes ia (0, h), ib (0, 0), ja (L, h), jb (L, 0); wall axes are global.
WallStiffnessProp Rectangle(double A, double E, double I, double nu, double kappa, double L,
                            double h, double la) {
  return {A, E, I, nu, kappa, L, {la, h - la}, {la, h - la}, 0.0, {0.0, 0.0}, {1, 1}, {1, 1}};
}

// Edge I held, edge J moved rigidly by (dx, dy) and turned by psi about its reference point
// (4, 3 − la): the resultant there is the end stiffness of the clamped cantilever (inverse of its
// tip flexibility: bending L³/3EI, L²/2EI, L/EI plus shear κL/GA) times the motion. No force
// goes to the node rotations.
TEST(MatrixMaker2DWallElement, EdgeJMotionGivesCantileverEndForces) {
  const double A = 0.6, E = 2.0e4, I = 0.45, L = 4.0;
  struct Case {
    double nu, kappa, la, dx, dy, psi;
  };
  for (const Case& c : {Case{0.25, 1.2, 1.5, 1e-3, 0, 0}, Case{0.25, 1.2, 1.0, 0, 1e-3, 0},
                        Case{0.25, 1.2, 2.0, 0, 0, 1e-3}, Case{0, 0, 1.5, 0, 1e-3, 0},
                        Case{0, 0, 0.5, 0, 0, 1e-3}, Case{0.25, 1.2, 1.2, 2e-3, -1e-3, 5e-4}}) {
    const auto K = kMaker.MakeStiffness(Rectangle(A, E, I, c.nu, c.kappa, L, 3.0, c.la));
    Vector u(12, 0.0);
    const double arm[2] = {c.la, c.la - 3.0};  // node height above the reference point
    for (int k = 0; k < 2; ++k) {
      u[6 + 3 * k] = c.dx - c.psi * arm[k];
      u[7 + 3 * k] = c.dy;
    }
    const Vector f = MultiplyVector(K, u);
    const double G = E / (2.0 * (1.0 + c.nu)),
                 fvv = L * L * L / (3 * E * I) + c.kappa * L / (G * A);
    const double fvt = L * L / (2 * E * I), ftt = L / (E * I), det = fvv * ftt - fvt * fvt;
    const double fy = (ftt * c.dy - fvt * c.psi) / det, m = (fvv * c.psi - fvt * c.dy) / det;
    EXPECT_NEAR(f[6] + f[9], E * A / L * c.dx, 1e-9 * (1 + std::abs(E * A / L * c.dx)));
    EXPECT_NEAR(f[7] + f[10], fy, 1e-9 * (1 + std::abs(fy)));
    EXPECT_NEAR(-arm[0] * f[6] - arm[1] * f[9], m, 1e-9 * (1 + std::abs(m)));
    for (int rotation : {2, 5, 8, 11}) EXPECT_EQ(f[rotation], 0.0);
  }
}

// A storey drift Δ of the top nodes: the storey shear is the guided-cantilever stiffness scaled
// by (L/h)²; with no bending flexibility it is G·t·L/h; the overturning V·h is held by the
// vertical forces of the two edges, L apart.
TEST(MatrixMaker2DWallElement, StoreyDriftGivesPanelShear) {
  const double L = 4.0, h = 3.0, t = 0.2, E = 2.0e4, nu = 0.25, drift = 1e-3;
  const double G = E / (2.0 * (1.0 + nu)), A = t * h, Ir = t * h * h * h / 12.0;
  const double r2 = (L / h) * (L / h);
  struct Case {
    double I, kappa, stiffness, relativeTolerance;
  };
  // The stiff-bending case neglects a bending flexibility 3e-7 of the shear flexibility.
  for (const Case& c : {Case{1e6, 1.0, G * t * L / h, 1e-6},
                        Case{Ir, 1.2, r2 / (L * L * L / (12 * E * Ir) + 1.2 * L / (G * A)), 1e-9},
                        Case{Ir, 0.0, r2 * 12 * E * Ir / (L * L * L), 1e-9}}) {
    Vector u(12, 0.0);
    u[0] = u[6] = drift;  // ia and ja are the top nodes
    const Vector f =
        MultiplyVector(kMaker.MakeStiffness(Rectangle(A, E, c.I, nu, c.kappa, L, h, h / 2)), u);
    const double V = c.stiffness * drift, tol = c.relativeTolerance * V;
    EXPECT_NEAR(f[0] + f[6], V, tol);
    EXPECT_NEAR(f[3] + f[9], -V, tol);
    EXPECT_NEAR((f[7] + f[10]) * L, V * h, tol * h);
  }
}

// The edge spring pulls node b back along the edge line only; Kwg = 0 gives nothing.
TEST(MatrixMaker2DWallElement, EdgeSpringActsAlongTheEdge) {
  EXPECT_TRUE(kMaker.MakeEdgeSpringStiffness(0.0, 0.7, {0.2, -0.4}) == znMatrix::csMatrix(12, 12));
  const double kwg = 40.0, ex = std::sin(0.5), ey = -std::cos(0.5);  // edge a -> b
  const auto S = kMaker.MakeEdgeSpringStiffness(kwg, 0.3, {0.2, 0.2});
  for (const auto& [dx, dy, along] : {std::tuple{ex, ey, kwg}, {-ey, ex, 0.0}}) {
    const Vector f = MultiplyVector(S, {0, 0, 0, dx, dy, 0, 0, 0, 0, 0, 0, 0});  // node ib
    const Vector expected{-along * ex, -along * ey, 0, along * ex, along * ey, 0};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(f[i], expected[i], 1e-12) << i;
  }
}

// A vertical edge with equal parts and shares reads the mean displacement and the turn
// (u_xb − u_xa)/s; an inclined edge with unequal parts reads back a rigid motion exactly at its
// reference point, and two nodal forces give their resultant and moment about it.
TEST(MatrixMaker2DWallElement, EdgeMatricesFollowTheStaticsOfTheEdge) {
  EXPECT_TRUE(kMaker.MakeEdgeDispMatrix({2.0, 2.0}, 0.0, {1.0, 1.0}) ==
              znMatrix::testing::Dense(
                  {{0.5, 0, 0, 0.5, 0, 0}, {0, 0.5, 0, 0, 0.5, 0}, {-0.25, 0, 0, 0.25, 0, 0}}));
  const double a = 1.3, b = 0.9, theta = 0.6, ex = std::sin(theta), ey = -std::cos(theta);
  const double nax = -a * ex, nay = -a * ey, nbx = b * ex, nby = b * ey;  // reference at origin
  const double dx = 0.2, dy = -0.7, psi = 0.05;
  const Vector d =
      MultiplyVector(kMaker.MakeEdgeDispMatrix({a, b}, theta, {0.2, 3}),
                     {dx - psi * nay, dy + psi * nax, 0, dx - psi * nby, dy + psi * nbx, 0});
  EXPECT_NEAR(d[0], dx, 1e-12);
  EXPECT_NEAR(d[1], dy, 1e-12);
  EXPECT_NEAR(d[2], psi, 1e-12);
  const Vector f = {2.0, -1.0, 9.0, 0.5, 3.0, 9.0};  // nodal moments are not part of it
  const Vector r = MultiplyVector(kMaker.MakeEdgeForceMatrix({a, b}, theta), f);
  EXPECT_NEAR(r[0], 2.5, 1e-12);
  EXPECT_NEAR(r[1], 2.0, 1e-12);
  EXPECT_NEAR(r[2], nax * f[1] - nay * f[0] + nbx * f[4] - nby * f[3], 1e-12);
}

}  // namespace
