#include "fem/makers/EquivalentEdgeLoad.h"

#include "fem/makers/RigidArms.h"
#include "matrix/Matrix.h"

namespace znFEM::znMatrixMaker {

namespace {

// The flexible part's quantities that every step of the calculation shares.
struct FlexiblePart {
  double l0;      // clear length
  double phi;     // shear parameter
  double ei;      // E·I
  double ki, kj;  // spring ratios
  bool spring_i, spring_j;
};

FlexiblePart MakeFlexiblePart(const FrameStiffnessProp& prop) {
  const auto [spring_i, spring_j] = EffectiveRotarySpring(prop);
  return {ClearLength(prop), ShearParameter(prop), prop.E * prop.I,
          prop.Kij.first,    prop.Kij.second,      spring_i,
          spring_j};
}

struct FaceForces {
  Triple i{0.0, 0.0, 0.0};
  Triple j{0.0, 0.0, 0.0};
};

// docs/theory.md "Equivalent edge loads: release by one end spring". mf is the fixed-end moment
// at the sprung end; the sprung end's own moment becomes (1 − (2+φ)/D1)·mf, the far end's moment
// drops by (1−φ)/D1·mf and the released moment's shear pair 3/(l0·D1)·mf goes to the faces.
void ReleaseOneSpring(const FlexiblePart& f, double k, double mf, double& near_m, double& far_m,
                      FaceForces& face) {
  const double d = OneSpringDenominator(f.phi, k);
  const double shear = 3.0 / (f.l0 * d) * mf;
  face.i[1] -= shear;
  face.j[1] += shear;
  near_m = (1.0 - (2.0 + f.phi) / d) * mf;
  far_m -= (1.0 - f.phi) / d * mf;
}

// docs/theory.md "Equivalent edge loads: release by two end springs".
void ReleaseTwoSprings(const FlexiblePart& f, const Triple& mi, const Triple& mj,
                       FaceForces& face) {
  const double ki = f.ki;
  const double kj = f.kj;
  const double d = TwoSpringDenominator(f.phi, ki, kj);
  const double c_i = 1.5 * (2.0 * ki + 1.0) / (f.l0 * d);
  const double c_j = 1.5 * (2.0 * kj + 1.0) / (f.l0 * d);
  const double g_i = (1.0 - f.phi) * ki / d;
  const double g_j = (1.0 - f.phi) * kj / d;
  const double h_i = ((f.phi + 2.0) * 2.0 * ki + 3.0) / (2.0 * d) - 1.0;
  const double h_j = ((f.phi + 2.0) * 2.0 * kj + 3.0) / (2.0 * d) - 1.0;
  const double shear = c_j * mi[2] + c_i * mj[2];
  face.i[1] = mi[1] - shear;
  face.i[2] = -h_j * mi[2] - g_i * mj[2];
  face.j[1] = mj[1] + shear;
  face.j[2] = -g_j * mi[2] - h_i * mj[2];
}

// Step 1: transverse and moment components of the face forces.
FaceForces MakeFaceBending(const FlexiblePart& f, const Triple& mi, const Triple& mj) {
  FaceForces face;
  face.i = mi;
  face.j = mj;
  if (f.spring_i && f.spring_j) {
    ReleaseTwoSprings(f, mi, mj, face);
  } else if (f.spring_i) {
    ReleaseOneSpring(f, f.ki, mi[2], face.i[2], face.j[2], face);
  } else if (f.spring_j) {
    ReleaseOneSpring(f, f.kj, mj[2], face.j[2], face.i[2], face);
  }
  return face;
}

// Step 2: axial components. A released end passes nothing; the other face takes the whole axial
// load. Both ends released act as a release at I alone, which keeps the axial load in equilibrium.
// docs/theory.md "Equivalent edge loads: axial release".
void SetFaceAxial(std::pair<bool, bool> release, const Triple& mi, const Triple& mj,
                  FaceForces& face) {
  face.i[0] = mi[0];
  face.j[0] = mj[0];
  if (release.first) {
    face.i[0] = 0.0;
    face.j[0] = mi[0] + mj[0];
  } else if (release.second) {
    face.i[0] = mi[0] + mj[0];
    face.j[0] = 0.0;
  }
}

// Step 3. docs/theory.md "Equivalent edge loads: carrying through the rigid zones". The rigid
// zone at `end` takes the negated forces of its own segment at the node and at the face, and the
// negated face force of the flexible part; the arm carries the face's share to the node.
Triple ZoneLoadAtNode(const csRigidArms& arms, int end, const Triple& at_node,
                      const Triple& at_face, const Triple& face) {
  const Triple carried =
      arms.ToNode(end, {-(at_face[0] + face[0]), -(at_face[1] + face[1]), -(at_face[2] + face[2])});
  return {carried[0] - at_node[0], carried[1] - at_node[1], carried[2] - at_node[2]};
}

// Rotational stiffness of the flexible part against a face rotation: (X, Y) at the same and at
// the far end.
std::pair<double, double> FlexibleRotationalTerms(const FlexiblePart& f) {
  const double scale = 2.0 * f.ei / f.l0 / (1.0 + 2.0 * f.phi);
  return {scale * (2.0 + f.phi), scale * (1.0 - f.phi)};
}

// Step 4 for two springs: [[Ki + X, Y], [Y, Kj + X]]·θ = (mi, mj). The system is solved divided
// by 2EI/l0, so its entries are of order one whatever the units, as the dense solver's absolute
// zero tests expect.
std::pair<double, double> SolveTwoSpringRotations(const FlexiblePart& f, double mi, double mj) {
  const double unit = 2.0 * f.ei / f.l0;
  const auto [x, y] = FlexibleRotationalTerms(f);
  znMatrix::csMatrix system(2, 2, 0.0);
  system.Set(0, 0, 2.0 * f.ki + x / unit);
  system.Set(0, 1, y / unit);
  system.Set(1, 0, y / unit);
  system.Set(1, 1, 2.0 * f.kj + x / unit);
  znMatrix::Vector theta(2, 0.0);
  system.Solve(theta, {mi / unit, mj / unit});
  return {theta[0], theta[1]};
}

// Step 4. docs/theory.md "Equivalent edge loads: spring rotations".
std::pair<double, double> MakeSpringRotations(const FlexiblePart& f, double mi, double mj) {
  const double x = FlexibleRotationalTerms(f).first;
  if (f.spring_i && f.spring_j) {
    return SolveTwoSpringRotations(f, mi, mj);
  }
  if (f.spring_i) return {mi / (4.0 * f.ei * f.ki / f.l0 + x), 0.0};
  if (f.spring_j) return {0.0, mj / (4.0 * f.ei * f.kj / f.l0 + x)};
  return {0.0, 0.0};
}

}  // namespace

csEquivalentEdgeLoad MakeEquivalentEdgeLoad(const FrameStiffnessProp& prop,
                                            std::pair<bool, bool> axialRelease,
                                            const SegmentForces& forces) {
  const FlexiblePart f = MakeFlexiblePart(prop);
  const Triple mi = SegmentTriple(forces, SegmentEnd::kMiddleStart);
  const Triple mj = SegmentTriple(forces, SegmentEnd::kMiddleEnd);

  FaceForces face = MakeFaceBending(f, mi, mj);
  SetFaceAxial(axialRelease, mi, mj, face);

  csEquivalentEdgeLoad result;
  result.FaceForceI = face.i;
  result.FaceForceJ = face.j;
  const csRigidArms arms(prop.Lij.first, prop.Lij.second);
  result.EquivalentLoadI = ZoneLoadAtNode(arms, 0, SegmentTriple(forces, SegmentEnd::kEdgeIStart),
                                          SegmentTriple(forces, SegmentEnd::kEdgeIEnd), face.i);
  result.EquivalentLoadJ = ZoneLoadAtNode(arms, 1, SegmentTriple(forces, SegmentEnd::kEdgeJEnd),
                                          SegmentTriple(forces, SegmentEnd::kEdgeJStart), face.j);
  result.SpringRotation = MakeSpringRotations(f, mi[2], mj[2]);

  const double axial_flexibility = f.l0 / (prop.E * prop.A);
  if (axialRelease.first) {
    result.Stretch.first = (mi[0] - face.i[0]) * axial_flexibility;
  } else if (axialRelease.second) {
    result.Stretch.second = (mj[0] - face.j[0]) * axial_flexibility;
  }
  return result;
}

}  // namespace znFEM::znMatrixMaker
