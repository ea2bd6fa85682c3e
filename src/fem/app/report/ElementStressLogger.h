// The element stress collector: keeps the ElementStress block's positions and writes the member
// forces there, with their extremes along each member, as the report's ElementStress section.
#pragma once

#include <string>
#include <vector>

#include "fem/app/report/EdgeLoadFixCaseLogger.h"
#include "fem/app/report/ElementLogger.h"
#include "fem/app/report/FormatTables.h"
#include "fem/app/report/NodeLogger.h"
#include "fem/model/ElementStressProp.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csElementStressLogger {
 public:
  using ElementStressProp = znTraceYield2DRahmen::ElementStressProp;

  // One definition per ElementStress statement: the member's ID and its positions, each on its
  // member (the conductor has checked them).
  void SetDefinitions(const std::vector<ElementStressProp>& definitions) {
    definitions_ = definitions;
  }
  const std::vector<ElementStressProp>& GetDefinitions() const { return definitions_; }

  // Result tables are written only after an analysis that reached its end.
  void SetResultsAvailable(bool available) { resultsAvailable_ = available; }

  // The ElementStress section, from the members' records, final face forces and edge loads.
  void Write(znInOutData::ifOutputDataWriter& writer, const csNodeLogger& nodes,
             const csElementLogger& elements, const csEdgeLoadFixCaseLogger& edgeLoads) const;

 private:
  csFormatTables formats_;
  std::vector<ElementStressProp> definitions_;
  bool resultsAvailable_ = false;
};

}  // namespace znFEM::znTarvex
