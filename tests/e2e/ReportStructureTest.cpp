// The report of a run through the executable after a failure: of the input, in each phase of
// the conductor; the drawing of a failed run; and outputs that cannot be written. Successful
// runs are the examples' golden outputs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/dxf/DxfEntities.h"
#include "e2e/CsvReport.h"
#include "e2e/RunModel.h"

namespace {

using frame2d::testing::csCsvReport;
using frame2d::testing::RunModel;
using frame2d::testing::RunWithArgs;
using frame2d::testing::ScratchDirectory;
using Sections = std::vector<std::string>;

const std::string kFailed = "\nThe analysis has been failed\n";

// A cantilever of length 1000 with EI = 2e13 and a tip load of 6000 downwards: the tip moves
// P L^3 / (3 EI) = 0.1 down and turns by P L^2 / (2 EI) = 1.5e-4 clockwise; the member's
// chord turns by 0.1 / 1000 = 1e-4.
std::string Cantilever(const std::string& extraBlocks = "", const std::string& tip = "") {
  return "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 x=1000 y=0 " + tip +
         ";\n&&Element;\nid=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8;\n" + extraBlocks +
         "&&ImposedLoadAndDisp;\nid=N2 fy=-6000;\n&&End;\n";
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(ReportStructure, AnInputErrorInTheNodeBlockStopsThere) {
  ScratchDirectory dir;
  const auto run = RunModel(dir, "&&MainProp;\n&&Node;\nid=N1 x=0;\n&&Element;\n&&End;\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.console, kFailed);
  EXPECT_EQ(run.text,
            "\n\n1. Error\n\n1.1. NecessaryKeyHasnotBeenSet\nLine : 3\nKey  : y\n\n\n"
            "2. Analyze\n\n2.1. EndProp\nEndType : Failed\nMaxDisp : ----\nMaxRotAngle : ----\n");
  EXPECT_EQ(csCsvReport(run.csv).sections, (Sections{"Error", "Analyze"}));
  EXPECT_TRUE(EndsWith(run.pipe, "#LineNum\n1\n----\n&&End\n"));
  EXPECT_TRUE(dxftest::Parse(run.dxf).complete);
}

// A failure in each phase of the conductor: the error first, then the Analyze section with
// "Failed", the model echo as far as it was built, no result table; and a drawing of the
// geometry alone.
TEST(ReportStructure, AFailureInEachConductorPhaseLeavesACleanReportAndDrawing) {
  struct Case {
    const char* phase;
    std::string model;
    std::string error;
    Sections sections;
    std::size_t members;  // drawn in each of the three panels
  };
  const Sections echo{"Error", "Analyze", "ImposedLoadAndDisp", "Node", "Element"};
  const std::string twoFixed =
      "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\n"
      "id=N2 x=1000 y=0 sptx=1 spty=1 sptm=1;\n&&Element;\n"
      "id=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8;\n&&End;\n";
  const Case cases[] = {
      {"nodes: imposed loads",
       Cantilever("&&ImposedLoadAndDisp;\nid=N2 dx=1;\n"),
       "ImposedDispIsSetAtNonSupportedNode",
       {"Error", "Analyze"},
       0},
      {"elements: their nodes",
       Cantilever("id=B2 nodei=N2 nodej=N9 a=1 e=1 i=1;\n"),
       "SpecifiedNodeByElementIsnotExist",
       {"Error", "Analyze", "ImposedLoadAndDisp", "Node"},
       0},
      {"elements: edge loads",
       Cantilever("&&EdgeLoadFixCaseConcentratedLoad;\nid=B9 y=-1 pos=100;\n"),
       "SpecifiedElementByEdgeLoadFixCaseIsnotExist",
       {"Error", "Analyze", "ImposedLoadAndDisp", "Node"},
       0},
      {"spring supports", Cantilever("&&SpringSupport;\nnode=N1 kx=100;\n"),
       "UnZeroSpringCoefIsSetAtSupportedNode", echo, 1},
      {"analysis", twoFixed, "AllDegreesAreSupported", {"Error", "Analyze", "Node", "Element"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phase);
    ScratchDirectory dir;
    const auto run = RunModel(dir, c.model);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.console, kFailed);
    const csCsvReport csv(run.csv);
    EXPECT_EQ(csv.sections, c.sections);
    EXPECT_TRUE(csv.Has("Error/" + c.error));
    EXPECT_EQ(csv.pairs.at("Analyze/EndType"), "Failed");
    EXPECT_EQ(csv.pairs.at("Analyze/MaxDisp"), "----");
    for (const char* result : {"Node/NodeLoad", "Node/NodeDisp", "Element/FaceLoad(Each)",
                               "Element/FaceLoad", "Element/EdgeDisp", "ElementStress/Stress"}) {
      EXPECT_FALSE(csv.Has(result)) << result;
    }
    EXPECT_TRUE(EndsWith(run.pipe, "&&End\n"));
    const dxftest::Drawing drawing = dxftest::Parse(run.dxf);
    EXPECT_TRUE(drawing.complete);
    EXPECT_EQ(drawing.layers.size(), 15u);
    EXPECT_EQ(drawing.LinesOn("Frame").size(), 3 * c.members);
    for (const char* layer : {"Stress", "StressLast", "Value"}) {
      EXPECT_TRUE(drawing.LinesOn(layer).empty() && drawing.TextsOn(layer).empty()) << layer;
    }
  }
}

TEST(ReportStructure, AnOutputThatCannotBeWrittenFailsTheRun) {
  const std::string message = "\nThe output file can't be written.\nFileName : /dev/full\n";
  for (const char* args : {"-i in.txt -o /dev/full -d o.dxf", "-i in.txt -c /dev/full -d o.dxf",
                           "-i in.txt -p /dev/full -d o.dxf", "-i in.txt -o o.txt -d /dev/full"}) {
    ScratchDirectory dir;
    EXPECT_EQ(RunWithArgs(dir, Cantilever(), args), 1) << args;
    EXPECT_EQ(dir.Read("stdout"), message) << args;
  }
}

}  // namespace
