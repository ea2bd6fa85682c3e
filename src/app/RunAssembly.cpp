#include "app/RunAssembly.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "clock/PhaseClock.h"
#include "draw/structure/DxfProp.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/input/Readers.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/app/report/Loggers.h"
#include "fem/model/Conductor.h"
#include "fem/model/LoggerBundle.h"

namespace frame2d {

namespace {

namespace model = znFEM::znTraceYield2DRahmen;
namespace tarvex = znFEM::znTarvex;

void Analyze(const model::LoggerBundle& loggers, const tarvex::csReaders& readers,
             const tarvex::stModelRecords& records) {
  model::csConductor conductor(loggers, readers.GetBalanceZero());
  conductor.SetLimits(readers.GetAnalysisLimits());
  conductor.SetMonitor(readers.GetMonitor().NodeID, readers.GetMonitor().Direction);
  conductor.SetNodeRecords(records.nodes);
  conductor.SetElementRecords(records.elements);
  conductor.SetWallElementRecords(records.wallElements);
  conductor.SetSpringSupportRecords(records.springSupports);
  conductor.SetImposedLoadRecords(records.imposedLoads);
  conductor.SetEdgeLoadRecords(records.directInputs, records.concentratedLoads,
                               records.distributedLoads);
  conductor.Run();
}

// The objects of the run, built in order and destroyed in reverse on every path: destroying
// the loggers writes the report and the drawing.
void Run(csFiles& files, znInOutData::ifOutputDataWriter& writers, std::string& reportFailure) {
  tarvex::csErrorMessage errorMessage(writers);
  tarvex::csInputDataReaderWrapper wrapper(files.InputStream(), errorMessage);
  tarvex::csLoggers loggers(writers, errorMessage, files.DxfStream());
  loggers.SetFailureSink(reportFailure);
  tarvex::csReaders readers(errorMessage);

  std::vector<model::ElementStressProp> elementStresses;
  tarvex::stModelRecords records;
  {
    const znClock::csPhase phase(znClock::Phase::Read);
    readers.Read(wrapper);
    readers.ReadElementStresses(wrapper, elementStresses);
    readers.ReadModelBlocks(wrapper, records);
  }
  const znDraw::DxfProp dxfProp = readers.GetDxfProp();

  loggers.SetElementStresses(elementStresses);
  loggers.SetDxfProp(dxfProp);
  loggers.SetTraced(readers.IsTraced(records), !readers.GetMonitor().NodeID.empty());
  Analyze(loggers.GetLoggerBundle(), readers, records);
}

void ThrowIfReportFailed(const std::string& reportFailure) {
  if (!reportFailure.empty()) throw reportFailure;
}

// Everything written must have reached its file before the run may count as succeeded.
void CheckOutput(std::ostream& stream, const std::string& name) {
  stream.flush();
  if (!stream) throw "The output file can't be written.\nFileName : " + name;
}

void CheckOutputs(csFiles& files) {
  if (files.IsTextWanted()) CheckOutput(files.TextStream(), files.TextName());
  if (files.IsCsvWanted()) CheckOutput(files.CsvStream(), files.CsvName());
  if (files.IsPipeWanted()) CheckOutput(files.PipeStream(), files.PipeName());
  CheckOutput(files.DxfStream(), files.DxfName());
}

}  // namespace

void RunAssembly(csFiles& files, znInOutData::ifOutputDataWriter& writers) {
  std::string reportFailure;
  try {
    Run(files, writers, reportFailure);
  } catch (...) {
    ThrowIfReportFailed(reportFailure);
    throw;
  }
  ThrowIfReportFailed(reportFailure);
  CheckOutputs(files);
}

}  // namespace frame2d
