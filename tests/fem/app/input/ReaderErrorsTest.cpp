// Every error of the input file ends the reading with exactly one report: the message key and
// its fields as the text report shows them (names padded to the key width, line numbers).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ReadInput.h"

namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;  // file, report under the titles

// Lines 1 to 6 of a file whose own text starts on line 7 and is followed by the End block.
std::string After(const std::string& text) {
  return "&&MainProp;\n&&Node;\nid=N1 x=0 y=0;\nid=N2 x=0 y=3;\n&&Element;\n"
         "id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n" +
         text + "&&End;\n";
}

std::string LineKey(const std::string& message, int line, const std::string& key) {
  return message + "\nLine : " + std::to_string(line) + "\nKey  : " + key + "\n";
}

std::string IdTooLong(const std::string& id, const std::string& block, int line = 8) {
  return "TheLengthOfSpecifiedIDIsOver\nID        : " + id + "\nBlock     : " + block +
         "\nLine      : " + std::to_string(line) + "\nMaxLength : 10\n";
}

std::string Wall(const std::string& nodes, const std::string& rest = "",
                 const std::string& id = "W1") {
  return "&&WallElement;\nid=" + id + " " + nodes + " a=1 e=1 i=1 kwg=0" + rest + ";\n";
}

std::string SameCorners(const char* ij0, const char* ab0, const char* ij1, const char* ab1) {
  return std::string("NodesOfWallElementAreSame\nWallElement : W1\nIJ0         : ") + ij0 +
         "\nAB0         : " + ab0 + "\nIJ1         : " + ij1 + "\nAB1         : " + ab1 + "\n";
}

void Check(const Cases& cases) {
  for (const auto& [file, report] : cases) {
    const readertest::stInput in = readertest::ReadAll(file);
    EXPECT_TRUE(in.failed) << file;
    EXPECT_EQ(in.report, "\n\n1. Error\n\n1.1. " + report) << file;
  }
}

TEST(ReaderErrors, StatementAndBlockErrorsNameTheLineAndKey) {
  const std::string dxf = "&&DxfProp;\nheight_str=1 rad_hinge=1";
  const std::string element = "&&Element;\nid=E2 nodei=N1 nodej=N2 a=";
  Check(
      {{After("&&Node;\nid=N3 x=0 y=0 z=1;\n"), LineKey("UnExpectedKey", 8, "z")},
       {After("&&Node;\nid=N3 x=0;\n"), LineKey("NecessaryKeyHasnotBeenSet", 8, "y")},
       {After("&&Node;\nid=N3 x= y=0;\n"), LineKey("RequiredValueHasnotBeenSet", 8, "x")},
       {After("&&Node;\nid=N3 x=0 x=1 y=0;\n"), LineKey("SpecifiedKeyIsDuplicated", 8, "x")},
       {After("&&Node;\nid=N3 x=1,5 y=0;\n"), LineKey("SpecifiedStringIsnotNumeric", 8, "x")},
       {After("&&Node;\nid=N3 x=0 y=0 sptx=yes;\n"),
        LineKey("SpecifiedStringIsnotBool", 8, "sptx")},
       {After(dxf + " distsep=2.5;\n"), LineKey("SpecifiedStringIsnotInteger", 8, "distsep")},
       {After(dxf + " row_n=0;\n"), LineKey("SpecifiedValueIsNegativeOrZero", 8, "row_n")},
       {After(dxf + ";\nrad_hinge=1;\n"), LineKey("NecessaryKeyHasnotBeenSet", 9, "height_str")},
       {After(element + "0 e=1 i=1;\n"), LineKey("SpecifiedValueIsNegativeOrZero", 8, "a")},
       {After(element + "1 e=1 i=1 psn=-0.1;\n"), LineKey("SpecifiedValueIsNegative", 8, "psn")},
       {After("&&MainProp;\nbalance_zero=-1;\n"),
        LineKey("SpecifiedValueIsNegative", 8, "balance_zero")},
       {After("&&EdgeLoadFixCaseConcentratedLoad;\nid=E1 y=1 pos=0;\n"),
        LineKey("SpecifiedValueIsNegativeOrZero", 8, "pos")},
       {After("&&EdgeLoadFixCaseDistributedLoad;\nid=E1 posi=-1 posj=1;\n"),
        LineKey("SpecifiedValueIsNegative", 8, "posi")},
       {After("&&WallElement;\nid=W1 nodeia=A nodeib=B nodeja=C nodejb=D a=1 e=1 i=1;\n"),
        LineKey("NecessaryKeyHasnotBeenSet", 8, "kwg")},
       {After("&&ElementStress;\nid=E1 pos1=0;\n"),
        LineKey("NecessaryKeyHasnotBeenSet", 8, "pos0")},
       // The blocks are checked before any is read, then read in their order, not the file's.
       {"&&MainProp;&&Node;id=N1 x=0 y=0;", "NecessaryBlockKeyHasnotBeenSet\nBlockKey : Element\n"},
       {"&&MainProp;&&Node;&&Element;&&Loads;", "NecessaryBlockKeyHasnotBeenSet\nBlockKey : End\n"},
       {After("&&Node;\nid=N3;\n&&Loads;\n"),
        "UnExpectedBlockKeyHasBeenSet\nLineNum : 9\nKey     : Loads\n"},
       {After("&&Node x;\nid=N3 x=0 y=0;\n"),
        "UnExpectedBlockKeyHasBeenSet\nLineNum : 7\nKey     : Node x\n"},
       {After("&&Node;\nid=N3 x=0;\n&&ElementStress;\nid=E1 pos0=0 pos2=1;\n"),
        "PositionsOfElementStressArenotPiledUp\nElement  : E1\nPosition : 2\n"},
       {After("&&ElementStress;\nid=E1;\n&&DxfProp;\nrad_hinge=1;\n"),
        LineKey("NecessaryKeyHasnotBeenSet", 10, "height_str")}});
}

TEST(ReaderErrors, IdentifierAndRecordChecksNameTheRecord) {
  const std::string corners = "nodeia=A nodeib=B nodeja=C nodejb=D";
  const std::string element = "&&Element;\nid=E2 nodei=N1 nodej=";
  Check({{After("&&Node;\nid=N1234567890 x=0 y=0;\n"), IdTooLong("N1234567890", "Node")},
         {After("&&Element;\nid=E1234567890 nodei=N1 nodej=N2 a=1 e=1 i=1;\n"),
          IdTooLong("E1234567890", "Element")},
         {After(Wall(corners, "", "W1234567890")), IdTooLong("W1234567890", "WallElement")},
         {After("&&Node;\nid=ABCDEFG_sse x=0 y=0;\n"), IdTooLong("ABCDEFG_sse", "Node")},
         {After("&&Node;\nid=A_ssn x=0 y=0;\n"),
          "TheSuffixOfSpecifiedIDIsWrong\nID     : A_ssn\nBlock  : Node\nLine   : 8\nSuffix : "
          "_ssn\n"},
         {After("&&Element;\nid=E_sse nodei=N1 nodej=N2 a=1 e=1 i=1;\n"),
          "TheSuffixOfSpecifiedIDIsWrong\nID     : E_sse\nBlock  : Element\nLine   : 8\n"
          "Suffix : _sse\n"},
         {After(Wall(corners, "", "W_ssn")),
          "TheSuffixOfSpecifiedIDIsWrong\nID     : W_ssn\nBlock  : WallElement\nLine   : 8\n"
          "Suffix : _ssn\n"},
         {After(element + "N1 a=1 e=1 i=1;\n"), "NodesAtBothEdgesOfElementAreSame\nElement : E2\n"},
         {After(element + "N2 a=1 e=1 i=1 kap=1.2 psn=0;\n"),
          "PoissonOfElementIsZeroOrUnder\nElement : E2\n"},
         {After(Wall("nodeia=A nodeib=A nodeja=C nodejb=D")), SameCorners("I", "A", "I", "B")},
         {After(Wall("nodeia=A nodeib=B nodeja=A nodejb=D")), SameCorners("I", "A", "J", "A")},
         {After(Wall("nodeia=A nodeib=B nodeja=C nodejb=A")), SameCorners("I", "A", "J", "B")},
         {After(Wall("nodeia=A nodeib=B nodeja=B nodejb=D")), SameCorners("I", "B", "J", "A")},
         {After(Wall("nodeia=A nodeib=B nodeja=C nodejb=B")), SameCorners("I", "B", "J", "B")},
         {After(Wall("nodeia=A nodeib=B nodeja=C nodejb=C")), SameCorners("J", "A", "J", "B")},
         {After(Wall(corners, " kap=1")), "PoissonOfWallElementIsZeroOrUnder\nWallElement : W1\n"},
         {After("&&ElementStress;\nid=E1 pos0=0 pos1=5 pos3=9;\n"),
          "PositionsOfElementStressArenotPiledUp\nElement  : E1\nPosition : 3\n"},
         {After("&&MainProp;\nbalance_zero=1;\n\nbalance_zero=2;\n"),
          "MainPropLineIsDuplicated\nLine-1 : 8\nLine-2 : 10\n"},
         {After("&&MainProp;\nbalance_zero=1;;\n"),
          "MainPropLineIsDuplicated\nLine-1 : 8\nLine-2 : 8\n"}});
}

// Repeated identifiers are found in a second pass, after every field error of the block.
TEST(ReaderErrors, RepetitionsAreReportedAfterEveryFieldErrorOfTheBlock) {
  const std::string e1 = "id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n";
  const std::string w1 = Wall("nodeia=A nodeib=B nodeja=C nodejb=D");
  Check({{After("&&Node;\nid=N1 x=5 y=5;\n"), "SpecifiedNodeIsDuplicated\nNode : N1\n"},
         // the first record, in file order, whose id an earlier one has
         {After("&&Node;\nid=N9 x=5 y=5;\nid=N8 x=6 y=5;\nid=N8 x=7 y=5;\nid=N9 x=8 y=5;\n"),
          "SpecifiedNodeIsDuplicated\nNode : N8\n"},
         {"&&MainProp;&&Node;\nid=N1 x=0 y=0;\nid=N1 x=1 y=0;\nid=N1234567890 x=2 y=0;\n"
          "&&Element;\n" +
              e1 + "&&End;",
          IdTooLong("N1234567890", "Node", 4)},
         {After("&&Element;\n" + e1), "SpecifiedElementIsDuplicated\nElement : E1\n"},
         {After("&&Element;\n" + e1 + "id=E3 nodei=N2 nodej=N2 a=1 e=1 i=1;\n"),
          "NodesAtBothEdgesOfElementAreSame\nElement : E3\n"},
         {After(w1 + w1), "SpecifiedWallElementIsDuplicated\nWallElement : W1\n"},
         {After("&&SpringSupport;\nnode=N1 kx=1;\nnode=N1 ky=1;\n"),
          "SpecifiedSpringSupportIsDuplicated\nNode : N1\n"},
         {After("&&ElementStress;\nid=E1 pos0=0;\nid=E1 pos0=1;\n"),
          "SpecifiedElementOfElementStressIsDuplicated\nElement : E1\n"},
         {After("&&ElementStress;\nid=E1 pos0=0;\nid=E1 pos0=1;\nid=E2 pos0=0 pos9=1;\n"),
          "PositionsOfElementStressArenotPiledUp\nElement  : E2\nPosition : 9\n"}});
}

}  // namespace
