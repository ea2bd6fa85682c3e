#include "inout/OutputDataWriterCsv.h"

#include <string_view>

#include "inout/TitleCounters.h"

namespace znInOutData::znOutputDataWriter {

namespace {

// Every field is enclosed in double quotes, with each double quote inside it doubled.
std::string& AppendQuoted(std::string& out, std::string_view field) {
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  return out += '"';
}

std::string Quote(std::string_view field) {
  std::string quoted;
  AppendQuoted(quoted, field);
  return quoted;
}

}  // namespace

csOutputDataWriterCsv::csOutputDataWriterCsv(std::ostream& stream) : stream_(stream) {}

void csOutputDataWriterCsv::MainTitle(const std::string& text) {
  stream_ << Quote(text) << "\n";
}

void csOutputDataWriterCsv::Title(unsigned level, const std::string& text) {
  AdvanceTitleCounters(titleCounters_, level);
  std::string mark = "[";
  mark.append(titleCounters_.size(), '$');
  mark += "_";
  mark += JoinTitleCounters(titleCounters_, ".", false);
  mark += "]";
  stream_ << "\n" << Quote(mark) << "\n" << Quote(text) << "\n";
}

void csOutputDataWriterCsv::NewLine() {
  stream_ << "\n";
}

void csOutputDataWriterCsv::Sentence(const std::string& text) {
  stream_ << Quote(text) << "\n";
}

void csOutputDataWriterCsv::Pair(const std::string& key, const std::string& value,
                                 const std::string& /*separator*/, unsigned /*keyWidth*/) {
  stream_ << Quote(key) << "," << Quote(value) << "\n";
}

void csOutputDataWriterCsv::BeginTable(const stTableHead& head) {
  for (const auto& row : head.Head) {
    for (const auto& cell : row) AppendQuoted(line_, cell) += ',';
    WriteRow();
  }
}

void csOutputDataWriterCsv::Rows(const csRows& rows) {
  for (std::size_t row = 0; row < rows.Size(); ++row) {
    for (std::size_t column = 0; column < rows.CellCount(row); ++column) {
      AppendQuoted(line_, rows.Cell(row, column)) += ',';
    }
    line_ += '\n';
  }
  Flush();
}

void csOutputDataWriterCsv::EndTable() {}

void csOutputDataWriterCsv::End() {}

void csOutputDataWriterCsv::WriteRow() {
  line_ += '\n';
  Flush();
}

void csOutputDataWriterCsv::Flush() {
  stream_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
  line_.clear();
}

}  // namespace znInOutData::znOutputDataWriter
