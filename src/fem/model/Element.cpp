#include "fem/model/Element.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "fem/model/Finite.h"

namespace znFEM::znTraceYield2DRahmen {

using znMatrix::Vector;
using znMatrixMaker::FrameStiffnessProp;

namespace {

// A force component whose increment over the ratio the case still allows stays below this
// fraction of its capacity never limits a step. docs/theory.md "Tolerances".
constexpr double kForceIncrementZero = 1e-9;
// Relative margin of the event ratio and of the shear failure test.
constexpr double kRatioTolerance = 1e-5;

// Positions of N, Q and M of an end in a 6-vector.
constexpr int N(int end) {
  return 3 * end;
}
constexpr int Q(int end) {
  return 3 * end + 1;
}
constexpr int M(int end) {
  return 3 * end + 2;
}

bool IsYielded(std::int32_t state) {
  return state != kElastic;
}

// Ratio of the unit increment at which the current value reaches its limit; remaining is the
// ratio the load case still allows. docs/theory.md "Ratio of a member force component".
double ComponentRatio(double value, double increment, const Limits& limits, double remaining) {
  if (increment == 0.0) return kInfinite;
  const double limit = increment > 0.0 ? limits[0] : limits[1];
  if (limit == kInfinite || limit == -kInfinite) return kInfinite;
  if (std::fabs(increment) * remaining < kForceIncrementZero * std::fabs(limit)) {
    return kInfinite;
  }
  return std::max(0.0, (limit - value) / increment);
}

std::int32_t YieldSide(double increment) {
  return increment > 0.0 ? kYieldedUpper : kYieldedLower;
}

Triple EndTriple(const Six& v, int end) {
  return {v[N(end)], v[Q(end)], v[M(end)]};
}

Six Join(const Triple& i, const Triple& j) {
  return {i[0], i[1], i[2], j[0], j[1], j[2]};
}

Six Sum(const Six& a, const Six& b) {
  Six s;
  for (std::size_t k = 0; k < a.size(); ++k) s[k] = a[k] + b[k];
  return s;
}

// T·x, or Tᵀ·x when transposed, for the member's local-to-global rotation T, summed term by
// term as the matrix library's products sum. The global-to-local rotation is Tᵀ.
Six Rotate(double angle, const Six& x, bool transposed) {
  const znMatrix::Matrix6 t = znMatrixMaker::MakeRotation6(angle, false);
  Six y;
  for (std::size_t i = 0; i < 6; ++i) {
    double sum = 0.0;
    for (std::size_t j = 0; j < 6; ++j) sum += (transposed ? t[6 * j + i] : t[6 * i + j]) * x[j];
    y[i] = sum;
  }
  return y;
}

// The length between the rigid zones of a member of the given length.
double ClearLengthOf(double length, const PerEnd<double>& lij) {
  return length - (lij[0] + lij[1]);
}

Six ToGlobal(double angle, const Six& x) {
  return Rotate(angle, x, false);
}

Six ToLocal(double angle, const Six& x) {
  return Rotate(angle, x, true);
}

// K·x of the member stiffness, summed as the matrix library's products sum.
Six Multiply(const znMatrix::csSymmetryMatrix& k, const Six& x) {
  Six y;
  for (znMatrix::Index i = 0; i < 6; ++i) {
    double sum = 0.0;
    for (znMatrix::Index j = 0; j < 6; ++j) sum += k.Get(i, j) * x[j];
    y[i] = sum;
  }
  return y;
}

double Dot(const Six& a, const Six& b) {
  double s = 0.0;
  for (std::size_t k = 0; k < a.size(); ++k) s += a[k] * b[k];
  return s;
}

// The loggers read 6-vectors as std::vector: a member lends its values through one of two
// reused buffers, so that logging allocates nothing per call.
const Vector& Lend(const Six& six, std::size_t buffer = 0) {
  thread_local std::array<Vector, 2> buffers{Vector(6), Vector(6)};
  Vector& lent = buffers[buffer];
  std::copy(six.begin(), six.end(), lent.begin());
  return lent;
}

}  // namespace

bool IsReachedInStep(double eventRatio, double stepRatio) {
  return eventRatio <= stepRatio * (1.0 + kRatioTolerance);
}

void csElement::Response::AddScaled(const Response& increment, double ratio) {
  for (std::size_t k = 0; k < FaceForce.size(); ++k) {
    FaceForce[k] += ratio * increment.FaceForce[k];
  }
  Stretch += ratio * increment.Stretch;
  for (int end = 0; end < 2; ++end) {
    SpringRotation[end] += ratio * increment.SpringRotation[end];
    PanelRotation[end] += ratio * increment.PanelRotation[end];
  }
}

csElement::csElement(const znMatrixMaker::ifMatrixMaker2DRahmen& maker, ifLogger* logger)
    : maker_(maker), logger_(logger), K_(6) {}

void csElement::SetProp(ElementProp prop) {
  for (std::uint32_t end = 0; end < 2; ++end) {
    if (IsPinnedByInput(prop, end) && prop.PreFaceLoad[end][2] != 0.0) {
      throw exPreFaceMomentIsSetAtHinge{prop.ID, end};
    }
  }
  const auto ci = prop.Node[0]->GetCoordinate();
  const auto cj = prop.Node[1]->GetCoordinate();
  const double dx = cj[0] - ci[0];
  const double dy = cj[1] - ci[1];
  L_ = std::hypot(dx, dy);
  if (ClearLengthOf(L_, prop.Lij) <= 0.0) throw exLnIsUnderOrEqualToZero{prop.ID};
  response_.FaceForce = Join(prop.PreFaceLoad[0], prop.PreFaceLoad[1]);
  angle_ = std::atan2(dy, dx);
  const Six v = ToGlobal(angle_, response_.FaceForce);
  for (int end = 0; end < 2; ++end) prop.Node[end]->SetPanelForce(prop.ID, EndTriple(v, end));
  if (logger_) logger_->Prop(prop);
  prop_ = KeptElementProp(std::move(prop));
}

const KeptElementProp& csElement::GetProp() const {
  return prop_;
}

PerEnd<ifNode*> csElement::GetNodes() const {
  return prop_.Node;
}

double csElement::ClearLength() const {
  return ClearLengthOf(L_, prop_.Lij);
}

// Spring stiffness as a ratio of the flexible part's bending stiffness 4EI/l0.
double csElement::SpringRatio(double stiffness) const {
  return stiffness * ClearLength() / (4.0 * prop_.E * prop_.I);
}

// The end's spring ratio for the current states: a hinge releases the end, a yielded panel
// lends its spring in series with the member's own.
double csElement::StiffnessRatio(int end) const {
  if (IsYielded(hingeState_[end])) return 0.0;
  const bool ownSpring = prop_.IsRotarySpring[end];
  if (IsYielded(panelState_[end])) {
    const double kP = SpringRatio(prop_.Node[end]->GetKijForPy(prop_.ID));
    if (!ownSpring) return kP;
    const double kE = SpringRatio(prop_.Kij[end]);
    return kE + kP == 0.0 ? 0.0 : kE * kP / (kE + kP);
  }
  return ownSpring ? SpringRatio(prop_.Kij[end]) : kInfinite;
}

FrameStiffnessProp csElement::MakeStiffnessProp() const {
  FrameStiffnessProp sp;
  sp.A = prop_.A;
  sp.E = prop_.E;
  sp.I = prop_.I;
  sp.Poisson = prop_.Poisson;
  sp.Kappa = prop_.Kappa;
  sp.L = L_;
  sp.Lij = {prop_.Lij[0], prop_.Lij[1]};
  PerEnd<bool> rotary;
  for (int end = 0; end < 2; ++end) {
    rotary[end] =
        prop_.IsRotarySpring[end] || IsYielded(hingeState_[end]) || IsYielded(panelState_[end]);
  }
  sp.IsRotarySpring = {rotary[0], rotary[1]};
  sp.Kij = {StiffnessRatio(0), StiffnessRatio(1)};
  sp.Kn = IsYielded(axialState_[0]) || IsYielded(axialState_[1]) ? 0.0 : 1.0;
  sp.Angle = angle_;
  return sp;
}

void csElement::PrepareStiffness() {
  const FrameStiffnessProp sp = MakeStiffnessProp();
  K_ = maker_.MakeStiffness(sp);
  springVector_ = {maker_.MakeSpringFixCaseI(sp), maker_.MakeSpringFixCaseJ(sp)};
  if (!IsFinite(K_, true) || !AreFinite(springVector_[0]) || !AreFinite(springVector_[1])) {
    throw exStiffnessIsNotFinite{prop_.ID};
  }
}

// The part of an end rotation taken by the member's own spring or hinge and the part taken
// by the yielded panel. docs/theory.md "Springs in series at a member end".
csElement::RotationSplit csElement::SplitRotation(int end, double rotation) const {
  if (!IsYielded(panelState_[end])) return {rotation, 0.0};
  if (!prop_.IsRotarySpring[end] && !IsYielded(hingeState_[end])) return {0.0, rotation};
  const double kA = IsYielded(hingeState_[end]) ? 0.0 : prop_.Kij[end];
  const double kB = prop_.Node[end]->GetKijForPy(prop_.ID);
  if (kA == 0.0 && kB == 0.0) return {rotation, 0.0};
  return {rotation * kB / (kA + kB), rotation * kA / (kA + kB)};
}

const FixCaseLoad* csElement::CurrentFixCase() const {
  return caseIndex_ < prop_.FixCases.size() ? &prop_.FixCases[caseIndex_] : nullptr;
}

void csElement::PrepareFixCase() {
  const FrameStiffnessProp sp = MakeStiffnessProp();
  // Never both ends released: with both yielded only I is released.
  const bool releaseI = IsYielded(axialState_[0]);
  const bool releaseJ = IsYielded(axialState_[1]) && !releaseI;
  const FixCaseLoad* load = CurrentFixCase();
  const znMatrixMaker::csEquivalentEdgeLoad result =
      znMatrixMaker::MakeEquivalentEdgeLoad(sp, {releaseI, releaseJ}, load ? *load : FixCaseLoad{});
  equivalentLoad_ = ToGlobal(angle_, Join(result.EquivalentLoadI, result.EquivalentLoadJ));
  fixIncrement_.FaceForce = Join(result.FaceForceI, result.FaceForceJ);
  if (!AreFinite(equivalentLoad_) || !AreFinite(fixIncrement_.FaceForce)) {
    throw exEquivalentLoadIsNotFinite{prop_.ID, caseIndex_};
  }
  const double s1 = result.Stretch.first;
  fixIncrement_.Stretch = s1 != 0.0 ? -s1 : result.Stretch.second;
  const PerEnd<double> rotation{result.SpringRotation.first, result.SpringRotation.second};
  for (int end = 0; end < 2; ++end) {
    const RotationSplit split = SplitRotation(end, rotation[end]);
    fixIncrement_.SpringRotation[end] = split.spring;
    fixIncrement_.PanelRotation[end] = split.panel;
  }
  if (logger_) {
    logger_->FixCase(prop_, Lend(equivalentLoad_, 0), result, Lend(fixIncrement_.FaceForce, 1),
                     fixIncrement_.Stretch, fixIncrement_.SpringRotation,
                     fixIncrement_.PanelRotation);
  }
}

const znMatrix::csSymmetryMatrix& csElement::GetStiffness() const {
  return K_;
}

const Six& csElement::GetEquivalentLoad() const {
  return equivalentLoad_;
}

void csElement::SetDispIncrement(const Six& disp) {
  dispIncrement_ = ToLocal(angle_, disp);
  const Six f = ToLocal(angle_, Multiply(K_, disp));
  const znMatrixMaker::csRigidArms arms(prop_.Lij[0], prop_.Lij[1]);
  responseIncrement_.FaceForce =
      Join(arms.ToFace(0, EndTriple(f, 0)), arms.ToFace(1, EndTriple(f, 1)));
  for (int end = 0; end < 2; ++end) {
    const RotationSplit split = SplitRotation(end, Dot(springVector_[end], dispIncrement_));
    responseIncrement_.SpringRotation[end] = split.spring;
    responseIncrement_.PanelRotation[end] = split.panel;
  }
  const bool axialYielded = IsYielded(axialState_[0]) || IsYielded(axialState_[1]);
  responseIncrement_.Stretch = axialYielded ? dispIncrement_[N(1)] - dispIncrement_[N(0)] : 0.0;
  SendPanelIncrements();
  if (!logger_) return;
  logger_->DispIncrement(prop_, Lend(dispIncrement_));
  logger_->FaceForceIncrement(prop_, Lend(responseIncrement_.FaceForce));
  logger_->StretchIncrement(prop_, responseIncrement_.Stretch);
  logger_->SpringRotationIncrement(prop_, responseIncrement_.SpringRotation);
  logger_->PanelRotationIncrement(prop_, responseIncrement_.PanelRotation);
  logger_->RotationAngleIncrement(prop_, GetRotationAngleIncrement());
}

// The end nodes follow their panels with this member's share, in global axes.
void csElement::SendPanelIncrements() const {
  const Six v = ToGlobal(angle_, ForceIncrement());
  for (int end = 0; end < 2; ++end) {
    ifNode* node = prop_.Node[end];
    node->SetPanelForceIncrement(prop_.ID, EndTriple(v, end));
    node->SetPanelRotationIncrement(
        prop_.ID, responseIncrement_.PanelRotation[end] + fixIncrement_.PanelRotation[end]);
  }
}

const Six& csElement::GetFaceForceIncrement() const {
  return responseIncrement_.FaceForce;
}

Six csElement::TotalForce() const {
  return Sum(response_.FaceForce, fix_.FaceForce);
}

Six csElement::ForceIncrement() const {
  return Sum(responseIncrement_.FaceForce, fixIncrement_.FaceForce);
}

// A yielded end unloads when the plastic stretch runs against its yield: compression yield
// (upper at I, lower at J) against lengthening, tension yield against shortening.
void csElement::ComputeAxialRatio(const Six& c, const Six& g, double remaining) {
  const double s = responseIncrement_.Stretch + fixIncrement_.Stretch;
  const bool unloadingI =
      (axialState_[0] == kYieldedUpper && s > 0.0) || (axialState_[0] == kYieldedLower && s < 0.0);
  const bool unloadingJ =
      (axialState_[1] == kYieldedUpper && s < 0.0) || (axialState_[1] == kYieldedLower && s > 0.0);
  if (unloadingI || unloadingJ) {
    axialRatio_ = {0.0, 0.0};
    axialUnloading_ = true;
    axialUnloadingEnds_ = {IsYielded(axialState_[0]), IsYielded(axialState_[1])};
    return;
  }
  for (int end = 0; end < 2; ++end) {
    axialRatio_[end] =
        IsYielded(axialState_[end]) || axialHeld_
            ? kInfinite
            : ComponentRatio(c[N(end)], g[N(end)], prop_.Capacities().Ny[end], remaining);
  }
}

void csElement::ComputeMomentRatio(const Six& c, const Six& g, double remaining) {
  for (int end = 0; end < 2; ++end) {
    if (IsPinnedByInput(prop_, end)) {
      momentRatio_[end] = kInfinite;
      continue;
    }
    const double rotation =
        responseIncrement_.SpringRotation[end] + fixIncrement_.SpringRotation[end];
    const bool unloading = (hingeState_[end] == kYieldedUpper && rotation < 0.0) ||
                           (hingeState_[end] == kYieldedLower && rotation > 0.0);
    if (unloading) {
      momentRatio_[end] = 0.0;
      hingeUnloading_[end] = true;
    } else if (IsYielded(hingeState_[end]) || hingeHeld_[end]) {
      momentRatio_[end] = kInfinite;
    } else {
      momentRatio_[end] =
          ComponentRatio(c[M(end)], g[M(end)], prop_.Capacities().My[end], remaining);
    }
  }
}

void csElement::ComputePanelRatio() {
  for (int end = 0; end < 2; ++end) {
    if (IsPinnedByInput(prop_, end)) {
      panelRatio_[end] = kInfinite;
      continue;
    }
    ifNode* node = prop_.Node[end];
    panelRatio_[end] = node->GetPanelRatio(prop_.ID);
    panelUnloading_[end] = node->IsPanelUnloading();
  }
}

// An unloading end is elastic again at once: the step of ratio 0 only changes its state,
// and the next step solves with the restored stiffness.
void csElement::ReleaseUnloadingStates() {
  if (axialUnloading_) axialState_ = {kElastic, kElastic};
  for (int end = 0; end < 2; ++end) {
    if (hingeUnloading_[end]) hingeState_[end] = kElastic;
    if (panelUnloading_[end]) panelState_[end] = kElastic;
  }
}

PerEnd<double> csElement::GetNextRatio(double remaining) {
  const Six c = TotalForce();
  const Six g = ForceIncrement();
  ComputeAxialRatio(c, g, remaining);
  PerEnd<double> shearRatio;
  for (int end = 0; end < 2; ++end) {
    shearRatio[end] = ComponentRatio(c[Q(end)], g[Q(end)], prop_.Capacities().Qy[end], remaining);
  }
  ComputeMomentRatio(c, g, remaining);
  ComputePanelRatio();
  ReleaseUnloadingStates();
  PerEnd<double> nextRatio;
  for (int end = 0; end < 2; ++end) {
    nextRatio[end] =
        std::min({axialRatio_[end], shearRatio[end], momentRatio_[end], panelRatio_[end]});
  }
  LogRatios(shearRatio, nextRatio);
  return nextRatio;
}

// Shear has no yield state to keep its ratio for: it is only reported.
void csElement::LogRatios(const PerEnd<double>& shearRatio, const PerEnd<double>& nextRatio) const {
  if (!logger_) return;
  logger_->AxialRatio(prop_, axialRatio_);
  logger_->ShearRatio(prop_, shearRatio);
  logger_->MomentRatio(prop_, momentRatio_);
  logger_->PanelRatio(prop_, panelRatio_);
  logger_->NextRatio(prop_, nextRatio);
  logger_->AxialUnloading(prop_, axialUnloading_);
  logger_->HingeUnloading(prop_, hingeUnloading_);
  logger_->PanelUnloading(prop_, panelUnloading_);
}

// An end whose event ratio the step reaches changes its state; an unloading end, already
// elastic again, only reports its event.
void csElement::Update(double ratio) {
  for (std::size_t k = 0; k < 6; ++k) disp_[k] += ratio * dispIncrement_[k];
  response_.AddScaled(responseIncrement_, ratio);
  fix_.AddScaled(fixIncrement_, ratio);
  const Six g = ForceIncrement();
  events_.clear();
  UpdateAxialStates(ratio, g);
  UpdateHingeStates(ratio, g);
  UpdatePanelStates(ratio, g);
  std::stable_sort(events_.begin(), events_.end(),
                   [](const MemberEvent& a, const MemberEvent& b) { return a.End < b.End; });
  if (logger_) logger_->Update(prop_, ratio);
  LogTotals();
}

void csElement::AddEvent(int end, EventKind kind, int component) {
  events_.push_back({prop_.ID, static_cast<std::uint32_t>(end), kind, TotalForce()[component]});
}

void csElement::UpdateAxialStates(double ratio, const Six& g) {
  if (axialUnloading_) {
    axialUnloading_ = false;
    for (int end = 0; end < 2; ++end) {
      if (axialUnloadingEnds_[end]) AddEvent(end, EventKind::AxialUnload, N(end));
    }
    return;
  }
  for (int end = 0; end < 2; ++end) {
    if (!IsYielded(axialState_[end]) && IsReachedInStep(axialRatio_[end], ratio)) {
      axialState_[end] = YieldSide(g[N(end)]);
      AddEvent(end, EventKind::AxialYield, N(end));
    }
  }
}

void csElement::UpdateHingeStates(double ratio, const Six& g) {
  for (int end = 0; end < 2; ++end) {
    if (IsPinnedByInput(prop_, end)) continue;
    if (hingeUnloading_[end]) {
      hingeUnloading_[end] = false;
      AddEvent(end, EventKind::HingeUnload, M(end));
    } else if (!IsYielded(hingeState_[end]) && IsReachedInStep(momentRatio_[end], ratio)) {
      hingeState_[end] = YieldSide(g[M(end)]);
      AddEvent(end, EventKind::Hinge, M(end));
    }
  }
}

void csElement::UpdatePanelStates(double ratio, const Six& g) {
  for (int end = 0; end < 2; ++end) {
    if (panelUnloading_[end]) {
      panelUnloading_[end] = false;
      AddEvent(end, EventKind::PanelUnload, M(end));
    } else if (!IsYielded(panelState_[end]) && IsReachedInStep(panelRatio_[end], ratio)) {
      panelState_[end] = YieldSide(g[M(end)]);
      AddEvent(end, EventKind::PanelYield, M(end));
    }
  }
}

bool csElement::IsHingePending(int end, double stepRatio) const {
  return !IsPinnedByInput(prop_, end) && !hingeUnloading_[end] && !IsYielded(hingeState_[end]) &&
         IsReachedInStep(momentRatio_[end], stepRatio);
}

bool csElement::IsAxialYieldPending(double stepRatio) const {
  if (axialUnloading_) return false;
  for (int end = 0; end < 2; ++end) {
    if (!IsYielded(axialState_[end]) && IsReachedInStep(axialRatio_[end], stepRatio)) return true;
  }
  return false;
}

// A hold taken after the ratios are known also takes back the event the step would make.
void csElement::HoldHinge(std::uint32_t end, bool hold) {
  hingeHeld_[end] = hold;
  if (hold) momentRatio_[end] = kInfinite;
}

void csElement::HoldAxialYield(bool hold) {
  axialHeld_ = hold;
  if (hold) axialRatio_ = {kInfinite, kInfinite};
}

MemberTies csElement::GetTies(std::optional<double> stepRatio) const {
  MemberTies ties;
  ties.Angle = angle_;
  for (int end = 0; end < 2; ++end) {
    if (IsPinnedByInput(prop_, end)) {
      ties.Rotation[end] = RotationTie::Pinned;
    } else if (IsYielded(hingeState_[end]) || (stepRatio && IsHingePending(end, *stepRatio))) {
      ties.Rotation[end] = RotationTie::Hinged;
    }
  }
  const bool yielded = IsYielded(axialState_[0]) || IsYielded(axialState_[1]);
  ties.Axial = !yielded && !(stepRatio && IsAxialYieldPending(*stepRatio));
  // The translation across the chord is judged on the states before the step's hinges.
  ties.Transverse = !(IsPinnedByInput(prop_, 0) || IsYielded(hingeState_[0])) ||
                    !(IsPinnedByInput(prop_, 1) || IsYielded(hingeState_[1]));
  return ties;
}

void csElement::LogTotals() const {
  if (!logger_) return;
  logger_->Disp(prop_, Lend(disp_));
  logger_->FaceForce(prop_, Lend(response_.FaceForce, 0), Lend(fix_.FaceForce, 1));
  logger_->Stretch(prop_, response_.Stretch, fix_.Stretch, axialState_);
  logger_->SpringRotation(prop_, response_.SpringRotation, fix_.SpringRotation, hingeState_);
  logger_->PanelRotation(prop_, response_.PanelRotation, fix_.PanelRotation, panelState_);
  logger_->RotationAngle(prop_, GetRotationAngle());
}

void csElement::NextCase() {
  ++caseIndex_;
  if (logger_) logger_->NextCase(prop_, caseIndex_);
}

// Shear has no yield state: reaching a shear capacity ends the analysis. So does an axial
// mechanism (both ends yielded) under an axial edge load.
bool csElement::IsFailed() {
  const Six c = TotalForce();
  for (std::uint32_t end = 0; end < 2; ++end) {
    const double q = c[Q(end)];
    if (q == 0.0) continue;
    const Limits& qy = prop_.Capacities().Qy[end];
    const double limit = q > 0.0 ? qy[0] : qy[1];
    if ((limit - q) / q < kRatioTolerance) {
      if (logger_) logger_->ShearFailed(prop_, end);
      if (failure_ == FailureKind::None)
        AddEvent(static_cast<int>(end), EventKind::ShearFailure, Q(end));
      failure_ = FailureKind::Shear;
      return true;
    }
  }
  const FixCaseLoad* load = CurrentFixCase();
  const bool axialLoad = load && (SegmentTriple(*load, SegmentEnd::kMiddleStart)[0] != 0.0 ||
                                  SegmentTriple(*load, SegmentEnd::kMiddleEnd)[0] != 0.0);
  if (axialLoad && IsYielded(axialState_[0]) && IsYielded(axialState_[1])) {
    if (logger_) logger_->AxialFailed(prop_);
    failure_ = FailureKind::Axial;
    return true;
  }
  return false;
}

const Six& csElement::GetDisp() const {
  return disp_;
}

const Six& csElement::GetFaceForce() const {
  return response_.FaceForce;
}

double csElement::GetRotationAngleIncrement() const {
  return (dispIncrement_[Q(1)] - dispIncrement_[Q(0)]) / L_;
}

double csElement::GetRotationAngle() const {
  return (disp_[Q(1)] - disp_[Q(0)]) / L_;
}

void csElement::BeginAnalysis() {
  if (logger_) logger_->AnalysisStarted();
}

void csElement::EndAnalysis() {
  if (logger_) logger_->AnalysisEnded();
}

void csElement::BeginStep(std::uint32_t step) {
  if (logger_) logger_->StepStarted(step);
}

void csElement::EndStep(std::uint32_t step) {
  if (logger_) logger_->StepEnded(step);
}

}  // namespace znFEM::znTraceYield2DRahmen
