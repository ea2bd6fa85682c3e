#include "fem/model/SpringSupportElement.h"

#include <algorithm>
#include <cstddef>

namespace znFEM::znTraceYield2DRahmen {

namespace {

KeptElementProp SpringElementProp(const SpringSupportElementProp& prop) {
  KeptElementProp element;
  element.ID = prop.ElementID;
  element.Node = prop.Nodes;
  return element;
}

void AddScaled(Six& total, double ratio, const Six& increment) {
  for (std::size_t k = 0; k < total.size(); ++k) total[k] += ratio * increment[k];
}

// The loggers read 6-vectors as std::vector.
znMatrix::Vector AsVector(const Six& six) {
  return {six.begin(), six.end()};
}

}  // namespace

csSpringSupportElement::csSpringSupportElement(const SpringSupportElementProp& prop,
                                               ifLogger* logger)
    : springProp_(prop), elementProp_(SpringElementProp(prop)), logger_(logger) {
  if (logger_) logger_->Prop(springProp_);
}

const KeptElementProp& csSpringSupportElement::GetProp() const {
  return elementProp_;
}

PerEnd<ifNode*> csSpringSupportElement::GetNodes() const {
  return springProp_.Nodes;
}

void csSpringSupportElement::PrepareStiffness() {}

void csSpringSupportElement::PrepareFixCase() {}

const znMatrix::csSymmetryMatrix& csSpringSupportElement::GetStiffness() const {
  return springProp_.K;
}

const Six& csSpringSupportElement::GetEquivalentLoad() const {
  return equivalentLoad_;
}

void csSpringSupportElement::SetDispIncrement(const Six& disp) {
  dispIncrement_ = disp;
  const znMatrix::Vector force = znMatrix::MultiplyVector(springProp_.K, AsVector(disp));
  std::copy(force.begin(), force.end(), forceIncrement_.begin());
  if (logger_) {
    logger_->DispIncrement(springProp_, AsVector(dispIncrement_));
    logger_->ForceIncrement(springProp_, force);
  }
}

const Six& csSpringSupportElement::GetFaceForceIncrement() const {
  return forceIncrement_;
}

PerEnd<double> csSpringSupportElement::GetNextRatio(double) {
  return {kInfinite, kInfinite};
}

void csSpringSupportElement::Update(double ratio) {
  AddScaled(disp_, ratio, dispIncrement_);
  AddScaled(force_, ratio, forceIncrement_);
  if (logger_) {
    logger_->Update(springProp_, ratio);
    logger_->Disp(springProp_, AsVector(disp_));
    logger_->Force(springProp_, AsVector(force_));
  }
}

void csSpringSupportElement::NextCase() {}

bool csSpringSupportElement::IsFailed() {
  return false;
}

const Six& csSpringSupportElement::GetDisp() const {
  return disp_;
}

const Six& csSpringSupportElement::GetFaceForce() const {
  return force_;
}

double csSpringSupportElement::GetRotationAngleIncrement() const {
  return 0.0;
}

double csSpringSupportElement::GetRotationAngle() const {
  return 0.0;
}

void csSpringSupportElement::BeginAnalysis() {
  if (logger_) logger_->AnalysisStarted();
}

void csSpringSupportElement::EndAnalysis() {
  if (logger_) logger_->AnalysisEnded();
}

void csSpringSupportElement::BeginStep(std::uint32_t step) {
  if (logger_) logger_->StepStarted(step);
}

void csSpringSupportElement::EndStep(std::uint32_t step) {
  if (logger_) logger_->StepEnded(step);
}

}  // namespace znFEM::znTraceYield2DRahmen
