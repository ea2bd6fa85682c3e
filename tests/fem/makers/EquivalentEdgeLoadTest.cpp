// Member-side fixed-end calculation against closed forms, the member with held nodes, the
// equilibrium of the nodal loads and the limit of stiff end springs.
#include <gtest/gtest.h>

#include <cmath>

#include "fem/makers/EquivalentEdgeLoad.h"
#include "fem/makers/FrameReference.h"

namespace {

using frame_reference::kDeep;
using frame_reference::kSteel;
using frame_reference::Member;
using znFEM::SegmentForces;
using znFEM::Triple;

// Fixed-end forces of all six segment ends, distinct and non-zero; the middle ones are MI, MJ.
const SegmentForces kForces{1.5, -2.0,  0.7,  -3.0, 4.0,  -1.1, 12.0, -30.0, -25.0,
                            8.0, -18.0, 21.0, 0.4,  -0.9, 0.3,  -0.6, 1.2,   -0.5};
const Triple kMI{12.0, -30.0, -25.0}, kMJ{8.0, -18.0, 21.0};

znFEM::znMatrixMaker::csEquivalentEdgeLoad Calculate(const Member& m,
                                                     const SegmentForces& f = kForces) {
  return MakeEquivalentEdgeLoad(frame_reference::MakeProp(m, 0.3), {m.release_i, m.release_j}, f);
}

void ExpectFaces(const Triple& i, const Triple& j,
                 const znFEM::znMatrixMaker::csEquivalentEdgeLoad& r) {
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(r.FaceForceI[k], i[k], 1e-12) << k;
    EXPECT_NEAR(r.FaceForceJ[k], j[k], 1e-12) << k;
  }
}

// Hinges at both ends leave a simply supported flexible part (l0 = 5); a hinge at J alone
// (φ = 0, l0 = 6) carries half its moment over to I. An axial release sends the whole axial
// force to the other face and stretches by the removed force times l0/EA (l0 = 3.5); both
// releases act as a release at I.
TEST(EquivalentEdgeLoad, FaceForcesInClosedForm) {
  const double v = (kMI[2] + kMJ[2]) / 5.0, vJ = kMJ[2] / 4.0, n = kMI[0] + kMJ[0];
  ExpectFaces({kMI[0], kMI[1] - v, 0}, {kMJ[0], kMJ[1] + v, 0},
              Calculate({kSteel, 6, 0.5, 0.5, true, true, 0, 0}));
  ExpectFaces({kMI[0], kMI[1] - vJ, kMI[2] - kMJ[2] / 2}, {kMJ[0], kMJ[1] + vJ, 0},
              Calculate({kSteel, 6, 0, 0, false, true, 0, 0}));
  const double flex = 3.5 / (kDeep.E * kDeep.A);
  for (const auto& [ri, rj] : {std::pair{true, false}, {false, true}, {true, true}}) {
    const auto r = Calculate({kDeep, 4, 0.3, 0.2, false, false, 0, 0, ri, rj});
    ExpectFaces({ri ? 0 : n, kMI[1], kMI[2]}, {ri ? n : 0, kMJ[1], kMJ[2]}, r);
    EXPECT_NEAR(r.Stretch.first, ri ? kMI[0] * flex : 0.0, 1e-15);
    EXPECT_NEAR(r.Stretch.second, ri ? 0.0 : kMJ[0] * flex, 1e-15);
  }
}

// Transverse face forces and spring rotations against the flexible part with held nodes whose
// ends turn on their springs; and, releases included, the nodal loads balance the segment
// forces: the same resultant and moment about node I.
TEST(EquivalentEdgeLoad, MatchesTheMemberWithHeldNodesAndBalancesTheSegments) {
  for (const Member& m :
       frame_reference::SpringCases({{false, false}, {true, false}, {false, true}})) {
    SCOPED_TRACE(testing::Message() << frame_reference::MakeProp(m) << m.release_i << m.release_j);
    const auto r = Calculate(m);
    const auto held =
        frame_reference::HeldNodes(m, {kMI[0], kMI[1], kMI[2], kMJ[0], kMJ[1], kMJ[2]});
    for (int k = 1; k < 3; ++k) {
      EXPECT_NEAR(r.FaceForceI[k], held.face[k], 1e-10);
      EXPECT_NEAR(r.FaceForceJ[k], held.face[3 + k], 1e-10);
    }
    const double rotation = 30.0 * m.l0() / (m.s.E * m.s.I);  // moment 30 over EI/l0
    EXPECT_NEAR(r.SpringRotation.first, held.rotation[0], 1e-10 * rotation);
    EXPECT_NEAR(r.SpringRotation.second, held.rotation[1], 1e-10 * rotation);
    const double at[6] = {0.0, m.li, m.li, m.L - m.lj, m.L - m.lj, m.L};
    Triple total{};  // x, y, moment about node I of the segment forces
    for (int e = 0; e < 6; ++e) {
      total[0] += kForces[3 * e];
      total[1] += kForces[3 * e + 1];
      total[2] += kForces[3 * e + 2] + at[e] * kForces[3 * e + 1];
    }
    const auto &ni = r.EquivalentLoadI, &nj = r.EquivalentLoadJ;
    EXPECT_NEAR(ni[0] + nj[0], -total[0], 1e-12);
    EXPECT_NEAR(ni[1] + nj[1], -total[1], 1e-12);
    EXPECT_NEAR(ni[2] + nj[2] + m.L * nj[1], -total[2], 1e-11);
  }
}

// Face forces tend to the clamped ones as 1/k; the unbounded ratio is the clamped face itself.
TEST(EquivalentEdgeLoad, StiffSpringsTendToTheClampedFaces) {
  for (const auto& [si, sj] : {std::pair{true, false}, {false, true}, {true, true}}) {
    for (const double k : {1e2, 1e4, 1e6, 1.7976931348623157e+308}) {
      const auto r = Calculate({kDeep, 4.0, 0.2, 0.2, si, sj, k, k});
      double gap = 0.0;
      for (int c = 0; c < 3; ++c)
        gap += std::abs(r.FaceForceI[c] - kMI[c]) + std::abs(r.FaceForceJ[c] - kMJ[c]);
      EXPECT_LE(gap, 200.0 / k);  // moments of order 25 released as 1/k
    }
  }
}

// Small units (EI/l0 of order 1e-9) must not trip the absolute zero tests of the dense solver
// that finds the two spring rotations.
TEST(EquivalentEdgeLoad, TwoSpringRotationsDoNotDependOnTheUnits) {
  const Member m{{1e-4, 1e-3, 1e-5, 0.3, 1.2}, 10.0, 0.0, 0.0, true, true, 0.5, 2.0};
  SegmentForces f{};
  f[7] = f[10] = -1e-6;
  f[8] = -2e-6;
  f[11] = 3e-6;
  const auto r = Calculate(m, f);
  const auto held = frame_reference::HeldNodes(m, {0, -1e-6, -2e-6, 0, -1e-6, 3e-6});
  EXPECT_NEAR(r.SpringRotation.first, held.rotation[0], 1e-9 * std::abs(held.rotation[0]));
  EXPECT_NEAR(r.SpringRotation.second, held.rotation[1], 1e-9 * std::abs(held.rotation[1]));
}

}  // namespace
