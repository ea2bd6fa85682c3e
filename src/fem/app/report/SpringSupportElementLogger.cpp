#include "fem/app/report/SpringSupportElementLogger.h"

#include "fem/model/Node.h"

namespace znFEM::znTarvex {

void csSpringSupportElementLogger::Prop(const SpringSupportElementProp& prop) {
  stRecord record{prop, ""};
  // The supported node is end J; it is alive while the record is told.
  const znTraceYield2DRahmen::ifNode* supported = prop.Nodes[1];
  if (supported != nullptr) record.ConnectNodeID = supported->GetProp().ID;
  record.Prop.Nodes = {nullptr, nullptr};
  ids_.push_back(prop.ElementID);
  records_[prop.ElementID] = std::move(record);
  results_[prop.ElementID] = stResult{};
}

void csSpringSupportElementLogger::Disp(const SpringSupportElementProp& prop, const Vector& disp) {
  results_[prop.ElementID].Disp = disp;
}

void csSpringSupportElementLogger::Force(const SpringSupportElementProp& prop,
                                         const Vector& force) {
  results_[prop.ElementID].Force = force;
}

}  // namespace znFEM::znTarvex
