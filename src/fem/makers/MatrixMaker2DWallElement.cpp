// Wall element stiffness: core member stiffness, edge distribution matrices, rotations.
#include "fem/makers/MatrixMaker2DWallElement.h"

#include <cmath>
#include <ostream>

#include "fem/makers/FrameStiffnessProp.h"

namespace znFEM::znMatrixMaker {

namespace {

using znMatrix::csMatrix;
using znMatrix::csSymmetryMatrix;
using znMatrix::Index;

constexpr Index kWallDof = 12;
constexpr Index kEdgeDof = 6;
constexpr Index kCoreDof = 3;

// Weights of one edge: lever-rule shares across it, along-edge shares, its direction.
struct EdgeWeights {
  double s;       // edge length a + b
  double pa;      // a / s
  double pb;      // b / s
  double alphaA;  // normalised along-edge share of node a
  double alphaB;  // normalised along-edge share of node b
  double c;       // cos of the edge angle
  double n;       // sin of the edge angle
};

EdgeWeights WeighEdge(const std::pair<double, double>& parts, double theta,
                      const std::pair<double, double>& alphaY) {
  const double s = parts.first + parts.second;
  const double alphaSum = alphaY.first + alphaY.second;
  return {s,
          parts.first / s,
          parts.second / s,
          alphaY.first / alphaSum,
          alphaY.second / alphaSum,
          std::cos(theta),
          std::sin(theta)};
}

// docs/theory.md "Core stiffness of the equivalent member".
csMatrix MakeCore(const WallStiffnessProp& p) {
  const double phi = ShearParameter(p.E, p.I, p.A, p.Poisson, p.Kappa, p.L);
  const double q = 1.0 / (2.0 * phi + 1.0);
  const double EI = p.E * p.I;
  csMatrix k0(kCoreDof, kCoreDof);
  k0.Set(0, 0, p.E * p.A / p.L);
  k0.Set(1, 1, 12.0 * q * EI / (p.L * p.L * p.L));
  k0.Set(1, 2, -6.0 * q * EI / (p.L * p.L));
  k0.Set(2, 1, k0.Get(1, 2));
  k0.Set(2, 2, 4.0 * (phi / 2.0 + 1.0) * q * EI / p.L);
  return k0;
}

void SetRow(csMatrix& m, Index row, double v0, double v1, double v2) {
  m.Set(row, 0, v0);
  m.Set(row, 1, v1);
  m.Set(row, 2, v2);
}

// docs/theory.md "Distribution to the nodes of edge J".
csMatrix MakeDistributionJ(const EdgeWeights& w) {
  const double c = w.c;
  const double n = w.n;
  csMatrix b(kEdgeDof, kCoreDof);
  SetRow(b, 0, w.pb * c * c + w.alphaA * n * n, (w.pb - w.alphaA) * n * c, -c / w.s);
  SetRow(b, 1, (w.pb - w.alphaA) * n * c, w.pb * n * n + w.alphaA * c * c, -n / w.s);
  SetRow(b, 3, w.pa * c * c + w.alphaB * n * n, (w.pa - w.alphaB) * n * c, c / w.s);
  SetRow(b, 4, (w.pa - w.alphaB) * n * c, w.pa * n * n + w.alphaB * c * c, n / w.s);
  return b;
}

// docs/theory.md "Distribution to the nodes of edge I".
csMatrix MakeDistributionI(const EdgeWeights& w, double a, double bPart, double L) {
  const double c = w.c;
  const double n = w.n;
  const double g = L * c / w.s;
  const double paLever = (L * n + a) / w.s;
  const double pbLever = (bPart - L * n) / w.s;
  csMatrix b(kEdgeDof, kCoreDof);
  SetRow(b, 0, pbLever * c * c + g * n * c + w.alphaA * n * n,
         pbLever * n * c - g * c * c - w.alphaA * n * c, -c / w.s);
  SetRow(b, 1, pbLever * n * c + g * n * n - w.alphaA * n * c,
         pbLever * n * n - g * n * c + w.alphaA * c * c, -n / w.s);
  SetRow(b, 3, paLever * c * c - g * n * c + w.alphaB * n * n,
         paLever * n * c + g * c * c - w.alphaB * n * c, c / w.s);
  SetRow(b, 4, paLever * n * c - g * n * n - w.alphaB * n * c,
         paLever * n * n + g * n * c + w.alphaB * c * c, n / w.s);
  b.Multiply(-1.0);
  return b;
}

// B·k·Bᵀ for a 12×3 B and a symmetric 3×3 k, formed over the upper triangle only.
csSymmetryMatrix Congruence(const csMatrix& B, const csMatrix& k) {
  const csMatrix Bk = znMatrix::MultiplyMatrix(B, k);
  const Index n = B.GetRowN();
  csSymmetryMatrix result(n);
  for (Index i = 0; i < n; ++i) {
    for (Index j = i; j < n; ++j) {
      double sum = 0.0;
      for (Index p = 0; p < B.GetColN(); ++p) sum += Bk.Get(i, p) * B.Get(j, p);
      result.Set(i, j, sum);
    }
  }
  return result;
}

csMatrix Transposed(const csMatrix& m) {
  csMatrix t(m);
  t.Transpose();
  return t;
}

// T·S·Tᵀ, formed over the upper triangle only.
csSymmetryMatrix Rotate(const csSymmetryMatrix& S, const csMatrix& T) {
  csSymmetryMatrix result(S.GetRowN());
  znMatrix::MultiplySymmetric(result, znMatrix::MultiplyMatrix(T, S), Transposed(T), 1.0);
  return result;
}

// The 3×3 rotation [[cos, −sin, 0], [sin, cos, 0], [0, 0, 1]] at (at, at).
void SetRotationBlock(csMatrix& m, Index at, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  m.Set(at, at, c);
  m.Set(at, at + 1, -s);
  m.Set(at + 1, at, s);
  m.Set(at + 1, at + 1, c);
  m.Set(at + 2, at + 2, 1.0);
}

void PutPair(std::ostream& out, const char* label, const std::pair<double, double>& value) {
  out << label << value.first << ", " << value.second << '\n';
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const WallStiffnessProp& prop) {
  out << "(A      ) : " << prop.A << '\n';
  out << "(E      ) : " << prop.E << '\n';
  out << "(I      ) : " << prop.I << '\n';
  out << "(Poisson) : " << prop.Poisson << '\n';
  out << "(Kappa  ) : " << prop.Kappa << '\n';
  out << "(L      ) : " << prop.L << '\n';
  PutPair(out, "(Li     ) : ", prop.Li);
  PutPair(out, "(Lj     ) : ", prop.Lj);
  out << "(Angle  ) : " << prop.Angle << '\n';
  PutPair(out, "(AngleIJ) : ", prop.AngleIJ);
  PutPair(out, "(AlphaYI) : ", prop.AlphaYI);
  PutPair(out, "(AlphaYJ) : ", prop.AlphaYJ);
  return out;
}

// docs/theory.md "Wall stiffness".
znMatrix::csSymmetryMatrix csMatrixMaker2DWallElement::MakeStiffness(
    const WallStiffnessProp& prop) const {
  const EdgeWeights edgeI = WeighEdge(prop.Li, prop.AngleIJ.first, prop.AlphaYI);
  const EdgeWeights edgeJ = WeighEdge(prop.Lj, prop.AngleIJ.second, prop.AlphaYJ);
  csMatrix B(kWallDof, kCoreDof);
  B.AddPartial(0, 0, MakeDistributionI(edgeI, prop.Li.first, prop.Li.second, prop.L), 1.0);
  B.AddPartial(kEdgeDof, 0, MakeDistributionJ(edgeJ), 1.0);
  return Rotate(Congruence(B, MakeCore(prop)), MakeLocalToGlobal(prop.Angle));
}

// docs/theory.md "Edge springs".
znMatrix::csSymmetryMatrix csMatrixMaker2DWallElement::MakeEdgeSpringStiffness(
    double kwg, double angle, const std::pair<double, double>& angleIJ) const {
  csSymmetryMatrix S(kWallDof);
  for (Index a : {Index{1}, Index{7}}) {
    S.Set(a, a, kwg);
    S.Set(a + 3, a + 3, kwg);
    S.Set(a, a + 3, -kwg);
  }
  csMatrix E(kWallDof, kWallDof);
  SetRotationBlock(E, 0, angleIJ.first);
  SetRotationBlock(E, 3, angleIJ.first);
  SetRotationBlock(E, 6, angleIJ.second);
  SetRotationBlock(E, 9, angleIJ.second);
  return Rotate(S, znMatrix::MultiplyMatrix(MakeLocalToGlobal(angle), E));
}

znMatrix::csMatrix csMatrixMaker2DWallElement::MakeLocalToGlobal(double angle) const {
  csMatrix T(kWallDof, kWallDof);
  for (Index at = 0; at < kWallDof; at += 3) SetRotationBlock(T, at, angle);
  return T;
}

znMatrix::csMatrix csMatrixMaker2DWallElement::MakeGlobalToLocal(double angle) const {
  return Transposed(MakeLocalToGlobal(angle));
}

// docs/theory.md "Edge results".
znMatrix::csMatrix csMatrixMaker2DWallElement::MakeEdgeForceMatrix(
    const std::pair<double, double>& edgeParts, double edgeAngle) const {
  const double c = std::cos(edgeAngle);
  const double n = std::sin(edgeAngle);
  const double a = edgeParts.first;
  const double b = edgeParts.second;
  csMatrix m(3, kEdgeDof);
  m.Set(0, 0, 1.0);
  m.Set(0, 3, 1.0);
  m.Set(1, 1, 1.0);
  m.Set(1, 4, 1.0);
  m.Set(2, 0, -a * c);
  m.Set(2, 1, -a * n);
  m.Set(2, 3, b * c);
  m.Set(2, 4, b * n);
  return m;
}

// docs/theory.md "Edge results".
znMatrix::csMatrix csMatrixMaker2DWallElement::MakeEdgeDispMatrix(
    const std::pair<double, double>& edgeParts, double edgeAngle,
    const std::pair<double, double>& alphaY) const {
  return Transposed(MakeDistributionJ(WeighEdge(edgeParts, edgeAngle, alphaY)));
}

}  // namespace znFEM::znMatrixMaker
