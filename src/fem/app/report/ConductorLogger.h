// The conductor's logger: puts each model and analysis failure the conductor catches into words
// through the error-message reporter (those it also words as unexpected errors, only once).
#pragma once

#include <cstdint>
#include <string>

#include "fem/app/report/ErrorMessage.h"
#include "fem/model/Conductor.h"

namespace znFEM::znTarvex {

class csConductorLogger : public znTraceYield2DRahmen::csConductor::ifLogger {
 public:
  using RecordKey = znTraceYield2DRahmen::csConductor::RecordKey;

  // The reporter is not owned.
  explicit csConductorLogger(ifErrorMessage& errorMessage) : errorMessage_(errorMessage) {}

  void AnyNodeHasNotBeenSet() override;
  void AnyElementAndWallElementHasNotBeenSet() override;
  void TheNodeIsnotConnected(const std::string& nodeID) override;
  void SpecifiedMonitorNodeIsnotExist(const std::string& nodeID) override;
  void SpecifiedNodeByElementIsnotExist(const std::string& nodeID, const std::string& elementID,
                                        std::uint32_t end) override;
  void SpecifiedNodeByWallElementIsnotExist(const std::string& nodeID,
                                            const std::string& wallElementID, std::uint32_t end,
                                            std::uint32_t side) override;
  void SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& nodeID) override;
  void UnZeroSpringCoefIsSetAtSupportedNode(const std::string& nodeID,
                                            std::uint32_t direction) override;
  void PanelElementIsnotExist(const std::string&, const std::string&) override {}
  void PanelElementIsnotConnected(const std::string&, const std::string&) override {}
  void TheNodeIsIsolated(const std::string& nodeID, std::uint32_t direction,
                         std::uint32_t step) override;
  void LoadsAndDispsAreAllZero(std::uint32_t step, std::uint32_t loadCase) override;
  void RatioReachedToInfinite(std::uint32_t, std::uint32_t) override {}
  void UnBalancedLoad(const std::string& nodeID, std::uint32_t direction, std::uint32_t step,
                      double value) override;
  void FailedToAnalyzeMatrix(std::uint32_t step) override;
  void AllDegreesAreSupported() override;
  void RatioIsUnderZero(std::uint32_t step, double ratio) override;
  void MypIsSetAtNodeThatHasnotPanel(const std::string&) override {}
  void PreFaceMomentIsOverMyp(const std::string&, double, double, std::int32_t) override {}
  void LnOfElementIsUnderOrEqualToZero(const std::string& elementID) override;
  void PreFaceMomentIsSetAtHinge(const std::string&, std::uint32_t) override {}
  void TwoNodesOfWallElementAreSamePosition(const std::string& wallElementID, std::uint32_t end0,
                                            std::uint32_t side0, std::uint32_t end1,
                                            std::uint32_t side1) override;
  void LOfWallElementIsEqualToZero(const std::string& wallElementID) override;
  void LaOfWallElementIsOverLij(const std::string& wallElementID, std::uint32_t end) override;
  void BothAlphaYOfWallElementAreZero(const std::string& wallElementID, std::uint32_t end) override;
  void SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& key, const std::string& nodeID,
                                                   std::uint32_t loadCase) override;
  void SpecifiedLoadAndDispNumberIsOver(const RecordKey& key, const std::string& nodeID,
                                        std::uint32_t loadCase) override;
  void ImposedDispIsSetAtNonSupportedNode(const RecordKey& key, const std::string& nodeID,
                                          std::uint32_t loadCase, std::uint32_t direction) override;
  void ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& key, const std::string& nodeID,
                                               std::uint32_t loadCase,
                                               std::uint32_t direction) override;
  void SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& key,
                                                   const std::string& elementID,
                                                   std::uint32_t loadCase) override;
  void SpecifiedLoadNumberIsOver(const RecordKey& key, const std::string& elementID,
                                 std::uint32_t loadCase) override;
  void SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& key, const std::string& elementID,
                                              std::uint32_t loadCase, std::uint32_t end) override;
  void PositionOfConcentratedLoadIsOut(const RecordKey& key, const std::string& elementID,
                                       std::uint32_t loadCase) override;
  void PositionOfDistributedLoadIsOut(const RecordKey& key, const std::string& elementID,
                                      std::uint32_t loadCase, std::uint32_t position) override;
  void PositionOfDistributedLoadAreTheSameOrLeftSideRight(const RecordKey& key,
                                                          const std::string& elementID,
                                                          std::uint32_t loadCase) override;
  void SpecifiedElementOfElementStressIsnotExist(const std::string& elementID) override;
  void SpecifiedPositionOfElementStressIsOutOfLength(const std::string& elementID,
                                                     std::uint32_t index, double position,
                                                     double length) override;
  void LengthOfElementOverflows(const std::string& elementID) override;
  void StiffnessOfElementIsNotFinite(const std::string& elementID) override;
  void EquivalentLoadOfElementIsNotFinite(const std::string& elementID,
                                          std::uint32_t loadCase) override;
  void StiffnessOfWallElementIsNotFinite(const std::string& wallElementID) override;
  void EdgeLoadIsNotFinite(const RecordKey& key, const std::string& elementID,
                           std::uint32_t loadCase) override;
  void ImposedLoadAndDispIsNotFinite(const RecordKey& key, const std::string& nodeID,
                                     std::uint32_t loadCase, std::uint32_t component) override;
  void ResultIsNotFinite(const std::string& nodeID, std::uint32_t direction,
                         std::uint32_t step) override;
  void UnExpectedErrorHasBeenThrown(const std::string& message) override;

 private:
  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
