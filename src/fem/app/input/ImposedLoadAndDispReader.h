// Reader of the ImposedLoadAndDisp block: one record of nodal loads and imposed displacements
// per statement, all of load case 0. A node may be named in several statements.
#pragma once

#include <cstdint>
#include <vector>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/ImposedLoadAndDisp.h"

namespace znFEM::znTarvex {

class csImposedLoadAndDispReader {
 public:
  // The reporter is used, never owned.
  explicit csImposedLoadAndDispReader(ifErrorMessage& errorMessage) : errorMessage_(errorMessage) {}

  // Appends the records of the block to records, in file order; each names one of the
  // caseCount load cases.
  void Read(csInputDataReaderWrapper& wrapper, std::uint32_t caseCount,
            std::vector<znTraceYield2DRahmen::ImposedLoadAndDispProp>& records) const;

 private:
  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
