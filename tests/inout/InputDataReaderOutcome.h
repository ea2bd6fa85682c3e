// Test helper: runs a reading step of the block input reader and tells which of its exceptions
// ended it, as "Kind@line:key" ("none" when it ended normally).
#pragma once

#include <string>

#include "inout/InputDataReader.h"

namespace inputtest {

#define INPUTTEST_KIND(kind)                                                     \
  catch (const znInOutData::znInputDataReader::csInputDataReader::ex##kind& e) { \
    return #kind "@" + std::to_string(e.LineNum) + ":" + e.Key;                  \
  }

template <class F>
std::string Catch(F&& step) {
  try {
    step();
    return "none";
  }
  INPUTTEST_KIND(NecessaryBlockKeyHasnotBeenSet)
  INPUTTEST_KIND(UnExpectedBlockKeyHasBeenSet)
  INPUTTEST_KIND(UnExpectedKey)
  INPUTTEST_KIND(NecessaryKeyHasnotBeenSet)
  INPUTTEST_KIND(UnRequiredValueHasBeenSet)
  INPUTTEST_KIND(RequiredValueHasnotBeenSet)
  INPUTTEST_KIND(SpecifiedKeyIsDuplicated)
  INPUTTEST_KIND(SpecifiedStringIsnotNumeric)
  INPUTTEST_KIND(SpecifiedStringIsnotInteger)
  INPUTTEST_KIND(SpecifiedStringIsnotBool)
  INPUTTEST_KIND(SpecifiedValueIsNegative)
  INPUTTEST_KIND(SpecifiedValueIsNegativeOrZero)
  INPUTTEST_KIND(SpecifiedValueIsPlus)
  INPUTTEST_KIND(SpecifiedValueIsPlusOrZero)
  INPUTTEST_KIND(InputDataReaderException)  // a failure of no known kind
}

#undef INPUTTEST_KIND

}  // namespace inputtest
