// The tables of a traced analysis, built from the analyzer's step records: one row per step,
// one per member event, and the capacity curve of the monitored displacement. A drawing can
// take the same records from the analyzer logger.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fem/app/report/TableBase.h"
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

// Applies a table functor (see TableBase.h) to every record and writes its table under the
// name; with cases, the table names each record's load case, given by caseOf(record), in a
// column after its first.
template <class Functor, class Records, class CaseOf>
void WriteRecordTable(znInOutData::ifOutputDataWriter& writer, const std::string& name,
                      const Records& records, Functor functor, bool cases, CaseOf caseOf) {
  if (cases) functor.AddCaseColumn();
  WriteWalked(writer, name, functor, [&](Functor& f) {
    for (const auto& record : records) {
      f.SetRowCase(caseOf(record));
      f(record);
    }
  });
}

}  // namespace znFEM::znTarvex
