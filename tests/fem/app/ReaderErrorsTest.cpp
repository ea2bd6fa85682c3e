// Every error of the input file ends the reading with exactly one report: the message key and
// its fields as the text report shows them (names padded to the key width, line numbers).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReadInput.h"

namespace {

// Lines 1 to 6 of every case; the case's own text starts on line 7.
const std::string kBase =
    "&&MainProp;\n"
    "&&Node;\n"
    "id=N1 x=0 y=0;\n"
    "id=N2 x=0 y=3;\n"
    "&&Element;\n"
    "id=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n";
const std::string kEnd = "&&End;\n";

struct stCase {
  std::string name;
  std::string file;
  std::string messageKey;
  std::string fields;
};

// A case whose text follows the base file and precedes its End block.
stCase After(const std::string& name, const std::string& text, const std::string& key,
             const std::string& fields) {
  return {name, kBase + text + kEnd, key, fields};
}

std::string LineKey(int line, const std::string& key) {
  return "Line : " + std::to_string(line) + "\nKey  : " + key + "\n";
}

std::string Wall(const std::string& nodes, const std::string& rest = "") {
  return "&&WallElement;\nid=W1 " + nodes + " a=1 e=1 i=1 kwg=0" + rest + ";\n";
}

std::string SameCorners(const char* ij0, const char* ab0, const char* ij1, const char* ab1) {
  return std::string("WallElement : W1\nIJ0         : ") + ij0 + "\nAB0         : " + ab0 +
         "\nIJ1         : " + ij1 + "\nAB1         : " + ab1 + "\n";
}

void Check(const std::vector<stCase>& cases) {
  for (const stCase& c : cases) {
    SCOPED_TRACE(c.name);
    const readertest::stInput in = readertest::ReadAll(c.file);
    EXPECT_TRUE(in.failed);
    EXPECT_EQ(in.report, "\n\n1. Error\n\n1.1. " + c.messageKey + "\n" + c.fields);
  }
}

TEST(ReaderErrors, StatementErrorsNameTheLineAndKey) {
  Check({
      After("unknown key", "&&Node;\nid=N3 x=0 y=0 z=1;\n", "UnExpectedKey", LineKey(8, "z")),
      After("missing key", "&&Node;\nid=N3 x=0;\n", "NecessaryKeyHasnotBeenSet", LineKey(8, "y")),
      After("key without value", "&&Node;\nid=N3 x= y=0;\n", "RequiredValueHasnotBeenSet",
            LineKey(8, "x")),
      After("key twice", "&&Node;\nid=N3 x=0 x=1 y=0;\n", "SpecifiedKeyIsDuplicated",
            LineKey(8, "x")),
      After("not numeric", "&&Node;\nid=N3 x=1,5 y=0;\n", "SpecifiedStringIsnotNumeric",
            LineKey(8, "x")),
      After("not a truth value", "&&Node;\nid=N3 x=0 y=0 sptx=yes;\n", "SpecifiedStringIsnotBool",
            LineKey(8, "sptx")),
      After("not an integer", "&&DxfProp;\nheight_str=1 rad_hinge=1 distsep=2.5;\n",
            "SpecifiedStringIsnotInteger", LineKey(8, "distsep")),
      After("integer not positive", "&&DxfProp;\nheight_str=1 rad_hinge=1 row_n=0;\n",
            "SpecifiedValueIsNegativeOrZero", LineKey(8, "row_n")),
      After("ignored DxfProp statement still checked",
            "&&DxfProp;\nheight_str=1 rad_hinge=1;\nrad_hinge=1;\n", "NecessaryKeyHasnotBeenSet",
            LineKey(9, "height_str")),
      After("section zero", "&&Element;\nid=E2 nodei=N1 nodej=N2 a=0 e=1 i=1;\n",
            "SpecifiedValueIsNegativeOrZero", LineKey(8, "a")),
      After("negative ratio", "&&Element;\nid=E2 nodei=N1 nodej=N2 a=1 e=1 i=1 psn=-0.1;\n",
            "SpecifiedValueIsNegative", LineKey(8, "psn")),
      After("negative tolerance", "&&MainProp;\nbalance_zero=-1;\n", "SpecifiedValueIsNegative",
            LineKey(8, "balance_zero")),
      After("concentrated load at 0", "&&EdgeLoadFixCaseConcentratedLoad;\nid=E1 y=1 pos=0;\n",
            "SpecifiedValueIsNegativeOrZero", LineKey(8, "pos")),
      After("distributed load start", "&&EdgeLoadFixCaseDistributedLoad;\nid=E1 posi=-1 posj=1;\n",
            "SpecifiedValueIsNegative", LineKey(8, "posi")),
      After("wall factor missing",
            "&&WallElement;\nid=W1 nodeia=A nodeib=B nodeja=C nodejb=D "
            "a=1 e=1 i=1;\n",
            "NecessaryKeyHasnotBeenSet", LineKey(8, "kwg")),
      After("first position missing", "&&ElementStress;\nid=E1 pos1=0;\n",
            "NecessaryKeyHasnotBeenSet", LineKey(8, "pos0")),
  });
}

TEST(ReaderErrors, LineIsThatOfTheStatementsFirstCharacter) {
  Check({
      After("after a comment's line breaks", "&&Node;\n/* c\n */ id=N3 x=0 y=0 z=1;\n",
            "UnExpectedKey", LineKey(9, "z")),
      After("comment holding ';' and a header", "&&Node;\n// ; &&Loads;\nid=N3 x=0 y=0 z=1;\n",
            "UnExpectedKey", LineKey(9, "z")),
  });
}

TEST(ReaderErrors, BlockHeadersAreCheckedBeforeAnyBlockIsRead) {
  Check({
      {"End missing", kBase, "NecessaryBlockKeyHasnotBeenSet", "BlockKey : End\n"},
      {"missing blocks by name", "&&MainProp;&&Node;id=N1 x=0 y=0;",
       "NecessaryBlockKeyHasnotBeenSet", "BlockKey : Element\n"},
      {"missing before unknown", kBase + "&&Loads;\n", "NecessaryBlockKeyHasnotBeenSet",
       "BlockKey : End\n"},
      After("unknown block", "&&Loads;\n", "UnExpectedBlockKeyHasBeenSet",
            "LineNum : 7\nKey     : Loads\n"),
      After("unknown before statement errors", "&&Node;\nid=N3;\n&&Loads;\n",
            "UnExpectedBlockKeyHasBeenSet", "LineNum : 9\nKey     : Loads\n"),
      After("word after the name", "&&Node x;\nid=N3 x=0 y=0;\n", "UnExpectedBlockKeyHasBeenSet",
            "LineNum : 7\nKey     : Node x\n"),
      After("header without its ';'", "&&Node\nid=N3  x=0 y=0;\n", "UnExpectedBlockKeyHasBeenSet",
            "LineNum : 7\nKey     : Node id=N3 x=0 y=0\n"),
  });
}

TEST(ReaderErrors, IdentifierRulesNameIdBlockAndLine) {
  Check({
      After("node id of 11", "&&Node;\nid=N1234567890 x=0 y=0;\n", "TheLengthOfSpecifiedIDIsOver",
            "ID        : N1234567890\nBlock     : Node\nLine      : 8\nMaxLength : 10\n"),
      After("element id of 11", "&&Element;\nid=E1234567890 nodei=N1 nodej=N2 a=1 e=1 i=1;\n",
            "TheLengthOfSpecifiedIDIsOver",
            "ID        : E1234567890\nBlock     : Element\nLine      : 8\nMaxLength : 10\n"),
      After("wall id of 11",
            "&&WallElement;\nid=W1234567890 nodeia=A nodeib=B nodeja=C "
            "nodejb=D a=1 e=1 i=1 kwg=0;\n",
            "TheLengthOfSpecifiedIDIsOver",
            "ID        : W1234567890\nBlock     : WallElement\nLine      : 8\nMaxLength : 10\n"),
      After("length before suffix", "&&Node;\nid=ABCDEFG_sse x=0 y=0;\n",
            "TheLengthOfSpecifiedIDIsOver",
            "ID        : ABCDEFG_sse\nBlock     : Node\nLine      : 8\nMaxLength : 10\n"),
      After("node suffix", "&&Node;\nid=A_ssn x=0 y=0;\n", "TheSuffixOfSpecifiedIDIsWrong",
            "ID     : A_ssn\nBlock  : Node\nLine   : 8\nSuffix : _ssn\n"),
      After("element suffix", "&&Element;\nid=E_sse nodei=N1 nodej=N2 a=1 e=1 i=1;\n",
            "TheSuffixOfSpecifiedIDIsWrong",
            "ID     : E_sse\nBlock  : Element\nLine   : 8\nSuffix : _sse\n"),
      After("wall suffix",
            "&&WallElement;\nid=W_ssn nodeia=A nodeib=B nodeja=C nodejb=D a=1 "
            "e=1 i=1 kwg=0;\n",
            "TheSuffixOfSpecifiedIDIsWrong",
            "ID     : W_ssn\nBlock  : WallElement\nLine   : 8\nSuffix : _ssn\n"),
  });
}

TEST(ReaderErrors, RecordChecksNameTheRecord) {
  Check({
      After("same end nodes", "&&Element;\nid=E2 nodei=N1 nodej=N1 a=1 e=1 i=1;\n",
            "NodesAtBothEdgesOfElementAreSame", "Element : E2\n"),
      After("shear without Poisson", "&&Element;\nid=E2 nodei=N1 nodej=N2 a=1 e=1 i=1 kap=1.2;\n",
            "PoissonOfElementIsZeroOrUnder", "Element : E2\n"),
      After("shear with Poisson 0",
            "&&Element;\nid=E2 nodei=N1 nodej=N2 a=1 e=1 i=1 kap=1.2 psn=0;\n",
            "PoissonOfElementIsZeroOrUnder", "Element : E2\n"),
      After("wall ia ib", Wall("nodeia=A nodeib=A nodeja=C nodejb=D"), "NodesOfWallElementAreSame",
            SameCorners("I", "A", "I", "B")),
      After("wall ia ja", Wall("nodeia=A nodeib=B nodeja=A nodejb=D"), "NodesOfWallElementAreSame",
            SameCorners("I", "A", "J", "A")),
      After("wall ia jb", Wall("nodeia=A nodeib=B nodeja=C nodejb=A"), "NodesOfWallElementAreSame",
            SameCorners("I", "A", "J", "B")),
      After("wall ib ja", Wall("nodeia=A nodeib=B nodeja=B nodejb=D"), "NodesOfWallElementAreSame",
            SameCorners("I", "B", "J", "A")),
      After("wall ib jb", Wall("nodeia=A nodeib=B nodeja=C nodejb=B"), "NodesOfWallElementAreSame",
            SameCorners("I", "B", "J", "B")),
      After("wall ja jb", Wall("nodeia=A nodeib=B nodeja=C nodejb=C"), "NodesOfWallElementAreSame",
            SameCorners("J", "A", "J", "B")),
      After("wall shear without Poisson", Wall("nodeia=A nodeib=B nodeja=C nodejb=D", " kap=1"),
            "PoissonOfWallElementIsZeroOrUnder", "WallElement : W1\n"),
      After("position after a gap", "&&ElementStress;\nid=E1 pos0=0 pos2=100;\n",
            "PositionsOfElementStressArenotPiledUp", "Element  : E1\nPosition : 2\n"),
      After("later gap", "&&ElementStress;\nid=E1 pos0=0 pos1=5 pos3=9;\n",
            "PositionsOfElementStressArenotPiledUp", "Element  : E1\nPosition : 3\n"),
      After("MainProp on two lines", "&&MainProp;\nbalance_zero=1;\n\nbalance_zero=2;\n",
            "MainPropLineIsDuplicated", "Line-1 : 8\nLine-2 : 10\n"),
      After("MainProp with an empty second statement", "&&MainProp;\nbalance_zero=1;;\n",
            "MainPropLineIsDuplicated", "Line-1 : 8\nLine-2 : 8\n"),
  });
}

TEST(ReaderErrors, RepetitionsAreReportedAfterEveryFieldErrorOfTheBlock) {
  Check({
      After("node", "&&Node;\nid=N1 x=5 y=5;\n", "SpecifiedNodeIsDuplicated", "Node : N1\n"),
      {"over-long id after a repetition",
       "&&MainProp;&&Node;\nid=N1 x=0 y=0;\nid=N1 x=1 y=0;\nid=N1234567890 x=2 y=0;\n"
       "&&Element;\nid=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n&&End;",
       "TheLengthOfSpecifiedIDIsOver",
       "ID        : N1234567890\nBlock     : Node\nLine      : 4\nMaxLength : 10\n"},
      After("element", "&&Element;\nid=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n",
            "SpecifiedElementIsDuplicated", "Element : E1\n"),
      After("element field error after a repetition",
            "&&Element;\nid=E1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n"
            "id=E3 nodei=N2 nodej=N2 a=1 e=1 i=1;\n",
            "NodesAtBothEdgesOfElementAreSame", "Element : E3\n"),
      After("wall",
            Wall("nodeia=A nodeib=B nodeja=C nodejb=D") + "id=W1 nodeia=A nodeib=B "
                                                          "nodeja=C nodejb=D a=1 e=1 i=1 kwg=0;\n",
            "SpecifiedWallElementIsDuplicated", "WallElement : W1\n"),
      After("spring support", "&&SpringSupport;\nnode=N1 kx=1;\nnode=N1 ky=1;\n",
            "SpecifiedSpringSupportIsDuplicated", "Node : N1\n"),
      After("element stress", "&&ElementStress;\nid=E1 pos0=0;\nid=E1 pos0=1;\n",
            "SpecifiedElementOfElementStressIsDuplicated", "Element : E1\n"),
      After("element stress gap after a repetition",
            "&&ElementStress;\nid=E1 pos0=0;\nid=E1 pos0=1;\nid=E2 pos0=0 pos9=1;\n",
            "PositionsOfElementStressArenotPiledUp", "Element  : E2\nPosition : 9\n"),
  });
}

TEST(ReaderErrors, BlocksAreReadInTheirOrderNotInFileOrder) {
  Check({
      After("ElementStress before Node",
            "&&Node;\nid=N3 x=0;\n&&ElementStress;\nid=E1 pos0=0 "
            "pos2=1;\n",
            "PositionsOfElementStressArenotPiledUp", "Element  : E1\nPosition : 2\n"),
      After("DxfProp before ElementStress", "&&ElementStress;\nid=E1;\n&&DxfProp;\nrad_hinge=1;\n",
            "NecessaryKeyHasnotBeenSet", LineKey(10, "height_str")),
  });
}

}  // namespace
