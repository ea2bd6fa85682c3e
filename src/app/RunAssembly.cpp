#include "app/RunAssembly.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "clock/PhaseClock.h"
#include "draw/structure/DxfProp.h"
#include "draw/structure/StructurePicture.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/input/Readers.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/app/report/Loggers.h"
#include "fem/model/Conductor.h"
#include "fem/model/LoggerBundle.h"
#include "inout/OutputDataWriterCompositor.h"
#include "inout/OutputDataWriterHtml.h"

namespace frame2d {

namespace {

namespace model = znFEM::znTraceYield2DRahmen;
namespace tarvex = znFEM::znTarvex;
using znInOutData::znOutputDataWriter::csOutputDataWriterCompositor;
using znInOutData::znOutputDataWriter::csOutputDataWriterHtml;

// Returns the ElementStress definitions as checked against their members.
std::vector<model::ElementStressProp> Analyze(
    const model::LoggerBundle& loggers, const tarvex::csReaders& readers,
    const tarvex::stModelRecords& records,
    const std::vector<model::ElementStressProp>& elementStresses) {
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
  conductor.SetElementStressRecords(elementStresses);
  conductor.Run();
  return conductor.GetElementStressRecords();
}

// The objects of the run, built in order and destroyed in reverse on every path: destroying
// the loggers writes the report and the drawings. The records read stay with the caller.
void Run(csFiles& files, znInOutData::ifOutputDataWriter& writers, znDraw::csSvgPicture* picture,
         tarvex::stModelRecords& records, std::string& reportFailure) {
  tarvex::csErrorMessage errorMessage(writers);
  tarvex::csInputDataReaderWrapper wrapper(files.InputStream(), errorMessage);
  tarvex::csLoggers loggers(writers, errorMessage, files.DxfStream());
  loggers.SetFailureSink(reportFailure);
  if (picture != nullptr) loggers.AddPicture(*picture);
  tarvex::csReaders readers(errorMessage);

  std::vector<model::ElementStressProp> elementStresses;
  {
    const znClock::csPhase phase(znClock::Phase::Read);
    readers.Read(wrapper);
    readers.ReadElementStresses(wrapper, elementStresses);
    readers.ReadModelBlocks(wrapper, records);
  }
  const znDraw::DxfProp dxfProp = readers.GetDxfProp();

  loggers.SetDxfProp(dxfProp);
  loggers.SetTraced(readers.IsTraced(records), !readers.GetMonitor().NodeID.empty());
  loggers.SetElementStresses(Analyze(loggers.GetLoggerBundle(), readers, records, elementStresses));
}

void ThrowIfReportFailed(const std::string& reportFailure) {
  if (!reportFailure.empty()) throw reportFailure;
}

// The head of the page: what the model holds, as far as it was read, and how the run ended.
csOutputDataWriterHtml::Summary PageSummary(const csFiles& files,
                                            const tarvex::stModelRecords& records,
                                            const csOutputDataWriterHtml& report) {
  const auto count = [](std::size_t n) { return std::to_string(n); };
  const std::size_t memberLoads = records.directInputs.size() + records.concentratedLoads.size() +
                                  records.distributedLoads.size();
  return {{"Input", files.InputName()},
          {"Nodes", count(records.nodes.size())},
          {"Members", count(records.elements.size())},
          {"Walls", count(records.wallElements.size())},
          {"Spring supports", count(records.springSupports.size())},
          {"Loads",
           count(records.imposedLoads.size()) + " on nodes, " + count(memberLoads) + " on members"},
          {"EndType", report.PairValue("EndType")},
          {"Largest displacement", report.PairValue("MaxDisp")}};
}

// The SVG file and the HTML page are written once the run is over, whatever its end.
void WritePictures(csFiles& files, const znDraw::csSvgPicture& picture,
                   const tarvex::stModelRecords& records, const csOutputDataWriterHtml& report) {
  if (files.IsSvgWanted()) files.SvgStream() << picture.File();
  if (files.IsHtmlWanted()) {
    report.WritePage(files.HtmlStream(), "frame2d: " + files.InputName(),
                     PageSummary(files, records, report), picture.Element());
  }
}

}  // namespace

void RunAssembly(csFiles& files, znInOutData::ifOutputDataWriter& writers) {
  // The HTML writer takes the report last, after the writers of the driver.
  csOutputDataWriterHtml html;
  csOutputDataWriterCompositor chain;
  chain.Add(&writers);
  if (files.IsHtmlWanted()) chain.Add(&html);
  znDraw::csSvgPicture picture;
  const bool pictureWanted = files.IsSvgWanted() || files.IsHtmlWanted();
  tarvex::stModelRecords records;
  std::string reportFailure;
  try {
    Run(files, chain, pictureWanted ? &picture : nullptr, records, reportFailure);
  } catch (...) {
    WritePictures(files, picture, records, html);
    ThrowIfReportFailed(reportFailure);
    throw;
  }
  WritePictures(files, picture, records, html);
  ThrowIfReportFailed(reportFailure);
}

}  // namespace frame2d
