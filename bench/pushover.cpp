// Pushover benchmark: a 20-storey, 6-bay frame with a plastic moment at every member end,
// under gravity (case 0) and then a lateral push (case 1) until it collapses. Prints the
// steps, the events and the time per step against the one elastic step of the same frame.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "fem/model/Conductor.h"
#include "fem/model/LoggerBundle.h"

namespace {

namespace model = znFEM::znTraceYield2DRahmen;

constexpr int kStoreys = 20;
constexpr int kBays = 6;
constexpr double kStorey = 3.5;
constexpr double kBay = 6.0;

// Times every step in processor time (other work on the machine does not count): from the last
// limit report (just before the first step) or the previous step to the end of the step;
// counts the events.
class csStepClock : public model::csAnalyzer::ifLogger {
 public:
  std::vector<double> seconds;
  std::size_t events = 0;
  std::string end = "none";

  void MaxAddDispLimit(double) override {}
  void MaxAddRotAngleLimit(double) override {}
  void MaxDispLimit(double) override {}
  void MaxRotAngleLimit(double) override { last_ = std::clock(); }
  void StepDone(const model::csAnalyzer::StepRecord& record) override {
    const std::clock_t now = std::clock();
    seconds.push_back(static_cast<double>(now - last_) / CLOCKS_PER_SEC);
    last_ = now;
    events += record.Events.size();
  }
  void NextLoadCase() override {}
  void LastLoadCaseEnded() override { end = "RatioReached"; }
  void StepLimitReached() override { end = "StepLimit"; }
  void MaxAddDispLimitReached() override {}
  void MaxAddRotAngleLimitReached() override {}
  void MaxDispLimitReached() override {}
  void MaxRotAngleLimitReached() override {}
  void StructureFailed(model::FailureKind, const std::string&) override { end = "Failure"; }
  void MechanismFormed() override { end = "Mechanism"; }
  void AnalysisEnded() override {}

 private:
  std::clock_t last_ = std::clock();
};

std::string NodeID(int floor, int line) {
  return "N" + std::to_string(floor) + "_" + std::to_string(line);
}

model::ElementProp Member(const std::string& id, const std::string& i, const std::string& j,
                          double a, double inertia, double mp, bool plastic) {
  model::ElementProp e;
  e.ID = id;
  e.NodeID = {i, j};
  e.A = a;
  e.E = 2.0e8;
  e.I = inertia;
  if (plastic) e.My = {model::Limits{mp, -mp}, model::Limits{mp, -mp}};
  return e;
}

struct Frame {
  std::vector<model::NodeProp> nodes;
  std::vector<model::ElementProp> elements;
  std::vector<model::ImposedLoadAndDispProp> loads;
  std::vector<model::EdgeLoadDistributedProp> beamLoads;
};

// Nodes floor by floor, so the band stays narrow; columns weaken up the height. Gravity
// 25 kN/m on every beam; lateral loads growing with the height (inverted triangle).
Frame MakeFrame(bool plastic) {
  Frame f;
  for (int floor = 0; floor <= kStoreys; ++floor) {
    for (int line = 0; line <= kBays; ++line) {
      model::NodeProp n;
      n.ID = NodeID(floor, line);
      n.Coordinate = {line * kBay, floor * kStorey};
      const bool base = floor == 0;
      n.IsSupported = {base, base, base};
      f.nodes.push_back(n);
    }
  }
  for (int floor = 1; floor <= kStoreys; ++floor) {
    const double mpColumn = 900.0 - 30.0 * floor;
    for (int line = 0; line <= kBays; ++line) {
      f.elements.push_back(Member("C" + std::to_string(floor) + "_" + std::to_string(line),
                                  NodeID(floor - 1, line), NodeID(floor, line), 0.04, 6e-4,
                                  mpColumn, plastic));
    }
    for (int bay = 0; bay < kBays; ++bay) {
      const std::string id = "B" + std::to_string(floor) + "_" + std::to_string(bay);
      f.elements.push_back(
          Member(id, NodeID(floor, bay), NodeID(floor, bay + 1), 0.02, 4e-4, 320.0, plastic));
      f.beamLoads.push_back({id, 0, {0.0, -25.0}, {0.0, -25.0}, 0.0, 0.0, false});
    }
    f.loads.push_back({NodeID(floor, 0), 1, {2.0 * floor, 0.0, 0.0}, {}});
  }
  return f;
}

csStepClock Run(bool plastic) {
  const Frame frame = MakeFrame(plastic);
  csStepClock clock;
  model::LoggerBundle loggers;
  loggers.Analyzer = &clock;
  model::csConductor conductor(loggers, 1e-3);
  model::AnalysisLimits limits;
  limits.Steps = {100, 5000};
  limits.Ratios = {1.0, plastic ? 1000.0 : 1.0};
  conductor.SetLimits(limits);
  conductor.SetNodeRecords(frame.nodes);
  conductor.SetElementRecords(frame.elements);
  conductor.SetWallElementRecords({});
  conductor.SetSpringSupportRecords({});
  conductor.SetImposedLoadRecords(frame.loads);
  conductor.SetEdgeLoadRecords({}, {}, frame.beamLoads);
  conductor.Run();
  return clock;
}

double Mean(const std::vector<double>& v, std::size_t first, std::size_t last) {
  double sum = 0.0;
  for (std::size_t k = first; k < last; ++k) sum += v[k];
  return sum / static_cast<double>(last - first);
}

}  // namespace

int main() {
  // The elastic frame takes one step per case; its steps set the reference time.
  std::vector<double> elastic;
  for (int repeat = 0; repeat < 5; ++repeat) {
    const csStepClock run = Run(false);
    elastic.insert(elastic.end(), run.seconds.begin(), run.seconds.end());
  }
  std::sort(elastic.begin(), elastic.end());
  const double reference = elastic[elastic.size() / 2];
  const csStepClock run = Run(true);
  const std::vector<double>& t = run.seconds;
  const std::size_t n = t.size();
  std::vector<double> sorted = t;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t tenth = std::max<std::size_t>(1, n / 10);
  std::printf(
      "pushover: %d storeys x %d bays, %zu nodes, %zu members, a plastic moment at every end\n",
      kStoreys, kBays, std::size_t{(kStoreys + 1) * (kBays + 1)},
      std::size_t{kStoreys * (2 * kBays + 1)});
  std::printf("  end           : %s\n", run.end.c_str());
  std::printf("  steps         : %zu\n", n);
  std::printf("  events        : %zu\n", run.events);
  std::printf("  elastic step  : %.3f ms (median of %zu)\n", 1e3 * reference, elastic.size());
  std::printf(
      "  traced step   : median %.3f ms, 95th percentile %.3f ms (%.2fx the elastic step)\n",
      1e3 * sorted[n / 2], 1e3 * sorted[n * 95 / 100], sorted[n * 95 / 100] / reference);
  std::printf("  slowest step  : %.3f ms (%.2fx the elastic step)\n", 1e3 * sorted.back(),
              sorted.back() / reference);
  std::printf("  first / last tenth of the steps: %.3f ms / %.3f ms per step\n",
              1e3 * Mean(t, 0, tenth), 1e3 * Mean(t, n - tenth, n));
  std::printf("  whole analysis: %.3f s\n", Mean(t, 0, n) * static_cast<double>(n));
  return 0;
}
