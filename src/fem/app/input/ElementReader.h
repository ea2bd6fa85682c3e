// Reader of the Element block: one frame element record per statement, with the identifier
// rules, two different end nodes, a Poisson's ratio wherever shear deformation is asked for,
// capacities mapped to the signed limits of each end, and no element id given twice.
#pragma once

#include <vector>

#include "fem/app/input/CheckID.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/ElementProp.h"

namespace znFEM::znTarvex {

class csElementReader {
 public:
  // The reporter and the identifier check are used, never owned.
  csElementReader(ifErrorMessage& errorMessage, const csCheckID& checkID);

  // Appends the records of the block to elements, in file order; the first error is reported
  // and ends in exFailed, leaving elements as it was.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::ElementProp>& elements) const;

 private:
  znTraceYield2DRahmen::ElementProp Build(const csInputDataReaderWrapper::InputLine& line) const;
  void ReadCapacities(const csInputDataReaderWrapper::InputLine& line,
                      znTraceYield2DRahmen::ElementProp& prop) const;

  ifErrorMessage& errorMessage_;
  const csCheckID& checkID_;
};

}  // namespace znFEM::znTarvex
