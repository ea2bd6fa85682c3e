#include "fem/app/input/SectionReader.h"

namespace znFEM::znTarvex {

void DeclareSectionKeys(csInputDataReaderWrapper& wrapper) {
  using W = csInputDataReaderWrapper;
  wrapper.SetKey("a", true, W::kRealPositive);
  wrapper.SetKey("e", true, W::kRealPositive);
  wrapper.SetKey("i", true, W::kRealPositive);
  wrapper.SetKey("psn", false, W::kRealNotNegative);
  wrapper.SetKey("kap", false, W::kRealNotNegative);
}

}  // namespace znFEM::znTarvex
