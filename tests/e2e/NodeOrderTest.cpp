// The order of the Node statements changes neither the results (beyond round-off) nor the node
// and direction a failure names: the equations are numbered internally, the failures searched
// in the order of the statements.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

std::string Id(int level, int column) {
  return "N" + std::to_string(level) + "_" + std::to_string(column);
}

// Three storeys of two bays with a wall panel in the first bay of the ground storey and a
// spring support in x at the right foot, the nodes written in the order given (level * 3 +
// column).
std::string Frame(const std::vector<int>& nodeOrder) {
  std::string model = "&&MainProp;\nbalance_zero=0.001;\n&&Node;\n";
  for (const int k : nodeOrder) {
    const int level = k / 3, column = k % 3;
    model += "id=" + Id(level, column) + " x=" + std::to_string(column * 5000) +
             " y=" + std::to_string(level * 3000);
    if (level == 0) model += column == 2 ? " spty=1 sptm=1" : " sptx=1 spty=1 sptm=1";
    model += ";\n";
  }
  model += "&&Element;\n";
  for (int level = 1; level <= 3; ++level) {
    for (int column = 0; column < 3; ++column) {
      model += "id=C" + Id(level, column) + " nodei=" + Id(level - 1, column) +
               " nodej=" + Id(level, column) + " a=4e4 e=2.05e5 i=1.2e9;\n";
    }
    for (int bay = 0; bay < 2; ++bay) {
      model += "id=B" + Id(level, bay) + " nodei=" + Id(level, bay) +
               " nodej=" + Id(level, bay + 1) + " a=1.2e4 e=2.05e5 i=8e8;\n";
    }
  }
  model +=
      "&&WallElement;\nid=W1 nodeia=N0_0 nodeib=N1_0 nodeja=N0_1 nodejb=N1_1 a=1e5 e=2e4 i=1e9 "
      "kwg=0;\n&&SpringSupport;\nnode=N0_2 kx=1e5;\n&&ImposedLoadAndDisp;\nid=N3_0 fx=30000;\n"
      "id=N2_0 fx=20000;\n&&EdgeLoadFixCaseDistributedLoad;\n";
  for (int level = 1; level <= 3; ++level) {
    model += "id=B" + Id(level, 0) + " iy=-20 jy=-20 posi=0 posj=0;\n";
  }
  return model + "&&End;\n";
}

// The CSV cells of every table, by section, row key (the first cell and its repetition) and
// column; a section's largest magnitude is kept under the key "".
using Cells = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

Cells ReadCsv(const std::string& csv) {
  Cells cells;
  std::string section;
  std::map<std::string, int> seen;
  std::size_t start = 0;
  while (start < csv.size()) {
    const std::size_t end = csv.find('\n', start);
    const std::string line = csv.substr(start, end - start);
    start = end == std::string::npos ? csv.size() : end + 1;
    if (line.rfind("\"[$", 0) == 0) {
      section = line;
      seen.clear();
      continue;
    }
    std::vector<std::string> row;
    for (std::size_t p = 0; p + 1 < line.size();) {
      const std::size_t close = line.find("\",", p + 1);
      if (close == std::string::npos) break;
      row.push_back(line.substr(p + 1, close - p - 1));
      p = close + 2;
    }
    if (row.empty()) continue;
    cells[section][row[0] + "#" + std::to_string(seen[row[0]]++)] = row;
  }
  return cells;
}

bool IsNumber(const std::string& cell, double& value) {
  char* end = nullptr;
  value = std::strtod(cell.c_str(), &end);
  return !cell.empty() && *end == '\0';
}

TEST(NodeOrder, ShuffledNodesGiveTheSameNumbers) {
  std::vector<int> natural(12);
  for (int k = 0; k < 12; ++k) natural[k] = k;
  const std::vector<int> shuffled{7, 2, 11, 0, 5, 9, 3, 10, 1, 6, 4, 8};
  ScratchDirectory dirA, dirB;
  const auto a = RunModel(dirA, Frame(natural));
  const auto b = RunModel(dirB, Frame(shuffled));
  ASSERT_EQ(a.exitCode, 0) << a.text;
  ASSERT_EQ(b.exitCode, 0) << b.text;
  const Cells cellsA = ReadCsv(a.csv), cellsB = ReadCsv(b.csv);
  ASSERT_EQ(cellsA.size(), cellsB.size());
  int compared = 0;
  for (const auto& [section, rowsA] : cellsA) {
    const auto& rowsB = cellsB.at(section);
    ASSERT_EQ(rowsA.size(), rowsB.size()) << section;
    double largest = 0.0, value = 0.0;
    for (const auto& [key, row] : rowsA) {
      for (const auto& cell : row) {
        if (IsNumber(cell, value)) largest = std::max(largest, std::fabs(value));
      }
    }
    for (const auto& [key, rowA] : rowsA) {
      const auto& rowB = rowsB.at(key);
      ASSERT_EQ(rowA.size(), rowB.size()) << section << key;
      for (std::size_t c = 0; c < rowA.size(); ++c) {
        double x = 0.0, y = 0.0;
        if (IsNumber(rowA[c], x) && IsNumber(rowB[c], y)) {
          EXPECT_LE(std::fabs(x - y), 1e-9 * largest) << section << key << " column " << c;
          ++compared;
        } else {
          EXPECT_EQ(rowA[c], rowB[c]) << section << key;
        }
      }
    }
  }
  EXPECT_GT(compared, 500);
}

// A continuous beam N0..N11 on rollers, its nodes written in the order given, every member of
// the section given and pinned on both sides of the nodes given.
std::string Beam(const std::vector<int>& nodeOrder, const std::string& section,
                 const std::vector<int>& pinnedNodes) {
  std::string model = "&&MainProp;\n&&Node;\n";
  for (const int k : nodeOrder) {
    model += "id=N" + std::to_string(k) + " x=" + std::to_string(k * 4000) + " y=0 spty=1" +
             (k == 0 ? " sptx=1" : "") + ";\n";
  }
  model += "&&Element;\n";
  for (int k = 0; k < 11; ++k) {
    model += "id=B" + std::to_string(k) + " nodei=N" + std::to_string(k) + " nodej=N" +
             std::to_string(k + 1) + " i=2e8 " + section;
    for (const int pinned : pinnedNodes) {
      if (k + 1 == pinned) model += " kj=0";
      if (k == pinned) model += " ki=0";
    }
    model += ";\n";
  }
  return model + "&&EdgeLoadFixCaseDistributedLoad;\nid=B4 iy=-10 jy=-10 posi=0 posj=0;\n&&End;\n";
}

TEST(NodeOrder, FailuresNameTheFirstNodeInStatementOrder) {
  const std::vector<int> natural{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  const std::vector<int> shuffled{7, 2, 11, 0, 8, 5, 9, 3, 10, 1, 6, 4};
  const struct {
    std::vector<int> order;
    std::string section;
    std::vector<int> pinnedNodes;
    std::string expected;
  } cases[] = {
      // N3 and N8 have pins on both sides: their rotations are held by nothing.
      {natural, "a=1e4 e=2.05e5", {3, 8}, "TheNodeIsIsolated\nNode : N3\nXYM  : M\n"},
      {shuffled, "a=1e4 e=2.05e5", {3, 8}, "TheNodeIsIsolated\nNode : N8\nXYM  : M\n"},
  };
  for (const auto& c : cases) {
    ScratchDirectory dir;
    const auto outcome = RunModel(dir, Beam(c.order, c.section, c.pinnedNodes));
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.text.find(c.expected), std::string::npos) << c.expected << outcome.text;
  }
}

}  // namespace
