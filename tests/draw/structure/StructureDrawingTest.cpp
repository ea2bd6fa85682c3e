// The structure drawing read back from its DXF file: layers, titles, identifiers, members,
// hinges, force diagrams exact at a load point, and the mended faults (positions outside a
// member, a structure of zero height, an extent that must hold the origin). The drawings of
// the examples are kept whole as golden outputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "draw/dxf/DxfEntities.h"
#include "draw/structure/FrameRecords.h"
#include "draw/structure/PanelLayout.h"
#include "draw/structure/StructureDrawing.h"

namespace {

using namespace drawtest;
using dxftest::Entity;
using znDraw::csPanelLayout;
using znDraw::DxfProp;
using znDraw::StructureState;

std::string Bracketed(const std::string& word) {
  return "\x81\x79" + word + "\x81\x7a";
}

std::size_t Count(const std::vector<Entity>& texts, const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(texts.begin(), texts.end(), [&](const Entity& t) { return t.Str(1) == text; }));
}

bool HasVertex(const std::vector<Entity>& lines, double x, double y) {
  return std::any_of(lines.begin(), lines.end(), [&](const Entity& l) {
    return (std::abs(l.Num(10) - x) < 1e-6 && std::abs(l.Num(20) - y) < 1e-6) ||
           (std::abs(l.Num(11) - x) < 1e-6 && std::abs(l.Num(21) - y) < 1e-6);
  });
}

TEST(StructureDrawing, SmallFrameHasItsLayersTitlesIdentifiersMembersAndHinges) {
  const dxftest::Drawing d = dxftest::Parse(Write(Portal(), {PortalState()}));
  ASSERT_TRUE(d.complete);
  EXPECT_EQ(d.layers,
            (std::vector<std::string>{"Title", "Frame", "Rigid", "WElem", "Hinge", "NodeID",
                                      "ElemID", "WElemID", "Value", "Stress", "StressLast",
                                      "Rotation", "RotationLast", "Stretch", "StretchLast"}));
  const auto titles = d.Of("TEXT", "Title");
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[0].Str(1), Bracketed("Axial"));
  EXPECT_EQ(titles[1].Str(1), Bracketed("Shear"));
  EXPECT_EQ(titles[2].Str(1), Bracketed("Moment"));
  EXPECT_DOUBLE_EQ(titles[0].Num(40), 0.15 * 1500.0);  // 0.15 × the vertical margin

  // One identifier per node, member and wall in each of the three panels, bottom-left.
  const auto nodeIDs = d.Of("TEXT", "NodeID");
  EXPECT_EQ(nodeIDs.size(), 12u);
  for (const char* id : {"N1", "N2", "N3", "N4"}) EXPECT_EQ(Count(nodeIDs, id), 3u) << id;
  EXPECT_EQ(nodeIDs[0].Num(40), 150.0);
  EXPECT_EQ(nodeIDs[0].Str(72) + nodeIDs[0].Str(73), "01");
  const auto memberIDs = d.Of("TEXT", "ElemID");
  EXPECT_EQ(memberIDs.size(), 9u);
  for (const char* id : {"C1", "B1", "C2"}) EXPECT_EQ(Count(memberIDs, id), 3u) << id;
  EXPECT_EQ(Count(d.Of("TEXT", "WElemID"), "W1"), 3u);

  EXPECT_EQ(d.Of("LINE", "Frame").size(), 9u);
  EXPECT_EQ(d.Of("LINE", "Rigid").size(), 6u);  // both ends of the beam
  EXPECT_EQ(d.Of("LINE", "WElem").size(), 12u);
  // The pin: circles of rad_hinge / 1.5 and half that, inside the beam at its I face.
  const auto hinges = d.Of("CIRCLE", "Hinge");
  ASSERT_EQ(hinges.size(), 6u);
  EXPECT_NEAR(hinges[0].Num(40), 40.0 / 1.5, 1e-9);
  EXPECT_NEAR(hinges[1].Num(40), 40.0 / 3.0, 1e-9);
  EXPECT_NEAR(hinges[0].Num(10), 200.0 + 40.0 / 1.5, 1e-9);
  EXPECT_NEAR(hinges[0].Num(20), 3000.0, 1e-9);
  EXPECT_FALSE(d.Of("LINE", "StressLast").empty());
  EXPECT_TRUE(d.Of("LINE", "Stress").empty());  // no previous state
}

// A simply supported beam 6000 long on the x axis. Its extent has no height, so the width
// stands in: margin 3000, panel height 9000; the shear panel starts two panel heights down
// (y = -18000), the moment panel four (y = -36000).
znDraw::StructureRecords SimpleBeam() {
  znDraw::StructureRecords r;
  r.Nodes = {Node("N1", 0, 0), Node("N2", 6000, 0)};
  r.Elements = {Member("B1", "N1", "N2")};
  return r;
}

StructureState Supported(double shearAtI) {
  StructureState s;
  s.Elements["B1"].FaceForceI = {0.0, shearAtI, 0.0};
  return s;
}

TEST(StructureDrawing, DiagramsAreExactAtTheLoadPointAndPanelsSeparateForAFlatStructure) {
  znDraw::StructureRecords beam = SimpleBeam();
  beam.ConcentratedLoads = {PointLoad("B1", 3000.0, -10000.0)};
  DxfProp prop;
  prop.shear_ratio = 1e-2;
  prop.moment_ratio = 1e-5;
  const dxftest::Drawing d = dxftest::Parse(Write(beam, {Supported(5000.0)}, prop));
  const auto diagram = d.Of("LINE", "StressLast");
  // P·L/4 = 1.5e7 at mid-span, 150 off the axis; the shear jumps from +5000 to -5000 (±50).
  EXPECT_TRUE(HasVertex(diagram, 3000.0, -36000.0 + 150.0));
  EXPECT_TRUE(HasVertex(diagram, 3000.0, -18000.0 + 50.0));
  EXPECT_TRUE(HasVertex(diagram, 3000.0, -18000.0 - 50.0));
  EXPECT_EQ(Count(d.Of("TEXT", "Value"), "1.5e+07"), 1u);
  const auto titles = d.Of("TEXT", "Title");
  ASSERT_EQ(titles.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_DOUBLE_EQ(titles[k].Num(40), 0.15 * 3000.0);
    EXPECT_DOUBLE_EQ(titles[k].Num(20), -18000.0 * k - 4500.0);  // 10 title heights below
  }
}

// The report names positions outside a member; the drawing only leaves them out.
TEST(StructureDrawing, PositionsOutsideAMemberAreLeftOutNotTheDrawing) {
  znDraw::StructureRecords good = Portal();
  good.ElementStresses = {ElementStressProp{"B1", {}, {}, {1000.0}, {}, {}}};
  znDraw::StructureRecords bad = Portal();
  bad.ElementStresses = {ElementStressProp{"B1", {}, {}, {-10.0, 1000.0, 99999.0}, {}, {}},
                         ElementStressProp{"X9", {}, {}, {0.0}, {}, {}}};
  const std::string file = Write(bad, {PortalState()});
  EXPECT_TRUE(dxftest::Parse(file).complete);
  EXPECT_EQ(file, Write(good, {PortalState()}));
}

TEST(PanelLayout, ExtentHoldsTheOriginAndZeroSizesTakeTheOtherDimension) {
  const DxfProp prop;
  const csPanelLayout negative({{-4000.0, -3000.0}, {-1000.0, -500.0}}, prop);
  EXPECT_EQ(negative.ExtentMax(), (csPanelLayout::Point2{0.0, 0.0}));
  EXPECT_EQ(negative.PanelSize(), (csPanelLayout::Point2{6000.0, 4500.0}));
  EXPECT_EQ(csPanelLayout({{0.0, 3000.0}}, prop).PanelSize(),
            (csPanelLayout::Point2{4500.0, 4500.0}));
  const csPanelLayout point({{0.0, 0.0}}, prop);
  EXPECT_EQ(point.PanelSize(), (csPanelLayout::Point2{1.5, 1.5}));
  EXPECT_DOUBLE_EQ(point.TitleHeight(), 0.075);
}

}  // namespace
