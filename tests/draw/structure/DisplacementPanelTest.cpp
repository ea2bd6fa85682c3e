// The Displacement panel: a cantilever under a tip load drawn along its closed-form deflection,
// the panel in the DXF only with disp_ratio, and the scales a picture fits to the structure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "draw/dxf/DxfEntities.h"
#include "draw/structure/FrameRecords.h"
#include "draw/structure/StructurePicture.h"

namespace {

using namespace drawtest;

constexpr double L = 2000.0, E = 2.0e5, I = 1.0e8, A = 1.0e4, P = 1500.0;

struct Cantilever {
  znDraw::StructureRecords records;
  znDraw::StructureState state;
  double shearFlexibility = 0.0;  // κ/GA

  // Deflection of the cantilever clamped at x = 0 under -P at x = L.
  double V(double x) const {
    return -P * x * x * (3 * L - x) / (6 * E * I) - P * x * shearFlexibility;
  }
};

Cantilever MakeCantilever(double kappa, double poisson) {
  Cantilever c;
  c.records.Nodes = {Node("N1", 0, 0), Node("N2", L, 0)};
  c.records.Elements = {Member("B1", "N1", "N2")};
  ElementProp& m = c.records.Elements[0];
  m.E = E, m.I = I, m.A = A, m.Kappa = kappa, m.Poisson = poisson;
  c.shearFlexibility = kappa > 0 ? kappa / (E / (2 * (1 + poisson)) * A) : 0.0;
  // The force on the member at its clamped face: P up and the moment P·L counter-clockwise.
  c.state.Elements["B1"].FaceForceI = {0.0, P, P * L};
  c.state.Nodes["N2"].Disp = {0.0, c.V(L), -P * L * L / (2 * E * I)};
  return c;
}

TEST(DisplacementPanel, CantileverFollowsTheCubicAndReachesPL3Over3EIAtTheDrawnScale) {
  for (const double kappa : {0.0, 1.2}) {
    const Cantilever c = MakeCantilever(kappa, 0.3);
    znDraw::DxfProp prop;
    prop.disp_ratio = 1000.0;
    const dxftest::Drawing d = dxftest::Parse(Write(c.records, {c.state}, prop));
    // The fourth panel's N1 stands at the panel origin.
    const auto nodeIDs = d.Of("TEXT", "NodeID");
    ASSERT_EQ(nodeIDs.size(), 8u);
    const double originY = nodeIDs[6].Num(20);
    const auto lines = d.Of("LINE", "Deformed");
    ASSERT_GE(lines.size(), 16u);
    double tip = 0.0;
    for (const dxftest::Entity& line : lines) {
      const double x = line.Num(11);
      const double drawn = (line.Num(21) - originY) / prop.disp_ratio;
      EXPECT_NEAR(drawn, c.V(x), 1e-9 * std::abs(c.V(L))) << "kappa " << kappa << " x " << x;
      if (x == L) tip = drawn;
    }
    const double bending = P * L * L * L / (3 * E * I);
    EXPECT_NEAR(tip, -bending - P * L * c.shearFlexibility, 1e-12) << kappa;
  }
  // Without disp_ratio the DXF keeps its three panels and its layers.
  const Cantilever c = MakeCantilever(0.0, 0.0);
  const dxftest::Drawing plain = dxftest::Parse(Write(c.records, {c.state}));
  EXPECT_EQ(plain.Of("TEXT", "Title").size(), 3u);
  EXPECT_EQ(std::count(plain.layers.begin(), plain.layers.end(), "Deformed"), 0);
}

// Largest shear P, largest moment P·L, tip deflection PL³/3EI on a member 2000 long: the
// diagrams reach 15 % of 2000 and the tip 5 % of it, scales rounded to two digits.
TEST(DisplacementPanel, PictureFitsTheScalesItIsNotGivenAndNamesThem) {
  const Cantilever c = MakeCantilever(0.0, 0.0);
  znDraw::csSvgPicture picture;
  picture.Draw(znDraw::DxfProp{}, c.records, {c.state}, true, nullptr);
  const std::string& svg = picture.Element();
  const double tip = P * L * L * L / (3 * E * I);
  EXPECT_EQ(0.05 * L / tip, 500.0);
  for (const char* title :
       {">Axial  (scale 1e-07)</text>", ">Shear  (scale 0.2)</text>",
        ">Moment  (scale 0.0001)</text>", ">Displacement  (scale 500)</text>"}) {
    EXPECT_NE(svg.find(title), std::string::npos) << title << "\n" << svg;
  }
  // Text heights follow the member: 6 % of its length.
  EXPECT_NE(svg.find("font-size=\"164.384\""), std::string::npos);

  // A given scale is kept.
  znDraw::DxfProp given;
  given.shear_ratio = 0.5;
  given.given = {"shear_ratio"};
  picture.Draw(given, c.records, {c.state}, true, nullptr);
  EXPECT_NE(picture.Element().find(">Shear  (scale 0.5)</text>"), std::string::npos);
}

}  // namespace
