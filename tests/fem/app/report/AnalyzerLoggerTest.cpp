// The Analyze section and the conductor's failures put into words.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "fem/app/report/AnalyzerLogger.h"
#include "fem/app/report/ConductorLogger.h"
#include "fem/app/report/ErrorMessage.h"
#include "fem/app/report/RecordingWriter.h"
#include "inout/OutputDataWriterText.h"

namespace {

using frame2d::testing::csRecordingWriter;
using znFEM::znTarvex::csAnalyzerLogger;
using znFEM::znTarvex::csConductorLogger;
using znFEM::znTarvex::csErrorMessage;
using znFEM::znTarvex::ifErrorMessage;

using Row = std::vector<std::string>;

TEST(AnalyzerLogger, TheLastStepAndTheEndAreShown) {
  csAnalyzerLogger analyzer;
  csAnalyzerLogger::StepRecord step;
  step.MaxDisp = 3.0;
  step.MaxRotAngle = 0.001;
  analyzer.StepDone(step);
  step.MaxDisp = 12.5;
  step.MaxRotAngle = -0.002;
  analyzer.StepDone(step);
  analyzer.AnalysisEnded();
  csRecordingWriter writer;
  analyzer.Write(writer);
  EXPECT_EQ(writer.outline,
            (Row{"1:Analyze", "2:EndProp", "Pair:EndType : Succeed/7",
                 "Pair:MaxDisp : 1.2500e+01/7", "Pair:MaxRotAngle : -2.0000e-03/7"}));
}

std::string TextOf(const std::function<void(csConductorLogger&)>& report) {
  std::ostringstream out;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(out, 120);
  csErrorMessage messages(text);
  csConductorLogger logger(messages);
  report(logger);
  return out.str();
}

std::string TextOf(const std::function<void(ifErrorMessage&)>& report) {
  std::ostringstream out;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(out, 120);
  csErrorMessage messages(text);
  report(messages);
  return out.str();
}

TEST(ConductorLogger, EachFailureReachesItsMessage) {
  using C = csConductorLogger;
  using M = ifErrorMessage;
  struct Case {
    std::function<void(C&)> conductor;
    std::function<void(M&)> message;
  };
  const znFEM::znTarvex::RecordKey key{2, 3};
  const Case cases[] = {
      {[](C& c) { c.SpecifiedNodeByWallElementIsnotExist("N9", "W1", 1, 0); },
       [](M& m) { m.SpecifiedNodeByWallElementIsnotExist("N9", "W1", 1, 0); }},
      {[](C& c) { c.UnBalancedLoad("N1", 1, 0, 12.5); },
       [](M& m) { m.UnBalancedLoad("N1", 1, 0, 12.5); }},
      {[](C& c) { c.RatioIsUnderZero(0, -0.5); },
       [](M& m) { m.UnExpectedErrorHasBeenThrown("RatioIsUnverZero"); }},
      {[&](C& c) { c.ImposedDispIsSetAtZeroCoefSpringSupport(key, "N3", 0, 2); },
       [&](M& m) { m.ImposedDispIsSetAtZeroCoefSpringSupport(key, "N3", 0, 2); }},
      {[&](C& c) { c.PositionOfDistributedLoadIsOut(key, "B1", 0, 1); },
       [&](M& m) { m.PositionOfDistributedLoadIsOut(key, "B1", 0, 1); }},
      {[](C& c) { c.UnExpectedErrorHasBeenThrown("csNodeMgr::exItIsMakingDuplicatedNode"); },
       [](M& m) { m.UnExpectedErrorHasBeenThrown("csNodeMgr::exItIsMakingDuplicatedNode"); }},
  };
  for (const Case& c : cases) {
    const std::string expected = TextOf(c.message);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(TextOf(c.conductor), expected);
  }
}

// These are followed by an unexpected-error report in the conductor's own words, which
// carries their data; reporting them here too would say it twice.
TEST(ConductorLogger, FailuresDescribedAsUnexpectedErrorsWriteNothingOfTheirOwn) {
  using C = csConductorLogger;
  const std::function<void(C&)> reports[] = {
      [](C& c) { c.PanelElementIsnotExist("N1", "B1"); },
      [](C& c) { c.PanelElementIsnotConnected("N1", "B1"); },
      [](C& c) { c.RatioReachedToInfinite(0, 0); },
      [](C& c) { c.MypIsSetAtNodeThatHasnotPanel("N1"); },
      [](C& c) { c.PreFaceMomentIsOverMyp("N1", 1.0, 2.0, 0); },
      [](C& c) { c.PreFaceMomentIsSetAtHinge("B1", 1); },
  };
  for (const auto& report : reports) EXPECT_EQ(TextOf(report), "");
}

}  // namespace
