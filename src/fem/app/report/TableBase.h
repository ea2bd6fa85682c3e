// The common part of the report's table functors: the table being built, its widths and head
// rows, and cells whose numbers fit their columns; each logger derives one functor per table.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/app/report/RecordLog.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class fnTableBase {
 public:
  const znInOutData::stTable& GetTable() const { return table_; }
  bool HasRows() const { return !table_.Value.empty(); }
  // Title(2, name) and the table, when the table has rows.
  void Write(znInOutData::ifOutputDataWriter& writer, const std::string& name) const {
    if (!HasRows()) return;
    writer.Title(2, name);
    writer.Table(table_);
  }

 protected:
  // One width index per column.
  fnTableBase(const csFormatTables& formats, std::initializer_list<unsigned> widthIndices)
      : formats_(&formats) {
    for (unsigned index : widthIndices) table_.Widths.push_back(formats.Width(index));
  }

  void Head(std::vector<std::string> row) { table_.Head.push_back(std::move(row)); }
  // Starts a body row; Text and Number append its cells from the left.
  void NewRow() { table_.Value.emplace_back(); }
  void Text(std::string cell) { table_.Value.back().push_back(std::move(cell)); }
  // Formatted to fit the width of the column the cell goes to.
  void Number(double value, unsigned formatIndex) {
    const std::size_t column = table_.Value.back().size();
    Text(formats_->Number(value, formatIndex, table_.Widths.at(column)));
  }
  template <class Values>
  void Numbers(const Values& values, unsigned formatIndex) {
    for (double value : values) Number(value, formatIndex);
  }
  void Empty(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Text("");
  }

 private:
  znInOutData::stTable table_;
  const csFormatTables* formats_;
};

// Adds the records and results of a logger, looked up by ID.
template <class Prop, class Result>
class fnRecordTable : public fnTableBase {
 protected:
  fnRecordTable(const csFormatTables& formats, std::initializer_list<unsigned> widthIndices,
                const csRecordLog<Prop, Result>& records)
      : fnTableBase(formats, widthIndices), records_(&records) {}
  const Prop& PropOf(const std::string& id) const { return records_->PropOf(id); }
  const Result& LogOf(const std::string& id) const { return records_->ResultOf(id); }

 private:
  const csRecordLog<Prop, Result>* records_;
};

// Applies the functor to the ID of every record of a logger in input order, then writes its
// table under the name.
template <class Prop, class Result, class Functor>
void WriteTable(znInOutData::ifOutputDataWriter& writer, const std::string& name,
                const csRecordLog<Prop, Result>& records, Functor functor) {
  for (const Prop& prop : records.GetProps()) functor(prop.ID);
  functor.Write(writer, name);
}

}  // namespace znFEM::znTarvex
