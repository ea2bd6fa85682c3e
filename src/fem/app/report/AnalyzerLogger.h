// Keeps the analyzer's step records, whether the analysis reached its end and why, and writes
// the report's Analyze section.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/model/Analyzer.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csAnalyzerLogger : public znTraceYield2DRahmen::csAnalyzer::ifLogger {
 public:
  using StepRecord = znTraceYield2DRahmen::csAnalyzer::StepRecord;
  using EndReason = znTraceYield2DRahmen::EndReason;

  void MaxAddDispLimit(double) override {}
  void MaxAddRotAngleLimit(double) override {}
  void MaxDispLimit(double) override {}
  void MaxRotAngleLimit(double) override {}
  void StepDone(const StepRecord& record) override;
  void NextLoadCase() override {}
  void LastLoadCaseEnded() override { end_ = EndReason::RatioReached; }
  void StepLimitReached() override { end_ = EndReason::StepLimit; }
  void MaxAddDispLimitReached() override { end_ = EndReason::MaxAddDisp; }
  void MaxAddRotAngleLimitReached() override { end_ = EndReason::MaxAddRotAngle; }
  void MaxDispLimitReached() override { end_ = EndReason::MaxDisp; }
  void MaxRotAngleLimitReached() override { end_ = EndReason::MaxRotAngle; }
  void StructureFailed(znTraceYield2DRahmen::FailureKind kind,
                       const std::string& memberID) override;
  void MechanismFormed() override { end_ = EndReason::Mechanism; }
  void AnalysisEnded() override { endedNormally_ = true; }
  // The run failed after the analysis (its drawing): the report shows no results.
  void ResultsWithdrawn() { endedNormally_ = false; }

  // A traced analysis (one whose input asks for capacities, load cases, limits or a monitor)
  // keeps every step and reports why it ended, its steps, its events and, with a monitored
  // node, its capacity curve.
  void SetTraced(bool traced, bool monitored);

  // The Analyze section, written in every report: how the analysis ended and the largest
  // displacement and member rotation angle of the last step ("----" when no step finished);
  // for a traced analysis that ended, also why, at which case and ratio, and the Step, Event
  // and Curve tables.
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  bool IsEndedNormally() const { return endedNormally_; }
  const StepRecord& GetLastStep() const { return lastStep_; }
  // Every step of a traced analysis, in order, each with its events; the member that failed
  // when the analysis ended by a failure.
  const std::vector<StepRecord>& GetSteps() const { return steps_; }
  std::optional<EndReason> GetEndReason() const { return end_; }
  const std::string& GetFailedMemberID() const { return failedMemberID_; }

 private:
  void WriteEnd(znInOutData::ifOutputDataWriter& writer) const;

  csFormatTables formats_;
  StepRecord lastStep_;
  std::vector<StepRecord> steps_;
  std::optional<EndReason> end_;
  std::string failedMemberID_;
  bool endedNormally_ = false;
  bool traced_ = false;
  bool monitored_ = false;
};

}  // namespace znFEM::znTarvex
