#include "fem/app/input/ElementReader.h"

#include "fem/app/input/Failed.h"
#include "fem/app/input/SectionReader.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::ElementProp;
using znTraceYield2DRahmen::kInfinite;

const char* const kBlock = "Element";

}  // namespace

csElementReader::csElementReader(ifErrorMessage& errorMessage, const csCheckID& checkID)
    : errorMessage_(errorMessage), checkID_(checkID) {}

void csElementReader::Read(W& wrapper, std::vector<ElementProp>& elements) const {
  wrapper.DeclareBlock(kBlock, {{"id", true, W::kText},
                                {"nodei", true, W::kText},
                                {"nodej", true, W::kText},
                                {"li", false, W::kRealNotNegative},
                                {"lj", false, W::kRealNotNegative},
                                {"ki", false, W::kRealNotNegative},
                                {"kj", false, W::kRealNotNegative}});
  DeclareSectionKeys(wrapper);
  std::vector<ElementProp> records;
  for (const W::InputLine& line : wrapper.ReadBlock()) records.push_back(Build(line));
  checkID_.AppendUnrepeated(records, &ElementProp::ID,
                            &ifErrorMessage::SpecifiedElementIsDuplicated, elements);
}

// The capacities, pre-face forces and per-case fixed-end forces keep the record's initial
// values: unbounded, zero and none (the load cases are added when the model is built).
ElementProp csElementReader::Build(const W::InputLine& line) const {
  ElementProp prop;
  prop.ID = W::GetText(line, "id");
  checkID_.Check(prop.ID, kBlock, line.LineNum);
  prop.NodeID = {W::GetText(line, "nodei"), W::GetText(line, "nodej")};
  if (prop.NodeID[0] == prop.NodeID[1]) {
    errorMessage_.NodesAtBothEdgesOfElementAreSame(prop.ID);
    throw exFailed{};
  }
  ReadSection(line, prop, errorMessage_, &ifErrorMessage::PoissonOfElementIsZeroOrUnder);
  prop.Lij = {W::GetReal(line, "li", 0.0), W::GetReal(line, "lj", 0.0)};
  prop.IsRotarySpring = {W::HasKey(line, "ki"), W::HasKey(line, "kj")};
  prop.Kij = {W::GetReal(line, "ki", kInfinite), W::GetReal(line, "kj", kInfinite)};
  return prop;
}

}  // namespace znFEM::znTarvex
