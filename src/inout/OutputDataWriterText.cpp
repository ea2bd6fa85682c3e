#include "inout/OutputDataWriterText.h"

#include <algorithm>
#include <numeric>

#include "inout/TitleCounters.h"

namespace znInOutData::znOutputDataWriter {

namespace {

std::string Repeat(char c, std::size_t n) {
  return std::string(n, c);
}

// Pads the cell with spaces to exactly the width (in bytes), in front when right-aligned,
// or cuts it to its first width bytes.
std::string FitCell(const std::string& cell, std::size_t width, bool rightAlign) {
  if (cell.size() > width) return cell.substr(0, width);
  const std::string padding(width - cell.size(), ' ');
  return rightAlign ? padding + cell : cell + padding;
}

}  // namespace

csOutputDataWriterText::csOutputDataWriterText(std::ostream& stream, unsigned width)
    : stream_(stream), width_(width) {}

void csOutputDataWriterText::MainTitle(const std::string& text) {
  const std::string rule = Repeat('=', width_);
  stream_ << rule << "\n\n" << text << "\n\n" << rule << "\n\n";
}

void csOutputDataWriterText::Title(unsigned level, const std::string& text) {
  AdvanceTitleCounters(titleCounters_, level);
  if (level <= 1) stream_ << "\n";
  stream_ << "\n" << JoinTitleCounters(titleCounters_, ".", true) << " " << text << "\n";
}

void csOutputDataWriterText::NewLine() {
  stream_ << "\n";
}

void csOutputDataWriterText::Sentence(const std::string& text) {
  // The first line is indented by one space and so holds one character less; the cut is hard.
  const std::size_t firstLength = width_ > 0 ? width_ - 1 : 0;
  const std::size_t lineLength = std::max<std::size_t>(width_, 1);
  stream_ << " " << text.substr(0, firstLength) << "\n";
  for (std::size_t start = firstLength; start < text.size(); start += lineLength) {
    stream_ << text.substr(start, lineLength) << "\n";
  }
}

void csOutputDataWriterText::Pair(const std::string& key, const std::string& value,
                                  const std::string& separator, unsigned keyWidth) {
  stream_ << key;
  if (keyWidth > key.size()) stream_ << Repeat(' ', keyWidth - key.size());
  stream_ << separator << value << "\n";
}

void csOutputDataWriterText::Table(const stTable& table) {
  if (!table.Head.empty()) {
    for (const auto& row : table.Head) WriteRow(row, table.Widths, headRightAlign_);
    const std::size_t ruleLength =
        std::accumulate(table.Widths.begin(), table.Widths.end(), std::size_t{0}) +
        table.Widths.size();
    stream_ << Repeat('=', ruleLength) << "\n";
  }
  for (const auto& row : table.Value) WriteRow(row, table.Widths, valueRightAlign_);
}

void csOutputDataWriterText::End() {}

csOutputDataWriterText& csOutputDataWriterText::SetHeadRightAlign(bool rightAlign) {
  headRightAlign_ = rightAlign;
  return *this;
}

csOutputDataWriterText& csOutputDataWriterText::SetValueRightAlign(bool rightAlign) {
  valueRightAlign_ = rightAlign;
  return *this;
}

csOutputDataWriterText& csOutputDataWriterText::SetWidth(unsigned width) {
  width_ = width;
  return *this;
}

void csOutputDataWriterText::WriteRow(const std::vector<std::string>& row,
                                      const std::vector<unsigned>& widths, bool rightAlign) {
  for (std::size_t column = 0; column < row.size(); ++column) {
    // A cell beyond the given widths is written whole rather than read past the widths.
    const std::size_t width = column < widths.size() ? widths[column] : row[column].size();
    stream_ << " " << FitCell(row[column], width, rightAlign);
  }
  stream_ << "\n";
}

}  // namespace znInOutData::znOutputDataWriter
