// Whatever bytes an input file holds, reading it block by block ends either with records that
// satisfy their value types or with exactly one of the reader's exceptions, carrying a line of
// the file and a key. Mutants of a valid file are read with the full set of blocks; extreme
// files are read through the readers (ReadersMutationTest).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "inout/InputDataReader.h"
#include "inout/InputDataReaderOutcome.h"
#include "inout/InputSamples.h"

namespace {

using R = znInOutData::znInputDataReader::csInputDataReader;

// The blocks in reading order with their keys as the model readers declare them: the block
// name, then "key:type", a '!' after the type marking a necessary key.
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
    "EdgeLoadFixCaseDistributedLoad id:0! ix:6 iy:6 jx:6 jy:6 posi:8! posj:8! ecrd:11"};

// Whether a converted value obeys its type (the reals of every type are finite).
bool Obeys(int type, const znInOutData::znInputDataReader::InputValue& v) {
  const bool real = type >= R::kReal && type <= R::kRealNotPositive;
  return (type != R::kIntegerPositive || v.Int > 0) && (!real || std::isfinite(v.Dbl)) &&
         (type != R::kRealPositive || v.Dbl > 0.0) && (type != R::kRealNotNegative || v.Dbl >= 0.0);
}

// Reads every block of text; "" when the outcome is one of the two allowed ones, else what
// went wrong. accepted tells whether records came back.
std::string Check(const std::string& text, bool& accepted) {
  std::istringstream in(text);
  R reader(in, "=");
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  R::BlockList blocks = {{"End", true}};
  std::string problem, block, outcome;
  for (const char* keys : kBlockKeys) {
    std::istringstream(keys) >> block;
    blocks[block] = block == "MainProp" || block == "Node" || block == "Element";
  }
  try {
    outcome = inputtest::Catch([&] {
      reader.CheckBlocks(blocks);
      for (const char* keys : kBlockKeys) {
        std::istringstream words(keys);
        words >> block;
        reader.SetBlockName(block);
        reader.ClearKeys();
        std::map<std::string, int> types;
        for (std::string word; words >> word;) {
          const std::string key = word.substr(0, word.find(':'));
          types[key] = std::stoi(word.substr(key.size() + 1));
          reader.SetKey(key, word.back() == '!', types[key]);
        }
        int last = 1;
        for (const auto& line : reader.ReadBlock()) {
          if (line.LineNum < last || line.LineNum > lines) problem = "record line out of order";
          last = line.LineNum;
          for (const auto& [key, value] : line.Value)
            if (!types.count(key) || !Obeys(types[key], value)) problem = "bad value of " + key;
        }
      }
    });
  } catch (...) {
    return "an exception other than the reader's escaped";
  }
  accepted = outcome == "none";
  if (!problem.empty() || accepted) return problem;
  const std::size_t at = outcome.find('@');
  const int line = std::atoi(outcome.c_str() + at + 1);
  if (outcome.rfind("InputDataReaderException", 0) == 0) return "exception of no known kind";
  if (outcome.rfind("NecessaryBlockKeyHasnotBeenSet", 0) == 0) return line == 0 ? "" : outcome;
  return line >= 1 && line <= lines ? "" : "line out of the file: " + outcome;
}

TEST(InputDataReaderMutation, MutantsEndInRecordsOrOneReaderException) {
  bool accepted = false;
  ASSERT_EQ(Check(inputtest::kCompleteFile, accepted), "");
  ASSERT_TRUE(accepted);
  inputtest::CheckMutants(20240611u, 2000, Check);
}

}  // namespace
