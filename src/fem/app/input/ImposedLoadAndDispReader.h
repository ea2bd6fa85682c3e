// Reader of the ImposedLoadAndDisp block: one record of nodal loads and imposed displacements
// per statement, all of load case 0. A node may be named in several statements.
#pragma once

#include <vector>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/model/ImposedLoadAndDisp.h"

namespace znFEM::znTarvex {

class csImposedLoadAndDispReader {
 public:
  // Appends the records of the block to records, in file order.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::ImposedLoadAndDispProp>& records) const;
};

}  // namespace znFEM::znTarvex
