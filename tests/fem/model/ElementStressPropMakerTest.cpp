// The element-stress record built from the model's records: coordinates by node ID, rigid
// zones, the positions asked for and only the member's own edge loads.
#include <gtest/gtest.h>

#include <sstream>

#include "fem/model/ElementStressPropMaker.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

NodeProp Node(const std::string& id, double x, double y) {
  NodeProp prop;
  prop.ID = id;
  prop.Coordinate = {x, y};
  return prop;
}

ElementProp Element(const std::string& id, const std::string& i, const std::string& j) {
  ElementProp prop;
  prop.ID = id;
  prop.NodeID = {i, j};
  return prop;
}

EdgeLoadConcentratedProp PointLoad(const std::string& id, double pos) {
  EdgeLoadConcentratedProp load;
  load.ID = id;
  load.Pos = pos;
  return load;
}

EdgeLoadDistributedProp LineLoad(const std::string& id, double posi) {
  EdgeLoadDistributedProp load;
  load.ID = id;
  load.PosI = posi;
  return load;
}

class ElementStressPropMakerTest : public testing::Test {
 protected:
  ElementStressPropMakerTest()
      : maker_({Node("N1", 0.0, 0.0), Node("N2", 0.0, 3000.0), Node("N3", 4000.0, 3000.0)},
               {Element("C1", "N1", "N2"), Element("B1", "N2", "N3"), Element("X1", "N2", "N9")},
               {PointLoad("B1", 100.0), PointLoad("C1", 200.0), PointLoad("B1", 300.0)},
               {LineLoad("C1", 10.0), LineLoad("B1", 20.0)}) {}
  csElementStressPropMaker maker_;
};

TEST_F(ElementStressPropMakerTest, TakesTheMembersGeometryPositionsAndOwnLoads) {
  ElementStressProp definition;
  definition.ID = "B1";
  definition.Positions = {0.0, 2000.0};
  const ElementStressProp prop = maker_.Make(definition);
  EXPECT_EQ(prop.ID, "B1");
  EXPECT_EQ(prop.Coordinates[0], (Point2{0.0, 3000.0}));
  EXPECT_EQ(prop.Coordinates[1], (Point2{4000.0, 3000.0}));
  EXPECT_EQ(prop.Positions, definition.Positions);
  ASSERT_EQ(prop.ConcentratedLoads.size(), 2u);
  EXPECT_EQ(prop.ConcentratedLoads[0].Pos, 100.0);  // in input order
  EXPECT_EQ(prop.ConcentratedLoads[1].Pos, 300.0);
  ASSERT_EQ(prop.DistributedLoads.size(), 1u);
  EXPECT_EQ(prop.DistributedLoads[0].PosI, 20.0);

  std::ostringstream dump;
  dump << prop;
  EXPECT_NE(dump.str().find("(Stress.I) : 0, 3000\n"), std::string::npos) << dump.str();
  EXPECT_NE(dump.str().find("(Stress.J) : 4000, 3000\n"), std::string::npos) << dump.str();
}

TEST_F(ElementStressPropMakerTest, UnknownMemberOrNodeIsReportedWithItsIDs) {
  try {
    maker_.Make("B9");
    ADD_FAILURE() << "made a record for an unknown member";
  } catch (const csElementStressPropMaker::exSpecifiedElementIsnotExist& e) {
    EXPECT_EQ(e.ID, "B9");
  }
  try {
    maker_.Make("X1");
    ADD_FAILURE() << "made a record for a member without its node";
  } catch (const csElementStressPropMaker::exSpecifiedNodeIsnotExist& e) {
    EXPECT_EQ(e.ID, "X1");
    EXPECT_EQ(e.NodeID, "N9");
  }
}

}  // namespace
