// Fans one sequence of report items out to every registered writer, in registration order.
#pragma once

#include <string>
#include <vector>

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
  void Table(const stTable& table) override;
  void End() override;

  // Appends a writer (not owned) to the fan-out list.
  void Add(ifOutputDataWriter* writer);

 private:
  std::vector<ifOutputDataWriter*> writers_;
};

}  // namespace znInOutData::znOutputDataWriter
