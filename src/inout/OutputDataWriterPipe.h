// Tagged, line-oriented rendering of the report for another program; each item (title,
// sentence, pair, table, end mark) is kept until it is complete, then written and flushed at
// once, and multi-line strings are preceded by their line count.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "inout/OutputDataWriter.h"

namespace znInOutData::znOutputDataWriter {

class csOutputDataWriterPipe : public ifOutputDataWriter {
 public:
  explicit csOutputDataWriterPipe(std::ostream& stream);

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
  void WriteLine(std::string_view line);
  void WriteCount(std::size_t count);
  void EndItem();
  void WriteCounted(std::string_view text);

  std::ostream& stream_;
  std::string item_;  // the item being written
};

}  // namespace znInOutData::znOutputDataWriter
