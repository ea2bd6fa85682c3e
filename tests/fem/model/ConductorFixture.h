// Record builders, recording loggers and a portal frame shared by the conductor tests.
#pragma once

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fem/model/Conductor.h"
#include "fem/model/LoggerBundle.h"

namespace conductortest {

using namespace znFEM::znTraceYield2DRahmen;

// Every record list the conductor is given, with the run assembly's limits.
struct Records {
  std::vector<std::uint32_t> limitSteps{0};
  std::vector<double> limitRatios{1.0};
  std::vector<NodeProp> nodes;
  std::vector<ElementProp> elements;
  std::vector<WallElementProp> walls;
  std::vector<SpringSupportProp> springs;
  std::vector<ImposedLoadAndDispProp> imposed;
  std::vector<EdgeLoadDirectInputProp> directInput;
  std::vector<EdgeLoadConcentratedProp> concentrated;
  std::vector<EdgeLoadDistributedProp> distributed;
};

inline constexpr std::array<bool, 3> kFree{false, false, false};
inline constexpr std::array<bool, 3> kFixed{true, true, true};

inline NodeProp Node(const std::string& id, double x, double y,
                     std::array<bool, 3> supported = kFree) {
  NodeProp n;
  n.ID = id;
  n.Coordinate = {x, y};
  n.IsSupported = supported;
  return n;
}

// EA = 2e6, EI = 2e4 (kN, m), no shear deformation.
inline ElementProp Member(const std::string& id, const std::string& nodeI,
                          const std::string& nodeJ) {
  ElementProp e;
  e.ID = id;
  e.NodeID = {nodeI, nodeJ};
  e.A = 0.01;
  e.E = 2.0e8;
  e.I = 1.0e-4;
  e.Poisson = 0.3;
  e.Kappa = 0.0;
  return e;
}

inline WallElementProp Wall(const std::string& id, const std::string& ia, const std::string& ib,
                            const std::string& ja, const std::string& jb) {
  WallElementProp w;
  w.ID = id;
  w.NodeID = {{ia, ib}, {ja, jb}};
  w.A = 0.6;
  w.E = 2.0e7;
  w.I = 0.45;
  w.Poisson = 0.25;
  w.Kappa = 1.2;
  w.IsLaGiven = {false, false};
  return w;
}

inline ImposedLoadAndDispProp Load(const std::string& node, std::uint32_t loadCase, Triple load) {
  ImposedLoadAndDispProp r;
  r.ID = node;
  r.LoadAndDispNumber = loadCase;
  r.ImposedLoad = load;
  return r;
}

inline ImposedLoadAndDispProp Disp(const std::string& node, std::uint32_t loadCase, Triple disp) {
  ImposedLoadAndDispProp r;
  r.ID = node;
  r.LoadAndDispNumber = loadCase;
  r.ImposedDisp = disp;
  return r;
}

// Global-axis load per length over the whole member.
inline EdgeLoadDistributedProp UniformLoad(const std::string& element, double wx, double wy) {
  EdgeLoadDistributedProp d;
  d.ID = element;
  d.LoadI = {wx, wy};
  d.LoadJ = {wx, wy};
  return d;
}

// Portal frame, fixed at A (0, 0) and D (6, 0), columns AB and DC of height 4, beam BC;
// a lateral load of 10 at B.
inline Records Portal() {
  Records r;
  r.nodes = {Node("A", 0, 0, kFixed), Node("B", 0, 4), Node("C", 6, 4), Node("D", 6, 0, kFixed)};
  r.elements = {Member("AB", "A", "B"), Member("BC", "B", "C"), Member("DC", "D", "C")};
  r.imposed = {Load("B", 0, {10, 0, 0})};
  return r;
}

// Each operation as one line: its name and its data, space-separated.
class ConductorRecorder : public csConductor::ifLogger {
 public:
  using RecordKey = csConductor::RecordKey;

  std::vector<std::string> calls;

  void AnyNodeHasNotBeenSet() override { Add("AnyNodeHasNotBeenSet"); }
  void AnyElementAndWallElementHasNotBeenSet() override {
    Add("AnyElementAndWallElementHasNotBeenSet");
  }
  void TheNodeIsnotConnected(const std::string& n) override { Add("TheNodeIsnotConnected", n); }
  void SpecifiedNodeByElementIsnotExist(const std::string& n, const std::string& e,
                                        std::uint32_t end) override {
    Add("SpecifiedNodeByElementIsnotExist", n, e, end);
  }
  void SpecifiedNodeByWallElementIsnotExist(const std::string& n, const std::string& w,
                                            std::uint32_t end, std::uint32_t side) override {
    Add("SpecifiedNodeByWallElementIsnotExist", n, w, end, side);
  }
  void SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& n) override {
    Add("SpecifiedConnectNodeBySpringSupportIsnotExist", n);
  }
  void UnZeroSpringCoefIsSetAtSupportedNode(const std::string& n, std::uint32_t d) override {
    Add("UnZeroSpringCoefIsSetAtSupportedNode", n, d);
  }
  void PanelElementIsnotExist(const std::string& n, const std::string& e) override {
    Add("PanelElementIsnotExist", n, e);
  }
  void PanelElementIsnotConnected(const std::string& n, const std::string& e) override {
    Add("PanelElementIsnotConnected", n, e);
  }
  void TheNodeIsIsolated(const std::string& n, std::uint32_t d, std::uint32_t step) override {
    Add("TheNodeIsIsolated", n, d, step);
  }
  void LoadsAndDispsAreAllZero(std::uint32_t step, std::uint32_t c) override {
    Add("LoadsAndDispsAreAllZero", step, c);
  }
  void RatioReachedToInfinite(std::uint32_t step, std::uint32_t c) override {
    Add("RatioReachedToInfinite", step, c);
  }
  void UnBalancedLoad(const std::string& n, std::uint32_t d, std::uint32_t step,
                      double v) override {
    Add("UnBalancedLoad", n, d, step, v);
  }
  void FailedToAnalyzeMatrix(std::uint32_t step) override { Add("FailedToAnalyzeMatrix", step); }
  void AllDegreesAreSupported() override { Add("AllDegreesAreSupported"); }
  void RatioIsUnderZero(std::uint32_t step, double r) override { Add("RatioIsUnderZero", step, r); }
  void MypIsSetAtNodeThatHasnotPanel(const std::string& n) override {
    Add("MypIsSetAtNodeThatHasnotPanel", n);
  }
  void PreFaceMomentIsOverMyp(const std::string& n, double a, double b,
                              std::int32_t side) override {
    Add("PreFaceMomentIsOverMyp", n, a, b, side);
  }
  void LnOfElementIsUnderOrEqualToZero(const std::string& e) override {
    Add("LnOfElementIsUnderOrEqualToZero", e);
  }
  void PreFaceMomentIsSetAtHinge(const std::string& e, std::uint32_t end) override {
    Add("PreFaceMomentIsSetAtHinge", e, end);
  }
  void TwoNodesOfWallElementAreSamePosition(const std::string& w, std::uint32_t e0,
                                            std::uint32_t s0, std::uint32_t e1,
                                            std::uint32_t s1) override {
    Add("TwoNodesOfWallElementAreSamePosition", w, e0, s0, e1, s1);
  }
  void LOfWallElementIsEqualToZero(const std::string& w) override {
    Add("LOfWallElementIsEqualToZero", w);
  }
  void LaOfWallElementIsOverLij(const std::string& w, std::uint32_t end) override {
    Add("LaOfWallElementIsOverLij", w, end);
  }
  void BothAlphaYOfWallElementAreZero(const std::string& w, std::uint32_t end) override {
    Add("BothAlphaYOfWallElementAreZero", w, end);
  }
  void SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& k, const std::string& n,
                                                   std::uint32_t c) override {
    Add("SpecifiedNodeByImposedLoadAndDispIsnotExist", k.first, k.second, n, c);
  }
  void SpecifiedLoadAndDispNumberIsOver(const RecordKey& k, const std::string& n,
                                        std::uint32_t c) override {
    Add("SpecifiedLoadAndDispNumberIsOver", k.first, k.second, n, c);
  }
  void ImposedDispIsSetAtNonSupportedNode(const RecordKey& k, const std::string& n, std::uint32_t c,
                                          std::uint32_t d) override {
    Add("ImposedDispIsSetAtNonSupportedNode", k.first, k.second, n, c, d);
  }
  void ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& k, const std::string& n,
                                               std::uint32_t c, std::uint32_t d) override {
    Add("ImposedDispIsSetAtZeroCoefSpringSupport", k.first, k.second, n, c, d);
  }
  void SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& k, const std::string& e,
                                                   std::uint32_t c) override {
    Add("SpecifiedElementByEdgeLoadFixCaseIsnotExist", k.first, k.second, e, c);
  }
  void SpecifiedLoadNumberIsOver(const RecordKey& k, const std::string& e,
                                 std::uint32_t c) override {
    Add("SpecifiedLoadNumberIsOver", k.first, k.second, e, c);
  }
  void SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& k, const std::string& e,
                                              std::uint32_t c, std::uint32_t end) override {
    Add("SpecifiedEdgeLoadIsSetAtZeroLengthEdge", k.first, k.second, e, c, end);
  }
  void PositionOfConcentratedLoadIsOut(const RecordKey& k, const std::string& e,
                                       std::uint32_t c) override {
    Add("PositionOfConcentratedLoadIsOut", k.first, k.second, e, c);
  }
  void PositionOfDistributedLoadIsOut(const RecordKey& k, const std::string& e, std::uint32_t c,
                                      std::uint32_t p) override {
    Add("PositionOfDistributedLoadIsOut", k.first, k.second, e, c, p);
  }
  void PositionOfDistributedLoadAreTheSameOrLeftSideRight(const RecordKey& k, const std::string& e,
                                                          std::uint32_t c) override {
    Add("PositionOfDistributedLoadAreTheSameOrLeftSideRight", k.first, k.second, e, c);
  }
  void UnExpectedErrorHasBeenThrown(const std::string& message) override {
    calls.push_back("UnExpectedErrorHasBeenThrown: " + message);
  }

 private:
  template <class... T>
  void Add(const char* op, const T&... data) {
    std::ostringstream line;
    line << op;
    ((line << ' ' << data), ...);
    calls.push_back(line.str());
  }
};

// Keeps the order in which nodes were built, their records, and each node's last total force
// and displacement.
class NodeRecorder : public csNode::ifLogger {
 public:
  std::vector<std::string> built;
  std::map<std::string, Triple> force;
  std::map<std::string, Triple> disp;
  std::map<std::string, NodeProp> props;

  void Prop(const NodeProp& p) override {
    built.push_back(p.ID);
    props[p.ID] = p;
  }
  void PanelForce(const NodeProp&, const std::string&, const Triple&) override {}
  void ForceIncrement(const NodeProp&, const Triple&) override {}
  void DispIncrement(const NodeProp&, const Triple&) override {}
  void PanelForceIncrement(const NodeProp&, const std::string&, const Triple&) override {}
  void PanelRotationIncrement(const NodeProp&, const std::string&, double) override {}
  void PanelMomentA(const NodeProp&, double, double, double) override {}
  void PanelMomentB(const NodeProp&, double, double, double) override {}
  void PanelRatio(const NodeProp&, double) override {}
  void UpdateRatio(const NodeProp&, double) override {}
  void Force(const NodeProp& p, const Triple& f) override { force[p.ID] = f; }
  void Disp(const NodeProp& p, const Triple& d) override { disp[p.ID] = d; }
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

// Each spring support's ground reaction.
class GroundRecorder : public csSpringSupportNode::ifLogger {
 public:
  std::map<std::string, Triple> force;

  void Prop(const SpringSupportNodeProp&) override {}
  void ForceIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void DispIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void Force(const SpringSupportNodeProp& p, const Triple& f) override {
    force[p.ConnectNodeID] = f;
  }
  void Disp(const SpringSupportNodeProp&, const Triple&) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}
};

// The analyzer's reports by name, with the ratio applied in each step.
class AnalyzerRecorder : public csAnalyzer::ifLogger {
 public:
  std::vector<std::string> calls;
  std::vector<double> addRatios;

  void MaxAddDispLimit(double) override {}
  void MaxAddRotAngleLimit(double) override {}
  void MaxDispLimit(double) override {}
  void MaxRotAngleLimit(double) override {}
  void StepDone(const csAnalyzer::StepRecord& r) override {
    calls.push_back("StepDone");
    addRatios.push_back(r.AddRatio);
  }
  void NextLoadCase() override { calls.push_back("NextLoadCase"); }
  void LastLoadCaseEnded() override { calls.push_back("LastLoadCaseEnded"); }
  void MaxAddDispLimitReached() override { calls.push_back("MaxAddDispLimitReached"); }
  void MaxAddRotAngleLimitReached() override { calls.push_back("MaxAddRotAngleLimitReached"); }
  void MaxDispLimitReached() override { calls.push_back("MaxDispLimitReached"); }
  void MaxRotAngleLimitReached() override { calls.push_back("MaxRotAngleLimitReached"); }
  void StructureFailed() override { calls.push_back("StructureFailed"); }
  void AnalysisEnded() override { calls.push_back("AnalysisEnded"); }
};

// The loggers of one run and the run itself, from records through Run.
struct Loggers {
  ConductorRecorder conductor;
  AnalyzerRecorder analyzer;
  NodeRecorder nodes;
  GroundRecorder grounds;

  // Points at the recorders above; a test may put other loggers in.
  LoggerBundle bundle{&conductor, &analyzer, &nodes, nullptr, nullptr, &grounds};

  Loggers() = default;
  Loggers(const Loggers&) = delete;
  Loggers& operator=(const Loggers&) = delete;

  // True when the run failed with csConductor::exFailed.
  bool Run(const Records& r, double balanceTolerance = 1e-3) {
    csConductor conductor(bundle, balanceTolerance);
    conductor.SetLimitSteps(r.limitSteps);
    conductor.SetLimitRatios(r.limitRatios);
    conductor.SetNodeRecords(r.nodes);
    conductor.SetElementRecords(r.elements);
    conductor.SetWallElementRecords(r.walls);
    conductor.SetSpringSupportRecords(r.springs);
    conductor.SetImposedLoadRecords(r.imposed);
    conductor.SetEdgeLoadRecords(r.directInput, r.concentrated, r.distributed);
    try {
      conductor.Run();
    } catch (const csConductor::exFailed&) {
      return true;
    }
    return false;
  }
};

}  // namespace conductortest
