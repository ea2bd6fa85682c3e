// A writer that keeps every report item, so that tests can look at the report's outline
// (sections, tables, pairs, end mark) and at each table's cells.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "inout/OutputDataWriter.h"

namespace frame2d::testing {

class csRecordingWriter : public znInOutData::ifOutputDataWriter {
 public:
  void MainTitle(const std::string& text) override { outline.push_back("MainTitle:" + text); }
  void Title(unsigned level, const std::string& text) override {
    outline.push_back(std::to_string(level) + ":" + text);
    if (level == 1) section_ = text;
    if (level == 2) title_ = section_ + "/" + text;
  }
  void NewLine() override {}
  void Sentence(const std::string& text) override { outline.push_back("Sentence:" + text); }
  void Pair(const std::string& key, const std::string& value, const std::string& separator,
            unsigned keyWidth) override {
    outline.push_back("Pair:" + key + separator + value + "/" + std::to_string(keyWidth));
  }
  void Table(const znInOutData::stTable& table) override {
    outline.push_back("Table");
    titles.push_back(title_);
    tables.push_back(table);
  }
  void End() override { outline.push_back("End"); }

  // The table written under Title(1, section) and Title(2, name), named "section/name".
  const znInOutData::stTable& TableOf(const std::string& path) const {
    for (std::size_t i = 0; i < titles.size(); ++i) {
      if (titles[i] == path) return tables[i];
    }
    throw std::out_of_range("no table " + path);
  }
  bool HasTable(const std::string& path) const {
    for (const auto& title : titles) {
      if (title == path) return true;
    }
    return false;
  }

  std::vector<std::string> outline;
  std::vector<std::string> titles;
  std::vector<znInOutData::stTable> tables;

 private:
  std::string section_;
  std::string title_;
};

}  // namespace frame2d::testing
