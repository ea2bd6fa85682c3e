#include "inout/OutputDataWriterCompositor.h"

namespace znInOutData::znOutputDataWriter {

void csOutputDataWriterCompositor::MainTitle(const std::string& text) {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->MainTitle(text);
  }
}

void csOutputDataWriterCompositor::Title(unsigned level, const std::string& text) {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->Title(level, text);
  }
}

void csOutputDataWriterCompositor::NewLine() {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->NewLine();
  }
}

void csOutputDataWriterCompositor::Sentence(const std::string& text) {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->Sentence(text);
  }
}

void csOutputDataWriterCompositor::Pair(const std::string& key, const std::string& value,
                                        const std::string& separator, unsigned keyWidth) {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->Pair(key, value, separator, keyWidth);
  }
}

void csOutputDataWriterCompositor::BeginTable(const stTableHead& head) {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->BeginTable(head);
  }
}

void csOutputDataWriterCompositor::Rows(const csRows& rows) {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->Rows(rows);
  }
}

void csOutputDataWriterCompositor::EndTable() {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->EndTable();
  }
}

void csOutputDataWriterCompositor::End() {
  for (const auto& [writer, phase] : writers_) {
    const znClock::csPhase timed(phase);
    writer->End();
  }
}

bool csOutputDataWriterCompositor::IsWritten() const {
  return !writers_.empty();
}

void csOutputDataWriterCompositor::Add(ifOutputDataWriter* writer, znClock::Phase phase) {
  writers_.emplace_back(writer, phase);
}

}  // namespace znInOutData::znOutputDataWriter
