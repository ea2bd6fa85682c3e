// The text report of every example, and of a model using the one block no example uses, as its
// reader sees it: each table's columns have the widths the report promises, every cell follows
// one space, and every cell shows the whole text the CSV file carries, so that no number is cut
// or run into its neighbour.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/CsvReport.h"
#include "e2e/RunModel.h"

namespace {

using frame2d::testing::csCsvReport;
using Widths = std::vector<unsigned>;

// The line with each support mark (three bytes, one character on screen) as one byte, so that
// columns are counted as the reader sees them.
std::string OneBytePerMark(std::string line) {
  const std::string mark = "\xE2\x97\x8B";
  for (auto at = line.find(mark); at != std::string::npos; at = line.find(mark, at + 1)) {
    line.replace(at, mark.size(), "\x01");
  }
  return line;
}

std::string RestoreMarks(std::string cell) {
  for (auto at = cell.find('\x01'); at != std::string::npos; at = cell.find('\x01')) {
    cell.replace(at, 1, "\xE2\x97\x8B");
  }
  return cell;
}

// n columns of width w after the given ones.
Widths With(Widths front, std::size_t n, unsigned w) {
  front.insert(front.end(), n, w);
  return front;
}

const std::map<std::string, Widths> kWidths = {
    {"ImposedLoadAndDisp/DirectInput", With({10}, 6, 12)},
    {"EdgeLoadFixCase/DirectInput", With({10, 4}, 6, 12)},
    {"EdgeLoadFixCase/ConcentratedLoad", With({10, 7, 12, 4, 12}, 6, 12)},
    {"EdgeLoadFixCase/DistributedLoad", With({10, 7, 12, 12, 4, 12, 12}, 6, 12)},
    {"Node/Coordinate", {10, 10, 10, 7, 7, 7, 12, 12, 12}},
    {"Node/ImposedLoadAndDisp", With({10}, 6, 12)},
    {"Node/SpringSupportImposedDisp", With({10}, 3, 12)},
    {"Node/NodeLoad", With({10}, 3, 12)},
    {"Node/NodeDisp", With({10}, 3, 12)},
    {"Node/SpringSupportNodeLoad", With({10}, 3, 12)},
    {"Node/SpringSupportNodeDisp", With({10}, 3, 12)},
    {"Element/Prop", {10, 10, 10, 10, 10, 12, 10, 10, 8, 8, 12, 12}},
    {"Element/EquivalentEdgeLoad", With({10}, 6, 12)},
    {"Element/FaceLoad(Each)", With({10, 4}, 6, 12)},
    {"Element/FaceLoad", With({10, 4}, 3, 12)},
    {"Element/EdgeDisp", With({10, 4}, 3, 12)},
    {"WallElement/Prop1", {10, 10, 10, 12, 10, 10, 12}},
    {"WallElement/Prop2", {10, 10, 10, 10, 10, 8, 8, 12, 12, 12, 12}},
    {"WallElement/EdgeLoadDisp", With({10, 4, 4}, 6, 12)},
    {"WallElement/FaceLoadDisp", With({10, 4}, 6, 12)},
    {"ElementStress/Stress", With({10, 7, 10}, 6, 12)}};

// A traced analysis adds its tables and a Case column to the load tables.
const std::map<std::string, Widths> kTracedWidths = {
    {"Analyze/Step", {7, 7, 17, 17, 12, 10, 12, 10}},
    {"Analyze/Event", {7, 7, 17, 10, 4, 12, 12}},
    {"Analyze/Curve", {7, 7, 17, 12}},
    {"ImposedLoadAndDisp/DirectInput", With({10, 7}, 6, 12)},
    {"EdgeLoadFixCase/DistributedLoad", With({10, 7, 7, 12, 12, 4, 12, 12}, 6, 12)},
    {"Node/ImposedLoadAndDisp", With({10, 7}, 6, 12)}};

// The table lines of a text report (head rows, rule, body rows) under "section/table".
std::map<std::string, std::vector<std::string>> TextTables(const std::string& text) {
  std::map<std::string, std::vector<std::string>> tables;
  std::istringstream in(text);
  std::string line, section, path;
  while (std::getline(in, line)) {
    const std::size_t space = line.find(". ");
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
        space != std::string::npos) {
      if (line.find('.') == space) section = line.substr(space + 2);
      path = section + "/" + line.substr(space + 2);
    } else if (!line.empty() && (line[0] == ' ' || line[0] == '=')) {
      tables[path].push_back(line);
    }
  }
  return tables;
}

// A cantilever loaded through the one block no example uses: segment-end forces given directly,
// each value naming its segment end (tens) and direction (units).
const char* const kDirectInput =
    "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 x=1000 y=0;\n&&Element;\n"
    "id=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8 li=100 lj=100;\n&&EdgeLoadFixCaseDirectInput;\n"
    "id=B1 iix=10 iiy=11 iim=12 ijx=20 ijy=21 ijm=22 mix=30 miy=31 mim=32 mjx=40 mjy=41 mjm=42 "
    "jix=50 jiy=51 jim=52 jjx=60 jjy=61 jjm=62;\n&&End;\n";

TEST(ReportLayout, EveryTableOfEveryExampleHasItsWidthsAndShowsWholeCells) {
  std::vector<std::pair<std::string, std::string>> models{{"direct input", kDirectInput}};
  for (const auto& entry : std::filesystem::directory_iterator(FRAME2D_SOURCE_DIR "/examples")) {
    const std::string name = entry.path().filename().string();
    models.emplace_back(name, frame2d::testing::ReadExample(name));
  }
  std::set<std::string> seen;
  for (const auto& [name, model] : models) {
    frame2d::testing::ScratchDirectory dir;
    const auto run = frame2d::testing::RunModel(dir, model);
    const csCsvReport csv(run.csv);
    for (const auto& [path, lines] : TextTables(run.text)) {
      SCOPED_TRACE(name + " " + path);
      const bool traced = run.text.find("EndReason") != std::string::npos;
      const auto& layout = traced && kTracedWidths.count(path) ? kTracedWidths : kWidths;
      ASSERT_EQ(layout.count(path), 1u);
      const Widths& widths = layout.at(path);
      const std::size_t length = std::accumulate(widths.begin(), widths.end(), widths.size());
      std::vector<csCsvReport::Row> rows;
      for (const std::string& shown : lines) {
        const std::string line = OneBytePerMark(shown);
        if (line[0] == '=') {
          EXPECT_EQ(line, std::string(length, '='));
          continue;
        }
        ASSERT_EQ(line.size(), length) << line;
        csCsvReport::Row cells;
        for (std::size_t column = 0, at = 0; column < widths.size(); at += widths[column++] + 1) {
          EXPECT_EQ(line[at], ' ') << line;
          const std::string cell = line.substr(at + 1, widths[column]);
          const std::size_t first = cell.find_first_not_of(' ');
          cells.push_back(first == std::string::npos ? "" : RestoreMarks(cell.substr(first)));
        }
        rows.push_back(cells);
      }
      EXPECT_EQ(rows, csv.tables.at(path));
      seen.insert(path);
    }
  }
  std::set<std::string> every;  // the models show every table
  for (const auto* layout : {&kWidths, &kTracedWidths}) {
    for (const auto& entry : *layout) every.insert(entry.first);
  }
  EXPECT_EQ(seen, every);
}

// One row per direction, with the given forces of that direction at the six segment ends.
TEST(ReportLayout, DirectInputEdgeLoadsAreShownByDirection) {
  frame2d::testing::ScratchDirectory dir;
  const csCsvReport csv(frame2d::testing::RunModel(dir, kDirectInput).csv);
  const std::vector<csCsvReport::Row> rows(csv.tables.at("EdgeLoadFixCase/DirectInput").begin() + 2,
                                           csv.tables.at("EdgeLoadFixCase/DirectInput").end());
  EXPECT_EQ(rows,
            (std::vector<csCsvReport::Row>{{"B1", "X", "1.0000e+01", "2.0000e+01", "3.0000e+01",
                                            "4.0000e+01", "5.0000e+01", "6.0000e+01"},
                                           {"B1", "Y", "1.1000e+01", "2.1000e+01", "3.1000e+01",
                                            "4.1000e+01", "5.1000e+01", "6.1000e+01"},
                                           {"B1", "M", "1.2000e+01", "2.2000e+01", "3.2000e+01",
                                            "4.2000e+01", "5.2000e+01", "6.2000e+01"}}));
}

}  // namespace
