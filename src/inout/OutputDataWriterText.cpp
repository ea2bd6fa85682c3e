#include "inout/OutputDataWriterText.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "inout/TitleCounters.h"

namespace znInOutData::znOutputDataWriter {

namespace {

std::string Repeat(char c, std::size_t n) {
  return std::string(n, c);
}

// A character of the report is a UTF-8 code point: every byte but a continuation byte
// (10xxxxxx) starts one, so a support mark counts as one column, as it shows.
bool StartsCodePoint(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::size_t CodePointCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCodePoint));
}

// The bytes of the first `count` code points of the text (all of it when it is shorter).
std::size_t CodePointBytes(std::string_view text, std::size_t count) {
  std::size_t bytes = 0;
  for (std::size_t seen = 0; bytes < text.size(); ++bytes) {
    if (StartsCodePoint(text[bytes]) && seen++ == count) break;
  }
  return bytes;
}

// Pads the cell with spaces to exactly the width in characters, in front when right-aligned,
// or cuts it to its first width characters.
std::string FitCell(const std::string& cell, std::size_t width, bool rightAlign) {
  const std::size_t length = CodePointCount(cell);
  if (length > width) return cell.substr(0, CodePointBytes(cell, width));
  const std::string padding(width - length, ' ');
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
  // The first line is indented by one space and so holds one character less; the cut is hard
  // but never splits a character.
  const std::size_t firstLength = width_ > 0 ? width_ - 1 : 0;
  const std::size_t lineLength = std::max<std::size_t>(width_, 1);
  std::string_view rest = text;
  std::size_t bytes = CodePointBytes(rest, firstLength);
  stream_ << " " << rest.substr(0, bytes) << "\n";
  for (rest.remove_prefix(bytes); !rest.empty(); rest.remove_prefix(bytes)) {
    bytes = CodePointBytes(rest, lineLength);
    stream_ << rest.substr(0, bytes) << "\n";
  }
}

void csOutputDataWriterText::Pair(const std::string& key, const std::string& value,
                                  const std::string& separator, unsigned keyWidth) {
  stream_ << key;
  const std::size_t keyLength = CodePointCount(key);
  if (keyWidth > keyLength) stream_ << Repeat(' ', keyWidth - keyLength);
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
    const std::size_t width = column < widths.size() ? widths[column] : CodePointCount(row[column]);
    stream_ << " " << FitCell(row[column], width, rightAlign);
  }
  stream_ << "\n";
}

}  // namespace znInOutData::znOutputDataWriter
