// Whatever bytes an input file holds, reading it block by block ends either with records that
// satisfy their value types or with exactly one of the reader's exceptions, carrying a line of
// the file and a key. Mutants of a valid file (byte flips, truncations, deleted, duplicated
// and inserted characters) and a few extreme files are read with the full set of blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "inout/InputDataReader.h"
#include "inout/InputDataReaderOutcome.h"

namespace {

using znInOutData::znInputDataReader::csInputDataReader;
using znInOutData::znInputDataReader::InputLine;
using R = csInputDataReader;

struct Key {
  std::string name;
  bool necessary;
  int type;
};

struct BlockKeys {
  std::string name;
  std::vector<Key> keys;
};

// The blocks of the input file in reading order, with keys as the model readers declare them:
// "name" then "key:type", a '!' after the type marking a necessary key.
const char* const kBlockKeys[] = {
    "MainProp balance_zero:8",
    "DxfProp height_str:7! rad_hinge:7! margin_ratio_x:7 margin_ratio_y:7 axial_ratio:7 "
    "shear_ratio:7 moment_ratio:7 welem_ofs:7 distsep:2 row_n:2",
    "ElementStress id:0! pos0:6! pos1:6 pos2:6 pos3:6 pos4:6 pos5:6 pos6:6 pos7:6 pos8:6 pos9:6",
    "Node id:0! x:6! y:6! sptx:11 spty:11 sptm:11",
    "Element id:0! nodei:0! nodej:0! a:7! e:7! i:7! psn:8 kap:8 li:8 lj:8 ki:8 kj:8",
    "WallElement id:0! nodeia:0! nodeib:0! nodeja:0! nodejb:0! a:7! e:7! i:7! psn:8 kap:8 lai:8 "
    "laj:8 alpyia:8 alpyib:8 alpyja:8 alpyjb:8 kwg:8!",
    "SpringSupport node:0! kx:8 ky:8 km:8",
    "ImposedLoadAndDisp id:0! fx:6 fy:6 fm:6 dx:6 dy:6 dm:6",
    "EdgeLoadFixCaseDirectInput id:0! iix:6 iiy:6 iim:6 ijx:6 ijy:6 ijm:6 mix:6 miy:6 mim:6 "
    "mjx:6 mjy:6 mjm:6 jix:6 jiy:6 jim:6 jjx:6 jjy:6 jjm:6",
    "EdgeLoadFixCaseConcentratedLoad id:0! x:6 y:6 m:6 pos:7! ecrd:11",
    "EdgeLoadFixCaseDistributedLoad id:0! ix:6 iy:6 jx:6 jy:6 posi:8! posj:8! ecrd:11",
};

const std::vector<BlockKeys>& Blocks() {
  static const std::vector<BlockKeys> blocks = [] {
    std::vector<BlockKeys> out;
    for (const char* line : kBlockKeys) {
      std::istringstream in(line);
      BlockKeys block;
      in >> block.name;
      for (std::string word; in >> word;) {
        const std::size_t colon = word.find(':');
        block.keys.push_back(
            {word.substr(0, colon), word.back() == '!', std::stoi(word.substr(colon + 1))});
      }
      out.push_back(block);
    }
    return out;
  }();
  return blocks;
}

R::BlockList BlockList() {
  R::BlockList list = {{"End", true}};
  for (const BlockKeys& b : Blocks()) {
    list[b.name] = b.name == "MainProp" || b.name == "Node" || b.name == "Element";
  }
  return list;
}

const char* const kValidFile = R"(/* portal frame with a wall and loads */
&&MainProp;
balance_zero=0.001;
&&DxfProp;
height_str=150 rad_hinge=40 distsep=10 row_n=5;
&&Node;
id=N1 x=0 y=0 sptx=true spty=T sptm=1;
id=N2 x=0 y=3000;   // column top
id=N3 x=4000 y=3000;
id=N4 x=4000 y=0 sptx=t spty=t;
&&Element;
id=C1 nodei=N1 nodej=N2 a=1.2e4 e=2.05e5 i=3.6e8;
id=B1 nodei=N2 nodej=N3 a=8.0e3 e=2.05e5 i=2.0e8 li=150 ki=1e12;
id=C2 nodei=N4 nodej=N3 a=1.2e4 e=2.05e5 i=3.6e8 psn=0.3 kap=1.2;
&&WallElement;
id=W1 nodeia=N1 nodeib=N2 nodeja=N4 nodejb=N3 a=1e5 e=2e4 i=1e9 kwg=0.5 lai=100 laj=100;
&&SpringSupport;
node=N4 kx=1e3 km=2.5e6;
&&ImposedLoadAndDisp;
id=N2 fx=10000 fy=-5000;
id=N3 dm=1e-4;
&&EdgeLoadFixCaseDirectInput;
id=B1 iiy=-100 iim=-2e5 jjy=-100 jjm=2e5;
&&EdgeLoadFixCaseConcentratedLoad;
id=B1 y=-1000 pos=2000 ecrd=false;
&&EdgeLoadFixCaseDistributedLoad;
id=B1 iy=-1 jy=-1 posi=0 posj=4000 ecrd=F;
&&ElementStress;
id=B1 pos0=0 pos1=1000 pos2=2000;
&&End;
)";

int LineCount(const std::string& text) {
  int n = 1;
  for (char c : text) n += c == '\n';
  return n;
}

bool Obeys(const Key& key, const znInOutData::znInputDataReader::InputValue& v) {
  const int i = v.Int;
  const double d = v.Dbl;
  switch (key.type) {
    case R::kIntegerPositive:
      return i > 0;
    case R::kRealPositive:
      return std::isfinite(d) && d > 0.0;
    case R::kRealNotNegative:
      return std::isfinite(d) && d >= 0.0;
    case R::kReal:
      return std::isfinite(d);
    default:
      return true;
  }
}

const Key* FindKey(const BlockKeys& block, const std::string& name) {
  for (const Key& k : block.keys) {
    if (k.name == name) return &k;
  }
  return nullptr;
}

// Reads every block of text; returns a description of what went wrong with the outcome, or
// "" when the outcome is one of the two allowed. accepted tells whether records came back.
std::string Check(const std::string& text, bool& accepted) {
  std::istringstream in(text);
  csInputDataReader reader(in, "=");
  const int lines = LineCount(text);
  const BlockKeys* current = nullptr;
  std::string problem;
  inputtest::Outcome outcome;
  try {
    outcome = inputtest::Catch([&] {
      reader.CheckBlocks(BlockList());
      for (const BlockKeys& block : Blocks()) {
        current = &block;
        reader.SetBlockName(block.name);
        reader.ClearKeys();
        for (const Key& k : block.keys) reader.SetKey(k.name, k.necessary, k.type);
        int last = 1;
        for (const InputLine& line : reader.ReadBlock()) {
          if (line.LineNum < last || line.LineNum > lines) problem = "record line out of order";
          last = line.LineNum;
          for (const auto& [name, value] : line.Value) {
            const Key* key = FindKey(block, name);
            if (key == nullptr || !Obeys(*key, value)) problem = "value breaks its type: " + name;
          }
        }
      }
    });
  } catch (...) {
    return "an exception other than the reader's escaped";
  }
  accepted = outcome.kind == "none";
  if (!problem.empty() || accepted) return problem;
  if (outcome.kind == "UnknownKind") return "exception of no known kind";
  if (outcome.kind == "NecessaryBlockKeyHasnotBeenSet") {
    return outcome.line == 0 && BlockList().count(outcome.key) ? "" : "bad missing-block report";
  }
  if (outcome.line < 1 || outcome.line > lines) return "line out of the file";
  if (outcome.kind == "NecessaryKeyHasnotBeenSet") {
    return current && FindKey(*current, outcome.key) ? "" : "missing key not declared";
  }
  if (outcome.kind == "UnExpectedBlockKeyHasBeenSet") return "";  // white space is folded
  return text.find(outcome.key) != std::string::npos ? "" : "key not in the file";
}

std::string Check(const std::string& text) {
  bool accepted = false;
  return Check(text, accepted);
}

// One to three edits; cutting the file short is kept rare, as it mostly removes the End block.
std::string Mutate(std::string text, std::mt19937& rng) {
  static const char* const kTokens[] = {
      ";",  ";;;;", "/*",    "*/",       "//",    "\"",   "&&",      "=",  "\n",    " ",
      "\t", "/**/", "//c\n", "/*\n\n*/", "1e999", "-nan", "&&Node;", "==", "&&End", "\xEF\xBB\xBF"};
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(rng);
  };
  const std::size_t edits = 1 + pick(2);
  for (std::size_t e = 0; e < edits && !text.empty(); ++e) {
    const std::size_t pos = pick(text.size() - 1);
    const std::size_t op = pick(11);
    if (op <= 2) {
      text[pos] = static_cast<char>(pick(255));
    } else if (op == 3) {
      text.resize(pos);
    } else if (op <= 5) {
      text.erase(pos, 1 + pick(8));
    } else if (op <= 7) {
      text.insert(pos, text.substr(pos, 1 + pick(40)));
    } else if (op == 8) {
      text.insert(pos, 1, pick(1) ? '\0' : ';');
    } else {
      text.insert(pos, kTokens[pick(std::size(kTokens) - 1)]);
    }
  }
  return text;
}

TEST(InputDataReaderMutation, ValidFileReadsWithoutError) {
  EXPECT_EQ(Check(kValidFile), "");
  const std::string text = kValidFile;
  std::istringstream in(text);
  csInputDataReader reader(in, "=");
  EXPECT_EQ(inputtest::Catch([&] { reader.CheckBlocks(BlockList()); }).kind, "none");
}

TEST(InputDataReaderMutation, MutantsEndInRecordsOrOneReaderException) {
  std::mt19937 rng(20240611u);
  const int kMutants = 2000;
  int failed = 0;
  int accepted = 0;
  for (int m = 0; m < kMutants && failed < 5; ++m) {
    const std::string mutant = Mutate(kValidFile, rng);
    bool read = false;
    const std::string problem = Check(mutant, read);
    if (!problem.empty()) {
      ++failed;
      ADD_FAILURE() << "mutant " << m << ": " << problem << "\n" << mutant;
    }
    accepted += read;
  }
  // Both outcomes occur: the mutants are neither all harmless nor all stopped at one check.
  EXPECT_GT(accepted, kMutants / 50);
  EXPECT_LT(accepted, kMutants / 2);
}

TEST(InputDataReaderMutation, ExtremeFilesEndInRecordsOrOneReaderException) {
  const std::string head = "&&MainProp;&&Node;";
  const std::string tail = "&&Element;&&End;";
  const std::string cases[] = {
      head + "id=N1 x=" + std::string(1 << 20, '7') + " y=0;" + tail,
      head + "id=" + std::string(1 << 18, 'N') + " x=0 y=0;" + tail,
      head + std::string(100000, ';') + tail,
      std::string(50000, ';') + head + tail,
      [&] {
        std::string s = "&&MainProp;&&End;&&Element;";
        for (int i = 0; i < 20000; ++i) s += "&&Node;\n";
        return s + "id=N1 x=0 y=0";
      }(),
      head + "id=N1 x=0 y=0; /* never closed " + tail,
      head + "id=\"N1 x=0 y=0; /* " + tail,
      head + "id=N1 x=1e999 y=0;" + tail,
      head + "id=N1 x=-nan y=0;" + tail,
      head + std::string("id=N1\0 x=0 y=0;", 15) + tail,
      std::string(4096, '\0'),
      [] {
        std::string s;
        for (int i = 0; i < 100000; ++i) s += "/**/";
        return s;
      }(),
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 60));
    EXPECT_EQ(Check(text), "");
  }
}

}  // namespace
