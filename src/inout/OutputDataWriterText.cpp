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

// Appends the cell padded with spaces to exactly the width in characters, in front when
// right-aligned, or cut to its first width characters.
void AppendFitted(std::string& out, std::string_view cell, std::size_t width, bool rightAlign) {
  const std::size_t length = CodePointCount(cell);
  if (length > width) {
    out.append(cell.substr(0, CodePointBytes(cell, width)));
    return;
  }
  if (rightAlign) out.append(width - length, ' ');
  out.append(cell);
  if (!rightAlign) out.append(width - length, ' ');
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

void csOutputDataWriterText::BeginTable(const stTableHead& head) {
  widths_ = head.Widths;
  if (head.Head.empty()) return;
  for (const auto& row : head.Head) {
    for (std::size_t column = 0; column < row.size(); ++column) {
      AppendCell(row[column], column, headRightAlign_);
    }
    line_ += '\n';
  }
  const std::size_t ruleLength =
      std::accumulate(widths_.begin(), widths_.end(), std::size_t{0}) + widths_.size();
  line_.append(ruleLength, '=');
  line_ += '\n';
  Flush();
}

void csOutputDataWriterText::Rows(const csRows& rows) {
  for (std::size_t row = 0; row < rows.Size(); ++row) {
    for (std::size_t column = 0; column < rows.CellCount(row); ++column) {
      AppendCell(rows.Cell(row, column), column, valueRightAlign_);
    }
    line_ += '\n';
  }
  Flush();
}

void csOutputDataWriterText::EndTable() {}

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

// A cell beyond the given widths is written whole rather than read past the widths.
void csOutputDataWriterText::AppendCell(std::string_view cell, std::size_t column,
                                        bool rightAlign) {
  const std::size_t width = column < widths_.size() ? widths_[column] : CodePointCount(cell);
  line_ += ' ';
  AppendFitted(line_, cell, width, rightAlign);
}

void csOutputDataWriterText::Flush() {
  stream_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
  line_.clear();
}

}  // namespace znInOutData::znOutputDataWriter
