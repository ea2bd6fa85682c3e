// The loggers keep the records in a form of their own; what they hand out again must be the
// records they were given, every value as it came (a -0.0 too), except what they drop on purpose:
// the element's node pointers and fixed-end forces, a node's all-zero loads.
#include <gtest/gtest.h>

#include <cmath>

#include "fem/app/report/EdgeLoadFixCaseLogger.h"
#include "fem/app/report/ElementLogger.h"
#include "fem/app/report/NodeLogger.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using znFEM::znTarvex::csEdgeLoadFixCaseLogger;
using znFEM::znTarvex::csElementLogger;
using znFEM::znTarvex::csNodeLogger;

TEST(KeptRecords, NodesAndElementsComeBackWhole) {
  NodeProp plain;
  plain.ID = "N1";
  plain.Coordinate = {1.5, -2.0};
  plain.IsSupported = {true, false, true};
  plain.ImposedLoads = {Triple{0.0, 0.0, 0.0}};
  NodeProp panel = plain;
  panel.ID = "N2";
  panel.ImposedLoads = {Triple{0.0, -3.0, 0.0}, Triple{1.0, 0.0, 0.0}};
  panel.Myp = {40.0, -30.0};
  panel.WithFaceShear = true;
  panel.ExcludedElement = 1;
  panel.ElementProps = {{"B1", 0.25, kTHLR_L, 0.0}, {"C1", 0.5, kTHLR_T, 2.0}};
  csNodeLogger nodes;
  nodes.Prop(plain);
  nodes.Prop(panel);
  const std::vector<NodeProp> lentNodes = nodes.LendProps();
  ASSERT_EQ(lentNodes.size(), 2u);
  EXPECT_EQ(lentNodes[0].ID, "N1");
  EXPECT_EQ(lentNodes[0].Coordinate, plain.Coordinate);
  EXPECT_EQ(lentNodes[0].IsSupported, plain.IsSupported);
  EXPECT_TRUE(lentNodes[0].ImposedLoads.empty());
  EXPECT_EQ(lentNodes[1].ID, "N2");
  EXPECT_EQ(lentNodes[1].ImposedLoads, panel.ImposedLoads);
  EXPECT_EQ(lentNodes[1].ImposedDisps, panel.ImposedDisps);
  EXPECT_EQ(lentNodes[1].Myp, panel.Myp);
  EXPECT_TRUE(lentNodes[1].WithFaceShear);
  EXPECT_EQ(lentNodes[1].ExcludedElement, 1u);
  ASSERT_EQ(lentNodes[1].ElementProps.size(), 2u);
  EXPECT_EQ(lentNodes[1].ElementProps[1].ID, "C1");
  EXPECT_EQ(lentNodes[1].ElementProps[1].KijForPy, 2.0);

  ElementProp beam;
  beam.ID = "B1";
  beam.NodeID = {"N1", "N2"};
  beam.A = 1.0e4;
  beam.E = 2.05e5;
  beam.I = 2.0e8;
  beam.Poisson = 0.3;
  beam.Kappa = 1.2;
  beam.Lij = {100.0, 0.0};
  beam.IsRotarySpring = {true, false};
  beam.Kij = {0.0, kInfinite};
  ElementProp yielding = beam;
  yielding.ID = "B2";
  yielding.My = {Limits{50.0, -50.0}, Limits{60.0, -40.0}};
  yielding.PreFaceLoad = {Triple{1.0, 2.0, 3.0}, Triple{-1.0, -2.0, -3.0}};
  yielding.FixCases = {FixCaseLoad{}};
  csElementLogger elements;
  elements.Prop(beam);
  elements.Prop(yielding);
  const std::vector<ElementProp> lent = elements.LendProps();
  ASSERT_EQ(lent.size(), 2u);
  for (const ElementProp& prop : lent) {
    EXPECT_EQ(prop.NodeID, beam.NodeID);
    EXPECT_EQ(prop.A, beam.A);
    EXPECT_EQ(prop.E, beam.E);
    EXPECT_EQ(prop.I, beam.I);
    EXPECT_EQ(prop.Poisson, beam.Poisson);
    EXPECT_EQ(prop.Kappa, beam.Kappa);
    EXPECT_EQ(prop.Lij, beam.Lij);
    EXPECT_EQ(prop.Kij, beam.Kij);
    EXPECT_EQ(prop.IsRotarySpring, beam.IsRotarySpring);
    EXPECT_EQ(prop.Ny, beam.Ny);
    EXPECT_TRUE(prop.FixCases.empty());
  }
  EXPECT_EQ(lent[0].My, beam.My);
  EXPECT_EQ(lent[0].PreFaceLoad, beam.PreFaceLoad);
  EXPECT_EQ(lent[1].ID, "B2");
  EXPECT_EQ(lent[1].My, yielding.My);
  EXPECT_EQ(lent[1].PreFaceLoad, yielding.PreFaceLoad);
}

TEST(KeptRecords, SegmentForcesComeBackWithTheirSigns) {
  csEdgeLoadFixCaseLogger::SegmentForces forces{};
  forces[1] = -25.0;
  forces[4] = -0.0;
  forces[17] = 1.0e-300;
  csEdgeLoadFixCaseLogger logger;
  logger.DistributedLoad(csEdgeLoadFixCaseLogger::SegmentForces{}, EdgeLoadDistributedProp{});
  logger.DistributedLoad(forces, EdgeLoadDistributedProp{});
  const auto& applied = logger.GetDistributedLoads();
  ASSERT_EQ(applied.size(), 2u);
  const csEdgeLoadFixCaseLogger::SegmentForces none = logger.ForcesOf(applied[0]);
  const csEdgeLoadFixCaseLogger::SegmentForces kept = logger.ForcesOf(applied[1]);
  for (std::size_t k = 0; k < forces.size(); ++k) {
    EXPECT_EQ(none[k], 0.0);
    EXPECT_FALSE(std::signbit(none[k]));
    EXPECT_EQ(kept[k], forces[k]) << k;
    EXPECT_EQ(std::signbit(kept[k]), std::signbit(forces[k])) << k;
  }
}

}  // namespace
