#include "fem/model/Conductor.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <unordered_set>

#include "clock/PhaseClock.h"
#include "fem/model/ConductorWords.h"
#include "fem/model/ElementStressPropMaker.h"
#include "fem/model/LoggerBundle.h"
#include "fem/model/SpringSupportMaker.h"

namespace znFEM::znTraceYield2DRahmen {

namespace {

// The nodes that a frame or wall element reaches.
using UsedNodes = csConductor::UsedNodes;

// Gives a list's storage back: assigning {} would empty it but keep its room.
template <class List>
void Drop(List& list) {
  List().swap(list);
}

// The node of that ID, or nullptr when the manager has none.
ifNode* FindNode(const csNodeMgr& nodes, const std::string& id) {
  try {
    return nodes.GetNode(id);
  } catch (const csNodeMgr::exSpecifiedNodeIsnotExist&) {
    return nullptr;
  }
}

// Links a frame element record to its two nodes, end I then end J, and checks that the distance
// between them and its cube, which the bending stiffness divides by, are finite numbers.
class fnSetNodePtrToElemProp {
 public:
  struct exSpecifiedNodeIsnotExist {
    std::string ID;  // the missing node
    ElementProp Prop;
    std::uint32_t End;  // 0 I, 1 J
  };
  struct exLengthOverflows {
    std::string ID;
  };

  fnSetNodePtrToElemProp(const csNodeMgr& nodes, UsedNodes& used) : nodes_(nodes), used_(used) {}

  void operator()(ElementProp& prop) const {
    for (std::uint32_t end = 0; end < 2; ++end) {
      prop.Node[end] = FindNode(nodes_, prop.NodeID[end]);
      if (!prop.Node[end]) throw exSpecifiedNodeIsnotExist{prop.NodeID[end], prop, end};
    }
    const auto i = prop.Node[0]->GetCoordinate();
    const auto j = prop.Node[1]->GetCoordinate();
    const double length = std::hypot(j[0] - i[0], j[1] - i[1]);
    if (!std::isfinite(length * length * length)) throw exLengthOverflows{prop.ID};
    used_.insert(prop.Node[0]);
    used_.insert(prop.Node[1]);
  }

 private:
  const csNodeMgr& nodes_;
  UsedNodes& used_;
};

// Links a wall element record to its four nodes: side I nodes a and b, then side J.
class fnSetNodePtrToWElemProp {
 public:
  struct exSpecifiedNodeIsnotExist {
    std::string ID;  // the missing node
    WallElementProp Prop;
    std::uint32_t Side;  // 0 I, 1 J
    std::uint32_t Node;  // 0 a, 1 b
  };

  fnSetNodePtrToWElemProp(const csNodeMgr& nodes, UsedNodes& used) : nodes_(nodes), used_(used) {}

  void operator()(WallElementProp& prop) const {
    Link(prop, prop.Node.first.first, prop.NodeID.first.first, 0, 0);
    Link(prop, prop.Node.first.second, prop.NodeID.first.second, 0, 1);
    Link(prop, prop.Node.second.first, prop.NodeID.second.first, 1, 0);
    Link(prop, prop.Node.second.second, prop.NodeID.second.second, 1, 1);
    used_.insert({prop.Node.first.first, prop.Node.first.second, prop.Node.second.first,
                  prop.Node.second.second});
  }

 private:
  void Link(const WallElementProp& prop, ifNode*& node, const std::string& id, std::uint32_t side,
            std::uint32_t nodeOfSide) const {
    node = FindNode(nodes_, id);
    if (!node) throw exSpecifiedNodeIsnotExist{id, prop, side, nodeOfSide};
  }

  const csNodeMgr& nodes_;
  UsedNodes& used_;
};

// Resolves the panel entries of a node record against the frame element records and has the
// node manager build the node. A panel must list every frame element that ends at its node,
// each with a side code of 0 to 3: a panel moment that misses a member is wrong.
class fnNodeMaker {
 public:
  struct exPanelElementIsnotExist {
    std::string NodeID;
    std::string ElementID;
  };
  struct exPanelElementIsnotConnected {
    std::string NodeID;
    std::string ElementID;
  };
  struct exPanelElementIsnotListed {
    std::string NodeID;
    std::string ElementID;  // a frame element ending at the node
  };
  struct exPanelSideIsWrong {
    std::string NodeID;
    std::string ElementID;
    int THLR;
  };

  // The element index is built only when some node has a panel.
  fnNodeMaker(const std::vector<ElementProp>& elements, const std::vector<NodeProp>& nodeRecords,
              csNodeMgr& nodes)
      : nodes_(nodes) {
    const bool panels = std::any_of(nodeRecords.begin(), nodeRecords.end(),
                                    [](const NodeProp& p) { return !p.ElementProps.empty(); });
    if (!panels) return;
    for (std::size_t i = 0; i < elements.size(); ++i) {
      byID_.emplace(elements[i].ID, &elements[i]);
      for (const std::string& nodeID : elements[i].NodeID) atNode_[nodeID].push_back(&elements[i]);
    }
  }

  void operator()(NodeProp& prop) const {
    for (PanelElementProp& entry : prop.ElementProps) Resolve(prop.ID, entry);
    if (!prop.ElementProps.empty()) CheckEveryMemberIsListed(prop);
    nodes_.MakeNode(std::move(prop));
  }

 private:
  void Resolve(const std::string& nodeID, PanelElementProp& entry) const {
    const auto it = byID_.find(entry.ID);
    if (it == byID_.end()) throw exPanelElementIsnotExist{nodeID, entry.ID};
    const ElementProp& element = *it->second;
    if (element.NodeID[0] == nodeID) {
      entry.Lij = element.Lij[0];
    } else if (element.NodeID[1] == nodeID) {
      entry.Lij = element.Lij[1];
    } else {
      throw exPanelElementIsnotConnected{nodeID, entry.ID};
    }
    if (entry.THLR < kTHLR_T || entry.THLR > kTHLR_R) {
      throw exPanelSideIsWrong{nodeID, entry.ID, entry.THLR};
    }
  }

  void CheckEveryMemberIsListed(const NodeProp& prop) const {
    const auto it = atNode_.find(prop.ID);
    if (it == atNode_.end()) return;
    for (const ElementProp* element : it->second) {
      const bool listed =
          std::any_of(prop.ElementProps.begin(), prop.ElementProps.end(),
                      [&](const PanelElementProp& entry) { return entry.ID == element->ID; });
      if (!listed) throw exPanelElementIsnotListed{prop.ID, element->ID};
    }
  }

  csNodeMgr& nodes_;
  std::map<std::string, const ElementProp*> byID_;
  std::map<std::string, std::vector<const ElementProp*>> atNode_;
};

}  // namespace

csConductor::csConductor(const LoggerBundle& loggers, std::optional<double> balanceTolerance)
    : logger_(loggers.Conductor),
      simulEquation_(balanceTolerance),
      eachDone_(simulEquation_),
      analyzer_(eachDone_, loggers.Analyzer),
      nodeMgr_(loggers.Node),
      elementMgr_(frameMaker_, loggers.Element),
      wallElementMgr_(&wallMaker_, loggers.WallElement),
      springSupportMgr_(frameMaker_),
      imposedLoad_(loggers.ImposedLoadAndDisp),
      edgeLoad_(loggers.EdgeLoadFixCase) {
  springSupportMgr_.SetNodeLogger(loggers.SpringSupportNode);
  springSupportMgr_.SetElementLogger(loggers.SpringSupportElement);
}

csConductor::~csConductor() = default;

void csConductor::SetLimits(const AnalysisLimits& limits) {
  limits_ = limits;
}

void csConductor::SetMonitor(const std::string& nodeID, std::uint32_t direction) {
  monitorNodeID_ = nodeID;
  monitorDirection_ = direction;
}

void csConductor::SetNodeRecords(std::vector<NodeProp> records) {
  nodeRecords_ = std::move(records);
}

void csConductor::SetElementRecords(std::vector<ElementProp> records) {
  elementRecords_ = std::move(records);
}

void csConductor::SetWallElementRecords(std::vector<WallElementProp> records) {
  wallElementRecords_ = std::move(records);
}

void csConductor::SetSpringSupportRecords(std::vector<SpringSupportProp> records) {
  springSupportRecords_ = std::move(records);
}

void csConductor::SetImposedLoadRecords(std::vector<ImposedLoadAndDispProp> records) {
  imposedLoadRecords_ = std::move(records);
}

void csConductor::SetEdgeLoadRecords(std::vector<EdgeLoadDirectInputProp> directInput,
                                     std::vector<EdgeLoadConcentratedProp> concentrated,
                                     std::vector<EdgeLoadDistributedProp> distributed) {
  directInputRecords_ = std::move(directInput);
  concentratedRecords_ = std::move(concentrated);
  distributedRecords_ = std::move(distributed);
}

void csConductor::SetElementStressRecords(std::vector<ElementStressProp> records) {
  elementStressRecords_ = std::move(records);
}

void csConductor::Run() {
  try {
    Build();
    analyzer_.Run();
  } catch (const exFailed&) {
    throw;
  } catch (const std::string&) {
    throw;
  } catch (...) {
    if (logger_) ReportCaught(std::current_exception());
    throw exFailed{};
  }
}

void csConductor::Build() {
  const znClock::csPhase phase(znClock::Phase::Build);
  CheckRecordLists();
  MakeNodes();
  MakeElements();
  CheckElementStresses();
  MakeSpringSupports();
  SetUpAnalyzer();
  ReleaseRecords();
}

// Every node, member and support keeps what it needs of its record: the lists are dropped
// before the analysis, and with them the indexes that viewed them.
void csConductor::ReleaseRecords() {
  std::vector<SpringSupportProp> noSprings;
  imposedLoad_.SetSpringSupports(noSprings);
  Drop(elementRecords_);
  Drop(wallElementRecords_);
  Drop(springSupportRecords_);
  Drop(imposedLoadRecords_);
}

void csConductor::Fail(const std::string& message) {
  if (logger_) logger_->UnExpectedErrorHasBeenThrown(message);
  throw exFailed{};
}

std::uint32_t csConductor::LoadCaseCount() const {
  return static_cast<std::uint32_t>(limits_.Ratios.size());
}

// One load case count serves every per-case list: both limit lists must give it.
void csConductor::CheckRecordLists() {
  if (limits_.Steps.empty() || limits_.Steps.size() != limits_.Ratios.size()) {
    Fail(csFailureWords("The step limits and the ratio limits must give one entry per load "
                        "case, for at least one case")("LimitSteps", limits_.Steps.size())(
             "LimitRatios", limits_.Ratios.size())
             .Text());
  }
}

void csConductor::MakeNodes() {
  if (nodeRecords_.empty()) {
    if (logger_) logger_->AnyNodeHasNotBeenSet();
    throw exFailed{};
  }
  ApplyImposedLoads();
  nodeMgr_.Reserve(nodeRecords_.size());
  std::for_each(nodeRecords_.begin(), nodeRecords_.end(),
                fnNodeMaker(elementRecords_, nodeRecords_, nodeMgr_));
  // Every node holds its record now; the list goes before the members are made.
  std::vector<NodeProp> noNodes;
  imposedLoad_.SetNodes(noNodes);
  Drop(nodeRecords_);
}

// Only the nodes that an imposed load record names take a list of loads and displacements per
// load case; every other node reads zero in every case, and the model of a frame without
// imposed loads keeps no lists at all.
void csConductor::ApplyImposedLoads() {
  const std::size_t cases = LoadCaseCount();
  for (SpringSupportProp& record : springSupportRecords_) {
    record.ImposedDisp.assign(cases, Triple{});
  }
  if (imposedLoadRecords_.empty()) return;
  std::unordered_set<std::string_view> named;
  for (const ImposedLoadAndDispProp& record : imposedLoadRecords_) named.insert(record.ID);
  for (NodeProp& record : nodeRecords_) {
    if (named.count(record.ID) == 0) continue;
    record.ImposedLoads.assign(cases, Triple{});
    record.ImposedDisps.assign(cases, Triple{});
  }
  imposedLoad_.SetNodes(nodeRecords_);
  imposedLoad_.SetSpringSupports(springSupportRecords_);
  imposedLoad_.Apply(imposedLoadRecords_);
}

void csConductor::MakeElements() {
  if (elementRecords_.empty() && wallElementRecords_.empty()) {
    if (logger_) logger_->AnyElementAndWallElementHasNotBeenSet();
    throw exFailed{};
  }
  for (ElementProp& record : elementRecords_) record.FixCases.assign(LoadCaseCount(), {});
  LinkElementNodes();
  ApplyEdgeLoads();
  elementMgr_.Reserve(elementRecords_.size());
  for (ElementProp& record : elementRecords_) elementMgr_.MakeElement(std::move(record));
  for (const WallElementProp& record : wallElementRecords_) {
    wallElementMgr_.MakeWallElement(record);
  }
}

// Every member and wall finds its nodes, and every node must be reached by one of them.
void csConductor::LinkElementNodes() {
  UsedNodes used;
  used.reserve(nodeMgr_.GetNodes().size());
  std::for_each(elementRecords_.begin(), elementRecords_.end(),
                fnSetNodePtrToElemProp(nodeMgr_, used));
  std::for_each(wallElementRecords_.begin(), wallElementRecords_.end(),
                fnSetNodePtrToWElemProp(nodeMgr_, used));
  CheckEveryNodeIsUsed(used);
}

// The edge loads go into the records' fixed-end forces. Their lists and the index of the
// records by ID go before the members are made.
void csConductor::ApplyEdgeLoads() {
  edgeLoad_.SetElements(elementRecords_);
  edgeLoad_.Apply(directInputRecords_, concentratedRecords_, distributedRecords_);
  std::vector<ElementProp> noElements;
  edgeLoad_.SetElements(noElements);
  Drop(directInputRecords_);
  Drop(concentratedRecords_);
  Drop(distributedRecords_);
}

// Every member is built, so its nodes exist and its length is known. The nodes and members
// hold their records now: the few models that ask for stresses lend the check copies of
// what it reads, a member's ID, end nodes and rigid zones.
void csConductor::CheckElementStresses() {
  if (elementStressRecords_.empty()) return;
  std::vector<NodeProp> nodes;
  for (const ifNode* node : nodeMgr_.GetNodes()) nodes.push_back(node->GetProp());
  std::vector<ElementProp> elements;
  for (const ifElement* element : elementMgr_.GetElements()) {
    const KeptElementProp& kept = element->GetProp();
    ElementProp& prop = elements.emplace_back();
    prop.ID = kept.ID;
    for (int end = 0; end < 2; ++end) prop.NodeID[end] = kept.Node[end]->GetProp().ID;
    prop.Lij = kept.Lij;
  }
  const csElementStressPropMaker maker(nodes, elements, {}, {});
  for (ElementStressProp& record : elementStressRecords_) record = maker.Check(record);
}

// A node held only by a spring support is still unconnected: nothing frames into it.
void csConductor::CheckEveryNodeIsUsed(const UsedNodes& usedNodes) {
  for (const ifNode* node : nodeMgr_.GetNodes()) {
    if (usedNodes.count(node) == 0) {
      if (logger_) logger_->TheNodeIsnotConnected(node->GetProp().ID);
      throw exFailed{};
    }
  }
}

void csConductor::MakeSpringSupports() {
  std::for_each(springSupportRecords_.begin(), springSupportRecords_.end(),
                fnSpringSupportMaker(nodeMgr_, springSupportMgr_));
}

void csConductor::SetUpAnalyzer() {
  analyzer_.SetLimits(limits_);
  SetUpMonitor();
  analyzer_.AddNodes(nodeMgr_.GetNodes());
  analyzer_.AddElements(elementMgr_.GetElements());
  analyzer_.AddWallElements(wallElementMgr_.GetWallElements());
  analyzer_.AddNodes(springSupportMgr_.GetNodes());
  analyzer_.AddElements(springSupportMgr_.GetElements());
}

void csConductor::SetUpMonitor() {
  if (monitorNodeID_.empty()) return;
  const ifNode* node = FindNode(nodeMgr_, monitorNodeID_);
  if (!node) {
    if (logger_) logger_->SpecifiedMonitorNodeIsnotExist(monitorNodeID_);
    throw exFailed{};
  }
  analyzer_.SetMonitor(node, monitorDirection_);
}

// ---------------------------------------------------------------------------------------
// Reporting a caught failure. Each family reports through its own operations and returns
// true when it recognised the failure. The error report has no words of its own for some
// operations (panel entries, the infinite ratio, the pre-face checks); each of these is
// followed by the same failure in words, so that no failure ends the run without one.

namespace {

using Logger = csConductor::ifLogger;

bool ReportBuildFailure(Logger& log, const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const fnSetNodePtrToElemProp::exSpecifiedNodeIsnotExist& e) {
    log.SpecifiedNodeByElementIsnotExist(e.ID, e.Prop.ID, e.End);
  } catch (const fnSetNodePtrToElemProp::exLengthOverflows& e) {
    log.LengthOfElementOverflows(e.ID);
  } catch (const fnSetNodePtrToWElemProp::exSpecifiedNodeIsnotExist& e) {
    log.SpecifiedNodeByWallElementIsnotExist(e.ID, e.Prop.ID, e.Side, e.Node);
  } catch (const csElementStressPropMaker::exSpecifiedElementIsnotExist& e) {
    log.SpecifiedElementOfElementStressIsnotExist(e.ID);
  } catch (const csElementStressPropMaker::exSpecifiedPositionIsOutOfLength& e) {
    log.SpecifiedPositionOfElementStressIsOutOfLength(e.ID, e.PositionIndex, e.Position, e.Length);
  } catch (const fnSpringSupportMaker::exConnectNodeIsnotExist& e) {
    log.SpecifiedConnectNodeBySpringSupportIsnotExist(e.ID);
  } catch (const fnSpringSupportMaker::exUnZeroSpringCoefIsSetAtSupportedNode& e) {
    log.UnZeroSpringCoefIsSetAtSupportedNode(e.ID, e.Direction);
  } catch (...) {
    return false;
  }
  return true;
}

bool ReportPanelFailure(Logger& log, const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const fnNodeMaker::exPanelElementIsnotExist& e) {
    log.PanelElementIsnotExist(e.NodeID, e.ElementID);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("PanelElementIsnotExist")("Node", e.NodeID)("Element", e.ElementID).Text());
  } catch (const fnNodeMaker::exPanelElementIsnotConnected& e) {
    log.PanelElementIsnotConnected(e.NodeID, e.ElementID);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("PanelElementIsnotConnected")("Node", e.NodeID)("Element", e.ElementID)
            .Text());
  } catch (const fnNodeMaker::exPanelElementIsnotListed& e) {
    log.PanelElementIsnotConnected(e.NodeID, e.ElementID);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("PanelElementIsnotListed: the element ends at the node but its panel "
                       "does not list it")("Node", e.NodeID)("Element", e.ElementID)
            .Text());
  } catch (const fnNodeMaker::exPanelSideIsWrong& e) {
    log.PanelElementIsnotConnected(e.NodeID, e.ElementID);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("PanelSideIsWrong: the side code of a panel element must be 0 to 3")(
            "Node", e.NodeID)("Element", e.ElementID)("THLR", e.THLR)
            .Text());
  } catch (...) {
    return false;
  }
  return true;
}

bool ReportStepFailure(Logger& log, const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const csEachDone::exTheNodeIsIsolated& e) {
    log.TheNodeIsIsolated(e.ID, e.Direction, e.Step);
  } catch (const csEachDone::exLoadsAndDispsAreAllZero& e) {
    log.LoadsAndDispsAreAllZero(e.Step, e.LoadCase);
  } catch (const csEachDone::exRatioReachedToInfinite& e) {
    log.RatioReachedToInfinite(e.Step, e.LoadCase);
    log.UnExpectedErrorHasBeenThrown(csFailureWords("csEachDone::exRatioReachedToInfinite")(
                                         "Step", e.Step)("LoadAndDispNumber", e.LoadCase)
                                         .Text());
  } catch (const csEachDone::exUnBalancedLoad& e) {
    log.UnBalancedLoad(e.ID, e.Direction, e.Step, e.Imbalance);
  } catch (const csEachDone::exResultIsNotFinite& e) {
    log.ResultIsNotFinite(e.ID, e.Direction, e.Step);
  } catch (const csEachDone::exFailedToAnalyzeMatrix& e) {
    log.FailedToAnalyzeMatrix(e.Step);
  } catch (const csEachDone::exAllDegreesAreSupported&) {
    log.AllDegreesAreSupported();
  } catch (const csEachDone::exRatioIsUnderZero& e) {
    log.RatioIsUnderZero(e.Step, e.Ratio);
  } catch (const csAnalyzer::exLoadCaseLimitsAreWrong& e) {
    log.UnExpectedErrorHasBeenThrown(csFailureWords("csAnalyzer::exLoadCaseLimitsAreWrong")(
                                         "StepLimitN", e.StepLimitN)("RatioLimitN", e.RatioLimitN)
                                         .Text());
  } catch (...) {
    return false;
  }
  return true;
}

bool ReportMemberFailure(Logger& log, const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const csNode::exMypIsSetAtNodeThatHasnotPanel& e) {
    log.MypIsSetAtNodeThatHasnotPanel(e.ID);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("csNode::exMypIsSetAtNodeThatHasnotPanel")("Node", e.ID).Text());
  } catch (const csNode::exPreFaceMomentIsOverMyp& e) {
    log.PreFaceMomentIsOverMyp(e.ID, e.MomentA, e.MomentB, e.Side);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("csNode::exPreFaceMomentIsOverMyp")("Node", e.ID)("MomentA", e.MomentA)(
            "MomentB", e.MomentB)("Side", e.Side)
            .Text());
  } catch (const csElement::exLnIsUnderOrEqualToZero& e) {
    log.LnOfElementIsUnderOrEqualToZero(e.ID);
  } catch (const csElement::exStiffnessIsNotFinite& e) {
    log.StiffnessOfElementIsNotFinite(e.ID);
  } catch (const csElement::exEquivalentLoadIsNotFinite& e) {
    log.EquivalentLoadOfElementIsNotFinite(e.ID, e.LoadCase);
  } catch (const csWallElement::exStiffnessIsNotFinite& e) {
    log.StiffnessOfWallElementIsNotFinite(e.ID);
  } catch (const csElement::exPreFaceMomentIsSetAtHinge& e) {
    log.PreFaceMomentIsSetAtHinge(e.ID, e.End);
    log.UnExpectedErrorHasBeenThrown(
        csFailureWords("csElement::exPreFaceMomentIsSetAtHinge")("Element", e.ID)("IJ", e.End)
            .Text());
  } catch (const csWallElement::exTwoNodesAreSamePosition& e) {
    log.TwoNodesOfWallElementAreSamePosition(e.ID, e.Edge0, e.Node0, e.Edge1, e.Node1);
  } catch (const csWallElement::exLIsEqualToZero& e) {
    log.LOfWallElementIsEqualToZero(e.ID);
  } catch (const csWallElement::exLaIsOverLij& e) {
    log.LaOfWallElementIsOverLij(e.ID, e.Edge);
  } catch (const csWallElement::exBothAlphaYAreZero& e) {
    log.BothAlphaYOfWallElementAreZero(e.ID, e.Edge);
  } catch (...) {
    return false;
  }
  return true;
}

bool ReportImposedLoadFailure(Logger& log, const std::exception_ptr& failure) {
  using L = csImposedLoadAndDisp;
  try {
    std::rethrow_exception(failure);
  } catch (const L::exSpecifiedNodeIsnotExist& e) {
    log.SpecifiedNodeByImposedLoadAndDispIsnotExist(e.Key, e.ID, e.LoadAndDispNumber);
  } catch (const L::exSpecifiedLoadAndDispNumberIsOver& e) {
    log.SpecifiedLoadAndDispNumberIsOver(e.Key, e.ID, e.LoadAndDispNumber);
  } catch (const L::exImposedDispIsSetAtNonSupportedNode& e) {
    log.ImposedDispIsSetAtNonSupportedNode(e.Key, e.ID, e.LoadAndDispNumber, e.Direction);
  } catch (const L::exImposedDispIsSetAtZeroCoefSpringSupport& e) {
    log.ImposedDispIsSetAtZeroCoefSpringSupport(e.Key, e.ID, e.LoadAndDispNumber, e.Direction);
  } catch (const L::exSumIsNotFinite& e) {
    log.ImposedLoadAndDispIsNotFinite(e.Key, e.ID, e.LoadAndDispNumber, e.Component);
  } catch (...) {
    return false;
  }
  return true;
}

bool ReportEdgeLoadFailure(Logger& log, const std::exception_ptr& failure) {
  using L = csEdgeLoadFixCase;
  try {
    std::rethrow_exception(failure);
  } catch (const L::exSpecifiedElementIsnotExist& e) {
    log.SpecifiedElementByEdgeLoadFixCaseIsnotExist(e.Key, e.ID, e.LoadNumber);
  } catch (const L::exSpecifiedLoadNumberIsOver& e) {
    log.SpecifiedLoadNumberIsOver(e.Key, e.ID, e.LoadNumber);
  } catch (const L::exSpecifiedEdgeLoadIsSetAtZeroLengthEdge& e) {
    log.SpecifiedEdgeLoadIsSetAtZeroLengthEdge(e.Key, e.ID, e.LoadNumber, e.End);
  } catch (const L::exPositionOfConcentratedLoadIsOut& e) {
    log.PositionOfConcentratedLoadIsOut(e.Key, e.ID, e.LoadNumber);
  } catch (const L::exPositionOfDistributedLoadIsOut& e) {
    log.PositionOfDistributedLoadIsOut(e.Key, e.ID, e.LoadNumber, e.Position);
  } catch (const L::exPositionOfDistributedLoadAreTheSameOrLeftSideRight& e) {
    log.PositionOfDistributedLoadAreTheSameOrLeftSideRight(e.Key, e.ID, e.LoadNumber);
  } catch (const L::exFixedEndForceIsNotFinite& e) {
    log.EdgeLoadIsNotFinite(e.Key, e.ID, e.LoadNumber);
  } catch (...) {
    return false;
  }
  return true;
}

}  // namespace

void csConductor::ReportCaught(const std::exception_ptr& failure) const {
  Logger& log = *logger_;
  const bool reported = ReportBuildFailure(log, failure) || ReportPanelFailure(log, failure) ||
                        ReportStepFailure(log, failure) || ReportMemberFailure(log, failure) ||
                        ReportImposedLoadFailure(log, failure) ||
                        ReportEdgeLoadFailure(log, failure);
  if (!reported) log.UnExpectedErrorHasBeenThrown(DescribeUnreportedFailure(failure));
}

}  // namespace znFEM::znTraceYield2DRahmen
