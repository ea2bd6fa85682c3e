// The step loop on a scripted step solver: the ratio each step may use, the end of each load
// case and of the analysis with its reason, the logger's calls and the members' moments, all
// in order; then on members that yield.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "ConductorFixture.h"

namespace {

using namespace conductortest;

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
  ScriptedStepSolver(Log& log, std::vector<ScriptedStep> script) : log_(log), script_(script) {}
  void SetNodes(const std::vector<ifNode*>& n) override { log_.push_back(Line("Nodes", n.size())); }
  void SetElements(const std::vector<ifElement*>& e) override {
    log_.push_back(Line("Elements", e.size()));
  }
  void SetWallElements(const std::vector<ifWallElement*>& w) override {
    log_.push_back(Line("Walls", w.size()));
  }
  void Do(double remaining, std::uint32_t step, std::uint32_t loadCase) override {
    log_.push_back(Line("Do", remaining, step, loadCase));
    current_ = script_.at(next_++);
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

// The step solver writes into the analyzer logger's log.
struct ScriptedRun {
  AnalyzerRecorder logger;
  ScriptedStepSolver stepSolver;
  csAnalyzer analyzer{stepSolver, &logger};
  AnalysisLimits limits;
  ScriptedRun(std::vector<ScriptedStep> script, std::vector<std::uint32_t> steps,
              std::vector<double> ratios)
      : stepSolver(logger.log, script) {
    limits.Steps = steps;
    limits.Ratios = ratios;
    analyzer.SetLimits(limits);
  }
};

// The four limits and the lists come first. Events at the accumulated ratios 0.25, 0.5 and
// 0.75 and none after: four steps of 0.25, the last one capped by what the case still allows,
// and the case ends by its ratio. The second case restarts the ratio while the step number
// runs on, and its step limit counts steps over the whole analysis.
TEST(Analyzer, CasesEndByRatioOrStepWithoutOvershoot) {
  ScriptedRun run({{0.25}, {0.25}, {0.25}, {kInfinite}, {0.5}}, {5, 4}, {1.0, 1.0});
  run.analyzer.Run();
  // clang-format off
  const Log expected{
      "MaxAddDispLimit 1.79769e+308", "MaxAddRotAngleLimit 1.79769e+308",
      "MaxDispLimit 1.79769e+308", "MaxRotAngleLimit 1.79769e+308", "Nodes 0", "Elements 0",
      "Walls 0", "Do 1 0 0", "StepDone 0 0 0.25 0.25", "Do 0.75 1 0", "StepDone 1 0 0.25 0.5",
      "Do 0.5 2 0", "StepDone 2 0 0.25 0.75", "Do 0.25 3 0", "StepDone 3 0 0.25 1",
      "NextLoadCase", "Do 1 4 1", "StepDone 4 1 0.5 0.5", "LastLoadCaseEnded", "AnalysisEnded"};
  // clang-format on
  EXPECT_EQ(run.logger.log, expected);
  const csAnalyzer::StepRecord &byRatio = run.logger.steps.at(3), &byStep = run.logger.steps.at(4);
  EXPECT_EQ(Line(byRatio.LimitStep, byRatio.ReachedToLimitStep, byRatio.ReachedToLimitRatio),
            "5 0 1");
  EXPECT_EQ(Line(byStep.LimitStep, byStep.ReachedToLimitStep, byStep.ReachedToLimitRatio), "4 1 0");
  EXPECT_EQ(Line(byStep.MaxDispNodeID, byStep.MaxRotAngleElementID, byStep.MaxAddDispNodeID,
                 byStep.MaxAddRotAngleElementID),
            "N E AN AE");
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
    AnalysisLimits limits = run.limits;
    limits.MaxAddDisp = c.limits[0];
    limits.MaxAddRotAngle = c.limits[1];
    limits.MaxDisp = c.limits[2];
    limits.MaxRotAngle = c.limits[3];
    run.analyzer.SetLimits(limits);
    run.analyzer.Run();
    const Log log = run.logger.FromFirstStep();
    ASSERT_EQ(log.size(), 4u) << c.name;
    EXPECT_EQ(log[2], c.end) << c.name;
    EXPECT_EQ(log[3], "AnalysisEnded") << c.name;
  }
}

// A member of each kind in one: a probe stands for the kind named in its log lines, and writes
// each moment it hears of.
class Probe : public csNode, public csElement, public csWallElement {
 public:
  Probe(Log& log, const char* kind, const znFEM::znMatrixMaker::csMatrixMaker2DRahmen& frame,
        const znFEM::znMatrixMaker::csMatrixMaker2DWallElement& wall)
      : csNode(nullptr),
        csElement(frame, nullptr),
        csWallElement(nullptr, &wall),
        log_(log),
        kind_(kind) {}
  void CheckPreFaceMoment() override { log_.push_back(Line(kind_, "start")); }
  void BeginAnalysis() override { log_.push_back(Line(kind_, "start")); }
  void BeginStep(std::uint32_t s) override { log_.push_back(Line(kind_, "begin", s)); }
  void EndStep(std::uint32_t s) override { log_.push_back(Line(kind_, "end", s)); }
  void NextCase() override { log_.push_back(Line(kind_, "next")); }
  void EndAnalysis() override { log_.push_back(Line(kind_, "finish")); }

 private:
  Log& log_;
  const char* kind_;
};

// Each moment goes to the nodes, then the frame elements, then the walls; walls have no load
// cases; the step that ends the analysis gets no end-of-step call.
TEST(Analyzer, MembersHearEachMomentInOrder) {
  Log log;
  const znFEM::znMatrixMaker::csMatrixMaker2DRahmen frame;
  const znFEM::znMatrixMaker::csMatrixMaker2DWallElement wall;
  Probe n1(log, "N", frame, wall), n2(log, "N", frame, wall), e(log, "E", frame, wall),
      w(log, "W", frame, wall);
  ScriptedStepSolver stepSolver(log, {{kInfinite}, {kInfinite}});
  csAnalyzer analyzer(stepSolver, nullptr);
  analyzer.SetLimits({.Steps = {0, 0}, .Ratios = {1.0, 1.0}});
  analyzer.AddNodes({&n1});
  analyzer.AddNodes({&n2});  // appended, as the spring-support nodes are
  analyzer.AddElements({&e});
  analyzer.AddWallElements({&w});
  analyzer.Run();
  const Log expected{"Nodes 2",  "Elements 1", "Walls 1",   "N start",   "N start",   "E start",
                     "W start",  "N begin 0",  "N begin 0", "E begin 0", "W begin 0", "Do 1 0 0",
                     "N next",   "N next",     "E next",    "N end 0",   "N end 0",   "E end 0",
                     "W end 0",  "N begin 1",  "N begin 1", "E begin 1", "W begin 1", "Do 1 1 1",
                     "N finish", "N finish",   "E finish",  "W finish"};
  EXPECT_EQ(log, expected);
}

// The yield-tracing loop run by the conductor on members with finite capacities, against
// plastic theory: a fixed-fixed beam under uniform load hinges at its ends at w·L²/12 = Mp and
// at mid-span at w·L²/16 = Mp, after which it is a mechanism.
constexpr double kEI = 2.0e4;
constexpr double kSpan = 6.0;
constexpr double kW = 10.0;  // load per length of a unit ratio
// First hinges at ratio 12·Mp/(w·L²) = 0.6, collapse at 16·Mp/(w·L²) = 0.8.
constexpr double kMp = 0.05 * kW * kSpan * kSpan;

// Fixed at A and C, the mid-span node M free; both halves carry the load and Mp at both ends.
Records FixedBeam() {
  Records r;
  r.AddNode("A", 0, 0, kFixed);
  r.AddNode("M", kSpan / 2, 0);
  r.AddNode("C", kSpan, 0, kFixed);
  for (const char* id : {"AM", "MC"}) {
    r.AddMember(id, std::string(1, id[0]), std::string(1, id[1])).My = {Limits{kMp, -kMp},
                                                                        Limits{kMp, -kMp}};
    r.AddUniformLoad(id, 0, -kW);
  }
  return r;
}

// Step records print ratios to six digits, tolerance enough for a few divisions of forces.
// The second step adds a ratio to the first hinges' 0.6 with the ends hinged: the beam is then
// simply supported, 5 times softer at mid-span than fixed-fixed (w·L⁴/(384·EI) per unit
// ratio). The hinge at A holds Mp.
TEST(AnalyzerYield, HingesFormAtTheLoadsOfPlasticTheory) {
  struct Case {
    const char* name;
    std::uint32_t limitStep;
    double limitRatio;
    double secondRatio;
    Log failure;
  };
  const Case cases[] = {
      {"step limit after the mid-span hinge", 1, 1.0, 0.2, {}},
      {"ratio limit before it", 10, 0.7, 0.1, {}},
      // The next step finds mid-span free to move (its y row first) and leaves without the end.
      {"mechanism", 10, 1.0, 0.2, {"TheNodeIsIsolated M 1 2"}},
  };
  for (const Case& c : cases) {
    Records r = FixedBeam();
    r.limitSteps = {c.limitStep};
    r.limitRatios = {c.limitRatio};
    Loggers run;
    EXPECT_EQ(run.Run(r), !c.failure.empty()) << c.name;
    EXPECT_EQ(run.conductor.calls, c.failure) << c.name;
    const double total = 0.6 + c.secondRatio;
    Log expected{"StepDone 0 0 0.6 0.6", Line("StepDone 1 0", c.secondRatio, total)};
    if (c.failure.empty()) expected.insert(expected.end(), {"LastLoadCaseEnded", "AnalysisEnded"});
    EXPECT_EQ(run.analyzer.FromFirstStep(), expected) << c.name;
    const double unit = kW * std::pow(kSpan, 4) / (384.0 * kEI);
    const double deflection = (0.6 + 5.0 * c.secondRatio) * unit;
    EXPECT_NEAR(run.nodes.disp.at("M")[1], -deflection, 1e-9 * unit) << c.name;
    EXPECT_NEAR(run.nodes.force.at("A")[2], kMp, 1e-9 * kMp) << c.name;
    ExpectEquilibrium(run, r, 1e-9, total);
  }
}

// Shear at the fixed end of a cantilever reaches Qy at ratio 0.5: the structure has failed,
// which outranks the end of the case.
TEST(AnalyzerYield, ShearFailureEndsTheAnalysis) {
  Records r;
  r.AddNode("A", 0, 0, kFixed);
  r.AddNode("B", 3, 0);
  r.AddMember("AB", "A", "B").Qy = {Limits{5.0, -5.0}, Limits{5.0, -5.0}};
  r.AddLoad("B", {0, -10, 0});
  Loggers run;
  EXPECT_FALSE(run.Run(r));
  EXPECT_EQ(run.analyzer.FromFirstStep(),
            (Log{"StepDone 0 0 0.5 0.5", "StructureFailed", "AnalysisEnded"}));
}

}  // namespace
