#include "inout/OutputDataWriterCompositor2.h"

namespace znInOutData::znOutputDataWriter {

namespace {

template <typename Writer, typename... Args>
Writer* CreateOwned(std::vector<std::unique_ptr<ifOutputDataWriter>>& owned, Args&&... args) {
  auto writer = std::make_unique<Writer>(std::forward<Args>(args)...);
  Writer* created = writer.get();
  owned.push_back(std::move(writer));
  return created;
}

}  // namespace

csOutputDataWriterText* csOutputDataWriterCompositor2::AddText(std::ostream& stream,
                                                               unsigned width) {
  auto* writer = CreateOwned<csOutputDataWriterText>(ownedWriters_, stream, width);
  Add(writer, znClock::Phase::Text);
  return writer;
}

csOutputDataWriterCsv* csOutputDataWriterCompositor2::AddCsv(std::ostream& stream) {
  auto* writer = CreateOwned<csOutputDataWriterCsv>(ownedWriters_, stream);
  Add(writer, znClock::Phase::Csv);
  return writer;
}

csOutputDataWriterPipe* csOutputDataWriterCompositor2::AddPipe(std::ostream& stream) {
  auto* writer = CreateOwned<csOutputDataWriterPipe>(ownedWriters_, stream);
  Add(writer, znClock::Phase::Pipe);
  return writer;
}

}  // namespace znInOutData::znOutputDataWriter
