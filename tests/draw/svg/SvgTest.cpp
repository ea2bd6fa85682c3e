// The SVG writer: colours on the entities, one group per layer, the y axis, the size, joined
// line strips and the text made safe for XML.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "draw/svg/Svg.h"

namespace {

using znDraw::csSvg;

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(Svg, EntitiesCarryTheirColoursInOneGroupPerLayerWithTheYAxisUp) {
  csSvg svg;
  svg.AddLayer("Frame");
  svg.AddLayer("Value");
  svg.SetLayer("Value");
  svg.SetColor(1);  // colour 2, yellow: darkened
  svg.MoveTo(0, 0, 0);
  svg.LineTo(1000, 0, 0);
  svg.LineTo(1000, 500, 0);  // continues the strip
  svg.SetLayer("Frame");
  svg.SetColor(6);  // colour 7, white: black
  svg.MoveTo(0, 0, 0);
  svg.LineTo(0, 2000, 0);
  svg.SetColor(0);  // colour 1, red: a strip of its own
  svg.LineTo(500, 2000, 0);
  svg.SetAlign(4);
  svg.Circle(10);
  const std::string e = svg.Element();
  EXPECT_LT(e.find("<g id=\"layer-Frame\""), e.find("<g id=\"layer-Value\""));
  EXPECT_NE(e.find("<polyline points=\"0,0 1000,0 1000,-500\" stroke=\"#b89600\"/>"),
            std::string::npos)
      << e;
  EXPECT_NE(e.find("<polyline points=\"0,0 0,-2000\" stroke=\"#000000\"/>"), std::string::npos);
  EXPECT_NE(e.find("<polyline points=\"0,-2000 500,-2000\" stroke=\"#ff0000\"/>"),
            std::string::npos);
  EXPECT_NE(e.find("<circle cx=\"500\" cy=\"-2000\" r=\"10\" stroke=\"#ff0000\"/>"),
            std::string::npos);
  EXPECT_EQ(Count(e, "<g "), 2u);

  // The drawing spans 1000 × 2010 (the circle reaches 2010), with a margin of 2 % of the
  // larger side: the taller side is 2000 px.
  std::smatch size;
  ASSERT_TRUE(std::regex_search(e, size, std::regex("width=\"([^\"]+)\" height=\"([^\"]+)\"")));
  EXPECT_NEAR(std::stod(size[1]), 2000.0 * (1000.0 + 80.4) / (2010.0 + 80.4), 0.01);
  EXPECT_EQ(size[2], "2000");
}

TEST(Svg, TextsStayUprightAnchoredAndEscaped) {
  csSvg svg;
  svg.SetLayer("NodeID");
  svg.SetTextHeight(100);
  svg.SetAlign(0);  // top-left: the baseline one height below the pen
  svg.SetRotation(90);
  svg.MoveTo(10, 20, 0);
  svg.Text("a<b&\"c\"\x81\x79");  // a byte that begins no UTF-8 character
  const std::string e = svg.Element();
  EXPECT_NE(e.find("<text x=\"10\" y=\"80\" font-size=\"136.986\" fill=\"#000000\" "
                   "text-anchor=\"start\" transform=\"rotate(-90 10 -20)\">"
                   "a&lt;b&amp;&quot;c&quot;\xEF\xBF\xBDy</text>"),
            std::string::npos)
      << e;
}

}  // namespace
