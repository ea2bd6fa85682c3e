// Whatever bytes an input file holds, reading it as the run does ends either with records that
// obey every rule of the format or with exactly one error report naming what went wrong (the
// line, the key or id, the block). Mutants of a valid file and a few extreme files are read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <sstream>
#include <string>

#include "ReadInput.h"

namespace {

using readertest::stInput;

// A word of a statement: no white space or ';' (and no '=' in a key); only a key may be empty.
bool IsWord(const std::string& text, bool isKey) {
  return (isKey || !text.empty()) && std::none_of(text.begin(), text.end(), [&](char c) {
           return std::isspace(static_cast<unsigned char>(c)) || c == ';' || (isKey && c == '=');
         });
}

bool IsValidID(const std::string& id) {
  auto endsWith = [&id](const std::string& e) {
    return id.size() >= e.size() && id.compare(id.size() - e.size(), e.size(), e) == 0;
  };
  return IsWord(id, false) && id.size() <= 10 && !endsWith("_sse") && !endsWith("_ssn");
}

// The rules of the format that accepted records must obey; "" when they do.
std::string RecordProblem(const stInput& in) {
  const auto& d = in.dxf;
  if (!(in.balanceZero >= 0.0 && d.height_str > 0 && d.rad_hinge > 0 && d.welem_ofs > 0 &&
        d.axial_ratio > 0 && d.distsep > 0 && d.row_n > 0))
    return "settings";
  std::set<std::string> ids;  // unique within each block
  for (const auto& n : in.nodes)
    if (!IsValidID(n.ID) || !std::isfinite(n.Coordinate[0]) || !ids.insert("n" + n.ID).second)
      return "node " + n.ID;
  for (const auto& e : in.elements)
    if (!IsValidID(e.ID) || e.NodeID[0] == e.NodeID[1] || !(e.A > 0 && e.E > 0 && e.I > 0) ||
        (e.Kappa != 0.0 && !(e.Poisson > 0.0)) || e.IsRotarySpring[0] != (e.Kij[0] < 1e300) ||
        !ids.insert("e" + e.ID).second)
      return "element " + e.ID;
  for (const auto& w : in.wallElements) {
    const std::set<std::string> corners = {w.NodeID.first.first, w.NodeID.first.second,
                                           w.NodeID.second.first, w.NodeID.second.second};
    if (!IsValidID(w.ID) || corners.size() != 4 || !(w.Kwg >= 0.0) ||
        !ids.insert("w" + w.ID).second)
      return "wall " + w.ID;
  }
  for (const auto& s : in.stresses)
    if (s.Positions.empty() || s.Positions.size() > 10 || !ids.insert("s" + s.ID).second)
      return "stress " + s.ID;
  for (const auto& s : in.springSupports)
    if (s.ElementID != s.ConnectNodeID + "_sse" || !ids.insert("p" + s.ConnectNodeID).second)
      return "spring " + s.ConnectNodeID;
  for (const auto& c : in.concentratedLoads)
    if (!(c.Pos > 0.0) || c.LoadNumber != 0) return "concentrated " + c.ID;
  return "";
}

// "" when report is one reader's report (two titles, then "name : value" lines) naming lines
// of the file and words that a statement may hold.
std::string ReportProblem(const std::string& report, int lines) {
  const std::string titles = "\n\n1. Error\n\n1.1. ";
  if (report.rfind(titles, 0) != 0) return "not a report";
  std::istringstream in(report.substr(titles.size()));
  std::string key, line;
  std::getline(in, key);
  if (key == "UnExpectedErrorHasBeenThrown") return "not a reader's message";
  while (std::getline(in, line)) {
    const std::size_t separator = line.find(" : ");
    if (separator == std::string::npos) return "not a pair: " + line;
    const std::string name = line.substr(0, line.find(' ')), value = line.substr(separator + 3);
    if (name == "Line" || name == "LineNum" || name == "Line-1" || name == "Line-2") {
      const int number = std::atoi(value.c_str());
      if (number < 1 || number > lines) return name + " " + value + " out of the file";
    } else if (name == "Key" && key == "NecessaryKeyHasnotBeenSet") {
      if (!IsWord(value, true) ||
          std::string(readertest::kCompleteFile).find(value + "=") == std::string::npos)
        return "missing key " + value + " is not declared";
    } else if (name == "Key" && key != "UnExpectedBlockKeyHasBeenSet") {
      if (!IsWord(value, true)) return "key " + value;  // comments may join words; "=v" has ""
    } else if (name == "ID" || name == "Node" || name == "Element" || name == "WallElement") {
      if (!IsWord(value, false)) return name + " " + value;
    }
  }
  return "";
}

// The lines of the file: a line ends at a line feed or at a carriage return not followed by one.
int Lines(const std::string& file) {
  int lines = 1;
  for (std::size_t p = 0; p < file.size(); ++p) {
    lines += file[p] == '\n' || (file[p] == '\r' && file.compare(p + 1, 1, "\n") != 0);
  }
  return lines;
}

// "" when reading file ends in one of the two allowed ways; accepted tells which.
std::string Check(const std::string& file, bool& accepted) {
  stInput records;
  try {
    records = readertest::ReadAll(file);
  } catch (...) {
    return "an exception other than exFailed escaped";
  }
  accepted = !records.failed;
  if (accepted) return records.report.empty() ? RecordProblem(records) : "report without failure";
  return ReportProblem(records.report, Lines(file));
}

// Each mutant is read block by block, about a dozen passes over the file; this count keeps the
// sanitizer build well under a minute on a busy two-core machine.
TEST(ReadersMutation, MutantsEndInRecordsOrOneReport) {
  inputtest::CheckMutants(7031u, 6000, Check);
}

TEST(ReadersMutation, ExtremeFilesEndInRecordsOrOneReport) {
  const std::string head = "&&MainProp;&&Node;";
  const std::string tail = "&&Element;id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;&&End;";
  const std::string cases[] = {head + "id=N1 x=" + std::string(1 << 20, '7') + " y=0;" + tail,
                               head + "id=" + std::string(1 << 16, 'N') + " x=0 y=0;" + tail,
                               head + std::string(100000, ';') + tail,
                               std::string(50000, ';') + head + "id=N1 x=0 y=0;" + tail,
                               head + "id=N1 x=0 y=0; /* never closed " + tail,
                               head + "id=\"N1 x=0 y=0; /* " + tail,
                               head + "id=N1 x=1e999 y=0;" + tail,
                               head + std::string("id=N1\0 x=0 y=0;", 15) + tail,
                               std::string(4096, '\0'),
                               std::string(readertest::kCompleteFile).replace(0, 2, "\xFF\xFE"),
                               "\xEF\xBB\xBF" + std::string(readertest::kCompleteFile)};
  for (const std::string& file : cases) {
    bool accepted = false;
    EXPECT_EQ(Check(file, accepted), "") << file.substr(0, 60);
  }
}

}  // namespace
