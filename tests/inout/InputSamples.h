// Test helper: a valid input file that uses every block and most keys, random edits of a text
// (byte and bit flips, truncations, deleted, duplicated and inserted characters), and a check
// of the outcome of reading many such mutants.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace inputtest {

inline const char* const kCompleteFile =
    R"(/* a portal frame with a wall, a spring support and loads */
&&MainProp;
balance_zero=0.001;
&&DxfProp;
height_str=200 rad_hinge=50 axial_ratio=2e-7 row_n=3;
&&Node;
id=N1 x=0 y=0 sptx=true spty=T sptm=1;
id=N2 x=0 y=3000;            // column top
id=N3 x=4000 y=3000;
id=N123456789 x=4000 y=0 sptx=t spty=False;
&&Element;
id=C1 nodei=N1 nodej=N2 a=1.2e4 e=2.05e5 i=3.6e8;
id=B1 nodei=N2 nodej=N3 a=8.0e3 e=2.05e5 i=2.0e8
   li=150 lj=200 ki=1e12 kj=0;
id=C2 nodei=N123456789 nodej=N3 a=1.2e4 e=2.05e5 i=3.6e8 psn=0.3 kap=1.2;
&&WallElement;
id=W1 nodeia=N1 nodeib=N2 nodeja=N123456789 nodejb=N3 a=1e5 e=2e4 i=1e9 kwg=0.5 lai=100 alpyjb=0.5;
&&SpringSupport;
node=N123456789 kx=1e3 km=2.5e6;
&&ImposedLoadAndDisp;
id=N2 fx=10000 fy=-5000;
id=N2 fm=3e5;
id=N1 dm=1e-4;
&&EdgeLoadFixCaseDirectInput;
id=B1 iiy=-100 iim=-2e5 jjy=-100 jjm=2e5;
&&EdgeLoadFixCaseConcentratedLoad;
id=B1 y=-1000 pos=2000;
&&EdgeLoadFixCaseDistributedLoad;
id=B1 iy=-1 jy=-2 posi=0 posj=4000 ecrd=T;
&&ElementStress;
id=B1 pos0=0 pos1=1000 pos2=2000;
id=C1 pos0=1500;
&&End;
)";

// One to three edits. Cutting the text short is kept rare: it mostly removes the End block.
inline std::string Mutate(std::string text, std::mt19937& rng) {
  static const char* const kTokens[] = {
      ";", ";;;;",  "/*",   "*/", "//", "\"",    "&&",    "=",   "\n",      "_sse",        "0",
      "-", "1e999", "-nan", "==", "\t", "//c\n", "&&End", "x=1", "&&Node;", "\xEF\xBB\xBF"};
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(rng);
  };
  for (std::size_t e = 0, edits = 1 + pick(2); e < edits && !text.empty(); ++e) {
    const std::size_t pos = pick(text.size() - 1);
    const std::size_t op = pick(11);
    if (op <= 1) {
      text[pos] = static_cast<char>(pick(255));
    } else if (op == 2) {
      text[pos] = static_cast<char>(text[pos] ^ (1 << pick(7)));
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

// Reads count mutants of the complete file, made from seed, with check(mutant, accepted), which
// gives "" for an allowed outcome and tells whether records came back. Both outcomes must occur:
// the mutants are neither all harmless nor all stopped at one check.
template <class Check>
void CheckMutants(unsigned seed, int count, Check check) {
  std::mt19937 rng(seed);
  int failures = 0, accepted = 0;
  for (int m = 0; m < count && failures < 5; ++m) {
    const std::string mutant = Mutate(kCompleteFile, rng);
    bool read = false;
    const std::string problem = check(mutant, read);
    if (!problem.empty()) ADD_FAILURE() << "mutant " << m << ": " << problem << "\n" << mutant;
    failures += !problem.empty();
    accepted += read;
  }
  EXPECT_GT(accepted, count / 50);
  EXPECT_LT(accepted, count / 2);
}

}  // namespace inputtest
