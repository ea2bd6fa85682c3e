#include "app/RunAssembly.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "clock/PhaseClock.h"
#include "draw/structure/DxfProp.h"
#include "draw/structure/StructurePicture.h"
#include "fem/app/input/Failed.h"
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

// What the page's summary counts of the model read.
struct stModelCounts {
  std::size_t nodes = 0, elements = 0, wallElements = 0, springSupports = 0;
  std::size_t imposedLoads = 0, memberLoads = 0;
};

stModelCounts Count(const tarvex::stModelRecords& records) {
  return {records.nodes.size(),
          records.elements.size(),
          records.wallElements.size(),
          records.springSupports.size(),
          records.imposedLoads.size(),
          records.directInputs.size() + records.concentratedLoads.size() +
              records.distributedLoads.size()};
}

// The records move into the conductor, which drops them with the model once the analysis
// is over: the report and the drawing take what they show from the loggers. Returns the
// ElementStress definitions as checked against their members.
std::vector<model::ElementStressProp> Analyze(
    const model::LoggerBundle& loggers, const tarvex::csReaders& readers,
    tarvex::stModelRecords& records, std::vector<model::ElementStressProp> elementStresses) {
  model::csConductor conductor(loggers, readers.GetBalanceZero());
  conductor.SetLimits(readers.GetAnalysisLimits());
  conductor.SetMonitor(readers.GetMonitor().NodeID, readers.GetMonitor().Direction);
  conductor.SetNodeRecords(std::move(records.nodes));
  conductor.SetElementRecords(std::move(records.elements));
  conductor.SetWallElementRecords(std::move(records.wallElements));
  conductor.SetSpringSupportRecords(std::move(records.springSupports));
  conductor.SetImposedLoadRecords(std::move(records.imposedLoads));
  conductor.SetEdgeLoadRecords(std::move(records.directInputs),
                               std::move(records.concentratedLoads),
                               std::move(records.distributedLoads));
  conductor.SetElementStressRecords(std::move(elementStresses));
  conductor.Run();
  return conductor.GetElementStressRecords();
}

// The objects of the run, built in order and destroyed in reverse on every path: destroying
// the loggers writes the report and the drawings. The counts of the records read go to the
// caller, and so do the records themselves while the analysis has not taken them.
void Run(csFiles& files, znInOutData::ifOutputDataWriter& writers, znDraw::csSvgPicture* picture,
         tarvex::stModelRecords& records, std::optional<stModelCounts>& counts,
         std::string& reportFailure, bool& drawingFailed) {
  tarvex::csErrorMessage errorMessage(writers);
  tarvex::csLoggers loggers(writers, errorMessage, files.DxfStream());
  loggers.SetFailureSink(reportFailure);
  loggers.SetDrawingFailedFlag(drawingFailed);
  if (picture != nullptr) loggers.AddPicture(*picture);
  tarvex::csReaders readers(errorMessage);

  std::vector<model::ElementStressProp> elementStresses;
  {
    // The text of the input is held only while it is read.
    const znClock::csPhase phase(znClock::Phase::Read);
    tarvex::csInputDataReaderWrapper wrapper(files.InputStream(), errorMessage);
    readers.Read(wrapper);
    readers.ReadElementStresses(wrapper, elementStresses);
    readers.ReadModelBlocks(wrapper, records);
  }
  const znDraw::DxfProp dxfProp = readers.GetDxfProp();

  loggers.SetDxfProp(dxfProp);
  loggers.SetTraced(readers.IsTraced(records), !readers.GetMonitor().NodeID.empty());
  counts = Count(records);
  loggers.SetElementStresses(
      Analyze(loggers.GetLoggerBundle(), readers, records, std::move(elementStresses)));
}

void ThrowIfReportFailed(const std::string& reportFailure) {
  if (!reportFailure.empty()) throw reportFailure;
}

// The head of the page: what the model holds, as far as it was read, and how the run ended.
csOutputDataWriterHtml::Summary PageSummary(const csFiles& files, const stModelCounts& counts,
                                            const csOutputDataWriterHtml& report) {
  const auto count = [](std::size_t n) { return std::to_string(n); };
  return {{"Input", files.InputName()},
          {"Nodes", count(counts.nodes)},
          {"Members", count(counts.elements)},
          {"Walls", count(counts.wallElements)},
          {"Spring supports", count(counts.springSupports)},
          {"Loads",
           count(counts.imposedLoads) + " on nodes, " + count(counts.memberLoads) + " on members"},
          {"EndType", report.PairValue("EndType")},
          {"Largest displacement", report.PairValue("MaxDisp")}};
}

// The SVG file and the HTML page are written once the run is over, whatever its end.
void WritePictures(csFiles& files, const znDraw::csSvgPicture& picture,
                   const tarvex::stModelRecords& records,
                   const std::optional<stModelCounts>& counts,
                   const csOutputDataWriterHtml& report) {
  if (files.IsSvgWanted()) files.SvgStream() << picture.File();
  if (files.IsHtmlWanted()) {
    report.WritePage(files.HtmlStream(), "frame2d: " + files.InputName(),
                     PageSummary(files, counts ? *counts : Count(records), report),
                     picture.Element());
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
  std::optional<stModelCounts> counts;
  std::string reportFailure;
  bool drawingFailed = false;
  try {
    Run(files, chain, pictureWanted ? &picture : nullptr, records, counts, reportFailure,
        drawingFailed);
  } catch (...) {
    WritePictures(files, picture, records, counts, html);
    ThrowIfReportFailed(reportFailure);
    throw;
  }
  WritePictures(files, picture, records, counts, html);
  ThrowIfReportFailed(reportFailure);
  // The analysis went through, but its drawing could not be laid out: the report says why.
  if (drawingFailed) throw tarvex::exFailed{};
}

}  // namespace frame2d
