#include "inout/OutputDataWriterPipe.h"

#include <algorithm>

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
}

void csOutputDataWriterPipe::Title(unsigned level, const std::string& text) {
  WriteLine("&&Title");
  WriteLine("#Level");
  WriteLine(std::to_string(level));
  WriteCounted(text);
}

void csOutputDataWriterPipe::NewLine() {}

void csOutputDataWriterPipe::Sentence(const std::string& text) {
  WriteLine("&&Sentence");
  WriteCounted(text);
}

void csOutputDataWriterPipe::Pair(const std::string& key, const std::string& value,
                                  const std::string& /*separator*/, unsigned /*keyWidth*/) {
  WriteLine("&&Pair");
  WriteCounted(key);
  WriteCounted(value);
}

void csOutputDataWriterPipe::Table(const stTable& table) {
  WriteLine("&&Table");
  WriteBlock(table.Head);
  WriteBlock(table.Value);
}

void csOutputDataWriterPipe::End() {
  WriteLine("&&End");
}

// The reading process sees every line as soon as it is written.
void csOutputDataWriterPipe::WriteLine(const std::string& line) {
  stream_ << line << "\n" << std::flush;
}

void csOutputDataWriterPipe::WriteCounted(const std::string& text) {
  WriteLine("#LineNum");
  WriteLine(std::to_string(LineCount(text)));
  WriteLine(text);
}

void csOutputDataWriterPipe::WriteBlock(const std::vector<std::vector<std::string>>& rows) {
  WriteLine("#RowNum");
  WriteLine(std::to_string(rows.size()));
  for (const auto& row : rows) {
    WriteLine("#ColNum");
    WriteLine(std::to_string(row.size()));
    for (const auto& cell : row) WriteCounted(cell);
  }
}

}  // namespace znInOutData::znOutputDataWriter
