// The abstract output data writer: every report (model echo, results, error messages) is a
// sequence of main title, numbered titles, sentences, key/value pairs, tables and an end mark.
#pragma once

#include <string>
#include <vector>

namespace znInOutData::znOutputDataWriter {

// One table: column widths (text format only), head rows and body rows of formatted cells.
struct stTable {
  std::vector<unsigned> Widths;
  std::vector<std::vector<std::string>> Head;
  std::vector<std::vector<std::string>> Value;
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
  virtual void Table(const stTable& table) = 0;
  virtual void End() = 0;
  // False when nothing written reaches a file, so that the report need not be built at all.
  virtual bool IsWritten() const { return true; }

 protected:
  ifOutputDataWriter() = default;
  ifOutputDataWriter(const ifOutputDataWriter&) = default;
  ifOutputDataWriter& operator=(const ifOutputDataWriter&) = default;
};

}  // namespace znInOutData::znOutputDataWriter

namespace znInOutData {
// The writer interface and its table are used all over the result output; spare the callers
// the inner namespace.
using znOutputDataWriter::ifOutputDataWriter;
using znOutputDataWriter::stTable;
}  // namespace znInOutData
