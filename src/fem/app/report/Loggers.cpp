#include "fem/app/report/Loggers.h"

#include <exception>
#include <map>

#include "clock/PhaseClock.h"
#include "draw/structure/GeometryOnlyDraw.h"
#include "draw/structure/StructureDrawing.h"

namespace znFEM::znTarvex {

namespace {

namespace model = znTraceYield2DRahmen;

const char* const kReportFailed = "The report can't be written.";

// The final state of the analysis as the drawing takes it.
znDraw::StructureState FinalState(const csAnalyzerLogger& analyzer, const csNodeLogger& nodes,
                                  const csElementLogger& elements,
                                  const csWallElementLogger& walls) {
  znDraw::StructureState state;
  state.Step = analyzer.GetLastStep().Step;
  for (const auto& [id, result] : nodes.Records().GetResults())
    state.Nodes[id].PanelState = result.PanelState;
  for (const auto& [id, result] : elements.Records().GetResults()) {
    znDraw::ElementResult& drawn = state.Elements[id];
    drawn.FaceForceI = {result.TotalFaceForce.at(0), result.TotalFaceForce.at(1),
                        result.TotalFaceForce.at(2)};
    drawn.AxialState = result.AxialState;
    drawn.HingeState = result.HingeState;
  }
  for (const auto& [id, result] : walls.Records().GetResults()) {
    state.WallElements[id].EdgeForce = result.EndForce;
  }
  return state;
}

}  // namespace

csLoggers::csLoggers(znInOutData::ifOutputDataWriter& writer, ifErrorMessage& errorMessage,
                     std::ostream& dxfStream)
    : writer_(writer),
      conductor_(errorMessage),
      elementStress_(errorMessage),
      dxf_(std::make_unique<znDraw::csDxf>(dxfStream)) {}

csLoggers::~csLoggers() {
  try {
    WriteReport();
    DrawStructure();
  } catch (const std::string& text) {
    Fail(text);
  } catch (const std::exception& e) {
    Fail(std::string(kReportFailed) + " : " + e.what());
  } catch (...) {
    Fail(kReportFailed);
  }
}

void csLoggers::SetElementStresses(
    const std::vector<znTraceYield2DRahmen::ElementStressProp>& definitions) {
  elementStress_.SetDefinitions(definitions);
}

void csLoggers::SetTraced(bool traced, bool monitored) {
  analyzer_.SetTraced(traced, monitored);
  imposedLoad_.SetTraced(traced);
  edgeLoad_.SetTraced(traced);
  node_.SetTraced(traced);
}

znTraceYield2DRahmen::LoggerBundle csLoggers::GetLoggerBundle() {
  znTraceYield2DRahmen::LoggerBundle bundle;
  bundle.Conductor = &conductor_;
  bundle.Analyzer = &analyzer_;
  bundle.Node = &node_;
  bundle.Element = &element_;
  bundle.WallElement = &wallElement_;
  bundle.SpringSupportNode = &springSupportNode_;
  bundle.SpringSupportElement = &springSupportElement_;
  bundle.ImposedLoadAndDisp = &imposedLoad_;
  bundle.EdgeLoadFixCase = &edgeLoad_;
  return bundle;
}

void csLoggers::WriteReport() {
  const znClock::csPhase phase(znClock::Phase::Report);
  const bool results = analyzer_.IsEndedNormally();
  node_.SetResultsAvailable(results);
  element_.SetResultsAvailable(results);
  wallElement_.SetResultsAvailable(results);
  elementStress_.SetResultsAvailable(results);
  node_.MergeSpringSupports(springSupportNode_, springSupportElement_);
  // Without a report file the tables are not built: the drawing needs none of them.
  if (!writer_.IsWritten()) return;

  analyzer_.Write(writer_);
  imposedLoad_.Write(writer_);
  edgeLoad_.Write(writer_);
  node_.Write(writer_);
  element_.Write(writer_);
  wallElement_.Write(writer_);
  elementStress_.Write(writer_, node_, element_, edgeLoad_);
  writer_.End();
}

// After a run without results the geometry is drawn alone: there are no forces to show.
void csLoggers::DrawStructure() {
  const znClock::csPhase phase(znClock::Phase::Drawing);
  znDraw::StructureRecords records;
  records.Nodes = node_.Records().GetPropList();
  records.Elements = element_.Records().GetPropList();
  records.WallElements = wallElement_.Records().GetPropList();
  records.ElementStresses = elementStress_.GetDefinitions();
  records.ConcentratedLoads = edgeLoad_.GetConcentratedRecords();
  records.DistributedLoads = edgeLoad_.GetDistributedRecords();
  if (analyzer_.IsEndedNormally()) {
    const std::vector<znDraw::StructureState> states{
        FinalState(analyzer_, node_, element_, wallElement_)};
    znDraw::DrawStructure(*dxf_, dxfProp_, records, states);
  } else {
    csGeometryOnlyDraw geometry(*dxf_);
    znDraw::DrawStructure(geometry, dxfProp_, records, {znDraw::StructureState{}});
  }
  dxf_->Write();
}

void csLoggers::Fail(const std::string& text) noexcept {
  try {
    if (failureSink_ != nullptr && failureSink_->empty()) *failureSink_ = text;
  } catch (...) {
    // Out of memory while keeping the text: the run still fails through the lost report.
  }
}

}  // namespace znFEM::znTarvex
