// The DXF writer: what readers need of the file (version, code page, layers, handles), the pen
// state of entities and their anchoring. The whole files of the examples are kept as golden
// outputs.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <set>
#include <sstream>
#include <stdexcept>
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
  dxf.BeginWriting();
  draw(dxf);
  dxf.EndWriting();
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

// Readers need the version, the code page of the Shift_JIS texts, each layer once, unique handles
// and, as the seed, the next free handle.
TEST(Dxf, HeaderLayersAndHandlesAreWhatReadersNeed) {
  const std::string file = FileOf([](csDxf& d) {
    d.AddLayer("Frame");
    d.AddLayer("Value");
    d.AddLayer("Frame");
    for (int i = 0; i < 26; ++i) d.LineTo(i, 0.0, 0.0);
    d.Text("a");
    d.Circle(1.0);
  });
  EXPECT_TRUE(Holds(file, "  9\n$ACADVER\n  1\nAC1015\n  9\n$DWGCODEPAGE\n  3\nANSI_932\n"));
  EXPECT_EQ(dxftest::Parse(file).layers, (std::vector<std::string>{"Frame", "Value"}));
  std::istringstream groups(file);
  std::string code, value;
  std::vector<unsigned long> handles;  // the seed first
  while (std::getline(groups, code) && std::getline(groups, value))
    if (code == "  5") handles.push_back(std::stoul(value, nullptr, 16));
  ASSERT_FALSE(handles.empty());
  const std::set<unsigned long> used(handles.begin() + 1, handles.end());
  EXPECT_EQ(used.size(), handles.size() - 1);
  EXPECT_EQ(handles.front(), *used.rbegin() + 1);
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
  // Layer, colour, line type, then the points, height, rotation and text of each entity.
  EXPECT_EQ(Describe(file, {8, 62, 6, 10, 20, 30, 11, 21, 31, 40, 50, 1}),
            "LINE 0 256 BYLAYER 1 2 3 4 5 6   |TEXT NodeID 5  1.5 -2 0.25 1.5 -2 0.25 150 90 N4|"
            "CIRCLE NodeID 5  6.5 -7 0.25    5  |");
}

// Texts keep their height, rotation and z aside only when these change; each text must still
// come out with its own, and with all its characters however long it is. A line with both ends
// at z 0 is flat, whatever the sign of its zeros.
TEST(Dxf, EntitiesKeepTheirOwnSizesDepthsAndCharacters) {
  const std::string longText(300, 'w');
  const std::string file = FileOf([&](csDxf& d) {
    d.SetTextHeight(2.0);
    d.Text("a");
    d.MoveTo(0.0, 0.0, 7.0);
    d.Text("b");
    d.SetRotation(45.0);
    d.Text(longText);
    d.MoveTo(0.0, 0.0, 0.0);
    d.SetTextHeight(3.0);
    d.Text("");
    d.Text("c");
    d.SetRotation(0.0);
    d.Text("d");
    d.SetRotation(-0.0);
    d.Text("e");
    d.LineTo(1.0, 0.0, -0.0);
    d.LineTo(2.0, 0.0, 5.0);
  });
  // The lines come first: the file holds the lines before the texts.
  EXPECT_EQ(Describe(file, {30, 31, 40, 50, 1}),
            "LINE 0 0   |LINE -0 5   |TEXT 0 0 2 0 a|TEXT 7 7 2 0 b|TEXT 7 7 2 45 " + longText +
                "|TEXT 0 0 3 45 |TEXT 0 0 3 45 c|TEXT 0 0 3 0 d|TEXT 0 0 3 -0 e|");
}

// The file is written from a second layout of the drawing; one that draws other entities or
// layers than the first would not fit the header written from the first.
TEST(Dxf, ASecondLayoutUnlikeTheFirstIsRefused) {
  const std::vector<std::function<void(csDxf&)>> extras = {
      [](csDxf& d) { d.LineTo(1.0, 1.0, 0.0); }, [](csDxf& d) { d.Text("t"); },
      [](csDxf& d) { d.Circle(1.0); }, [](csDxf& d) { d.AddLayer("Frame"); },
      [](csDxf& d) { d.SetLayer("Frame"); }};
  for (std::size_t k = 0; k < extras.size(); ++k) {
    std::ostringstream os;
    csDxf dxf(os);
    dxf.BeginWriting();
    extras[k](dxf);
    try {
      dxf.EndWriting();
      ADD_FAILURE() << "extra " << k;
    } catch (const std::logic_error& e) {
      EXPECT_STREQ(e.what(), "the drawing written is not the drawing laid out") << k;
    }
  }
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
