#include "fem/app/report/ImposedLoadAndDispLogger.h"

#include "fem/app/report/TableBase.h"
#include "fem/app/report/TraceTables.h"

namespace znFEM::znTarvex {

namespace {

using F = csFormatTables;

// One row per applied record: its node, loads and imposed displacements.
class fnImposedLoadDispTable : public fnTableBase {
 public:
  explicit fnImposedLoadDispTable(const F& formats)
      : fnTableBase(formats, {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                              F::kWidthForce, F::kWidthForce, F::kWidthForce}) {
    Head({"ID", "Load", "", "", "Disp", "", ""});
    Head({"", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(const csImposedLoadAndDispLogger::ImposedLoadAndDispProp& record) {
    NewRow();
    Text(record.ID);
    Numbers(record.ImposedLoad, F::kFormatForce);
    Numbers(record.ImposedDisp, F::kFormatForce);
  }
};

}  // namespace

void csImposedLoadAndDispLogger::Applied(const ImposedLoadAndDispProp& prop) {
  records_.push_back(prop);
}

void csImposedLoadAndDispLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  if (records_.empty()) return;
  writer.Title(1, "ImposedLoadAndDisp");
  WriteRecordTable(writer, "DirectInput", records_, fnImposedLoadDispTable(formats_), traced_,
                   [](const ImposedLoadAndDispProp& record) { return record.LoadAndDispNumber; });
}

}  // namespace znFEM::znTarvex
