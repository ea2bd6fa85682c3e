// The structure drawing read back from its DXF file: layers, titles, identifiers, members,
// hinges, force diagrams and their values, yield marks, the panel layout, and the mended
// faults (positions outside a member, a structure of zero height).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "draw/DxfEntities.h"
#include "draw/PanelLayout.h"
#include "draw/StructureDrawing.h"

namespace {

using namespace znDraw;
using znFEM::znTraceYield2DRahmen::EdgeLoadConcentratedProp;
using znFEM::znTraceYield2DRahmen::EdgeLoadDistributedProp;
using znFEM::znTraceYield2DRahmen::ElementProp;
using znFEM::znTraceYield2DRahmen::ElementStressProp;
using znFEM::znTraceYield2DRahmen::kElastic;
using znFEM::znTraceYield2DRahmen::kYieldedLower;
using znFEM::znTraceYield2DRahmen::kYieldedUpper;
using znFEM::znTraceYield2DRahmen::NodeProp;

const std::string kAxialTitle =
    "\x81\x79"
    "Axial"
    "\x81\x7a";
const std::string kShearTitle =
    "\x81\x79"
    "Shear"
    "\x81\x7a";
const std::string kMomentTitle =
    "\x81\x79"
    "Moment"
    "\x81\x7a";

NodeProp Node(const std::string& id, double x, double y) {
  NodeProp node;
  node.ID = id;
  node.Coordinate = {x, y};
  return node;
}

ElementProp Member(const std::string& id, const std::string& i, const std::string& j) {
  ElementProp member;
  member.ID = id;
  member.NodeID = {i, j};
  return member;
}

EdgeLoadConcentratedProp PointLoad(const std::string& id, double pos, double y) {
  EdgeLoadConcentratedProp load;
  load.ID = id;
  load.Pos = pos;
  load.Load = {0.0, y, 0.0};
  load.ECrd = true;
  return load;
}

EdgeLoadDistributedProp Uniform(const std::string& id, double q) {
  EdgeLoadDistributedProp load;
  load.ID = id;
  load.LoadI = {0.0, q};
  load.LoadJ = {0.0, q};
  load.ECrd = true;
  return load;
}

ElementStressProp Positions(const std::string& id, std::vector<double> positions) {
  ElementStressProp definition;
  definition.ID = id;
  definition.Positions = std::move(positions);
  return definition;
}

std::string Write(const StructureRecords& records, const std::vector<StructureState>& states,
                  const DxfProp& prop = DxfProp{}, bool withStepLabels = false) {
  std::ostringstream file;
  csDxf dxf(file);
  WriteStructureDrawing(dxf, prop, records, states, withStepLabels);
  return file.str();
}

// A portal frame 4000 wide and 3000 high; the beam has rigid zones and a pin at its I end.
StructureRecords Portal() {
  StructureRecords r;
  r.Nodes = {Node("N1", 0, 0), Node("N2", 0, 3000), Node("N3", 4000, 3000), Node("N4", 4000, 0)};
  r.Elements = {Member("C1", "N1", "N2"), Member("B1", "N2", "N3"), Member("C2", "N4", "N3")};
  r.Elements[1].Lij = {200.0, 300.0};
  r.Elements[1].IsRotarySpring = {true, false};
  r.Elements[1].Kij = {0.0, znFEM::znTraceYield2DRahmen::kInfinite};
  r.ConcentratedLoads = {PointLoad("B1", 2000.0, -10000.0)};
  r.DistributedLoads = {Uniform("B1", -2.0)};
  return r;
}

StructureState PortalState() {
  StructureState s;
  s.Elements["C1"].FaceForceI = {-9000.0, 1500.0, -2.0e6};
  s.Elements["B1"].FaceForceI = {1500.0, 8000.0, 0.0};
  s.Elements["C2"].FaceForceI = {-9000.0, -1500.0, 2.0e6};
  return s;
}

std::size_t Count(const std::vector<dxftest::Text>& texts, const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == text; }));
}

TEST(StructureDrawing, SmallFrameHasItsLayersTitlesIdentifiersMembersAndHinges) {
  const dxftest::Drawing d = dxftest::Parse(Write(Portal(), {PortalState()}));
  ASSERT_TRUE(d.complete);
  EXPECT_EQ(d.layers,
            (std::vector<std::string>{"Title", "Frame", "Rigid", "WElem", "Hinge", "NodeID",
                                      "ElemID", "WElemID", "Value", "Stress", "StressLast",
                                      "Rotation", "RotationLast", "Stretch", "StretchLast"}));
  const auto titles = d.TextsOn("Title");
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[0].text, kAxialTitle);
  EXPECT_EQ(titles[1].text, kShearTitle);
  EXPECT_EQ(titles[2].text, kMomentTitle);
  EXPECT_DOUBLE_EQ(titles[0].height, 0.15 * 1500.0);  // 0.15 × the vertical margin
  EXPECT_EQ(titles[0].colour, 7);

  // One identifier per node and member in each of the three panels.
  const auto nodeIDs = d.TextsOn("NodeID");
  EXPECT_EQ(nodeIDs.size(), 12u);
  for (const char* id : {"N1", "N2", "N3", "N4"}) EXPECT_EQ(Count(nodeIDs, id), 3u) << id;
  EXPECT_EQ(nodeIDs[0].height, 150.0);
  EXPECT_EQ(nodeIDs[0].horizontal, 0);  // bottom-left
  EXPECT_EQ(nodeIDs[0].vertical, 1);
  const auto memberIDs = d.TextsOn("ElemID");
  EXPECT_EQ(memberIDs.size(), 9u);
  for (const char* id : {"C1", "B1", "C2"}) EXPECT_EQ(Count(memberIDs, id), 3u) << id;

  EXPECT_EQ(d.LinesOn("Frame").size(), 9u);
  EXPECT_EQ(d.LinesOn("Rigid").size(), 6u);  // both ends of the beam, three panels
  // The pinned end: two circles of rad_hinge / 1.5 and half that, inside the beam at its face.
  const auto hinges = d.CirclesOn("Hinge");
  ASSERT_EQ(hinges.size(), 6u);
  EXPECT_NEAR(hinges[0].radius, 40.0 / 1.5, 1e-9);
  EXPECT_NEAR(hinges[1].radius, 40.0 / 3.0, 1e-9);
  EXPECT_NEAR(hinges[0].x, 200.0 + 40.0 / 1.5, 1e-9);
  EXPECT_NEAR(hinges[0].y, 3000.0, 1e-9);
  EXPECT_FALSE(d.LinesOn("StressLast").empty());
  EXPECT_TRUE(d.LinesOn("Stress").empty());  // no previous state
}

// A simply supported beam 6000 long on the x axis with a point load P at mid-span. Its extent
// has no height, so the width stands in: margin 3000, panel height 9000; the shear panel
// starts two panel heights down (y = -18000), the moment panel four (y = -36000).
StructureRecords SimpleBeam() {
  StructureRecords r;
  r.Nodes = {Node("N1", 0, 0), Node("N2", 6000, 0)};
  r.Elements = {Member("B1", "N1", "N2")};
  return r;
}

StructureState Supported(double shearAtI) {
  StructureState s;
  s.Elements["B1"].FaceForceI = {0.0, shearAtI, 0.0};
  return s;
}

bool HasVertex(const std::vector<dxftest::Line>& lines, double x, double y) {
  return std::any_of(lines.begin(), lines.end(), [&](const dxftest::Line& l) {
    return (std::abs(l.x1 - x) < 1e-6 && std::abs(l.y1 - y) < 1e-6) ||
           (std::abs(l.x2 - x) < 1e-6 && std::abs(l.y2 - y) < 1e-6);
  });
}

TEST(StructureDrawing, DiagramsAreExactAtTheLoadPoint) {
  StructureRecords beam = SimpleBeam();
  beam.ConcentratedLoads = {PointLoad("B1", 3000.0, -10000.0)};
  DxfProp prop;
  prop.shear_ratio = 1e-2;
  prop.moment_ratio = 1e-5;
  const dxftest::Drawing d = dxftest::Parse(Write(beam, {Supported(5000.0)}, prop));
  const auto diagram = d.LinesOn("StressLast");
  // Moment P·L/4 = 1.5e7 at mid-span, drawn 150 off the axis; the shear jumps from +5000 to
  // -5000 there (±50).
  EXPECT_TRUE(HasVertex(diagram, 3000.0, -36000.0 + 150.0));
  EXPECT_TRUE(HasVertex(diagram, 3000.0, -18000.0 + 50.0));
  EXPECT_TRUE(HasVertex(diagram, 3000.0, -18000.0 - 50.0));
  EXPECT_EQ(Count(d.TextsOn("Value"), "1.5e+07"), 1u);
}

TEST(StructureDrawing, CurvedMomentDiagramIsDrawnThroughDistsepDivisions) {
  StructureRecords beam = SimpleBeam();
  beam.DistributedLoads = {Uniform("B1", -1.0)};
  DxfProp prop;
  prop.moment_ratio = 1e-5;
  prop.distsep = 4;
  const dxftest::Drawing d = dxftest::Parse(Write(beam, {Supported(3000.0)}, prop));
  std::vector<dxftest::Line> moment;
  for (const auto& l : d.LinesOn("StressLast")) {
    if (l.y1 < -30000.0) moment.push_back(l);
  }
  EXPECT_EQ(moment.size(), 4u);  // the parabola through four chords
  for (const double x : {1500.0, 3000.0, 4500.0}) {
    const double m = 3000.0 * x - x * x / 2.0;  // q·L·x/2 − q·x²/2
    EXPECT_TRUE(HasVertex(moment, x, -36000.0 + m * 1e-5)) << x;
  }
}

TEST(StructureDrawing, ZeroHeightStructureUsesItsWidthForPanelsAndTitles) {
  const dxftest::Drawing d = dxftest::Parse(Write(SimpleBeam(), {Supported(0.0)}));
  const auto titles = d.TextsOn("Title");
  ASSERT_EQ(titles.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_DOUBLE_EQ(titles[k].height, 0.15 * 3000.0);
    // 10 title heights below each panel origin, panels 2 × 9000 apart.
    EXPECT_DOUBLE_EQ(titles[k].y, -18000.0 * k - 4500.0);
  }
}

// The report names positions outside a member; the drawing only leaves them out.
TEST(StructureDrawing, PositionsOutsideAMemberAreLeftOutNotTheDrawing) {
  StructureRecords good = Portal();
  good.ElementStresses = {Positions("B1", {1000.0})};
  StructureRecords bad = Portal();
  bad.ElementStresses = {Positions("B1", {-10.0, 1000.0, 99999.0}), Positions("X9", {0.0})};
  const std::string expected = Write(good, {PortalState()});
  const std::string file = Write(bad, {PortalState()});
  EXPECT_TRUE(dxftest::Parse(file).complete);
  EXPECT_EQ(file, expected);
}

TEST(StructureDrawing, ValueTextsRunAcrossTheMemberAndNeverUpsideDown) {
  const dxftest::Drawing d = dxftest::Parse(Write(Portal(), {PortalState()}));
  const auto values = d.TextsOn("Value");
  ASSERT_FALSE(values.empty());
  for (const auto& t : values) {
    EXPECT_GT(t.rotation, -90.0) << t.text;
    EXPECT_LE(t.rotation, 90.0) << t.text;
    EXPECT_EQ(t.colour, 2);
    // Anchored top-left or bottom-right.
    EXPECT_TRUE((t.horizontal == 0 && t.vertical == 3) || (t.horizontal == 2 && t.vertical == 1));
    // Across the member: vertical on the beam, horizontal on the columns.
    const bool onBeam = std::abs(t.rotation - 90.0) < 1e-9;
    const bool onColumn = std::abs(t.rotation) < 1e-9;
    EXPECT_TRUE(onBeam || onColumn) << t.rotation;
  }
  // The axial force of the columns, 9000 in tension, is written once per column.
  EXPECT_EQ(Count(values, "9000"), 2u);
}

TEST(StructureDrawing, LaterStateShowsThePreviousDiagramAndEarlierYieldMarks) {
  std::vector<StructureState> states(2, PortalState());
  states[0].Step = 1;
  states[0].Nodes["N2"].PanelState = kYieldedUpper;
  states[1].Step = 2;
  states[1].Nodes["N2"].PanelState = kYieldedUpper;
  states[1].Nodes["N3"].PanelState = kYieldedLower;
  states[1].Elements["C1"].AxialState = {kYieldedUpper, kElastic};
  states[1].Elements["B1"].HingeState = {kElastic, kYieldedLower};
  const dxftest::Drawing d = dxftest::Parse(Write(Portal(), states, DxfProp{}, true));

  const auto titles = d.TextsOn("Title");
  EXPECT_EQ(Count(titles,
                  "\x81\x79"
                  "Step:1"
                  "\x81\x7a"),
            3u);
  EXPECT_EQ(Count(titles,
                  "\x81\x79"
                  "Step:2"
                  "\x81\x7a"),
            3u);
  // N2 yielded in step 1: this step's mark there, an earlier step's mark in step 2.
  EXPECT_EQ(d.CirclesOn("RotationLast").size(), 3u);
  EXPECT_EQ(d.CirclesOn("Rotation").size(), 3u);
  EXPECT_EQ(d.LinesOn("RotationLast").size(), 3u * 4u);  // N3's square, step 2
  EXPECT_EQ(Count(d.TextsOn("StretchLast"), "N+"), 3u);
  EXPECT_EQ(d.LinesOn("StretchLast").size(), 3u * 2u);             // a cross on C1
  EXPECT_EQ(d.CirclesOn("Hinge").size(), 3u * 2u + 3u * 2u * 2u);  // the pin, then the new hinge
  EXPECT_EQ(d.LinesOn("Stress").size() * 2, d.LinesOn("StressLast").size());
}

TEST(PanelLayout, ExtentHoldsTheOriginAndZeroSizesTakeTheOtherDimension) {
  const DxfProp prop;
  const csPanelLayout negative({{-4000.0, -3000.0}, {-1000.0, -500.0}}, prop);
  EXPECT_EQ(negative.ExtentMin(), (csPanelLayout::Point2{-4000.0, -3000.0}));
  EXPECT_EQ(negative.ExtentMax(), (csPanelLayout::Point2{0.0, 0.0}));
  EXPECT_EQ(negative.PanelSize(), (csPanelLayout::Point2{6000.0, 4500.0}));
  EXPECT_DOUBLE_EQ(negative.TitleHeight(), 0.15 * 1500.0);

  const csPanelLayout column({{0.0, 0.0}, {0.0, 3000.0}}, prop);
  EXPECT_EQ(column.PanelSize(), (csPanelLayout::Point2{4500.0, 4500.0}));
  const csPanelLayout point({{0.0, 0.0}}, prop);
  EXPECT_EQ(point.PanelSize(), (csPanelLayout::Point2{1.5, 1.5}));
  EXPECT_DOUBLE_EQ(point.TitleHeight(), 0.075);
}

TEST(PanelLayout, PanelsFillRowsAndEachForceKindStartsTwoPanelsLower) {
  DxfProp prop;
  prop.row_n = 2;
  csPanelLayout layout({{4000.0, 2000.0}}, prop);  // panels 6000 × 3000
  layout.NextPanel();
  EXPECT_EQ(layout.Origin(), (csPanelLayout::Point2{6000.0, 0.0}));
  layout.NextPanel();
  EXPECT_EQ(layout.Origin(), (csPanelLayout::Point2{0.0, -3000.0}));
  layout.NextPanel();
  layout.NextKind();
  EXPECT_EQ(layout.Origin(), (csPanelLayout::Point2{0.0, -9000.0}));
  layout.NextPanel();
  layout.NextPanel();
  layout.NextKind();  // the full row has moved down already
  EXPECT_EQ(layout.Origin(), (csPanelLayout::Point2{0.0, -15000.0}));
}

}  // namespace
