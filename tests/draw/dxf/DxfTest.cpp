// The DXF writer: file layout, pen state of entities, anchoring and handles.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "draw/dxf/Dxf.h"
#include "draw/dxf/DxfEntities.h"

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

// Each line, text and circle of the file as its kind and the values of the given group codes,
// joined by "|".
std::string Describe(const std::string& file, std::initializer_list<int> codes) {
  std::string out;
  for (const Entity& e : dxftest::Parse(file).entities) {
    if (e.kind != "LINE" && e.kind != "TEXT" && e.kind != "CIRCLE") continue;
    out += e.kind;
    for (int code : codes) out += " " + e.Str(code);
    out += "|";
  }
  return out;
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
}

// Entities take their handles when created and are written lines first, then texts, then
// circles. Handles are lower-case hexadecimal; the tables take theirs while the file is written
// (26 lines take 1 to 1a, the line types 1b to 1e, the layers 1f to 21), and the seed is one
// above the highest.
TEST(Dxf, LayersAreRegisteredOnceAndHandlesFollowCreation) {
  EXPECT_EQ(Describe(FileOf([](csDxf& d) {
                       d.Circle(1.0);
                       d.Text("a");
                       d.LineTo(1.0, 0.0, 0.0);
                       d.Circle(2.0);
                       d.LineTo(2.0, 0.0, 0.0);
                     }),
                     {5}),
            "LINE 3|LINE 5|TEXT 2|CIRCLE 1|CIRCLE 4|");
  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Frame");
    d.AddLayer("Value");
    d.AddLayer("Frame");
    for (int i = 0; i < 26; ++i) d.LineTo(i, 0.0, 0.0);
  });
  EXPECT_TRUE(Holds(
      file,
      "  0\nTABLE\n  2\nLAYER\n  5\n1f\n100\nAcDbSymbolTable\n 70\n2\n"
      "  0\nLAYER\n  5\n20\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nFrame\n"
      " 70\n0\n 62\n1\n  6\nCONTINUOUS\n"
      "  0\nLAYER\n  5\n21\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nValue\n"
      " 70\n0\n 62\n1\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"))
      << file;
  std::istringstream groups(file);
  std::string handles, code, value;  // the seed first, then the tables, then the lines
  while (std::getline(groups, code) && std::getline(groups, value))
    if (code == "  5") handles += value + " ";
  EXPECT_EQ(handles,
            "22 1b 1c 1d 1e 1f 20 21 1 2 3 4 5 6 7 8 9 a b c d e f 10 11 12 13 14 15 16 17 18 19 "
            "1a ");
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

TEST(Dxf, CodesMapToColoursLineTypesAndAnchors) {
  EXPECT_EQ(Describe(FileOf([](csDxf& d) {
                       for (int code : {0, 1, 2, 3, 4, 5, 6, -1, 99})
                         d.SetColor(code), d.LineTo(1, 0, 0);
                       for (int code : {0, 1, 2, 3, 4}) d.SetLineType(code), d.LineTo(1, 0, 0);
                     }),
                     {62, 6}),
            "LINE 1 BYLAYER|LINE 2 BYLAYER|LINE 3 BYLAYER|LINE 4 BYLAYER|LINE 5 BYLAYER|"
            "LINE 6 BYLAYER|LINE 7 BYLAYER|LINE 7 BYLAYER|LINE 7 BYLAYER|LINE 7 CONTINUOUS|"
            "LINE 7 DASHED|LINE 7 DOT|LINE 7 DASHDOT|LINE 7 CONTINUOUS|");
  // Horizontal (72) and vertical (73) justification of a text for each anchor code.
  EXPECT_EQ(Describe(FileOf([](csDxf& d) {
                       for (int code = 0; code < 9; ++code) d.SetAlign(code), d.Text("t");
                     }),
                     {72, 73}),
            "TEXT 0 3|TEXT 1 3|TEXT 2 3|TEXT 0 2|TEXT 1 2|TEXT 2 2|TEXT 0 1|TEXT 1 1|TEXT 2 1|");
  // A circle of radius 5 at the pen (10, 20) moves away from the side its anchor names; 9 is no
  // anchor code, so the centre stays on the pen.
  EXPECT_EQ(Describe(FileOf([](csDxf& d) {
                       d.MoveTo(10.0, 20.0, 0.0);
                       for (int code = 0; code < 10; ++code) d.SetAlign(code), d.Circle(5.0);
                     }),
                     {10, 20}),
            "CIRCLE 15 15|CIRCLE 10 15|CIRCLE 5 15|CIRCLE 15 20|CIRCLE 10 20|CIRCLE 5 20|"
            "CIRCLE 15 25|CIRCLE 10 25|CIRCLE 5 25|CIRCLE 10 20|");
}

// Each shape is followed by a line from the pen to (9, 9), which shows where the pen was left.
TEST(Dxf, ShapesAreAnchoredLinesAndLeaveThePenInPlace) {
  const auto segments = [](void (*shape)(csDxf&)) {
    return Describe(FileOf([&](csDxf& d) {
                      d.MoveTo(1.0, 1.0, 0.0);
                      shape(d);
                      d.LineTo(9.0, 9.0, 0.0);
                    }),
                    {10, 20, 11, 21});
  };
  EXPECT_EQ(segments([](csDxf& d) { d.Cross(2.0, 2.0); }),
            "LINE 0 0 2 2|LINE 0 2 2 0|LINE 1 1 9 9|");
  EXPECT_EQ(segments([](csDxf& d) { d.SetAlign(6), d.Rectangle(4.0, 2.0); }),
            "LINE 1 1 1 3|LINE 1 3 5 3|LINE 5 3 5 1|LINE 5 1 1 1|LINE 1 1 9 9|");
  EXPECT_EQ(segments([](csDxf& d) { d.SetAlign(6), d.RectangleByCorners(4.0, 2.0, 7.0); }),
            "LINE 5 1 1 1|LINE 1 1 1 3|LINE 1 3 5 3|LINE 5 3 5 1|LINE 1 1 9 9|");
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
