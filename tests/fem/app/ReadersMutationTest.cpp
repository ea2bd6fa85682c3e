// Whatever bytes an input file holds, reading it as the run does ends either with records that
// obey every rule of the format or with exactly one error report naming what went wrong (the
// line, the key or id, the block). Mutants of a valid file (byte and bit flips, truncations,
// deleted, duplicated and inserted characters) and a few extreme files are read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ReadInput.h"

namespace {

using readertest::kCompleteFile;
using readertest::stInput;

// Keeps the structure of what the reporter writes.
class csRecorder : public znInOutData::ifOutputDataWriter {
 public:
  void MainTitle(const std::string&) override { ++others; }
  void Title(unsigned level, const std::string& text) override {
    if (level == 1) {
      errorTitles += text == "Error";
      others += text != "Error";
    } else {
      messageKeys.push_back(text);
    }
  }
  void NewLine() override { ++others; }
  void Sentence(const std::string&) override { ++others; }
  void Pair(const std::string& key, const std::string& value, const std::string&,
            unsigned) override {
    pairs.emplace_back(key, value);
  }
  void Table(const znInOutData::stTable&) override { ++others; }
  void End() override { ++others; }

  int errorTitles = 0;
  int others = 0;
  std::vector<std::string> messageKeys;
  std::vector<std::pair<std::string, std::string>> pairs;
};

const std::set<std::string> kReaderMessages = {"UnExpectedKey",
                                               "NecessaryKeyHasnotBeenSet",
                                               "UnRequiredValueHasBeenSet",
                                               "RequiredValueHasnotBeenSet",
                                               "SpecifiedStringIsnotNumeric",
                                               "SpecifiedStringIsnotInteger",
                                               "SpecifiedValueIsNegative",
                                               "SpecifiedValueIsNegativeOrZero",
                                               "SpecifiedValueIsPlus",
                                               "SpecifiedValueIsPlusOrZero",
                                               "SpecifiedStringIsnotBool",
                                               "SpecifiedKeyIsDuplicated",
                                               "TheLengthOfSpecifiedIDIsOver",
                                               "TheSuffixOfSpecifiedIDIsWrong",
                                               "MainPropLineIsDuplicated",
                                               "SpecifiedNodeIsDuplicated",
                                               "NodesAtBothEdgesOfElementAreSame",
                                               "PoissonOfElementIsZeroOrUnder",
                                               "SpecifiedElementIsDuplicated",
                                               "NodesOfWallElementAreSame",
                                               "PoissonOfWallElementIsZeroOrUnder",
                                               "SpecifiedWallElementIsDuplicated",
                                               "NecessaryBlockKeyHasnotBeenSet",
                                               "UnExpectedBlockKeyHasBeenSet",
                                               "SpecifiedSpringSupportIsDuplicated",
                                               "SpecifiedElementOfElementStressIsDuplicated",
                                               "PositionsOfElementStressArenotPiledUp"};

bool Contains(const std::string& text, const std::string& part) {
  return !part.empty() && text.find(part) != std::string::npos;
}

// A word of a statement: no white space or ';', and no '=' in a key.
bool IsWord(const std::string& text, bool isKey) {
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c)) || c == ';' || (isKey && c == '=')) {
      return false;
    }
  }
  return isKey || !text.empty();
}

bool IsValidID(const std::string& id) {
  auto endsWith = [&id](const std::string& e) {
    return id.size() >= e.size() && id.compare(id.size() - e.size(), e.size(), e) == 0;
  };
  return !id.empty() && id.size() <= 10 && !endsWith("_sse") && !endsWith("_ssn");
}

template <class Records, class IDOf>
bool AllDiffer(const Records& records, IDOf idOf) {
  std::set<std::string> seen;
  for (const auto& r : records) {
    if (!seen.insert(idOf(r)).second) return false;
  }
  return true;
}

// The rules of the format that accepted records must obey; "" when they do.
std::string RecordProblem(const stInput& in) {
  if (!(in.balanceZero >= 0.0)) return "balance_zero";
  const auto& d = in.dxf;
  if (!(d.height_str > 0 && d.rad_hinge > 0 && d.margin_ratio_x > 0 && d.welem_ofs > 0 &&
        d.axial_ratio > 0 && d.distsep > 0 && d.row_n > 0)) {
    return "drawing settings";
  }
  auto id = [](const auto& r) { return r.ID; };
  for (const auto& n : in.nodes) {
    if (!IsValidID(n.ID) || !std::isfinite(n.Coordinate[0])) return "node " + n.ID;
  }
  for (const auto& e : in.elements) {
    if (!IsValidID(e.ID) || e.NodeID[0] == e.NodeID[1] || !(e.A > 0 && e.E > 0 && e.I > 0) ||
        (e.Kappa != 0.0 && !(e.Poisson > 0.0)) || e.IsRotarySpring[0] != (e.Kij[0] < 1e300)) {
      return "element " + e.ID;
    }
  }
  for (const auto& w : in.walls) {
    std::set<std::string> corners = {w.NodeID.first.first, w.NodeID.first.second,
                                     w.NodeID.second.first, w.NodeID.second.second};
    if (!IsValidID(w.ID) || corners.size() != 4 || !(w.Kwg >= 0.0)) return "wall " + w.ID;
  }
  for (const auto& s : in.stresses) {
    if (s.Positions.empty() || s.Positions.size() > 10) return "stress " + s.ID;
  }
  for (const auto& s : in.springs) {
    if (s.ElementID != s.ConnectNodeID + "_sse") return "spring " + s.ConnectNodeID;
  }
  for (const auto& c : in.concentrated) {
    if (!(c.Pos > 0.0) || c.LoadNumber != 0) return "concentrated " + c.ID;
  }
  if (!AllDiffer(in.nodes, id) || !AllDiffer(in.elements, id) || !AllDiffer(in.walls, id) ||
      !AllDiffer(in.stresses, id) ||
      !AllDiffer(in.springs, [](const auto& s) { return s.ConnectNodeID; })) {
    return "repeated id";
  }
  return "";
}

// The one report of a failed reading; "" when it is a reader's report that names a line of
// the file and text that the file holds.
std::string ReportProblem(const csRecorder& r, const std::string& file) {
  if (r.errorTitles != 1 || r.messageKeys.size() != 1 || r.others != 0) return "not one report";
  const std::string& key = r.messageKeys[0];
  if (kReaderMessages.count(key) == 0) return "not a reader's message: " + key;
  const int lines = 1 + static_cast<int>(std::count(file.begin(), file.end(), '\n'));
  for (const auto& [name, value] : r.pairs) {
    if (name == "Line" || name == "LineNum" || name == "Line-1" || name == "Line-2") {
      const int line = std::atoi(value.c_str());
      if (line < 1 || line > lines) return name + " " + value + " out of the file";
    } else if (name == "Key" && key == "NecessaryKeyHasnotBeenSet") {
      if (!Contains(kCompleteFile, value)) return "missing key " + value + " is not declared";
    } else if (name == "Key" && key != "UnExpectedBlockKeyHasBeenSet") {
      // Comments may join pieces of the file into one word; "=v" has the key "".
      if (!IsWord(value, true)) return "key " + value;
    } else if (name == "ID" || name == "Node" || name == "Element" || name == "WallElement") {
      if (!IsWord(value, false)) return name + " " + value;
    }
  }
  return "";
}

// "" when reading file ends in one of the two allowed ways; accepted tells which.
std::string Check(const std::string& file, bool& accepted) {
  std::istringstream in(file);
  csRecorder recorder;
  stInput records;
  try {
    readertest::ReadAll(in, recorder, records);
  } catch (...) {
    return "an exception other than exFailed escaped";
  }
  accepted = !records.failed;
  if (!accepted) return ReportProblem(recorder, file);
  if (recorder.errorTitles != 0 || recorder.others != 0) return "report without failure";
  return RecordProblem(records);
}

std::string Check(const std::string& file) {
  bool accepted = false;
  return Check(file, accepted);
}

// One to three edits. Cutting the file short is kept rare: it mostly removes the End block.
std::string Mutate(std::string text, std::mt19937& rng) {
  static const char* const kTokens[] = {";",     ";;;;", "/*", "*/",      "//",  "\"",
                                        "&&",    "=",    "\n", "_sse",    "0",   "-",
                                        "1e999", "-nan", "==", "&&Node;", "x=1", "\xEF\xBB\xBF"};
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(rng);
  };
  const std::size_t edits = 1 + pick(2);
  for (std::size_t e = 0; e < edits && !text.empty(); ++e) {
    const std::size_t pos = pick(text.size() - 1);
    switch (pick(11)) {
      case 0:
      case 1:
        text[pos] = static_cast<char>(pick(255));
        break;
      case 2:
        text[pos] = static_cast<char>(text[pos] ^ (1 << pick(7)));
        break;
      case 3:
        text.resize(pos);
        break;
      case 4:
      case 5:
        text.erase(pos, 1 + pick(8));
        break;
      case 6:
      case 7:
        text.insert(pos, text.substr(pos, 1 + pick(40)));
        break;
      case 8:
        text.insert(pos, 1, pick(1) ? '\0' : ';');
        break;
      default:
        text.insert(pos, kTokens[pick(std::size(kTokens) - 1)]);
    }
  }
  return text;
}

TEST(ReadersMutation, MutantsEndInRecordsOrOneReport) {
  std::mt19937 rng(7031u);
  // Each mutant is read block by block, about a dozen passes over the file; this count keeps
  // the sanitizer build well under a minute on a busy two-core machine.
  const int kMutants = 6000;
  int failures = 0;
  int accepted = 0;
  std::set<std::string> messages;
  for (int m = 0; m < kMutants && failures < 5; ++m) {
    const std::string mutant = Mutate(kCompleteFile, rng);
    bool read = false;
    const std::string problem = Check(mutant, read);
    if (!problem.empty()) {
      ++failures;
      ADD_FAILURE() << "mutant " << m << ": " << problem << "\n" << mutant;
    }
    accepted += read;
  }
  // Both outcomes occur: the mutants are neither all harmless nor all stopped at one check.
  EXPECT_GT(accepted, kMutants / 50);
  EXPECT_LT(accepted, kMutants / 2);
}

TEST(ReadersMutation, ExtremeFilesEndInRecordsOrOneReport) {
  const std::string head = "&&MainProp;&&Node;";
  const std::string tail = "&&Element;id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;&&End;";
  const std::string cases[] = {
      head + "id=N1 x=" + std::string(1 << 20, '7') + " y=0;" + tail,
      head + "id=" + std::string(1 << 16, 'N') + " x=0 y=0;" + tail,
      head + std::string(100000, ';') + tail,
      std::string(50000, ';') + head + "id=N1 x=0 y=0;" + tail,
      head + "id=N1 x=0 y=0; /* never closed " + tail,
      head + "id=\"N1 x=0 y=0; /* " + tail,
      head + "id=N1 x=1e999 y=0;" + tail,
      head + "id=N1 x=-nan y=0;" + tail,
      head + std::string("id=N1\0 x=0 y=0;", 15) + tail,
      std::string(4096, '\0'),
      std::string(kCompleteFile).replace(0, 2, "\xFF\xFE"),
      "\xEF\xBB\xBF" + std::string(kCompleteFile),
  };
  for (const std::string& file : cases) {
    SCOPED_TRACE(file.substr(0, 60));
    EXPECT_EQ(Check(file), "");
  }
}

}  // namespace
