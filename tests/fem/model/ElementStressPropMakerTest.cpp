// The element-stress record built from the model's records: coordinates by node ID, rigid
// zones, the positions asked for and only the member's own edge loads.
#include <gtest/gtest.h>

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
  prop.Lij = {100.0, 50.0};
  return prop;
}

const csElementStressPropMaker kMaker(
    {Node("N1", 0.0, 0.0), Node("N2", 0.0, 3000.0), Node("N3", 4000.0, 3000.0)},
    {Element("C1", "N1", "N2"), Element("B1", "N2", "N3"), Element("X1", "N2", "N9")},
    {{"B1", 0, {}, 100.0, true}, {"C1", 0, {}, 200.0, true}, {"B1", 0, {}, 300.0, true}},
    {{"C1", 0, {}, {}, 10.0, 0.0, true}, {"B1", 0, {}, {}, 20.0, 0.0, true}});

TEST(ElementStressPropMaker, TakesTheMembersGeometryPositionsAndOwnLoads) {
  const ElementStressProp prop =
      kMaker.Make(ElementStressProp{"B1", {}, {}, {0.0, 2000.0}, {}, {}});
  EXPECT_EQ(prop.ID, "B1");
  EXPECT_EQ(prop.Coordinates[0], (Point2{0.0, 3000.0}));
  EXPECT_EQ(prop.Coordinates[1], (Point2{4000.0, 3000.0}));
  EXPECT_EQ(prop.Lij, (PerEnd<double>{100.0, 50.0}));
  EXPECT_EQ(prop.Positions, (std::vector<double>{0.0, 2000.0}));
  ASSERT_EQ(prop.ConcentratedLoads.size(), 2u);
  EXPECT_EQ(prop.ConcentratedLoads[0].Pos, 100.0);  // in input order
  EXPECT_EQ(prop.ConcentratedLoads[1].Pos, 300.0);
  ASSERT_EQ(prop.DistributedLoads.size(), 1u);
  EXPECT_EQ(prop.DistributedLoads[0].PosI, 20.0);
}

TEST(ElementStressPropMaker, UnknownMemberOrNodeIsReportedWithItsIDs) {
  try {
    kMaker.Make("B9");
    ADD_FAILURE() << "made a record for an unknown member";
  } catch (const csElementStressPropMaker::exSpecifiedElementIsnotExist& e) {
    EXPECT_EQ(e.ID, "B9");
  }
  try {
    kMaker.Make("X1");
    ADD_FAILURE() << "made a record for a member without its node";
  } catch (const csElementStressPropMaker::exSpecifiedNodeIsnotExist& e) {
    EXPECT_EQ(e.ID, "X1");
    EXPECT_EQ(e.NodeID, "N9");
  }
}

// Records are looked up in input order first; a repeated ID still names its first record.
TEST(ElementStressPropMaker, RepeatedIDNamesTheFirstRecord) {
  const csElementStressPropMaker maker(
      {Node("N1", 0.0, 0.0), Node("N2", 0.0, 3000.0), Node("N3", 4000.0, 3000.0),
       Node("N2", 7.0, 7.0)},
      {Element("B1", "N3", "N2"), Element("B1", "N1", "N3")}, {},
      {{"B1", 0, {}, {}, 10.0, 0.0, true}, {"B1", 0, {}, {}, 20.0, 0.0, true}});
  const ElementStressProp prop = maker.MakeAt(0, {});
  EXPECT_EQ(prop.Coordinates[1], (Point2{0.0, 3000.0}));
  EXPECT_EQ(prop.DistributedLoads.size(), 2u);
  EXPECT_TRUE(maker.MakeAt(1, {}).DistributedLoads.empty());
}

}  // namespace
