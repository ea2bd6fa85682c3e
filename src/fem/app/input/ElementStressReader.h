// Reader of the ElementStress block: for one frame element per statement, the positions along
// it (pos0 to pos9, without gaps) at which its member forces are reported.
#pragma once

#include <vector>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/ElementStressProp.h"

namespace znFEM::znTarvex {

class csElementStressReader {
 public:
  static constexpr unsigned kMaxPositions = 10;

  // The reporter is used, never owned.
  explicit csElementStressReader(ifErrorMessage& errorMessage);

  // Appends one record per statement to records, in file order, with its ID and positions;
  // the first error is reported and ends in exFailed, leaving records as it was.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::ElementStressProp>& records) const;

 private:
  znTraceYield2DRahmen::ElementStressProp Build(
      const csInputDataReaderWrapper::InputLine& line) const;

  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
