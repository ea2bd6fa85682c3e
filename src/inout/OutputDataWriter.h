// The abstract output data writer: every report (model echo, results, error messages) is a
// sequence of main title, numbered titles, sentences, key/value pairs, tables and an end mark.
// A table comes as its head, then its body rows a block at a time, then its end, so that no
// writer needs the whole table at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace znInOutData::znOutputDataWriter {

// The head of a table: column widths (text format only), head rows, and the number of body
// rows that will follow.
struct stTableHead {
  std::vector<unsigned> Widths;
  std::vector<std::vector<std::string>> Head;
  std::size_t RowCount = 0;
};

// One whole table: column widths, head rows and body rows of formatted cells.
struct stTable {
  std::vector<unsigned> Widths;
  std::vector<std::vector<std::string>> Head;
  std::vector<std::vector<std::string>> Value;
};

// A block of body rows: the characters of every cell side by side in one buffer, so that a
// row costs no allocation once the buffers have grown to the block's size.
class csRows {
 public:
  // Starts a row; the cells appended after it go to it.
  void NewRow() { rowStarts_.push_back(static_cast<std::uint32_t>(cellEnds_.size())); }
  // Appends a cell to the last row.
  void Cell(std::string_view text) {
    text_.append(text);
    EndCell();
  }
  // The buffer the cells are appended to: characters appended to it and closed by EndCell
  // form the next cell of the last row.
  std::string& Text() { return text_; }
  void EndCell() { cellEnds_.push_back(static_cast<std::uint32_t>(text_.size())); }

  std::size_t Size() const { return rowStarts_.size(); }
  bool Empty() const { return rowStarts_.empty(); }
  std::size_t CellCount(std::size_t row) const { return RowEnd(row) - rowStarts_[row]; }
  std::string_view Cell(std::size_t row, std::size_t column) const {
    const std::size_t cell = rowStarts_[row] + column;
    const std::size_t begin = cell == 0 ? 0 : cellEnds_[cell - 1];
    return std::string_view(text_).substr(begin, cellEnds_[cell] - begin);
  }
  // Forgets the rows and keeps the buffers.
  void Clear() {
    text_.clear();
    cellEnds_.clear();
    rowStarts_.clear();
  }

 private:
  std::size_t RowEnd(std::size_t row) const {
    return row + 1 < rowStarts_.size() ? rowStarts_[row + 1] : cellEnds_.size();
  }

  std::string text_;
  std::vector<std::uint32_t> cellEnds_;   // end of each cell in text_
  std::vector<std::uint32_t> rowStarts_;  // first cell of each row
};

class ifOutputDataWriter {
 public:
  virtual ~ifOutputDataWriter() = default;
  virtual void MainTitle(const std::string& text) = 0;
  virtual void Title(unsigned level, const std::string& text) = 0;
  virtual void NewLine() = 0;
  virtual void Sentence(const std::string& text) = 0;
  virtual void Pair(const std::string& key, const std::string& value, const std::string& separator,
                    unsigned keyWidth) = 0;
  // A table: its head, then blocks of body rows, head.RowCount rows in all, then its end.
  virtual void BeginTable(const stTableHead& head) = 0;
  virtual void Rows(const csRows& rows) = 0;
  virtual void EndTable() = 0;
  virtual void End() = 0;
  // False when nothing written reaches a file, so that the report need not be built at all.
  virtual bool IsWritten() const { return true; }

  // A table held whole, written as one block of rows.
  void Table(const stTable& table);

 protected:
  ifOutputDataWriter() = default;
  ifOutputDataWriter(const ifOutputDataWriter&) = default;
  ifOutputDataWriter& operator=(const ifOutputDataWriter&) = default;
};

}  // namespace znInOutData::znOutputDataWriter

namespace znInOutData {
// The writer interface and its tables are used all over the result output; spare the callers
// the inner namespace.
using znOutputDataWriter::csRows;
using znOutputDataWriter::ifOutputDataWriter;
using znOutputDataWriter::stTable;
using znOutputDataWriter::stTableHead;
}  // namespace znInOutData
