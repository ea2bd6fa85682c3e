// Reader of the LoadCase block: one load case per statement, read in file order as cases 0,
// 1, 2, ..., each with the load ratio at which it ends and the most steps it may take.
#pragma once

#include <cstdint>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/AnalysisLimits.h"

namespace znFEM::znTarvex {

class csLoadCaseReader {
 public:
  static constexpr double kDefaultRatio = 1.0;
  static constexpr int kDefaultMaxSteps = 1000;

  // Sets the step and ratio limits of limits, one entry per case; without statements there is
  // one case with the defaults. Returns whether the block has statements. A reading error is
  // reported through the wrapper and ends in exFailed.
  bool Read(csInputDataReaderWrapper& wrapper, znTraceYield2DRahmen::AnalysisLimits& limits) const;
};

// The load case of a load statement: its key case (default 0, declared by the block as an
// integer >= 0) must name one of the caseCount cases, or it is reported with its line and
// exFailed is thrown.
std::uint32_t ReadCaseKey(const csInputDataReaderWrapper::InputLine& line, std::uint32_t caseCount,
                          ifErrorMessage& errorMessage);

}  // namespace znFEM::znTarvex
