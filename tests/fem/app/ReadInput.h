// Test helper: reads a whole input file as the run does (block check, MainProp, DxfProp,
// ElementStress, then the model blocks) and keeps the records and the text of any report.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fem/app/ErrorMessage.h"
#include "fem/app/Failed.h"
#include "fem/app/InputDataReaderWrapper.h"
#include "fem/app/Readers.h"
#include "inout/OutputDataWriterText.h"

namespace readertest {

namespace model = znFEM::znTraceYield2DRahmen;

struct stInput {
  bool failed = false;
  std::string report;  // what the text report shows; empty when nothing was reported
  double balanceZero = 0.0;
  znFEM::znTarvex::DxfProp dxf;
  std::vector<model::ElementStressProp> stresses;
  std::vector<model::NodeProp> nodes;
  std::vector<model::ElementProp> elements;
  std::vector<model::WallElementProp> walls;
  std::vector<model::SpringSupportProp> springs;
  std::vector<model::ImposedLoadAndDispProp> imposed;
  std::vector<model::EdgeLoadDirectInputProp> direct;
  std::vector<model::EdgeLoadConcentratedProp> concentrated;
  std::vector<model::EdgeLoadDistributedProp> distributed;
};

inline void ReadAll(std::istream& in, stInput& out) {
  using namespace znFEM::znTarvex;
  std::ostringstream report;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(report, 120);
  csErrorMessage messages(text);
  csInputDataReaderWrapper wrapper(in, messages);
  csReaders readers(messages);
  try {
    readers.Read(wrapper);
    readers.ReadElementStresses(wrapper, out.stresses);
    out.dxf = readers.GetDxfProp();
    out.balanceZero = readers.GetBalanceZero();
    readers.ReadNodes(wrapper, out.nodes);
    readers.ReadElements(wrapper, out.elements);
    readers.ReadWallElements(wrapper, out.walls);
    readers.ReadSpringSupports(wrapper, out.springs);
    readers.ReadImposedLoadAndDisps(wrapper, out.imposed);
    readers.ReadEdgeLoadFixCases(wrapper, out.direct, out.concentrated, out.distributed);
  } catch (const exFailed&) {
    out.failed = true;
  }
  out.report = report.str();
}

inline stInput ReadAll(const std::string& file) {
  std::istringstream in(file);
  stInput out;
  ReadAll(in, out);
  return out;
}

}  // namespace readertest
