// Collects the imposed nodal load and displacement records as they are applied, and writes
// the report's ImposedLoadAndDisp section.
#pragma once

#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/model/ImposedLoadAndDisp.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csImposedLoadAndDispLogger : public znTraceYield2DRahmen::csImposedLoadAndDisp::ifLogger {
 public:
  using ImposedLoadAndDispProp = znTraceYield2DRahmen::ImposedLoadAndDispProp;

  void Applied(const ImposedLoadAndDispProp& prop) override;

  // With traced, the table names each record's load case.
  void SetTraced(bool traced) { traced_ = traced; }
  // The ImposedLoadAndDisp section; nothing when no record was applied.
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  const std::vector<ImposedLoadAndDispProp>& GetRecords() const { return records_; }

 private:
  csFormatTables formats_;
  std::vector<ImposedLoadAndDispProp> records_;
  bool traced_ = false;
};

}  // namespace znFEM::znTarvex
