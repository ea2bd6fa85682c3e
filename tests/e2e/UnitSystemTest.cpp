// The same frames written in N·mm, kN·m and MN·m: the same success or failure, and the same
// results once converted, read from the CSV report of the built executable.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "e2e/CsvReport.h"
#include "e2e/RunModel.h"

namespace {

using frame2d::testing::csCsvReport;
using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

// A unit system: how many newtons its force unit and how many millimetres its length unit is.
struct Units {
  double force;
  double length;
  const char* name;
};
const Units kNmm{1.0, 1.0, "N.mm"}, kkNm{1e3, 1e3, "kN.m"}, kMNm{1e6, 1e3, "MN.m"};

// A quantity of dimension force^p · length^q, given in N and mm, written in the units.
struct Dim {
  int p;
  int q;
};
constexpr Dim kLength{0, 1}, kArea{0, 2}, kInertia{0, 4}, kModulus{1, -2}, kForce{1, 0},
    kMoment{1, 1}, kLineLoad{1, -1}, kSpring{1, -1}, kRotSpring{1, 1}, kNone{0, 0};

double Factor(const Units& u, Dim d) {
  return std::pow(u.force, d.p) * std::pow(u.length, d.q);
}

// Writes key=value with the value converted from N and mm into the units.
std::string Kv(const Units& u, const char* key, double value, Dim d) {
  char text[64];
  std::snprintf(text, sizeof text, " %s=%.17g", key, value / Factor(u, d));
  return text;
}

std::string Node(const Units& u, const char* id, double x, double y, const char* supports) {
  return std::string("id=") + id + Kv(u, "x", x, kLength) + Kv(u, "y", y, kLength) + " " +
         supports + ";\n";
}

std::string Member(const Units& u, const char* id, const char* i, const char* j, double a, double e,
                   double inertia, const char* extra = "") {
  return std::string("id=") + id + " nodei=" + i + " nodej=" + j + Kv(u, "a", a, kArea) +
         Kv(u, "e", e, kModulus) + Kv(u, "i", inertia, kInertia) + " " + extra + ";\n";
}

// Two storeys, two bays: a wall panel in the first bay of the ground storey, a spring support
// in x and in rotation at the right foot, beam loads along the span and as a point moment,
// storey forces, and the forces at two positions of the first beam.
std::string WalledFrame(const Units& u) {
  std::string m = "&&MainProp;\n&&Node;\n";
  const char* ids[3][3] = {{"A0", "B0", "C0"}, {"A1", "B1", "C1"}, {"A2", "B2", "C2"}};
  for (int level = 0; level < 3; ++level) {
    for (int col = 0; col < 3; ++col) {
      const char* supports = level > 0 ? "" : col == 2 ? "spty=1" : "sptx=1 spty=1 sptm=1";
      m += Node(u, ids[level][col], col * 5000.0, level * 3000.0, supports);
    }
  }
  m += "&&Element;\n";
  for (int level = 1; level < 3; ++level) {
    for (int col = 0; col < 3; ++col) {
      m += Member(u, (std::string("K") + ids[level][col]).c_str(), ids[level - 1][col],
                  ids[level][col], 4e4, 2.05e5, 1.2e9, "psn=0.3 kap=1.2");
    }
    for (int bay = 0; bay < 2; ++bay) {
      m += Member(u, (std::string("G") + ids[level][bay]).c_str(), ids[level][bay],
                  ids[level][bay + 1], 1.2e4, 2.05e5, 8e8,
                  (Kv(u, "li", 300, kLength) + " ki=0").c_str());
    }
  }
  m += "&&WallElement;\nid=W1 nodeia=A0 nodeib=A1 nodeja=B0 nodejb=B1" + Kv(u, "a", 1e5, kArea) +
       Kv(u, "e", 2e4, kModulus) + Kv(u, "i", 1e9, kInertia) + Kv(u, "kwg", 5e4, kSpring) +
       ";\n&&SpringSupport;\nnode=C0" + Kv(u, "kx", 1e5, kSpring) + Kv(u, "km", 1e11, kRotSpring) +
       ";\n&&ImposedLoadAndDisp;\nid=A2" + Kv(u, "fx", 30000, kForce) + ";\nid=A1" +
       Kv(u, "fx", 20000, kForce) + ";\nid=C0" + Kv(u, "dx", 2, kLength) +
       ";\n&&EdgeLoadFixCaseDistributedLoad;\nid=GA1" + Kv(u, "iy", -20, kLineLoad) +
       Kv(u, "jy", -20, kLineLoad) + Kv(u, "posi", 0, kLength) + Kv(u, "posj", 0, kLength) +
       ";\n&&EdgeLoadFixCaseConcentratedLoad;\nid=GB2" + Kv(u, "m", 5e6, kMoment) +
       Kv(u, "pos", 2000, kLength) + ";\n&&ElementStress;\nid=GA1" + Kv(u, "pos0", 1000, kLength) +
       Kv(u, "pos1", 4000, kLength) + ";\n&&End;\n";
  return m;
}

// A cantilever of length 1000 mm with A = E = I = 1 (in its own units) and a tip load of
// 3e-9 N: its stiffness terms are far below one, the tip moves PL³/(3EI) = 1 mm.
std::string SoftCantilever(const Units& u) {
  return "&&MainProp;\n&&Node;\n" + Node(u, "F", 0, 0, "sptx=1 spty=1 sptm=1") +
         Node(u, "T", 1000, 0, "") + "&&Element;\n" + Member(u, "E1", "F", "T", 1, 1, 1) +
         "&&ImposedLoadAndDisp;\nid=T" + Kv(u, "fy", -3e-9, kForce) + ";\n&&End;\n";
}

// A portal on pinned feet whose beam is pinned at both ends: it sways freely.
std::string SwayMechanism(const Units& u) {
  return "&&MainProp;\n&&Node;\n" + Node(u, "A", 0, 0, "sptx=1 spty=1") +
         Node(u, "B", 0, 4000, "") + Node(u, "C", 6000, 4000, "") +
         Node(u, "D", 6000, 0, "sptx=1 spty=1") + "&&Element;\n" +
         Member(u, "C1", "A", "B", 2e4, 2.05e5, 6e8) +
         Member(u, "G1", "B", "C", 1.2e4, 2.05e5, 8e8, "ki=0 kj=0") +
         Member(u, "C2", "D", "C", 2e4, 2.05e5, 6e8) + "&&ImposedLoadAndDisp;\nid=B" +
         Kv(u, "fx", 1e4, kForce) + ";\n&&End;\n";
}

// A beam pinned at its far end, which is held in x and y but free to turn: that rotation has
// no stiffness at all.
std::string IsolatedRotation(const Units& u) {
  return "&&MainProp;\n&&Node;\n" + Node(u, "A", 0, 0, "sptx=1 spty=1 sptm=1") +
         Node(u, "B", 6000, 0, "sptx=1 spty=1") + "&&Element;\n" +
         Member(u, "G1", "A", "B", 1.2e4, 2.05e5, 8e8, "kj=0") +
         "&&EdgeLoadFixCaseDistributedLoad;\nid=G1" + Kv(u, "iy", -20, kLineLoad) +
         Kv(u, "jy", -20, kLineLoad) + Kv(u, "posi", 0, kLength) + Kv(u, "posj", 0, kLength) +
         ";\n&&End;\n";
}

// The columns of a result table compared, each with its dimension, after `heads` head rows;
// the first `keys` cells name the row.
struct Table {
  const char* path;
  std::size_t heads;
  std::size_t keys;
  std::vector<Dim> columns;
};
const Table kTables[] = {
    {"Node/NodeLoad", 1, 1, {kForce, kForce, kMoment}},
    {"Node/NodeDisp", 1, 1, {kLength, kLength, kNone}},
    {"Element/FaceLoad", 1, 2, {kForce, kForce, kMoment}},
    {"ElementStress/Stress", 2, 3, {kForce, kForce, kMoment}},
};

double Number(const std::string& cell) {
  return cell.empty() || cell == "----" ? 0.0 : std::stod(cell);
}

// Every value of `other`, converted to N and mm, equals the value of `base` as far as the CSV
// shows it (five significant digits; a value on either side of a rounding boundary may differ
// by one unit in the last digit), apart from round-off residues below 1e-9 of its column. The
// extremes along a member are left out: their positions are searched to a length that depends
// on the member's length in its units.
void ExpectSameResults(const csCsvReport& base, const csCsvReport& other, const Units& u) {
  for (const Table& table : kTables) {
    ASSERT_EQ(base.Has(table.path), other.Has(table.path)) << table.path;
    if (!base.Has(table.path)) continue;
    const auto& rows = base.tables.at(table.path);
    const auto& converted = other.tables.at(table.path);
    ASSERT_EQ(converted.size(), rows.size()) << table.path;
    const auto compared = [&](std::size_t r) {
      return r >= table.heads && rows[r].at(1).rfind("Max", 0) != 0 &&
             rows[r].at(1).rfind("Min", 0) != 0;
    };
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const std::size_t col = table.keys + c;
      double largest = 0.0;
      for (std::size_t r = table.heads; r < rows.size(); ++r)
        largest = std::max(largest, std::fabs(Number(rows[r].at(col))));
      for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!compared(r)) continue;
        const double expected = Number(rows[r].at(col));
        const double actual = Number(converted[r].at(col)) * Factor(u, table.columns[c]);
        const double lastDigit =
            expected == 0.0 ? 0.0 : std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 4);
        EXPECT_NEAR(actual, expected, 1.01 * lastDigit + 1e-9 * largest)
            << u.name << " " << table.path << " row " << r << " column " << col;
      }
    }
  }
}

struct Outcome {
  int exitCode;
  std::string console;
  csCsvReport csv;
};

Outcome Analyse(const std::string& model) {
  const ScratchDirectory dir;
  const auto outcome = RunModel(dir, model);
  return {outcome.exitCode, outcome.console, csCsvReport(outcome.csv)};
}

TEST(UnitSystem, SoundFramesGiveTheSameResults) {
  for (const auto model : {WalledFrame, SoftCantilever}) {
    const Outcome base = Analyse(model(kNmm));
    ASSERT_EQ(base.exitCode, 0) << base.console;
    for (const Units& u : {kkNm, kMNm}) {
      const Outcome other = Analyse(model(u));
      ASSERT_EQ(other.exitCode, 0) << u.name << other.console;
      ExpectSameResults(base.csv, other.csv, u);
    }
  }
  // The soft cantilever's tip: PL³/(3EI) = 1 mm down, PL²/(2EI) = 1.5e-3 clockwise.
  const Outcome cantilever = Analyse(SoftCantilever(kNmm));
  const auto& tip = cantilever.csv.Find("Node/NodeDisp", {"T"});
  EXPECT_EQ(tip.at(2), "-1.0000e+00");
  EXPECT_EQ(tip.at(3), "-1.5000e-03");
}

// A mechanism and a direction without stiffness fail alike in every unit system, the latter
// naming the node and the direction.
TEST(UnitSystem, SingularFramesFailAlike) {
  struct Case {
    std::string (*model)(const Units&);
    const char* message;
    std::map<std::string, std::string> pairs;  // of the Error section
  };
  const Case cases[] = {
      {SwayMechanism, "FailedToAnalyzeMatrix", {{"Error/Step", "0"}}},
      {IsolatedRotation,
       "TheNodeIsIsolated",
       {{"Error/Node", "B"}, {"Error/XYM", "M"}, {"Error/Step", "0"}}},
  };
  for (const Case& c : cases) {
    for (const Units& u : {kNmm, kkNm, kMNm}) {
      const Outcome run = Analyse(c.model(u));
      EXPECT_EQ(run.exitCode, 1) << u.name;
      EXPECT_EQ(run.console, "\nThe analysis has been failed\n") << u.name;
      EXPECT_TRUE(run.csv.Has(std::string("Error/") + c.message)) << u.name << " " << c.message;
      std::map<std::string, std::string> error;
      for (const auto& [key, value] : run.csv.pairs)
        if (key.rfind("Error/", 0) == 0) error[key] = value;
      EXPECT_EQ(error, c.pairs) << u.name;
    }
  }
}

}  // namespace
