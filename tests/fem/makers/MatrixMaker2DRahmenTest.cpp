// Frame member stiffness against closed forms, an independently condensed member, rigid-body
// motion and the limit of stiff end springs.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "fem/makers/FrameReference.h"
#include "fem/makers/MatrixMaker2DRahmen.h"
#include "matrix/MatrixBuilders.h"

namespace {

using frame_reference::kDeep;
using frame_reference::Member;
using znFEM::znMatrixMaker::FrameStiffnessProp;
using znFEM::Six;
using znMatrix::Vector;
using znMatrix::testing::Dense;

constexpr double kPi = std::numbers::pi;
const znFEM::znMatrixMaker::csMatrixMaker2DRahmen kMaker;

// The member matrix from its axial stiffness and the shears (per unit v, θi, θj) and moments of
// its I end; the J end follows from the member's equilibrium.
znMatrix::csMatrix Beam(double ea, double v, double vi, double vj, double ii, double ij,
                        double jj) {
  return Dense({{ea, 0, 0, -ea, 0, 0},
                {0, v, vi, 0, -v, vj},
                {0, vi, ii, 0, -vi, ij},
                {-ea, 0, 0, ea, 0, 0},
                {0, -v, -vi, 0, v, -vj},
                {0, vj, ij, 0, -vj, jj}});
}

// Length 2, EA = EI = 1: 12EI/l³ = 6EI/l² = 1.5, 4EI/l = 2, 2EI/l = 1; a hinge leaves 3EI/l³ =
// 0.375, 3EI/l² = 0.75, 3EI/l = 1.5; hinges at both ends leave the axial terms, whatever the
// zones and shear; Kn = 0 removes the axial terms only.
TEST(FrameStiffness, ClosedFormsOfPlainAndHingedMembers) {
  const auto prop = [](bool hingeI, bool hingeJ, double kn) {
    return FrameStiffnessProp{{hingeI, hingeJ}, 1, 1, 1, 0.3, 0, 2, {0, 0}, {0, 0}, kn, 0};
  };
  const FrameStiffnessProp zoned{{true, true}, 1, 1, 1, 0.3, 1.2, 2.7, {0.4, 0.3}, {0, 0}, 1, 0};
  const std::pair<FrameStiffnessProp, znMatrix::csMatrix> cases[] = {
      {prop(false, false, 1), Beam(0.5, 1.5, 1.5, 1.5, 2, 1, 2)},
      {prop(true, false, 1), Beam(0.5, 0.375, 0, 0.75, 0, 0, 1.5)},
      {prop(false, true, 1), Beam(0.5, 0.375, 0.75, 0, 1.5, 0, 0)},
      {zoned, Beam(0.5, 0, 0, 0, 0, 0, 0)},
      {prop(false, false, 0), Beam(0, 1.5, 1.5, 1.5, 2, 1, 2)},
  };
  for (const auto& [p, expected] : cases) EXPECT_TRUE(kMaker.MakeStiffness(p) == expected) << p;
  // Vertical: global x is the member's −y.
  const auto k = kMaker.MakeStiffness({{false, false}, 1, 1, 1, 0.3, 0, 2, {}, {}, 1, kPi / 2});
  EXPECT_NEAR(k.Get(0, 0), 1.5, 1e-12);
  EXPECT_NEAR(k.Get(1, 1), 0.5, 1e-12);
  EXPECT_NEAR(k.Get(0, 2), -1.5, 1e-12);
}

// Against the condensed member in member axes; then K times every rigid motion of the two nodes
// (translations and a rotation about the origin span them; node I at (1.5, −2)) is zero at
// angles all round, none of them a multiple of π/2.
TEST(FrameStiffness, MatchesTheCondensedMemberAndMovesRigidlyWithoutForce) {
  for (const Member& m : frame_reference::SpringCases()) {
    SCOPED_TRACE(frame_reference::MakeProp(m));
    const auto p = frame_reference::MakeProp(m);
    const auto ref = frame_reference::Condense(m);
    const Six vi = kMaker.MakeSpringFixCaseI(p), vj = kMaker.MakeSpringFixCaseJ(p);
    const auto local = kMaker.MakeStiffness(p);
    const double scale = m.s.E * m.s.A;  // above every entry
    for (int i = 0; i < 6; ++i) {
      for (int j = 0; j < 6; ++j) EXPECT_NEAR(local.Get(i, j), ref.k[i][j], 1e-9 * scale);
      EXPECT_NEAR(vi[i], ref.rotation_i[i], 1e-10);
      EXPECT_NEAR(vj[i], ref.rotation_j[i], 1e-10);
    }
    for (double angle = -kPi + 0.1; angle < kPi; angle += kPi / 12) {
      const auto k = kMaker.MakeStiffness(frame_reference::MakeProp(m, angle));
      const double xj = 1.5 + m.L * std::cos(angle), yj = -2.0 + m.L * std::sin(angle);
      for (const Vector& u :
           {Vector{1, 0, 0, 1, 0, 0}, Vector{0, 1, 0, 0, 1, 0}, Vector{2.0, 1.5, 1, -yj, xj, 1}})
        for (double f : MultiplyVector(k, u)) EXPECT_NEAR(f, 0.0, 1e-10 * scale) << angle;
    }
  }
}

// Ever stiffer springs tend to the rigid connection as 1/k; the unbounded ratio is the rigid
// connection itself (its products would overflow).
TEST(FrameStiffness, StiffSpringsTendToTheRigidConnection) {
  const FrameStiffnessProp rigid =
      frame_reference::MakeProp({kDeep, 3.0, 0.3, 0.2, false, false, 0, 0}, 0.4);
  const auto limit = MakeBendingCoefficients(rigid);
  for (const auto& springs : {std::pair{true, false}, {false, true}, {true, true}}) {
    FrameStiffnessProp p = rigid;
    p.IsRotarySpring = springs;
    for (const double k : {1e2, 1e4, 1e6, 1e8}) {
      p.Kij = {k, k};
      const auto abc = MakeBendingCoefficients(p);
      EXPECT_LT(std::abs(abc.a - limit.a) + std::abs(abc.b - limit.b) + std::abs(abc.c - limit.c),
                10.0 / k);
    }
    p.Kij = {1.7976931348623157e+308, 1.7976931348623157e+308};
    EXPECT_TRUE(kMaker.MakeStiffness(p) == kMaker.MakeStiffness(rigid));
    EXPECT_EQ(kMaker.MakeSpringFixCaseI(p), Six{});
  }
}

}  // namespace
