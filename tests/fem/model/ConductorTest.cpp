// The conductor's checks, each spoiling the portal frame and failing with its exact report;
// the order of its phases; the words of failures without a report of their own.
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ConductorFixture.h"
#include "fem/makers/SimulEquation.h"
#include "fem/model/ConductorWords.h"
#include "matrix/BandMatrix.h"

namespace {

using namespace conductortest;

const std::string kWords = "UnExpectedErrorHasBeenThrown: ";

struct FailureCase {
  const char* name;
  std::function<void(Records&)> spoil;  // applied to the portal frame
  Log reports;
};

PanelElementProp Panel(const std::string& element, int side) {
  return {element, 0.0, side};
}

// A wall between the two columns: edge I from B down to A, edge J from C down to D.
WallElementProp& AddWall(Records& r) {
  return r.AddWall("W", "B", "A", "C", "D");
}

// clang-format off
const FailureCase kFailures[] = {
    {"NoStepLimit", [](Records& r) { r.limitSteps.clear(); },
     {kWords + "The step limits and the ratio limits must give one entry per load case, for at "
               "least one case (LimitSteps : 0, LimitRatios : 1)"}},
    {"LimitListsOfDifferentLength", [](Records& r) { r.limitSteps = {1, 3}; },
     {kWords + "The step limits and the ratio limits must give one entry per load case, for at "
               "least one case (LimitSteps : 2, LimitRatios : 1)"}},
    {"NoNodes", [](Records& r) { r.nodes.clear(); }, {"AnyNodeHasNotBeenSet"}},
    {"ImposedLoadAtMissingNode", [](Records& r) { r.AddLoad("X", {1, 0, 0}); },
     {"SpecifiedNodeByImposedLoadAndDispIsnotExist 1 1 X 0"}},
    {"ImposedLoadOfMissingCase", [](Records& r) { r.AddLoad("B", {1, 0, 0}, 1); },
     {"SpecifiedLoadAndDispNumberIsOver 1 1 B 1"}},
    {"ImposedDispAtFreeNode", [](Records& r) { r.AddDisp("C", {0, 0.01, 0}); },
     {"ImposedDispIsSetAtNonSupportedNode 1 1 C 0 1"}},
    {"ImposedDispAlongZeroCoefSpring",
     [](Records& r) { r.AddSpring("C", {100, 0, 0}); r.AddDisp("C", {0, 0.01, 0}); },
     {"ImposedDispIsSetAtZeroCoefSpringSupport 1 1 C 0 1"}},
    {"MypAtNodeWithoutPanel", [](Records& r) { r.Node("B").Myp = {50, -50}; },
     {"MypIsSetAtNodeThatHasnotPanel B",
      kWords + "csNode::exMypIsSetAtNodeThatHasnotPanel (Node : B)"}},
    {"PanelEntryOfMissingElement", [](Records& r) { r.Node("B").ElementProps = {Panel("XX", 0)}; },
     {"PanelElementIsnotExist B XX", kWords + "PanelElementIsnotExist (Node : B, Element : XX)"}},
    {"PanelEntryOfElementAwayFromTheNode",
     [](Records& r) {
       r.Node("B").ElementProps = {Panel("AB", 0), Panel("BC", 2), Panel("DC", 1)};
     },
     {"PanelElementIsnotConnected B DC",
      kWords + "PanelElementIsnotConnected (Node : B, Element : DC)"}},
    {"PanelMissingAnElementAtTheNode",
     [](Records& r) { r.Node("B").ElementProps = {Panel("AB", 0)}; },
     {"PanelElementIsnotConnected B BC",
      kWords + "PanelElementIsnotListed: the element ends at the node but its panel does not list "
               "it (Node : B, Element : BC)"}},
    {"PanelEntryWithUndefinedSide",
     [](Records& r) { r.Node("B").ElementProps = {Panel("AB", 0), Panel("BC", kTHLR_Undef)}; },
     {"PanelElementIsnotConnected B BC",
      kWords + "PanelSideIsWrong: the side code of a panel element must be 0 to 3 (Node : B, "
               "Element : BC, THLR : 4)"}},
    {"NoElementsNorWalls", [](Records& r) { r.elements.clear(); },
     {"AnyElementAndWallElementHasNotBeenSet"}},
    {"ElementAtMissingNode", [](Records& r) { r.Element("BC").NodeID[1] = "X"; },
     {"SpecifiedNodeByElementIsnotExist X BC 1"}},
    {"WallAtMissingNode", [](Records& r) { AddWall(r).NodeID.second.second = "X"; },
     {"SpecifiedNodeByWallElementIsnotExist X W 1 1"}},
    {"UnconnectedNode", [](Records& r) { r.AddNode("E", 9, 9); }, {"TheNodeIsnotConnected E"}},
    {"NodeHeldOnlyBySpringSupport",
     [](Records& r) { r.AddNode("E", 9, 9); r.AddSpring("E", {100, 100, 100}); },
     {"TheNodeIsnotConnected E"}},
    {"EdgeLoadOnMissingElement", [](Records& r) { r.AddUniformLoad("XX", 0, -5); },
     {"SpecifiedElementByEdgeLoadFixCaseIsnotExist 3 0 XX 0"}},
    {"RigidZonesFillTheElement", [](Records& r) { r.Element("BC").Lij = {3.0, 3.0}; },
     {"LnOfElementIsUnderOrEqualToZero BC"}},
    {"WallCornersAtOnePosition",
     [](Records& r) { r.AddNode("E", 6, 0); r.AddWall("V", "B", "A", "E", "D"); },
     {"TwoNodesOfWallElementAreSamePosition V 1 0 1 1"}},
    {"WallEdgeWithoutShares", [](Records& r) { AddWall(r).AlphaY.second = {0.0, 0.0}; },
     {"BothAlphaYOfWallElementAreZero W 1"}},
    {"WallReferencePointAtEdgeEnd",
     [](Records& r) { AddWall(r).IsLaGiven.first = true; r.walls[0].La.first = 4.0; },
     {"LaOfWallElementIsOverLij W 0"}},
    {"SpringSupportAtMissingNode", [](Records& r) { r.AddSpring("X", {1, 1, 1}); },
     {"SpecifiedConnectNodeBySpringSupportIsnotExist X"}},
    {"SpringAlongSupportedDirection", [](Records& r) { r.AddSpring("A", {5, 0, 0}); },
     {"UnZeroSpringCoefIsSetAtSupportedNode A 0"}},
    {"DuplicateNode", [](Records& r) { r.AddNode("B", 1, 1); },
     {kWords + "csNodeMgr::exItIsMakingDuplicatedNode (ID : B)"}},
    {"DuplicateElement", [](Records& r) { r.AddMember("BC", "C", "B"); },
     {kWords + "csElementMgr::exItIsMakingDuplicatedElement (ID : BC)"}},
    {"TwoSpringSupportsAtOneNode",
     [](Records& r) { r.AddSpring("B", {1, 0, 0}); r.AddSpring("B", {0, 1, 0}); },
     {kWords + "csSpringSupportMgr::exItIsMakingDuplicatedNode (ID : B_ssn)"}},
    {"SecondCaseWithoutLoads", [](Records& r) { r.limitSteps = {1, 1}; r.limitRatios = {1, 1}; },
     {"LoadsAndDispsAreAllZero 1 1"}},
    {"EveryDegreeSupported", [](Records& r) { for (NodeProp& n : r.nodes) n.IsSupported = kFixed; },
     {"AllDegreesAreSupported"}},
    {"RotationHeldByNoMember",  // both member ends at B pinned
     [](Records& r) {
       r.Element("AB").IsRotarySpring[1] = r.Element("BC").IsRotarySpring[0] = true;
       r.Element("AB").Kij[1] = r.Element("BC").Kij[0] = 0.0;
     },
     {"TheNodeIsIsolated B 2 0"}},
    {"NegativeRatioLimit", [](Records& r) { r.limitRatios = {-0.5}; }, {"RatioIsUnderZero 0 -0.5"}},
    {"NothingLimitsAnUnboundedRatio", [](Records& r) { r.limitRatios = {kInfinite}; },
     {"RatioReachedToInfinite 0 0",
      kWords + "csEachDone::exRatioReachedToInfinite (Step : 0, LoadAndDispNumber : 0)"}},
    // EA/L overflows: a NaN solution must fail at the first free entry, never pass as a result.
    {"OverflowingMemberStiffness",
     [](Records& r) { r.Element("AB").E = r.Element("AB").A = 1e300; },
     {"StiffnessOfElementIsNotFinite AB"}},
    {"OverflowingStiffnessBetweenSupports",  // no free entry: found before the solve
     [](Records& r) { ElementProp& e = r.AddMember("AD", "A", "D"); e.E = e.A = 1e300; },
     {"StiffnessOfElementIsNotFinite AD"}},
};
// clang-format on

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

const FailureCase& Check(const std::string& name) {
  for (const FailureCase& c : kFailures) {
    if (name == c.name) return c;
  }
  throw std::invalid_argument("no check " + name);
}

class ConductorFailureTest : public ::testing::TestWithParam<FailureCase> {};

// Without a logger the same run still fails.
TEST_P(ConductorFailureTest, ReportsTheFailureAndFails) {
  Records records = Portal();
  GetParam().spoil(records);
  Loggers loggers, silent;
  EXPECT_TRUE(loggers.Run(records));
  EXPECT_EQ(loggers.conductor.calls, GetParam().reports);
  silent.bundle = LoggerBundle{};
  EXPECT_TRUE(silent.Run(records));
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, ConductorFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// Faults of later phases stay unseen while an earlier phase fails: adding the faults from the
// last phase to the first, each run reports only the fault added last. An imposed
// displacement fails before any node is built.
TEST(ConductorTest, EarliestPhaseFailsFirst) {
  Records records = Portal();
  for (const char* name : {"SpringSupportAtMissingNode", "RigidZonesFillTheElement",
                           "EdgeLoadOnMissingElement", "UnconnectedNode", "ElementAtMissingNode",
                           "PanelEntryOfMissingElement", "ImposedDispAtFreeNode"}) {
    Check(name).spoil(records);
    Loggers loggers;
    EXPECT_TRUE(loggers.Run(records)) << name;
    EXPECT_EQ(loggers.conductor.calls, Check(name).reports) << name;
    EXPECT_EQ(loggers.nodes.props.empty(), name == std::string("ImposedDispAtFreeNode")) << name;
  }
}

// Each panel entry takes the rigid-zone length of its member at the panel's node.
TEST(ConductorTest, PanelEntriesTakeTheRigidZoneAtTheirNode) {
  Records records = Portal();
  records.Node("B").ElementProps = {Panel("AB", kTHLR_H), Panel("BC", kTHLR_R)};
  records.Element("AB").Lij = {0.1, 0.25};  // AB ends at B with its J end
  records.Element("BC").Lij = {0.4, 0.2};   // BC starts at B
  Loggers loggers;
  ASSERT_FALSE(loggers.Run(records));
  const std::vector<PanelElementProp>& entries = loggers.nodes.props.at("B").ElementProps;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Lij, 0.25);
  EXPECT_EQ(entries[1].Lij, 0.4);
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

// The driver catches only texts and the two failure records: a text passes through, anything
// else is put into words here rather than ending the process without one.
TEST(ConductorTest, ForeignFailuresPassAsTextOrAreReportedInWords) {
  FailingNodeLogger<std::string> text("bad case!!!");
  Loggers loggers;
  loggers.bundle.Node = &text;
  EXPECT_THROW(loggers.Run(Portal()), std::string);
  EXPECT_TRUE(loggers.conductor.calls.empty());
  FailingNodeLogger<std::runtime_error> standard(std::runtime_error("out of memory"));
  loggers.bundle.Node = &standard;
  EXPECT_TRUE(loggers.Run(Portal()));
  EXPECT_EQ(loggers.conductor.calls, Log{kWords + "std::exception (What : out of memory)"});
}

// A matrix failure by its own name with its field, the family's base only when nothing closer
// is known; a text is left to pass through.
TEST(ConductorTest, WordsNameEachUnreportedFailureWithItsData) {
  struct Unknown {};
  const std::pair<std::exception_ptr, std::string> cases[] = {
      {std::make_exception_ptr(znMatrix::csBandMatrix::exDiagonalElementIsZero{{}, 7}),
       "znMatrix::csBandMatrix::exDiagonalElementIsZero (Row : 7)"},
      {std::make_exception_ptr(znMatrix::exMatrixException{}), "znMatrix::exMatrixException"},
      {std::make_exception_ptr(znFEM::znSimulEquation::ifSimulEquation::exUnBalancedLoad{4, 2.5}),
       "znSimulEquation::ifSimulEquation::exUnBalancedLoad (Dof : 4, Value : 2.500000e+00)"},
      {std::make_exception_ptr(Unknown{}), "An exception of an unknown kind"},
      {std::make_exception_ptr(std::string("bad case!!!")), ""},
  };
  for (const auto& [failure, words] : cases) EXPECT_EQ(DescribeUnreportedFailure(failure), words);
}

}  // namespace
