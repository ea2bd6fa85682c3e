#include "fem/app/report/AnalyzerLogger.h"

#include "fem/app/report/TraceTables.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

void csAnalyzerLogger::StepDone(const StepRecord& record) {
  lastStep_ = record;
  if (traced_) steps_.push_back(record);
}

void csAnalyzerLogger::StructureFailed(znTraceYield2DRahmen::FailureKind kind,
                                       const std::string& memberID) {
  end_ = kind == znTraceYield2DRahmen::FailureKind::Axial ? EndReason::AxialFailure
                                                          : EndReason::ShearFailure;
  failedMemberID_ = memberID;
}

void csAnalyzerLogger::SetTraced(bool traced, bool monitored) {
  traced_ = traced;
  monitored_ = monitored;
}

void csAnalyzerLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  writer.Title(1, "Analyze");
  writer.Title(2, "EndProp");
  if (traced_) {
    WriteEnd(writer);
    return;
  }
  const unsigned keyWidth = 7;
  const std::string separator = " : ";
  writer.Pair("EndType", endedNormally_ ? "Succeed" : "Failed", separator, keyWidth);
  writer.Pair("MaxDisp", formats_.Number(lastStep_.MaxDisp, csFormatTables::kFormatForce),
              separator, keyWidth);
  writer.Pair("MaxRotAngle", formats_.Number(lastStep_.MaxRotAngle, csFormatTables::kFormatAngle),
              separator, keyWidth);
}

// The end ratio is the total of the last completed step: for a mechanism, the collapse ratio.
void csAnalyzerLogger::WriteEnd(znInOutData::ifOutputDataWriter& writer) const {
  const unsigned keyWidth = 11;
  const std::string separator = " : ";
  writer.Pair("EndType", endedNormally_ ? "Succeed" : "Failed", separator, keyWidth);
  if (endedNormally_ && end_) {
    writer.Pair("EndReason", znTraceYield2DRahmen::EndReasonName(*end_), separator, keyWidth);
    if (!failedMemberID_.empty()) writer.Pair("EndElement", failedMemberID_, separator, keyWidth);
    writer.Pair("EndCase", znPrint::FormatCount(lastStep_.LoadDispNumber), separator, keyWidth);
    writer.Pair("EndRatio", RatioText(lastStep_.TotalRatio), separator, keyWidth);
  }
  writer.Pair("MaxDisp", formats_.Number(lastStep_.MaxDisp, csFormatTables::kFormatForce),
              separator, keyWidth);
  writer.Pair("MaxRotAngle", formats_.Number(lastStep_.MaxRotAngle, csFormatTables::kFormatAngle),
              separator, keyWidth);
  if (!endedNormally_ || steps_.empty()) return;
  writer.Title(2, "Step");
  writer.Table(StepTable(steps_));
  const znInOutData::stTable events = EventTable(steps_);
  if (!events.Value.empty()) {
    writer.Title(2, "Event");
    writer.Table(events);
  }
  if (monitored_) {
    writer.Title(2, "Curve");
    writer.Table(CurveTable(steps_));
  }
}

}  // namespace znFEM::znTarvex
