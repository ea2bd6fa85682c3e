// The report as HTML: renders every item as it is received and writes the markup, after the
// run, into one self-contained page with a summary and the drawing above the report.
#pragma once

#include <map>
#include <ostream>
#include <sstream>
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
  void BeginTable(const stTableHead& head) override;
  void Rows(const csRows& rows) override;
  void EndTable() override;
  void End() override;

  // The value of the first pair received with the key; empty when there is none.
  std::string PairValue(const std::string& key) const;

  // The page: the title, the summary as a definition list, the drawing (an <svg> element,
  // embedded as it is; none when empty), then the report: titles as numbered headings, pairs
  // as definition lists, tables with their head rows.
  void WritePage(std::ostream& stream, const std::string& title, const Summary& summary,
                 const std::string& drawing) const;

 private:
  // The stream of the report's markup, after closing or opening the definition list that
  // consecutive pairs form.
  std::ostream& Item(bool pair);

  std::ostringstream report_;
  std::vector<unsigned> counters_;
  std::map<std::string, std::string> pairs_;  // the first value received with each key
  bool inList_ = false;
};

}  // namespace znInOutData::znOutputDataWriter
