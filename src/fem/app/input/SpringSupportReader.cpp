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
  const std::size_t first = springSupports.size();
  wrapper.ReadRecords(springSupports, [](const W::InputLine& line) {
    return znTraceYield2DRahmen::MakeSpringSupportProp(
        W::GetText(line, "node"),
        {W::GetReal(line, "kx", 0.0), W::GetReal(line, "ky", 0.0), W::GetReal(line, "km", 0.0)});
  });
  csCheckID::KeepUnrepeated(springSupports, first, &SpringSupportProp::ConnectNodeID, errorMessage_,
                            &ifErrorMessage::SpecifiedSpringSupportIsDuplicated);
}

}  // namespace znFEM::znTarvex
