// Keeps the analyzer's last step record and whether the analysis reached its end, and writes
// the report's Analyze section.
#pragma once

#include "fem/app/report/FormatTables.h"
#include "fem/model/Analyzer.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csAnalyzerLogger : public znTraceYield2DRahmen::csAnalyzer::ifLogger {
 public:
  using StepRecord = znTraceYield2DRahmen::csAnalyzer::StepRecord;

  void MaxAddDispLimit(double) override {}
  void MaxAddRotAngleLimit(double) override {}
  void MaxDispLimit(double) override {}
  void MaxRotAngleLimit(double) override {}
  void StepDone(const StepRecord& record) override { lastStep_ = record; }
  void NextLoadCase() override {}
  void LastLoadCaseEnded() override {}
  void MaxAddDispLimitReached() override {}
  void MaxAddRotAngleLimitReached() override {}
  void MaxDispLimitReached() override {}
  void MaxRotAngleLimitReached() override {}
  void StructureFailed() override {}
  void AnalysisEnded() override { endedNormally_ = true; }

  // The Analyze section, written in every report: how the analysis ended and the largest
  // displacement and member rotation angle of the last step ("----" when no step finished).
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  bool IsEndedNormally() const { return endedNormally_; }
  const StepRecord& GetLastStep() const { return lastStep_; }

 private:
  csFormatTables formats_;
  StepRecord lastStep_;
  bool endedNormally_ = false;
};

}  // namespace znFEM::znTarvex
