#include "fem/app/input/WallElementReader.h"

#include <iterator>
#include <utility>

#include "fem/app/input/Failed.h"
#include "fem/app/input/SectionReader.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::WallElementProp;

const char* const kBlock = "WallElement";

// A corner of the wall: edge (0 I, 1 J) and node of that edge (0 a, 1 b).
struct Corner {
  unsigned edge;
  unsigned node;
};

const std::string& NodeAt(const WallElementProp& prop, Corner corner) {
  const WallElementProp::IDPair& edge = corner.edge == 0 ? prop.NodeID.first : prop.NodeID.second;
  return corner.node == 0 ? edge.first : edge.second;
}

}  // namespace

csWallElementReader::csWallElementReader(ifErrorMessage& errorMessage, const csCheckID& checkID)
    : errorMessage_(errorMessage), checkID_(checkID) {}

void csWallElementReader::Read(W& wrapper, std::vector<WallElementProp>& wallElements) const {
  wrapper.DeclareBlock(kBlock, {{"id", true, W::kText},
                                {"nodeia", true, W::kText},
                                {"nodeib", true, W::kText},
                                {"nodeja", true, W::kText},
                                {"nodejb", true, W::kText},
                                {"lai", false, W::kRealNotNegative},
                                {"laj", false, W::kRealNotNegative},
                                {"alpyia", false, W::kRealNotNegative},
                                {"alpyib", false, W::kRealNotNegative},
                                {"alpyja", false, W::kRealNotNegative},
                                {"alpyjb", false, W::kRealNotNegative},
                                {"kwg", true, W::kRealNotNegative}});
  DeclareSectionKeys(wrapper);
  const std::size_t first = wallElements.size();
  wrapper.ReadRecords(wallElements, [this](const W::InputLine& line) { return Build(line); });
  csCheckID::KeepUnrepeated(wallElements, first, &WallElementProp::ID, errorMessage_,
                            &ifErrorMessage::SpecifiedWallElementIsDuplicated);
}

// An absent lai or laj is marked as not given: the wall then takes the middle of that edge.
WallElementProp csWallElementReader::Build(const W::InputLine& line) const {
  WallElementProp prop;
  prop.ID = W::GetText(line, "id");
  checkID_.Check(prop.ID, kBlock, line.LineNum);
  prop.NodeID = {{W::GetText(line, "nodeia"), W::GetText(line, "nodeib")},
                 {W::GetText(line, "nodeja"), W::GetText(line, "nodejb")}};
  CheckCornerNodes(prop);
  ReadSection(line, prop, errorMessage_, &ifErrorMessage::PoissonOfWallElementIsZeroOrUnder);
  prop.La = {W::GetReal(line, "lai", 0.0), W::GetReal(line, "laj", 0.0)};
  prop.IsLaGiven = {W::HasKey(line, "lai"), W::HasKey(line, "laj")};
  prop.AlphaY = {{W::GetReal(line, "alpyia", 1.0), W::GetReal(line, "alpyib", 1.0)},
                 {W::GetReal(line, "alpyja", 1.0), W::GetReal(line, "alpyjb", 1.0)}};
  prop.Kwg = W::GetReal(line, "kwg", 0.0);
  return prop;
}

// The pairs in the order ia-ib, ia-ja, ia-jb, ib-ja, ib-jb, ja-jb; the first pair naming one
// node twice is reported with its two corners.
void csWallElementReader::CheckCornerNodes(const WallElementProp& prop) const {
  const Corner corners[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
  for (std::size_t first = 0; first < 4; ++first) {
    for (std::size_t second = first + 1; second < 4; ++second) {
      const Corner c0 = corners[first];
      const Corner c1 = corners[second];
      if (NodeAt(prop, c0) == NodeAt(prop, c1)) {
        errorMessage_.NodesOfWallElementAreSame(prop.ID, c0.edge, c0.node, c1.edge, c1.node);
        throw exFailed{};
      }
    }
  }
}

}  // namespace znFEM::znTarvex
