#include "inout/OutputDataWriterCompositor.h"

namespace znInOutData::znOutputDataWriter {

void csOutputDataWriterCompositor::MainTitle(const std::string& text) {
  for (auto* writer : writers_) writer->MainTitle(text);
}

void csOutputDataWriterCompositor::Title(unsigned level, const std::string& text) {
  for (auto* writer : writers_) writer->Title(level, text);
}

void csOutputDataWriterCompositor::NewLine() {
  for (auto* writer : writers_) writer->NewLine();
}

void csOutputDataWriterCompositor::Sentence(const std::string& text) {
  for (auto* writer : writers_) writer->Sentence(text);
}

void csOutputDataWriterCompositor::Pair(const std::string& key, const std::string& value,
                                        const std::string& separator, unsigned keyWidth) {
  for (auto* writer : writers_) writer->Pair(key, value, separator, keyWidth);
}

void csOutputDataWriterCompositor::Table(const stTable& table) {
  for (auto* writer : writers_) writer->Table(table);
}

void csOutputDataWriterCompositor::End() {
  for (auto* writer : writers_) writer->End();
}

void csOutputDataWriterCompositor::Add(ifOutputDataWriter* writer) {
  writers_.push_back(writer);
}

}  // namespace znInOutData::znOutputDataWriter
