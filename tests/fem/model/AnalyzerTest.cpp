// The step loop on a scripted step solver: the ratio each step may use, the end of each load
// case and of the analysis with its reason, the logger's calls and the members' moments, all
// in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fem/model/Analyzer.h"
#include "fem/model/NodeProp.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using Log = std::vector<std::string>;

template <class... T>
std::string Line(const T&... parts) {
  std::ostringstream out;
  ((out << parts << ' '), ...);
  std::string line = out.str();
  line.pop_back();
  return line;
}

// What one scripted step reports. Its event ratio is capped by the remaining ratio, as the
// step solver caps the smallest member ratio.
struct ScriptedStep {
  double eventRatio = kInfinite;
  double maxAddDisp = 0.0;
  double maxAddRotAngle = 0.0;
  double maxDisp = 0.0;
  double maxRotAngle = 0.0;
  bool finished = false;
};

class ScriptedStepSolver : public ifEachDone {
 public:
  ScriptedStepSolver(Log& log, std::vector<ScriptedStep> script)
      : log_(log), script_(std::move(script)) {}
  void SetNodes(const std::vector<ifNode*>& n) override {
    log_.push_back(Line("SetNodes", n.size()));
  }
  void SetElements(const std::vector<ifElement*>& e) override {
    log_.push_back(Line("SetElements", e.size()));
  }
  void SetWallElements(const std::vector<ifWallElement*>& w) override {
    log_.push_back(Line("SetWallElements", w.size()));
  }
  void Do(double remaining, std::uint32_t step, std::uint32_t loadCase) override {
    log_.push_back(Line("Do", remaining, step, loadCase));
    if (next_ == script_.size()) throw csEachDone::exRatioReachedToInfinite{step, loadCase};
    current_ = script_[next_++];
    addRatio_ = std::min(remaining, current_.eventRatio);
  }
  double GetAddRatio() const override { return addRatio_; }
  double GetMaxDisp() const override { return current_.maxDisp; }
  double GetMaxRotAngle() const override { return current_.maxRotAngle; }
  double GetMaxAddDisp() const override { return current_.maxAddDisp; }
  double GetMaxAddRotAngle() const override { return current_.maxAddRotAngle; }
  std::string GetMaxDispNodeID() const override { return "N"; }
  std::string GetMaxRotAngleElementID() const override { return "E"; }
  std::string GetMaxAddDispNodeID() const override { return "AN"; }
  std::string GetMaxAddRotAngleElementID() const override { return "AE"; }
  bool IsFinished() override { return current_.finished; }

 private:
  Log& log_;
  std::vector<ScriptedStep> script_;
  std::size_t next_ = 0;
  ScriptedStep current_;
  double addRatio_ = 0.0;
};

class AnalyzerRecorder : public csAnalyzer::ifLogger {
 public:
  explicit AnalyzerRecorder(Log& log) : log_(log) {}
  void MaxAddDispLimit(double v) override { log_.push_back(Line("MaxAddDispLimit", v)); }
  void MaxAddRotAngleLimit(double v) override { log_.push_back(Line("MaxAddRotAngleLimit", v)); }
  void MaxDispLimit(double v) override { log_.push_back(Line("MaxDispLimit", v)); }
  void MaxRotAngleLimit(double v) override { log_.push_back(Line("MaxRotAngleLimit", v)); }
  void StepDone(const csAnalyzer::StepRecord& r) override {
    records.push_back(r);
    log_.push_back(Line("StepDone", r.Step, r.LoadDispNumber, r.AddRatio, r.TotalRatio));
  }
  void NextLoadCase() override { log_.push_back("NextLoadCase"); }
  void LastLoadCaseEnded() override { log_.push_back("LastLoadCaseEnded"); }
  void MaxAddDispLimitReached() override { log_.push_back("MaxAddDispLimitReached"); }
  void MaxAddRotAngleLimitReached() override { log_.push_back("MaxAddRotAngleLimitReached"); }
  void MaxDispLimitReached() override { log_.push_back("MaxDispLimitReached"); }
  void MaxRotAngleLimitReached() override { log_.push_back("MaxRotAngleLimitReached"); }
  void StructureFailed() override { log_.push_back("StructureFailed"); }
  void AnalysisEnded() override { log_.push_back("AnalysisEnded"); }
  std::vector<csAnalyzer::StepRecord> records;

 private:
  Log& log_;
};

// The log from the first step on (the limits and the step solver's set-up come before it).
Log FromFirstStep(const Log& log) {
  const auto first = std::find_if(log.begin(), log.end(),
                                  [](const std::string& s) { return s.rfind("Do", 0) == 0; });
  return Log(first, log.end());
}

struct ScriptedRun {
  Log log;
  AnalyzerRecorder logger{log};
  ScriptedStepSolver stepSolver;
  csAnalyzer analyzer{stepSolver, &logger};
  ScriptedRun(std::vector<ScriptedStep> script, std::vector<std::uint32_t> steps,
              std::vector<double> ratios)
      : stepSolver(log, std::move(script)) {
    analyzer.SetLimitSteps(steps);
    analyzer.SetLimitRatios(ratios);
  }
};

TEST(Analyzer, StepLimitZeroRunsOneStepWhateverTheRatioLimit) {
  ScriptedRun run({{0.4}}, {0}, {1.0});
  run.analyzer.Run();
  const Log expected{"MaxAddDispLimit 1.79769e+308",
                     "MaxAddRotAngleLimit 1.79769e+308",
                     "MaxDispLimit 1.79769e+308",
                     "MaxRotAngleLimit 1.79769e+308",
                     "SetNodes 0",
                     "SetElements 0",
                     "SetWallElements 0",
                     "Do 1 0 0",
                     "StepDone 0 0 0.4 0.4",
                     "LastLoadCaseEnded",
                     "AnalysisEnded"};
  EXPECT_EQ(run.log, expected);
  const csAnalyzer::StepRecord& r = run.logger.records.at(0);
  EXPECT_EQ(r.LimitStep, 0u);
  EXPECT_EQ(r.LimitRatio, 1.0);
  EXPECT_TRUE(r.ReachedToLimitStep);
  EXPECT_FALSE(r.ReachedToLimitRatio);
  EXPECT_EQ(r.MaxDispNodeID, "N");
  EXPECT_EQ(r.MaxAddRotAngleElementID, "AE");
}

// Hinges at the accumulated ratios 0.25, 0.5 and 0.75 and none after: four steps of 0.25,
// the last one capped by what the case still allows, and the case ends by its ratio.
TEST(Analyzer, RatioLimitEndsTheCaseWithoutOvershoot) {
  ScriptedRun run({{0.25}, {0.25}, {0.25}, {kInfinite}}, {5}, {1.0});
  run.analyzer.Run();
  const Log expected{
      "Do 1 0 0",          "StepDone 0 0 0.25 0.25", "Do 0.75 1 0", "StepDone 1 0 0.25 0.5",
      "Do 0.5 2 0",        "StepDone 2 0 0.25 0.75", "Do 0.25 3 0", "StepDone 3 0 0.25 1",
      "LastLoadCaseEnded", "AnalysisEnded"};
  EXPECT_EQ(FromFirstStep(run.log), expected);
  EXPECT_FALSE(run.logger.records.back().ReachedToLimitStep);
  EXPECT_TRUE(run.logger.records.back().ReachedToLimitRatio);
}

TEST(Analyzer, NextLoadCaseRestartsTheRatioWhileStepsRunOn) {
  ScriptedRun run({{0.6}, {kInfinite}, {kInfinite}}, {1, 10}, {1.0, 0.5});
  run.analyzer.Run();
  const Log expected{
      "Do 1 0 0",     "StepDone 0 0 0.6 0.6", "Do 0.4 1 0",           "StepDone 1 0 0.4 1",
      "NextLoadCase", "Do 0.5 2 1",           "StepDone 2 1 0.5 0.5", "LastLoadCaseEnded",
      "AnalysisEnded"};
  EXPECT_EQ(FromFirstStep(run.log), expected);
  EXPECT_EQ(run.logger.records.back().LimitStep, 10u);
  EXPECT_EQ(run.logger.records.back().LimitRatio, 0.5);
}

// The first reason that holds ends the analysis: a failed structure before the limits, and
// the limits in their order; reaching a limit exactly counts.
TEST(Analyzer, EndReasonsInTheirOrder) {
  struct Case {
    const char* name;
    ScriptedStep step;
    std::array<double, 4> limits;  // MaxAddDisp, MaxAddRotAngle, MaxDisp, MaxRotAngle
    const char* end;
  };
  const Case cases[] = {
      {"failed while the ratio is reached",
       {1.0, 9, 9, 9, 9, true},
       {1, 1, 1, 1},
       "StructureFailed"},
      {"added displacement", {0.5, 2.0, 9, 9, 9}, {2.0, 1, 1, 1}, "MaxAddDispLimitReached"},
      {"added rotation", {0.5, 0, 0.1, 9, 9}, {1, 0.1, 1, 1}, "MaxAddRotAngleLimitReached"},
      {"displacement limit 0.0", {0.5, 0, 0, 0, 0}, {1, 1, 0.0, 1}, "MaxDispLimitReached"},
      {"rotation", {0.5, 0, 0, 0, 0.2}, {1, 1, 1, 0.2}, "MaxRotAngleLimitReached"},
  };
  for (const Case& c : cases) {
    ScriptedRun run({c.step}, {5}, {1.0});
    run.analyzer.SetMaxAddDispLimit(c.limits[0]);
    run.analyzer.SetMaxAddRotAngleLimit(c.limits[1]);
    run.analyzer.SetMaxDispLimit(c.limits[2]);
    run.analyzer.SetMaxRotAngleLimit(c.limits[3]);
    run.analyzer.Run();
    const Log log = FromFirstStep(run.log);
    ASSERT_EQ(log.size(), 4u) << c.name;
    EXPECT_EQ(log[2], c.end) << c.name;
    EXPECT_EQ(log[3], "AnalysisEnded") << c.name;
  }
}

TEST(Analyzer, StepFailureLeavesWithoutTheEnd) {
  ScriptedRun run({{0.5}}, {5}, {1.0});
  EXPECT_THROW(run.analyzer.Run(), csEachDone::exRatioReachedToInfinite);
  EXPECT_EQ(run.log.back(), "Do 0.5 1 0");
}

TEST(Analyzer, LoadCaseLimitsAreCheckedBeforeAnything) {
  struct Case {
    std::vector<std::uint32_t> steps;
    std::vector<double> ratios;
  };
  for (const Case& c : {Case{{}, {}}, Case{{0, 0}, {1.0}}}) {
    ScriptedRun run({{0.5}}, c.steps, c.ratios);
    try {
      run.analyzer.Run();
      ADD_FAILURE() << "ran without limits";
    } catch (const csAnalyzer::exLoadCaseLimitsAreWrong& e) {
      EXPECT_EQ(e.StepLimitN, c.steps.size());
      EXPECT_EQ(e.RatioLimitN, c.ratios.size());
    }
    EXPECT_TRUE(run.log.empty());
  }
  ScriptedRun longer({{0.5}}, {0}, {1.0, 2.0});  // extra ratio limits are allowed
  EXPECT_NO_THROW(longer.analyzer.Run());
}

// Members hear of each moment in the order nodes, frame elements, walls; walls have no load
// cases; the step that ends the analysis gets no end-of-step call.
class NodeProbe : public csNode {
 public:
  explicit NodeProbe(Log& log) : csNode(nullptr), log_(log) {}
  void CheckPreFaceMoment() override { log_.push_back("N start"); }
  void BeginStep(std::uint32_t s) override { log_.push_back(Line("N begin", s)); }
  void EndStep(std::uint32_t s) override { log_.push_back(Line("N end", s)); }
  void NextCase() override { log_.push_back("N next"); }
  void EndAnalysis() override { log_.push_back("N finish"); }

 private:
  Log& log_;
};

class ElementProbe : public csElement {
 public:
  ElementProbe(const znFEM::znMatrixMaker::ifMatrixMaker2DRahmen& maker, Log& log)
      : csElement(maker, nullptr), log_(log) {}
  void BeginAnalysis() override { log_.push_back("E start"); }
  void BeginStep(std::uint32_t s) override { log_.push_back(Line("E begin", s)); }
  void EndStep(std::uint32_t s) override { log_.push_back(Line("E end", s)); }
  void NextCase() override { log_.push_back("E next"); }
  void EndAnalysis() override { log_.push_back("E finish"); }

 private:
  Log& log_;
};

class WallProbe : public csWallElement {
 public:
  WallProbe(const znFEM::znMatrixMaker::ifMatrixMaker2DWallElement& maker, Log& log)
      : csWallElement(nullptr, &maker), log_(log) {}
  void BeginAnalysis() override { log_.push_back("W start"); }
  void BeginStep(std::uint32_t s) override { log_.push_back(Line("W begin", s)); }
  void EndStep(std::uint32_t s) override { log_.push_back(Line("W end", s)); }
  void NextCase() override { log_.push_back("W next"); }
  void EndAnalysis() override { log_.push_back("W finish"); }

 private:
  Log& log_;
};

TEST(Analyzer, MembersHearEachMomentInOrder) {
  Log log;
  std::vector<std::unique_ptr<NodeProbe>> nodes;
  const std::array<std::array<double, 2>, 4> at{{{0, 0}, {0, 3}, {4, 0}, {4, 3}}};
  for (int k = 0; k < 4; ++k) {
    nodes.push_back(std::make_unique<NodeProbe>(log));
    NodeProp prop;
    prop.ID = "N" + std::to_string(k);
    prop.Coordinate = at[k];
    nodes.back()->SetProp(prop);
  }
  znFEM::znMatrixMaker::csMatrixMaker2DRahmen frameMaker;
  ElementProbe element(frameMaker, log);
  ElementProp member;
  member.ID = "E";
  member.Node = {nodes[0].get(), nodes[1].get()};
  member.A = member.E = member.I = 1.0;
  element.SetProp(member);
  znFEM::znMatrixMaker::csMatrixMaker2DWallElement wallMaker;
  WallProbe wall(wallMaker, log);
  WallElementProp panel;
  panel.ID = "W";
  panel.Node = {{nodes[0].get(), nodes[1].get()}, {nodes[2].get(), nodes[3].get()}};
  panel.A = panel.E = panel.I = 1.0;
  panel.IsLaGiven = {false, false};
  wall.SetProp(panel);

  ScriptedStepSolver stepSolver(log, {{kInfinite}, {kInfinite}});
  csAnalyzer analyzer(stepSolver, nullptr);
  analyzer.SetLimitSteps({0, 0});
  analyzer.SetLimitRatios({1.0, 1.0});
  analyzer.AddNodes({nodes[0].get(), nodes[1].get()});
  analyzer.AddNodes({nodes[2].get()});  // appended, as the spring-support nodes are
  analyzer.AddElements({&element});
  analyzer.AddWallElements({&wall});
  analyzer.Run();
  const Log expected{"SetNodes 3", "SetElements 1", "SetWallElements 1",
                     "N start",    "N start",       "N start",
                     "E start",    "W start",       "N begin 0",
                     "N begin 0",  "N begin 0",     "E begin 0",
                     "W begin 0",  "Do 1 0 0",      "N next",
                     "N next",     "N next",        "E next",
                     "N end 0",    "N end 0",       "N end 0",
                     "E end 0",    "W end 0",       "N begin 1",
                     "N begin 1",  "N begin 1",     "E begin 1",
                     "W begin 1",  "Do 1 1 1",      "N finish",
                     "N finish",   "N finish",      "E finish",
                     "W finish"};
  EXPECT_EQ(log, expected);
}

}  // namespace
