#include "fem/app/report/SpringSupportNodeLogger.h"

namespace znFEM::znTarvex {

void csSpringSupportNodeLogger::Prop(const SpringSupportNodeProp& prop) {
  ids_.push_back(prop.ID);
  props_[prop.ID] = prop;
  forces_[prop.ID] = Triple{0.0, 0.0, 0.0};
  disps_[prop.ID] = Triple{0.0, 0.0, 0.0};
}

void csSpringSupportNodeLogger::Force(const SpringSupportNodeProp& prop, const Triple& force) {
  forces_[prop.ID] = force;
}

void csSpringSupportNodeLogger::Disp(const SpringSupportNodeProp& prop, const Triple& disp) {
  disps_[prop.ID] = disp;
}

}  // namespace znFEM::znTarvex
