// The report written when the loggers are destroyed: the order of its sections, the result
// tables only after an analysis that ended, the element stress table against the statics of
// a cantilever, the drawing with or without results, and a failure that stops the writing
// without leaving the destructor.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "draw/dxf/DxfEntities.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/app/report/Loggers.h"
#include "fem/app/report/RecordingWriter.h"

namespace {

using frame2d::testing::csRecordingWriter;
using znFEM::znTarvex::csErrorMessage;
using znFEM::znTarvex::csLoggers;
using namespace znFEM::znTraceYield2DRahmen;

using Row = std::vector<std::string>;
using Vector = znMatrix::Vector;

NodeProp MakeNode(const std::string& id, double x, bool fixed) {
  NodeProp prop;
  prop.ID = id;
  prop.Coordinate = {x, 0.0};
  prop.IsSupported = {fixed, fixed, fixed};
  prop.ImposedLoads = {Triple{0.0, 0.0, 0.0}};
  prop.ImposedDisps = {Triple{0.0, 0.0, 0.0}};
  return prop;
}

ElementProp MakeBeam() {
  ElementProp prop;
  prop.ID = "B1";
  prop.NodeID = {"N1", "N2"};
  prop.A = 1.0e4;
  prop.E = 2.0e5;
  prop.I = 1.0e8;
  return prop;
}

ElementStressProp Definition(const std::string& id, std::vector<double> positions) {
  ElementStressProp definition;
  definition.ID = id;
  definition.Positions = std::move(positions);
  return definition;
}

// A cantilever of length 1000 along x, fixed at N1, loaded at N2 by 10 downwards: the I end
// carries the reactions, shear +10 and moment +10000 (counter-clockwise).
void TellCantilever(const LoggerBundle& bundle, bool analysisEnded) {
  bundle.Node->Prop(MakeNode("N1", 0.0, true));
  bundle.Node->Prop(MakeNode("N2", 1000.0, false));
  bundle.ImposedLoadAndDisp->Applied({"N2", 0, {0.0, -10.0, 0.0}, {0.0, 0.0, 0.0}});
  const ElementProp beam = MakeBeam();
  bundle.Element->Prop(beam);
  if (!analysisEnded) return;
  bundle.Element->FaceForce(beam, Vector{0, 10, 10000, 0, -10, 0}, Vector(6, 0.0));
  csAnalyzer::StepRecord step;
  step.Step = 0;
  step.MaxDisp = 1.6667;
  step.MaxRotAngle = 0.0025;
  bundle.Analyzer->StepDone(step);
  bundle.Analyzer->AnalysisEnded();
}

struct stReport {
  csRecordingWriter writer;
  std::string dxf;
  std::string failure;
};

void RunLoggers(stReport& report, bool analysisEnded,
                const std::vector<ElementStressProp>& definitions) {
  std::ostringstream dxf;
  {
    csErrorMessage errors(report.writer);
    csLoggers loggers(report.writer, errors, dxf);
    loggers.SetFailureSink(report.failure);
    loggers.SetElementStresses(definitions);
    TellCantilever(loggers.GetLoggerBundle(), analysisEnded);
  }
  report.dxf = dxf.str();
}

std::vector<std::string> Sections(const csRecordingWriter& writer) {
  std::vector<std::string> sections;
  for (const std::string& item : writer.outline) {
    if (item.rfind("1:", 0) == 0 || item == "End") sections.push_back(item);
  }
  return sections;
}

TEST(Loggers, ASuccessfulRunWritesEverySectionInOrderThenTheDrawing) {
  stReport report;
  RunLoggers(report, true, {Definition("B1", {0.0, 500.0, 1000.0})});
  EXPECT_EQ(report.failure, "");
  EXPECT_EQ(Sections(report.writer), (Row{"1:Analyze", "1:ImposedLoadAndDisp", "1:Node",
                                          "1:Element", "1:ElementStress", "End"}));
  EXPECT_TRUE(report.writer.HasTable("Node/NodeDisp"));
  EXPECT_TRUE(report.writer.HasTable("Element/FaceLoad"));
  const dxftest::Drawing drawing = dxftest::Parse(report.dxf);
  EXPECT_TRUE(drawing.complete);
  EXPECT_EQ(drawing.LinesOn("Frame").size(), 3u);  // one member in each of three panels
  EXPECT_FALSE(drawing.TextsOn("Value").empty());
}

// Shear 10 throughout, moment x·10 − 10000: −10000 at the support, zero at the tip.
TEST(Loggers, StressTableFollowsTheStaticsOfTheMember) {
  stReport report;
  RunLoggers(report, true, {Definition("B1", {0.0, 500.0, 1000.0})});
  const auto& table = report.writer.TableOf("ElementStress/Stress");
  EXPECT_EQ(table.Head[0], (Row{"ID", "No", "Pos", "I", "", "", "J", "", ""}));
  ASSERT_EQ(table.Value.size(), 9u);
  const Row none{"----", "----", "----"};
  auto Expect = [&](std::size_t row, Row front, const std::string& moment) {
    Row cells = front;
    cells.insert(cells.end(), {"0.0000e+00", "1.0000e+01", moment});
    cells.insert(cells.end(), none.begin(), none.end());
    EXPECT_EQ(table.Value[row], cells) << row;
  };
  Expect(0, {"B1", "0", "0.0"}, "-1.0000e+04");
  Expect(1, {"", "1", "500.0"}, "-5.0000e+03");
  Expect(2, {"", "2", "1000.0"}, "0.0000e+00");
  EXPECT_EQ(table.Value[7][1], "MaxM");
  EXPECT_EQ(table.Value[7][2], "1000.0");
  EXPECT_EQ(table.Value[8][1], "MinM");
  EXPECT_EQ(table.Value[8][2], "0.0");
  EXPECT_EQ(table.Value[8][5], "-1.0000e+04");
}

TEST(Loggers, BadStressDefinitionsAreReportedAndTheOthersWritten) {
  stReport report;
  RunLoggers(report, true,
             {Definition("X9", {0.0}), Definition("B1", {0.0, 1000.5}), Definition("B1", {250.0})});
  const auto& outline = report.writer.outline;
  const auto at = std::find(outline.begin(), outline.end(), "1:ElementStress");
  ASSERT_NE(at, outline.end());
  EXPECT_EQ(Row(at + 1, outline.end()),
            (Row{"Pair:The specified element isn't exist./0", "1:Error",
                 "2:SpecifiedElementOfElementStressIsnotExist", "Pair:Element : X9/0",
                 "Pair:The specified position is out of length./0", "1:Error",
                 "2:SpecifiedPositionOfElementStressIsOutOfLength", "Pair:Element : B1/8",
                 "Pair:Position : 1/8", "2:Stress", "Table", "End"}));
  EXPECT_EQ(report.writer.tables.back().Value.size(), 7u);  // one position and six extremes
}

TEST(Loggers, AFailedRunEchoesTheModelAndDrawsTheGeometryOnly) {
  stReport report;
  RunLoggers(report, false, {Definition("B1", {500.0})});
  EXPECT_EQ(report.writer.outline,
            (Row{"1:Analyze", "2:EndProp", "Pair:EndType : Failed/7", "Pair:MaxDisp : ----/7",
                 "Pair:MaxRotAngle : ----/7", "1:ImposedLoadAndDisp", "2:DirectInput", "Table",
                 "1:Node", "2:Coordinate", "Table", "1:Element", "2:Prop", "Table", "End"}));
  const dxftest::Drawing drawing = dxftest::Parse(report.dxf);
  EXPECT_TRUE(drawing.complete);
  EXPECT_EQ(drawing.layers.size(), 15u);
  EXPECT_EQ(drawing.LinesOn("Frame").size(), 3u);
  EXPECT_EQ(drawing.TextsOn("NodeID").size(), 6u);
  for (const char* layer : {"Stress", "StressLast", "Value"}) {
    EXPECT_TRUE(drawing.LinesOn(layer).empty()) << layer;
    EXPECT_TRUE(drawing.TextsOn(layer).empty()) << layer;
  }
}

// Throws the text of a code conversion that met a code out of range.
class csThrowingWriter : public csRecordingWriter {
 public:
  void Table(const znInOutData::stTable& table) override {
    if (titles.size() == 1) throw std::string("bad case!!!");
    csRecordingWriter::Table(table);
  }
};

TEST(Loggers, AFailureWhileWritingStopsTheReportAndKeepsItsText) {
  csThrowingWriter writer;
  std::ostringstream dxf;
  std::string failure;
  {
    csErrorMessage errors(writer);
    csLoggers loggers(writer, errors, dxf);
    loggers.SetFailureSink(failure);
    TellCantilever(loggers.GetLoggerBundle(), true);
  }
  EXPECT_EQ(failure, "bad case!!!");
  EXPECT_EQ(std::count(writer.outline.begin(), writer.outline.end(), "End"), 0);
  EXPECT_EQ(writer.outline.back(), "2:Coordinate");
  EXPECT_EQ(dxf.str(), "");
}

}  // namespace
