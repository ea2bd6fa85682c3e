// Nodes, member records and axis helpers shared by the frame element tests.
#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/model/Element.h"
#include "fem/model/Node.h"

namespace elementtest {

using namespace znFEM::znTraceYield2DRahmen;
using znMatrix::Vector;

// Section of every test member: EA = 1e4, EI = 1000, no shear deformation (kappa 0).
inline constexpr double kA = 10.0;
inline constexpr double kE = 1000.0;
inline constexpr double kI = 1.0;
inline constexpr double kEI = kE * kI;
inline constexpr double kEA = kE * kA;

// Owns the nodes the members of one test frame into.
class Frame {
 public:
  csNode* AddNode(const std::string& id, double x, double y) {
    NodeProp prop;
    prop.ID = id;
    prop.Coordinate = {x, y};
    return AddNode(prop);
  }
  csNode* AddNode(const NodeProp& prop, csNode::ifLogger* logger = nullptr) {
    nodes_.push_back(std::make_unique<csNode>(logger));
    nodes_.back()->SetProp(prop);
    return nodes_.back().get();
  }

  znFEM::znMatrixMaker::csMatrixMaker2DRahmen maker;

 private:
  std::vector<std::unique_ptr<csNode>> nodes_;
};

inline ElementProp MemberProp(const std::string& id, ifNode* i, ifNode* j) {
  ElementProp prop;
  prop.ID = id;
  prop.Node = {i, j};
  prop.NodeID = {i->GetProp().ID, j->GetProp().ID};
  prop.A = kA;
  prop.E = kE;
  prop.I = kI;
  prop.Poisson = 0.3;
  prop.Kappa = 0.0;
  return prop;
}

// Global 6-vector of a member-axis 6-vector for a member at angle theta.
inline Vector ToGlobal(const Vector& local, double theta) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  Vector g(6);
  for (int e = 0; e < 2; ++e) {
    g[3 * e] = c * local[3 * e] - s * local[3 * e + 1];
    g[3 * e + 1] = s * local[3 * e] + c * local[3 * e + 1];
    g[3 * e + 2] = local[3 * e + 2];
  }
  return g;
}

// Keeps the last values of the operations the tests look at; ignores the rest.
class ElementRecorder : public csElement::ifLogger {
 public:
  void Prop(const ElementProp&) override {}
  void FixCase(const ElementProp&, const Vector&, const znFEM::znMatrixMaker::csEquivalentEdgeLoad&,
               const Vector& face, double stretch, const PerEnd<double>& spring,
               const PerEnd<double>& panel) override {
    fixFaceForceIncrement = face;
    fixStretchIncrement = stretch;
    fixSpringRotationIncrement = spring;
    fixPanelRotationIncrement = panel;
  }
  void DispIncrement(const ElementProp&, const Vector&) override {}
  void FaceForceIncrement(const ElementProp&, const Vector&) override {}
  void StretchIncrement(const ElementProp&, double) override {}
  void SpringRotationIncrement(const ElementProp&, const PerEnd<double>& r) override {
    springRotationIncrement = r;
  }
  void PanelRotationIncrement(const ElementProp&, const PerEnd<double>& r) override {
    panelRotationIncrement = r;
  }
  void RotationAngleIncrement(const ElementProp&, double) override {}
  void Disp(const ElementProp&, const Vector&) override {}
  void FaceForce(const ElementProp&, const Vector&, const Vector&) override {}
  void Stretch(const ElementProp&, double, double, const PerEnd<std::int32_t>&) override {}
  void SpringRotation(const ElementProp&, const PerEnd<double>&, const PerEnd<double>&,
                      const PerEnd<std::int32_t>&) override {}
  void PanelRotation(const ElementProp&, const PerEnd<double>&, const PerEnd<double>&,
                     const PerEnd<std::int32_t>&) override {}
  void RotationAngle(const ElementProp&, double) override {}
  void AxialRatio(const ElementProp&, const PerEnd<double>& r) override { axialRatio = r; }
  void MomentRatio(const ElementProp&, const PerEnd<double>& r) override { momentRatio = r; }
  void ShearRatio(const ElementProp&, const PerEnd<double>& r) override { shearRatio = r; }
  void PanelRatio(const ElementProp&, const PerEnd<double>& r) override { panelRatio = r; }
  void NextRatio(const ElementProp&, const PerEnd<double>&) override {}
  void AxialUnloading(const ElementProp&, bool u) override { axialUnloading = u; }
  void HingeUnloading(const ElementProp&, const PerEnd<bool>& u) override { hingeUnloading = u; }
  void PanelUnloading(const ElementProp&, const PerEnd<bool>& u) override { panelUnloading = u; }
  void Update(const ElementProp&, double) override {}
  void NextCase(const ElementProp&, std::uint32_t) override {}
  void AxialFailed(const ElementProp&) override { axialFailed = true; }
  void ShearFailed(const ElementProp&, std::uint32_t end) override { shearFailedEnd = end; }
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  Vector fixFaceForceIncrement;
  double fixStretchIncrement = 0.0;
  PerEnd<double> fixSpringRotationIncrement{};
  PerEnd<double> fixPanelRotationIncrement{};
  PerEnd<double> springRotationIncrement{};
  PerEnd<double> panelRotationIncrement{};
  PerEnd<double> axialRatio{};
  PerEnd<double> momentRatio{};
  PerEnd<double> shearRatio{};
  PerEnd<double> panelRatio{};
  bool axialUnloading = false;
  PerEnd<bool> hingeUnloading{};
  PerEnd<bool> panelUnloading{};
  bool axialFailed = false;
  int shearFailedEnd = -1;
};

}  // namespace elementtest
