#include "fem/app/report/Loggers.h"

#include <algorithm>
#include <exception>
#include <map>
#include <optional>

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
  for (const auto& [id, result] : nodes.Records().GetResults()) {
    state.Nodes[id].PanelState = result.PanelState;
    state.Nodes[id].Disp = result.Disp;
  }
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

// The hinges in the order they first formed and, with a monitored node, the capacity curve
// from the unloaded state through every step, for a run of more than one step; none else.
std::optional<znDraw::PushoverHistory> History(const csAnalyzerLogger& analyzer) {
  const auto& steps = analyzer.GetSteps();
  if (steps.size() < 2) return std::nullopt;
  znDraw::PushoverHistory history;
  const bool monitored = steps.front().MonitorDisp < model::kInfinite;
  if (monitored) history.Curve.push_back({0.0, 0.0, false});
  for (const auto& step : steps) {
    for (const model::MemberEvent& event : step.Events) {
      if (event.Kind != model::EventKind::Hinge) continue;
      const int end = static_cast<int>(event.End);
      const bool formed = std::any_of(history.Hinges.begin(), history.Hinges.end(),
                                      [&](const znDraw::HingeFormation& h) {
                                        return h.ElementID == event.ElementID && h.End == end;
                                      });
      if (!formed) {
        history.Hinges.push_back(
            {event.ElementID, end, static_cast<std::uint32_t>(history.Hinges.size() + 1)});
      }
    }
    if (monitored)
      history.Curve.push_back({step.MonitorDisp, step.TotalRatio, !step.Events.empty()});
  }
  return history;
}

}  // namespace

csLoggers::csLoggers(znInOutData::ifOutputDataWriter& writer, ifErrorMessage& errorMessage,
                     std::ostream& dxfStream)
    : writer_(writer), conductor_(errorMessage), dxf_(std::make_unique<znDraw::csDxf>(dxfStream)) {}

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
  const bool results = analyzer_.IsEndedNormally();
  const std::vector<znDraw::StructureState> states{
      results ? FinalState(analyzer_, node_, element_, wallElement_) : znDraw::StructureState{}};
  if (results) {
    znDraw::DrawStructure(*dxf_, dxfProp_, records, states);
  } else {
    csGeometryOnlyDraw geometry(*dxf_);
    znDraw::DrawStructure(geometry, dxfProp_, records, states);
  }
  dxf_->Write();
  const std::optional<znDraw::PushoverHistory> history = History(analyzer_);
  for (znDraw::ifStructurePicture* picture : pictures_) {
    picture->Draw(dxfProp_, records, states, results, history ? &*history : nullptr);
  }
}

void csLoggers::Fail(const std::string& text) noexcept {
  try {
    if (failureSink_ != nullptr && failureSink_->empty()) *failureSink_ = text;
  } catch (...) {
    // Out of memory while keeping the text: the run still fails through the lost report.
  }
}

}  // namespace znFEM::znTarvex
