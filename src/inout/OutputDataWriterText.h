// Fixed-width text rendering of the report: numbered titles, sentences cut to the width, pairs
// with padded keys and tables of fitted cells under an "=" rule.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "inout/OutputDataWriter.h"

namespace znInOutData::znOutputDataWriter {

class csOutputDataWriterText : public ifOutputDataWriter {
 public:
  csOutputDataWriterText(std::ostream& stream, unsigned width);

  void MainTitle(const std::string& text) override;
  void Title(unsigned level, const std::string& text) override;
  void NewLine() override;
  void Sentence(const std::string& text) override;
  void Pair(const std::string& key, const std::string& value, const std::string& separator,
            unsigned keyWidth) override;
  void BeginTable(const stTableHead& head) override;
  void Rows(const csRows& rows) override;
  void EndTable() override;
  void End() override;

  csOutputDataWriterText& SetHeadRightAlign(bool rightAlign);
  csOutputDataWriterText& SetValueRightAlign(bool rightAlign);
  csOutputDataWriterText& SetWidth(unsigned width);

 private:
  // Appends " " and the cell fitted to the width of its column to the line buffer.
  void AppendCell(std::string_view cell, std::size_t column, bool rightAlign);
  void Flush();

  std::ostream& stream_;
  std::vector<unsigned> widths_;  // of the table being written
  std::string line_;              // the rows not yet written
  std::vector<unsigned> titleCounters_;
  unsigned width_;
  bool headRightAlign_ = false;
  bool valueRightAlign_ = false;
};

}  // namespace znInOutData::znOutputDataWriter
