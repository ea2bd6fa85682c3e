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
  state.Nodes.reserve(nodes.Records().Size());
  state.Elements.reserve(elements.Records().Size());
  state.WallElements.reserve(walls.Records().Size());
  nodes.Records().ForEachResult([&](const std::string& id, const csNodeLogger::stResult& result) {
    znDraw::NodeResult& drawn = state.Nodes[id];
    drawn.PanelState = result.PanelState;
    drawn.Disp = result.Disp;
  });
  elements.Records().ForEachResult(
      [&](const std::string& id, const csElementLogger::stResult& result) {
        znDraw::ElementResult& drawn = state.Elements[id];
        const csElementLogger::Six total = result.TotalFaceForce();
        drawn.FaceForceI = {total.at(0), total.at(1), total.at(2)};
        drawn.AxialState = result.AxialState;
        drawn.HingeState = result.HingeState;
      });
  walls.Records().ForEachResult(
      [&](const std::string& id, const csWallElementLogger::stResult& result) {
        state.WallElements[id].EdgeForce = result.EndForce;
      });
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
    : writer_(writer),
      errorMessage_(errorMessage),
      conductor_(errorMessage),
      dxf_(std::make_unique<znDraw::csDxf>(dxfStream)) {
  element_.SetNodeLogger(&node_);
}

csLoggers::~csLoggers() {
  try {
    LayOutDrawing();
    WriteReport();
    WriteDrawing();
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

// The drawing is laid out before the report is written. After a run without results the
// geometry is drawn alone: there are no forces to show. A drawing that holds a coordinate that
// is not finite is left out (its files stay empty); after a run with results it ends the run as
// a drawing error naming the DxfProp key that drives it there, and the report shows no results.
// This first layout keeps none of the DXF file's entities: the file is written after the report,
// from a second layout of the same drawing.
void csLoggers::LayOutDrawing() {
  const znClock::csPhase phase(znClock::Phase::Drawing);
  states_ = FinalStates();
  znDraw::StructureRecords records = LendRecords();
  DrawStructure(records, states_);
  CheckDrawing(records, states_);
  GiveBackRecords(records);
  if (!drawingLaidOut_ || !dxf_->IsWritable()) states_ = {};
}

std::vector<znDraw::StructureState> csLoggers::FinalStates() const {
  if (!analyzer_.IsEndedNormally()) return {znDraw::StructureState{}};
  return {FinalState(analyzer_, node_, element_, wallElement_)};
}

// The drawing reads the records as its own: they are lent to it, not copied, and given back for
// the report.
znDraw::StructureRecords csLoggers::LendRecords() {
  znDraw::StructureRecords records;
  records.Nodes = node_.LendProps();
  records.Elements = element_.LendProps();
  records.WallElements = wallElement_.LendProps();
  records.ElementStresses = elementStress_.GetDefinitions();
  records.ConcentratedLoads = edgeLoad_.GetConcentratedRecords();
  records.DistributedLoads = edgeLoad_.GetDistributedRecords();
  return records;
}

void csLoggers::GiveBackRecords(znDraw::StructureRecords& records) {
  node_.GiveBackProps(std::move(records.Nodes));
  element_.GiveBackProps(std::move(records.Elements));
  wallElement_.GiveBackProps(std::move(records.WallElements));
}

// Once the report is written, the records of the loggers serve only to build the drawing's
// inputs; then they make room for the second layout and the entities it keeps.
void csLoggers::ReleaseRecords() {
  node_ = csNodeLogger{};
  element_ = csElementLogger{};
  wallElement_ = csWallElementLogger{};
  imposedLoad_ = csImposedLoadAndDispLogger{};
  edgeLoad_ = csEdgeLoadFixCaseLogger{};
}

void csLoggers::DrawStructure(const znDraw::StructureRecords& records,
                              const std::vector<znDraw::StructureState>& states) {
  if (analyzer_.IsEndedNormally()) {
    znDraw::DrawStructure(*dxf_, dxfProp_, records, states);
  } else {
    csGeometryOnlyDraw geometry(*dxf_);
    znDraw::DrawStructure(geometry, dxfProp_, records, states);
  }
}

void csLoggers::CheckDrawing(const znDraw::StructureRecords& records,
                             const std::vector<znDraw::StructureState>& states) {
  const bool results = analyzer_.IsEndedNormally();
  const std::optional<znDraw::PushoverHistory> history = History(analyzer_);
  const znDraw::PushoverHistory* pushover = history ? &*history : nullptr;
  znDraw::DrawOptions failed;  // the options of the drawing found not finite
  drawingLaidOut_ = dxf_->IsFinite();
  for (znDraw::ifStructurePicture* picture : pictures_) {
    if (!drawingLaidOut_) break;
    drawingLaidOut_ = picture->Draw(dxfProp_, records, states, results, pushover);
    failed.picture = true;
    failed.pushover = pushover;
  }
  if (drawingLaidOut_ || !results) return;
  errorMessage_.DrawingCoordinateIsnotFinite(
      znDraw::NonFiniteKey(dxfProp_, records, states, failed));
  analyzer_.ResultsWithdrawn();
  if (drawingFailed_ != nullptr) *drawingFailed_ = true;
}

// The second layout gives the same drawing as the first: it is drawn from the same final state,
// and the records and settings have not changed since.
void csLoggers::WriteDrawing() {
  if (!drawingLaidOut_ || !dxf_->IsWritable()) return;
  const znClock::csPhase phase(znClock::Phase::Dxf);
  const std::vector<znDraw::StructureState> states = std::move(states_);
  const znDraw::StructureRecords records = LendRecords();
  ReleaseRecords();
  dxf_->BeginWriting();
  DrawStructure(records, states);
  dxf_->EndWriting();
}

void csLoggers::Fail(const std::string& text) noexcept {
  try {
    if (failureSink_ != nullptr && failureSink_->empty()) *failureSink_ = text;
  } catch (...) {
    // Out of memory while keeping the text: the run still fails through the lost report.
  }
}

}  // namespace znFEM::znTarvex
