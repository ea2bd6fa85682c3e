// Test helper: runs a reading step of the block input reader and tells which of its exceptions
// ended it, with the line number and key it carried.
#pragma once

#include <string>

#include "inout/InputDataReader.h"

namespace inputtest {

struct Outcome {
  std::string kind = "none";
  int line = -1;
  std::string key;
};

template <class F>
Outcome Catch(F&& step) {
  using R = znInOutData::znInputDataReader::csInputDataReader;
  Outcome out;
  auto take = [&out](const char* kind, const R::exInputDataReaderException& e) {
    out.kind = kind;
    out.line = e.LineNum;
    out.key = e.Key;
  };
  try {
    step();
  } catch (const R::exNecessaryBlockKeyHasnotBeenSet& e) {
    take("NecessaryBlockKeyHasnotBeenSet", e);
  } catch (const R::exUnExpectedBlockKeyHasBeenSet& e) {
    take("UnExpectedBlockKeyHasBeenSet", e);
  } catch (const R::exUnExpectedKey& e) {
    take("UnExpectedKey", e);
  } catch (const R::exNecessaryKeyHasnotBeenSet& e) {
    take("NecessaryKeyHasnotBeenSet", e);
  } catch (const R::exUnRequiredValueHasBeenSet& e) {
    take("UnRequiredValueHasBeenSet", e);
  } catch (const R::exRequiredValueHasnotBeenSet& e) {
    take("RequiredValueHasnotBeenSet", e);
  } catch (const R::exSpecifiedKeyIsDuplicated& e) {
    take("SpecifiedKeyIsDuplicated", e);
  } catch (const R::exSpecifiedStringIsnotNumeric& e) {
    take("SpecifiedStringIsnotNumeric", e);
  } catch (const R::exSpecifiedStringIsnotInteger& e) {
    take("SpecifiedStringIsnotInteger", e);
  } catch (const R::exSpecifiedStringIsnotBool& e) {
    take("SpecifiedStringIsnotBool", e);
  } catch (const R::exSpecifiedValueIsNegative& e) {
    take("SpecifiedValueIsNegative", e);
  } catch (const R::exSpecifiedValueIsNegativeOrZero& e) {
    take("SpecifiedValueIsNegativeOrZero", e);
  } catch (const R::exSpecifiedValueIsPlus& e) {
    take("SpecifiedValueIsPlus", e);
  } catch (const R::exSpecifiedValueIsPlusOrZero& e) {
    take("SpecifiedValueIsPlusOrZero", e);
  } catch (const R::exInputDataReaderException& e) {
    take("UnknownKind", e);
  }
  return out;
}

}  // namespace inputtest
