#include "fem/app/input/ImposedLoadAndDispReader.h"

#include <utility>

#include "fem/app/input/LoadCaseReader.h"

namespace znFEM::znTarvex {

namespace {
using W = csInputDataReaderWrapper;
}  // namespace

void csImposedLoadAndDispReader::Read(
    W& wrapper, std::uint32_t caseCount,
    std::vector<znTraceYield2DRahmen::ImposedLoadAndDispProp>& records) const {
  wrapper.DeclareBlock("ImposedLoadAndDisp", {{"id", true, W::kText},
                                              {"fx", false, W::kReal},
                                              {"fy", false, W::kReal},
                                              {"fm", false, W::kReal},
                                              {"dx", false, W::kReal},
                                              {"dy", false, W::kReal},
                                              {"dm", false, W::kReal},
                                              {"case", false, W::kIntegerNotNegative}});
  records.reserve(records.size() + wrapper.CountStatements());
  wrapper.ReadBlock([&](const W::InputLine& line) {
    znTraceYield2DRahmen::ImposedLoadAndDispProp prop;
    prop.ID = W::GetText(line, "id");
    prop.LoadAndDispNumber = ReadCaseKey(line, caseCount, errorMessage_);
    prop.ImposedLoad = {W::GetReal(line, "fx", 0.0), W::GetReal(line, "fy", 0.0),
                        W::GetReal(line, "fm", 0.0)};
    prop.ImposedDisp = {W::GetReal(line, "dx", 0.0), W::GetReal(line, "dy", 0.0),
                        W::GetReal(line, "dm", 0.0)};
    records.push_back(std::move(prop));
  });
}

}  // namespace znFEM::znTarvex
