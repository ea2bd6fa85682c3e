#include "fem/app/input/ElementReader.h"

#include <iterator>
#include <utility>

#include "fem/app/input/Failed.h"
#include "fem/app/input/SectionReader.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::ElementProp;
using znTraceYield2DRahmen::kInfinite;
using znTraceYield2DRahmen::Limits;

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
                                {"kj", false, W::kRealNotNegative},
                                {"nt", false, W::kRealPositive},
                                {"nc", false, W::kRealPositive},
                                {"qy", false, W::kRealPositive},
                                {"my", false, W::kRealPositive},
                                {"myi", false, W::kRealPositive},
                                {"myj", false, W::kRealPositive}});
  DeclareSectionKeys(wrapper);
  const std::size_t first = elements.size();
  wrapper.ReadRecords(elements, [this](const W::InputLine& line) { return Build(line); });
  csCheckID::KeepUnrepeated(elements, first, &ElementProp::ID, errorMessage_,
                            &ifErrorMessage::SpecifiedElementIsDuplicated);
}

// The pre-face forces and per-case fixed-end forces keep the record's initial values: zero
// and none (the load cases are added when the model is built).
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
  ReadCapacities(line, prop);
  return prop;
}

// Capacities are magnitudes; the member-end forces they bound are signed in member axes. An
// axial force is positive in compression at I and in tension at J, so the axial limits
// (upper, lower) are (nc, -nt) at I and (nt, -nc) at J. An absent capacity is unbounded. A
// pinned end (k 0) never hinges: my skips it, myi or myj on it is an error.
// docs/theory.md "Capacities from the input".
void csElementReader::ReadCapacities(const W::InputLine& line, ElementProp& prop) const {
  const double nt = W::GetReal(line, "nt", kInfinite);
  const double nc = W::GetReal(line, "nc", kInfinite);
  const double qy = W::GetReal(line, "qy", kInfinite);
  prop.Ny = {Limits{nc, -nt}, Limits{nt, -nc}};
  prop.Qy = {Limits{qy, -qy}, Limits{qy, -qy}};
  const double my = W::GetReal(line, "my", kInfinite);
  const char* const endKeys[] = {"myi", "myj"};
  for (int end = 0; end < 2; ++end) {
    const bool pinned = znTraceYield2DRahmen::IsPinnedByInput(prop, end);
    if (pinned && W::HasKey(line, endKeys[end])) {
      errorMessage_.PlasticMomentIsSetAtPinnedEnd(static_cast<unsigned>(line.LineNum),
                                                  endKeys[end]);
      throw exFailed{};
    }
    const double m = pinned ? kInfinite : W::GetReal(line, endKeys[end], my);
    prop.My[end] = {m, -m};
  }
}

}  // namespace znFEM::znTarvex
