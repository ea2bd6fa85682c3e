// The SVG drawing and the HTML page of the built program, checked by independent tools: an XML
// parser, a DXF reader (the SVG against the DXF), a real SVG renderer (rsvg-convert) whose
// pixels are looked at, and a real browser (chromium) that opens the page.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::ReadExample;
using frame2d::testing::RunCommand;
using frame2d::testing::RunWithArgs;
using frame2d::testing::ScratchDirectory;

// Runs tests/e2e/pictures.py in the directory; it prints OK or the fault it found.
std::string Check(const ScratchDirectory& dir, const std::string& args) {
  return RunCommand("cd '" + dir.Path() +
                    "' && /usr/bin/python3 '" FRAME2D_SOURCE_DIR "/tests/e2e/pictures.py' " + args)
      .second;
}

// What the layer's group of the SVG holds.
std::string Group(const std::string& svg, const std::string& layer) {
  const auto open = svg.find("<g id=\"layer-" + layer + "\"");
  if (open == std::string::npos) return "";
  const auto start = svg.find('>', open) + 1;
  return svg.substr(start, svg.find("</g>", start) - start);
}

const char* const kAllOutputs = "-i in.txt -o o.txt -c o.csv -p o.pipe -d o.dxf";

// Each example with the diagram scales its DxfProp block gives the DXF (1e-7 when absent),
// and, for the portal, points on its members.
TEST(Pictures, ExamplesParseMatchTheirDxfAndRenderWithTheirMembersInPlace) {
  const struct {
    const char* file;
    const char* dxfScales;
  } examples[] = {{"portal.txt", "0.01,0.01,1e-5"},
                  {"walled_bay.txt", "1e-7,1e-7,1e-7"},
                  {"rigid_zones_and_springs.txt", "1e-7,0.02,2e-5"}};
  for (const auto& example : examples) {
    ScratchDirectory dir;
    const std::string model = ReadExample(example.file);
    ASSERT_EQ(RunWithArgs(dir, model, kAllOutputs), 0);
    const std::string before[] = {dir.Read("o.txt"), dir.Read("o.csv"), dir.Read("o.pipe"),
                                  dir.Read("o.dxf")};
    ASSERT_EQ(RunWithArgs(dir, model, std::string(kAllOutputs) + " -s o.svg -w o.html"), 0);
    // The pictures change no other output.
    EXPECT_EQ(dir.Read("o.txt"), before[0]);
    EXPECT_EQ(dir.Read("o.csv"), before[1]);
    EXPECT_EQ(dir.Read("o.pipe"), before[2]);
    EXPECT_EQ(dir.Read("o.dxf"), before[3]);
    EXPECT_EQ(Check(dir, "xml o.svg o.html"), "OK\n") << example.file;
    EXPECT_EQ(Check(dir, std::string("compare o.dxf o.svg ") + example.dxfScales), "OK\n")
        << example.file;
  }
  ScratchDirectory dir;
  ASSERT_EQ(RunWithArgs(dir, ReadExample("portal.txt"), "-i in.txt -d o.dxf -s o.svg"), 0);
  const auto [status, output] =
      RunCommand("rsvg-convert -w 1200 '" + dir.Path("o.svg") + "' -o '" + dir.Path("o.png") + "'");
  ASSERT_EQ(status, 0) << output;
  // Columns at x = 0 and 6000, beam at y = 4000 from x = 300 to 5700.
  EXPECT_EQ(Check(dir, "pixels o.svg o.png 0,1000 0,3000 6000,1000 1500,4000 4500,4000"), "OK\n");
}

// The portal pushed to collapse: its hinges form at D, C (beam end), M and A, the last at the
// collapse ratio 1.2 of the combined mechanism; the Event and Curve tables give the ratio and
// the sway of B at each event. The DXF has neither numbers nor curve.
TEST(Pictures, PushoverNumbersItsHingesAndPlotsItsCapacityCurve) {
  ScratchDirectory dir;
  const std::string model = ReadExample("pushover_portal.txt");
  ASSERT_EQ(RunWithArgs(dir, model, "-i in.txt -d plain.dxf"), 0);
  ASSERT_EQ(RunWithArgs(dir, model, "-i in.txt -d o.dxf -s o.svg"), 0);
  EXPECT_EQ(dir.Read("o.dxf"), dir.Read("plain.dxf"));
  EXPECT_EQ(Check(dir, "xml o.svg"), "OK\n");
  EXPECT_EQ(Check(dir,
                  "pushover o.svg 8,0,1 8,4,2 4,4,3 0,0,4 0.0022889,0.9737258737 "
                  "0.0025331,1.028855315 0.0038047,1.182676737 0.0042667,1.2"),
            "OK\n");
  const auto [status, output] =
      RunCommand("rsvg-convert -w 1200 '" + dir.Path("o.svg") + "' -o '" + dir.Path("o.png") + "'");
  EXPECT_EQ(status, 0) << output;
  // A run without a monitor has no curve panel.
  const std::string unmonitored =
      model.substr(0, model.find("monitor=")) + model.substr(model.find("&&Node;"));
  ASSERT_EQ(RunWithArgs(dir, unmonitored, "-i in.txt -d u.dxf -s u.svg"), 0);
  EXPECT_EQ(dir.Read("u.svg").find("Capacity curve"), std::string::npos);
  EXPECT_NE(dir.Read("u.svg").find(">4</text>"), std::string::npos);
}

TEST(Pictures, BrowserShowsThePageWithItsDrawing) {
  if (RunCommand("command -v chromium").first != 0) {
    GTEST_SKIP() << "chromium is not installed (.ci/run installs it)";
  }
  ScratchDirectory dir;
  ASSERT_EQ(RunWithArgs(dir, ReadExample("portal.txt"), "-i in.txt -d o.dxf -w o.html"), 0);
  const std::string command =
      "timeout 120 chromium --headless --no-sandbox --disable-gpu "
      "--disable-background-networking --disable-component-update --disable-sync "
      "--no-first-run --user-data-dir='" +
      dir.Path("profile") + "' --window-size=1280,2000 --screenshot='" + dir.Path("shot.png") +
      "' 'file://" + dir.Path("o.html") + "'";
  const auto [status, output] = RunCommand(command);
  ASSERT_EQ(status, 0) << output;
  EXPECT_EQ(Check(dir, "screenshot shot.png"), "OK\n");
}

// After an input error the SVG holds the titles only, after a model error the geometry
// without results, as the DXF does; the page holds the Error section.
TEST(Pictures, FailedRunsDrawWhatTheDxfDrawsAndThePageNamesTheError) {
  const struct {
    const char* model;
    const char* error;
    bool geometry;
  } cases[] = {{"&&MainProp;\n&&Node;\nid=N1 x=0 y=zero;\n&&Element;\n&&End;\n",
                "SpecifiedStringIsnotNumeric", false},
               {"&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 x=1000 y=0;\n"
                "&&Element;\nid=B1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n&&End;\n",
                "LoadsAndDispsAreAllZero", true}};
  for (const auto& c : cases) {
    ScratchDirectory dir;
    EXPECT_EQ(RunWithArgs(dir, c.model, "-i in.txt -d o.dxf -s o.svg -w o.html"), 1);
    EXPECT_EQ(Check(dir, "xml o.svg o.html"), "OK\n") << c.model;
    const std::string svg = dir.Read("o.svg");
    EXPECT_NE(svg.find(">Displacement</text>"), std::string::npos) << svg;
    EXPECT_EQ(Group(svg, "Frame").find("<polyline") != std::string::npos, c.geometry) << svg;
    EXPECT_EQ(Group(svg, "StressLast"), "\n") << svg;
    const std::string page = dir.Read("o.html");
    EXPECT_NE(page.find(". Error</h"), std::string::npos) << page;
    EXPECT_NE(page.find(c.error), std::string::npos) << page;
    EXPECT_NE(page.find("<dt>EndType</dt><dd>Failed</dd>"), std::string::npos) << page;
  }
}

}  // namespace
