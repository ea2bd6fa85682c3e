// Fixed-width text rendering of the report: numbered titles, sentences cut to the width, pairs
// with padded keys and tables of fitted cells under an "=" rule.
#pragma once

#include <ostream>
#include <string>
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
  void Table(const stTable& table) override;
  void End() override;

  csOutputDataWriterText& SetHeadRightAlign(bool rightAlign);
  csOutputDataWriterText& SetValueRightAlign(bool rightAlign);
  csOutputDataWriterText& SetWidth(unsigned width);

 private:
  void WriteRow(const std::vector<std::string>& row, const std::vector<unsigned>& widths,
                bool rightAlign);

  std::ostream& stream_;
  std::vector<unsigned> titleCounters_;
  unsigned width_;
  bool headRightAlign_ = false;
  bool valueRightAlign_ = false;
};

}  // namespace znInOutData::znOutputDataWriter
