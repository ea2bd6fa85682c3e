#include "fem/model/SpringSupportNode.h"

namespace znFEM::znTraceYield2DRahmen {

namespace {

NodeProp GroundNodeProp(const SpringSupportNodeProp& prop) {
  NodeProp node;
  node.ID = prop.ID;
  node.IsSupported = {true, true, true};
  node.ImposedLoads.assign(prop.ImposedDisp.size(), Triple{0.0, 0.0, 0.0});
  node.ImposedDisps = prop.ImposedDisp;
  return node;
}

void AddScaled(Triple& total, double ratio, const Triple& increment) {
  for (std::size_t d = 0; d < 3; ++d) total[d] += ratio * increment[d];
}

}  // namespace

csSpringSupportNode::csSpringSupportNode(const SpringSupportNodeProp& prop, ifLogger* logger)
    : springProp_(prop), nodeProp_(GroundNodeProp(prop)), logger_(logger) {
  if (logger_) logger_->Prop(springProp_);
}

const NodeProp& csSpringSupportNode::GetProp() const {
  return nodeProp_;
}

std::array<double, 2> csSpringSupportNode::GetCoordinate() const {
  return {0.0, 0.0};
}

std::array<bool, 3> csSpringSupportNode::GetIsSupported() const {
  return {true, true, true};
}

Triple csSpringSupportNode::GetImposedLoad() const {
  return {0.0, 0.0, 0.0};
}

// A case beyond the list (the list was never sized) imposes nothing.
Triple csSpringSupportNode::GetImposedDisp() const {
  if (caseIndex_ >= springProp_.ImposedDisp.size()) return {0.0, 0.0, 0.0};
  return springProp_.ImposedDisp[caseIndex_];
}

void csSpringSupportNode::SetPanelForce(const std::string&, const Triple&) {}

void csSpringSupportNode::SetForceIncrement(const Triple& force) {
  forceIncrement_ = force;
  if (logger_) logger_->ForceIncrement(springProp_, forceIncrement_);
}

void csSpringSupportNode::SetDispIncrement(const Triple& disp) {
  dispIncrement_ = disp;
  if (logger_) logger_->DispIncrement(springProp_, dispIncrement_);
}

void csSpringSupportNode::SetPanelForceIncrement(const std::string&, const Triple&) {}

void csSpringSupportNode::SetPanelRotationIncrement(const std::string&, double) {}

bool csSpringSupportNode::IsPanelUnloading() const {
  return false;
}

double csSpringSupportNode::GetPanelRatio(const std::string&) {
  return kInfinite;
}

void csSpringSupportNode::Update(double ratio) {
  AddScaled(force_, ratio, forceIncrement_);
  AddScaled(disp_, ratio, dispIncrement_);
  if (logger_) {
    logger_->Force(springProp_, force_);
    logger_->Disp(springProp_, disp_);
  }
}

double csSpringSupportNode::GetKijForPy(const std::string&) const {
  return 0.0;
}

Triple csSpringSupportNode::GetForce() const {
  return force_;
}

Triple csSpringSupportNode::GetDisp() const {
  return disp_;
}

Triple csSpringSupportNode::GetDispIncrement() const {
  return dispIncrement_;
}

void csSpringSupportNode::NextCase() {
  ++caseIndex_;
}

void csSpringSupportNode::CheckPreFaceMoment() {
  if (logger_) logger_->AnalysisStarted();
}

void csSpringSupportNode::EndAnalysis() {
  if (logger_) logger_->AnalysisEnded();
}

void csSpringSupportNode::BeginStep(std::uint32_t step) {
  if (logger_) logger_->StepStarted(step);
}

void csSpringSupportNode::EndStep(std::uint32_t step) {
  if (logger_) logger_->StepEnded(step);
}

}  // namespace znFEM::znTraceYield2DRahmen
