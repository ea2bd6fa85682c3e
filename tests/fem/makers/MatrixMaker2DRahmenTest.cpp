#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <vector>

#include "fem/makers/FrameReference.h"
#include "fem/makers/MatrixMaker2DRahmen.h"

namespace {

using frame_reference::Mat6;
using frame_reference::Member;
using frame_reference::Section;
using znFEM::znMatrixMaker::csMatrixMaker2DRahmen;
using znFEM::znMatrixMaker::FrameStiffnessProp;
using znFEM::znMatrixMaker::MakeBendingCoefficients;
using znFEM::znMatrixMaker::MakeLocalStiffness;

constexpr double kPi = std::numbers::pi;
const Section kSteel{0.02, 2.05e8, 3.0e-4, 0.3, 0.0};  // no shear deformation
const Section kDeep{0.12, 2.5e7, 9.0e-3, 0.2, 1.2};    // stocky concrete member, φ > 0

double MaxAbs(const znMatrix::ifMatrix& m) {
  double out = 0.0;
  for (znMatrix::Index i = 0; i < m.GetRowN(); ++i)
    for (znMatrix::Index j = 0; j < m.GetColN(); ++j) out = std::max(out, std::abs(m.Get(i, j)));
  return out;
}

// Every element within 1e-9 of the largest one: the products are a few dozen roundings deep.
void ExpectSame(const znMatrix::ifMatrix& actual, const Mat6& expected, const char* what) {
  const double tol = 1e-9 * MaxAbs(actual);
  for (znMatrix::Index i = 0; i < 6; ++i)
    for (znMatrix::Index j = 0; j < 6; ++j)
      EXPECT_NEAR(actual.Get(i, j), expected[i][j], tol)
          << what << " at (" << i << ", " << j << ")";
}

FrameStiffnessProp Plain(const Section& s, double length) {
  return frame_reference::MakeProp({s, length, 0.0, 0.0, false, false, 0.0, 0.0}, 0.0);
}

TEST(FrameStiffness, EulerBernoulliMemberHasClosedFormTerms) {
  const double l = 4.0, ei = kSteel.E * kSteel.I, ea = kSteel.E * kSteel.A;
  const auto k = MakeLocalStiffness(Plain(kSteel, l));
  const double rel = 1e-12;
  EXPECT_NEAR(k.Get(0, 0), ea / l, rel * ea / l);
  EXPECT_NEAR(k.Get(0, 3), -ea / l, rel * ea / l);
  EXPECT_NEAR(k.Get(1, 1), 12 * ei / (l * l * l), rel * ei);
  EXPECT_NEAR(k.Get(1, 2), 6 * ei / (l * l), rel * ei);
  EXPECT_NEAR(k.Get(2, 2), 4 * ei / l, rel * ei);
  EXPECT_NEAR(k.Get(2, 5), 2 * ei / l, rel * ei);
  EXPECT_NEAR(k.Get(1, 4), -12 * ei / (l * l * l), rel * ei);
  EXPECT_NEAR(k.Get(4, 5), -6 * ei / (l * l), rel * ei);
  EXPECT_EQ(k.Get(0, 1), 0.0);
  EXPECT_EQ(k.Get(0, 2), 0.0);
}

TEST(FrameStiffness, ShearDeformationGivesTimoshenkoTerms) {
  const double l = 2.5;
  ExpectSame(MakeLocalStiffness(Plain(kDeep, l)), frame_reference::TimoshenkoStiffness(kDeep, l),
             "Timoshenko member");
}

TEST(FrameStiffness, HingeAtOneEndDecouplesItsRotation) {
  const double l = 5.0, ei = kSteel.E * kSteel.I;
  for (const bool at_i : {true, false}) {
    FrameStiffnessProp p = Plain(kSteel, l);
    p.IsRotarySpring = {at_i, !at_i};
    p.Kij = {0.0, 0.0};
    const auto k = MakeLocalStiffness(p);
    const znMatrix::Index hinged = at_i ? 2 : 5, other = at_i ? 5 : 2;
    for (znMatrix::Index j = 0; j < 6; ++j) EXPECT_NEAR(k.Get(hinged, j), 0.0, 1e-9 * ei);
    EXPECT_NEAR(k.Get(1, 1), 3 * ei / (l * l * l), 1e-12 * ei);
    EXPECT_NEAR(k.Get(other, other), 3 * ei / l, 1e-12 * ei);
    EXPECT_NEAR(std::abs(k.Get(1, other)), 3 * ei / (l * l), 1e-12 * ei);
  }
}

TEST(FrameStiffness, HingesAtBothEndsLeaveOnlyTheAxialTerms) {
  FrameStiffnessProp p = Plain(kDeep, 6.0);
  p.Lij = {0.4, 0.3};
  p.IsRotarySpring = {true, true};
  const auto k = MakeLocalStiffness(p);
  const double ea = kDeep.E * kDeep.A / (6.0 - 0.7);
  for (znMatrix::Index i = 0; i < 6; ++i)
    for (znMatrix::Index j = 0; j < 6; ++j) {
      const bool axial = (i % 3 == 0) && (j % 3 == 0);
      EXPECT_NEAR(k.Get(i, j), axial ? (i == j ? ea : -ea) : 0.0, 1e-12 * ea) << i << ", " << j;
    }
}

TEST(FrameStiffness, AxialFactorZeroRemovesOnlyTheAxialTerms) {
  FrameStiffnessProp p = Plain(kDeep, 3.0);
  p.Lij = {0.2, 0.5};
  const auto elastic = MakeLocalStiffness(p);
  p.Kn = 0.0;
  const auto yielded = MakeLocalStiffness(p);
  for (znMatrix::Index i = 0; i < 6; ++i)
    for (znMatrix::Index j = 0; j < 6; ++j) {
      const bool axial = (i % 3 == 0) && (j % 3 == 0);
      EXPECT_EQ(yielded.Get(i, j), axial ? 0.0 : elastic.Get(i, j)) << i << ", " << j;
    }
}

TEST(FrameStiffness, VerticalMemberSwapsAxialAndTransverseTerms) {
  const csMatrixMaker2DRahmen maker;
  FrameStiffnessProp p = Plain(kSteel, 3.0);
  p.Angle = kPi / 2;
  const auto k = maker.MakeStiffness(p);
  const double ei = kSteel.E * kSteel.I, ea = kSteel.E * kSteel.A / 3.0;
  EXPECT_NEAR(k.Get(0, 0), 12 * ei / 27.0, 1e-9 * ea);
  EXPECT_NEAR(k.Get(1, 1), ea, 1e-12 * ea);
  EXPECT_NEAR(k.Get(0, 1), 0.0, 1e-9 * ea);
  EXPECT_NEAR(k.Get(0, 2), -6 * ei / 9.0, 1e-9 * ea);  // global x is the member's −y
}

// The four spring cases, with and without shear deformation and rigid zones, against the
// member built from a Timoshenko beam, rigid arms and spring elements and condensed.
std::vector<Member> SpringCases() {
  std::vector<Member> cases;
  for (const Section& s : {kSteel, kDeep})
    for (const auto& [li, lj] : {std::pair{0.0, 0.0}, std::pair{0.45, 0.3}})
      for (const auto& [si, sj] : {std::pair{false, false}, std::pair{true, false},
                                   std::pair{false, true}, std::pair{true, true}})
        for (const auto& [ki, kj] : {std::pair{0.0, 0.0}, std::pair{0.7, 3.0}, std::pair{25.0, 0.0},
                                     std::pair{1e-3, 400.0}})
          cases.push_back({s, 4.2, li, lj, si, sj, ki, kj});
  return cases;
}

TEST(FrameStiffness, SpringsAndRigidZonesMatchTheCondensedMember) {
  for (const Member& m : SpringCases()) {
    SCOPED_TRACE(testing::Message()
                 << "springs " << m.spring_i << m.spring_j << " k " << m.ki << "/" << m.kj
                 << " zones " << m.li << "/" << m.lj << " kappa " << m.s.Kappa);
    ExpectSame(MakeLocalStiffness(frame_reference::MakeProp(m, 0.0)),
               frame_reference::LocalStiffness(m), "local stiffness");
  }
}

TEST(FrameStiffness, SpringVectorsGiveTheSpringRotation) {
  const csMatrixMaker2DRahmen maker;
  for (const Member& m : SpringCases()) {
    SCOPED_TRACE(testing::Message()
                 << "springs " << m.spring_i << m.spring_j << " k " << m.ki << "/" << m.kj
                 << " zones " << m.li << "/" << m.lj << " kappa " << m.s.Kappa);
    const auto p = frame_reference::MakeProp(m, 0.0);
    const auto [row_i, row_j] = frame_reference::SpringRotationRows(m);
    const auto vec_i = maker.MakeSpringFixCaseI(p);
    const auto vec_j = maker.MakeSpringFixCaseJ(p);
    ASSERT_EQ(vec_i.size(), 6u);
    ASSERT_EQ(vec_j.size(), 6u);
    for (int d = 0; d < 6; ++d) {
      EXPECT_NEAR(vec_i[d], row_i[d], 1e-10) << d;
      EXPECT_NEAR(vec_j[d], row_j[d], 1e-10) << d;
    }
  }
}

TEST(FrameStiffness, SpringVectorOfAHingeHasItsClosedForm) {
  const csMatrixMaker2DRahmen maker;
  FrameStiffnessProp p = Plain(kSteel, 5.0);
  p.Lij = {0.5, 0.5};
  p.IsRotarySpring = {true, false};
  const double l0 = 4.0;
  const std::vector<double> expected{0, 3 / (2 * l0),  1 + 1.5 / (2 * l0),
                                     0, -3 / (2 * l0), 0.5 + 1.5 / (2 * l0)};
  const auto v = maker.MakeSpringFixCaseI(p);
  for (int d = 0; d < 6; ++d) EXPECT_NEAR(v[d], expected[d], 1e-14) << d;
  EXPECT_EQ(maker.MakeSpringFixCaseJ(p), std::vector<double>(6, 0.0));
}

// Node I at (x0, y0); returns the global end displacements of a rigid motion.
std::vector<std::vector<double>> RigidMotions(double x0, double y0, double length, double angle) {
  const double xj = x0 + length * std::cos(angle), yj = y0 + length * std::sin(angle);
  std::vector<std::vector<double>> motions{{1, 0, 0, 1, 0, 0}, {0, 1, 0, 0, 1, 0}};
  for (const auto& [px, py] : {std::pair{0.0, 0.0}, std::pair{-3.0, 7.5}, std::pair{x0, y0}})
    motions.push_back({-(y0 - py), x0 - px, 1, -(yj - py), xj - px, 1});
  return motions;
}

TEST(FrameStiffness, RigidBodyMotionsProduceNoForce) {
  const csMatrixMaker2DRahmen maker;
  for (const Member& m : SpringCases())
    for (const double angle : {0.0, 0.3, kPi / 2, 2.2, kPi, -0.9}) {
      const auto k = maker.MakeStiffness(frame_reference::MakeProp(m, angle));
      const double scale = MaxAbs(k) * 10.0;  // forces of the motions' size-10 displacements
      for (const auto& u : RigidMotions(1.5, -2.0, m.L, angle)) {
        const auto f = znMatrix::MultiplyVector(k, u);
        for (double fi : f) EXPECT_NEAR(fi, 0.0, 1e-11 * scale) << "angle " << angle;
      }
    }
}

// Carries the face displacements of a flexible member to the nodes across rigid arms.
Mat6 CarriedByArms(const znMatrix::ifMatrix& flexible, double li, double lj) {
  Mat6 c{};
  for (int d = 0; d < 6; ++d) c[d][d] = 1.0;
  c[1][2] = li;
  c[4][5] = -lj;
  Mat6 out{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q) out[i][j] += c[p][i] * flexible.Get(p, q) * c[q][j];
  return out;
}

TEST(FrameStiffness, RigidZonesEqualTheShorterMemberOnRigidArms) {
  for (Member m : SpringCases()) {
    if (m.li == 0.0) continue;
    const auto zoned = MakeLocalStiffness(frame_reference::MakeProp(m, 0.0));
    Member flexible = m;
    flexible.L = m.l0();
    flexible.li = flexible.lj = 0.0;
    const auto bare = MakeLocalStiffness(frame_reference::MakeProp(flexible, 0.0));
    ExpectSame(zoned, CarriedByArms(bare, m.li, m.lj), "zoned member");
  }
}

TEST(FrameStiffness, InclinedMembersAtManyAnglesMatchTheRotatedLocalStiffness) {
  const csMatrixMaker2DRahmen maker;
  const Member m{kDeep, 3.7, 0.25, 0.4, true, false, 2.5, 0.0};
  const Mat6 local = frame_reference::LocalStiffness(m);
  for (int step = 0; step <= 720; ++step) {
    const double angle = -kPi + step * kPi / 360.0;
    ExpectSame(maker.MakeStiffness(frame_reference::MakeProp(m, angle)),
               frame_reference::ToGlobal(local, angle), "rotated stiffness");
  }
}

TEST(FrameStiffness, StiffSpringsTendToTheRigidConnection) {
  FrameStiffnessProp rigid = Plain(kDeep, 3.0);
  const auto limit = MakeBendingCoefficients(rigid);
  for (const auto& [si, sj] :
       {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
    FrameStiffnessProp p = rigid;
    p.IsRotarySpring = {si, sj};
    double previous_gap = 1e300;
    for (const double k : {1e2, 1e4, 1e6, 1e8}) {
      p.Kij = {k, k};
      const auto abc = MakeBendingCoefficients(p);
      const double gap =
          std::abs(abc.a - limit.a) + std::abs(abc.b - limit.b) + std::abs(abc.c - limit.c);
      EXPECT_LT(gap, 10.0 / k);  // the coefficients approach their limit as 1/k
      EXPECT_LT(gap, previous_gap);
      previous_gap = gap;
    }
  }
}

TEST(FrameStiffness, UnboundedSpringRatioActsAsRigidConnection) {
  const csMatrixMaker2DRahmen maker;
  FrameStiffnessProp rigid = Plain(kDeep, 3.0);
  rigid.Lij = {0.3, 0.2};
  rigid.Angle = 0.4;
  const auto expected = maker.MakeStiffness(rigid);
  FrameStiffnessProp p = rigid;
  p.IsRotarySpring = {true, true};
  p.Kij = {1.7976931348623157e+308, 1.7976931348623157e+308};
  const auto k = maker.MakeStiffness(p);
  for (znMatrix::Index i = 0; i < 6; ++i)
    for (znMatrix::Index j = 0; j < 6; ++j) EXPECT_EQ(k.Get(i, j), expected.Get(i, j));
  EXPECT_EQ(maker.MakeSpringFixCaseI(p), std::vector<double>(6, 0.0));
}

TEST(FrameStiffness, FaceTransformsShiftTheMomentByTheArm) {
  const csMatrixMaker2DRahmen maker;
  const std::vector<double> end{10.0, -4.0, 7.0};
  EXPECT_EQ(znMatrix::MultiplyVector(maker.MakeFaceTransformJ(0.5), end),
            (std::vector<double>{10.0, -4.0, 5.0}));
  EXPECT_EQ(znMatrix::MultiplyVector(maker.MakeFaceTransformI(0.5), end),
            (std::vector<double>{10.0, -4.0, 9.0}));
}

TEST(FrameStiffness, SpringStiffnessCouplesEachComponentWithItsPartner) {
  const auto k = csMatrixMaker2DRahmen().MakeSpringStiffness({1.0, 2.0, 3.0});
  for (znMatrix::Index i = 0; i < 6; ++i)
    for (znMatrix::Index j = 0; j < 6; ++j) {
      const double coef = 1.0 + i % 3;
      const double expected = i == j ? coef : (i % 3 == j % 3 ? -coef : 0.0);
      EXPECT_EQ(k.Get(i, j), expected) << i << ", " << j;
    }
}

TEST(FrameStiffness, DumpLabelsEveryField) {
  std::ostringstream out;
  out << FrameStiffnessProp{};
  const std::string text = out.str();
  for (const char* label :
       {"(IsRotarySpring) : ", "(A             ) : ", "(Kij           ) : ", "(Angle         ) : "})
    EXPECT_NE(text.find(label), std::string::npos) << label;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);
}

}  // namespace
