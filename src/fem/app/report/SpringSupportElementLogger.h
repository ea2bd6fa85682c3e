// Collects the spring elements of the spring supports: their coefficients, the node each one
// supports and their end results; the node logger reports them under the supported nodes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fem/model/NodeProp.h"
#include "fem/model/SpringSupportElement.h"
#include "matrix/Matrix.h"

namespace znFEM::znTarvex {

class csSpringSupportElementLogger : public znTraceYield2DRahmen::csSpringSupportElement::ifLogger {
 public:
  using SpringSupportElementProp = znTraceYield2DRahmen::SpringSupportElementProp;

  // What is kept of a spring element: its record without the node pointers (the nodes die
  // with the analysis, before the report is written) and the ID of the node it supports.
  struct stRecord {
    SpringSupportElementProp Prop;
    std::string ConnectNodeID;
  };
  // End results, ground end then supported end, global axes.
  struct stResult {
    Vector Disp = Vector(6, 0.0);
    Vector Force = Vector(6, 0.0);
  };

  void Prop(const SpringSupportElementProp& prop) override;
  void DispIncrement(const SpringSupportElementProp&, const Vector&) override {}
  void ForceIncrement(const SpringSupportElementProp&, const Vector&) override {}
  void Update(const SpringSupportElementProp&, double) override {}
  void Disp(const SpringSupportElementProp& prop, const Vector& disp) override;
  void Force(const SpringSupportElementProp& prop, const Vector& force) override;
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  // Spring element IDs in the order their records came.
  const std::vector<std::string>& GetIDs() const { return ids_; }
  const stRecord& GetRecord(const std::string& id) const { return records_.at(id); }
  const stResult& GetResult(const std::string& id) const { return results_.at(id); }

 private:
  std::vector<std::string> ids_;
  std::map<std::string, stRecord> records_;
  std::map<std::string, stResult> results_;
};

}  // namespace znFEM::znTarvex
