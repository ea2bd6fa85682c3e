#include "inout/OutputDataWriterHtml.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "inout/TitleCounters.h"
#include "text/XmlText.h"

namespace znInOutData::znOutputDataWriter {

namespace {

using znString::XmlEscaped;

// The page's only style: readable tables whose head rows stay in view, numbers right-aligned
// in a monospace font, the drawing no wider than the page.
const char* const kStyle =
    R"(body{font-family:"DejaVu Sans",Arial,sans-serif;margin:1.5em;color:#111}
h1{font-size:1.6em}h2{font-size:1.3em;border-bottom:1px solid #999;margin-top:1.6em}
h3,h4,h5,h6{font-size:1.05em;margin-top:1.2em}
dl{display:grid;grid-template-columns:max-content auto;gap:.15em 1em}dt{font-weight:bold}dd{margin:0}
table{border-collapse:collapse;margin:.5em 0;font-size:.9em}
th,td{border:1px solid #bbb;padding:.15em .5em;white-space:pre-line}
thead th{position:sticky;top:0;background:#e8eef5}
td.num{text-align:right;font-family:"DejaVu Sans Mono",monospace}
.drawing svg{max-width:100%;height:auto;border:1px solid #ccc}
)";

// A cell that reads as a number (or as the "----" of an unset value) is right-aligned.
bool IsNumeric(std::string_view text) {
  if (text.empty()) return false;
  if (text.find_first_not_of('-') == std::string_view::npos) return true;
  const std::string cell(text);
  std::size_t used = 0;
  try {
    std::stod(cell, &used);
  } catch (...) {
    return false;
  }
  return used == cell.size();
}

void WriteCell(std::ostream& os, std::string_view cell, const char* cellTag, bool markNumbers) {
  const bool number = markNumbers && IsNumeric(cell);
  os << "<" << cellTag << (number ? " class=\"num\"" : "") << ">" << XmlEscaped(std::string(cell))
     << "</" << cellTag << ">";
}

}  // namespace

void csOutputDataWriterHtml::MainTitle(const std::string& text) {
  Item(false) << "<h2>" << XmlEscaped(text) << "</h2>\n";
}

// Titles are headings two levels below the page's.
void csOutputDataWriterHtml::Title(unsigned level, const std::string& text) {
  AdvanceTitleCounters(counters_, level);
  const auto depth = std::min<std::size_t>(counters_.size() + 1, 6);
  Item(false) << "<h" << depth << ">" << JoinTitleCounters(counters_, ".", true) << " "
              << XmlEscaped(text) << "</h" << depth << ">\n";
}

void csOutputDataWriterHtml::NewLine() {}

void csOutputDataWriterHtml::Sentence(const std::string& text) {
  Item(false) << "<p>" << XmlEscaped(text) << "</p>\n";
}

// Consecutive pairs form one definition list.
void csOutputDataWriterHtml::Pair(const std::string& key, const std::string& value,
                                  const std::string& /*separator*/, unsigned /*keyWidth*/) {
  if (pairs_.count(key) == 0) pairs_.emplace(key, value);
  Item(true) << "<dt>" << XmlEscaped(key) << "</dt><dd>" << XmlEscaped(value) << "</dd>\n";
}

void csOutputDataWriterHtml::BeginTable(const stTableHead& head) {
  std::ostream& os = Item(false);
  os << "<table>\n<thead>\n";
  for (const auto& row : head.Head) {
    os << "<tr>";
    for (const std::string& cell : row) WriteCell(os, cell, "th", false);
    os << "</tr>\n";
  }
  os << "</thead>\n<tbody>\n";
}

void csOutputDataWriterHtml::Rows(const csRows& rows) {
  for (std::size_t row = 0; row < rows.Size(); ++row) {
    report_ << "<tr>";
    for (std::size_t column = 0; column < rows.CellCount(row); ++column) {
      WriteCell(report_, rows.Cell(row, column), "td", true);
    }
    report_ << "</tr>\n";
  }
}

void csOutputDataWriterHtml::EndTable() {
  report_ << "</tbody>\n</table>\n";
}

void csOutputDataWriterHtml::End() {}

std::string csOutputDataWriterHtml::PairValue(const std::string& key) const {
  const auto found = pairs_.find(key);
  return found == pairs_.end() ? std::string() : found->second;
}

void csOutputDataWriterHtml::WritePage(std::ostream& os, const std::string& title,
                                       const Summary& summary, const std::string& drawing) const {
  os << "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
     << "<meta charset=\"utf-8\"/>\n<title>" << XmlEscaped(title) << "</title>\n<style>\n"
     << kStyle << "</style>\n</head>\n<body>\n<h1>" << XmlEscaped(title) << "</h1>\n";
  os << "<section class=\"summary\">\n<dl>\n";
  for (const auto& [key, value] : summary) {
    os << "<dt>" << XmlEscaped(key) << "</dt><dd>" << XmlEscaped(value) << "</dd>\n";
  }
  os << "</dl>\n</section>\n";
  if (!drawing.empty()) os << "<section class=\"drawing\">\n" << drawing << "</section>\n";
  os << "<section class=\"report\">\n" << report_.view();
  if (inList_) os << "</dl>\n";
  os << "</section>\n</body>\n</html>\n";
}

// A pair opens a definition list unless one is open; any other item closes it.
std::ostream& csOutputDataWriterHtml::Item(bool pair) {
  if (inList_ && !pair) report_ << "</dl>\n";
  if (!inList_ && pair) report_ << "<dl>\n";
  inList_ = pair;
  return report_;
}

}  // namespace znInOutData::znOutputDataWriter
