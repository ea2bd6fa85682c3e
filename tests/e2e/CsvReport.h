// Reads back a CSV report: its section titles, pairs and tables, so that end-to-end tests
// can look up a row by section, table and its first cells.
#pragma once

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace frame2d::testing {

class csCsvReport {
 public:
  using Row = std::vector<std::string>;

  explicit csCsvReport(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    bool titleNext = false;
    int level = 0;
    std::string section;
    std::string path;
    while (std::getline(lines, line)) {
      if (line.empty()) continue;
      bool rowEnds = false;
      const Row cells = Split(line, rowEnds);
      if (titleNext) {
        titleNext = false;
        if (level == 1) section = cells.at(0), path = section, sections.push_back(section);
        if (level == 2) path = section + "/" + cells.at(0), tables[path];
        continue;
      }
      if (cells.size() == 1 && cells[0].rfind("[$", 0) == 0) {
        level = cells[0].find("$$") == 1 ? 2 : 1;
        titleNext = true;
      } else if (rowEnds) {
        tables[path].push_back(cells);
      } else if (cells.size() == 2) {
        pairs[section + "/" + cells[0]] = cells[1];
      }
    }
  }

  bool Has(const std::string& path) const { return tables.count(path) != 0; }

  // The row of the table whose first cells are the key (head rows included).
  const Row& Find(const std::string& path, const Row& key) const {
    for (const Row& row : tables.at(path)) {
      if (row.size() >= key.size() && std::equal(key.begin(), key.end(), row.begin())) return row;
    }
    throw std::out_of_range("no row in " + path);
  }

  std::vector<std::string> sections;               // level-1 titles in order
  std::map<std::string, std::vector<Row>> tables;  // "Section/Table" -> rows
  std::map<std::string, std::string> pairs;        // "Section/Key" -> value

 private:
  // Quoted fields, each followed by ',' in table rows (rowEnds) and separated by ',' in pairs.
  static Row Split(const std::string& line, bool& rowEnds) {
    Row cells;
    std::size_t i = 0;
    rowEnds = false;
    while (i < line.size() && line[i] == '"') {
      std::string cell;
      for (++i; i < line.size(); ++i) {
        if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"') {
          cell += '"';
          ++i;
        } else if (line[i] == '"') {
          break;
        } else {
          cell += line[i];
        }
      }
      cells.push_back(cell);
      ++i;  // the closing quote
      if (i < line.size() && line[i] == ',') {
        ++i;
        rowEnds = i == line.size();
      }
    }
    return cells;
  }
};

}  // namespace frame2d::testing
