// Fans one sequence of report items out to every registered writer, in registration order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "clock/PhaseClock.h"
#include "inout/OutputDataWriter.h"

namespace znInOutData::znOutputDataWriter {

class csOutputDataWriterCompositor : public ifOutputDataWriter {
 public:
  csOutputDataWriterCompositor() = default;
  csOutputDataWriterCompositor(const csOutputDataWriterCompositor&) = delete;
  csOutputDataWriterCompositor& operator=(const csOutputDataWriterCompositor&) = delete;

  void MainTitle(const std::string& text) override;
  void Title(unsigned level, const std::string& text) override;
  void NewLine() override;
  void Sentence(const std::string& text) override;
  void Pair(const std::string& key, const std::string& value, const std::string& separator,
            unsigned keyWidth) override;
  void BeginTable(const stTableHead& head) override;
  void Rows(const csRows& rows) override;
  void EndTable() override;
  void End() override;
  // True when a writer is registered.
  bool IsWritten() const override;

  // Appends a writer (not owned) to the fan-out list; its time is charged to the phase.
  void Add(ifOutputDataWriter* writer, znClock::Phase phase = znClock::Phase::Other);

 private:
  std::vector<std::pair<ifOutputDataWriter*, znClock::Phase>> writers_;
};

}  // namespace znInOutData::znOutputDataWriter
