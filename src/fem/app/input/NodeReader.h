// Reader of the Node block: one node record per statement, with the identifier rules and no
// node id given twice.
#pragma once

#include <vector>

#include "fem/app/input/CheckID.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/NodeProp.h"

namespace znFEM::znTarvex {

class csNodeReader {
 public:
  // The reporter and the identifier check are used, never owned.
  csNodeReader(ifErrorMessage& errorMessage, const csCheckID& checkID);

  // Appends the records of the block to nodes, in file order; the first error is reported and
  // ends in exFailed, leaving nodes as it was.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::NodeProp>& nodes) const;

 private:
  znTraceYield2DRahmen::NodeProp Build(const csInputDataReaderWrapper::InputLine& line) const;

  ifErrorMessage& errorMessage_;
  const csCheckID& checkID_;
};

}  // namespace znFEM::znTarvex
