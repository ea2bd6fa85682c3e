// The step loop over the load cases: each step asks the step solver for its increment, adds
// the applied ratio to the case's total and ends the case or the analysis by the first reason
// that holds.
#include "fem/model/Analyzer.h"

#include <ostream>

namespace znFEM::znTraceYield2DRahmen {

const char* EndReasonName(EndReason reason) {
  switch (reason) {
    case EndReason::RatioReached:
      return "RatioReached";
    case EndReason::StepLimit:
      return "StepLimit";
    case EndReason::Mechanism:
      return "Mechanism";
    case EndReason::ShearFailure:
      return "ShearFailure";
    case EndReason::AxialFailure:
      return "AxialFailure";
    case EndReason::MaxDisp:
      return "MaxDisp";
    case EndReason::MaxRotAngle:
      return "MaxRotAngle";
    case EndReason::MaxAddDisp:
      return "MaxAddDisp";
    case EndReason::MaxAddRotAngle:
      return "MaxAddRotAngle";
  }
  return "";
}

csAnalyzer::csAnalyzer(ifEachDone& stepSolver, ifLogger* logger)
    : stepSolver_(stepSolver), logger_(logger) {}

void csAnalyzer::SetLimits(const AnalysisLimits& limits) {
  limits_ = limits;
}

void csAnalyzer::SetMonitor(const ifNode* node, std::uint32_t direction) {
  monitorNode_ = node;
  monitorDirection_ = direction;
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

// Steps are counted over the whole analysis and within each case; a case that reaches its
// ratio hands the structure, with every total, to the next case.
void csAnalyzer::Run() {
  CheckLoadCases();
  ReportLimits();
  stepSolver_.SetNodes(nodes_);
  stepSolver_.SetElements(elements_);
  stepSolver_.SetWallElements(wallElements_);
  std::uint32_t step = 0;
  std::uint32_t caseStep = 0;
  std::uint32_t loadCase = 0;
  double totalRatio = 0.0;
  bool stiffnessChanged = false;
  BeginAnalysis();
  for (;;) {
    BeginStep(step);
    StepRecord record;
    try {
      record = DoStep(step, caseStep, loadCase, totalRatio);
    } catch (const csEachDone::exTheNodeIsIsolated&) {
      if (!stiffnessChanged) throw;
      ReportEnd(End::Mechanism);
      break;
    } catch (const csEachDone::exFailedToAnalyzeMatrix&) {
      if (!stiffnessChanged) throw;
      ReportEnd(End::Mechanism);
      break;
    }
    stiffnessChanged = stiffnessChanged || !record.Events.empty();
    totalRatio = record.TotalRatio;
    if (logger_) logger_->StepDone(record);
    const End end = EndOfStep(record);
    if (end != End::None) {
      ReportEnd(end);
      break;
    }
    if (record.ReachedToLimitRatio) {
      ++loadCase;
      caseStep = 0;
      totalRatio = 0.0;
      if (logger_) logger_->NextLoadCase();
      NextCase();
    } else {
      ++caseStep;
    }
    EndStep(step);
    ++step;
  }
  EndAnalysis();
  if (logger_) logger_->AnalysisEnded();
}

void csAnalyzer::CheckLoadCases() const {
  bool wrong = limits_.Steps.empty() || limits_.Ratios.size() < limits_.Steps.size();
  for (std::uint32_t limit : limits_.Steps) wrong = wrong || limit == 0;
  if (wrong) throw exLoadCaseLimitsAreWrong{limits_.Steps.size(), limits_.Ratios.size()};
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

// The step solver is given what the case still allows, so the total never overshoots; a step
// that takes all of it ends the case at its ratio exactly.
csAnalyzer::StepRecord csAnalyzer::DoStep(std::uint32_t step, std::uint32_t caseStep,
                                          std::uint32_t loadCase, double totalRatio) const {
  StepRecord record;
  record.LimitStep = limits_.Steps[loadCase];
  record.LimitRatio = limits_.Ratios[loadCase];
  record.Step = step;
  record.CaseStep = caseStep;
  record.LoadDispNumber = loadCase;
  const double remaining = record.LimitRatio - totalRatio;
  stepSolver_.Do(remaining, step, loadCase);
  record.AddRatio = stepSolver_.GetAddRatio();
  record.ReachedToLimitRatio = record.AddRatio >= remaining;
  record.TotalRatio = record.ReachedToLimitRatio ? record.LimitRatio : totalRatio + record.AddRatio;
  record.MaxAddDisp = stepSolver_.GetMaxAddDisp();
  record.MaxAddRotAngle = stepSolver_.GetMaxAddRotAngle();
  record.MaxDisp = stepSolver_.GetMaxDisp();
  record.MaxRotAngle = stepSolver_.GetMaxRotAngle();
  record.MaxAddDispNodeID = stepSolver_.GetMaxAddDispNodeID();
  record.MaxAddRotAngleElementID = stepSolver_.GetMaxAddRotAngleElementID();
  record.MaxDispNodeID = stepSolver_.GetMaxDispNodeID();
  record.MaxRotAngleElementID = stepSolver_.GetMaxRotAngleElementID();
  if (monitorNode_) record.MonitorDisp = monitorNode_->GetDisp()[monitorDirection_];
  record.Events = stepSolver_.GetEvents();
  record.ReachedToLimitStep = caseStep + 1 >= record.LimitStep;
  return record;
}

// A failed structure comes first. Where another reason holds, or the case ends, after a step
// with events, the stiffness those events left is tried: a singular one is a mechanism, which
// comes before the limits, the ratio and the step count in their order.
csAnalyzer::End csAnalyzer::EndOfStep(const StepRecord& record) const {
  if (stepSolver_.IsFinished()) return End::StructureFailed;
  const bool lastCase = record.LoadDispNumber + 1 >= limits_.Steps.size();
  End end = End::None;
  if (limits_.MaxAddDisp <= record.MaxAddDisp) {
    end = End::MaxAddDisp;
  } else if (limits_.MaxAddRotAngle <= record.MaxAddRotAngle) {
    end = End::MaxAddRotAngle;
  } else if (limits_.MaxDisp <= record.MaxDisp) {
    end = End::MaxDisp;
  } else if (limits_.MaxRotAngle <= record.MaxRotAngle) {
    end = End::MaxRotAngle;
  } else if (record.ReachedToLimitRatio && lastCase) {
    end = End::RatioReached;
  } else if (!record.ReachedToLimitRatio && record.ReachedToLimitStep) {
    end = End::StepLimit;
  }
  const bool mayEnd = end != End::None || record.ReachedToLimitRatio;
  if (mayEnd && !record.Events.empty() && stepSolver_.IsStiffnessSingular()) return End::Mechanism;
  return end;
}

void csAnalyzer::ReportEnd(End end) const {
  if (!logger_) return;
  switch (end) {
    case End::StructureFailed: {
      const ifEachDone::Failure failure = stepSolver_.GetFailure();
      logger_->StructureFailed(failure.Kind, failure.MemberID);
      break;
    }
    case End::Mechanism:
      logger_->MechanismFormed();
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
    case End::RatioReached:
      logger_->LastLoadCaseEnded();
      break;
    case End::StepLimit:
      logger_->StepLimitReached();
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
     << "CaseStep : " << record.CaseStep << '\n'
     << "LoadDispNumber : " << record.LoadDispNumber << '\n'
     << "AddRatio : " << record.AddRatio << '\n'
     << "TotalRatio : " << record.TotalRatio << '\n'
     << "MaxAddDisp : " << record.MaxAddDisp << '\n'
     << "MaxAddRotAngle : " << record.MaxAddRotAngle << '\n'
     << "MaxDisp : " << record.MaxDisp << '\n'
     << "MaxRotAngle : " << record.MaxRotAngle << '\n'
     << "MonitorDisp : " << record.MonitorDisp << '\n'
     << "MaxAddDispNodeID : " << record.MaxAddDispNodeID << '\n'
     << "MaxAddRotAngleElementID : " << record.MaxAddRotAngleElementID << '\n'
     << "MaxDispNodeID : " << record.MaxDispNodeID << '\n'
     << "MaxRotAngleElementID : " << record.MaxRotAngleElementID << '\n'
     << "ReachedToLimitStep : " << record.ReachedToLimitStep << '\n'
     << "ReachedToLimitRatio : " << record.ReachedToLimitRatio << '\n'
     << "Events : " << record.Events.size() << '\n';
  return os;
}

}  // namespace znFEM::znTraceYield2DRahmen
