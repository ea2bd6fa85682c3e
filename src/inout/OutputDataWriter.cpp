#include "inout/OutputDataWriter.h"

namespace znInOutData::znOutputDataWriter {

void ifOutputDataWriter::Table(const stTable& table) {
  BeginTable({table.Widths, table.Head, table.Value.size()});
  csRows rows;
  for (const auto& row : table.Value) {
    rows.NewRow();
    for (const std::string& cell : row) rows.Cell(cell);
  }
  Rows(rows);
  EndTable();
}

}  // namespace znInOutData::znOutputDataWriter
