// The conductor: turns the model records into the live structural model, checking every
// cross-reference between them, runs the analysis, and reports any model or analysis failure.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/makers/MatrixMaker2DWallElement.h"
#include "fem/makers/SimulEquation.h"
#include "fem/model/AnalysisLimits.h"
#include "fem/model/Analyzer.h"
#include "fem/model/EachDone.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementMgr.h"
#include "fem/model/ElementProp.h"
#include "fem/model/ElementStressProp.h"
#include "fem/model/ImposedLoadAndDisp.h"
#include "fem/model/NodeMgr.h"
#include "fem/model/NodeProp.h"
#include "fem/model/SpringSupportMgr.h"
#include "fem/model/SpringSupportProp.h"
#include "fem/model/WallElementMgr.h"
#include "fem/model/WallElementProp.h"

namespace znFEM::znTraceYield2DRahmen {

struct LoggerBundle;

class csConductor {
 public:
  // Position of an imposed-load or edge-load record: (kind number, ordinal in its list).
  using RecordKey = std::pair<std::uint32_t, std::uint32_t>;

  // Told each failure that ends the run, with the data that identify its cause. End codes are
  // 0 for I and 1 for J, node-of-side codes 0 for a and 1 for b, directions 0 x, 1 y, 2 m.
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    virtual void AnyNodeHasNotBeenSet() = 0;
    virtual void AnyElementAndWallElementHasNotBeenSet() = 0;
    virtual void TheNodeIsnotConnected(const std::string& nodeID) = 0;
    virtual void SpecifiedMonitorNodeIsnotExist(const std::string& nodeID) = 0;
    virtual void SpecifiedNodeByElementIsnotExist(const std::string& nodeID,
                                                  const std::string& elementID,
                                                  std::uint32_t end) = 0;
    virtual void SpecifiedNodeByWallElementIsnotExist(const std::string& nodeID,
                                                      const std::string& wallElementID,
                                                      std::uint32_t end, std::uint32_t side) = 0;
    virtual void SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& nodeID) = 0;
    virtual void UnZeroSpringCoefIsSetAtSupportedNode(const std::string& nodeID,
                                                      std::uint32_t direction) = 0;
    virtual void PanelElementIsnotExist(const std::string& nodeID,
                                        const std::string& elementID) = 0;
    virtual void PanelElementIsnotConnected(const std::string& nodeID,
                                            const std::string& elementID) = 0;
    virtual void TheNodeIsIsolated(const std::string& nodeID, std::uint32_t direction,
                                   std::uint32_t step) = 0;
    virtual void LoadsAndDispsAreAllZero(std::uint32_t step, std::uint32_t loadCase) = 0;
    virtual void RatioReachedToInfinite(std::uint32_t step, std::uint32_t loadCase) = 0;
    virtual void UnBalancedLoad(const std::string& nodeID, std::uint32_t direction,
                                std::uint32_t step, double value) = 0;
    virtual void FailedToAnalyzeMatrix(std::uint32_t step) = 0;
    virtual void AllDegreesAreSupported() = 0;
    virtual void RatioIsUnderZero(std::uint32_t step, double ratio) = 0;
    virtual void MypIsSetAtNodeThatHasnotPanel(const std::string& nodeID) = 0;
    // side: 0 over the upper limit, 1 under the lower limit.
    virtual void PreFaceMomentIsOverMyp(const std::string& nodeID, double momentA, double momentB,
                                        std::int32_t side) = 0;
    virtual void LnOfElementIsUnderOrEqualToZero(const std::string& elementID) = 0;
    virtual void PreFaceMomentIsSetAtHinge(const std::string& elementID, std::uint32_t end) = 0;
    virtual void TwoNodesOfWallElementAreSamePosition(const std::string& wallElementID,
                                                      std::uint32_t end0, std::uint32_t side0,
                                                      std::uint32_t end1, std::uint32_t side1) = 0;
    virtual void LOfWallElementIsEqualToZero(const std::string& wallElementID) = 0;
    virtual void LaOfWallElementIsOverLij(const std::string& wallElementID, std::uint32_t end) = 0;
    virtual void BothAlphaYOfWallElementAreZero(const std::string& wallElementID,
                                                std::uint32_t end) = 0;
    // The load record reports name the record by its key, the node or element it applies to
    // and its load case.
    virtual void SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& key,
                                                             const std::string& nodeID,
                                                             std::uint32_t loadCase) = 0;
    virtual void SpecifiedLoadAndDispNumberIsOver(const RecordKey& key, const std::string& nodeID,
                                                  std::uint32_t loadCase) = 0;
    virtual void ImposedDispIsSetAtNonSupportedNode(const RecordKey& key, const std::string& nodeID,
                                                    std::uint32_t loadCase,
                                                    std::uint32_t direction) = 0;
    virtual void ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& key,
                                                         const std::string& nodeID,
                                                         std::uint32_t loadCase,
                                                         std::uint32_t direction) = 0;
    virtual void SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& key,
                                                             const std::string& elementID,
                                                             std::uint32_t loadCase) = 0;
    virtual void SpecifiedLoadNumberIsOver(const RecordKey& key, const std::string& elementID,
                                           std::uint32_t loadCase) = 0;
    virtual void SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& key,
                                                        const std::string& elementID,
                                                        std::uint32_t loadCase,
                                                        std::uint32_t end) = 0;
    virtual void PositionOfConcentratedLoadIsOut(const RecordKey& key, const std::string& elementID,
                                                 std::uint32_t loadCase) = 0;
    // position: 0 the start (posi), 1 the end (posj) of the load.
    virtual void PositionOfDistributedLoadIsOut(const RecordKey& key, const std::string& elementID,
                                                std::uint32_t loadCase, std::uint32_t position) = 0;
    virtual void PositionOfDistributedLoadAreTheSameOrLeftSideRight(const RecordKey& key,
                                                                    const std::string& elementID,
                                                                    std::uint32_t loadCase) = 0;
    virtual void SpecifiedElementOfElementStressIsnotExist(const std::string& elementID) = 0;
    // index: of the position in its statement, from 0.
    virtual void SpecifiedPositionOfElementStressIsOutOfLength(const std::string& elementID,
                                                               std::uint32_t index, double position,
                                                               double length) = 0;
    // Quantities made from finite input that overflow: the record they come from.
    virtual void LengthOfElementOverflows(const std::string& elementID) = 0;
    virtual void StiffnessOfElementIsNotFinite(const std::string& elementID) = 0;
    virtual void EquivalentLoadOfElementIsNotFinite(const std::string& elementID,
                                                    std::uint32_t loadCase) = 0;
    virtual void StiffnessOfWallElementIsNotFinite(const std::string& wallElementID) = 0;
    virtual void EdgeLoadIsNotFinite(const RecordKey& key, const std::string& elementID,
                                     std::uint32_t loadCase) = 0;
    // component: 0 to 2 the load in x, y, m; 3 to 5 the displacement.
    virtual void ImposedLoadAndDispIsNotFinite(const RecordKey& key, const std::string& nodeID,
                                               std::uint32_t loadCase, std::uint32_t component) = 0;
    // The solution or the forces it gives at a node overflow.
    virtual void ResultIsNotFinite(const std::string& nodeID, std::uint32_t direction,
                                   std::uint32_t step) = 0;
    // A text naming a failure and its data. Called right after PanelElementIsnotExist,
    // PanelElementIsnotConnected, RatioReachedToInfinite, MypIsSetAtNodeThatHasnotPanel,
    // PreFaceMomentIsOverMyp and PreFaceMomentIsSetAtHinge, whose reports carry no words, and
    // alone for every failure without an operation of its own: a manager's duplicate or
    // unknown ID, a matrix failure, limit lists that disagree, any other exception.
    virtual void UnExpectedErrorHasBeenThrown(const std::string& message) = 0;
  };

  // The nodes that some frame or wall element reaches.
  using UsedNodes = std::unordered_set<const ifNode*>;

  // The failure has been reported through the logger; nothing is carried.
  struct exFailed {};

  // The conductor uses the first nine entries of the bundle; every entry may be null. Without a
  // balance tolerance the balance is judged relative to the size of each row's terms.
  csConductor(const LoggerBundle& loggers, std::optional<double> balanceTolerance);
  csConductor(const csConductor&) = delete;
  csConductor& operator=(const csConductor&) = delete;
  ~csConductor();

  // Each keeps the list given (the driver moves its lists in); the driver calls them in this
  // order before Run.
  void SetLimits(const AnalysisLimits& limits);
  // The node (by ID; none when empty) and direction (0 x, 1 y, 2 rotation) each step record
  // carries the displacement of; the node must exist when the model is built.
  void SetMonitor(const std::string& nodeID, std::uint32_t direction);
  void SetNodeRecords(std::vector<NodeProp> records);
  void SetElementRecords(std::vector<ElementProp> records);
  void SetWallElementRecords(std::vector<WallElementProp> records);
  void SetSpringSupportRecords(std::vector<SpringSupportProp> records);
  void SetImposedLoadRecords(std::vector<ImposedLoadAndDispProp> records);
  void SetEdgeLoadRecords(std::vector<EdgeLoadDirectInputProp> directInput,
                          std::vector<EdgeLoadConcentratedProp> concentrated,
                          std::vector<EdgeLoadDistributedProp> distributed);
  // The ElementStress definitions (member ID and positions), checked against their members
  // when the model is built.
  void SetElementStressRecords(std::vector<ElementStressProp> records);

  // Builds the model and runs the analysis once. Returns normally whichever way the analysis
  // ended; throws exFailed after reporting any model or analysis failure. A text thrown by
  // the system (std::string) passes through unchanged.
  void Run();

  // The ElementStress definitions after Run, each position within its member (a position
  // within 1e-9 of the length from an end is that end).
  const std::vector<ElementStressProp>& GetElementStressRecords() const {
    return elementStressRecords_;
  }

 private:
  void Build();
  void CheckRecordLists();
  void MakeNodes();
  void MakeElements();
  void CheckElementStresses();
  void CheckEveryNodeIsUsed(const UsedNodes& usedNodes);
  void ApplyImposedLoads();
  void LinkElementNodes();
  void ApplyEdgeLoads();
  void MakeSpringSupports();
  void SetUpAnalyzer();
  void SetUpMonitor();
  void ReleaseRecords();
  std::uint32_t LoadCaseCount() const;
  [[noreturn]] void Fail(const std::string& message);
  // Reports a caught failure through the logger, which must be present.
  void ReportCaught(const std::exception_ptr& failure) const;

  csConductor::ifLogger* logger_;
  znSimulEquation::csSimulEquation simulEquation_;
  znMatrixMaker::csMatrixMaker2DRahmen frameMaker_;
  znMatrixMaker::csMatrixMaker2DWallElement wallMaker_;
  csEachDone eachDone_;
  csAnalyzer analyzer_;
  csNodeMgr nodeMgr_;
  csElementMgr elementMgr_;
  csWallElementMgr wallElementMgr_;
  csSpringSupportMgr springSupportMgr_;
  csImposedLoadAndDisp imposedLoad_;
  csEdgeLoadFixCase edgeLoad_;
  AnalysisLimits limits_;
  std::string monitorNodeID_;
  std::uint32_t monitorDirection_ = 0;
  std::vector<NodeProp> nodeRecords_;
  std::vector<ElementProp> elementRecords_;
  std::vector<WallElementProp> wallElementRecords_;
  std::vector<SpringSupportProp> springSupportRecords_;
  std::vector<ImposedLoadAndDispProp> imposedLoadRecords_;
  std::vector<EdgeLoadDirectInputProp> directInputRecords_;
  std::vector<EdgeLoadConcentratedProp> concentratedRecords_;
  std::vector<EdgeLoadDistributedProp> distributedRecords_;
  std::vector<ElementStressProp> elementStressRecords_;
};

}  // namespace znFEM::znTraceYield2DRahmen
