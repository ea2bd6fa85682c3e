// The loggers of one run, with the element stress collector, the drawing settings and the DXF
// writer; destroying them lays out the drawing, then writes the report through the writer chain
// and the DXF file.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "draw/dxf/Dxf.h"
#include "draw/structure/DxfProp.h"
#include "draw/structure/StructurePicture.h"
#include "fem/app/report/AnalyzerLogger.h"
#include "fem/app/report/ConductorLogger.h"
#include "fem/app/report/EdgeLoadFixCaseLogger.h"
#include "fem/app/report/ElementLogger.h"
#include "fem/app/report/ElementStressLogger.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/app/report/ImposedLoadAndDispLogger.h"
#include "fem/app/report/NodeLogger.h"
#include "fem/app/report/SpringSupportElementLogger.h"
#include "fem/app/report/SpringSupportNodeLogger.h"
#include "fem/app/report/WallElementLogger.h"
#include "fem/model/ElementStressProp.h"
#include "fem/model/LoggerBundle.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csLoggers {
 public:
  // Neither the writer chain, the reporter nor the DXF stream is owned.
  csLoggers(znInOutData::ifOutputDataWriter& writer, ifErrorMessage& errorMessage,
            std::ostream& dxfStream);
  csLoggers(const csLoggers&) = delete;
  csLoggers& operator=(const csLoggers&) = delete;
  // Lays out the drawing, then writes the report (Analyze, ImposedLoadAndDisp, EdgeLoadFixCase,
  // Node, Element, WallElement, ElementStress, then the end mark) and the DXF file. Nothing leaves
  // it: a failure — the text "bad case!!!" or any other — stops the writing, and its text goes to
  // the failure sink when one is set.
  virtual ~csLoggers();

  // The ElementStress block: one definition (member ID and positions) per statement.
  void SetElementStresses(const std::vector<znTraceYield2DRahmen::ElementStressProp>& definitions);
  void SetDxfProp(const znDraw::DxfProp& prop) { dxfProp_ = prop; }
  // A traced analysis reports why it ended, its steps, events and (monitored) curve, and the
  // load echo tables name the load case of every record.
  void SetTraced(bool traced, bool monitored);
  // A picture drawn after the DXF file from the same model and states; not owned.
  void AddPicture(znDraw::ifStructurePicture& picture) { pictures_.push_back(&picture); }
  // Set when the drawing of the results cannot be laid out in finite numbers: the run has
  // failed, its cause is in the report. The flag must outlive the loggers.
  void SetDrawingFailedFlag(bool& failed) { drawingFailed_ = &failed; }
  // Receives the text of a failure met while writing; it must outlive the loggers.
  void SetFailureSink(std::string& text) { failureSink_ = &text; }

  // The analyzer's records of a traced analysis (steps, events, curve) for a drawing.
  const csAnalyzerLogger& GetAnalyzerLogger() const { return analyzer_; }

  // The nine logger interfaces for the conductor, in bundle order.
  znTraceYield2DRahmen::LoggerBundle GetLoggerBundle();

 private:
  void WriteReport();
  void LayOutDrawing();
  // The drawing's inputs: the final state of the analysis (none after a run without results)
  // and the records.
  std::vector<znDraw::StructureState> FinalStates() const;
  znDraw::StructureRecords LendRecords();
  void GiveBackRecords(znDraw::StructureRecords& records);
  void ReleaseRecords();
  void DrawStructure(const znDraw::StructureRecords& records,
                     const std::vector<znDraw::StructureState>& states);
  // Whether the DXF drawing and the pictures are finite; ends the run when they are not.
  void CheckDrawing(const znDraw::StructureRecords& records,
                    const std::vector<znDraw::StructureState>& states);
  void WriteDrawing();
  void Fail(const std::string& text) noexcept;

  znInOutData::ifOutputDataWriter& writer_;
  ifErrorMessage& errorMessage_;
  csConductorLogger conductor_;
  csAnalyzerLogger analyzer_;
  csNodeLogger node_;
  csElementLogger element_;
  csWallElementLogger wallElement_;
  csSpringSupportNodeLogger springSupportNode_;
  csSpringSupportElementLogger springSupportElement_;
  csImposedLoadAndDispLogger imposedLoad_;
  csEdgeLoadFixCaseLogger edgeLoad_;
  csElementStressLogger elementStress_;
  std::unique_ptr<znDraw::csDxf> dxf_;
  znDraw::DxfProp dxfProp_;
  std::vector<znDraw::ifStructurePicture*> pictures_;
  std::string* failureSink_ = nullptr;
  bool* drawingFailed_ = nullptr;
  bool drawingLaidOut_ = false;
  // The final state the drawing shows, kept from its first layout for the second, which writes
  // the DXF file: it is made once.
  std::vector<znDraw::StructureState> states_;
};

}  // namespace znFEM::znTarvex
