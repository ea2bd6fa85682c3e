#include "inout/OutputDataWriterCsv.h"

#include "inout/TitleCounters.h"

namespace znInOutData::znOutputDataWriter {

namespace {

// Every field is enclosed in double quotes, with each double quote inside it doubled.
std::string Quote(const std::string& field) {
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
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

void csOutputDataWriterCsv::Table(const stTable& table) {
  for (const auto& row : table.Head) WriteRow(row);
  for (const auto& row : table.Value) WriteRow(row);
}

void csOutputDataWriterCsv::End() {}

void csOutputDataWriterCsv::WriteRow(const std::vector<std::string>& row) {
  for (const auto& cell : row) stream_ << Quote(cell) << ",";
  stream_ << "\n";
}

}  // namespace znInOutData::znOutputDataWriter
