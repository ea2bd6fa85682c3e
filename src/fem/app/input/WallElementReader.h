// Reader of the WallElement block: one wall element record per statement, with the identifier
// rules, four different corner nodes, a Poisson's ratio wherever shear deformation is asked
// for, and no wall element id given twice.
#pragma once

#include <vector>

#include "fem/app/input/CheckID.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/WallElementProp.h"

namespace znFEM::znTarvex {

class csWallElementReader {
 public:
  // The reporter and the identifier check are used, never owned.
  csWallElementReader(ifErrorMessage& errorMessage, const csCheckID& checkID);

  // Appends the records of the block to wallElements, in file order; the first error is
  // reported and ends in exFailed, leaving wallElements as it was.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::WallElementProp>& wallElements) const;

 private:
  znTraceYield2DRahmen::WallElementProp Build(
      const csInputDataReaderWrapper::InputLine& line) const;
  void CheckCornerNodes(const znTraceYield2DRahmen::WallElementProp& prop) const;

  ifErrorMessage& errorMessage_;
  const csCheckID& checkID_;
};

}  // namespace znFEM::znTarvex
