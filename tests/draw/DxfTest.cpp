// The DXF writer: file layout, pen state of entities, anchoring and handles.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "draw/Dxf.h"
#include "draw/DxfEntities.h"

namespace {

using dxftest::Entity;
using znDraw::csDxf;

std::string FileOf(const std::function<void(csDxf&)>& draw) {
  std::ostringstream os;
  csDxf dxf(os);
  draw(dxf);
  dxf.Write();
  return os.str();
}

std::vector<Entity> EntitiesOf(const std::string& file) {
  std::vector<Entity> entities;
  for (const Entity& e : dxftest::Parse(file).entities)
    if (e.kind == "LINE" || e.kind == "TEXT" || e.kind == "CIRCLE") entities.push_back(e);
  return entities;
}

bool Holds(const std::string& file, const std::string& part) {
  return file.find(part) != std::string::npos;
}

// The header also names the version and the code page, which DXF readers need to read the
// subclass markers and the Shift_JIS texts; the seed is the next free handle.
TEST(Dxf, EmptyDrawingWritesHeaderLineTypesAndEmptyEntities) {
  EXPECT_EQ(
      FileOf([](csDxf&) {}),
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$DWGCODEPAGE\n  3\n"
      "ANSI_932\n  9\n$HANDSEED\n  5\n5\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n  5\n1\n100\nAcDbSymbolTable\n 70\n3\n"
      "  0\nLTYPE\n  5\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n  2\nDOT\n"
      " 70\n64\n  3\nDot . . . . . . . . . .\n 72\n65\n 73\n2\n 40\n7.35\n 49\n1\n 49\n-6.35\n"
      "  0\nLTYPE\n  5\n3\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n  2\n"
      "DASHED\n 70\n64\n  3\nDashed __ __ __ __ __ __\n 72\n65\n 73\n2\n 40\n19.05\n"
      " 49\n12.7\n 49\n-6.35\n"
      "  0\nLTYPE\n  5\n4\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n  2\n"
      "DASHDOT\n 70\n64\n  3\nDash Dot __ . __ . __ . __ . __ .\n 72\n65\n 73\n4\n 40\n26.4\n"
      " 49\n12.7\n 49\n-6.35\n 49\n1\n 49\n-6.35\n  0\nENDTAB\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
  std::ostringstream os;  // nothing before Write, nothing to a failed stream
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
  EXPECT_TRUE(Holds(
      file,
      "  0\nTABLE\n  2\nLAYER\n  5\n5\n100\nAcDbSymbolTable\n 70\n2\n"
      "  0\nLAYER\n  5\n6\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nFrame\n"
      " 70\n0\n 62\n1\n  6\nCONTINUOUS\n"
      "  0\nLAYER\n  5\n7\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nValue\n"
      " 70\n0\n 62\n1\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n"))
      << file;
  EXPECT_TRUE(Holds(file, "$HANDSEED\n  5\n8\n"));
}

TEST(Dxf, EntitiesCarryThePenStateOfTheirCreation) {
  const std::string file = FileOf([](csDxf& d) {
    d.MoveTo(1.0, 2.0, 3.0);
    d.LineTo(4.0, 5.0, 6.0);
    d.SetLayer("NodeID");
    d.SetColor(4);
    d.SetLineType(1);
    d.SetTextHeight(150.0);
    d.SetRotation(90.0);
    d.MoveTo(1.5, -2.0, 0.25);
    d.SetAlign(4);
    d.Text("N4");
    d.SetAlign(0);
    d.Circle(5.0);
  });
  EXPECT_TRUE(Holds(file,
                    "  0\nLINE\n  5\n1\n100\nAcDbEntity\n  8\n0\n 62\n256\n  6\nBYLAYER\n"
                    "100\nAcDbLine\n 10\n1\n 20\n2\n 30\n3\n 11\n4\n 21\n5\n 31\n6\n"));
  EXPECT_TRUE(Holds(file,
                    "  0\nTEXT\n  5\n2\n100\nAcDbEntity\n  8\nNodeID\n 62\n5\n100\nAcDbText\n"
                    " 10\n1.5\n 20\n-2\n 30\n0.25\n 40\n150\n 50\n90\n  1\nN4\n  7\nStandard\n"
                    " 72\n1\n 11\n1.5\n 21\n-2\n 31\n0.25\n100\nAcDbText\n 73\n2\n"));
  EXPECT_TRUE(Holds(file,
                    "  0\nCIRCLE\n  5\n3\n100\nAcDbEntity\n  8\nNodeID\n 62\n5\n100\nAcDbCircle\n"
                    " 10\n6.5\n 20\n-7\n 30\n0.25\n 40\n5\n"))
      << file;
}

TEST(Dxf, CodesMapToColoursLineTypesAndJustifications) {
  const std::vector<std::pair<int, std::string>> colours = {
      {0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}, {5, "6"}, {6, "7"}, {-1, "7"}, {99, "7"}};
  const std::vector<std::pair<int, std::string>> lineTypes = {
      {0, "CONTINUOUS"}, {1, "DASHED"}, {2, "DOT"}, {3, "DASHDOT"}, {4, "CONTINUOUS"}};
  const char* const justifications[] = {"03", "13", "23", "02", "12", "22", "01", "11", "21"};
  const auto entities = EntitiesOf(FileOf([&](csDxf& d) {
    for (const auto& [code, name] : colours) d.SetColor(code), d.LineTo(1.0, 0.0, 0.0);
    for (const auto& [code, name] : lineTypes) d.SetLineType(code), d.LineTo(1.0, 0.0, 0.0);
    for (int code = 0; code < 9; ++code) d.SetAlign(code), d.Text("t");
  }));
  ASSERT_EQ(entities.size(), colours.size() + lineTypes.size() + 9);
  for (std::size_t i = 0; i < colours.size(); ++i)
    EXPECT_EQ(entities[i].Str(62), colours[i].second) << "colour " << colours[i].first;
  for (std::size_t i = 0; i < lineTypes.size(); ++i)
    EXPECT_EQ(entities[colours.size() + i].Str(6), lineTypes[i].second) << lineTypes[i].first;
  for (int code = 0; code < 9; ++code) {
    const Entity& text = entities[colours.size() + lineTypes.size() + code];
    EXPECT_EQ(text.Str(72) + text.Str(73), justifications[code]) << "anchor " << code;
  }
}

TEST(Dxf, CircleTouchesThePenWithTheSideOrCornerOfItsAnchor) {
  // Radius 5 at the pen (10, 20): the centre moves away from the named side by the radius;
  // 9 is no anchor code, so the centre stays on the pen.
  const char* const centres[] = {"15 15", "10 15", "5 15",  "15 20", "10 20",
                                 "5 20",  "15 25", "10 25", "5 25",  "10 20"};
  const auto circles = EntitiesOf(FileOf([](csDxf& d) {
    d.MoveTo(10.0, 20.0, 0.0);
    for (int code = 0; code < 10; ++code) d.SetAlign(code), d.Circle(5.0);
  }));
  ASSERT_EQ(circles.size(), 10u);
  for (int code = 0; code < 10; ++code)
    EXPECT_EQ(circles[code].Str(10) + " " + circles[code].Str(20), centres[code]) << code;
}

// x1 y1 x2 y2 of each line, joined by "|".
std::string Segments(const std::string& file) {
  std::string out;
  for (const Entity& e : EntitiesOf(file))
    if (e.kind == "LINE")
      out += e.Str(10) + " " + e.Str(20) + " " + e.Str(11) + " " + e.Str(21) + "|";
  return out;
}

TEST(Dxf, ShapesAreAnchoredLinesAndLeaveThePenInPlace) {
  // Each shape is followed by a line from the pen to (9, 9), which shows where the pen was left.
  EXPECT_EQ(Segments(FileOf([](csDxf& d) {
              d.Cross(2.0, 2.0);
              d.LineTo(9.0, 9.0, 0.0);
            })),
            "-1 -1 1 1|-1 1 1 -1|0 0 9 9|");
  EXPECT_EQ(Segments(FileOf([](csDxf& d) {
              d.MoveTo(1.0, 1.0, 0.0);
              d.SetAlign(6);
              d.Rectangle(4.0, 2.0);
              d.LineTo(9.0, 9.0, 0.0);
            })),
            "1 1 1 3|1 3 5 3|5 3 5 1|5 1 1 1|1 1 9 9|");
  EXPECT_EQ(Segments(FileOf([](csDxf& d) {
              d.MoveTo(1.0, 1.0, 0.0);
              d.SetAlign(6);
              d.RectangleByCorners(4.0, 2.0, 7.0);
              d.LineTo(9.0, 9.0, 0.0);
            })),
            "5 1 1 1|1 1 1 3|1 3 5 3|5 3 5 1|1 1 9 9|");
}

// Entities are written lines first, then texts, then circles, with the handles they took when
// created; handles are lower-case hexadecimal and the seed is one above the highest, tables
// included (26 lines take 1 to 1a, the line type table 1b to 1e, the layer table 1f and 20).
TEST(Dxf, HandlesFollowCreationAndTheSeedIsTheNextFreeHandle) {
  std::string order;
  for (const Entity& e : EntitiesOf(FileOf([](csDxf& d) {
         d.Circle(1.0);
         d.Text("a");
         d.LineTo(1.0, 0.0, 0.0);
         d.Circle(2.0);
         d.LineTo(2.0, 0.0, 0.0);
       })))
    order += e.kind + e.Str(5) + " ";
  EXPECT_EQ(order, "LINE3 LINE5 TEXT2 CIRCLE1 CIRCLE4 ");

  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Frame");
    for (int i = 0; i < 26; ++i) d.LineTo(i, 0.0, 0.0);
  });
  std::istringstream lines(file);
  std::string handles, code, value;
  while (std::getline(lines, code) && std::getline(lines, value))
    if (code == "  5") handles += value + " ";
  EXPECT_EQ(handles,
            "21 1b 1c 1d 1e 1f 20 1 2 3 4 5 6 7 8 9 a b c d e f 10 11 12 13 14 15 16 17 18 19 1a ");
}

TEST(Dxf, EveryLineEndsWithOneLineFeedEvenWhenATextHoldsLineBreaks) {
  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Two\nLines");
    d.Text("a\r\nb");
  });
  EXPECT_EQ(file.find('\r'), std::string::npos);
  EXPECT_TRUE(Holds(file, "  1\na  b\n"));
  EXPECT_TRUE(Holds(file, "  2\nTwo Lines\n"));
}

}  // namespace
