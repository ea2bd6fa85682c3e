#include "inout/OutputDataWriterHtml.h"

#include <algorithm>
#include <cctype>

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
bool IsNumeric(const std::string& cell) {
  if (cell.empty()) return false;
  if (cell.find_first_not_of('-') == std::string::npos) return true;
  std::size_t used = 0;
  try {
    std::stod(cell, &used);
  } catch (...) {
    return false;
  }
  return used == cell.size();
}

void WriteRows(std::ostream& os, const std::vector<std::vector<std::string>>& rows,
               const char* cellTag, bool markNumbers) {
  for (const auto& row : rows) {
    os << "<tr>";
    for (const std::string& cell : row) {
      const bool number = markNumbers && IsNumeric(cell);
      os << "<" << cellTag << (number ? " class=\"num\"" : "") << ">" << XmlEscaped(cell) << "</"
         << cellTag << ">";
    }
    os << "</tr>\n";
  }
}

}  // namespace

void csOutputDataWriterHtml::MainTitle(const std::string& text) {
  items_.push_back({Kind::kMainTitle, 0, text, "", {}});
}

void csOutputDataWriterHtml::Title(unsigned level, const std::string& text) {
  items_.push_back({Kind::kTitle, level, text, "", {}});
}

void csOutputDataWriterHtml::NewLine() {}

void csOutputDataWriterHtml::Sentence(const std::string& text) {
  items_.push_back({Kind::kSentence, 0, text, "", {}});
}

void csOutputDataWriterHtml::Pair(const std::string& key, const std::string& value,
                                  const std::string& /*separator*/, unsigned /*keyWidth*/) {
  items_.push_back({Kind::kPair, 0, key, value, {}});
}

void csOutputDataWriterHtml::Table(const stTable& table) {
  items_.push_back({Kind::kTable, 0, "", "", table});
}

void csOutputDataWriterHtml::End() {}

std::string csOutputDataWriterHtml::PairValue(const std::string& key) const {
  const auto found = std::find_if(items_.begin(), items_.end(), [&](const stItem& item) {
    return item.kind == Kind::kPair && item.text == key;
  });
  return found == items_.end() ? std::string() : found->value;
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
  os << "<section class=\"report\">\n";
  WriteReport(os);
  os << "</section>\n</body>\n</html>\n";
}

// Consecutive pairs form one definition list; titles are headings two levels below the page's.
void csOutputDataWriterHtml::WriteReport(std::ostream& os) const {
  std::vector<unsigned> counters;
  bool inList = false;
  for (const stItem& item : items_) {
    if (inList && item.kind != Kind::kPair) {
      os << "</dl>\n";
      inList = false;
    }
    switch (item.kind) {
      case Kind::kMainTitle:
        os << "<h2>" << XmlEscaped(item.text) << "</h2>\n";
        break;
      case Kind::kTitle: {
        AdvanceTitleCounters(counters, item.level);
        const auto depth = std::min<std::size_t>(counters.size() + 1, 6);
        os << "<h" << depth << ">" << JoinTitleCounters(counters, ".", true) << " "
           << XmlEscaped(item.text) << "</h" << depth << ">\n";
        break;
      }
      case Kind::kSentence:
        os << "<p>" << XmlEscaped(item.text) << "</p>\n";
        break;
      case Kind::kPair:
        if (!inList) os << "<dl>\n";
        inList = true;
        os << "<dt>" << XmlEscaped(item.text) << "</dt><dd>" << XmlEscaped(item.value) << "</dd>\n";
        break;
      case Kind::kTable:
        os << "<table>\n<thead>\n";
        WriteRows(os, item.table.Head, "th", false);
        os << "</thead>\n<tbody>\n";
        WriteRows(os, item.table.Value, "td", true);
        os << "</tbody>\n</table>\n";
        break;
    }
  }
  if (inList) os << "</dl>\n";
}

}  // namespace znInOutData::znOutputDataWriter
