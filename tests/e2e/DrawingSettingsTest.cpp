// DxfProp settings at their limits, through the built program: a distsep above its largest
// value is refused while reading, a setting that drives the drawing of the results beyond the
// finite numbers ends the run as a drawing error, and no output of any run holds nan or inf.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::RunWithArgs;
using frame2d::testing::ScratchDirectory;

const char* const kAllOutputs = "-i in.txt -o o.txt -c o.csv -p o.pipe -d o.dxf -s o.svg -w o.html";
const char* const kOutputs[] = {"o.txt", "o.csv", "o.pipe", "o.dxf", "o.svg", "o.html"};

// A cantilever under a uniform load (axial force, shear and moment all drawn) beside a shear
// wall; the DxfProp statement stands on line 3.
std::string Model(const std::string& dxfProp) {
  return "&&MainProp;\n&&DxfProp;\nheight_str=100 rad_hinge=40 " + dxfProp +
         ";\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 x=4000 y=0;\n"
         "id=W1 x=6000 y=0 sptx=1 spty=1;\nid=W2 x=9000 y=0 sptx=1 spty=1;\n"
         "id=W3 x=6000 y=3000;\nid=W4 x=9000 y=3000;\n"
         "&&Element;\nid=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8;\n"
         "id=C1 nodei=W1 nodej=W3 a=1e4 e=2e5 i=1e8;\nid=C2 nodei=W2 nodej=W4 a=1e4 e=2e5 i=1e8;\n"
         "id=G1 nodei=W3 nodej=W4 a=1e4 e=2e5 i=1e8;\n"
         "&&WallElement;\nid=P1 nodeia=W1 nodeib=W3 nodeja=W2 nodejb=W4 a=3e5 e=2e4 i=1e12 psn=0.2 "
         "kap=1.2 kwg=0;\n"
         "&&ImposedLoadAndDisp;\nid=N2 fx=1000;\nid=W3 fx=5000;\n"
         "&&EdgeLoadFixCaseDistributedLoad;\nid=B1 iy=-10 jy=-10 posi=0 posj=0;\n&&End;\n";
}
constexpr int kRecords = 6 + 4 + 1;  // nodes, members and walls of the model

int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

void ExpectNoNonFiniteNumber(const ScratchDirectory& dir, const std::string& setting) {
  const std::regex nonFinite("(^|[^A-Za-z])(-?nan|-?inf)([^A-Za-z]|$)", std::regex::icase);
  for (const char* name : kOutputs) {
    EXPECT_FALSE(std::regex_search(dir.Read(name), nonFinite)) << setting << ": " << name;
  }
}

TEST(DrawingSettings, TooManyDivisionsAreRefusedWhileReadingNamingLineKeyAndLimit) {
  for (const char* setting : {"distsep=101", "distsep=1000000", "distsep=2147483647"}) {
    ScratchDirectory dir;
    EXPECT_EQ(RunWithArgs(dir, Model(setting), kAllOutputs), 1) << setting;
    EXPECT_EQ(dir.Read("stdout"), "\nThe analysis has been failed\n") << setting;
    EXPECT_NE(dir.Read("o.csv").find(
                  "\"SpecifiedValueIsOverTheLimit\"\n\"Line\",\"3\"\n\"Key\",\"distsep\"\n"
                  "\"MaxValue\",\"100\"\n"),
              std::string::npos)
        << dir.Read("o.csv");
    EXPECT_EQ(CountOf(dir.Read("o.dxf"), "\nLINE\n"), 0) << setting;
  }
}

// Settings at the largest values allowed, or far beyond any drawing's need, still draw a
// finite drawing whose entities stay within a fixed number per node, member and wall.
TEST(DrawingSettings, LargestSettingsDrawAFiniteDrawingOfBoundedSize) {
  for (const char* setting :
       {"distsep=100", "row_n=2147483647", "margin_ratio_x=1e308", "margin_ratio_y=1e200",
        "welem_ofs=1e300", "disp_ratio=1e-300", "moment_ratio=1e-300 axial_ratio=1e300"}) {
    ScratchDirectory dir;
    EXPECT_EQ(RunWithArgs(dir, Model(setting), kAllOutputs), 0) << setting;
    const std::string dxf = dir.Read("o.dxf");
    const int entities =
        CountOf(dxf, "\nLINE\n") + CountOf(dxf, "\nTEXT\n") + CountOf(dxf, "\nCIRCLE\n");
    EXPECT_GT(entities, 0) << setting;
    EXPECT_LE(entities, 1200 * kRecords) << setting;
    ExpectNoNonFiniteNumber(dir, setting);
  }
}

TEST(DrawingSettings, ASettingDrivingTheDrawingBeyondFiniteNumbersFailsTheRunNamingIt) {
  const struct {
    const char* setting;
    const char* key;
  } cases[] = {{"moment_ratio=1e308", "moment_ratio"},
               {"axial_ratio=1e308", "axial_ratio"},
               {"shear_ratio=1e308", "shear_ratio"},
               {"margin_ratio_y=1e308", "margin_ratio_y"},
               {"disp_ratio=1e308", "disp_ratio"},
               // Both settings at fault: the later is named, as setting back the earlier alone
               // leaves the drawing beyond finite numbers.
               {"moment_ratio=1e308 disp_ratio=1e308", "disp_ratio"}};
  for (const auto& c : cases) {
    ScratchDirectory dir;
    EXPECT_EQ(RunWithArgs(dir, Model(c.setting), kAllOutputs), 1) << c.setting;
    EXPECT_EQ(dir.Read("stdout"), "\nThe analysis has been failed\n") << c.setting;
    const std::string csv = dir.Read("o.csv");
    EXPECT_NE(csv.find("\"Error\"\n\n\"[$$_1.1]\"\n\"DrawingCoordinateIsnotFinite\"\n\"Key\",\"" +
                       std::string(c.key) + "\"\n"),
              std::string::npos)
        << c.setting << "\n"
        << csv;
    EXPECT_EQ(dir.Read("o.dxf"), "") << c.setting;
    ExpectNoNonFiniteNumber(dir, c.setting);
  }
}

}  // namespace
