#include "fem/app/input/LoadCaseReader.h"

#include <cstdint>

#include "fem/app/input/Failed.h"

namespace znFEM::znTarvex {

bool csLoadCaseReader::Read(csInputDataReaderWrapper& wrapper,
                            znTraceYield2DRahmen::AnalysisLimits& limits) const {
  using W = csInputDataReaderWrapper;
  wrapper.DeclareBlock(
      "LoadCase", {{"ratio", false, W::kRealPositive}, {"max_steps", false, W::kIntegerPositive}});
  const W::Block& block = wrapper.ReadBlock();
  limits.Steps.clear();
  limits.Ratios.clear();
  for (const W::InputLine& line : block) {
    limits.Ratios.push_back(W::GetReal(line, "ratio", kDefaultRatio));
    limits.Steps.push_back(
        static_cast<std::uint32_t>(W::GetInteger(line, "max_steps", kDefaultMaxSteps)));
  }
  if (block.empty()) {
    limits.Ratios.push_back(kDefaultRatio);
    limits.Steps.push_back(kDefaultMaxSteps);
  }
  return !block.empty();
}

std::uint32_t ReadCaseKey(const csInputDataReaderWrapper::InputLine& line, std::uint32_t caseCount,
                          ifErrorMessage& errorMessage) {
  const auto loadCase =
      static_cast<std::uint32_t>(csInputDataReaderWrapper::GetInteger(line, "case", 0));
  if (loadCase >= caseCount) {
    errorMessage.SpecifiedLoadCaseIsnotExist(static_cast<unsigned>(line.LineNum), "case");
    throw exFailed{};
  }
  return loadCase;
}

}  // namespace znFEM::znTarvex
