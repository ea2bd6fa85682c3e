// The tables of a traced analysis, built from the analyzer's step records: one row per step,
// one per member event, and the capacity curve of the monitored displacement. A drawing can
// take the same records from the analyzer logger.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fem/model/Analyzer.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

using StepRecords = std::vector<znTraceYield2DRahmen::csAnalyzer::StepRecord>;

// A load ratio with 10 significant digits, so that the tables can be checked against theory.
std::string RatioText(double ratio);

// Step, Case, AddRatio, TotalRatio, MaxDisp with its node, MaxRotAngle with its element.
znInOutData::stTable StepTable(const StepRecords& steps);
// Step, Case, TotalRatio, Element, End, Event and the force at the event, in the order the
// events happened.
znInOutData::stTable EventTable(const StepRecords& steps);
// Step, Case, TotalRatio and the monitored displacement after each step, after a first row for
// the unloaded state.
znInOutData::stTable CurveTable(const StepRecords& steps);

// The table with a Case column after its first: caseOfRow gives the load case of each body
// row.
znInOutData::stTable WithCaseColumn(znInOutData::stTable table,
                                    const std::vector<std::uint32_t>& caseOfRow);

// Applies a table functor (see TableBase.h) to every record and writes its table under the
// name; with cases, the table names each record's load case, given by caseOf(record).
template <class Functor, class Records, class CaseOf>
void WriteRecordTable(znInOutData::ifOutputDataWriter& writer, const std::string& name,
                      const Records& records, Functor functor, bool cases, CaseOf caseOf) {
  std::vector<std::uint32_t> caseOfRow;
  for (const auto& record : records) {
    functor(record);
    caseOfRow.resize(functor.GetTable().Value.size(), caseOf(record));
  }
  if (!cases) {
    functor.Write(writer, name);
  } else if (functor.HasRows()) {
    writer.Title(2, name);
    writer.Table(WithCaseColumn(functor.GetTable(), caseOfRow));
  }
}

}  // namespace znFEM::znTarvex
