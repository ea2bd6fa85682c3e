// The error-message reporter: one operation per kind of error the system reports; each writes
// the titles "Error" and its message key, then the data that identify the cause.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

// Position of an imposed-load or edge-load record: (kind number, ordinal in its list from 0),
// the key that the load distributors give their records.
using RecordKey = std::pair<std::uint32_t, std::uint32_t>;

// Counts (line numbers, steps, load cases, indices) are written "----" when they hold the
// unset marker; end and side codes other than 0 to 2 throw the text "bad case!!!" before
// anything of the report is written.
class ifErrorMessage {
 public:
  virtual ~ifErrorMessage() = default;

  virtual void UnExpectedErrorHasBeenThrown(const std::string& message) = 0;
  virtual void UnExpectedKey(unsigned line, const std::string& key) = 0;
  virtual void NecessaryKeyHasnotBeenSet(unsigned line, const std::string& key) = 0;
  virtual void UnRequiredValueHasBeenSet(unsigned line, const std::string& key) = 0;
  virtual void RequiredValueHasnotBeenSet(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedStringIsnotNumeric(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedStringIsnotInteger(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedValueIsNegative(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedValueIsNegativeOrZero(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedValueIsPlus(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedValueIsPlusOrZero(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedStringIsnotBool(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedKeyIsDuplicated(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedTHLRStrIsWrong(unsigned line, const std::string& key) = 0;
  // A control character other than tab, line feed, vertical tab, form feed and carriage
  // return; code is its byte written "0x" and two hexadecimal digits.
  virtual void ControlCharacterIsInText(unsigned line, const std::string& code) = 0;
  // A block comment never closed, by the line where it opens.
  virtual void CommentIsnotClosed(unsigned line) = 0;
  // A direction other than x, y or m.
  virtual void SpecifiedDirectionStrIsWrong(unsigned line, const std::string& key) = 0;
  // A load record's case beyond the cases of the LoadCase block.
  virtual void SpecifiedLoadCaseIsnotExist(unsigned line, const std::string& key) = 0;
  // A plastic moment given for an end pinned by its spring of stiffness 0.
  virtual void PlasticMomentIsSetAtPinnedEnd(unsigned line, const std::string& key) = 0;
  virtual void TheLengthOfSpecifiedIDIsOver(const std::string& id, const std::string& block,
                                            unsigned line, unsigned maxLength) = 0;
  virtual void TheSuffixOfSpecifiedIDIsWrong(const std::string& id, const std::string& block,
                                             unsigned line, const std::string& suffix) = 0;
  virtual void MainPropLineIsDuplicated(unsigned line1, unsigned line2) = 0;
  virtual void SpecifiedNodeIsDuplicated(const std::string& node) = 0;
  virtual void NodesAtBothEdgesOfElementAreSame(const std::string& element) = 0;
  virtual void PoissonOfElementIsZeroOrUnder(const std::string& element) = 0;
  virtual void SpecifiedElementIsDuplicated(const std::string& element) = 0;
  virtual void NodesOfWallElementAreSame(const std::string& wallElement, unsigned end0,
                                         unsigned side0, unsigned end1, unsigned side1) = 0;
  virtual void PoissonOfWallElementIsZeroOrUnder(const std::string& wallElement) = 0;
  virtual void SpecifiedWallElementIsDuplicated(const std::string& wallElement) = 0;
  virtual void AnyNodeHasNotBeenSet() = 0;
  virtual void AnyElementAndWallElementHasNotBeenSet() = 0;
  virtual void TheNodeIsnotConnected(const std::string& node) = 0;
  virtual void SpecifiedMonitorNodeIsnotExist(const std::string& node) = 0;
  virtual void SpecifiedNodeByElementIsnotExist(const std::string& node, const std::string& element,
                                                unsigned end) = 0;
  virtual void SpecifiedNodeByWallElementIsnotExist(const std::string& node,
                                                    const std::string& wallElement, unsigned end,
                                                    unsigned side) = 0;
  virtual void SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& node) = 0;
  virtual void UnZeroSpringCoefIsSetAtSupportedNode(const std::string& node,
                                                    unsigned direction) = 0;
  virtual void TheNodeIsIsolated(const std::string& node, unsigned direction, unsigned step) = 0;
  virtual void LoadsAndDispsAreAllZero(unsigned step, unsigned loadAndDispNumber) = 0;
  virtual void UnBalancedLoad(const std::string& node, unsigned direction, unsigned step,
                              double value) = 0;
  virtual void FailedToAnalyzeMatrix(unsigned step) = 0;
  virtual void AllDegreesAreSupported() = 0;
  virtual void LnOfElementIsUnderOrEqualToZero(const std::string& element) = 0;
  virtual void TwoNodesOfWallElementAreSamePosition(const std::string& wallElement, unsigned end0,
                                                    unsigned side0, unsigned end1,
                                                    unsigned side1) = 0;
  virtual void LOfWallElementIsEqualToZero(const std::string& wallElement) = 0;
  virtual void LaOfWallElementIsOverLij(const std::string& wallElement, unsigned end) = 0;
  virtual void BothAlphaYOfWallElementAreZero(const std::string& wallElement, unsigned end) = 0;
  // The load record reports name the record by its key, the node or element it applies to
  // and its load case number.
  virtual void SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& key,
                                                           const std::string& node,
                                                           unsigned loadAndDispNumber) = 0;
  virtual void SpecifiedLoadAndDispNumberIsOver(const RecordKey& key, const std::string& node,
                                                unsigned loadAndDispNumber) = 0;
  virtual void ImposedDispIsSetAtNonSupportedNode(const RecordKey& key, const std::string& node,
                                                  unsigned loadAndDispNumber,
                                                  unsigned direction) = 0;
  virtual void ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& key,
                                                       const std::string& node,
                                                       unsigned loadAndDispNumber,
                                                       unsigned direction) = 0;
  virtual void SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& key,
                                                           const std::string& element,
                                                           unsigned loadNumber) = 0;
  virtual void SpecifiedLoadNumberIsOver(const RecordKey& key, const std::string& element,
                                         unsigned loadNumber) = 0;
  virtual void SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& key,
                                                      const std::string& element,
                                                      unsigned loadNumber, unsigned end) = 0;
  virtual void PositionOfConcentratedLoadIsOut(const RecordKey& key, const std::string& element,
                                               unsigned loadNumber) = 0;
  // The position index (0 start, 1 end of the load) is written as the end I or J.
  virtual void PositionOfDistributedLoadIsOut(const RecordKey& key, const std::string& element,
                                              unsigned loadNumber, unsigned position) = 0;
  virtual void PositionOfDistributedLoadAreTheSameOrLeftSideRight(const RecordKey& key,
                                                                  const std::string& element,
                                                                  unsigned loadNumber) = 0;
  virtual void NecessaryBlockKeyHasnotBeenSet(const std::string& blockKey) = 0;
  virtual void UnExpectedBlockKeyHasBeenSet(unsigned line, const std::string& key) = 0;
  virtual void SpecifiedSpringSupportIsDuplicated(const std::string& node) = 0;
  virtual void SpecifiedElementOfElementStressIsnotExist(const std::string& element) = 0;
  // position: the index of the position in its statement; value: the position itself.
  virtual void SpecifiedPositionOfElementStressIsOutOfLength(const std::string& element,
                                                             unsigned position, double value,
                                                             double length) = 0;
  virtual void SpecifiedElementOfElementStressIsDuplicated(const std::string& element) = 0;
  virtual void PositionsOfElementStressArenotPiledUp(const std::string& element,
                                                     unsigned position) = 0;
  // Quantities made from finite input that overflow, by the record they come from. component:
  // 0 to 2 the load fx, fy, fm; 3 to 5 the displacement dx, dy, dm.
  virtual void LengthOfElementOverflows(const std::string& element) = 0;
  virtual void StiffnessOfElementIsNotFinite(const std::string& element) = 0;
  virtual void EquivalentLoadOfElementIsNotFinite(const std::string& element,
                                                  unsigned loadNumber) = 0;
  virtual void StiffnessOfWallElementIsNotFinite(const std::string& wallElement) = 0;
  virtual void EdgeLoadIsNotFinite(const RecordKey& key, const std::string& element,
                                   unsigned loadNumber) = 0;
  virtual void ImposedLoadAndDispIsNotFinite(const RecordKey& key, const std::string& node,
                                             unsigned loadAndDispNumber, unsigned component) = 0;
  virtual void ResultIsNotFinite(const std::string& node, unsigned direction, unsigned step) = 0;

 protected:
  ifErrorMessage() = default;
  ifErrorMessage(const ifErrorMessage&) = default;
  ifErrorMessage& operator=(const ifErrorMessage&) = default;
};

class csErrorMessage : public ifErrorMessage {
 public:
  explicit csErrorMessage(znInOutData::ifOutputDataWriter& writer);

  void UnExpectedErrorHasBeenThrown(const std::string& message) override;
  void UnExpectedKey(unsigned line, const std::string& key) override;
  void NecessaryKeyHasnotBeenSet(unsigned line, const std::string& key) override;
  void UnRequiredValueHasBeenSet(unsigned line, const std::string& key) override;
  void RequiredValueHasnotBeenSet(unsigned line, const std::string& key) override;
  void SpecifiedStringIsnotNumeric(unsigned line, const std::string& key) override;
  void SpecifiedStringIsnotInteger(unsigned line, const std::string& key) override;
  void SpecifiedValueIsNegative(unsigned line, const std::string& key) override;
  void SpecifiedValueIsNegativeOrZero(unsigned line, const std::string& key) override;
  void SpecifiedValueIsPlus(unsigned line, const std::string& key) override;
  void SpecifiedValueIsPlusOrZero(unsigned line, const std::string& key) override;
  void SpecifiedStringIsnotBool(unsigned line, const std::string& key) override;
  void SpecifiedKeyIsDuplicated(unsigned line, const std::string& key) override;
  void SpecifiedTHLRStrIsWrong(unsigned line, const std::string& key) override;
  void ControlCharacterIsInText(unsigned line, const std::string& code) override;
  void CommentIsnotClosed(unsigned line) override;
  void SpecifiedDirectionStrIsWrong(unsigned line, const std::string& key) override;
  void SpecifiedLoadCaseIsnotExist(unsigned line, const std::string& key) override;
  void PlasticMomentIsSetAtPinnedEnd(unsigned line, const std::string& key) override;
  void TheLengthOfSpecifiedIDIsOver(const std::string& id, const std::string& block, unsigned line,
                                    unsigned maxLength) override;
  void TheSuffixOfSpecifiedIDIsWrong(const std::string& id, const std::string& block, unsigned line,
                                     const std::string& suffix) override;
  void MainPropLineIsDuplicated(unsigned line1, unsigned line2) override;
  void SpecifiedNodeIsDuplicated(const std::string& node) override;
  void NodesAtBothEdgesOfElementAreSame(const std::string& element) override;
  void PoissonOfElementIsZeroOrUnder(const std::string& element) override;
  void SpecifiedElementIsDuplicated(const std::string& element) override;
  void NodesOfWallElementAreSame(const std::string& wallElement, unsigned end0, unsigned side0,
                                 unsigned end1, unsigned side1) override;
  void PoissonOfWallElementIsZeroOrUnder(const std::string& wallElement) override;
  void SpecifiedWallElementIsDuplicated(const std::string& wallElement) override;
  void AnyNodeHasNotBeenSet() override;
  void AnyElementAndWallElementHasNotBeenSet() override;
  void TheNodeIsnotConnected(const std::string& node) override;
  void SpecifiedMonitorNodeIsnotExist(const std::string& node) override;
  void SpecifiedNodeByElementIsnotExist(const std::string& node, const std::string& element,
                                        unsigned end) override;
  void SpecifiedNodeByWallElementIsnotExist(const std::string& node, const std::string& wallElement,
                                            unsigned end, unsigned side) override;
  void SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& node) override;
  void UnZeroSpringCoefIsSetAtSupportedNode(const std::string& node, unsigned direction) override;
  void TheNodeIsIsolated(const std::string& node, unsigned direction, unsigned step) override;
  void LoadsAndDispsAreAllZero(unsigned step, unsigned loadAndDispNumber) override;
  void UnBalancedLoad(const std::string& node, unsigned direction, unsigned step,
                      double value) override;
  void FailedToAnalyzeMatrix(unsigned step) override;
  void AllDegreesAreSupported() override;
  void LnOfElementIsUnderOrEqualToZero(const std::string& element) override;
  void TwoNodesOfWallElementAreSamePosition(const std::string& wallElement, unsigned end0,
                                            unsigned side0, unsigned end1, unsigned side1) override;
  void LOfWallElementIsEqualToZero(const std::string& wallElement) override;
  void LaOfWallElementIsOverLij(const std::string& wallElement, unsigned end) override;
  void BothAlphaYOfWallElementAreZero(const std::string& wallElement, unsigned end) override;
  void SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& key, const std::string& node,
                                                   unsigned loadAndDispNumber) override;
  // Writes the record block, so that the report names the record whose load case the run
  // does not have.
  void SpecifiedLoadAndDispNumberIsOver(const RecordKey& key, const std::string& node,
                                        unsigned loadAndDispNumber) override;
  void ImposedDispIsSetAtNonSupportedNode(const RecordKey& key, const std::string& node,
                                          unsigned loadAndDispNumber, unsigned direction) override;
  void ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& key, const std::string& node,
                                               unsigned loadAndDispNumber,
                                               unsigned direction) override;
  void SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& key, const std::string& element,
                                                   unsigned loadNumber) override;
  // Writes the record block, like the imposed-load case above.
  void SpecifiedLoadNumberIsOver(const RecordKey& key, const std::string& element,
                                 unsigned loadNumber) override;
  void SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& key, const std::string& element,
                                              unsigned loadNumber, unsigned end) override;
  void PositionOfConcentratedLoadIsOut(const RecordKey& key, const std::string& element,
                                       unsigned loadNumber) override;
  void PositionOfDistributedLoadIsOut(const RecordKey& key, const std::string& element,
                                      unsigned loadNumber, unsigned position) override;
  void PositionOfDistributedLoadAreTheSameOrLeftSideRight(const RecordKey& key,
                                                          const std::string& element,
                                                          unsigned loadNumber) override;
  void NecessaryBlockKeyHasnotBeenSet(const std::string& blockKey) override;
  void UnExpectedBlockKeyHasBeenSet(unsigned line, const std::string& key) override;
  void SpecifiedSpringSupportIsDuplicated(const std::string& node) override;
  void SpecifiedElementOfElementStressIsnotExist(const std::string& element) override;
  void SpecifiedPositionOfElementStressIsOutOfLength(const std::string& element, unsigned position,
                                                     double value, double length) override;
  void SpecifiedElementOfElementStressIsDuplicated(const std::string& element) override;
  void PositionsOfElementStressArenotPiledUp(const std::string& element,
                                             unsigned position) override;
  void LengthOfElementOverflows(const std::string& element) override;
  void StiffnessOfElementIsNotFinite(const std::string& element) override;
  void EquivalentLoadOfElementIsNotFinite(const std::string& element, unsigned loadNumber) override;
  void StiffnessOfWallElementIsNotFinite(const std::string& wallElement) override;
  void EdgeLoadIsNotFinite(const RecordKey& key, const std::string& element,
                           unsigned loadNumber) override;
  void ImposedLoadAndDispIsNotFinite(const RecordKey& key, const std::string& node,
                                     unsigned loadAndDispNumber, unsigned component) override;
  void ResultIsNotFinite(const std::string& node, unsigned direction, unsigned step) override;

 private:
  // Field names with their already formatted values, in the order they are written.
  using Fields = std::vector<std::pair<std::string, std::string>>;

  void Report(const std::string& messageKey, unsigned keyWidth, const Fields& fields);
  void ReportWithoutData(const std::string& messageKey);
  void ReportLineAndKey(const std::string& messageKey, unsigned line, const std::string& key);

  znInOutData::ifOutputDataWriter& writer_;
};

}  // namespace znFEM::znTarvex
