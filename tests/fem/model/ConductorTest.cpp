#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "ConductorFixture.h"

namespace {

using namespace conductortest;

using Calls = std::vector<std::string>;
const std::string kWords = "UnExpectedErrorHasBeenThrown: ";

struct FailureCase {
  const char* name;
  std::function<void(Records&)> spoil;  // applied to the portal frame
  Calls reports;
};

SpringSupportProp Spring(const std::string& node, Triple coef) {
  return MakeSpringSupportProp(node, coef);
}

PanelElementProp Panel(const std::string& element, int side) {
  PanelElementProp p;
  p.ID = element;
  p.THLR = side;
  return p;
}

ElementProp& Find(Records& r, const std::string& id) {
  for (ElementProp& e : r.elements) {
    if (e.ID == id) return e;
  }
  throw std::string("no element " + id);
}

// A wall between the two columns: edge I from B down to A, edge J from C down to D.
void AddWall(Records& r) {
  r.walls.push_back(Wall("W", "B", "A", "C", "D"));
}

const FailureCase kFailures[] = {
    {"NoStepLimit",
     [](Records& r) { r.limitSteps.clear(); },
     {kWords +
      "The step limits and the ratio limits must give one entry per load case, for at least "
      "one case (LimitSteps : 0, LimitRatios : 1)"}},
    {"LimitListsOfDifferentLength",
     [](Records& r) {
       r.limitSteps = {0, 3};
     },
     {kWords +
      "The step limits and the ratio limits must give one entry per load case, for at least "
      "one case (LimitSteps : 2, LimitRatios : 1)"}},
    {"NoNodes", [](Records& r) { r.nodes.clear(); }, {"AnyNodeHasNotBeenSet"}},
    {"ImposedLoadAtMissingNode",
     [](Records& r) {
       r.imposed.push_back(Load("X", 0, {1, 0, 0}));
     },
     {"SpecifiedNodeByImposedLoadAndDispIsnotExist 1 1 X 0"}},
    {"ImposedLoadOfMissingCase",
     [](Records& r) {
       r.imposed.push_back(Load("B", 1, {1, 0, 0}));
     },
     {"SpecifiedLoadAndDispNumberIsOver 1 1 B 1"}},
    {"ImposedDispAtFreeNode",
     [](Records& r) {
       r.imposed.push_back(Disp("C", 0, {0, 0.01, 0}));
     },
     {"ImposedDispIsSetAtNonSupportedNode 1 1 C 0 1"}},
    {"ImposedDispAlongZeroCoefSpring",
     [](Records& r) {
       r.springs.push_back(Spring("C", {100, 0, 0}));
       r.imposed.push_back(Disp("C", 0, {0, 0.01, 0}));
     },
     {"ImposedDispIsSetAtZeroCoefSpringSupport 1 1 C 0 1"}},
    {"MypAtNodeWithoutPanel",
     [](Records& r) {
       r.nodes[1].Myp = {50, -50};
     },
     {"MypIsSetAtNodeThatHasnotPanel B",
      kWords + "csNode::exMypIsSetAtNodeThatHasnotPanel (Node : B)"}},
    {"PanelEntryOfMissingElement",
     [](Records& r) { r.nodes[1].ElementProps = {Panel("XX", 0)}; },
     {"PanelElementIsnotExist B XX", kWords + "PanelElementIsnotExist (Node : B, Element : XX)"}},
    {"PanelEntryOfElementAwayFromTheNode",
     [](Records& r) {
       r.nodes[1].ElementProps = {Panel("AB", 0), Panel("BC", 2), Panel("DC", 1)};
     },
     {"PanelElementIsnotConnected B DC",
      kWords + "PanelElementIsnotConnected (Node : B, Element : DC)"}},
    {"PanelMissingAnElementAtTheNode",
     [](Records& r) { r.nodes[1].ElementProps = {Panel("AB", 0)}; },
     {"PanelElementIsnotConnected B BC",
      kWords +
          "PanelElementIsnotListed: the element ends at the node but its panel does not list it "
          "(Node : B, Element : BC)"}},
    {"PanelEntryWithUndefinedSide",
     [](Records& r) {
       r.nodes[1].ElementProps = {Panel("AB", 0), Panel("BC", kTHLR_Undef)};
     },
     {"PanelElementIsnotConnected B BC",
      kWords +
          "PanelSideIsWrong: the side code of a panel element must be 0 to 3 (Node : B, Element "
          ": BC, THLR : 4)"}},
    {"NoElementsNorWalls",
     [](Records& r) { r.elements.clear(); },
     {"AnyElementAndWallElementHasNotBeenSet"}},
    {"ElementAtMissingNode",
     [](Records& r) { Find(r, "BC").NodeID[1] = "X"; },
     {"SpecifiedNodeByElementIsnotExist X BC 1"}},
    {"WallAtMissingNode",
     [](Records& r) {
       AddWall(r);
       r.walls[0].NodeID.second.second = "X";
     },
     {"SpecifiedNodeByWallElementIsnotExist X W 1 1"}},
    {"UnconnectedNode",
     [](Records& r) { r.nodes.push_back(Node("E", 9, 9)); },
     {"TheNodeIsnotConnected E"}},
    {"NodeHeldOnlyBySpringSupport",
     [](Records& r) {
       r.nodes.push_back(Node("E", 9, 9));
       r.springs.push_back(Spring("E", {100, 100, 100}));
     },
     {"TheNodeIsnotConnected E"}},
    {"EdgeLoadOnMissingElement",
     [](Records& r) { r.distributed.push_back(UniformLoad("XX", 0, -5)); },
     {"SpecifiedElementByEdgeLoadFixCaseIsnotExist 3 0 XX 0"}},
    {"RigidZonesFillTheElement",
     [](Records& r) {
       Find(r, "BC").Lij = {3.0, 3.0};
     },
     {"LnOfElementIsUnderOrEqualToZero BC"}},
    {"WallCornersAtOnePosition",
     [](Records& r) {
       r.nodes.push_back(Node("E", 6, 0));
       r.walls.push_back(Wall("V", "B", "A", "E", "D"));
     },
     {"TwoNodesOfWallElementAreSamePosition V 1 0 1 1"}},
    {"WallEdgeWithoutShares",
     [](Records& r) {
       AddWall(r);
       r.walls[0].AlphaY.second = {0.0, 0.0};
     },
     {"BothAlphaYOfWallElementAreZero W 1"}},
    {"WallReferencePointAtEdgeEnd",
     [](Records& r) {
       AddWall(r);
       r.walls[0].IsLaGiven.first = true;
       r.walls[0].La.first = 4.0;
     },
     {"LaOfWallElementIsOverLij W 0"}},
    {"SpringSupportAtMissingNode",
     [](Records& r) {
       r.springs.push_back(Spring("X", {1, 1, 1}));
     },
     {"SpecifiedConnectNodeBySpringSupportIsnotExist X"}},
    {"SpringAlongSupportedDirection",
     [](Records& r) {
       r.springs.push_back(Spring("A", {5, 0, 0}));
     },
     {"UnZeroSpringCoefIsSetAtSupportedNode A 0"}},
    {"DuplicateNode",
     [](Records& r) { r.nodes.push_back(Node("B", 1, 1)); },
     {kWords + "csNodeMgr::exItIsMakingDuplicatedNode (ID : B)"}},
    {"DuplicateElement",
     [](Records& r) { r.elements.push_back(Member("BC", "C", "B")); },
     {kWords + "csElementMgr::exItIsMakingDuplicatedElement (ID : BC)"}},
    {"TwoSpringSupportsAtOneNode",
     [](Records& r) {
       r.springs.push_back(Spring("B", {1, 0, 0}));
       r.springs.push_back(Spring("B", {0, 1, 0}));
     },
     {kWords + "csSpringSupportMgr::exItIsMakingDuplicatedNode (ID : B_ssn)"}},
    {"NoLoadAtAll", [](Records& r) { r.imposed.clear(); }, {"LoadsAndDispsAreAllZero 0 0"}},
    {"EveryDegreeSupported",
     [](Records& r) {
       for (NodeProp& n : r.nodes) n.IsSupported = kFixed;
     },
     {"AllDegreesAreSupported"}},
    {"RotationHeldByNoMember",
     [](Records& r) {
       for (const char* id : {"AB", "BC"}) {
         const int end = std::string(id) == "AB" ? 1 : 0;
         Find(r, id).IsRotarySpring[end] = true;
         Find(r, id).Kij[end] = 0.0;
       }
     },
     {"TheNodeIsIsolated B 2 0"}},
    {"NothingLimitsAnUnboundedRatio",
     [](Records& r) { r.limitRatios = {std::numeric_limits<double>::max()}; },
     {"RatioReachedToInfinite 0 0",
      kWords + "csEachDone::exRatioReachedToInfinite (Step : 0, LoadAndDispNumber : 0)"}},
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class ConductorFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ConductorFailureTest, ReportsTheFailureAndFails) {
  Records records = Portal();
  GetParam().spoil(records);
  Loggers loggers;
  EXPECT_TRUE(loggers.Run(records));
  EXPECT_EQ(loggers.conductor.calls, GetParam().reports);
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, ConductorFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// Faults of later phases stay unseen while an earlier phase fails: adding the faults from the
// last phase to the first, each run reports only the fault added last.
TEST(ConductorPhaseOrderTest, EarliestPhaseFailsFirst) {
  const FailureCase inPhaseOrder[] = {
      {"imposed",
       [](Records& r) {
         r.imposed.push_back(Disp("B", 0, {0.01, 0, 0}));
       },
       {"ImposedDispIsSetAtNonSupportedNode 1 1 B 0 0"}},
      {"panel",
       [](Records& r) { r.nodes[2].ElementProps = {Panel("XX", 0)}; },
       {"PanelElementIsnotExist C XX", kWords + "PanelElementIsnotExist (Node : C, Element : XX)"}},
      {"element",
       [](Records& r) { Find(r, "BC").NodeID[0] = "X"; },
       {"SpecifiedNodeByElementIsnotExist X BC 0"}},
      {"unconnected",
       [](Records& r) { r.nodes.push_back(Node("E", 9, 9)); },
       {"TheNodeIsnotConnected E"}},
      {"edge load",
       [](Records& r) { r.distributed.push_back(UniformLoad("XX", 0, -5)); },
       {"SpecifiedElementByEdgeLoadFixCaseIsnotExist 3 0 XX 0"}},
      {"clear length",
       [](Records& r) {
         Find(r, "AB").Lij = {2.0, 2.0};
       },
       {"LnOfElementIsUnderOrEqualToZero AB"}},
      {"spring",
       [](Records& r) {
         r.springs.push_back(Spring("Y", {1, 1, 1}));
       },
       {"SpecifiedConnectNodeBySpringSupportIsnotExist Y"}},
  };
  Records records = Portal();
  for (auto fault = std::rbegin(inPhaseOrder); fault != std::rend(inPhaseOrder); ++fault) {
    fault->spoil(records);
    Loggers loggers;
    EXPECT_TRUE(loggers.Run(records)) << fault->name;
    EXPECT_EQ(loggers.conductor.calls, fault->reports) << fault->name;
  }
}

TEST(ConductorPhaseOrderTest, ImposedDispAtFreeNodeFailsBeforeAnyNodeOrElementIsBuilt) {
  Records records = Portal();
  records.imposed.push_back(Disp("C", 0, {0, 0, 0.02}));
  Loggers loggers;
  EXPECT_TRUE(loggers.Run(records));
  EXPECT_EQ(loggers.conductor.calls, Calls{"ImposedDispIsSetAtNonSupportedNode 1 1 C 0 2"});
  EXPECT_TRUE(loggers.nodes.built.empty());
  EXPECT_TRUE(loggers.analyzer.calls.empty());
}

// A logger that fails while the nodes are built.
template <class Failure>
class FailingNodeLogger : public NodeRecorder {
 public:
  explicit FailingNodeLogger(Failure failure) : failure_(failure) {}
  void Prop(const NodeProp&) override { throw failure_; }

 private:
  Failure failure_;
};

TEST(ConductorForeignFailureTest, TextPassesThroughUnchanged) {
  FailingNodeLogger<std::string> failing("bad case!!!");
  Loggers loggers;
  loggers.bundle.Node = &failing;
  try {
    loggers.Run(Portal());
    ADD_FAILURE() << "the text did not pass through";
  } catch (const std::string& text) {
    EXPECT_EQ(text, "bad case!!!");
  }
  EXPECT_TRUE(loggers.conductor.calls.empty());
}

// The driver catches only texts and the two failure records: anything else is put into words
// here rather than ending the process without one.
TEST(ConductorForeignFailureTest, StandardExceptionIsReportedInWords) {
  FailingNodeLogger<std::runtime_error> failing(std::runtime_error("out of memory"));
  Loggers loggers;
  loggers.bundle.Node = &failing;
  EXPECT_TRUE(loggers.Run(Portal()));
  EXPECT_EQ(loggers.conductor.calls, Calls{kWords + "std::exception (What : out of memory)"});
}

TEST(ConductorWithoutLoggerTest, StillFails) {
  Records records = Portal();
  records.nodes.push_back(Node("E", 9, 9));
  csConductor conductor(LoggerBundle{}, 1e-3);
  conductor.SetLimitSteps(records.limitSteps);
  conductor.SetLimitRatios(records.limitRatios);
  conductor.SetNodeRecords(records.nodes);
  conductor.SetElementRecords(records.elements);
  EXPECT_THROW(conductor.Run(), csConductor::exFailed);
}

}  // namespace
