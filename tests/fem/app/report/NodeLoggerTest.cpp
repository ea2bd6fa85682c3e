// The Node section: the tables written before and after an analysis, their rows and cells,
// and the spring supports reported under the nodes they hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/app/report/NodeLogger.h"
#include "fem/app/report/RecordingWriter.h"
#include "fem/model/Node.h"
#include "print/Format.h"

namespace {

using frame2d::testing::csRecordingWriter;
using znFEM::znTarvex::csNodeLogger;
using znFEM::znTarvex::csSpringSupportElementLogger;
using znFEM::znTarvex::csSpringSupportNodeLogger;
using namespace znFEM::znTraceYield2DRahmen;

using Row = std::vector<std::string>;

NodeProp MakeNode(const std::string& id, double x, double y, std::array<bool, 3> supported,
                  const Triple& load = {0.0, 0.0, 0.0}) {
  NodeProp prop;
  prop.ID = id;
  prop.Coordinate = {x, y};
  prop.IsSupported = supported;
  prop.ImposedLoads = {load};
  prop.ImposedDisps = {Triple{0.0, 0.0, 0.0}};
  return prop;
}

// A column N1 fixed at its foot, N2 loaded sideways, N3 on a vertical spring of 100 whose
// ground settles by 5.
class NodeLoggerTest : public ::testing::Test {
 protected:
  NodeLoggerTest() {
    nodes.Prop(MakeNode("N1", 0.0, 0.0, {true, true, true}));
    nodes.Prop(MakeNode("N2", 0.0, 3000.0, {false, false, false}, {10.0, 0.0, 0.0}));
    nodes.Prop(MakeNode("N3", 4000.0, 3000.0, {false, false, false}));
  }

  void AddSpringSupport() {
    supported.SetProp(MakeNode("N3", 4000.0, 3000.0, {false, false, false}));
    groundNodes.Prop({"N3_ssn", "N3", {Triple{0.0, -5.0, 0.0}}});
    SpringSupportElementProp spring;
    spring.ElementID = "N3_sse";
    spring.Nodes = {nullptr, &supported};
    spring.SpringCoef = {0.0, 100.0, 0.0};
    springs.Prop(spring);
  }

  csRecordingWriter Write(bool results) {
    nodes.SetResultsAvailable(results);
    nodes.MergeSpringSupports(groundNodes, springs);
    csRecordingWriter writer;
    nodes.Write(writer);
    return writer;
  }

  csNodeLogger nodes;
  csNode supported{nullptr};
  csSpringSupportNodeLogger groundNodes;
  csSpringSupportElementLogger springs;
};

const std::string kMark = znPrint::SupportMark(true);

TEST_F(NodeLoggerTest, BeforeResultsTheModelIsEchoed) {
  const csRecordingWriter writer = Write(false);
  EXPECT_EQ(writer.outline,
            (Row{"1:Node", "2:Coordinate", "Table", "2:ImposedLoadAndDisp", "Table"}));
  const auto& coordinate = writer.TableOf("Node/Coordinate");
  EXPECT_EQ(coordinate.Widths, (std::vector<unsigned>{10, 10, 10, 7, 7, 7, 12, 12, 12}));
  EXPECT_EQ(coordinate.Head,
            (std::vector<Row>{{"ID", "Coord", "", "Support", "", "", "Coef", "", ""},
                              {"", "X", "Y", "X", "Y", "M", "X", "Y", "M"}}));
  EXPECT_EQ(coordinate.Value[0], (Row{"N1", "0.0", "0.0", kMark, kMark, kMark, "", "", ""}));
  EXPECT_EQ(coordinate.Value[2], (Row{"N3", "4000.0", "3000.0", "", "", "", "", "", ""}));
  // Only the loaded node.
  EXPECT_EQ(writer.TableOf("Node/ImposedLoadAndDisp").Value,
            (std::vector<Row>{{"N2", "1.0000e+01", "0.0000e+00", "0.0000e+00", "0.0000e+00",
                               "0.0000e+00", "0.0000e+00"}}));
}

TEST_F(NodeLoggerTest, ResultsWithoutSpringSupportsHaveNoSpringTables) {
  nodes.Force(MakeNode("N1", 0, 0, {}), {-10.0, 0.0, 30000.0});
  nodes.Disp(MakeNode("N2", 0, 0, {}), {1.5, 0.0, -0.001});
  const csRecordingWriter writer = Write(true);
  EXPECT_EQ(writer.outline, (Row{"1:Node", "2:Coordinate", "Table", "2:ImposedLoadAndDisp", "Table",
                                 "2:NodeLoad", "Table", "2:NodeDisp", "Table"}));
  const auto& load = writer.TableOf("Node/NodeLoad");
  EXPECT_EQ(load.Head, (std::vector<Row>{{"ID", "X", "Y", "M"}}));
  EXPECT_EQ(load.Value.size(), 3u);
  EXPECT_EQ(load.Value[0], (Row{"N1", "-1.0000e+01", "0.0000e+00", "3.0000e+04"}));
  EXPECT_EQ(writer.TableOf("Node/NodeDisp").Value[1],
            (Row{"N2", "1.5000e+00", "0.0000e+00", "-1.0000e-03"}));
}

TEST_F(NodeLoggerTest, SpringSupportsAreReportedUnderTheirNodes) {
  AddSpringSupport();
  groundNodes.Force({"N3_ssn", "N3", {}}, {0.0, 250.0, 0.0});
  groundNodes.Disp({"N3_ssn", "N3", {}}, {0.0, -5.0, 0.0});
  const csRecordingWriter writer = Write(true);
  EXPECT_EQ(writer.outline,
            (Row{"1:Node", "2:Coordinate", "Table", "2:ImposedLoadAndDisp", "Table",
                 "2:SpringSupportImposedDisp", "Table", "2:NodeLoad", "Table", "2:NodeDisp",
                 "Table", "2:SpringSupportNodeLoad", "Table", "2:SpringSupportNodeDisp", "Table"}));
  EXPECT_EQ(writer.TableOf("Node/Coordinate").Value[2],
            (Row{"N3", "4000.0", "3000.0", "", "", "", "0.0000e+00", "1.0000e+02", "0.0000e+00"}));
  EXPECT_EQ(writer.TableOf("Node/SpringSupportImposedDisp").Value,
            (std::vector<Row>{{"N3", "0.0000e+00", "-5.0000e+00", "0.0000e+00"}}));
  EXPECT_EQ(writer.TableOf("Node/SpringSupportNodeLoad").Value,
            (std::vector<Row>{{"N3", "0.0000e+00", "2.5000e+02", "0.0000e+00"}}));
  EXPECT_EQ(writer.TableOf("Node/SpringSupportNodeDisp").Value,
            (std::vector<Row>{{"N3", "0.0000e+00", "-5.0000e+00", "0.0000e+00"}}));
}

}  // namespace
