// One step of the yield-tracing analysis: numbering, assembly, loads, the supported solve,
// distribution of the unit increment, the step ratio, the update and the extremes.
#include "fem/model/EachDone.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace znFEM::znTraceYield2DRahmen {

using znMatrix::csBandMatrix;
using znMatrix::Index;
using znMatrix::Vector;
using znSimulEquation::ifSimulEquation;
using znSimulEquation::System;

namespace {

constexpr Index kDirections = 3;

Triple TripleAt(const Vector& v, Index first) {
  return {v[first], v[first + 1], v[first + 2]};
}

void PutTriple(Vector& v, Index first, const Triple& t) {
  for (Index d = 0; d < kDirections; ++d) v[first + d] = t[d];
}

void AddTriple(Vector& v, Index first, const Vector& source, Index sourceFirst) {
  for (Index d = 0; d < kDirections; ++d) v[first + d] += source[sourceFirst + d];
}

Vector Gather(const Vector& v, const std::vector<Index>& dofs) {
  Vector out(dofs.size());
  for (std::size_t a = 0; a < dofs.size(); ++a) out[a] = v[dofs[a]];
  return out;
}

// Adds the upper triangle of a member matrix at the member's global indices.
void AddMemberStiffness(csBandMatrix& K, const znMatrix::ifMatrix& k,
                        const std::vector<Index>& dofs) {
  for (Index a = 0; a < dofs.size(); ++a) {
    for (Index b = a; b < dofs.size(); ++b) K.AddAt(dofs[a], dofs[b], k.Get(a, b));
  }
}

// The smaller of a member's two ratios; the second only when it is strictly smaller.
double SmallerRatio(double first, double second) {
  return second < first ? second : first;
}

// A node's displacement measure: the larger translation (rotation not counted).
double TranslationOf(const Triple& disp) {
  return std::max(std::fabs(disp[0]), std::fabs(disp[1]));
}

// The largest value over a list, kept only when strictly greater than the best so far, so
// the first in list order wins a tie and an all-zero list leaves the ID empty.
struct Extreme {
  double value = 0.0;
  std::string ID;
  void Offer(double candidate, const std::string& id) {
    if (candidate > value) {
      value = candidate;
      ID = id;
    }
  }
};

}  // namespace

csEachDone::csEachDone(ifSimulEquation& solver) : solver_(solver) {}

void csEachDone::SetNodes(const std::vector<ifNode*>& nodes) {
  nodes_ = nodes;
  nodeIndex_.clear();
  nodeIndex_.reserve(nodes_.size());
  for (Index p = 0; p < nodes_.size(); ++p) nodeIndex_.emplace(nodes_[p], p);
  n_ = static_cast<std::uint32_t>(kDirections * nodes_.size());
}

void csEachDone::SetElements(const std::vector<ifElement*>& elements) {
  elements_ = elements;
  elementDofs_.clear();
  for (const ifElement* element : elements_) {
    const PerEnd<ifNode*> ends = element->GetNodes();
    elementDofs_.push_back(DofsOf({ends[0], ends[1]}));
  }
}

void csEachDone::SetWallElements(const std::vector<ifWallElement*>& wallElements) {
  wallElements_ = wallElements;
  wallDofs_.clear();
  for (const ifWallElement* wall : wallElements_) {
    const ifWallElement::Nodes nodes = wall->GetNodes();
    wallDofs_.push_back(
        DofsOf({nodes.first.first, nodes.first.second, nodes.second.first, nodes.second.second}));
  }
}

Index csEachDone::PositionOf(const ifNode* node) const {
  const auto found = nodeIndex_.find(node);
  if (found == nodeIndex_.end()) {
    throw std::logic_error("a member's node is not in the step solver's node list");
  }
  return found->second;
}

// Also widens the band to hold the member: 3 × (spread of its node positions + 1).
// docs/theory.md "Step: numbering, band width and assembly".
csEachDone::DofList csEachDone::DofsOf(const std::vector<const ifNode*>& nodes) {
  DofList dofs;
  Index first = PositionOf(nodes.front());
  Index last = first;
  for (const ifNode* node : nodes) {
    const Index p = PositionOf(node);
    first = std::min(first, p);
    last = std::max(last, p);
    for (Index d = 0; d < kDirections; ++d) dofs.push_back(kDirections * p + d);
  }
  w_ = std::max(w_, kDirections * (last - first + 1));
  return dofs;
}

void csEachDone::Do(double remaining, std::uint32_t step, std::uint32_t loadCase) {
  const csBandMatrix K = AssembleStiffness();
  System system = BuildSystem(K);
  if (std::all_of(system.supported.begin(), system.supported.end(), [](bool s) { return s; })) {
    throw exAllDegreesAreSupported{};
  }
  for (ifElement* element : elements_) element->PrepareFixCase();
  AddEquivalentLoads(system.F);
  const auto isZero = [](double v) { return v == 0.0; };
  if (std::all_of(system.F.begin(), system.F.end(), isZero) &&
      std::all_of(system.U.begin(), system.U.end(), isZero)) {
    throw exLoadsAndDispsAreAllZero{step, loadCase};
  }
  SolveSystem(system, step);
  Distribute(system);
  const double ratio = StepRatio(remaining);
  if (ratio < 0.0) throw exRatioIsUnderZero{step, ratio};
  if (ratio == kInfinite) throw exRatioReachedToInfinite{step, loadCase};
  Apply(ratio);
  RecordExtremes(ratio);
}

csBandMatrix csEachDone::AssembleStiffness() const {
  csBandMatrix K(n_, w_);
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    elements_[e]->PrepareStiffness();
    AddMemberStiffness(K, elements_[e]->GetStiffness(), elementDofs_[e]);
  }
  for (std::size_t e = 0; e < wallElements_.size(); ++e) {
    wallElements_[e]->PrepareStiffness();
    AddMemberStiffness(K, wallElements_[e]->GetStiffness(), wallDofs_[e]);
  }
  return K;
}

System csEachDone::BuildSystem(const csBandMatrix& K) const {
  System system{K, std::vector<bool>(n_), Vector(n_, 0.0), Vector(n_, 0.0)};
  for (Index p = 0; p < nodes_.size(); ++p) {
    const std::array<bool, 3> supported = nodes_[p]->GetIsSupported();
    for (Index d = 0; d < kDirections; ++d) system.supported[kDirections * p + d] = supported[d];
    PutTriple(system.F, kDirections * p, nodes_[p]->GetImposedLoad());
    PutTriple(system.U, kDirections * p, nodes_[p]->GetImposedDisp());
  }
  return system;
}

// Every member's end-I loads first, then every member's end-J loads.
void csEachDone::AddEquivalentLoads(Vector& F) const {
  for (Index end = 0; end < 2; ++end) {
    for (std::size_t e = 0; e < elements_.size(); ++e) {
      const Vector& load = elements_[e]->GetEquivalentLoad();
      AddTriple(F, elementDofs_[e][kDirections * end], load, kDirections * end);
    }
  }
}

// Turns the solver's degree-of-freedom indices into the node and direction they belong to.
void csEachDone::SolveSystem(System& system, std::uint32_t step) const {
  const auto nodeID = [this](Index dof) { return nodes_[dof / kDirections]->GetProp().ID; };
  try {
    solver_.Solve(system);
  } catch (const ifSimulEquation::exThereIsZeroRow& e) {
    throw exTheNodeIsIsolated{nodeID(e.dof), e.dof % kDirections, step};
  } catch (const ifSimulEquation::exUnBalancedLoad& e) {
    throw exUnBalancedLoad{nodeID(e.dof), e.dof % kDirections, step, e.imbalance};
  } catch (const ifSimulEquation::exFailedToAnalyzeMatrix&) {
    throw exFailedToAnalyzeMatrix{step};
  }
}

void csEachDone::Distribute(const System& system) const {
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    elements_[e]->SetDispIncrement(Gather(system.U, elementDofs_[e]));
  }
  for (std::size_t e = 0; e < wallElements_.size(); ++e) {
    wallElements_[e]->SetDispIncrement(Gather(system.U, wallDofs_[e]));
  }
  for (Index p = 0; p < nodes_.size(); ++p) {
    nodes_[p]->SetForceIncrement(TripleAt(system.F, kDirections * p));
  }
  for (Index p = 0; p < nodes_.size(); ++p) {
    nodes_[p]->SetDispIncrement(TripleAt(system.U, kDirections * p));
  }
}

double csEachDone::StepRatio(double remaining) const {
  double ratio = remaining;
  for (ifElement* element : elements_) {
    const PerEnd<double> next = element->GetNextRatio();
    ratio = std::min(ratio, SmallerRatio(next[0], next[1]));
  }
  for (const ifWallElement* wall : wallElements_) {
    const std::pair<double, double> next = wall->GetNextRatio();
    ratio = std::min(ratio, SmallerRatio(next.first, next.second));
  }
  return ratio;
}

void csEachDone::Apply(double ratio) const {
  for (ifNode* node : nodes_) node->Update(ratio);
  for (ifElement* element : elements_) element->Update(ratio);
  for (ifWallElement* wall : wallElements_) wall->Update(ratio);
}

void csEachDone::RecordExtremes(double ratio) {
  Extreme disp;
  Extreme addDisp;
  for (const ifNode* node : nodes_) {
    disp.Offer(TranslationOf(node->GetDisp()), node->GetProp().ID);
    addDisp.Offer(TranslationOf(node->GetDispIncrement()), node->GetProp().ID);
  }
  Extreme angle;
  Extreme addAngle;
  for (const ifElement* element : elements_) {
    angle.Offer(std::fabs(element->GetRotationAngle()), element->GetProp().ID);
    addAngle.Offer(std::fabs(element->GetRotationAngleIncrement()), element->GetProp().ID);
  }
  addRatio_ = ratio;
  maxAddDisp_ = ratio * addDisp.value;
  maxAddRotAngle_ = ratio * addAngle.value;
  maxDisp_ = disp.value;
  maxRotAngle_ = angle.value;
  maxDispNodeID_ = disp.ID;
  maxAddDispNodeID_ = addDisp.ID;
  maxRotAngleElementID_ = angle.ID;
  maxAddRotAngleElementID_ = addAngle.ID;
}

bool csEachDone::IsFinished() {
  for (ifElement* element : elements_) {
    if (element->IsFailed()) return true;
  }
  for (const ifWallElement* wall : wallElements_) {
    if (wall->IsFailed()) return true;
  }
  return false;
}

double csEachDone::GetAddRatio() const {
  return addRatio_;
}

double csEachDone::GetMaxDisp() const {
  return maxDisp_;
}

double csEachDone::GetMaxRotAngle() const {
  return maxRotAngle_;
}

double csEachDone::GetMaxAddDisp() const {
  return maxAddDisp_;
}

double csEachDone::GetMaxAddRotAngle() const {
  return maxAddRotAngle_;
}

std::string csEachDone::GetMaxDispNodeID() const {
  return maxDispNodeID_;
}

std::string csEachDone::GetMaxRotAngleElementID() const {
  return maxRotAngleElementID_;
}

std::string csEachDone::GetMaxAddDispNodeID() const {
  return maxAddDispNodeID_;
}

std::string csEachDone::GetMaxAddRotAngleElementID() const {
  return maxAddRotAngleElementID_;
}

}  // namespace znFEM::znTraceYield2DRahmen
