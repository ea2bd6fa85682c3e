// The readers on whole input files: every block read into its records with the defaults of
// absent keys, the drawing and MainProp settings with and without their blocks.
#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "ReadInput.h"

namespace {

using readertest::kCompleteFile;
using readertest::ReadAll;
using readertest::stInput;
constexpr double kInf = std::numeric_limits<double>::max();

TEST(Readers, CompleteFileReadsIntoRecordsWithDefaults) {
  const stInput in = ReadAll(kCompleteFile);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_EQ(in.report, "");
  EXPECT_EQ(in.balanceZero, 0.001);

  ASSERT_EQ(in.nodes.size(), 4u);
  EXPECT_EQ(in.nodes[0].ID, "N1");
  EXPECT_EQ(in.nodes[3].Coordinate, (std::array<double, 2>{4000.0, 0.0}));
  EXPECT_EQ(in.nodes[0].IsSupported, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(in.nodes[1].IsSupported, (std::array<bool, 3>{false, false, false}));
  EXPECT_EQ(in.nodes[3].IsSupported, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(in.nodes[2].Myp, (std::array<double, 2>{kInf, -kInf}));

  ASSERT_EQ(in.elements.size(), 3u);
  const auto& c1 = in.elements[0];
  EXPECT_EQ(c1.NodeID, (std::array<std::string, 2>{"N1", "N2"}));
  EXPECT_EQ(c1.A, 1.2e4);
  EXPECT_EQ(c1.E, 2.05e5);
  EXPECT_EQ(c1.I, 3.6e8);
  EXPECT_EQ(c1.Poisson, 0.0);
  EXPECT_EQ(c1.Kappa, 0.0);
  EXPECT_EQ(c1.Lij, (std::array<double, 2>{0.0, 0.0}));
  EXPECT_EQ(c1.IsRotarySpring, (std::array<bool, 2>{false, false}));
  EXPECT_EQ(c1.Kij, (std::array<double, 2>{kInf, kInf}));
  EXPECT_EQ(c1.Ny[0], (std::array<double, 2>{kInf, -kInf}));
  EXPECT_EQ(c1.My[1], (std::array<double, 2>{kInf, -kInf}));
  EXPECT_TRUE(c1.FixCases.empty());
  const auto& b1 = in.elements[1];
  EXPECT_EQ(b1.Lij, (std::array<double, 2>{150.0, 200.0}));
  EXPECT_EQ(b1.IsRotarySpring, (std::array<bool, 2>{true, true}));
  EXPECT_EQ(b1.Kij, (std::array<double, 2>{1e12, 0.0}));
  EXPECT_EQ(in.elements[2].Poisson, 0.3);
  EXPECT_EQ(in.elements[2].Kappa, 1.2);

  ASSERT_EQ(in.walls.size(), 1u);
  const auto& w = in.walls[0];
  EXPECT_EQ(w.NodeID.first, std::make_pair(std::string("N1"), std::string("N2")));
  EXPECT_EQ(w.NodeID.second, std::make_pair(std::string("N4"), std::string("N3")));
  EXPECT_EQ(w.Kwg, 0.5);
  EXPECT_EQ(w.La.first, 100.0);
  EXPECT_EQ(w.IsLaGiven, std::make_pair(true, false));  // laj absent: middle of edge J
  EXPECT_EQ(w.AlphaY.first, std::make_pair(1.0, 1.0));
  EXPECT_EQ(w.AlphaY.second, std::make_pair(1.0, 0.5));

  ASSERT_EQ(in.springs.size(), 1u);
  EXPECT_EQ(in.springs[0].ConnectNodeID, "N4");
  EXPECT_EQ(in.springs[0].ElementID, "N4_sse");
  EXPECT_EQ(in.springs[0].SpringNodeID, "N4_ssn");
  EXPECT_EQ(in.springs[0].SpringCoef, (std::array<double, 3>{1e3, 0.0, 2.5e6}));

  ASSERT_EQ(in.imposed.size(), 3u);  // N2 twice: entries are not merged here
  EXPECT_EQ(in.imposed[0].ImposedLoad, (std::array<double, 3>{10000.0, -5000.0, 0.0}));
  EXPECT_EQ(in.imposed[1].ImposedLoad, (std::array<double, 3>{0.0, 0.0, 3e5}));
  EXPECT_EQ(in.imposed[2].ImposedDisp, (std::array<double, 3>{0.0, 0.0, 1e-4}));
  for (const auto& r : in.imposed) EXPECT_EQ(r.LoadAndDispNumber, 0u);

  ASSERT_EQ(in.direct.size(), 1u);
  EXPECT_EQ(in.direct[0].Forces, (std::array<double, 18>{0, -100, -2e5, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                         0, 0, 0, 0, -100, 2e5}));
  ASSERT_EQ(in.concentrated.size(), 1u);
  EXPECT_EQ(in.concentrated[0].Load, (std::array<double, 3>{0.0, -1000.0, 0.0}));
  EXPECT_EQ(in.concentrated[0].Pos, 2000.0);
  EXPECT_FALSE(in.concentrated[0].ECrd);
  ASSERT_EQ(in.distributed.size(), 1u);
  EXPECT_EQ(in.distributed[0].LoadI, (std::array<double, 2>{0.0, -1.0}));
  EXPECT_EQ(in.distributed[0].LoadJ, (std::array<double, 2>{0.0, -2.0}));
  EXPECT_EQ(in.distributed[0].PosJ, 4000.0);
  EXPECT_TRUE(in.distributed[0].ECrd);
  EXPECT_EQ(in.direct[0].LoadNumber + in.concentrated[0].LoadNumber + in.distributed[0].LoadNumber,
            0u);

  ASSERT_EQ(in.stresses.size(), 2u);
  EXPECT_EQ(in.stresses[0].ID, "B1");
  EXPECT_EQ(in.stresses[0].Positions, (std::vector<double>{0.0, 1000.0, 2000.0}));
  EXPECT_EQ(in.stresses[1].Positions, (std::vector<double>{1500.0}));

  // Given keys overwrite; the other settings take the defaults of a DxfProp statement.
  EXPECT_EQ(in.dxf.height_str, 200.0);
  EXPECT_EQ(in.dxf.rad_hinge, 50.0);
  EXPECT_EQ(in.dxf.axial_ratio, 2e-7);
  EXPECT_EQ(in.dxf.shear_ratio, 1e-7);
  EXPECT_EQ(in.dxf.row_n, 3);
  EXPECT_EQ(in.dxf.welem_ofs, 100.0);
  EXPECT_EQ(in.dxf.distsep, 10);
  EXPECT_EQ(in.dxf.margin_ratio_x, 0.5);
}

const std::string kFrame =
    "&&Node;\nid=N1 x=0 y=0;\nid=N2 x=0 y=3;\n&&Element;\n"
    "id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n&&End;\n";

TEST(Readers, SettingsWithoutTheirBlocksKeepTheirInitialValues) {
  const stInput in = ReadAll("&&MainProp;\n" + kFrame);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_EQ(in.balanceZero, 1.0);
  EXPECT_EQ(in.dxf.height_str, 150.0);
  EXPECT_EQ(in.dxf.rad_hinge, 40.0);
  EXPECT_EQ(in.dxf.margin_ratio_y, 0.5);
  EXPECT_EQ(in.dxf.distsep, 10);
  EXPECT_EQ(in.dxf.moment_ratio, 1e-7);
  EXPECT_EQ(in.dxf.value_ofs, 180.0);
  EXPECT_EQ(in.dxf.welem_ofs, 500.0);
  EXPECT_EQ(in.dxf.row_n, 5);
  EXPECT_TRUE(in.walls.empty());
  EXPECT_TRUE(in.stresses.empty());
}

TEST(Readers, OnlyTheFirstDxfPropStatementSetsTheDrawing) {
  const stInput in = ReadAll(
      "&&MainProp;balance_zero=0;&&DxfProp;\nheight_str=10 rad_hinge=20;\n"
      "height_str=30 rad_hinge=40 welem_ofs=7;\n" +
      kFrame);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_EQ(in.balanceZero, 0.0);
  EXPECT_EQ(in.dxf.height_str, 10.0);
  EXPECT_EQ(in.dxf.rad_hinge, 20.0);
  EXPECT_EQ(in.dxf.welem_ofs, 100.0);
}

TEST(Readers, HeaderWithBlanksAroundItsNameStillOpensTheBlock) {
  const stInput in = ReadAll("  &&MainProp ;\n&&Node\t;\nid=N9 x=1 y=2;\n" + kFrame);
  ASSERT_FALSE(in.failed) << in.report;
  ASSERT_EQ(in.nodes.size(), 3u);
  EXPECT_EQ(in.nodes[0].ID, "N9");
}

TEST(Readers, IdOfTenCharactersIsAccepted) {
  const stInput in = ReadAll("&&MainProp;&&Node;id=N123456789 x=0 y=0;" + kFrame);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_EQ(in.nodes[0].ID, "N123456789");
}

std::string SourceFile(const std::string& path) {
  std::ifstream in(std::string(FRAME2D_SOURCE_DIR) + "/" + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The example of the README's input-format section and the shipped example read cleanly.
TEST(Readers, DocumentedExamplesAreValidInput) {
  const std::string readme = SourceFile("README.md");
  const std::size_t heading = readme.find("### A complete example");
  ASSERT_NE(heading, std::string::npos);
  const std::size_t begin = readme.find("```\n", heading) + 4;
  const std::string example = readme.substr(begin, readme.find("```", begin) - begin);
  const stInput fromReadme = ReadAll(example);
  EXPECT_EQ(fromReadme.report, "");
  EXPECT_EQ(fromReadme.walls.size(), 1u);
  EXPECT_EQ(fromReadme.stresses.size(), 1u);
  const stInput portal = ReadAll(SourceFile("examples/portal.txt"));
  EXPECT_EQ(portal.report, "");
  EXPECT_EQ(portal.nodes.size(), 4u);
}

}  // namespace
