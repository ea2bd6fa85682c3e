// The step loop over the load cases: each step asks the step solver for its increment, adds
// the applied ratio to the case's total and ends the case or the analysis by the first reason
// that holds.
#include "fem/model/Analyzer.h"

#include <ostream>

namespace znFEM::znTraceYield2DRahmen {

csAnalyzer::csAnalyzer(ifEachDone& stepSolver, ifLogger* logger)
    : stepSolver_(stepSolver), logger_(logger) {}

void csAnalyzer::SetLimits(const AnalysisLimits& limits) {
  limits_ = limits;
}

void csAnalyzer::AddNodes(const std::vector<ifNode*>& nodes) {
  nodes_.insert(nodes_.end(), nodes.begin(), nodes.end());
}

void csAnalyzer::AddElements(const std::vector<ifElement*>& elements) {
  elements_.insert(elements_.end(), elements.begin(), elements.end());
}

void csAnalyzer::AddWallElements(const std::vector<ifWallElement*>& wallElements) {
  wallElements_.insert(wallElements_.end(), wallElements.begin(), wallElements.end());
}

void csAnalyzer::Run() {
  CheckLoadCases();
  ReportLimits();
  stepSolver_.SetNodes(nodes_);
  stepSolver_.SetElements(elements_);
  stepSolver_.SetWallElements(wallElements_);
  const std::size_t caseN = limits_.Steps.size();
  std::uint32_t step = 0;
  std::uint32_t loadCase = 0;
  double totalRatio = 0.0;
  BeginAnalysis();
  for (;;) {
    BeginStep(step);
    const StepRecord record = DoStep(step, loadCase, totalRatio);
    totalRatio = record.TotalRatio;
    if (logger_) logger_->StepDone(record);
    const End end = EndOfStep(record);
    if (end != End::None) {
      ReportEnd(end);
      break;
    }
    if (record.ReachedToLimitStep || record.ReachedToLimitRatio) {
      ++loadCase;
      if (loadCase == caseN) {
        if (logger_) logger_->LastLoadCaseEnded();
        break;
      }
      if (logger_) logger_->NextLoadCase();
      NextCase();
      totalRatio = 0.0;
    }
    EndStep(step);
    ++step;
  }
  EndAnalysis();
  if (logger_) logger_->AnalysisEnded();
}

void csAnalyzer::CheckLoadCases() const {
  if (limits_.Steps.empty() || limits_.Ratios.size() < limits_.Steps.size()) {
    throw exLoadCaseLimitsAreWrong{limits_.Steps.size(), limits_.Ratios.size()};
  }
}

void csAnalyzer::ReportLimits() const {
  if (!logger_) return;
  logger_->MaxAddDispLimit(limits_.MaxAddDisp);
  logger_->MaxAddRotAngleLimit(limits_.MaxAddRotAngle);
  logger_->MaxDispLimit(limits_.MaxDisp);
  logger_->MaxRotAngleLimit(limits_.MaxRotAngle);
}

void csAnalyzer::BeginAnalysis() const {
  for (ifNode* node : nodes_) node->CheckPreFaceMoment();
  for (ifElement* element : elements_) element->BeginAnalysis();
  for (ifWallElement* wall : wallElements_) wall->BeginAnalysis();
}

void csAnalyzer::BeginStep(std::uint32_t step) const {
  for (ifNode* node : nodes_) node->BeginStep(step);
  for (ifElement* element : elements_) element->BeginStep(step);
  for (ifWallElement* wall : wallElements_) wall->BeginStep(step);
}

// The step solver is given what the case still allows, so the total never overshoots.
csAnalyzer::StepRecord csAnalyzer::DoStep(std::uint32_t step, std::uint32_t loadCase,
                                          double totalRatio) const {
  StepRecord record;
  record.LimitStep = limits_.Steps[loadCase];
  record.LimitRatio = limits_.Ratios[loadCase];
  record.Step = step;
  record.LoadDispNumber = loadCase;
  stepSolver_.Do(record.LimitRatio - totalRatio, step, loadCase);
  record.AddRatio = stepSolver_.GetAddRatio();
  record.TotalRatio = totalRatio + record.AddRatio;
  record.MaxAddDisp = stepSolver_.GetMaxAddDisp();
  record.MaxAddRotAngle = stepSolver_.GetMaxAddRotAngle();
  record.MaxDisp = stepSolver_.GetMaxDisp();
  record.MaxRotAngle = stepSolver_.GetMaxRotAngle();
  record.MaxAddDispNodeID = stepSolver_.GetMaxAddDispNodeID();
  record.MaxAddRotAngleElementID = stepSolver_.GetMaxAddRotAngleElementID();
  record.MaxDispNodeID = stepSolver_.GetMaxDispNodeID();
  record.MaxRotAngleElementID = stepSolver_.GetMaxRotAngleElementID();
  record.ReachedToLimitStep = record.Step >= record.LimitStep;
  record.ReachedToLimitRatio = record.TotalRatio >= record.LimitRatio;
  return record;
}

// A failed structure comes first, then the four limits in their order.
csAnalyzer::End csAnalyzer::EndOfStep(const StepRecord& record) const {
  if (stepSolver_.IsFinished()) return End::StructureFailed;
  if (limits_.MaxAddDisp <= record.MaxAddDisp) return End::MaxAddDisp;
  if (limits_.MaxAddRotAngle <= record.MaxAddRotAngle) return End::MaxAddRotAngle;
  if (limits_.MaxDisp <= record.MaxDisp) return End::MaxDisp;
  if (limits_.MaxRotAngle <= record.MaxRotAngle) return End::MaxRotAngle;
  return End::None;
}

void csAnalyzer::ReportEnd(End end) const {
  if (!logger_) return;
  switch (end) {
    case End::StructureFailed:
      logger_->StructureFailed();
      break;
    case End::MaxAddDisp:
      logger_->MaxAddDispLimitReached();
      break;
    case End::MaxAddRotAngle:
      logger_->MaxAddRotAngleLimitReached();
      break;
    case End::MaxDisp:
      logger_->MaxDispLimitReached();
      break;
    case End::MaxRotAngle:
      logger_->MaxRotAngleLimitReached();
      break;
    case End::None:
      break;
  }
}

// Wall elements carry no per-case state.
void csAnalyzer::NextCase() const {
  for (ifNode* node : nodes_) node->NextCase();
  for (ifElement* element : elements_) element->NextCase();
}

void csAnalyzer::EndStep(std::uint32_t step) const {
  for (ifNode* node : nodes_) node->EndStep(step);
  for (ifElement* element : elements_) element->EndStep(step);
  for (ifWallElement* wall : wallElements_) wall->EndStep(step);
}

void csAnalyzer::EndAnalysis() const {
  for (ifNode* node : nodes_) node->EndAnalysis();
  for (ifElement* element : elements_) element->EndAnalysis();
  for (ifWallElement* wall : wallElements_) wall->EndAnalysis();
}

std::ostream& operator<<(std::ostream& os, const csAnalyzer::StepRecord& record) {
  os << "LimitStep : " << record.LimitStep << '\n'
     << "LimitRatio : " << record.LimitRatio << '\n'
     << "Step : " << record.Step << '\n'
     << "LoadDispNumber : " << record.LoadDispNumber << '\n'
     << "AddRatio : " << record.AddRatio << '\n'
     << "TotalRatio : " << record.TotalRatio << '\n'
     << "MaxAddDisp : " << record.MaxAddDisp << '\n'
     << "MaxAddRotAngle : " << record.MaxAddRotAngle << '\n'
     << "MaxDisp : " << record.MaxDisp << '\n'
     << "MaxRotAngle : " << record.MaxRotAngle << '\n'
     << "MaxAddDispNodeID : " << record.MaxAddDispNodeID << '\n'
     << "MaxAddRotAngleElementID : " << record.MaxAddRotAngleElementID << '\n'
     << "MaxDispNodeID : " << record.MaxDispNodeID << '\n'
     << "MaxRotAngleElementID : " << record.MaxRotAngleElementID << '\n'
     << "ReachedToLimitStep : " << record.ReachedToLimitStep << '\n'
     << "ReachedToLimitRatio : " << record.ReachedToLimitRatio << '\n';
  return os;
}

}  // namespace znFEM::znTraceYield2DRahmen
