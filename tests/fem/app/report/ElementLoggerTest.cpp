// The Element and WallElement sections: the echo of the records, the result tables written
// only after an analysis, one row per end or corner, and the zero results of elements that
// never reported any.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/app/report/ElementLogger.h"
#include "fem/app/report/RecordingWriter.h"
#include "fem/app/report/WallElementLogger.h"

namespace {

using frame2d::testing::csRecordingWriter;
using znFEM::znTarvex::csElementLogger;
using znFEM::znTarvex::csWallElementLogger;
using namespace znFEM::znTraceYield2DRahmen;

using Row = std::vector<std::string>;
using Vector = znMatrix::Vector;

ElementProp MakeElement(const std::string& id) {
  ElementProp prop;
  prop.ID = id;
  prop.NodeID = {"N1", "N2"};
  prop.A = 1.2e4;
  prop.E = 2.05e5;
  prop.I = 3.6e8;
  prop.Poisson = 0.3;
  prop.Kappa = 1.2;
  prop.Lij = {150.0, 0.0};
  prop.IsRotarySpring = {false, true};
  prop.Kij = {kInfinite, 0.0};
  return prop;
}

csRecordingWriter WriteElements(csElementLogger& elements, bool results) {
  elements.SetResultsAvailable(results);
  csRecordingWriter writer;
  elements.Write(writer);
  return writer;
}

TEST(ElementLogger, PropRowShowsEveryColumnInItsFormat) {
  csElementLogger elements;
  elements.Prop(MakeElement("C1"));
  const csRecordingWriter writer = WriteElements(elements, false);
  EXPECT_EQ(writer.outline, (Row{"1:Element", "2:Prop", "Table"}));
  const auto& prop = writer.TableOf("Element/Prop");
  EXPECT_EQ(prop.Widths, (std::vector<unsigned>{10, 10, 10, 10, 10, 12, 10, 10, 8, 8, 12, 12}));
  EXPECT_EQ(prop.Head[0],
            (Row{"ID", "NodeID", "", "A", "E", "I", "Poisson", "Kappa", "Lij", "", "Kij", ""}));
  // E = 205000 would need 11 characters in fixed notation; an absent spring is unbounded.
  EXPECT_EQ(prop.Value[0], (Row{"C1", "N1", "N2", "12000.0000", "2.0500e+05", "3.6000e+08",
                                "0.3000", "1.2000", "150.00", "0.00", "----", "0.0000e+00"}));
}

TEST(ElementLogger, ResultsHaveOneRowPerEndAndTheFaceLoadIsTheSum) {
  csElementLogger elements;
  const ElementProp c1 = MakeElement("C1");
  elements.Prop(c1);
  elements.Prop(MakeElement("B1"));
  elements.FaceForce(c1, Vector{1, 2, 3, 4, 5, 6}, Vector{10, 20, 30, 40, 50, 60});
  elements.Disp(c1, Vector{0, 0, 0, 0.5, 0, -0.25});
  const csRecordingWriter writer = WriteElements(elements, true);
  EXPECT_EQ(writer.outline, (Row{"1:Element", "2:Prop", "Table", "2:FaceLoad(Each)", "Table",
                                 "2:FaceLoad", "Table", "2:EdgeDisp", "Table"}));
  const auto& each = writer.TableOf("Element/FaceLoad(Each)");
  EXPECT_EQ(each.Head, (std::vector<Row>{{"ID", "IJ", "Imposed", "", "", "FixCase", "", ""},
                                         {"", "", "X", "Y", "M", "X", "Y", "M"}}));
  EXPECT_EQ(each.Value[1], (Row{"C1", "J", "4.0000e+00", "5.0000e+00", "6.0000e+00", "4.0000e+01",
                                "5.0000e+01", "6.0000e+01"}));
  const auto& face = writer.TableOf("Element/FaceLoad");
  ASSERT_EQ(face.Value.size(), 4u);
  EXPECT_EQ(face.Value[0], (Row{"C1", "I", "1.1000e+01", "2.2000e+01", "3.3000e+01"}));
  // B1 reported nothing: its zero result is shown, not a missing row.
  EXPECT_EQ(face.Value[3], (Row{"B1", "J", "0.0000e+00", "0.0000e+00", "0.0000e+00"}));
  EXPECT_EQ(writer.TableOf("Element/EdgeDisp").Value[1],
            (Row{"C1", "J", "5.0000e-01", "0.0000e+00", "-2.5000e-01"}));
}

TEST(ElementLogger, EquivalentEdgeLoadsListOnlyLoadedElements) {
  csElementLogger elements;
  const ElementProp c1 = MakeElement("C1");
  const ElementProp b1 = MakeElement("B1");
  elements.Prop(c1);
  elements.Prop(b1);
  const znFEM::znMatrixMaker::csEquivalentEdgeLoad unused;
  elements.FixCase(c1, Vector(6, 0.0), unused, Vector(6, 0.0), 0.0, {0, 0}, {0, 0});
  elements.FixCase(b1, Vector{0, -6, -4, 0, -6, 4}, unused, Vector(6, 0.0), 0.0, {0, 0}, {0, 0});
  const csRecordingWriter writer = WriteElements(elements, false);
  const auto& table = writer.TableOf("Element/EquivalentEdgeLoad");
  EXPECT_EQ(table.Head[1], (Row{"", "I_X", "I_Y", "I_M", "J_X", "J_Y", "J_M"}));
  EXPECT_EQ(table.Value, (std::vector<Row>{{"B1", "0.0000e+00", "-6.0000e+00", "-4.0000e+00",
                                            "0.0000e+00", "-6.0000e+00", "4.0000e+00"}}));
}

WallElementProp MakeWall() {
  WallElementProp prop;
  prop.ID = "W1";
  prop.NodeID = {{"N1", "N2"}, {"N3", "N4"}};
  prop.A = 2.0e5;
  prop.E = 2.0e4;
  prop.I = 1.0e12;
  prop.Poisson = 0.2;
  prop.Kappa = 1.2;
  prop.La = {1500.0, 1500.0};
  prop.AlphaY = {{0.5, 0.5}, {1.0, 0.0}};
  prop.Kwg = 0.0;
  return prop;
}

TEST(WallElementLogger, EchoAndOneResultRowPerCornerAndPerEdge) {
  csWallElementLogger walls;
  const WallElementProp w1 = MakeWall();
  walls.Prop(w1);
  Vector corners(12, 0.0);
  for (int i = 0; i < 12; ++i) corners[i] = i + 1;
  walls.Force(w1, corners);
  walls.EdgeForce(w1, {Triple{1, 2, 3}, Triple{-1, -2, -3}});
  walls.SetResultsAvailable(true);
  csRecordingWriter writer;
  walls.Write(writer);
  EXPECT_EQ(writer.outline, (Row{"1:WallElement", "2:Prop1", "Table", "2:Prop2", "Table",
                                 "2:EdgeLoadDisp", "Table", "2:FaceLoadDisp", "Table"}));
  EXPECT_EQ(writer.TableOf("WallElement/Prop2").Value[0],
            (Row{"W1", "N1", "N2", "N3", "N4", "1500.00", "1500.00", "5.0000e-01", "5.0000e-01",
                 "1.0000e+00", "0.0000e+00"}));
  const auto& corner = writer.TableOf("WallElement/EdgeLoadDisp");
  ASSERT_EQ(corner.Value.size(), 4u);
  const char* codes[4][2] = {{"I", "A"}, {"I", "B"}, {"J", "A"}, {"J", "B"}};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(corner.Value[c][1], codes[c][0]);
    EXPECT_EQ(corner.Value[c][2], codes[c][1]);
  }
  EXPECT_EQ(corner.Value[2][3], "7.0000e+00");  // J-A starts at the seventh value
  EXPECT_EQ(writer.TableOf("WallElement/FaceLoadDisp").Value[1],
            (Row{"W1", "J", "-1.0000e+00", "-2.0000e+00", "-3.0000e+00", "0.0000e+00", "0.0000e+00",
                 "0.0000e+00"}));
}

}  // namespace
