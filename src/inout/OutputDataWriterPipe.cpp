#include "inout/OutputDataWriterPipe.h"

#include <algorithm>
#include <charconv>

namespace znInOutData::znOutputDataWriter {

namespace {

// 1 plus the number of newline characters: an empty string still takes one line.
std::size_t LineCount(std::string_view text) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

csOutputDataWriterPipe::csOutputDataWriterPipe(std::ostream& stream) : stream_(stream) {}

void csOutputDataWriterPipe::MainTitle(const std::string& text) {
  WriteLine("&&MainTitle");
  WriteCounted(text);
  EndItem();
}

void csOutputDataWriterPipe::Title(unsigned level, const std::string& text) {
  WriteLine("&&Title");
  WriteLine("#Level");
  WriteCount(level);
  WriteCounted(text);
  EndItem();
}

void csOutputDataWriterPipe::NewLine() {}

void csOutputDataWriterPipe::Sentence(const std::string& text) {
  WriteLine("&&Sentence");
  WriteCounted(text);
  EndItem();
}

void csOutputDataWriterPipe::Pair(const std::string& key, const std::string& value,
                                  const std::string& /*separator*/, unsigned /*keyWidth*/) {
  WriteLine("&&Pair");
  WriteCounted(key);
  WriteCounted(value);
  EndItem();
}

// The rows of the table's body come in blocks, between which the other writers write theirs:
// the table is kept until its end, so that a reader never finds part of it while the program
// waits on another file.
void csOutputDataWriterPipe::BeginTable(const stTableHead& head) {
  WriteLine("&&Table");
  WriteLine("#RowNum");
  WriteCount(head.Head.size());
  for (const auto& row : head.Head) {
    WriteLine("#ColNum");
    WriteCount(row.size());
    for (const auto& cell : row) WriteCounted(cell);
  }
  WriteLine("#RowNum");
  WriteCount(head.RowCount);
}

void csOutputDataWriterPipe::Rows(const csRows& rows) {
  for (std::size_t row = 0; row < rows.Size(); ++row) {
    WriteLine("#ColNum");
    WriteCount(rows.CellCount(row));
    for (std::size_t column = 0; column < rows.CellCount(row); ++column) {
      WriteCounted(rows.Cell(row, column));
    }
  }
}

void csOutputDataWriterPipe::EndTable() {
  EndItem();
}

void csOutputDataWriterPipe::End() {
  WriteLine("&&End");
  EndItem();
}

void csOutputDataWriterPipe::WriteLine(std::string_view line) {
  item_.append(line);
  item_ += '\n';
}

void csOutputDataWriterPipe::WriteCount(std::size_t count) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, count).ptr;
  WriteLine(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// The reading process sees every item whole as soon as it is written, with one write per item
// rather than one per line.
void csOutputDataWriterPipe::EndItem() {
  stream_.write(item_.data(), static_cast<std::streamsize>(item_.size())).flush();
  item_.clear();
}

void csOutputDataWriterPipe::WriteCounted(std::string_view text) {
  WriteLine("#LineNum");
  WriteCount(LineCount(text));
  WriteLine(text);
}

}  // namespace znInOutData::znOutputDataWriter
