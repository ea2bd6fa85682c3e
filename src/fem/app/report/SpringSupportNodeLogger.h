// Collects the ground nodes of the spring supports with their force and displacement; the node
// logger reports them under the supported nodes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fem/model/NodeProp.h"
#include "fem/model/SpringSupportNode.h"

namespace znFEM::znTarvex {

class csSpringSupportNodeLogger : public znTraceYield2DRahmen::csSpringSupportNode::ifLogger {
 public:
  using SpringSupportNodeProp = znTraceYield2DRahmen::SpringSupportNodeProp;
  using Triple = znTraceYield2DRahmen::Triple;

  void Prop(const SpringSupportNodeProp& prop) override;
  void ForceIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void DispIncrement(const SpringSupportNodeProp&, const Triple&) override {}
  void Force(const SpringSupportNodeProp& prop, const Triple& force) override;
  void Disp(const SpringSupportNodeProp& prop, const Triple& disp) override;
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  // Ground node IDs in the order their records came.
  const std::vector<std::string>& GetIDs() const { return ids_; }
  const SpringSupportNodeProp& GetProp(const std::string& id) const { return props_.at(id); }
  // Zero until the node reports its totals.
  const Triple& GetForce(const std::string& id) const { return forces_.at(id); }
  const Triple& GetDisp(const std::string& id) const { return disps_.at(id); }

 private:
  std::vector<std::string> ids_;
  std::map<std::string, SpringSupportNodeProp> props_;
  std::map<std::string, Triple> forces_;
  std::map<std::string, Triple> disps_;
};

}  // namespace znFEM::znTarvex
