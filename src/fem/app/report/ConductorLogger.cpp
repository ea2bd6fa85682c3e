#include "fem/app/report/ConductorLogger.h"

namespace znFEM::znTarvex {

void csConductorLogger::AnyNodeHasNotBeenSet() {
  errorMessage_.AnyNodeHasNotBeenSet();
}

void csConductorLogger::AnyElementAndWallElementHasNotBeenSet() {
  errorMessage_.AnyElementAndWallElementHasNotBeenSet();
}

void csConductorLogger::TheNodeIsnotConnected(const std::string& nodeID) {
  errorMessage_.TheNodeIsnotConnected(nodeID);
}

void csConductorLogger::SpecifiedMonitorNodeIsnotExist(const std::string& nodeID) {
  errorMessage_.SpecifiedMonitorNodeIsnotExist(nodeID);
}

void csConductorLogger::SpecifiedNodeByElementIsnotExist(const std::string& nodeID,
                                                         const std::string& elementID,
                                                         std::uint32_t end) {
  errorMessage_.SpecifiedNodeByElementIsnotExist(nodeID, elementID, end);
}

void csConductorLogger::SpecifiedNodeByWallElementIsnotExist(const std::string& nodeID,
                                                             const std::string& wallElementID,
                                                             std::uint32_t end,
                                                             std::uint32_t side) {
  errorMessage_.SpecifiedNodeByWallElementIsnotExist(nodeID, wallElementID, end, side);
}

void csConductorLogger::SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& nodeID) {
  errorMessage_.SpecifiedConnectNodeBySpringSupportIsnotExist(nodeID);
}

void csConductorLogger::UnZeroSpringCoefIsSetAtSupportedNode(const std::string& nodeID,
                                                             std::uint32_t direction) {
  errorMessage_.UnZeroSpringCoefIsSetAtSupportedNode(nodeID, direction);
}

void csConductorLogger::TheNodeIsIsolated(const std::string& nodeID, std::uint32_t direction,
                                          std::uint32_t step) {
  errorMessage_.TheNodeIsIsolated(nodeID, direction, step);
}

void csConductorLogger::LoadsAndDispsAreAllZero(std::uint32_t step, std::uint32_t loadCase) {
  errorMessage_.LoadsAndDispsAreAllZero(step, loadCase);
}

void csConductorLogger::UnBalancedLoad(const std::string& nodeID, std::uint32_t direction,
                                       std::uint32_t step, double value) {
  errorMessage_.UnBalancedLoad(nodeID, direction, step, value);
}

void csConductorLogger::FailedToAnalyzeMatrix(std::uint32_t step) {
  errorMessage_.FailedToAnalyzeMatrix(step);
}

void csConductorLogger::AllDegreesAreSupported() {
  errorMessage_.AllDegreesAreSupported();
}

void csConductorLogger::RatioIsUnderZero(std::uint32_t, double) {
  errorMessage_.UnExpectedErrorHasBeenThrown("RatioIsUnverZero");
}

void csConductorLogger::LnOfElementIsUnderOrEqualToZero(const std::string& elementID) {
  errorMessage_.LnOfElementIsUnderOrEqualToZero(elementID);
}

void csConductorLogger::TwoNodesOfWallElementAreSamePosition(const std::string& wallElementID,
                                                             std::uint32_t end0,
                                                             std::uint32_t side0,
                                                             std::uint32_t end1,
                                                             std::uint32_t side1) {
  errorMessage_.TwoNodesOfWallElementAreSamePosition(wallElementID, end0, side0, end1, side1);
}

void csConductorLogger::LOfWallElementIsEqualToZero(const std::string& wallElementID) {
  errorMessage_.LOfWallElementIsEqualToZero(wallElementID);
}

void csConductorLogger::LaOfWallElementIsOverLij(const std::string& wallElementID,
                                                 std::uint32_t end) {
  errorMessage_.LaOfWallElementIsOverLij(wallElementID, end);
}

void csConductorLogger::BothAlphaYOfWallElementAreZero(const std::string& wallElementID,
                                                       std::uint32_t end) {
  errorMessage_.BothAlphaYOfWallElementAreZero(wallElementID, end);
}

void csConductorLogger::SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& key,
                                                                    const std::string& nodeID,
                                                                    std::uint32_t loadCase) {
  errorMessage_.SpecifiedNodeByImposedLoadAndDispIsnotExist(key, nodeID, loadCase);
}

void csConductorLogger::SpecifiedLoadAndDispNumberIsOver(const RecordKey& key,
                                                         const std::string& nodeID,
                                                         std::uint32_t loadCase) {
  errorMessage_.SpecifiedLoadAndDispNumberIsOver(key, nodeID, loadCase);
}

void csConductorLogger::ImposedDispIsSetAtNonSupportedNode(const RecordKey& key,
                                                           const std::string& nodeID,
                                                           std::uint32_t loadCase,
                                                           std::uint32_t direction) {
  errorMessage_.ImposedDispIsSetAtNonSupportedNode(key, nodeID, loadCase, direction);
}

void csConductorLogger::ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& key,
                                                                const std::string& nodeID,
                                                                std::uint32_t loadCase,
                                                                std::uint32_t direction) {
  errorMessage_.ImposedDispIsSetAtZeroCoefSpringSupport(key, nodeID, loadCase, direction);
}

void csConductorLogger::SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& key,
                                                                    const std::string& elementID,
                                                                    std::uint32_t loadCase) {
  errorMessage_.SpecifiedElementByEdgeLoadFixCaseIsnotExist(key, elementID, loadCase);
}

void csConductorLogger::SpecifiedLoadNumberIsOver(const RecordKey& key,
                                                  const std::string& elementID,
                                                  std::uint32_t loadCase) {
  errorMessage_.SpecifiedLoadNumberIsOver(key, elementID, loadCase);
}

void csConductorLogger::SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& key,
                                                               const std::string& elementID,
                                                               std::uint32_t loadCase,
                                                               std::uint32_t end) {
  errorMessage_.SpecifiedEdgeLoadIsSetAtZeroLengthEdge(key, elementID, loadCase, end);
}

void csConductorLogger::PositionOfConcentratedLoadIsOut(const RecordKey& key,
                                                        const std::string& elementID,
                                                        std::uint32_t loadCase) {
  errorMessage_.PositionOfConcentratedLoadIsOut(key, elementID, loadCase);
}

void csConductorLogger::PositionOfDistributedLoadIsOut(const RecordKey& key,
                                                       const std::string& elementID,
                                                       std::uint32_t loadCase,
                                                       std::uint32_t position) {
  errorMessage_.PositionOfDistributedLoadIsOut(key, elementID, loadCase, position);
}

void csConductorLogger::PositionOfDistributedLoadAreTheSameOrLeftSideRight(
    const RecordKey& key, const std::string& elementID, std::uint32_t loadCase) {
  errorMessage_.PositionOfDistributedLoadAreTheSameOrLeftSideRight(key, elementID, loadCase);
}

void csConductorLogger::UnExpectedErrorHasBeenThrown(const std::string& message) {
  errorMessage_.UnExpectedErrorHasBeenThrown(message);
}

void csConductorLogger::SpecifiedElementOfElementStressIsnotExist(const std::string& elementID) {
  errorMessage_.SpecifiedElementOfElementStressIsnotExist(elementID);
}

void csConductorLogger::SpecifiedPositionOfElementStressIsOutOfLength(const std::string& elementID,
                                                                      std::uint32_t index,
                                                                      double position,
                                                                      double length) {
  errorMessage_.SpecifiedPositionOfElementStressIsOutOfLength(elementID, index, position, length);
}

void csConductorLogger::LengthOfElementOverflows(const std::string& elementID) {
  errorMessage_.LengthOfElementOverflows(elementID);
}

void csConductorLogger::StiffnessOfElementIsNotFinite(const std::string& elementID) {
  errorMessage_.StiffnessOfElementIsNotFinite(elementID);
}

void csConductorLogger::EquivalentLoadOfElementIsNotFinite(const std::string& elementID,
                                                           std::uint32_t loadCase) {
  errorMessage_.EquivalentLoadOfElementIsNotFinite(elementID, loadCase);
}

void csConductorLogger::StiffnessOfWallElementIsNotFinite(const std::string& wallElementID) {
  errorMessage_.StiffnessOfWallElementIsNotFinite(wallElementID);
}

void csConductorLogger::EdgeLoadIsNotFinite(const RecordKey& key, const std::string& elementID,
                                            std::uint32_t loadCase) {
  errorMessage_.EdgeLoadIsNotFinite(key, elementID, loadCase);
}

void csConductorLogger::ImposedLoadAndDispIsNotFinite(const RecordKey& key,
                                                      const std::string& nodeID,
                                                      std::uint32_t loadCase,
                                                      std::uint32_t component) {
  errorMessage_.ImposedLoadAndDispIsNotFinite(key, nodeID, loadCase, component);
}

void csConductorLogger::ResultIsNotFinite(const std::string& nodeID, std::uint32_t direction,
                                          std::uint32_t step) {
  errorMessage_.ResultIsNotFinite(nodeID, direction, step);
}

}  // namespace znFEM::znTarvex
