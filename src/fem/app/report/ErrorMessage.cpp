// The error-message reporter: message keys, field names, formats and key widths of every report.
#include "fem/app/report/ErrorMessage.h"

#include <type_traits>

#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ImposedLoadAndDisp.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

static_assert(std::is_same_v<RecordKey, znTraceYield2DRahmen::csImposedLoadAndDisp::RecordKey>);
static_assert(std::is_same_v<RecordKey, znTraceYield2DRahmen::csEdgeLoadFixCase::RecordKey>);

using znPrint::DirectionName;
using znPrint::EndName;
using znPrint::FormatCount;
using znPrint::SideName;

std::string Real(double value) {
  return znPrint::FormatNumber(value, 6, false);
}

using Fields = std::vector<std::pair<std::string, std::string>>;

// The blocks that name a load record: its kind, ordinal, node or element, and load case.
constexpr unsigned kImposedKeyWidth = 17;
constexpr unsigned kEdgeKeyWidth = 10;

Fields ImposedBlock(const RecordKey& key, const std::string& node, unsigned loadAndDispNumber) {
  return {{"Type", znPrint::ImposedTypeName(static_cast<int>(key.first))},
          {"ArgNumber", FormatCount(key.second)},
          {"Node", node},
          {"LoadAndDispNumber", FormatCount(loadAndDispNumber)}};
}

Fields EdgeBlock(const RecordKey& key, const std::string& element, unsigned loadNumber) {
  return {{"Type", znPrint::EdgeTypeName(static_cast<int>(key.first))},
          {"ArgNumber", FormatCount(key.second)},
          {"Element", element},
          {"LoadNumber", FormatCount(loadNumber)}};
}

Fields With(Fields fields, const std::string& name, const std::string& value) {
  fields.emplace_back(name, value);
  return fields;
}

}  // namespace

csErrorMessage::csErrorMessage(znInOutData::ifOutputDataWriter& writer) : writer_(writer) {}

// Every value is formatted by the caller before this is called, so a code that cannot be
// named aborts the report before any of it is written.
void csErrorMessage::Report(const std::string& messageKey, unsigned keyWidth,
                            const Fields& fields) {
  writer_.Title(1, "Error");
  writer_.Title(2, messageKey);
  for (const auto& [name, value] : fields) writer_.Pair(name, value, " : ", keyWidth);
}

void csErrorMessage::ReportWithoutData(const std::string& messageKey) {
  writer_.Title(1, "Error");
  writer_.Title(2, messageKey);
  writer_.Sentence("(This isn't have any message.)");
}

void csErrorMessage::ReportLineAndKey(const std::string& messageKey, unsigned line,
                                      const std::string& key) {
  Report(messageKey, 4, {{"Line", FormatCount(line)}, {"Key", key}});
}

void csErrorMessage::UnExpectedErrorHasBeenThrown(const std::string& message) {
  Report("UnExpectedErrorHasBeenThrown", 0, {{"Error", message}});
}

void csErrorMessage::UnExpectedKey(unsigned line, const std::string& key) {
  ReportLineAndKey("UnExpectedKey", line, key);
}

void csErrorMessage::NecessaryKeyHasnotBeenSet(unsigned line, const std::string& key) {
  ReportLineAndKey("NecessaryKeyHasnotBeenSet", line, key);
}

void csErrorMessage::UnRequiredValueHasBeenSet(unsigned line, const std::string& key) {
  ReportLineAndKey("UnRequiredValueHasBeenSet", line, key);
}

void csErrorMessage::RequiredValueHasnotBeenSet(unsigned line, const std::string& key) {
  ReportLineAndKey("RequiredValueHasnotBeenSet", line, key);
}

void csErrorMessage::SpecifiedStringIsnotNumeric(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedStringIsnotNumeric", line, key);
}

void csErrorMessage::SpecifiedStringIsnotInteger(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedStringIsnotInteger", line, key);
}

void csErrorMessage::SpecifiedValueIsNegative(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedValueIsNegative", line, key);
}

void csErrorMessage::SpecifiedValueIsNegativeOrZero(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedValueIsNegativeOrZero", line, key);
}

void csErrorMessage::SpecifiedValueIsPlus(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedValueIsPlus", line, key);
}

void csErrorMessage::SpecifiedValueIsPlusOrZero(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedValueIsPlusOrZero", line, key);
}

void csErrorMessage::SpecifiedStringIsnotBool(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedStringIsnotBool", line, key);
}

void csErrorMessage::SpecifiedKeyIsDuplicated(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedKeyIsDuplicated", line, key);
}

void csErrorMessage::SpecifiedTHLRStrIsWrong(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedTHLRStrIsWrong", line, key);
}

void csErrorMessage::ControlCharacterIsInText(unsigned line, const std::string& code) {
  Report("ControlCharacterIsInText", 4, {{"Line", FormatCount(line)}, {"Code", code}});
}

void csErrorMessage::CommentIsnotClosed(unsigned line) {
  Report("CommentIsnotClosed", 4, {{"Line", FormatCount(line)}});
}

void csErrorMessage::SpecifiedDirectionStrIsWrong(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedDirectionStrIsWrong", line, key);
}

void csErrorMessage::SpecifiedLoadCaseIsnotExist(unsigned line, const std::string& key) {
  ReportLineAndKey("SpecifiedLoadCaseIsnotExist", line, key);
}

void csErrorMessage::PlasticMomentIsSetAtPinnedEnd(unsigned line, const std::string& key) {
  ReportLineAndKey("PlasticMomentIsSetAtPinnedEnd", line, key);
}

void csErrorMessage::TheLengthOfSpecifiedIDIsOver(const std::string& id, const std::string& block,
                                                  unsigned line, unsigned maxLength) {
  Report("TheLengthOfSpecifiedIDIsOver", 9,
         {{"ID", id},
          {"Block", block},
          {"Line", FormatCount(line)},
          {"MaxLength", FormatCount(maxLength)}});
}

void csErrorMessage::TheSuffixOfSpecifiedIDIsWrong(const std::string& id, const std::string& block,
                                                   unsigned line, const std::string& suffix) {
  Report("TheSuffixOfSpecifiedIDIsWrong", 6,
         {{"ID", id}, {"Block", block}, {"Line", FormatCount(line)}, {"Suffix", suffix}});
}

void csErrorMessage::MainPropLineIsDuplicated(unsigned line1, unsigned line2) {
  Report("MainPropLineIsDuplicated", 6,
         {{"Line-1", FormatCount(line1)}, {"Line-2", FormatCount(line2)}});
}

void csErrorMessage::SpecifiedNodeIsDuplicated(const std::string& node) {
  Report("SpecifiedNodeIsDuplicated", 0, {{"Node", node}});
}

void csErrorMessage::NodesAtBothEdgesOfElementAreSame(const std::string& element) {
  Report("NodesAtBothEdgesOfElementAreSame", 0, {{"Element", element}});
}

void csErrorMessage::PoissonOfElementIsZeroOrUnder(const std::string& element) {
  Report("PoissonOfElementIsZeroOrUnder", 0, {{"Element", element}});
}

void csErrorMessage::SpecifiedElementIsDuplicated(const std::string& element) {
  Report("SpecifiedElementIsDuplicated", 0, {{"Element", element}});
}

void csErrorMessage::NodesOfWallElementAreSame(const std::string& wallElement, unsigned end0,
                                               unsigned side0, unsigned end1, unsigned side1) {
  Report("NodesOfWallElementAreSame", 11,
         {{"WallElement", wallElement},
          {"IJ0", EndName(end0)},
          {"AB0", SideName(side0)},
          {"IJ1", EndName(end1)},
          {"AB1", SideName(side1)}});
}

void csErrorMessage::PoissonOfWallElementIsZeroOrUnder(const std::string& wallElement) {
  Report("PoissonOfWallElementIsZeroOrUnder", 0, {{"WallElement", wallElement}});
}

void csErrorMessage::SpecifiedWallElementIsDuplicated(const std::string& wallElement) {
  Report("SpecifiedWallElementIsDuplicated", 0, {{"WallElement", wallElement}});
}

void csErrorMessage::AnyNodeHasNotBeenSet() {
  ReportWithoutData("AnyNodeHasNotBeenSet");
}

void csErrorMessage::AnyElementAndWallElementHasNotBeenSet() {
  ReportWithoutData("AnyElementAndWallElementHasNotBeenSet");
}

void csErrorMessage::TheNodeIsnotConnected(const std::string& node) {
  Report("TheNodeIsnotConnected", 4, {{"Node", node}});
}

void csErrorMessage::SpecifiedMonitorNodeIsnotExist(const std::string& node) {
  Report("SpecifiedMonitorNodeIsnotExist", 4, {{"Node", node}});
}

void csErrorMessage::SpecifiedNodeByElementIsnotExist(const std::string& node,
                                                      const std::string& element, unsigned end) {
  Report("SpecifiedNodeByElementIsnotExist", 7,
         {{"Node", node}, {"Element", element}, {"IJ", EndName(end)}});
}

void csErrorMessage::SpecifiedNodeByWallElementIsnotExist(const std::string& node,
                                                          const std::string& wallElement,
                                                          unsigned end, unsigned side) {
  Report("SpecifiedNodeByWallElementIsnotExist", 7,
         {{"Node", node}, {"Element", wallElement}, {"IJ", EndName(end)}, {"AB", SideName(side)}});
}

void csErrorMessage::SpecifiedConnectNodeBySpringSupportIsnotExist(const std::string& node) {
  Report("SpecifiedConnectNodeBySpringSupportIsnotExist", 0, {{"Node", node}});
}

void csErrorMessage::UnZeroSpringCoefIsSetAtSupportedNode(const std::string& node,
                                                          unsigned direction) {
  Report("UnZeroSpringCoefIsSetAtSupportedNode", 4,
         {{"Node", node}, {"XYM", DirectionName(direction)}});
}

void csErrorMessage::TheNodeIsIsolated(const std::string& node, unsigned direction, unsigned step) {
  Report("TheNodeIsIsolated", 4,
         {{"Node", node}, {"XYM", DirectionName(direction)}, {"Step", FormatCount(step)}});
}

void csErrorMessage::LoadsAndDispsAreAllZero(unsigned step, unsigned loadAndDispNumber) {
  Report("LoadsAndDispsAreAllZero", 17,
         {{"Step", FormatCount(step)}, {"LoadAndDispNumber", FormatCount(loadAndDispNumber)}});
}

void csErrorMessage::UnBalancedLoad(const std::string& node, unsigned direction, unsigned step,
                                    double value) {
  Report("UnBalancedLoad", 5,
         {{"Node", node},
          {"XYM", DirectionName(direction)},
          {"Step", FormatCount(step)},
          {"Value", Real(value)}});
}

void csErrorMessage::FailedToAnalyzeMatrix(unsigned step) {
  Report("FailedToAnalyzeMatrix", 0, {{"Step", FormatCount(step)}});
}

void csErrorMessage::AllDegreesAreSupported() {
  ReportWithoutData("AllDegreesAreSupported");
}

void csErrorMessage::LnOfElementIsUnderOrEqualToZero(const std::string& element) {
  Report("LnOfElementIsUnderOrEqualToZero", 0, {{"Element", element}});
}

void csErrorMessage::TwoNodesOfWallElementAreSamePosition(const std::string& wallElement,
                                                          unsigned end0, unsigned side0,
                                                          unsigned end1, unsigned side1) {
  Report("TwoNodesOfWallElementAreSamePosition", 11,
         {{"WallElement", wallElement},
          {"IJ0", EndName(end0)},
          {"AB0", SideName(side0)},
          {"IJ1", EndName(end1)},
          {"AB1", SideName(side1)}});
}

void csErrorMessage::LOfWallElementIsEqualToZero(const std::string& wallElement) {
  Report("LOfWallElementIsEqualToZero", 0, {{"WallElement", wallElement}});
}

void csErrorMessage::LaOfWallElementIsOverLij(const std::string& wallElement, unsigned end) {
  Report("LaOfWallElementIsOverLij", 11, {{"WallElement", wallElement}, {"IJ", EndName(end)}});
}

void csErrorMessage::BothAlphaYOfWallElementAreZero(const std::string& wallElement, unsigned end) {
  Report("BothAlphaYOfWallElementAreZero", 11,
         {{"WallElement", wallElement}, {"IJ", EndName(end)}});
}

void csErrorMessage::SpecifiedNodeByImposedLoadAndDispIsnotExist(const RecordKey& key,
                                                                 const std::string& node,
                                                                 unsigned loadAndDispNumber) {
  Report("SpecifiedNodeByImposedLoadAndDispIsnotExist", kImposedKeyWidth,
         ImposedBlock(key, node, loadAndDispNumber));
}

void csErrorMessage::SpecifiedLoadAndDispNumberIsOver(const RecordKey& key, const std::string& node,
                                                      unsigned loadAndDispNumber) {
  Report("SpecifiedLoadAndDispNumberIsOver", kImposedKeyWidth,
         ImposedBlock(key, node, loadAndDispNumber));
}

void csErrorMessage::ImposedDispIsSetAtNonSupportedNode(const RecordKey& key,
                                                        const std::string& node,
                                                        unsigned loadAndDispNumber,
                                                        unsigned direction) {
  Report("ImposedDispIsSetAtNonSupportedNode", kImposedKeyWidth,
         With(ImposedBlock(key, node, loadAndDispNumber), "XYM", DirectionName(direction)));
}

void csErrorMessage::ImposedDispIsSetAtZeroCoefSpringSupport(const RecordKey& key,
                                                             const std::string& node,
                                                             unsigned loadAndDispNumber,
                                                             unsigned direction) {
  Report("ImposedDispIsSetAtZeroCoefSpringSupport", kImposedKeyWidth,
         With(ImposedBlock(key, node, loadAndDispNumber), "XYM", DirectionName(direction)));
}

void csErrorMessage::SpecifiedElementByEdgeLoadFixCaseIsnotExist(const RecordKey& key,
                                                                 const std::string& element,
                                                                 unsigned loadNumber) {
  Report("SpecifiedElementByEdgeLoadFixCaseIsnotExist", kEdgeKeyWidth,
         EdgeBlock(key, element, loadNumber));
}

void csErrorMessage::SpecifiedLoadNumberIsOver(const RecordKey& key, const std::string& element,
                                               unsigned loadNumber) {
  Report("SpecifiedLoadNumberIsOver", kEdgeKeyWidth, EdgeBlock(key, element, loadNumber));
}

void csErrorMessage::SpecifiedEdgeLoadIsSetAtZeroLengthEdge(const RecordKey& key,
                                                            const std::string& element,
                                                            unsigned loadNumber, unsigned end) {
  Report("SpecifiedEdgeLoadIsSetAtZeroLengthEdge", kEdgeKeyWidth,
         With(EdgeBlock(key, element, loadNumber), "IJ", EndName(end)));
}

void csErrorMessage::PositionOfConcentratedLoadIsOut(const RecordKey& key,
                                                     const std::string& element,
                                                     unsigned loadNumber) {
  Report("PositionOfConcentratedLoadIsOut", kEdgeKeyWidth, EdgeBlock(key, element, loadNumber));
}

void csErrorMessage::PositionOfDistributedLoadIsOut(const RecordKey& key,
                                                    const std::string& element, unsigned loadNumber,
                                                    unsigned position) {
  Report("PositionOfDistributedLoadIsOut", kEdgeKeyWidth,
         With(EdgeBlock(key, element, loadNumber), "IJ", EndName(position)));
}

void csErrorMessage::PositionOfDistributedLoadAreTheSameOrLeftSideRight(const RecordKey& key,
                                                                        const std::string& element,
                                                                        unsigned loadNumber) {
  Report("PositionOfDistributedLoadAreTheSameOrLeftSideRight", kEdgeKeyWidth,
         EdgeBlock(key, element, loadNumber));
}

void csErrorMessage::NecessaryBlockKeyHasnotBeenSet(const std::string& blockKey) {
  Report("NecessaryBlockKeyHasnotBeenSet", 0, {{"BlockKey", blockKey}});
}

void csErrorMessage::UnExpectedBlockKeyHasBeenSet(unsigned line, const std::string& key) {
  Report("UnExpectedBlockKeyHasBeenSet", 7, {{"LineNum", FormatCount(line)}, {"Key", key}});
}

void csErrorMessage::SpecifiedSpringSupportIsDuplicated(const std::string& node) {
  Report("SpecifiedSpringSupportIsDuplicated", 0, {{"Node", node}});
}

void csErrorMessage::SpecifiedElementOfElementStressIsnotExist(const std::string& element) {
  Report("SpecifiedElementOfElementStressIsnotExist", 0, {{"Element", element}});
}

void csErrorMessage::SpecifiedPositionOfElementStressIsOutOfLength(const std::string& element,
                                                                   unsigned position, double value,
                                                                   double length) {
  Report("SpecifiedPositionOfElementStressIsOutOfLength", 8,
         {{"Element", element},
          {"Position", FormatCount(position)},
          {"Value", Real(value)},
          {"Length", Real(length)}});
}

void csErrorMessage::SpecifiedElementOfElementStressIsDuplicated(const std::string& element) {
  Report("SpecifiedElementOfElementStressIsDuplicated", 0, {{"Element", element}});
}

void csErrorMessage::PositionsOfElementStressArenotPiledUp(const std::string& element,
                                                           unsigned position) {
  Report("PositionsOfElementStressArenotPiledUp", 8,
         {{"Element", element}, {"Position", FormatCount(position)}});
}

void csErrorMessage::LengthOfElementOverflows(const std::string& element) {
  Report("LengthOfElementOverflows", 0, {{"Element", element}});
}

void csErrorMessage::StiffnessOfElementIsNotFinite(const std::string& element) {
  Report("StiffnessOfElementIsNotFinite", 0, {{"Element", element}});
}

void csErrorMessage::EquivalentLoadOfElementIsNotFinite(const std::string& element,
                                                        unsigned loadNumber) {
  Report("EquivalentLoadOfElementIsNotFinite", 10,
         {{"Element", element}, {"LoadNumber", FormatCount(loadNumber)}});
}

void csErrorMessage::StiffnessOfWallElementIsNotFinite(const std::string& wallElement) {
  Report("StiffnessOfWallElementIsNotFinite", 0, {{"WallElement", wallElement}});
}

void csErrorMessage::EdgeLoadIsNotFinite(const RecordKey& key, const std::string& element,
                                         unsigned loadNumber) {
  Report("EdgeLoadIsNotFinite", kEdgeKeyWidth, EdgeBlock(key, element, loadNumber));
}

void csErrorMessage::ImposedLoadAndDispIsNotFinite(const RecordKey& key, const std::string& node,
                                                   unsigned loadAndDispNumber, unsigned component) {
  const char* const keys[6] = {"fx", "fy", "fm", "dx", "dy", "dm"};
  Report("ImposedLoadAndDispIsNotFinite", kImposedKeyWidth,
         With(ImposedBlock(key, node, loadAndDispNumber), "Key",
              component < 6 ? keys[component] : ""));
}

void csErrorMessage::ResultIsNotFinite(const std::string& node, unsigned direction, unsigned step) {
  Report("ResultIsNotFinite", 4,
         {{"Node", node}, {"XYM", DirectionName(direction)}, {"Step", FormatCount(step)}});
}

}  // namespace znFEM::znTarvex
