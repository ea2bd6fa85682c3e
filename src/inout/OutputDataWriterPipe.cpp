#include "inout/OutputDataWriterPipe.h"

#include <algorithm>
#include <charconv>

namespace znInOutData::znOutputDataWriter {

namespace {

// 1 plus the number of newline characters: an empty string still takes one line.
std::size_t LineCount(const std::string& text) {
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

void csOutputDataWriterPipe::Table(const stTable& table) {
  WriteLine("&&Table");
  WriteBlock(table.Head);
  WriteBlock(table.Value);
  EndItem();
}

void csOutputDataWriterPipe::End() {
  WriteLine("&&End");
  EndItem();
}

void csOutputDataWriterPipe::WriteLine(std::string_view line) {
  stream_.write(line.data(), static_cast<std::streamsize>(line.size()));
  stream_.put('\n');
}

void csOutputDataWriterPipe::WriteCount(std::size_t count) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, count).ptr;
  WriteLine(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// The reading process sees every item whole as soon as it is written, with one write per item
// rather than one per line.
void csOutputDataWriterPipe::EndItem() {
  stream_.flush();
}

void csOutputDataWriterPipe::WriteCounted(const std::string& text) {
  WriteLine("#LineNum");
  WriteCount(LineCount(text));
  WriteLine(text);
}

void csOutputDataWriterPipe::WriteBlock(const std::vector<std::vector<std::string>>& rows) {
  WriteLine("#RowNum");
  WriteCount(rows.size());
  for (const auto& row : rows) {
    WriteLine("#ColNum");
    WriteCount(row.size());
    for (const auto& cell : row) WriteCounted(cell);
  }
}

}  // namespace znInOutData::znOutputDataWriter
