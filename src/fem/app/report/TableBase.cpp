#include "fem/app/report/TableBase.h"

#include "print/Format.h"

namespace znFEM::znTarvex {

fnTableBase::fnTableBase(const csFormatTables& formats,
                         std::initializer_list<unsigned> widthIndices)
    : formats_(&formats) {
  for (unsigned index : widthIndices) head_.Widths.push_back(formats.Width(index));
}

bool fnTableBase::BeginWriting(znInOutData::ifOutputDataWriter& writer, const std::string& name) {
  if (head_.RowCount == 0) return false;
  writer.Title(2, name);
  writer.BeginTable(head_);
  writer_ = &writer;
  return true;
}

void fnTableBase::EndWriting() {
  WriteRows();
  writer_->EndTable();
  writer_ = nullptr;
}

void fnTableBase::AddCaseColumn() {
  caseColumn_ = true;
  head_.Widths.insert(head_.Widths.begin() + 1, formats_->Width(csFormatTables::kWidthNo));
  for (std::size_t r = 0; r < head_.Head.size(); ++r) {
    head_.Head[r].insert(head_.Head[r].begin() + 1, r == 0 ? "Case" : "");
  }
}

void fnTableBase::AfterCell() {
  if (caseColumn_ && LastRowCells() == 1) rows_.Cell(znPrint::FormatCount(rowCase_));
}

void fnTableBase::WriteRows() {
  if (rows_.Empty()) return;
  writer_->Rows(rows_);
  rows_.Clear();
}

}  // namespace znFEM::znTarvex
