// The report as HTML: keeps every item it receives and writes them, after the run, into one
// self-contained page with a summary and the drawing above the report.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "inout/OutputDataWriter.h"

namespace znInOutData::znOutputDataWriter {

class csOutputDataWriterHtml : public ifOutputDataWriter {
 public:
  using Summary = std::vector<std::pair<std::string, std::string>>;

  csOutputDataWriterHtml() = default;

  void MainTitle(const std::string& text) override;
  void Title(unsigned level, const std::string& text) override;
  void NewLine() override;
  void Sentence(const std::string& text) override;
  void Pair(const std::string& key, const std::string& value, const std::string& separator,
            unsigned keyWidth) override;
  void Table(const stTable& table) override;
  void End() override;

  // The value of the first pair received with the key; empty when there is none.
  std::string PairValue(const std::string& key) const;

  // The page: the title, the summary as a definition list, the drawing (an <svg> element,
  // embedded as it is; none when empty), then the report: titles as numbered headings, pairs
  // as definition lists, tables with their head rows.
  void WritePage(std::ostream& stream, const std::string& title, const Summary& summary,
                 const std::string& drawing) const;

 private:
  enum class Kind { kMainTitle, kTitle, kSentence, kPair, kTable };
  struct stItem {
    Kind kind;
    unsigned level = 0;
    std::string text;
    std::string value;
    stTable table;
  };

  void WriteReport(std::ostream& os) const;

  std::vector<stItem> items_;
};

}  // namespace znInOutData::znOutputDataWriter
