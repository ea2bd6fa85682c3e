// The DXF writer: file layout, anchoring, handles, and a check by an independent DXF reader.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "draw/Dxf.h"

namespace {

using znDraw::csDxf;

struct stEntity {
  std::string kind;
  std::vector<std::pair<std::string, std::string>> groups;

  std::string Value(const std::string& code) const {
    for (const auto& [c, v] : groups)
      if (c == code) return v;
    return "<missing " + code + ">";
  }
};

std::string FileOf(void (*draw)(csDxf&)) {
  std::ostringstream os;
  csDxf dxf(os);
  draw(dxf);
  dxf.Write();
  return os.str();
}

std::vector<std::pair<std::string, std::string>> Groups(const std::string& file) {
  std::istringstream is(file);
  std::vector<std::pair<std::string, std::string>> groups;
  std::string code, value;
  while (std::getline(is, code) && std::getline(is, value)) groups.emplace_back(code, value);
  return groups;
}

// The entities of the ENTITIES section, each with its groups after the "  0" kind group.
std::vector<stEntity> Entities(const std::string& file) {
  std::vector<stEntity> entities;
  bool inEntities = false;
  for (const auto& [code, value] : Groups(file)) {
    if (code == "  2" && value == "ENTITIES") inEntities = true;
    if (!inEntities) continue;
    if (code == "  0") {
      if (value == "ENDSEC") break;
      entities.push_back({value, {}});
    } else if (!entities.empty()) {
      entities.back().groups.emplace_back(code, value);
    }
  }
  return entities;
}

std::string HandleSeed(const std::string& file) {
  const auto groups = Groups(file);
  for (std::size_t i = 0; i + 1 < groups.size(); ++i)
    if (groups[i].second == "$HANDSEED") return groups[i + 1].second;
  return "<none>";
}

const char* const kEmptyFile =
    "  0\nSECTION\n  2\nHEADER\n"
    "  9\n$ACADVER\n  1\nAC1015\n  9\n$DWGCODEPAGE\n  3\nANSI_932\n  9\n$HANDSEED\n  5\n5\n"
    "  0\nENDSEC\n"
    "  0\nSECTION\n  2\nTABLES\n"
    "  0\nTABLE\n  2\nLTYPE\n  5\n1\n100\nAcDbSymbolTable\n 70\n3\n"
    "  0\nLTYPE\n  5\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n  2\nDOT\n"
    " 70\n64\n  3\nDot . . . . . . . . . .\n 72\n65\n 73\n2\n 40\n7.35\n 49\n1\n 49\n-6.35\n"
    "  0\nLTYPE\n  5\n3\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n  2\nDASHED\n"
    " 70\n64\n  3\nDashed __ __ __ __ __ __\n 72\n65\n 73\n2\n 40\n19.05\n 49\n12.7\n 49\n-6.35\n"
    "  0\nLTYPE\n  5\n4\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n  2\nDASHDOT\n"
    " 70\n64\n  3\nDash Dot __ . __ . __ . __ . __ .\n 72\n65\n 73\n4\n 40\n26.4\n"
    " 49\n12.7\n 49\n-6.35\n 49\n1\n 49\n-6.35\n"
    "  0\nENDTAB\n"
    "  0\nENDSEC\n"
    "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n"
    "  0\nEOF\n";

TEST(Dxf, EmptyDrawingWritesHeaderLineTypesAndEmptyEntities) {
  EXPECT_EQ(FileOf([](csDxf&) {}), kEmptyFile);
}

TEST(Dxf, NothingIsWrittenBeforeWriteNorToAFailedStream) {
  std::ostringstream os;
  csDxf dxf(os);
  dxf.LineTo(1.0, 2.0, 0.0);
  EXPECT_EQ(os.str(), "");
  os.setstate(std::ios_base::badbit);
  dxf.Write();
  EXPECT_EQ(os.str(), "");
}

TEST(Dxf, LayerRegisteredTwiceGivesOneRecord) {
  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Frame");
    d.AddLayer("Value");
    d.AddLayer("Frame");
  });
  const std::string layerTable =
      "  0\nTABLE\n  2\nLAYER\n  5\n5\n100\nAcDbSymbolTable\n 70\n2\n"
      "  0\nLAYER\n  5\n6\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nFrame\n"
      " 70\n0\n 62\n1\n  6\nCONTINUOUS\n"
      "  0\nLAYER\n  5\n7\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nValue\n"
      " 70\n0\n 62\n1\n  6\nCONTINUOUS\n"
      "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
  EXPECT_NE(file.find(layerTable), std::string::npos) << file;
  EXPECT_EQ(HandleSeed(file), "8");
}

TEST(Dxf, TextCarriesPenStateAndJustificationOfItsAnchor) {
  // Expected horizontal (72) and vertical (73) justification of each anchor code.
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"0", "3"}, {"1", "3"}, {"2", "3"}, {"0", "2"}, {"1", "2"},
      {"2", "2"}, {"0", "1"}, {"1", "1"}, {"2", "1"}};
  std::ostringstream os;
  csDxf dxf(os);
  dxf.SetLayer("NodeID");
  dxf.SetColor(4);
  dxf.SetTextHeight(150.0);
  dxf.SetRotation(90.0);
  dxf.MoveTo(1.5, -2.0, 0.25);
  for (int code = 0; code < 9; ++code) {
    dxf.SetAlign(code);
    dxf.Text("N" + std::to_string(code));
  }
  dxf.Write();
  const auto texts = Entities(os.str());
  ASSERT_EQ(texts.size(), 9u);
  for (int code = 0; code < 9; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(texts[code].Value(" 72"), expected[code].first);
    EXPECT_EQ(texts[code].Value(" 73"), expected[code].second);
  }
  const std::vector<std::pair<std::string, std::string>> layout = {
      {"  5", "5"},        {"100", "AcDbEntity"}, {"  8", "NodeID"}, {" 62", "5"},
      {"100", "AcDbText"}, {" 10", "1.5"},        {" 20", "-2"},     {" 30", "0.25"},
      {" 40", "150"},      {" 50", "90"},         {"  1", "N4"},     {"  7", "Standard"},
      {" 72", "1"},        {" 11", "1.5"},        {" 21", "-2"},     {" 31", "0.25"},
      {"100", "AcDbText"}, {" 73", "2"}};
  EXPECT_EQ(texts[4].kind, "TEXT");
  EXPECT_EQ(texts[4].groups, layout);
}

TEST(Dxf, LineCarriesPenStateAndDefaults) {
  std::ostringstream os;
  csDxf dxf(os);
  dxf.MoveTo(1.0, 2.0, 3.0);
  dxf.LineTo(4.0, 5.0, 6.0);
  dxf.SetLayer("Frame");
  dxf.SetColor(3);
  dxf.SetLineType(1);
  dxf.LineTo(7.0, 8.0, 9.0);
  dxf.Write();
  const auto lines = Entities(os.str());
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::pair<std::string, std::string>> first = {
      {"  5", "1"},       {"100", "AcDbEntity"}, {"  8", "0"}, {" 62", "256"},
      {"  6", "BYLAYER"}, {"100", "AcDbLine"},   {" 10", "1"}, {" 20", "2"},
      {" 30", "3"},       {" 11", "4"},          {" 21", "5"}, {" 31", "6"}};
  EXPECT_EQ(lines[0].kind, "LINE");
  EXPECT_EQ(lines[0].groups, first);
  EXPECT_EQ(lines[1].Value("  8"), "Frame");
  EXPECT_EQ(lines[1].Value(" 62"), "4");
  EXPECT_EQ(lines[1].Value("  6"), "DASHED");
  EXPECT_EQ(lines[1].Value(" 10"), "4");
  EXPECT_EQ(lines[1].Value(" 31"), "9");
}

TEST(Dxf, ColourAndLineTypeCodesMapToTheirNames) {
  const std::vector<std::pair<int, std::string>> colours = {
      {0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}, {5, "6"}, {6, "7"}, {-1, "7"}, {99, "7"}};
  const std::vector<std::pair<int, std::string>> lineTypes = {
      {0, "CONTINUOUS"}, {1, "DASHED"}, {2, "DOT"}, {3, "DASHDOT"}, {4, "CONTINUOUS"}};
  std::ostringstream os;
  csDxf dxf(os);
  for (const auto& [code, name] : colours) {
    dxf.SetColor(code);
    dxf.LineTo(1.0, 0.0, 0.0);
  }
  for (const auto& [code, name] : lineTypes) {
    dxf.SetLineType(code);
    dxf.LineTo(1.0, 0.0, 0.0);
  }
  dxf.Write();
  const auto lines = Entities(os.str());
  ASSERT_EQ(lines.size(), colours.size() + lineTypes.size());
  for (std::size_t i = 0; i < colours.size(); ++i)
    EXPECT_EQ(lines[i].Value(" 62"), colours[i].second) << "code " << colours[i].first;
  for (std::size_t i = 0; i < lineTypes.size(); ++i)
    EXPECT_EQ(lines[colours.size() + i].Value("  6"), lineTypes[i].second)
        << "code " << lineTypes[i].first;
}

TEST(Dxf, CircleTouchesThePenWithTheSideOrCornerOfItsAnchor) {
  // Radius 5 at the pen (10, 20): the centre moves away from the named side by the radius.
  const std::vector<std::pair<std::string, std::string>> centres = {
      {"15", "15"}, {"10", "15"}, {"5", "15"},  {"15", "20"}, {"10", "20"},
      {"5", "20"},  {"15", "25"}, {"10", "25"}, {"5", "25"},  {"10", "20"}};
  std::ostringstream os;
  csDxf dxf(os);
  dxf.SetLayer("Hinge");
  dxf.MoveTo(10.0, 20.0, 0.0);
  for (int code = 0; code < 10; ++code) {  // 9 is no anchor code: the centre stays on the pen
    dxf.SetAlign(code);
    dxf.Circle(5.0);
  }
  dxf.Write();
  const auto circles = Entities(os.str());
  ASSERT_EQ(circles.size(), centres.size());
  for (std::size_t code = 0; code < centres.size(); ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(circles[code].kind, "CIRCLE");
    EXPECT_EQ(circles[code].Value(" 10"), centres[code].first);
    EXPECT_EQ(circles[code].Value(" 20"), centres[code].second);
    EXPECT_EQ(circles[code].Value(" 40"), "5");
  }
  const std::vector<std::pair<std::string, std::string>> layout = {
      {"  5", "1"},  {"100", "AcDbEntity"}, {"  8", "Hinge"}, {" 62", "256"}, {"100", "AcDbCircle"},
      {" 10", "15"}, {" 20", "15"},         {" 30", "0"},     {" 40", "5"}};
  EXPECT_EQ(circles[0].groups, layout);
}

using Segment = std::vector<std::string>;  // x1 y1 x2 y2 of a line entity

std::vector<Segment> Segments(const std::string& file) {
  std::vector<Segment> segments;
  for (const stEntity& e : Entities(file))
    if (e.kind == "LINE")
      segments.push_back({e.Value(" 10"), e.Value(" 20"), e.Value(" 11"), e.Value(" 21")});
  return segments;
}

TEST(Dxf, ShapesAreAnchoredLinesAndLeaveThePenInPlace) {
  // Each shape is followed by a line from the pen to (9, 9), which shows where the pen was left.
  const std::string cross = FileOf([](csDxf& d) {
    d.Cross(2.0, 2.0);
    d.LineTo(9.0, 9.0, 0.0);
  });
  EXPECT_EQ(
      Segments(cross),
      (std::vector<Segment>{{"-1", "-1", "1", "1"}, {"-1", "1", "1", "-1"}, {"0", "0", "9", "9"}}));
  const std::string rectangle = FileOf([](csDxf& d) {
    d.MoveTo(1.0, 1.0, 0.0);
    d.SetAlign(6);
    d.Rectangle(4.0, 2.0);
    d.LineTo(9.0, 9.0, 0.0);
  });
  EXPECT_EQ(Segments(rectangle), (std::vector<Segment>{{"1", "1", "1", "3"},
                                                       {"1", "3", "5", "3"},
                                                       {"5", "3", "5", "1"},
                                                       {"5", "1", "1", "1"},
                                                       {"1", "1", "9", "9"}}));
  const std::string byCorners = FileOf([](csDxf& d) {
    d.MoveTo(1.0, 1.0, 0.0);
    d.SetAlign(6);
    d.RectangleByCorners(4.0, 2.0, 7.0);
    d.LineTo(9.0, 9.0, 0.0);
  });
  EXPECT_EQ(Segments(byCorners), (std::vector<Segment>{{"5", "1", "1", "1"},
                                                       {"1", "1", "1", "3"},
                                                       {"1", "3", "5", "3"},
                                                       {"5", "3", "5", "1"},
                                                       {"1", "1", "9", "9"}}));
}

TEST(Dxf, EntitiesAreGroupedByKindAndKeepTheirCreationHandles) {
  const std::string file = FileOf([](csDxf& d) {
    d.Circle(1.0);
    d.Text("a");
    d.LineTo(1.0, 0.0, 0.0);
    d.Circle(2.0);
    d.LineTo(2.0, 0.0, 0.0);
  });
  std::vector<std::pair<std::string, std::string>> order;
  for (const stEntity& e : Entities(file)) order.emplace_back(e.kind, e.Value("  5"));
  EXPECT_EQ(order,
            (std::vector<std::pair<std::string, std::string>>{
                {"LINE", "3"}, {"LINE", "5"}, {"TEXT", "2"}, {"CIRCLE", "1"}, {"CIRCLE", "4"}}));
}

TEST(Dxf, HandlesAreLowerCaseHexadecimalAndTheSeedIsTheNextFreeHandle) {
  // 26 lines take the handles 1 to 1a; the line type table 1b to 1e, the layer table 1f and 20.
  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Frame");
    for (int i = 0; i < 26; ++i) d.LineTo(i, 0.0, 0.0);
  });
  const auto lines = Entities(file);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[9].Value("  5"), "a");
  EXPECT_EQ(lines[15].Value("  5"), "10");
  EXPECT_EQ(lines[25].Value("  5"), "1a");
  std::vector<std::string> handles;
  const auto groups = Groups(file);
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i].first == "  5" && (i == 0 || groups[i - 1].second != "$HANDSEED"))
      handles.push_back(groups[i].second);
  ASSERT_EQ(handles.size(), 32u);
  EXPECT_EQ(std::vector<std::string>(handles.begin(), handles.begin() + 6),
            (std::vector<std::string>{"1b", "1c", "1d", "1e", "1f", "20"}));
  EXPECT_EQ(HandleSeed(file), "21");
}

TEST(Dxf, EveryLineEndsWithOneLineFeedEvenWhenATextHoldsLineBreaks) {
  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Two\nLines");
    d.Text("a\r\nb");
  });
  EXPECT_EQ(file.find('\r'), std::string::npos);
  EXPECT_EQ(file.back(), '\n');
  const auto texts = Entities(file);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Value("  1"), "a  b");
  EXPECT_NE(file.find("  2\nTwo Lines\n"), std::string::npos);
}

}  // namespace
