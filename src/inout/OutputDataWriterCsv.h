// CSV rendering of the report for spreadsheets: every field quoted, titles marked with their
// level and section number.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "inout/OutputDataWriter.h"

namespace znInOutData::znOutputDataWriter {

class csOutputDataWriterCsv : public ifOutputDataWriter {
 public:
  explicit csOutputDataWriterCsv(std::ostream& stream);

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

 private:
  // Ends the row in the line buffer and writes the buffer.
  void WriteRow();
  void Flush();

  std::ostream& stream_;
  std::string line_;  // the rows not yet written
  std::vector<unsigned> titleCounters_;
};

}  // namespace znInOutData::znOutputDataWriter
