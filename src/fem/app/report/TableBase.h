// The common part of the report's table functors: the head of the table being written, and
// cells whose numbers fit their columns; each logger derives one functor per table.
//
// A functor is applied to its records twice. The first walk counts the rows it makes, and
// formats nothing: a table without rows is not written, and the head of a table gives its row
// count before the first row. The second walk formats every cell once into a block of rows,
// handed to the writer whenever it is full, so that no table is ever held whole. A record that
// cannot be shown fails the counting walk, before any of its table is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/app/report/RecordLog.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class fnTableBase {
 public:
  // After the counting walk: Title(2, name) and the head of the table, and true; nothing and
  // false when the walk made no row. The writing walk follows, then EndWriting.
  bool BeginWriting(znInOutData::ifOutputDataWriter& writer, const std::string& name);
  // Hands the last rows to the writer and ends the table.
  void EndWriting();
  // The row count, for a table whose rows are known without a counting walk.
  void SetRowCount(std::size_t count) { head_.RowCount = count; }
  // A Case column after the first: every row made after SetRowCase names that load case.
  void AddCaseColumn();
  void SetRowCase(std::uint32_t loadCase) { rowCase_ = loadCase; }

 protected:
  // One width index per column.
  fnTableBase(const csFormatTables& formats, std::initializer_list<unsigned> widthIndices);

  void Head(std::vector<std::string> row) { head_.Head.push_back(std::move(row)); }
  // Starts a body row; Text and Number append its cells from the left.
  void NewRow() {
    if (writer_ == nullptr) {
      ++head_.RowCount;
      return;
    }
    if (rows_.Size() == kBlockRows) WriteRows();
    rows_.NewRow();
  }
  void Text(std::string_view cell) {
    if (writer_ == nullptr) return;
    rows_.Cell(cell);
    AfterCell();
  }
  // Formatted to fit the width of the column the cell goes to.
  void Number(double value, unsigned formatIndex) {
    if (writer_ == nullptr) return;
    formats_->AppendNumber(rows_.Text(), value, formatIndex, head_.Widths.at(LastRowCells()));
    rows_.EndCell();
    AfterCell();
  }
  template <class Values>
  void Numbers(const Values& values, unsigned formatIndex) {
    for (double value : values) Number(value, formatIndex);
  }
  void Empty(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Text("");
  }

 private:
  static constexpr std::size_t kBlockRows = 256;

  std::size_t LastRowCells() const { return rows_.CellCount(rows_.Size() - 1); }
  // The case of the row follows its first cell.
  void AfterCell();
  void WriteRows();

  znInOutData::stTableHead head_;
  znInOutData::csRows rows_;
  const csFormatTables* formats_;
  znInOutData::ifOutputDataWriter* writer_ = nullptr;  // none while counting
  bool caseColumn_ = false;
  std::uint32_t rowCase_ = 0;
};

// Adds the records and results of a logger, taken by their position in input order.
template <class Prop, class Result>
class fnRecordTable : public fnTableBase {
 protected:
  fnRecordTable(const csFormatTables& formats, std::initializer_list<unsigned> widthIndices,
                const csRecordLog<Prop, Result>& records)
      : fnTableBase(formats, widthIndices), records_(&records) {}
  const Prop& PropAt(std::size_t k) const { return records_->GetProps()[k]; }
  const Result& ResultAt(std::size_t k) const { return records_->ResultAt(k); }

 private:
  const csRecordLog<Prop, Result>* records_;
};

// Walks the functor over its records to count the rows, then again to write them, under the
// name; walk(functor) applies the functor to every record.
template <class Functor, class Walk>
void WriteWalked(znInOutData::ifOutputDataWriter& writer, const std::string& name, Functor& functor,
                 Walk walk) {
  walk(functor);
  if (!functor.BeginWriting(writer, name)) return;
  walk(functor);
  functor.EndWriting();
}

// Applies the functor to the position of every record of a logger in input order, and writes
// its table under the name.
template <class Prop, class Result, class Functor>
void WriteTable(znInOutData::ifOutputDataWriter& writer, const std::string& name,
                const csRecordLog<Prop, Result>& records, Functor functor) {
  WriteWalked(writer, name, functor, [&records](Functor& f) {
    for (std::size_t k = 0; k < records.Size(); ++k) f(k);
  });
}

}  // namespace znFEM::znTarvex
