// Reader of the three edge-load blocks: fixed-end forces given directly, concentrated loads
// and distributed loads along frame elements, one record per statement, all of load case 0.
#pragma once

#include <vector>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/model/EdgeLoadFixCase.h"

namespace znFEM::znTarvex {

class csEdgeLoadFixCaseReader {
 public:
  // Reads EdgeLoadFixCaseDirectInput, then EdgeLoadFixCaseConcentratedLoad, then
  // EdgeLoadFixCaseDistributedLoad, appending to the three lists in file order.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::EdgeLoadDirectInputProp>& directInput,
            std::vector<znTraceYield2DRahmen::EdgeLoadConcentratedProp>& concentrated,
            std::vector<znTraceYield2DRahmen::EdgeLoadDistributedProp>& distributed) const;

 private:
  void ReadDirectInput(csInputDataReaderWrapper& wrapper,
                       std::vector<znTraceYield2DRahmen::EdgeLoadDirectInputProp>& records) const;
  void ReadConcentrated(csInputDataReaderWrapper& wrapper,
                        std::vector<znTraceYield2DRahmen::EdgeLoadConcentratedProp>& records) const;
  void ReadDistributed(csInputDataReaderWrapper& wrapper,
                       std::vector<znTraceYield2DRahmen::EdgeLoadDistributedProp>& records) const;
};

}  // namespace znFEM::znTarvex
