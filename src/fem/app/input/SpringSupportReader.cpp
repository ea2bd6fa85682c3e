#include "fem/app/input/SpringSupportReader.h"

#include "fem/app/input/CheckID.h"
#include "fem/app/input/Failed.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::SpringSupportProp;

}  // namespace

csSpringSupportReader::csSpringSupportReader(ifErrorMessage& errorMessage)
    : errorMessage_(errorMessage) {}

void csSpringSupportReader::Read(W& wrapper, std::vector<SpringSupportProp>& springSupports) const {
  wrapper.DeclareBlock("SpringSupport", {{"node", true, W::kText},
                                         {"kx", false, W::kRealNotNegative},
                                         {"ky", false, W::kRealNotNegative},
                                         {"km", false, W::kRealNotNegative}});
  std::vector<SpringSupportProp> records;
  for (const W::InputLine& line : wrapper.ReadBlock()) {
    records.push_back(znTraceYield2DRahmen::MakeSpringSupportProp(
        W::GetText(line, "node"),
        {W::GetReal(line, "kx", 0.0), W::GetReal(line, "ky", 0.0), W::GetReal(line, "km", 0.0)}));
  }
  const SpringSupportProp* repeated = csCheckID::FindRepeated(
      records, [](const SpringSupportProp& p) -> const std::string& { return p.ConnectNodeID; });
  if (repeated != nullptr) {
    errorMessage_.SpecifiedSpringSupportIsDuplicated(repeated->ConnectNodeID);
    throw exFailed{};
  }
  springSupports.insert(springSupports.end(), records.begin(), records.end());
}

}  // namespace znFEM::znTarvex
