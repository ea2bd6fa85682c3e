// One step of the yield-tracing analysis: numbering, assembly, loads, the supported solve,
// distribution of the unit increment, the step ratio, the update and the extremes.
#include "fem/model/EachDone.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <type_traits>

#include "clock/PhaseClock.h"
#include "matrix/BandOrder.h"

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

void AddTriple(Vector& v, Index first, const Six& source, Index sourceFirst) {
  for (Index d = 0; d < kDirections; ++d) v[first + d] += source[sourceFirst + d];
}

Vector Gather(const Vector& v, const std::vector<Index>& dofs) {
  Vector out(dofs.size());
  for (std::size_t a = 0; a < dofs.size(); ++a) out[a] = v[dofs[a]];
  return out;
}

// The six values of a frame element's degrees of freedom.
Six GatherSix(const Vector& v, const std::array<Index, 6>& dofs) {
  Six out;
  for (std::size_t a = 0; a < out.size(); ++a) out[a] = v[dofs[a]];
  return out;
}

// Adds the upper triangle of a member matrix at the member's global indices.
template <class Dofs>
void AddMemberStiffness(csBandMatrix& K, const znMatrix::ifMatrix& k, const Dofs& dofs) {
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
  numbered_ = false;
}

void csEachDone::SetElements(const std::vector<ifElement*>& elements) {
  elements_ = elements;
  elementNodes_.clear();
  elementNodes_.reserve(elements_.size());
  for (const ifElement* element : elements_) {
    const PerEnd<ifNode*> ends = element->GetNodes();
    elementNodes_.push_back({PositionOf(ends[0]), PositionOf(ends[1])});
  }
  numbered_ = false;
}

// The joint check learns where each member end and each wall meets the node list.
void csEachDone::SetWallElements(const std::vector<ifWallElement*>& wallElements) {
  wallElements_ = wallElements;
  wallNodes_.clear();
  for (const ifWallElement* wall : wallElements_) {
    const ifWallElement::Nodes nodes = wall->GetNodes();
    wallNodes_.push_back(PositionsOf(
        {nodes.first.first, nodes.first.second, nodes.second.first, nodes.second.second}));
  }
  numbered_ = false;
  std::vector<Index> walled;
  for (const NodeList& positions : wallNodes_)
    walled.insert(walled.end(), positions.begin(), positions.end());
  joints_.Set(nodes_, elements_, elementNodes_, walled);
  // Every member and wall has found its nodes: the index is not needed again.
  std::unordered_map<const ifNode*, Index>().swap(nodeIndex_);
}

Index csEachDone::PositionOf(const ifNode* node) const {
  const auto found = nodeIndex_.find(node);
  if (found == nodeIndex_.end()) {
    throw std::logic_error("a member's node is not in the step solver's node list");
  }
  return found->second;
}

csEachDone::NodeList csEachDone::PositionsOf(const std::vector<const ifNode*>& nodes) const {
  NodeList positions;
  for (const ifNode* node : nodes) positions.push_back(PositionOf(node));
  return positions;
}

// The equations follow the node list unless renumbering the nodes by reverse Cuthill–McKee over
// the members and walls narrows the half band width by a fifth or more; the reports, the
// drawing and the failures keep to the node list either way.
// docs/theory.md "Step: numbering, band width and assembly".
void csEachDone::Number() {
  std::vector<znMatrix::Edge> edges;
  Index inputSpread = 0;
  bool anyMember = false;
  const auto addEdges = [&](const auto& positions) {
    anyMember = true;
    const auto [low, high] = std::minmax_element(positions.begin(), positions.end());
    inputSpread = std::max(inputSpread, *high - *low);
    for (std::size_t a = 0; a + 1 < positions.size(); ++a) {
      for (std::size_t b = a + 1; b < positions.size(); ++b) {
        edges.emplace_back(positions[a], positions[b]);
      }
    }
  };
  edges.reserve(elementNodes_.size() + 6 * wallNodes_.size());
  for (const PerEnd<Index>& positions : elementNodes_) addEdges(positions);
  for (const NodeList& positions : wallNodes_) addEdges(positions);
  slot_.clear();
  Index spread = inputSpread;
  if (inputSpread > 0) {
    const std::vector<Index> order =
        znMatrix::ReverseCuthillMcKee(static_cast<Index>(nodes_.size()), edges);
    std::vector<Index> slot(nodes_.size());
    for (Index k = 0; k < order.size(); ++k) slot[order[k]] = k;
    Index orderedSpread = 0;
    for (const auto& [a, b] : edges) {
      orderedSpread =
          std::max(orderedSpread, slot[a] > slot[b] ? slot[a] - slot[b] : slot[b] - slot[a]);
    }
    if (5 * (orderedSpread + 1) <= 4 * (inputSpread + 1)) {
      slot_ = std::move(slot);
      spread = orderedSpread;
    }
  }
  w_ = anyMember ? kDirections * (spread + 1) : 0;
  wallDofs_.clear();
  for (const NodeList& positions : wallNodes_) wallDofs_.push_back(DofsOf<DofList>(positions));
  numbered_ = true;
}

// A member's six are worked out from its two node positions where they are used, rather than
// kept for every member.
csEachDone::FrameDofs csEachDone::ElementDofs(std::size_t e) const {
  return DofsOf<FrameDofs>(elementNodes_[e]);
}

Index csEachDone::FirstDof(Index position) const {
  return kDirections * (slot_.empty() ? position : slot_[position]);
}

template <class Dofs, class Positions>
Dofs csEachDone::DofsOf(const Positions& positions) const {
  Dofs dofs{};
  if constexpr (std::is_same_v<Dofs, DofList>) dofs.resize(kDirections * positions.size());
  for (std::size_t k = 0; k < positions.size(); ++k) {
    for (Index d = 0; d < kDirections; ++d) dofs[kDirections * k + d] = FirstDof(positions[k]) + d;
  }
  return dofs;
}

void csEachDone::Do(double remaining, std::uint32_t step, std::uint32_t loadCase) {
  if (!numbered_) Number();
  failure_ = {};
  events_.clear();
  joints_.ReleaseHolds();
  SolveUnitIncrement(step, loadCase);
  const znClock::csPhase phase(znClock::Phase::MemberForces);
  const double ratio = StepRatio(remaining);
  if (ratio < 0.0) throw exRatioIsUnderZero{step, ratio};
  if (ratio == kInfinite) throw exRatioReachedToInfinite{step, loadCase};
  joints_.HoldEnds(ratio);
  Apply(ratio);
  FindFailure();
  GatherEvents();
  RecordExtremes(ratio);
}

// The stiffness and the system are gone when this returns, before the members and nodes apply
// the step and report their totals.
void csEachDone::SolveUnitIncrement(std::uint32_t step, std::uint32_t loadCase) {
  std::optional<znClock::csPhase> phase(std::in_place, znClock::Phase::Assemble);
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
  phase.emplace(znClock::Phase::Solve);
  SolveSystem(system, step);
  phase.emplace(znClock::Phase::MemberForces);
  Distribute(system);
}

// No loads: a singular stiffness fails the solve as it would in a step.
bool csEachDone::IsStiffnessSingular() {
  const csBandMatrix K = AssembleStiffness();
  System system = BuildSystem(K);
  std::fill(system.F.begin(), system.F.end(), 0.0);
  std::fill(system.U.begin(), system.U.end(), 0.0);
  try {
    solver_.Solve(system);
  } catch (const ifSimulEquation::exThereIsZeroRow&) {
    return true;
  } catch (const ifSimulEquation::exFailedToAnalyzeMatrix&) {
    return true;
  }
  return false;
}

csBandMatrix csEachDone::AssembleStiffness() const {
  csBandMatrix K(n_, w_);
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    elements_[e]->PrepareStiffness();
    AddMemberStiffness(K, elements_[e]->GetStiffness(), ElementDofs(e));
  }
  for (std::size_t e = 0; e < wallElements_.size(); ++e) {
    wallElements_[e]->PrepareStiffness();
    AddMemberStiffness(K, wallElements_[e]->GetStiffness(), wallDofs_[e]);
  }
  return K;
}

System csEachDone::BuildSystem(const csBandMatrix& K) const {
  System system{K, std::vector<bool>(n_), Vector(n_, 0.0), Vector(n_, 0.0)};
  system.kind.resize(n_);  // translations 0, rotations 1
  for (Index p = 0; p < nodes_.size(); ++p) {
    const std::array<bool, 3> supported = nodes_[p]->GetIsSupported();
    for (Index d = 0; d < kDirections; ++d) system.supported[FirstDof(p) + d] = supported[d];
    PutTriple(system.F, FirstDof(p), nodes_[p]->GetImposedLoad());
    PutTriple(system.U, FirstDof(p), nodes_[p]->GetImposedDisp());
    for (Index d = 0; d < kDirections; ++d) system.kind[FirstDof(p) + d] = d == 2 ? 1 : 0;
    if (!slot_.empty()) {
      for (Index d = 0; d < kDirections; ++d) system.searchOrder.push_back(FirstDof(p) + d);
    }
  }
  return system;
}

// Every member's end-I loads first, then every member's end-J loads.
void csEachDone::AddEquivalentLoads(Vector& F) const {
  for (Index end = 0; end < 2; ++end) {
    for (std::size_t e = 0; e < elements_.size(); ++e) {
      const Six& load = elements_[e]->GetEquivalentLoad();
      AddTriple(F, FirstDof(elementNodes_[e][end]), load, kDirections * end);
    }
  }
}

// Turns the solver's degree-of-freedom indices into the node and direction they belong to.
void csEachDone::SolveSystem(System& system, std::uint32_t step) const {
  std::vector<Index> positionOfSlot(slot_.size());
  for (Index p = 0; p < slot_.size(); ++p) positionOfSlot[slot_[p]] = p;
  const auto nodeID = [&](Index dof) {
    const Index block = dof / kDirections;
    return nodes_[slot_.empty() ? block : positionOfSlot[block]]->GetProp().ID;
  };
  try {
    solver_.Solve(system);
  } catch (const ifSimulEquation::exThereIsZeroRow& e) {
    throw exTheNodeIsIsolated{nodeID(e.dof), e.dof % kDirections, step};
  } catch (const ifSimulEquation::exUnBalancedLoad& e) {
    // docs/theory.md "Step: non-finite solutions".
    if (!std::isfinite(e.imbalance)) {
      throw exResultIsNotFinite{nodeID(e.dof), e.dof % kDirections, step};
    }
    throw exUnBalancedLoad{nodeID(e.dof), e.dof % kDirections, step, e.imbalance};
  } catch (const ifSimulEquation::exFailedToAnalyzeMatrix&) {
    throw exFailedToAnalyzeMatrix{step};
  }
}

void csEachDone::Distribute(const System& system) const {
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    elements_[e]->SetDispIncrement(GatherSix(system.U, ElementDofs(e)));
  }
  for (std::size_t e = 0; e < wallElements_.size(); ++e) {
    wallElements_[e]->SetDispIncrement(Gather(system.U, wallDofs_[e]));
  }
  for (Index p = 0; p < nodes_.size(); ++p) {
    nodes_[p]->SetForceIncrement(TripleAt(system.F, FirstDof(p)));
  }
  for (Index p = 0; p < nodes_.size(); ++p) {
    nodes_[p]->SetDispIncrement(TripleAt(system.U, FirstDof(p)));
  }
}

double csEachDone::StepRatio(double remaining) const {
  double ratio = remaining;
  for (ifElement* element : elements_) {
    const PerEnd<double> next = element->GetNextRatio(remaining);
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

// The first failed member in input order, frame elements before walls.
void csEachDone::FindFailure() {
  for (ifElement* element : elements_) {
    if (element->IsFailed()) {
      failure_ = {element->GetFailureKind(), element->GetProp().ID};
      return;
    }
  }
  for (const ifWallElement* wall : wallElements_) {
    if (wall->IsFailed()) {
      failure_ = {FailureKind::Shear, wall->GetProp().ID};
      return;
    }
  }
}

void csEachDone::GatherEvents() {
  for (const ifElement* element : elements_) {
    const std::vector<MemberEvent> events = element->GetEvents();
    events_.insert(events_.end(), events.begin(), events.end());
  }
}

bool csEachDone::IsFinished() {
  return failure_.Kind != FailureKind::None;
}

csEachDone::Failure csEachDone::GetFailure() const {
  return failure_;
}

std::vector<MemberEvent> csEachDone::GetEvents() const {
  return events_;
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
