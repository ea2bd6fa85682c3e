// Test helper: reads a whole input file as the run does (block check, MainProp, DxfProp,
// ElementStress, then the model blocks) and keeps the records and the text of any report.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fem/app/input/Failed.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/input/Readers.h"
#include "fem/app/report/ErrorMessage.h"
#include "inout/InputSamples.h"
#include "inout/OutputDataWriterText.h"

namespace readertest {

namespace model = znFEM::znTraceYield2DRahmen;

using inputtest::kCompleteFile;

struct stInput : znFEM::znTarvex::stModelRecords {
  bool failed = false;
  std::string report;                 // what the text report shows; empty when nothing was reported
  std::optional<double> balanceZero;  // empty when not given
  znDraw::DxfProp dxf;
  std::vector<model::ElementStressProp> stresses;
};

// Reads file; the reports go to a text report of width 120.
inline stInput ReadAll(const std::string& file) {
  using namespace znFEM::znTarvex;
  std::istringstream in(file);
  std::ostringstream report;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(report, 120);
  csErrorMessage messages(text);
  csInputDataReaderWrapper wrapper(in, messages);
  csReaders readers(messages);
  stInput out;
  try {
    readers.Read(wrapper);
    readers.ReadElementStresses(wrapper, out.stresses);
    out.dxf = readers.GetDxfProp();
    out.balanceZero = readers.GetBalanceZero();
    readers.ReadModelBlocks(wrapper, out);
  } catch (const exFailed&) {
    out.failed = true;
  }
  out.report = report.str();
  return out;
}

}  // namespace readertest
