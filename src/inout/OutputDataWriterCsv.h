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
  void Table(const stTable& table) override;
  void End() override;

 private:
  void WriteRow(const std::vector<std::string>& row);

  std::ostream& stream_;
  std::vector<unsigned> titleCounters_;
};

}  // namespace znInOutData::znOutputDataWriter
