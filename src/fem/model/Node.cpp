#include "fem/model/Node.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace znFEM::znTraceYield2DRahmen {

namespace {

// A panel sum increment smaller than this never limits a step.
constexpr double kPanelIncrementZero = 1e-5;
// A ratio within this of the panel ratio reaches the panel's yield.
constexpr double kRatioTolerance = 1e-5;

Triple AddScaled(const Triple& a, const Triple& b, double factor) {
  return {a[0] + factor * b[0], a[1] + factor * b[1], a[2] + factor * b[2]};
}

bool IsMypSet(const Limits& myp) {
  return myp[0] != kInfinite || myp[1] != -kInfinite;
}

bool HasBothGroups(const std::vector<PanelElementProp>& elements) {
  bool vertical = false;
  bool horizontal = false;
  for (const PanelElementProp& e : elements) {
    vertical = vertical || IsVerticalTHLR(e.THLR);
    horizontal = horizontal || IsHorizontalTHLR(e.THLR);
  }
  return vertical && horizontal;
}

}  // namespace

csNode::csNode(ifLogger* logger) : logger_(logger) {}

void csNode::SetProp(NodeProp prop) {
  prop_ = std::move(prop);
  currentCase_ = 0;
  if (IsMypSet(prop_.Myp) && !HasBothGroups(prop_.ElementProps)) {
    throw exMypIsSetAtNodeThatHasnotPanel{prop_.ID};
  }
  panel_.assign(prop_.ElementProps.size(), PanelShare{});
  panelState_ = kElastic;
  const bool noRigidZone = std::all_of(prop_.ElementProps.begin(), prop_.ElementProps.end(),
                                       [](const PanelElementProp& e) { return e.Lij <= 0.0; });
  if (noRigidZone && prop_.ExcludedElement == kNoExcludedElement) prop_.ExcludedElement = 0;
  if (logger_) logger_->Prop(prop_);
}

const NodeProp& csNode::GetProp() const {
  return prop_;
}

std::array<double, 2> csNode::GetCoordinate() const {
  return prop_.Coordinate;
}

std::array<bool, 3> csNode::GetIsSupported() const {
  return prop_.IsSupported;
}

// A record without an entry for the current case (none sized by the caller) has no load.
Triple csNode::GetImposedLoad() const {
  return currentCase_ < prop_.ImposedLoads.size() ? prop_.ImposedLoads[currentCase_] : Triple{};
}

Triple csNode::GetImposedDisp() const {
  return currentCase_ < prop_.ImposedDisps.size() ? prop_.ImposedDisps[currentCase_] : Triple{};
}

std::optional<std::uint32_t> csNode::FindElement(const std::string& elementID) const {
  for (std::uint32_t i = 0; i < prop_.ElementProps.size(); ++i) {
    if (prop_.ElementProps[i].ID == elementID) return i;
  }
  return std::nullopt;
}

void csNode::SetPanelForce(const std::string& elementID, const Triple& force) {
  const std::optional<std::uint32_t> position = FindElement(elementID);
  if (!position) return;
  panel_[*position].Force = force;
  if (logger_) logger_->PanelForce(prop_, elementID, force);
}

void csNode::SetForceIncrement(const Triple& force) {
  forceIncrement_ = force;
  if (logger_) logger_->ForceIncrement(prop_, force);
}

void csNode::SetDispIncrement(const Triple& disp) {
  dispIncrement_ = disp;
  if (logger_) logger_->DispIncrement(prop_, disp);
}

void csNode::SetPanelForceIncrement(const std::string& elementID, const Triple& force) {
  const std::optional<std::uint32_t> position = FindElement(elementID);
  if (!position) return;
  panel_[*position].ForceIncrement = force;
  ratioValid_ = false;
  if (logger_) logger_->PanelForceIncrement(prop_, elementID, force);
}

void csNode::SetPanelRotationIncrement(const std::string& elementID, double rotation) {
  const std::optional<std::uint32_t> position = FindElement(elementID);
  if (!position) return;
  panel_[*position].RotationIncrement = rotation;
  if (logger_) logger_->PanelRotationIncrement(prop_, elementID, rotation);
}

// docs/theory.md "Panel moments": the vertical members' moments against the horizontal
// members' moments, each optionally with the face shear carried over the rigid zone.
csNode::PanelMoments csNode::PanelMomentsOf(Triple PanelShare::*forces) const {
  PanelMoments sums;
  const bool faceShear = prop_.WithFaceShear;
  for (std::size_t i = 0; i < panel_.size(); ++i) {
    const PanelElementProp& e = prop_.ElementProps[i];
    const Triple& force = panel_[i].*forces;
    const double fx = force[0];
    const double fy = force[1];
    const double m = force[2];
    switch (e.THLR) {
      case kTHLR_T:
        sums.A += m;
        if (faceShear) sums.B -= fx * e.Lij;
        break;
      case kTHLR_H:
        sums.A += m;
        if (faceShear) sums.B += fx * e.Lij;
        break;
      case kTHLR_L:
        sums.B -= m;
        if (faceShear) sums.A -= fy * e.Lij;
        break;
      case kTHLR_R:
        sums.B -= m;
        if (faceShear) sums.A += fy * e.Lij;
        break;
      default:
        break;
    }
  }
  return sums;
}

// Panel rotation of the vertical group against the horizontal group.
double csNode::PanelRotationSum() const {
  double s = 0.0;
  for (std::size_t i = 0; i < panel_.size(); ++i) {
    const int code = prop_.ElementProps[i].THLR;
    if (IsVerticalTHLR(code)) s += panel_[i].RotationIncrement;
    if (IsHorizontalTHLR(code)) s -= panel_[i].RotationIncrement;
  }
  return s;
}

bool csNode::IsPanelUnloading() const {
  if (!HasPanel() || panelState_ == kElastic) return false;
  return (PanelRotationSum() >= 0.0) == (panelState_ == kYieldedLower);
}

double csNode::PanelSumRatio(double current, double increment) const {
  if (std::fabs(increment) < kPanelIncrementZero) return kInfinite;
  const double limit = increment > 0.0 ? prop_.Myp[0] : prop_.Myp[1];
  if (limit == kInfinite || limit == -kInfinite) return kInfinite;
  return std::max(0.0, (limit - current) / increment);
}

void csNode::ComputePanelRatio() {
  const PanelMoments total = PanelMomentsOf(&PanelShare::Force);
  const PanelMoments increment = PanelMomentsOf(&PanelShare::ForceIncrement);
  double rA = kInfinite;
  double rB = kInfinite;
  if (IsPanelUnloading()) {
    rA = rB = 0.0;
  } else if (panelState_ == kElastic) {
    rA = PanelSumRatio(total.A, increment.A);
    rB = PanelSumRatio(total.B, increment.B);
  }
  panelRatio_ = std::min(rA, rB);
  limitingIncrement_ = rA <= rB ? increment.A : increment.B;
  if (logger_) {
    logger_->PanelMomentA(prop_, total.A, increment.A, rA);
    logger_->PanelMomentB(prop_, total.B, increment.B, rB);
    logger_->PanelRatio(prop_, panelRatio_);
  }
  ratioValid_ = true;
}

double csNode::GetPanelRatio(const std::string& elementID) {
  if (!HasPanel()) return kInfinite;
  const std::optional<std::uint32_t> position = FindElement(elementID);
  if (!position) return kInfinite;
  if (!ratioValid_) ComputePanelRatio();
  return *position == prop_.ExcludedElement ? kInfinite : panelRatio_;
}

// The panel yields on the side its limiting sum was heading for: the upper limit when the
// increment of that sum is positive. Judging by the vertical members alone would pick the
// wrong side when a moment acts on the joint itself.
std::int32_t csNode::YieldSide() const {
  return limitingIncrement_ > 0.0 ? kYieldedUpper : kYieldedLower;
}

// The panel ratio counts only when it was computed for the increment being applied.
void csNode::Update(double ratio) {
  force_ = AddScaled(force_, forceIncrement_, ratio);
  disp_ = AddScaled(disp_, dispIncrement_, ratio);
  const bool unloading = IsPanelUnloading();
  if (HasPanel()) {
    for (PanelShare& share : panel_) {
      share.Force = AddScaled(share.Force, share.ForceIncrement, ratio);
    }
    if (unloading) {
      panelState_ = kElastic;
    } else if (panelState_ == kElastic && ratioValid_ && ratio >= panelRatio_ - kRatioTolerance) {
      panelState_ = YieldSide();
    }
    ratioValid_ = false;
  }
  if (!logger_) return;
  logger_->UpdateRatio(prop_, ratio);
  logger_->Force(prop_, force_);
  logger_->Disp(prop_, disp_);
  if (!HasPanel()) return;
  for (std::uint32_t i = 0; i < panel_.size(); ++i) {
    logger_->PanelElement(prop_, prop_.ElementProps[i], i, panel_[i].Force);
  }
  logger_->PanelUnloading(prop_, unloading, PanelRotationSum());
  logger_->PanelState(prop_, panelState_);
}

double csNode::GetKijForPy(const std::string& elementID) const {
  double kij = 0.0;
  if (HasPanel()) {
    const std::optional<std::uint32_t> position = FindElement(elementID);
    if (!position) return 0.0;
    kij = prop_.ElementProps[*position].KijForPy;
  }
  if (logger_) logger_->KijForPy(prop_, elementID, kij);
  return kij;
}

Triple csNode::GetForce() const {
  return force_;
}

Triple csNode::GetDisp() const {
  return disp_;
}

Triple csNode::GetDispIncrement() const {
  return dispIncrement_;
}

void csNode::NextCase() {
  ++currentCase_;
  if (logger_) logger_->NextCase(prop_);
}

void csNode::CheckPreFaceMoment() {
  if (HasPanel()) {
    const PanelMoments m = PanelMomentsOf(&PanelShare::Force);
    const double upper = prop_.Myp[0];
    const double lower = prop_.Myp[1];
    if ((m.A >= 0.0 && m.A > upper) || (m.B >= 0.0 && m.B > upper)) {
      throw exPreFaceMomentIsOverMyp{prop_.ID, m.A, m.B, 0};
    }
    if ((m.A < 0.0 && m.A < lower) || (m.B < 0.0 && m.B < lower)) {
      throw exPreFaceMomentIsOverMyp{prop_.ID, m.A, m.B, 1};
    }
  }
  if (logger_) logger_->AnalysisStarted();
}

void csNode::EndAnalysis() {
  if (logger_) logger_->AnalysisEnded();
}

void csNode::BeginStep(std::uint32_t step) {
  if (logger_) logger_->StepStarted(step);
}

void csNode::EndStep(std::uint32_t step) {
  if (logger_) logger_->StepEnded(step);
}

}  // namespace znFEM::znTraceYield2DRahmen
