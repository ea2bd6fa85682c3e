#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fem/makers/EquivalentEdgeLoad.h"
#include "fem/makers/FrameReference.h"

namespace {

using frame_reference::Member;
using frame_reference::Section;
using znFEM::znMatrixMaker::csEquivalentEdgeLoad;
using znFEM::znMatrixMaker::MakeEquivalentEdgeLoad;
using znFEM::znMatrixMaker::SegmentForces;
using znFEM::znMatrixMaker::Triple;

const Section kSteel{0.02, 2.05e8, 3.0e-4, 0.3, 0.0};
const Section kDeep{0.12, 2.5e7, 9.0e-3, 0.2, 1.2};

// Fixed-end forces of all six segment ends, distinct and non-zero.
const SegmentForces kForces{1.5, -2.0,  0.7,  -3.0, 4.0,  -1.1, 12.0, -30.0, -25.0,
                            8.0, -18.0, 21.0, 0.4,  -0.9, 0.3,  -0.6, 1.2,   -0.5};
const Triple kMI{12.0, -30.0, -25.0};
const Triple kMJ{8.0, -18.0, 21.0};

// Only the middle segment loaded.
SegmentForces MiddleOnly(const Triple& mi, const Triple& mj) {
  SegmentForces f{};
  for (int c = 0; c < 3; ++c) {
    f[6 + c] = mi[c];
    f[9 + c] = mj[c];
  }
  return f;
}

csEquivalentEdgeLoad Calculate(const Member& m, const SegmentForces& f) {
  return MakeEquivalentEdgeLoad(frame_reference::MakeProp(m, 0.3), {m.release_i, m.release_j}, f);
}

void ExpectTriple(const Triple& actual, const Triple& expected, double tol, const char* what) {
  for (int c = 0; c < 3; ++c)
    EXPECT_NEAR(actual[c], expected[c], tol) << what << " component " << c;
}

TEST(EquivalentEdgeLoad, PlainMemberGivesTheNegatedMiddleTriples) {
  const auto r = Calculate({kDeep, 5.0, 0.0, 0.0, false, false, 0.0, 0.0}, MiddleOnly(kMI, kMJ));
  ExpectTriple(r.EquivalentLoadI, {-12.0, 30.0, 25.0}, 0.0, "node I");
  ExpectTriple(r.EquivalentLoadJ, {-8.0, 18.0, -21.0}, 0.0, "node J");
  ExpectTriple(r.FaceForceI, kMI, 0.0, "face I");
  ExpectTriple(r.FaceForceJ, kMJ, 0.0, "face J");
  EXPECT_EQ(r.SpringRotation, (std::pair{0.0, 0.0}));
  EXPECT_EQ(r.Stretch, (std::pair{0.0, 0.0}));
}

TEST(EquivalentEdgeLoad, HingesAtBothEndsGiveTheSimplySupportedFlexiblePart) {
  const Member m{kSteel, 6.0, 0.5, 0.5, true, true, 0.0, 0.0};
  const auto r = Calculate(m, kForces);
  const double l0 = 5.0, shear = (kMI[2] + kMJ[2]) / l0;
  ExpectTriple(r.FaceForceI, {kMI[0], kMI[1] - shear, 0.0}, 1e-12, "face I");
  ExpectTriple(r.FaceForceJ, {kMJ[0], kMJ[1] + shear, 0.0}, 1e-12, "face J");
}

TEST(EquivalentEdgeLoad, HingeAtJHalvesItsMomentIntoI) {
  const auto r = Calculate({kSteel, 6.0, 0.0, 0.0, false, true, 0.0, 0.0}, kForces);
  EXPECT_NEAR(r.FaceForceJ[2], 0.0, 1e-12);
  EXPECT_NEAR(r.FaceForceI[2], kMI[2] - kMJ[2] / 2, 1e-12);
}

TEST(EquivalentEdgeLoad, AxialReleaseSendsTheWholeAxialForceToTheOtherFace) {
  const Member at_i{kDeep, 4.0, 0.3, 0.2, false, false, 0.0, 0.0, 1.0, true, false};
  const auto ri = Calculate(at_i, kForces);
  const double flexibility = 3.5 / (kDeep.E * kDeep.A);
  EXPECT_EQ(ri.FaceForceI[0], 0.0);
  EXPECT_EQ(ri.FaceForceJ[0], kMI[0] + kMJ[0]);
  EXPECT_NEAR(ri.Stretch.first, kMI[0] * flexibility, 1e-15);
  EXPECT_EQ(ri.Stretch.second, 0.0);

  Member at_j = at_i;
  std::swap(at_j.release_i, at_j.release_j);
  const auto rj = Calculate(at_j, kForces);
  EXPECT_EQ(rj.FaceForceI[0], kMI[0] + kMJ[0]);
  EXPECT_EQ(rj.FaceForceJ[0], 0.0);
  EXPECT_EQ(rj.Stretch.first, 0.0);
  EXPECT_NEAR(rj.Stretch.second, kMJ[0] * flexibility, 1e-15);
}

TEST(EquivalentEdgeLoad, BothAxialReleasesActAsAReleaseAtI) {
  Member both{kDeep, 4.0, 0.3, 0.2, true, false, 1.5, 0.0, 1.0, true, true};
  Member at_i = both;
  at_i.release_j = false;
  const auto r = Calculate(both, kForces);
  const auto expected = Calculate(at_i, kForces);
  EXPECT_EQ(r.FaceForceI, expected.FaceForceI);
  EXPECT_EQ(r.FaceForceJ, expected.FaceForceJ);
  EXPECT_EQ(r.EquivalentLoadI, expected.EquivalentLoadI);
  EXPECT_EQ(r.EquivalentLoadJ, expected.EquivalentLoadJ);
  EXPECT_EQ(r.Stretch, expected.Stretch);
}

std::vector<Member> Cases() {
  std::vector<Member> cases;
  for (const Section& s : {kSteel, kDeep})
    for (const auto& [li, lj] : {std::pair{0.0, 0.0}, std::pair{0.45, 0.3}})
      for (const auto& [si, sj] : {std::pair{false, false}, std::pair{true, false},
                                   std::pair{false, true}, std::pair{true, true}})
        for (const auto& [ki, kj] :
             {std::pair{0.0, 0.0}, std::pair{0.7, 3.0}, std::pair{25.0, 0.0}})
          for (const auto& [ri, rj] :
               {std::pair{false, false}, std::pair{true, false}, std::pair{false, true}})
            cases.push_back({s, 4.2, li, lj, si, sj, ki, kj, 1.0, ri, rj});
  return cases;
}

// Face forces, spring rotations and stretches against the flexible part with held nodes whose
// ends turn on their springs and slide at their releases.
TEST(EquivalentEdgeLoad, FaceStateMatchesTheMemberWithHeldNodes) {
  for (const Member& m : Cases()) {
    SCOPED_TRACE(testing::Message() << "springs " << m.spring_i << m.spring_j << " k " << m.ki
                                    << "/" << m.kj << " releases " << m.release_i << m.release_j
                                    << " zones " << m.li << " kappa " << m.s.Kappa);
    const auto r = Calculate(m, kForces);
    const auto held = frame_reference::HeldNodes(m, kMI, kMJ);
    ExpectTriple(r.FaceForceI, {held.face[0], held.face[1], held.face[2]}, 1e-10, "face I");
    ExpectTriple(r.FaceForceJ, {held.face[3], held.face[4], held.face[5]}, 1e-10, "face J");
    const double rotation_scale = 30.0 * m.l0() / (m.s.E * m.s.I);
    EXPECT_NEAR(r.SpringRotation.first, held.spring_rotation.first, 1e-10 * rotation_scale);
    EXPECT_NEAR(r.SpringRotation.second, held.spring_rotation.second, 1e-10 * rotation_scale);
    // The stretch is the axial force the release removes times l0/EA: the released face's
    // slide, negated.
    EXPECT_NEAR(r.Stretch.first, -held.slip.first, 1e-18);
    EXPECT_NEAR(r.Stretch.second, -held.slip.second, 1e-18);
  }
}

// The equivalent nodal loads balance every segment's fixed-end forces: the same resultant and
// the same moment about node I, whatever the springs and releases do inside the member.
TEST(EquivalentEdgeLoad, NodalLoadsBalanceTheSegmentForces) {
  for (const Member& m : Cases()) {
    const auto r = Calculate(m, kForces);
    const double at[6] = {0.0, m.li, m.li, m.L - m.lj, m.L - m.lj, m.L};
    Triple total{};  // x, y, moment about node I of the fixed-end forces
    for (int e = 0; e < 6; ++e) {
      total[0] += kForces[3 * e];
      total[1] += kForces[3 * e + 1];
      total[2] += kForces[3 * e + 2] + at[e] * kForces[3 * e + 1];
    }
    const auto& ni = r.EquivalentLoadI;
    const auto& nj = r.EquivalentLoadJ;
    EXPECT_NEAR(ni[0] + nj[0], -total[0], 1e-12);
    EXPECT_NEAR(ni[1] + nj[1], -total[1], 1e-12);
    EXPECT_NEAR(ni[2] + nj[2] + m.L * nj[1], -total[2], 1e-11);
  }
}

TEST(EquivalentEdgeLoad, StiffSpringsTendToTheClampedFaces) {
  for (const auto& [si, sj] :
       {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
    double previous_gap = 1e300;
    for (const double k : {1e2, 1e4, 1e6}) {
      const auto r = Calculate({kDeep, 4.0, 0.2, 0.2, si, sj, k, k}, kForces);
      double gap = 0.0;
      for (int c = 0; c < 3; ++c)
        gap += std::abs(r.FaceForceI[c] - kMI[c]) + std::abs(r.FaceForceJ[c] - kMJ[c]);
      EXPECT_LT(gap, 200.0 / k);  // moments of order 25 released as 1/k
      EXPECT_LT(gap, previous_gap);
      previous_gap = gap;
    }
    const auto r = Calculate(
        {kDeep, 4.0, 0.2, 0.2, si, sj, 1.7976931348623157e+308, 1.7976931348623157e+308}, kForces);
    EXPECT_EQ(r.FaceForceI, kMI);
    EXPECT_EQ(r.FaceForceJ, kMJ);
    EXPECT_EQ(r.SpringRotation, (std::pair{0.0, 0.0}));
  }
}

// A member in small units (EI/l0 of order 1e-9) must not trip the absolute zero tests of the
// dense solver that finds the two spring rotations.
TEST(EquivalentEdgeLoad, TwoSpringRotationsDoNotDependOnTheUnits) {
  const Section tiny{1e-4, 1e-3, 1e-5, 0.3, 1.2};
  const Member m{tiny, 10.0, 0.0, 0.0, true, true, 0.5, 2.0};
  const Triple mi{0.0, -1e-6, -2e-6}, mj{0.0, -1e-6, 3e-6};
  csEquivalentEdgeLoad r;
  ASSERT_NO_THROW(r = Calculate(m, MiddleOnly(mi, mj)));
  const auto held = frame_reference::HeldNodes(m, mi, mj);
  EXPECT_NEAR(r.SpringRotation.first, held.spring_rotation.first,
              1e-9 * std::abs(held.spring_rotation.first));
  EXPECT_NEAR(r.SpringRotation.second, held.spring_rotation.second,
              1e-9 * std::abs(held.spring_rotation.second));
}

}  // namespace
