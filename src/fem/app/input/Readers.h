// The readers of the input file: declare its blocks and check their headers, read the setting
// blocks (MainProp, LoadCase, DxfProp) and turn each model block into model records through
// its block reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draw/structure/DxfProp.h"
#include "fem/app/input/CheckID.h"
#include "fem/app/input/EdgeLoadFixCaseReader.h"
#include "fem/app/input/ElementReader.h"
#include "fem/app/input/ElementStressReader.h"
#include "fem/app/input/ImposedLoadAndDispReader.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/input/LoadCaseReader.h"
#include "fem/app/input/NodeReader.h"
#include "fem/app/input/SpringSupportReader.h"
#include "fem/app/input/WallElementReader.h"
#include "fem/app/report/ErrorMessage.h"

namespace znFEM::znTarvex {

// Every read reports its first error through the error-message reporter and ends in exFailed.
// The run reads in this order: Read, ReadElementStresses, then the model blocks from
// ReadNodes to ReadEdgeLoadFixCases.
// The model records of an input file, one list per block (three for the edge loads).
struct stModelRecords {
  std::vector<znTraceYield2DRahmen::NodeProp> nodes;
  std::vector<znTraceYield2DRahmen::ElementProp> elements;
  std::vector<znTraceYield2DRahmen::WallElementProp> wallElements;
  std::vector<znTraceYield2DRahmen::SpringSupportProp> springSupports;
  std::vector<znTraceYield2DRahmen::ImposedLoadAndDispProp> imposedLoads;
  std::vector<znTraceYield2DRahmen::EdgeLoadDirectInputProp> directInputs;
  std::vector<znTraceYield2DRahmen::EdgeLoadConcentratedProp> concentratedLoads;
  std::vector<znTraceYield2DRahmen::EdgeLoadDistributedProp> distributedLoads;
};

// The node whose displacement the capacity curve follows; no node when the ID is empty.
struct stMonitor {
  std::string NodeID;
  std::uint32_t Direction = 0;  // 0 x, 1 y, 2 rotation
};

class csReaders {
 public:
  // The reporter is used, never owned. The drawing settings start at their values for an
  // input without a DxfProp block.
  explicit csReaders(ifErrorMessage& errorMessage);
  csReaders(const csReaders&) = delete;
  csReaders& operator=(const csReaders&) = delete;

  // Checks the block headers of the whole file, then reads MainProp, LoadCase and DxfProp.
  void Read(csInputDataReaderWrapper& wrapper);
  // The balance tolerance of MainProp; empty when not given.
  std::optional<double> GetBalanceZero() const;
  const znDraw::DxfProp& GetDxfProp() const;
  // The displacement limits of MainProp and the limits of each load case.
  const znTraceYield2DRahmen::AnalysisLimits& GetAnalysisLimits() const { return limits_; }
  const stMonitor& GetMonitor() const { return monitor_; }
  // Whether the input asks for a traced analysis: a LoadCase statement, a limit or monitor key
  // of MainProp, or a capacity of an element. Only then does the report show how the analysis
  // ended and its steps, events and curve.
  bool IsTraced(const stModelRecords& records) const;

  // Each appends the records of its block (or blocks) to the lists given.
  void ReadNodes(csInputDataReaderWrapper& wrapper,
                 std::vector<znTraceYield2DRahmen::NodeProp>& nodes) const;
  void ReadElements(csInputDataReaderWrapper& wrapper,
                    std::vector<znTraceYield2DRahmen::ElementProp>& elements) const;
  void ReadWallElements(csInputDataReaderWrapper& wrapper,
                        std::vector<znTraceYield2DRahmen::WallElementProp>& wallElements) const;
  void ReadSpringSupports(
      csInputDataReaderWrapper& wrapper,
      std::vector<znTraceYield2DRahmen::SpringSupportProp>& springSupports) const;
  void ReadImposedLoadAndDisps(
      csInputDataReaderWrapper& wrapper,
      std::vector<znTraceYield2DRahmen::ImposedLoadAndDispProp>& records) const;
  void ReadEdgeLoadFixCases(
      csInputDataReaderWrapper& wrapper,
      std::vector<znTraceYield2DRahmen::EdgeLoadDirectInputProp>& directInput,
      std::vector<znTraceYield2DRahmen::EdgeLoadConcentratedProp>& concentrated,
      std::vector<znTraceYield2DRahmen::EdgeLoadDistributedProp>& distributed) const;
  // Reads the model blocks in their reading order: Node, Element, WallElement, SpringSupport,
  // ImposedLoadAndDisp and the three edge-load blocks.
  void ReadModelBlocks(csInputDataReaderWrapper& wrapper, stModelRecords& records) const;
  void ReadElementStresses(csInputDataReaderWrapper& wrapper,
                           std::vector<znTraceYield2DRahmen::ElementStressProp>& records) const;

 private:
  void ReadMainProp(csInputDataReaderWrapper& wrapper);
  void ReadMonitor(const csInputDataReaderWrapper::InputLine& line);
  std::uint32_t CaseCount() const;
  void ReadDxfProp(csInputDataReaderWrapper& wrapper);

  ifErrorMessage& errorMessage_;
  csCheckID checkID_;
  csNodeReader nodeReader_;
  csElementReader elementReader_;
  csWallElementReader wallElementReader_;
  csSpringSupportReader springSupportReader_;
  csImposedLoadAndDispReader imposedLoadAndDispReader_;
  csEdgeLoadFixCaseReader edgeLoadFixCaseReader_;
  csElementStressReader elementStressReader_;
  csLoadCaseReader loadCaseReader_;
  std::optional<double> balanceZero_;
  znTraceYield2DRahmen::AnalysisLimits limits_;
  stMonitor monitor_;
  bool tracedByKeys_ = false;
  znDraw::DxfProp dxfProp_;
};

}  // namespace znFEM::znTarvex
