// The error-message reporter: each report's titles, field names, values and padding as the text
// report shows them. The reports of input errors are checked where the readers make them
// (ReaderErrorsTest, InputDataReaderWrapperTest); here are those of the model and the analysis.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "fem/app/report/ErrorMessage.h"
#include "inout/OutputDataWriterText.h"

namespace {

using znFEM::znTarvex::ifErrorMessage;
using Report = std::function<void(ifErrorMessage&)>;

// The text report of one or more reports made through a fresh reporter.
std::string TextOf(const Report& report) {
  std::ostringstream os;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(os, 120);
  znFEM::znTarvex::csErrorMessage messages(text);
  report(messages);
  return os.str();
}

struct stCase {
  std::string messageKey;
  Report report;
  std::string body;  // what the text report shows under the two titles
};

// One report operation called with the arguments given in parentheses.
#define CASE(operation, arguments, body)                                \
  stCase {                                                              \
#operation, [](ifErrorMessage & m) { m.operation arguments; }, body \
  }

const char* const kNoData = " (This isn't have any message.)\n";

TEST(ErrorMessage, ModelReportsWriteTheirFieldsPaddedToTheKeyWidth) {
  const std::string imposed =
      "Type              : DirectInput\nArgNumber         : 2\nNode              : N5\n"
      "LoadAndDispNumber : 1\n";
  const std::string concentrated =
      "Type       : ConcentratedLoad\nArgNumber  : 4\nElement    : E3\nLoadNumber : 1\n";
  const std::string distributed =
      "Type       : DistributedLoad\nArgNumber  : 0\nElement    : E4\nLoadNumber : 0\n";
  const stCase cases[] = {
      CASE(UnExpectedErrorHasBeenThrown, ("RatioIsUnverZero"), "Error : RatioIsUnverZero\n"),
      CASE(AnyNodeHasNotBeenSet, (), kNoData),
      CASE(AnyElementAndWallElementHasNotBeenSet, (), kNoData),
      CASE(TheNodeIsnotConnected, ("N3"), "Node : N3\n"),
      CASE(SpecifiedNodeByElementIsnotExist, ("N9", "E2", 1),
           "Node    : N9\nElement : E2\nIJ      : J\n"),
      CASE(SpecifiedNodeByWallElementIsnotExist, ("N9", "W2", 0, 1),
           "Node    : N9\nElement : W2\nIJ      : I\nAB      : B\n"),
      CASE(SpecifiedConnectNodeBySpringSupportIsnotExist, ("N4"), "Node : N4\n"),
      CASE(UnZeroSpringCoefIsSetAtSupportedNode, ("N5", 2), "Node : N5\nXYM  : M\n"),
      CASE(TheNodeIsIsolated, ("N6", 0, 3), "Node : N6\nXYM  : X\nStep : 3\n"),
      CASE(LoadsAndDispsAreAllZero, (1, 0), "Step              : 1\nLoadAndDispNumber : 0\n"),
      CASE(UnBalancedLoad, ("N1", 1, 0, 12.5),
           "Node  : N1\nXYM   : Y\nStep  : 0\nValue : 1.250000e+01\n"),
      CASE(FailedToAnalyzeMatrix, (2), "Step : 2\n"),
      CASE(AllDegreesAreSupported, (), kNoData),
      CASE(LnOfElementIsUnderOrEqualToZero, ("E7"), "Element : E7\n"),
      CASE(TwoNodesOfWallElementAreSamePosition, ("W3", 1, 2, 0, 0),
           "WallElement : W3\nIJ0         : J\nAB0         : Undef\nIJ1         : I\n"
           "AB1         : A\n"),
      CASE(LOfWallElementIsEqualToZero, ("W4"), "WallElement : W4\n"),
      CASE(LaOfWallElementIsOverLij, ("W5", 0), "WallElement : W5\nIJ          : I\n"),
      CASE(BothAlphaYOfWallElementAreZero, ("W6", 2), "WallElement : W6\nIJ          : Undef\n"),
      CASE(SpecifiedNodeByImposedLoadAndDispIsnotExist, ({1, 2}, "N5", 1), imposed),
      CASE(SpecifiedLoadAndDispNumberIsOver, ({1, 2}, "N5", 1), imposed),
      CASE(ImposedDispIsSetAtNonSupportedNode, ({1, 2}, "N5", 1, 1),
           imposed + "XYM               : Y\n"),
      CASE(ImposedDispIsSetAtZeroCoefSpringSupport, ({7, 0}, "N6", 0, 2),
           "Type              : dummy\nArgNumber         : 0\nNode              : N6\n"
           "LoadAndDispNumber : 0\nXYM               : M\n"),
      CASE(SpecifiedElementByEdgeLoadFixCaseIsnotExist, ({2, 4}, "E3", 1), concentrated),
      CASE(SpecifiedLoadNumberIsOver, ({2, 4}, "E3", 1), concentrated),
      CASE(SpecifiedEdgeLoadIsSetAtZeroLengthEdge, ({1, 0}, "E1", 0, 1),
           "Type       : DirectInput\nArgNumber  : 0\nElement    : E1\nLoadNumber : 0\n"
           "IJ         : J\n"),
      CASE(PositionOfConcentratedLoadIsOut, ({2, 4}, "E3", 1), concentrated),
      CASE(PositionOfDistributedLoadIsOut, ({3, 0}, "E4", 0, 0), distributed + "IJ         : I\n"),
      CASE(PositionOfDistributedLoadAreTheSameOrLeftSideRight, ({3, 0}, "E4", 0), distributed),
      CASE(SpecifiedElementOfElementStressIsnotExist, ("E9"), "Element : E9\n"),
      CASE(SpecifiedPositionOfElementStressIsOutOfLength, ("E9", 3),
           "Element  : E9\nPosition : 3\n")};
  for (const stCase& c : cases) {
    EXPECT_EQ(TextOf(c.report), "\n\n1. Error\n\n1.1. " + c.messageKey + "\n" + c.body)
        << c.messageKey;
  }
}

TEST(ErrorMessage, UnsetCountsAndValuesAreWrittenAsDashes) {
  const unsigned unset = std::numeric_limits<unsigned>::max();
  const std::string body = TextOf([&](ifErrorMessage& m) {
    m.UnExpectedKey(unset, "id");
    m.UnBalancedLoad("N1", 3, unset, -std::numeric_limits<double>::max());
  });
  EXPECT_NE(body.find("Line : ----\nKey  : id\n"), std::string::npos) << body;
  // A direction outside 0 to 2 has no name.
  EXPECT_NE(body.find("Node  : N1\nXYM   : \nStep  : ----\nValue : ----\n"), std::string::npos)
      << body;
}

TEST(ErrorMessage, AnEndOrSideCodeOutsideItsRangeAbortsTheReportBeforeItIsWritten) {
  const std::vector<Report> reports = {
      [](ifErrorMessage& m) { m.SpecifiedNodeByElementIsnotExist("N1", "E1", 3); },
      [](ifErrorMessage& m) { m.NodesOfWallElementAreSame("W1", 0, 0, 1, 7); },
      [](ifErrorMessage& m) {
        m.PositionOfDistributedLoadIsOut({3, 0}, "E1", 0, 3);
      }};
  for (const Report& report : reports) {
    std::ostringstream os;
    znInOutData::znOutputDataWriter::csOutputDataWriterText text(os, 120);
    znFEM::znTarvex::csErrorMessage messages(text);
    try {
      report(messages);
      ADD_FAILURE() << "no failure";
    } catch (const std::string& failure) {
      EXPECT_EQ(failure, "bad case!!!");
    }
    EXPECT_EQ(os.str(), "");
  }
}

}  // namespace
