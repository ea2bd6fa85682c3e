// The failures of the model and the analysis as the text report shows them: the conductor's
// logger hands each to the error-message reporter, which writes the message key and the fields
// with their names padded to the key width. The reports of input errors are checked where the
// readers make them (ReaderErrorsTest), those of the stress definitions end to end.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "fem/app/report/ConductorLogger.h"
#include "fem/app/report/ErrorMessage.h"
#include "inout/OutputDataWriterText.h"

namespace {

using znFEM::znTarvex::csConductorLogger;
using znFEM::znTarvex::ifErrorMessage;
using Report = std::function<void(ifErrorMessage&)>;

// The text report of what is reported through a fresh reporter.
std::string TextOf(const Report& report) {
  std::ostringstream os;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(os, 120);
  znFEM::znTarvex::csErrorMessage messages(text);
  report(messages);
  return os.str();
}

std::string TextOf(const std::function<void(csConductorLogger&)>& report) {
  return TextOf([&](ifErrorMessage& messages) {
    csConductorLogger logger(messages);
    report(logger);
  });
}

const char* const kNoData = " (This isn't have any message.)\n";

// One call of an operation of the conductor's logger.
#define CALL(call) [](csConductorLogger& c) { c.call; }

TEST(ErrorMessage, ConductorFailuresWriteTheirKeyAndFieldsPaddedToTheKeyWidth) {
  const std::string imposed =
      "Type              : DirectInput\nArgNumber         : 2\nNode              : N5\n"
      "LoadAndDispNumber : 1\n";
  const std::string concentrated =
      "Type       : ConcentratedLoad\nArgNumber  : 4\nElement    : E3\nLoadNumber : 1\n";
  const std::string distributed =
      "Type       : DistributedLoad\nArgNumber  : 0\nElement    : E4\nLoadNumber : 0\n";
  const std::pair<std::function<void(csConductorLogger&)>, std::string> cases[] = {
      {CALL(RatioIsUnderZero(0, -0.5)), "UnExpectedErrorHasBeenThrown\nError : RatioIsUnverZero\n"},
      {CALL(UnExpectedErrorHasBeenThrown("csNodeMgr::exItIsMakingDuplicatedNode")),
       "UnExpectedErrorHasBeenThrown\nError : csNodeMgr::exItIsMakingDuplicatedNode\n"},
      {CALL(AnyNodeHasNotBeenSet()), std::string("AnyNodeHasNotBeenSet\n") + kNoData},
      {CALL(AnyElementAndWallElementHasNotBeenSet()),
       std::string("AnyElementAndWallElementHasNotBeenSet\n") + kNoData},
      {CALL(TheNodeIsnotConnected("N3")), "TheNodeIsnotConnected\nNode : N3\n"},
      {CALL(SpecifiedNodeByElementIsnotExist("N9", "E2", 1)),
       "SpecifiedNodeByElementIsnotExist\nNode    : N9\nElement : E2\nIJ      : J\n"},
      {CALL(SpecifiedNodeByWallElementIsnotExist("N9", "W2", 0, 1)),
       "SpecifiedNodeByWallElementIsnotExist\nNode    : N9\nElement : W2\nIJ      : I\n"
       "AB      : B\n"},
      {CALL(SpecifiedConnectNodeBySpringSupportIsnotExist("N4")),
       "SpecifiedConnectNodeBySpringSupportIsnotExist\nNode : N4\n"},
      {CALL(UnZeroSpringCoefIsSetAtSupportedNode("N5", 2)),
       "UnZeroSpringCoefIsSetAtSupportedNode\nNode : N5\nXYM  : M\n"},
      {CALL(TheNodeIsIsolated("N6", 0, 3)), "TheNodeIsIsolated\nNode : N6\nXYM  : X\nStep : 3\n"},
      {CALL(LoadsAndDispsAreAllZero(1, 0)),
       "LoadsAndDispsAreAllZero\nStep              : 1\nLoadAndDispNumber : 0\n"},
      {CALL(UnBalancedLoad("N1", 1, 0, 12.5)),
       "UnBalancedLoad\nNode  : N1\nXYM   : Y\nStep  : 0\nValue : 1.250000e+01\n"},
      {CALL(FailedToAnalyzeMatrix(2)), "FailedToAnalyzeMatrix\nStep : 2\n"},
      {CALL(AllDegreesAreSupported()), std::string("AllDegreesAreSupported\n") + kNoData},
      {CALL(LnOfElementIsUnderOrEqualToZero("E7")),
       "LnOfElementIsUnderOrEqualToZero\nElement : E7\n"},
      {CALL(TwoNodesOfWallElementAreSamePosition("W3", 1, 2, 0, 0)),
       "TwoNodesOfWallElementAreSamePosition\nWallElement : W3\nIJ0         : J\n"
       "AB0         : Undef\nIJ1         : I\nAB1         : A\n"},
      {CALL(LOfWallElementIsEqualToZero("W4")), "LOfWallElementIsEqualToZero\nWallElement : W4\n"},
      {CALL(LaOfWallElementIsOverLij("W5", 0)),
       "LaOfWallElementIsOverLij\nWallElement : W5\nIJ          : I\n"},
      {CALL(BothAlphaYOfWallElementAreZero("W6", 2)),
       "BothAlphaYOfWallElementAreZero\nWallElement : W6\nIJ          : Undef\n"},
      {CALL(SpecifiedNodeByImposedLoadAndDispIsnotExist({1, 2}, "N5", 1)),
       "SpecifiedNodeByImposedLoadAndDispIsnotExist\n" + imposed},
      {CALL(SpecifiedLoadAndDispNumberIsOver({1, 2}, "N5", 1)),
       "SpecifiedLoadAndDispNumberIsOver\n" + imposed},
      {CALL(ImposedDispIsSetAtNonSupportedNode({1, 2}, "N5", 1, 1)),
       "ImposedDispIsSetAtNonSupportedNode\n" + imposed + "XYM               : Y\n"},
      {CALL(ImposedDispIsSetAtZeroCoefSpringSupport({7, 0}, "N6", 0, 2)),
       "ImposedDispIsSetAtZeroCoefSpringSupport\nType              : dummy\n"
       "ArgNumber         : 0\nNode              : N6\nLoadAndDispNumber : 0\n"
       "XYM               : M\n"},
      {CALL(SpecifiedElementByEdgeLoadFixCaseIsnotExist({2, 4}, "E3", 1)),
       "SpecifiedElementByEdgeLoadFixCaseIsnotExist\n" + concentrated},
      {CALL(SpecifiedLoadNumberIsOver({2, 4}, "E3", 1)),
       "SpecifiedLoadNumberIsOver\n" + concentrated},
      {CALL(SpecifiedEdgeLoadIsSetAtZeroLengthEdge({1, 0}, "E1", 0, 1)),
       "SpecifiedEdgeLoadIsSetAtZeroLengthEdge\nType       : DirectInput\nArgNumber  : 0\n"
       "Element    : E1\nLoadNumber : 0\nIJ         : J\n"},
      {CALL(PositionOfConcentratedLoadIsOut({2, 4}, "E3", 1)),
       "PositionOfConcentratedLoadIsOut\n" + concentrated},
      {CALL(PositionOfDistributedLoadIsOut({3, 0}, "E4", 0, 0)),
       "PositionOfDistributedLoadIsOut\n" + distributed + "IJ         : I\n"},
      {CALL(PositionOfDistributedLoadAreTheSameOrLeftSideRight({3, 0}, "E4", 0)),
       "PositionOfDistributedLoadAreTheSameOrLeftSideRight\n" + distributed}};
  for (const auto& [report, text] : cases) {
    EXPECT_EQ(TextOf(report), "\n\n1. Error\n\n1.1. " + text);
  }
}

// These are followed by an unexpected-error report in the conductor's own words, which
// carries their data; reporting them here too would say it twice.
TEST(ErrorMessage, FailuresTheConductorDescribesAsUnexpectedWriteNothingOfTheirOwn) {
  using C = csConductorLogger;
  const std::function<void(C&)> reports[] = {
      [](C& c) { c.PanelElementIsnotExist("N1", "B1"); },
      [](C& c) { c.PanelElementIsnotConnected("N1", "B1"); },
      [](C& c) { c.RatioReachedToInfinite(0, 0); },
      [](C& c) { c.MypIsSetAtNodeThatHasnotPanel("N1"); },
      [](C& c) { c.PreFaceMomentIsOverMyp("N1", 1.0, 2.0, 0); },
      [](C& c) { c.PreFaceMomentIsSetAtHinge("B1", 1); }};
  for (const auto& report : reports) EXPECT_EQ(TextOf(report), "");
}

TEST(ErrorMessage, UnsetCountsAndValuesAreWrittenAsDashes) {
  const std::string body = TextOf([&](ifErrorMessage& m) {
    m.UnExpectedKey(std::numeric_limits<unsigned>::max(), "id");
    m.UnBalancedLoad("N1", 3, std::numeric_limits<unsigned>::max(),
                     -std::numeric_limits<double>::max());
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
