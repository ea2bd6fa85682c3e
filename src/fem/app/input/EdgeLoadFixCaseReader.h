// Reader of the three edge-load blocks: fixed-end forces given directly, concentrated loads
// and distributed loads along frame elements, one record per statement, all of load case 0.
#pragma once

#include <cstdint>
#include <vector>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/EdgeLoadFixCase.h"

namespace znFEM::znTarvex {

class csEdgeLoadFixCaseReader {
 public:
  // The reporter is used, never owned.
  explicit csEdgeLoadFixCaseReader(ifErrorMessage& errorMessage) : errorMessage_(errorMessage) {}

  // Reads EdgeLoadFixCaseDirectInput, then EdgeLoadFixCaseConcentratedLoad, then
  // EdgeLoadFixCaseDistributedLoad, appending to the three lists in file order; each record
  // names one of the caseCount load cases.
  void Read(csInputDataReaderWrapper& wrapper, std::uint32_t caseCount,
            std::vector<znTraceYield2DRahmen::EdgeLoadDirectInputProp>& directInput,
            std::vector<znTraceYield2DRahmen::EdgeLoadConcentratedProp>& concentrated,
            std::vector<znTraceYield2DRahmen::EdgeLoadDistributedProp>& distributed) const;

 private:
  void ReadDirectInput(csInputDataReaderWrapper& wrapper, std::uint32_t caseCount,
                       std::vector<znTraceYield2DRahmen::EdgeLoadDirectInputProp>& records) const;
  void ReadConcentrated(csInputDataReaderWrapper& wrapper, std::uint32_t caseCount,
                        std::vector<znTraceYield2DRahmen::EdgeLoadConcentratedProp>& records) const;
  void ReadDistributed(csInputDataReaderWrapper& wrapper, std::uint32_t caseCount,
                       std::vector<znTraceYield2DRahmen::EdgeLoadDistributedProp>& records) const;

  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
