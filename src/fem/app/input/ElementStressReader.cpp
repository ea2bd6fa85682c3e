#include "fem/app/input/ElementStressReader.h"

#include <string>

#include "fem/app/input/CheckID.h"
#include "fem/app/input/Failed.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::ElementStressProp;

std::string PositionKey(unsigned index) {
  return "pos" + std::to_string(index);
}

}  // namespace

csElementStressReader::csElementStressReader(ifErrorMessage& errorMessage)
    : errorMessage_(errorMessage) {}

void csElementStressReader::Read(W& wrapper, std::vector<ElementStressProp>& records) const {
  wrapper.SetBlockName("ElementStress");
  wrapper.ClearKeys();
  wrapper.SetKey("id", true, W::kText);
  for (unsigned k = 0; k < kMaxPositions; ++k) wrapper.SetKey(PositionKey(k), k == 0, W::kReal);
  const std::size_t first = records.size();
  wrapper.ReadRecords(records, [this](const W::InputLine& line) { return Build(line); });
  csCheckID::KeepUnrepeated(records, first, &ElementStressProp::ID, errorMessage_,
                            &ifErrorMessage::SpecifiedElementOfElementStressIsDuplicated);
}

// The positions run from pos0 up to the first absent one; a position given after that gap is
// reported with its index.
ElementStressProp csElementStressReader::Build(const W::InputLine& line) const {
  ElementStressProp prop;
  prop.ID = W::GetText(line, "id");
  bool gap = false;
  for (unsigned k = 0; k < kMaxPositions; ++k) {
    const std::string key = PositionKey(k);
    if (!W::HasKey(line, key)) {
      gap = true;
    } else if (gap) {
      errorMessage_.PositionsOfElementStressArenotPiledUp(prop.ID, k);
      throw exFailed{};
    } else {
      prop.Positions.push_back(W::GetReal(line, key, 0.0));
    }
  }
  return prop;
}

}  // namespace znFEM::znTarvex
