// The readers on whole input files: every block read into its records with the defaults of
// absent keys, the drawing and MainProp settings with and without their blocks.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "ReadInput.h"

namespace {

using readertest::ReadAll;
using readertest::stInput;
using std::array;
using Pair = std::pair<std::string, std::string>;
constexpr double kInf = std::numeric_limits<double>::max();

TEST(Readers, CompleteFileReadsIntoRecordsWithDefaults) {
  const stInput in = ReadAll(readertest::kCompleteFile);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_EQ(in.balanceZero, 0.001);

  ASSERT_EQ(in.nodes.size(), 4u);
  EXPECT_EQ(in.nodes[3].ID, "N123456789");  // ten characters are allowed
  EXPECT_EQ(in.nodes[3].Coordinate, (array<double, 2>{4000.0, 0.0}));
  EXPECT_EQ(in.nodes[0].IsSupported, (array<bool, 3>{true, true, true}));
  EXPECT_EQ(in.nodes[1].IsSupported, (array<bool, 3>{false, false, false}));
  EXPECT_EQ(in.nodes[3].IsSupported, (array<bool, 3>{true, false, false}));
  EXPECT_EQ(in.nodes[2].Myp, (array<double, 2>{kInf, -kInf}));

  ASSERT_EQ(in.elements.size(), 3u);
  const auto& c1 = in.elements[0];
  EXPECT_EQ(c1.NodeID, (array<std::string, 2>{"N1", "N2"}));
  EXPECT_EQ((array<double, 5>{c1.A, c1.E, c1.I, c1.Poisson, c1.Kappa}),
            (array<double, 5>{1.2e4, 2.05e5, 3.6e8, 0.0, 0.0}));
  EXPECT_EQ(c1.Lij, (array<double, 2>{0.0, 0.0}));
  EXPECT_EQ(c1.IsRotarySpring, (array<bool, 2>{false, false}));
  EXPECT_EQ(c1.Kij, (array<double, 2>{kInf, kInf}));
  EXPECT_EQ(c1.Ny[0], (array<double, 2>{kInf, -kInf}));
  EXPECT_EQ(c1.My[1], (array<double, 2>{kInf, -kInf}));
  const auto& b1 = in.elements[1];
  EXPECT_EQ(b1.Lij, (array<double, 2>{150.0, 200.0}));
  EXPECT_EQ(b1.IsRotarySpring, (array<bool, 2>{true, true}));
  EXPECT_EQ(b1.Kij, (array<double, 2>{1e12, 0.0}));
  EXPECT_EQ((array<double, 2>{in.elements[2].Poisson, in.elements[2].Kappa}),
            (array<double, 2>{0.3, 1.2}));

  ASSERT_EQ(in.wallElements.size(), 1u);
  const auto& w = in.wallElements[0];
  EXPECT_EQ(w.NodeID.first, Pair("N1", "N2"));
  EXPECT_EQ(w.NodeID.second, Pair("N123456789", "N3"));
  EXPECT_EQ(w.Kwg, 0.5);
  EXPECT_EQ(w.La.first, 100.0);
  EXPECT_EQ(w.IsLaGiven, std::make_pair(true, false));  // laj absent: middle of edge J
  EXPECT_EQ(w.AlphaY.first, std::make_pair(1.0, 1.0));
  EXPECT_EQ(w.AlphaY.second, std::make_pair(1.0, 0.5));

  ASSERT_EQ(in.springSupports.size(), 1u);
  EXPECT_EQ(in.springSupports[0].ConnectNodeID, "N123456789");
  EXPECT_EQ(in.springSupports[0].ElementID, "N123456789_sse");
  EXPECT_EQ(in.springSupports[0].SpringNodeID, "N123456789_ssn");
  EXPECT_EQ(in.springSupports[0].SpringCoef, (array<double, 3>{1e3, 0.0, 2.5e6}));

  ASSERT_EQ(in.imposedLoads.size(), 3u);  // N2 twice: entries are not merged here
  EXPECT_EQ(in.imposedLoads[0].ImposedLoad, (array<double, 3>{10000.0, -5000.0, 0.0}));
  EXPECT_EQ(in.imposedLoads[1].ImposedLoad, (array<double, 3>{0.0, 0.0, 3e5}));
  EXPECT_EQ(in.imposedLoads[2].ImposedDisp, (array<double, 3>{0.0, 0.0, 1e-4}));
  for (const auto& r : in.imposedLoads) EXPECT_EQ(r.LoadAndDispNumber, 0u);

  ASSERT_EQ(in.directInputs.size() + in.concentratedLoads.size() + in.distributedLoads.size(), 3u);
  EXPECT_EQ(in.directInputs[0].Forces,
            (array<double, 18>{0, -100, -2e5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -100, 2e5}));
  EXPECT_EQ(in.concentratedLoads[0].Load, (array<double, 3>{0.0, -1000.0, 0.0}));
  EXPECT_EQ(in.concentratedLoads[0].Pos, 2000.0);
  EXPECT_FALSE(in.concentratedLoads[0].ECrd);
  EXPECT_EQ(in.distributedLoads[0].LoadI, (array<double, 2>{0.0, -1.0}));
  EXPECT_EQ(in.distributedLoads[0].LoadJ, (array<double, 2>{0.0, -2.0}));
  EXPECT_EQ(in.distributedLoads[0].PosJ, 4000.0);
  EXPECT_TRUE(in.distributedLoads[0].ECrd);
  EXPECT_EQ(in.directInputs[0].LoadNumber + in.concentratedLoads[0].LoadNumber +
                in.distributedLoads[0].LoadNumber,
            0u);

  ASSERT_EQ(in.stresses.size(), 2u);
  EXPECT_EQ(in.stresses[0].ID, "B1");
  EXPECT_EQ(in.stresses[0].Positions, (std::vector<double>{0.0, 1000.0, 2000.0}));
  EXPECT_EQ(in.stresses[1].Positions, (std::vector<double>{1500.0}));

  // Given keys overwrite; the other settings take the defaults of a DxfProp statement.
  const auto& d = in.dxf;
  EXPECT_EQ((array<double, 6>{d.height_str, d.rad_hinge, d.axial_ratio, d.shear_ratio, d.welem_ofs,
                              d.margin_ratio_x}),
            (array<double, 6>{200.0, 50.0, 2e-7, 1e-7, 100.0, 0.5}));
  EXPECT_EQ((array<int, 2>{d.row_n, d.distsep}), (array<int, 2>{3, 10}));
}

const std::string kFrame =
    "&&Node;\nid=N1 x=0 y=0;\nid=N2 x=0 y=3;\n&&Element;\n"
    "id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n&&End;\n";

TEST(Readers, SettingsWithoutTheirBlocksKeepTheirInitialValues) {
  const stInput in = ReadAll("&&MainProp;\n" + kFrame);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_FALSE(in.balanceZero.has_value());  // the balance is then judged row by row
  const auto& d = in.dxf;
  EXPECT_EQ(
      (array<double, 5>{d.height_str, d.rad_hinge, d.margin_ratio_y, d.moment_ratio, d.welem_ofs}),
      (array<double, 5>{150.0, 40.0, 0.5, 1e-7, 500.0}));
  EXPECT_EQ((array<int, 2>{d.row_n, d.distsep}), (array<int, 2>{5, 10}));
}

TEST(Readers, OnlyTheFirstDxfPropStatementSetsTheDrawing) {
  const stInput in = ReadAll(
      "&&MainProp;balance_zero=0;&&DxfProp;\nheight_str=10 rad_hinge=20;\n"
      "height_str=30 rad_hinge=40 welem_ofs=7;\n" +
      kFrame);
  ASSERT_FALSE(in.failed) << in.report;
  EXPECT_EQ(in.balanceZero, 0.0);
  EXPECT_EQ((array<double, 3>{in.dxf.height_str, in.dxf.rad_hinge, in.dxf.welem_ofs}),
            (array<double, 3>{10.0, 20.0, 100.0}));
  // The keys of the first statement are recorded; a picture fits the others to the structure.
  EXPECT_EQ(in.dxf.given, (std::set<std::string>{"height_str", "rad_hinge"}));
  EXPECT_EQ(in.dxf.disp_ratio, 0.0);  // no Displacement panel in the DXF

  const stInput scaled =
      ReadAll("&&MainProp;&&DxfProp;\nheight_str=10 rad_hinge=20 disp_ratio=50;\n" + kFrame);
  EXPECT_EQ(scaled.dxf.disp_ratio, 50.0);
  EXPECT_TRUE(scaled.dxf.IsGiven("disp_ratio"));
  const stInput wrong =
      ReadAll("&&MainProp;&&DxfProp;\nheight_str=1 rad_hinge=2 disp_ratio=0;\n" + kFrame);
  EXPECT_NE(wrong.report.find("SpecifiedValueIsNegativeOrZero"), std::string::npos) << wrong.report;
}

// The example of the README's input-format section reads cleanly.
TEST(Readers, DocumentedExampleIsValidInput) {
  std::ostringstream text;
  text << std::ifstream(std::string(FRAME2D_SOURCE_DIR) + "/README.md").rdbuf();
  const std::string readme = text.str();
  const std::size_t heading = readme.find("### A complete example");
  ASSERT_NE(heading, std::string::npos);
  const std::size_t begin = readme.find("```\n", heading) + 4;
  const stInput fromReadme = ReadAll(readme.substr(begin, readme.find("```", begin) - begin));
  EXPECT_EQ(fromReadme.report, "");
  EXPECT_EQ(std::make_pair(fromReadme.wallElements.size(), fromReadme.stresses.size()),
            std::make_pair(std::size_t{1}, std::size_t{1}));
}

}  // namespace
