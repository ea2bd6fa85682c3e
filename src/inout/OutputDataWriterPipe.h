// Tagged, line-oriented rendering of the report for another program; each item (title,
// sentence, pair, table, end mark) is flushed as soon as it is complete, and multi-line strings
// are preceded by their line count.
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
  void Table(const stTable& table) override;
  void End() override;

 private:
  void WriteLine(std::string_view line);
  void WriteCount(std::size_t count);
  void EndItem();
  void WriteCounted(const std::string& text);
  void WriteBlock(const std::vector<std::vector<std::string>>& rows);

  std::ostream& stream_;
};

}  // namespace znInOutData::znOutputDataWriter
