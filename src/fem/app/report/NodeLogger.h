// Collects the node records and each node's final force and displacement, takes in the spring
// supports of the nodes, and writes the report's Node section.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/app/report/RecordLog.h"
#include "fem/app/report/SpringSupportElementLogger.h"
#include "fem/app/report/SpringSupportNodeLogger.h"
#include "fem/model/Node.h"
#include "fem/model/NodeProp.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csNodeLogger : public znTraceYield2DRahmen::csNode::ifLogger {
 public:
  using NodeProp = znTraceYield2DRahmen::NodeProp;
  using Triple = znTraceYield2DRahmen::Triple;

  // A node's results: its total force (load, or reaction where it is supported) and total
  // displacement.
  struct stResult {
    Triple Force{0.0, 0.0, 0.0};
    Triple Disp{0.0, 0.0, 0.0};
    std::int32_t PanelState = znTraceYield2DRahmen::kElastic;  // for the drawing's yield marks
  };
  // The spring support of a node: ground node record, spring coefficients (kx, ky, km), and
  // the ground node's force and displacement.
  struct stSpringSupport {
    znTraceYield2DRahmen::SpringSupportNodeProp GroundNode;
    Triple SpringCoef{0.0, 0.0, 0.0};
    Triple Force{0.0, 0.0, 0.0};
    Triple Disp{0.0, 0.0, 0.0};
  };

  void Reserve(std::size_t count) override { records_.Reserve(count); }
  void Prop(const NodeProp& prop) override;
  void PanelForce(const NodeProp&, const std::string&, const Triple&) override {}
  void ForceIncrement(const NodeProp&, const Triple&) override {}
  void DispIncrement(const NodeProp&, const Triple&) override {}
  void PanelForceIncrement(const NodeProp&, const std::string&, const Triple&) override {}
  void PanelRotationIncrement(const NodeProp&, const std::string&, double) override {}
  void PanelMomentA(const NodeProp&, double, double, double) override {}
  void PanelMomentB(const NodeProp&, double, double, double) override {}
  void PanelRatio(const NodeProp&, double) override {}
  void UpdateRatio(const NodeProp&, double) override {}
  void Force(const NodeProp& prop, const Triple& force) override;
  void Disp(const NodeProp& prop, const Triple& disp) override;
  void PanelElement(const NodeProp&, const znTraceYield2DRahmen::PanelElementProp&, std::uint32_t,
                    const Triple&) override {}
  void PanelUnloading(const NodeProp&, bool, double) override {}
  void PanelState(const NodeProp& prop, std::int32_t state) override;
  void KijForPy(const NodeProp&, const std::string&, double) override {}
  void NextCase(const NodeProp&) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  // Files each spring support under the node it holds: the ground node's record and the
  // spring coefficients, and, with results, the ground node's force and displacement.
  void MergeSpringSupports(const csSpringSupportNodeLogger& groundNodes,
                           const csSpringSupportElementLogger& springs);
  // Result tables are written only after an analysis that reached its end.
  void SetResultsAvailable(bool available) { resultsAvailable_ = available; }
  // With traced, the imposed load table shows every load case, with the case named.
  void SetTraced(bool traced) { traced_ = traced; }
  // The Node section; nothing when no node was recorded.
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  const csRecordLog<NodeProp, stResult>& Records() const { return records_; }
  // Hands the records over to the drawing, their last reader.
  std::vector<NodeProp> LendProps() { return records_.LendProps(); }
  void GiveBackProps(std::vector<NodeProp> props) { records_.GiveBackProps(std::move(props)); }
  const std::map<std::string, stSpringSupport>& GetSpringSupports() const { return springs_; }

 private:
  csFormatTables formats_;
  csRecordLog<NodeProp, stResult> records_;
  std::map<std::string, stSpringSupport> springs_;
  bool resultsAvailable_ = false;
  bool traced_ = false;
};

}  // namespace znFEM::znTarvex
