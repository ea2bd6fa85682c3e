// Frames built as records and run through the conductor, with recording loggers: shared by the
// step solver, analyzer and conductor tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fem/model/Conductor.h"
#include "fem/model/LoggerBundle.h"

namespace conductortest {

using namespace znFEM::znTraceYield2DRahmen;
using Log = std::vector<std::string>;

inline constexpr std::array<bool, 3> kFree{false, false, false};
inline constexpr std::array<bool, 3> kFixed{true, true, true};

// The parts, space-separated.
template <class... T>
std::string Line(const T&... parts) {
  std::ostringstream out;
  ((out << parts << ' '), ...);
  std::string line = out.str();
  line.pop_back();
  return line;
}

// Every record list the conductor is given, with the run assembly's limits.
struct Records {
  std::vector<std::uint32_t> limitSteps{1000};
  std::vector<double> limitRatios{1.0};
  std::vector<NodeProp> nodes;
  std::vector<ElementProp> elements;
  std::vector<WallElementProp> walls;
  std::vector<SpringSupportProp> springs;
  std::vector<ImposedLoadAndDispProp> imposed;
  std::vector<EdgeLoadDistributedProp> distributed;

  // References stay valid until the next record of the same kind.
  NodeProp& AddNode(const std::string& id, double x, double y, std::array<bool, 3> held = kFree) {
    NodeProp& n = nodes.emplace_back();
    n.ID = id;
    n.Coordinate = {x, y};
    n.IsSupported = held;
    return n;
  }
  // EA = 2e6, EI = 2e4 (kN, m), no shear deformation unless Kappa is set.
  ElementProp& AddMember(const std::string& id, const std::string& i, const std::string& j) {
    ElementProp& e = elements.emplace_back();
    e.ID = id;
    e.NodeID = {i, j};
    e.A = 0.01;
    e.E = 2.0e8;
    e.I = 1.0e-4;
    e.Poisson = 0.3;
    return e;
  }
  WallElementProp& AddWall(const std::string& id, const std::string& ia, const std::string& ib,
                           const std::string& ja, const std::string& jb) {
    return walls.emplace_back(WallElementProp{.ID = id,
                                              .NodeID = {{ia, ib}, {ja, jb}},
                                              .A = 0.6,
                                              .E = 2.0e7,
                                              .I = 0.45,
                                              .Poisson = 0.25,
                                              .Kappa = 1.2,
                                              .IsLaGiven = {false, false}});
  }
  void AddLoad(const std::string& node, Triple load, std::uint32_t loadCase = 0) {
    imposed.push_back({node, loadCase, load, {}});
  }
  void AddDisp(const std::string& node, Triple disp, std::uint32_t loadCase = 0) {
    imposed.push_back({node, loadCase, {}, disp});
  }
  // A global-axis load per length over the whole member.
  void AddUniformLoad(const std::string& element, double wx, double wy, std::uint32_t c = 0) {
    distributed.push_back({element, c, {wx, wy}, {wx, wy}, 0.0, 0.0, false});
  }
  void AddSpring(const std::string& node, Triple coef) {
    springs.push_back(MakeSpringSupportProp(node, coef));
  }
  NodeProp& Node(const std::string& id) { return Find(nodes, id); }
  ElementProp& Element(const std::string& id) { return Find(elements, id); }

 private:
  template <class R>
  static R& Find(std::vector<R>& records, const std::string& id) {
    for (R& r : records) {
      if (r.ID == id) return r;
    }
    throw std::invalid_argument("no test record " + id);
  }
};

// Portal frame, fixed at A (0, 0) and D (6, 0), columns AB and DC of height 4, beam BC;
// a lateral load of 10 at B.
inline Records Portal() {
  Records r;
  r.AddNode("A", 0, 0, kFixed);
  r.AddNode("B", 0, 4);
  r.AddNode("C", 6, 4);
  r.AddNode("D", 6, 0, kFixed);
  r.AddMember("AB", "A", "B");
  r.AddMember("BC", "B", "C");
  r.AddMember("DC", "D", "C");
  r.AddLoad("B", {10, 0, 0});
  return r;
}

// Each report as one line: its name and its data. A real that is not finite is written
// "nonfinite": its sign and spelling are not the point.
class ConductorRecorder : public csConductor::ifLogger {
  using S = const std::string&;
  using U = std::uint32_t;
  using K = const csConductor::RecordKey&;

 public:
  Log calls;

#define RECORD_CALL(op, params, ...)     \
  void op params override {              \
    Add(#op __VA_OPT__(, ) __VA_ARGS__); \
  }
  RECORD_CALL(AnyNodeHasNotBeenSet, ())
  RECORD_CALL(AnyElementAndWallElementHasNotBeenSet, ())
  RECORD_CALL(SpecifiedMonitorNodeIsnotExist, (S n), n)
  RECORD_CALL(TheNodeIsnotConnected, (S n), n)
  RECORD_CALL(SpecifiedNodeByElementIsnotExist, (S n, S e, U end), n, e, end)
  RECORD_CALL(SpecifiedNodeByWallElementIsnotExist, (S n, S w, U end, U side), n, w, end, side)
  RECORD_CALL(SpecifiedConnectNodeBySpringSupportIsnotExist, (S n), n)
  RECORD_CALL(UnZeroSpringCoefIsSetAtSupportedNode, (S n, U d), n, d)
  RECORD_CALL(PanelElementIsnotExist, (S n, S e), n, e)
  RECORD_CALL(PanelElementIsnotConnected, (S n, S e), n, e)
  RECORD_CALL(TheNodeIsIsolated, (S n, U d, U step), n, d, step)
  RECORD_CALL(LoadsAndDispsAreAllZero, (U step, U c), step, c)
  RECORD_CALL(RatioReachedToInfinite, (U step, U c), step, c)
  RECORD_CALL(UnBalancedLoad, (S n, U d, U step, double v), n, d, step, v)
  RECORD_CALL(FailedToAnalyzeMatrix, (U step), step)
  RECORD_CALL(AllDegreesAreSupported, ())
  RECORD_CALL(RatioIsUnderZero, (U step, double r), step, r)
  RECORD_CALL(MypIsSetAtNodeThatHasnotPanel, (S n), n)
  RECORD_CALL(PreFaceMomentIsOverMyp, (S n, double a, double b, std::int32_t side), n, a, b, side)
  RECORD_CALL(LnOfElementIsUnderOrEqualToZero, (S e), e)
  RECORD_CALL(PreFaceMomentIsSetAtHinge, (S e, U end), e, end)
  RECORD_CALL(TwoNodesOfWallElementAreSamePosition, (S w, U e0, U s0, U e1, U s1), w, e0, s0, e1,
              s1)
  RECORD_CALL(LOfWallElementIsEqualToZero, (S w), w)
  RECORD_CALL(LaOfWallElementIsOverLij, (S w, U end), w, end)
  RECORD_CALL(BothAlphaYOfWallElementAreZero, (S w, U end), w, end)
  RECORD_CALL(SpecifiedNodeByImposedLoadAndDispIsnotExist, (K k, S n, U c), k, n, c)
  RECORD_CALL(SpecifiedLoadAndDispNumberIsOver, (K k, S n, U c), k, n, c)
  RECORD_CALL(ImposedDispIsSetAtNonSupportedNode, (K k, S n, U c, U d), k, n, c, d)
  RECORD_CALL(ImposedDispIsSetAtZeroCoefSpringSupport, (K k, S n, U c, U d), k, n, c, d)
  RECORD_CALL(SpecifiedElementByEdgeLoadFixCaseIsnotExist, (K k, S e, U c), k, e, c)
  RECORD_CALL(SpecifiedLoadNumberIsOver, (K k, S e, U c), k, e, c)
  RECORD_CALL(SpecifiedEdgeLoadIsSetAtZeroLengthEdge, (K k, S e, U c, U end), k, e, c, end)
  RECORD_CALL(PositionOfConcentratedLoadIsOut, (K k, S e, U c), k, e, c)
  RECORD_CALL(PositionOfDistributedLoadIsOut, (K k, S e, U c, U p), k, e, c, p)
  RECORD_CALL(PositionOfDistributedLoadAreTheSameOrLeftSideRight, (K k, S e, U c), k, e, c)
  RECORD_CALL(SpecifiedElementOfElementStressIsnotExist, (S e), e)
  RECORD_CALL(SpecifiedPositionOfElementStressIsOutOfLength, (S e, U k, double x, double l), e, k,
              x, l)
  RECORD_CALL(LengthOfElementOverflows, (S e), e)
  RECORD_CALL(StiffnessOfElementIsNotFinite, (S e), e)
  RECORD_CALL(EquivalentLoadOfElementIsNotFinite, (S e, U c), e, c)
  RECORD_CALL(StiffnessOfWallElementIsNotFinite, (S w), w)
  RECORD_CALL(EdgeLoadIsNotFinite, (K k, S e, U c), k, e, c)
  RECORD_CALL(ImposedLoadAndDispIsNotFinite, (K k, S n, U c, U d), k, n, c, d)
  RECORD_CALL(ResultIsNotFinite, (S n, U d, U step), n, d, step)
#undef RECORD_CALL
  void UnExpectedErrorHasBeenThrown(S message) override {
    calls.push_back("UnExpectedErrorHasBeenThrown: " + message);
  }

 private:
  template <class T>
  static void Put(std::ostream& out, const T& v) {
    out << ' ' << v;
  }
  static void Put(std::ostream& out, K k) {
    out << ' ' << k.first << ' ' << k.second;
  }
  static void Put(std::ostream& out, double v) {
    Put(out, std::isfinite(v) ? Line(v) : "nonfinite");
  }
  template <class... T>
  void Add(const char* op, const T&... data) {
    std::ostringstream line;
    line << op;
    (Put(line, data), ...);
    calls.push_back(line.str());
  }
};

// Each node's record as built and its last total force and displacement.
class NodeRecorder : public csNode::ifLogger {
 public:
  std::map<std::string, NodeProp> props;
  std::map<std::string, Triple> force;
  std::map<std::string, Triple> disp;

  void Prop(const NodeProp& p) override { props[p.ID] = p; }
  void Force(const NodeProp& p, const Triple& f) override { force[p.ID] = f; }
  void Disp(const NodeProp& p, const Triple& d) override { disp[p.ID] = d; }
  void PanelForce(const NodeProp&, const std::string&, const Triple&) override {}
  void ForceIncrement(const NodeProp&, const Triple&) override {}
  void DispIncrement(const NodeProp&, const Triple&) override {}
  void PanelForceIncrement(const NodeProp&, const std::string&, const Triple&) override {}
  void PanelRotationIncrement(const NodeProp&, const std::string&, double) override {}
  void PanelMomentA(const NodeProp&, double, double, double) override {}
  void PanelMomentB(const NodeProp&, double, double, double) override {}
  void PanelRatio(const NodeProp&, double) override {}
  void UpdateRatio(const NodeProp&, double) override {}
  void PanelElement(const NodeProp&, const PanelElementProp&, std::uint32_t,
                    const Triple&) override {}
  void PanelUnloading(const NodeProp&, bool, double) override {}
  void PanelState(const NodeProp&, std::int32_t) override {}
  void KijForPy(const NodeProp&, const std::string&, double) override {}
  void NextCase(const NodeProp&) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}
};

// Each spring support's ground reaction, by the supported node.
class GroundRecorder : public csSpringSupportNode::ifLogger {
 public:
  std::map<std::string, Triple> force;

  void Force(const SpringSupportNodeProp& p, const Triple& f) override {
    force[p.ConnectNodeID] = f;
  }
  void Prop(const SpringSupportNodeProp&) override {}
  void ForceIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void DispIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void Disp(const SpringSupportNodeProp&, const Triple&) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}
};

// The analyzer's reports as lines in order, a step as "StepDone step case addRatio total",
// and every step record.
class AnalyzerRecorder : public csAnalyzer::ifLogger {
 public:
  Log log;
  std::vector<csAnalyzer::StepRecord> steps;

  void MaxAddDispLimit(double v) override { log.push_back(Line("MaxAddDispLimit", v)); }
  void MaxAddRotAngleLimit(double v) override { log.push_back(Line("MaxAddRotAngleLimit", v)); }
  void MaxDispLimit(double v) override { log.push_back(Line("MaxDispLimit", v)); }
  void MaxRotAngleLimit(double v) override { log.push_back(Line("MaxRotAngleLimit", v)); }
  void StepDone(const csAnalyzer::StepRecord& r) override {
    steps.push_back(r);
    log.push_back(Line("StepDone", r.Step, r.LoadDispNumber, r.AddRatio, r.TotalRatio));
  }
  void NextLoadCase() override { log.push_back("NextLoadCase"); }
  void LastLoadCaseEnded() override { log.push_back("LastLoadCaseEnded"); }
  void MaxAddDispLimitReached() override { log.push_back("MaxAddDispLimitReached"); }
  void MaxAddRotAngleLimitReached() override { log.push_back("MaxAddRotAngleLimitReached"); }
  void MaxDispLimitReached() override { log.push_back("MaxDispLimitReached"); }
  void MaxRotAngleLimitReached() override { log.push_back("MaxRotAngleLimitReached"); }
  void StepLimitReached() override { log.push_back("StepLimitReached"); }
  void StructureFailed(FailureKind kind, const std::string& id) override {
    log.push_back(Line("StructureFailed", static_cast<int>(kind), id));
  }
  void MechanismFormed() override { log.push_back("MechanismFormed"); }
  void AnalysisEnded() override { log.push_back("AnalysisEnded"); }

  // The log from the first step on (the limits and the set-up come before it).
  Log FromFirstStep() const {
    return Log(std::find_if(log.begin(), log.end(),
                            [](const std::string& line) {
                              return line.rfind("Do ", 0) == 0 || line.rfind("StepDone ", 0) == 0;
                            }),
               log.end());
  }
};

// The loggers of one run (the bundle points at the recorders) and the run itself, from
// records through Run.
struct Loggers {
  ConductorRecorder conductor;
  AnalyzerRecorder analyzer;
  NodeRecorder nodes;
  GroundRecorder grounds;
  LoggerBundle bundle{&conductor, &analyzer, &nodes, nullptr, nullptr, &grounds};

  // True when the run failed with csConductor::exFailed.
  bool Run(const Records& r) {
    csConductor conductor(bundle, 1e-3);
    AnalysisLimits limits;
    limits.Steps = r.limitSteps;
    limits.Ratios = r.limitRatios;
    conductor.SetLimits(limits);
    conductor.SetNodeRecords(r.nodes);
    conductor.SetElementRecords(r.elements);
    conductor.SetWallElementRecords(r.walls);
    conductor.SetSpringSupportRecords(r.springs);
    conductor.SetImposedLoadRecords(r.imposed);
    conductor.SetEdgeLoadRecords({}, {}, r.distributed);
    try {
      conductor.Run();
    } catch (const csConductor::exFailed&) {
      return true;
    }
    return false;
  }
};

// Forces x, y and their moment about the origin.
struct Resultant {
  double x = 0.0;
  double y = 0.0;
  double m = 0.0;
  void Add(const std::array<double, 2>& at, const Triple& f) {
    x += f[0];
    y += f[1];
    m += at[0] * f[1] - at[1] * f[0] + f[2];
  }
};

// The reactions (forces of the supported directions; a spring's ground force acts at its
// node) balance every load of the records, each case applied to the ratio given.
inline void ExpectEquilibrium(const Loggers& run, Records r, double tolerance, double ratio = 1.0) {
  Resultant sum;
  for (const ImposedLoadAndDispProp& load : r.imposed) {
    const Triple f = load.ImposedLoad;
    sum.Add(r.Node(load.ID).Coordinate, {ratio * f[0], ratio * f[1], ratio * f[2]});
  }
  for (const EdgeLoadDistributedProp& load : r.distributed) {  // uniform: resultant at mid-span
    const ElementProp& e = r.Element(load.ID);
    const std::array<double, 2> i = r.Node(e.NodeID[0]).Coordinate;
    const std::array<double, 2> j = r.Node(e.NodeID[1]).Coordinate;
    const double length = ratio * std::hypot(j[0] - i[0], j[1] - i[1]);
    sum.Add({(i[0] + j[0]) / 2, (i[1] + j[1]) / 2},
            {load.LoadI[0] * length, load.LoadI[1] * length, 0.0});
  }
  for (const auto& [id, prop] : run.nodes.props) {
    Triple f = run.nodes.force.at(id);
    for (int d = 0; d < 3; ++d) f[d] = prop.IsSupported[d] ? f[d] : 0.0;
    sum.Add(prop.Coordinate, f);
  }
  for (const auto& [id, f] : run.grounds.force) sum.Add(run.nodes.props.at(id).Coordinate, f);
  EXPECT_NEAR(sum.x, 0.0, tolerance);
  EXPECT_NEAR(sum.y, 0.0, tolerance);
  EXPECT_NEAR(sum.m, 0.0, tolerance);
}

}  // namespace conductortest
