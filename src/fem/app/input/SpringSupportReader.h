// Reader of the SpringSupport block: one spring-support record per statement, with the ids of
// the element and node it generates, and at most one spring support per node.
#pragma once

#include <vector>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/model/SpringSupportProp.h"

namespace znFEM::znTarvex {

class csSpringSupportReader {
 public:
  // The reporter is used, never owned.
  explicit csSpringSupportReader(ifErrorMessage& errorMessage);

  // Appends the records of the block to springSupports, in file order; a node given twice is
  // reported and ends in exFailed, leaving springSupports as it was.
  void Read(csInputDataReaderWrapper& wrapper,
            std::vector<znTraceYield2DRahmen::SpringSupportProp>& springSupports) const;

 private:
  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
