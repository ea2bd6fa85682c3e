#include "fem/app/input/CheckID.h"

#include "fem/app/input/Failed.h"
#include "fem/model/SpringSupportProp.h"

namespace znFEM::znTarvex {

namespace {

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

csCheckID::csCheckID(ifErrorMessage& errorMessage) : errorMessage_(errorMessage) {}

void csCheckID::Check(const std::string& id, const std::string& blockName, int lineNum) const {
  const unsigned line = static_cast<unsigned>(lineNum);
  if (id.size() > kMaxLength) {
    errorMessage_.TheLengthOfSpecifiedIDIsOver(id, blockName, line, kMaxLength);
    throw exFailed{};
  }
  // The spring supports generate ids with these endings for their element and node.
  for (const char* reserved :
       {znTraceYield2DRahmen::kSpringElementSuffix, znTraceYield2DRahmen::kSpringNodeSuffix}) {
    if (EndsWith(id, reserved)) {
      errorMessage_.TheSuffixOfSpecifiedIDIsWrong(id, blockName, line, reserved);
      throw exFailed{};
    }
  }
}

}  // namespace znFEM::znTarvex
