#include "fem/model/WallElement.h"

#include <array>
#include <cmath>

#include "fem/model/Finite.h"
#include "fem/model/Node.h"

namespace znFEM::znTraceYield2DRahmen {

namespace {

using znMatrix::csMatrix;
using znMatrix::Vector;
using Point = std::array<double, 2>;

constexpr std::size_t kWallDof = 12;
constexpr std::size_t kEdgeDof = 6;

double Distance(const Point& p, const Point& q) {
  return std::hypot(q[0] - p[0], q[1] - p[1]);
}

// The point la along the edge from a towards b.
Point Along(const Point& a, const Point& b, double la) {
  const double t = la / Distance(a, b);
  return {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])};
}

// The edge angle in global axes: the edge direction a -> b turned 90° counter-clockwise.
double EdgeNormalAngle(const Point& a, const Point& b) {
  return std::atan2(b[0] - a[0], a[1] - b[1]);
}

Point CoordinateOf(const ifNode* node) {
  return node->GetCoordinate();
}

// The edge's part of a wall vector: the six entries of its two nodes.
Vector EdgePart(const Vector& v, int edge) {
  const auto begin = v.begin() + edge * static_cast<long>(kEdgeDof);
  return Vector(begin, begin + static_cast<long>(kEdgeDof));
}

Triple ToTriple(const Vector& v) {
  return {v[0], v[1], v[2]};
}

ifWallElement::TriplePair EdgeResults(const std::pair<csMatrix, csMatrix>& edgeMatrices,
                                      const Vector& wallVector) {
  return {ToTriple(znMatrix::MultiplyVector(edgeMatrices.first, EdgePart(wallVector, 0))),
          ToTriple(znMatrix::MultiplyVector(edgeMatrices.second, EdgePart(wallVector, 1)))};
}

void AddScaled(Vector& total, const Vector& increment, double ratio) {
  for (std::size_t i = 0; i < total.size(); ++i) total[i] += ratio * increment[i];
}

void AddScaled(Triple& total, const Triple& increment, double ratio) {
  for (std::size_t i = 0; i < total.size(); ++i) total[i] += ratio * increment[i];
}

void AddScaled(ifWallElement::TriplePair& total, const ifWallElement::TriplePair& increment,
               double ratio) {
  AddScaled(total.first, increment.first, ratio);
  AddScaled(total.second, increment.second, ratio);
}

}  // namespace

csWallElement::csWallElement(ifLogger* logger,
                             const znMatrixMaker::ifMatrixMaker2DWallElement* maker)
    : logger_(logger),
      maker_(maker),
      K_(kWallDof),
      Tt_(kWallDof, kWallDof),
      forceOfEdge_{csMatrix(3, kEdgeDof), csMatrix(3, kEdgeDof)},
      dispOfEdge_{csMatrix(3, kEdgeDof), csMatrix(3, kEdgeDof)},
      dispIncrement_(kWallDof, 0.0),
      disp_(kWallDof, 0.0),
      forceIncrement_(kWallDof, 0.0),
      force_(kWallDof, 0.0) {}

void csWallElement::SetProp(const WallElementProp& prop) {
  CheckNodes(prop);
  CheckAlphaY(prop);
  prop_ = prop;
  DeriveGeometry();
  MakeMatrices();
  if (logger_ != nullptr) logger_->Prop(prop_);
}

void csWallElement::CheckNodes(const WallElementProp& prop) const {
  struct Corner {
    int edge;
    int node;
    const ifNode* ptr;
  };
  const Corner corners[4] = {{0, 0, prop.Node.first.first},
                             {0, 1, prop.Node.first.second},
                             {1, 0, prop.Node.second.first},
                             {1, 1, prop.Node.second.second}};
  // Pairs in the order (ia, ib), (ia, ja), (ia, jb), (ib, ja), (ib, jb), (ja, jb).
  for (int p = 0; p < 4; ++p) {
    for (int q = p + 1; q < 4; ++q) {
      if (CoordinateOf(corners[p].ptr) == CoordinateOf(corners[q].ptr)) {
        throw exTwoNodesAreSamePosition{prop.ID, corners[p].edge, corners[p].node, corners[q].edge,
                                        corners[q].node};
      }
    }
  }
}

void csWallElement::CheckAlphaY(const WallElementProp& prop) const {
  if (prop.AlphaY.first.first == 0.0 && prop.AlphaY.first.second == 0.0) {
    throw exBothAlphaYAreZero{prop.ID, 0};
  }
  if (prop.AlphaY.second.first == 0.0 && prop.AlphaY.second.second == 0.0) {
    throw exBothAlphaYAreZero{prop.ID, 1};
  }
}

// docs/theory.md "Wall geometry".
void csWallElement::DeriveGeometry() {
  const Point ia = CoordinateOf(prop_.Node.first.first);
  const Point ib = CoordinateOf(prop_.Node.first.second);
  const Point ja = CoordinateOf(prop_.Node.second.first);
  const Point jb = CoordinateOf(prop_.Node.second.second);
  const double lengthI = Distance(ia, ib);
  const double lengthJ = Distance(ja, jb);
  if (!prop_.IsLaGiven.first) prop_.La.first = lengthI / 2.0;
  if (!prop_.IsLaGiven.second) prop_.La.second = lengthJ / 2.0;

  const Point pI = Along(ia, ib, prop_.La.first);
  const Point pJ = Along(ja, jb, prop_.La.second);
  auto& g = geometry_;
  g.A = prop_.A;
  g.E = prop_.E;
  g.I = prop_.I;
  g.Poisson = prop_.Poisson;
  g.Kappa = prop_.Kappa;
  g.L = Distance(pI, pJ);
  g.Li = {prop_.La.first, lengthI - prop_.La.first};
  g.Lj = {prop_.La.second, lengthJ - prop_.La.second};
  g.Angle = std::atan2(pJ[1] - pI[1], pJ[0] - pI[0]);
  g.AngleIJ = {EdgeNormalAngle(ia, ib) - g.Angle, EdgeNormalAngle(ja, jb) - g.Angle};
  g.AlphaYI = prop_.AlphaY.first;
  g.AlphaYJ = prop_.AlphaY.second;

  // Reference points that meet only up to rounding would give an absurd stiffness too.
  if (znMatrix::IsZero(g.L)) throw exLIsEqualToZero{prop_.ID};
  if (g.Li.second <= 0.0) throw exLaIsOverLij{prop_.ID, 0};
  if (g.Lj.second <= 0.0) throw exLaIsOverLij{prop_.ID, 1};
}

void csWallElement::MakeMatrices() {
  const auto& g = geometry_;
  K_ = maker_->MakeStiffness(g);
  K_.AddMatrix(maker_->MakeEdgeSpringStiffness(prop_.Kwg, g.Angle, g.AngleIJ), 1.0, false);
  Tt_ = maker_->MakeGlobalToLocal(g.Angle);
  forceOfEdge_.first = maker_->MakeEdgeForceMatrix(g.Li, g.AngleIJ.first);
  forceOfEdge_.second = maker_->MakeEdgeForceMatrix(g.Lj, g.AngleIJ.second);
  dispOfEdge_.first = maker_->MakeEdgeDispMatrix(g.Li, g.AngleIJ.first, g.AlphaYI);
  dispOfEdge_.second = maker_->MakeEdgeDispMatrix(g.Lj, g.AngleIJ.second, g.AlphaYJ);
  const bool finite = IsFinite(K_, true) && IsFinite(Tt_) && IsFinite(forceOfEdge_.first) &&
                      IsFinite(forceOfEdge_.second) && IsFinite(dispOfEdge_.first) &&
                      IsFinite(dispOfEdge_.second);
  if (!finite) throw exStiffnessIsNotFinite{prop_.ID};
}

const WallElementProp& csWallElement::GetProp() const {
  return prop_;
}

ifWallElement::Nodes csWallElement::GetNodes() const {
  return prop_.Node;
}

void csWallElement::PrepareStiffness() {}

const znMatrix::csSymmetryMatrix& csWallElement::GetStiffness() const {
  return K_;
}

// docs/theory.md "Edge results".
void csWallElement::SetDispIncrement(const Vector& disp) {
  dispIncrement_ = znMatrix::MultiplyVector(Tt_, disp);
  forceIncrement_ = znMatrix::MultiplyVector(Tt_, znMatrix::MultiplyVector(K_, disp));
  edgeDispIncrement_ = EdgeResults(dispOfEdge_, dispIncrement_);
  edgeForceIncrement_ = EdgeResults(forceOfEdge_, forceIncrement_);
  if (logger_ == nullptr) return;
  logger_->DispIncrement(prop_, dispIncrement_);
  logger_->ForceIncrement(prop_, forceIncrement_);
  logger_->EdgeDispIncrement(prop_, edgeDispIncrement_);
  logger_->EdgeForceIncrement(prop_, edgeForceIncrement_);
}

std::pair<double, double> csWallElement::GetNextRatio() const {
  return {kInfinite, kInfinite};
}

void csWallElement::Update(double ratio) {
  AddScaled(disp_, dispIncrement_, ratio);
  AddScaled(force_, forceIncrement_, ratio);
  AddScaled(edgeDisp_, edgeDispIncrement_, ratio);
  AddScaled(edgeForce_, edgeForceIncrement_, ratio);
  if (logger_ == nullptr) return;
  logger_->Update(prop_, ratio);
  logger_->Disp(prop_, disp_);
  logger_->Force(prop_, force_);
  logger_->EdgeDisp(prop_, edgeDisp_);
  logger_->EdgeForce(prop_, edgeForce_);
}

void csWallElement::NextCase() {}

bool csWallElement::IsFailed() const {
  return false;
}

const Vector& csWallElement::GetDisp() const {
  return disp_;
}

const Vector& csWallElement::GetForce() const {
  return force_;
}

const ifWallElement::TriplePair& csWallElement::GetEdgeDisp() const {
  return edgeDisp_;
}

const ifWallElement::TriplePair& csWallElement::GetEdgeForce() const {
  return edgeForce_;
}

void csWallElement::BeginAnalysis() {
  if (logger_ != nullptr) logger_->AnalysisStarted();
}

void csWallElement::EndAnalysis() {
  if (logger_ != nullptr) logger_->AnalysisEnded();
}

void csWallElement::BeginStep(std::uint32_t step) {
  if (logger_ != nullptr) logger_->StepStarted(step);
}

void csWallElement::EndStep(std::uint32_t step) {
  if (logger_ != nullptr) logger_->StepEnded(step);
}

}  // namespace znFEM::znTraceYield2DRahmen
