// The yield-tracing loop on members with finite capacities, against plastic theory: a
// fixed-fixed beam under uniform load hinges at its ends at w·L²/12 = Mp and at mid-span at
// w·L²/16 = Mp, after which it is a mechanism.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fem/model/Analyzer.h"
#include "fem/model/ModelBuilders.h"

namespace {

using namespace modelbuild;
using StepRecord = csAnalyzer::StepRecord;

constexpr double kE = 2.0e4;
constexpr double kI = 2000.0;
constexpr double kSpan = 600.0;
constexpr double kW = 0.1;  // load per length of a unit ratio
// First hinges at ratio 12·Mp/(w·L²) = 0.6, collapse at 16·Mp/(w·L²) = 0.8.
constexpr double kMp = 0.05 * kW * kSpan * kSpan;
// Ratios come from a few divisions of rounded forces.
constexpr double kRatioTol = 1e-9;

class StepRecorder : public csAnalyzer::ifLogger {
 public:
  void MaxAddDispLimit(double) override {}
  void MaxAddRotAngleLimit(double) override {}
  void MaxDispLimit(double) override {}
  void MaxRotAngleLimit(double) override {}
  void StepDone(const StepRecord& record) override { records.push_back(record); }
  void NextLoadCase() override { ends.push_back("NextLoadCase"); }
  void LastLoadCaseEnded() override { ends.push_back("LastLoadCaseEnded"); }
  void MaxAddDispLimitReached() override { ends.push_back("MaxAddDisp"); }
  void MaxAddRotAngleLimitReached() override { ends.push_back("MaxAddRotAngle"); }
  void MaxDispLimitReached() override { ends.push_back("MaxDisp"); }
  void MaxRotAngleLimitReached() override { ends.push_back("MaxRotAngle"); }
  void StructureFailed() override { ends.push_back("StructureFailed"); }
  void AnalysisEnded() override { ends.push_back("AnalysisEnded"); }

  std::vector<StepRecord> records;
  std::vector<std::string> ends;
};

// The conductor's part: a step solver and an analyzer over the model's lists.
class Analysis {
 public:
  Analysis(TestModel& model, std::vector<std::uint32_t> steps, std::vector<double> ratios) {
    model.Build();
    analyzer.SetLimitSteps(steps);
    analyzer.SetLimitRatios(ratios);
    analyzer.AddNodes(model.Nodes());
    analyzer.AddElements(model.Elements());
    analyzer.AddWallElements(model.Walls());
  }
  StepRecorder logger;
  znFEM::znSimulEquation::csSimulEquation solver{1e-6};
  csEachDone stepSolver{solver};
  csAnalyzer analyzer{stepSolver, &logger};
};

// Fixed at A and C, the mid-span node M free; both halves carry the load and Mp at both ends.
void BuildFixedBeam(TestModel& model) {
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("M", kSpan / 2.0, 0.0);
  model.AddNode("C", kSpan, 0.0, kFixed);
  for (const auto& [id, i, j] : {std::array<const char*, 3>{"AM", "A", "M"}, {"MC", "M", "C"}}) {
    model.AddMember(id, i, j, kE, 50.0, kI).My = {Limits{kMp, -kMp}, Limits{kMp, -kMp}};
    model.AddUniformLoad(id, -kW);
  }
}

PerEnd<std::int32_t> HingesOf(const TestModel& model, const char* id) {
  return dynamic_cast<const csElement&>(*model.Element(id)).GetHingeState();
}

// Mid-span deflection per unit ratio: fixed-fixed, and simply supported once the ends hinge.
double FixedDeflection() {
  return kW * std::pow(kSpan, 4) / (384.0 * kE * kI);
}

TEST(AnalyzerYield, HingesFormAtTheLoadsOfPlasticTheoryUnderAStepLimit) {
  TestModel model;
  BuildFixedBeam(model);
  Analysis run(model, {1}, {1.0});
  run.analyzer.Run();
  ASSERT_EQ(run.logger.records.size(), 2u);
  const StepRecord& first = run.logger.records[0];
  const StepRecord& second = run.logger.records[1];
  EXPECT_NEAR(first.AddRatio, 0.6, kRatioTol);
  EXPECT_NEAR(second.AddRatio, 0.2, kRatioTol);
  EXPECT_NEAR(second.TotalRatio, 0.8, kRatioTol);
  EXPECT_TRUE(second.ReachedToLimitStep);
  EXPECT_FALSE(second.ReachedToLimitRatio);
  // Every end has hinged: member end moments are counter-clockwise positive, so the hogging
  // ends A and C yield at opposite limits, and so do the sagging ends at M.
  EXPECT_EQ(HingesOf(model, "AM"), (PerEnd<std::int32_t>{kYieldedUpper, kYieldedUpper}));
  EXPECT_EQ(HingesOf(model, "MC"), (PerEnd<std::int32_t>{kYieldedLower, kYieldedLower}));
  // 0.6 of the fixed-fixed deflection, then 0.2 of the simply supported one (5 times more).
  const double added = 0.2 * 5.0 * FixedDeflection();
  EXPECT_NEAR(second.MaxDisp, 0.6 * FixedDeflection() + added, 1e-9 * added);
  EXPECT_NEAR(second.MaxAddDisp, added, 1e-9 * added);
  EXPECT_EQ(second.MaxDispNodeID, "M");
  EXPECT_EQ(run.logger.ends, (std::vector<std::string>{"LastLoadCaseEnded", "AnalysisEnded"}));
}

TEST(AnalyzerYield, RatioLimitStopsBeforeTheMidSpanHinge) {
  TestModel model;
  BuildFixedBeam(model);
  Analysis run(model, {10}, {0.7});
  run.analyzer.Run();
  ASSERT_EQ(run.logger.records.size(), 2u);
  EXPECT_NEAR(run.logger.records[1].AddRatio, 0.1, kRatioTol);
  EXPECT_TRUE(run.logger.records[1].ReachedToLimitRatio);
  EXPECT_EQ(HingesOf(model, "AM")[1], kElastic);
  EXPECT_NEAR(model.Node("A")->GetForce()[2], kMp, 1e-9 * kMp);  // the hinge holds Mp
  EXPECT_EQ(run.logger.ends, (std::vector<std::string>{"LastLoadCaseEnded", "AnalysisEnded"}));
}

// Three hinges make a mechanism: the next step finds mid-span free to move (its y row first)
// and the analysis leaves without its end.
TEST(AnalyzerYield, MechanismFailsTheNextStep) {
  TestModel model;
  BuildFixedBeam(model);
  Analysis run(model, {10}, {1.0});
  try {
    run.analyzer.Run();
    FAIL() << "the mechanism was solved";
  } catch (const csEachDone::exTheNodeIsIsolated& e) {
    EXPECT_EQ(e.ID, "M");
    EXPECT_EQ(e.Direction, 1u);
    EXPECT_EQ(e.Step, 2u);
  }
  EXPECT_EQ(run.logger.records.size(), 2u);
  EXPECT_TRUE(run.logger.ends.empty());
}

// Shear at the fixed end of a cantilever reaches Qy at ratio 0.5: the structure has failed,
// which outranks the end of the case.
TEST(AnalyzerYield, ShearFailureEndsTheAnalysis) {
  TestModel model;
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", 300.0, 0.0);
  model.AddMember("AB", "A", "B", kE, 50.0, kI).Qy = {Limits{5.0, -5.0}, Limits{5.0, -5.0}};
  model.SetLoad("B", {0.0, -10.0, 0.0});
  Analysis run(model, {0}, {1.0});
  run.analyzer.Run();
  EXPECT_NEAR(run.logger.records.at(0).AddRatio, 0.5, kRatioTol);
  EXPECT_EQ(run.logger.ends, (std::vector<std::string>{"StructureFailed", "AnalysisEnded"}));
}

// The second case applies its own loads from zero ratio on top of the first case's totals.
TEST(AnalyzerYield, SecondLoadCaseAddsToTheFirst) {
  TestModel model(2);
  model.AddNode("A", 0.0, 0.0, kFixed);
  model.AddNode("B", 300.0, 0.0);
  model.AddMember("AB", "A", "B", kE, 50.0, kI);
  model.SetLoad("B", {0.0, -10.0, 0.0}, 0);
  model.SetLoad("B", {0.0, -20.0, 0.0}, 1);
  Analysis run(model, {0, 0}, {1.0, 1.0});
  run.analyzer.Run();
  ASSERT_EQ(run.logger.records.size(), 2u);
  const StepRecord& second = run.logger.records[1];
  EXPECT_EQ(second.Step, 1u);
  EXPECT_EQ(second.LoadDispNumber, 1u);
  EXPECT_EQ(second.TotalRatio, 1.0);
  const double unit = 10.0 * std::pow(300.0, 3) / (3.0 * kE * kI);
  EXPECT_NEAR(model.Node("B")->GetDisp()[1], -3.0 * unit, 1e-9 * unit);
  EXPECT_NEAR(second.MaxAddDisp, 2.0 * unit, 1e-9 * unit);
  EXPECT_NEAR(model.Node("A")->GetForce()[1], 30.0, 1e-9);
  EXPECT_EQ(run.logger.ends,
            (std::vector<std::string>{"NextLoadCase", "LastLoadCaseEnded", "AnalysisEnded"}));
}

}  // namespace
