// The error-message reporter: every report's titles, field names, values and padding as the
// text report shows them, and the key width every pair is written with.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "fem/app/ErrorMessage.h"
#include "inout/OutputDataWriterText.h"

namespace {

using znFEM::znTarvex::csErrorMessage;
using znFEM::znTarvex::ifErrorMessage;
using znInOutData::stTable;
using znInOutData::znOutputDataWriter::csOutputDataWriterText;

// Keeps the separator and key width of every pair, which the text alone cannot show when a
// field name is as long as the width.
class csPairRecorder : public znInOutData::ifOutputDataWriter {
 public:
  void MainTitle(const std::string&) override { others += "MainTitle;"; }
  void Title(unsigned, const std::string&) override {}
  void NewLine() override { others += "NewLine;"; }
  void Sentence(const std::string&) override {}
  void Pair(const std::string&, const std::string&, const std::string& separator,
            unsigned keyWidth) override {
    separators.push_back(separator);
    widths.push_back(keyWidth);
  }
  void Table(const stTable&) override { others += "Table;"; }
  void End() override { others += "End;"; }

  std::vector<std::string> separators;
  std::vector<unsigned> widths;
  std::string others;
};

struct stCase {
  std::string messageKey;
  std::function<void(ifErrorMessage&)> report;
  unsigned keyWidth;
  std::string body;  // what the text report shows under the two titles
};

const char* const kNoData = " (This isn't have any message.)\n";

std::string TextOf(const std::function<void(ifErrorMessage&)>& report) {
  std::ostringstream os;
  csOutputDataWriterText text(os, 120);
  csErrorMessage messages(text);
  report(messages);
  return os.str();
}

void CheckCases(const std::vector<stCase>& cases) {
  for (const stCase& c : cases) {
    SCOPED_TRACE(c.messageKey);
    EXPECT_EQ(TextOf(c.report), "\n\n1. Error\n\n1.1. " + c.messageKey + "\n" + c.body);
    csPairRecorder recorder;
    csErrorMessage messages(recorder);
    c.report(messages);
    for (unsigned width : recorder.widths) EXPECT_EQ(width, c.keyWidth);
    for (const std::string& separator : recorder.separators) EXPECT_EQ(separator, " : ");
    EXPECT_EQ(recorder.others, "");
  }
}

const char* const kLineAndKey = "Line : 7\nKey  : fx\n";

TEST(ErrorMessage, InputReportsWriteTheirFieldsPaddedToTheKeyWidth) {
  using M = ifErrorMessage;
  CheckCases({
      {"UnExpectedErrorHasBeenThrown",
       [](M& m) { m.UnExpectedErrorHasBeenThrown("RatioIsUnverZero"); }, 0,
       "Error : RatioIsUnverZero\n"},
      {"UnExpectedKey", [](M& m) { m.UnExpectedKey(7, "fx"); }, 4, kLineAndKey},
      {"NecessaryKeyHasnotBeenSet", [](M& m) { m.NecessaryKeyHasnotBeenSet(7, "fx"); }, 4,
       kLineAndKey},
      {"UnRequiredValueHasBeenSet", [](M& m) { m.UnRequiredValueHasBeenSet(7, "fx"); }, 4,
       kLineAndKey},
      {"RequiredValueHasnotBeenSet", [](M& m) { m.RequiredValueHasnotBeenSet(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedStringIsnotNumeric", [](M& m) { m.SpecifiedStringIsnotNumeric(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedStringIsnotInteger", [](M& m) { m.SpecifiedStringIsnotInteger(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedValueIsNegative", [](M& m) { m.SpecifiedValueIsNegative(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedValueIsNegativeOrZero", [](M& m) { m.SpecifiedValueIsNegativeOrZero(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedValueIsPlus", [](M& m) { m.SpecifiedValueIsPlus(7, "fx"); }, 4, kLineAndKey},
      {"SpecifiedValueIsPlusOrZero", [](M& m) { m.SpecifiedValueIsPlusOrZero(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedStringIsnotBool", [](M& m) { m.SpecifiedStringIsnotBool(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedKeyIsDuplicated", [](M& m) { m.SpecifiedKeyIsDuplicated(7, "fx"); }, 4,
       kLineAndKey},
      {"SpecifiedTHLRStrIsWrong", [](M& m) { m.SpecifiedTHLRStrIsWrong(7, "fx"); }, 4, kLineAndKey},
      {"TheLengthOfSpecifiedIDIsOver",
       [](M& m) { m.TheLengthOfSpecifiedIDIsOver("N1234567890", "Node", 3, 10); }, 9,
       "ID        : N1234567890\nBlock     : Node\nLine      : 3\nMaxLength : 10\n"},
      {"TheSuffixOfSpecifiedIDIsWrong",
       [](M& m) { m.TheSuffixOfSpecifiedIDIsWrong("E1_sse", "Element", 4, "_sse"); }, 6,
       "ID     : E1_sse\nBlock  : Element\nLine   : 4\nSuffix : _sse\n"},
      {"MainPropLineIsDuplicated", [](M& m) { m.MainPropLineIsDuplicated(2, 9); }, 6,
       "Line-1 : 2\nLine-2 : 9\n"},
      {"SpecifiedNodeIsDuplicated", [](M& m) { m.SpecifiedNodeIsDuplicated("N1"); }, 0,
       "Node : N1\n"},
      {"NodesAtBothEdgesOfElementAreSame", [](M& m) { m.NodesAtBothEdgesOfElementAreSame("E1"); },
       0, "Element : E1\n"},
      {"PoissonOfElementIsZeroOrUnder", [](M& m) { m.PoissonOfElementIsZeroOrUnder("E2"); }, 0,
       "Element : E2\n"},
      {"SpecifiedElementIsDuplicated", [](M& m) { m.SpecifiedElementIsDuplicated("E3"); }, 0,
       "Element : E3\n"},
      {"NodesOfWallElementAreSame", [](M& m) { m.NodesOfWallElementAreSame("W1", 0, 1, 1, 0); }, 11,
       "WallElement : W1\nIJ0         : I\nAB0         : B\nIJ1         : J\n"
       "AB1         : A\n"},
      {"PoissonOfWallElementIsZeroOrUnder", [](M& m) { m.PoissonOfWallElementIsZeroOrUnder("W2"); },
       0, "WallElement : W2\n"},
      {"SpecifiedWallElementIsDuplicated", [](M& m) { m.SpecifiedWallElementIsDuplicated("W3"); },
       0, "WallElement : W3\n"},
      {"NecessaryBlockKeyHasnotBeenSet", [](M& m) { m.NecessaryBlockKeyHasnotBeenSet("Node"); }, 0,
       "BlockKey : Node\n"},
      {"UnExpectedBlockKeyHasBeenSet", [](M& m) { m.UnExpectedBlockKeyHasBeenSet(5, "Node x"); }, 7,
       "LineNum : 5\nKey     : Node x\n"},
      {"SpecifiedSpringSupportIsDuplicated",
       [](M& m) { m.SpecifiedSpringSupportIsDuplicated("N8"); }, 0, "Node : N8\n"},
      {"SpecifiedElementOfElementStressIsnotExist",
       [](M& m) { m.SpecifiedElementOfElementStressIsnotExist("E9"); }, 0, "Element : E9\n"},
      {"SpecifiedPositionOfElementStressIsOutOfLength",
       [](M& m) { m.SpecifiedPositionOfElementStressIsOutOfLength("E9", 3); }, 8,
       "Element  : E9\nPosition : 3\n"},
      {"SpecifiedElementOfElementStressIsDuplicated",
       [](M& m) { m.SpecifiedElementOfElementStressIsDuplicated("E8"); }, 0, "Element : E8\n"},
      {"PositionsOfElementStressArenotPiledUp",
       [](M& m) { m.PositionsOfElementStressArenotPiledUp("E7", 1); }, 8,
       "Element  : E7\nPosition : 1\n"},
  });
}

TEST(ErrorMessage, ModelReportsWriteTheirFieldsPaddedToTheKeyWidth) {
  using M = ifErrorMessage;
  CheckCases({
      {"AnyNodeHasNotBeenSet", [](M& m) { m.AnyNodeHasNotBeenSet(); }, 0, kNoData},
      {"AnyElementAndWallElementHasNotBeenSet",
       [](M& m) { m.AnyElementAndWallElementHasNotBeenSet(); }, 0, kNoData},
      {"TheNodeIsnotConnected", [](M& m) { m.TheNodeIsnotConnected("N3"); }, 4, "Node : N3\n"},
      {"SpecifiedNodeByElementIsnotExist",
       [](M& m) { m.SpecifiedNodeByElementIsnotExist("N9", "E2", 1); }, 7,
       "Node    : N9\nElement : E2\nIJ      : J\n"},
      {"SpecifiedNodeByWallElementIsnotExist",
       [](M& m) { m.SpecifiedNodeByWallElementIsnotExist("N9", "W2", 0, 1); }, 7,
       "Node    : N9\nElement : W2\nIJ      : I\nAB      : B\n"},
      {"SpecifiedConnectNodeBySpringSupportIsnotExist",
       [](M& m) { m.SpecifiedConnectNodeBySpringSupportIsnotExist("N4"); }, 0, "Node : N4\n"},
      {"UnZeroSpringCoefIsSetAtSupportedNode",
       [](M& m) { m.UnZeroSpringCoefIsSetAtSupportedNode("N5", 2); }, 4, "Node : N5\nXYM  : M\n"},
      {"TheNodeIsIsolated", [](M& m) { m.TheNodeIsIsolated("N6", 0, 3); }, 4,
       "Node : N6\nXYM  : X\nStep : 3\n"},
      {"LoadsAndDispsAreAllZero", [](M& m) { m.LoadsAndDispsAreAllZero(1, 0); }, 17,
       "Step              : 1\nLoadAndDispNumber : 0\n"},
      {"UnBalancedLoad", [](M& m) { m.UnBalancedLoad("N1", 1, 0, 12.5); }, 5,
       "Node  : N1\nXYM   : Y\nStep  : 0\nValue : 1.250000e+01\n"},
      {"FailedToAnalyzeMatrix", [](M& m) { m.FailedToAnalyzeMatrix(2); }, 0, "Step : 2\n"},
      {"AllDegreesAreSupported", [](M& m) { m.AllDegreesAreSupported(); }, 0, kNoData},
      {"LnOfElementIsUnderOrEqualToZero", [](M& m) { m.LnOfElementIsUnderOrEqualToZero("E7"); }, 0,
       "Element : E7\n"},
      {"TwoNodesOfWallElementAreSamePosition",
       [](M& m) { m.TwoNodesOfWallElementAreSamePosition("W3", 1, 2, 0, 0); }, 11,
       "WallElement : W3\nIJ0         : J\nAB0         : Undef\nIJ1         : I\n"
       "AB1         : A\n"},
      {"LOfWallElementIsEqualToZero", [](M& m) { m.LOfWallElementIsEqualToZero("W4"); }, 0,
       "WallElement : W4\n"},
      {"LaOfWallElementIsOverLij", [](M& m) { m.LaOfWallElementIsOverLij("W5", 0); }, 11,
       "WallElement : W5\nIJ          : I\n"},
      {"BothAlphaYOfWallElementAreZero", [](M& m) { m.BothAlphaYOfWallElementAreZero("W6", 2); },
       11, "WallElement : W6\nIJ          : Undef\n"},
  });
}

const std::string kImposedBlock =
    "Type              : DirectInput\n"
    "ArgNumber         : 2\n"
    "Node              : N5\n"
    "LoadAndDispNumber : 1\n";
const std::string kConcentratedBlock =
    "Type       : ConcentratedLoad\n"
    "ArgNumber  : 4\n"
    "Element    : E3\n"
    "LoadNumber : 1\n";
const std::string kDistributedBlock =
    "Type       : DistributedLoad\n"
    "ArgNumber  : 0\n"
    "Element    : E4\n"
    "LoadNumber : 0\n";

TEST(ErrorMessage, LoadRecordReportsWriteTheRecordBlock) {
  using M = ifErrorMessage;
  CheckCases({
      {"SpecifiedNodeByImposedLoadAndDispIsnotExist",
       [](M& m) {
         m.SpecifiedNodeByImposedLoadAndDispIsnotExist({1, 2}, "N5", 1);
       },
       17, kImposedBlock},
      {"SpecifiedLoadAndDispNumberIsOver",
       [](M& m) {
         m.SpecifiedLoadAndDispNumberIsOver({1, 2}, "N5", 1);
       },
       17, kImposedBlock},
      {"ImposedDispIsSetAtNonSupportedNode",
       [](M& m) {
         m.ImposedDispIsSetAtNonSupportedNode({1, 2}, "N5", 1, 1);
       },
       17, kImposedBlock + "XYM               : Y\n"},
      {"ImposedDispIsSetAtZeroCoefSpringSupport",
       [](M& m) {
         m.ImposedDispIsSetAtZeroCoefSpringSupport({7, 0}, "N6", 0, 2);
       },
       17,
       "Type              : dummy\nArgNumber         : 0\nNode              : N6\n"
       "LoadAndDispNumber : 0\nXYM               : M\n"},
      {"SpecifiedElementByEdgeLoadFixCaseIsnotExist",
       [](M& m) {
         m.SpecifiedElementByEdgeLoadFixCaseIsnotExist({2, 4}, "E3", 1);
       },
       10, kConcentratedBlock},
      {"SpecifiedLoadNumberIsOver",
       [](M& m) {
         m.SpecifiedLoadNumberIsOver({2, 4}, "E3", 1);
       },
       10, kConcentratedBlock},
      {"SpecifiedEdgeLoadIsSetAtZeroLengthEdge",
       [](M& m) {
         m.SpecifiedEdgeLoadIsSetAtZeroLengthEdge({1, 0}, "E1", 0, 1);
       },
       10,
       "Type       : DirectInput\nArgNumber  : 0\nElement    : E1\nLoadNumber : 0\n"
       "IJ         : J\n"},
      {"PositionOfConcentratedLoadIsOut",
       [](M& m) {
         m.PositionOfConcentratedLoadIsOut({2, 4}, "E3", 1);
       },
       10, kConcentratedBlock},
      {"PositionOfDistributedLoadIsOut",
       [](M& m) {
         m.PositionOfDistributedLoadIsOut({3, 0}, "E4", 0, 0);
       },
       10, kDistributedBlock + "IJ         : I\n"},
      {"PositionOfDistributedLoadAreTheSameOrLeftSideRight",
       [](M& m) {
         m.PositionOfDistributedLoadAreTheSameOrLeftSideRight({3, 0}, "E4", 0);
       },
       10, kDistributedBlock},
  });
}

TEST(ErrorMessage, UnsetCountsAndValuesAreWrittenAsDashes) {
  const unsigned unset = std::numeric_limits<unsigned>::max();
  const double unbounded = std::numeric_limits<double>::max();
  const std::string body = TextOf([&](ifErrorMessage& m) {
    m.UnExpectedKey(unset, "id");
    m.UnBalancedLoad("N1", 3, unset, -unbounded);
  });
  EXPECT_NE(body.find("Line : ----\nKey  : id\n"), std::string::npos) << body;
  // A direction outside 0 to 2 has no name.
  EXPECT_NE(body.find("Node  : N1\nXYM   : \nStep  : ----\nValue : ----\n"), std::string::npos)
      << body;
}

TEST(ErrorMessage, AnEndOrSideCodeOutsideItsRangeAbortsTheReportBeforeItIsWritten) {
  const std::vector<std::function<void(ifErrorMessage&)>> reports = {
      [](ifErrorMessage& m) { m.SpecifiedNodeByElementIsnotExist("N1", "E1", 3); },
      [](ifErrorMessage& m) { m.SpecifiedNodeByWallElementIsnotExist("N1", "W1", 0, 3); },
      [](ifErrorMessage& m) { m.LaOfWallElementIsOverLij("W1", 3); },
      [](ifErrorMessage& m) { m.NodesOfWallElementAreSame("W1", 0, 0, 1, 7); },
      [](ifErrorMessage& m) {
        m.PositionOfDistributedLoadIsOut({3, 0}, "E1", 0, 3);
      },
  };
  for (std::size_t i = 0; i < reports.size(); ++i) {
    SCOPED_TRACE(i);
    std::ostringstream os;
    csOutputDataWriterText text(os, 120);
    csErrorMessage messages(text);
    try {
      reports[i](messages);
      ADD_FAILURE() << "no failure";
    } catch (const std::string& failure) {
      EXPECT_EQ(failure, "bad case!!!");
    }
    EXPECT_EQ(os.str(), "");
  }
}

}  // namespace
