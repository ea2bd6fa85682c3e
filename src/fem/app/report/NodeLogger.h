// Collects the node records and each node's final force and displacement, takes in the spring
// supports of the nodes, and writes the report's Node section.
#pragma once

#include <array>
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

  static constexpr std::uint32_t kNoRest = 0xFFFFFFFFu;
  // What the logger keeps of a node record: what the report prints and the drawing reads. The
  // loads, imposed displacements and panel data are kept aside for the nodes that have them.
  struct stRecord {
    std::string ID;
    std::array<double, 2> Coordinate{0.0, 0.0};
    std::array<bool, 3> IsSupported{false, false, false};
    // The panel ratio leaves out the first member: what a node without a rigid zone is given.
    bool ExcludesFirstElement = false;
    std::uint32_t Rest = kNoRest;  // index into the records' rests
  };
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

  const csRecordLog<stRecord, stResult>& Records() const { return records_; }
  // The loads and imposed displacements of a record, one per load case; none when they are zero
  // in every case.
  const std::vector<Triple>& ImposedLoadsOf(const stRecord& record) const;
  const std::vector<Triple>& ImposedDispsOf(const stRecord& record) const;
  // The records as full node records, in input order, for their readers outside the report
  // (the drawing, the element stress calculator). Lent ones are made for the loan and given
  // back only to be dropped: the logger keeps its own.
  std::vector<NodeProp> FullProps() const;
  std::vector<NodeProp> LendProps() const { return FullProps(); }
  void GiveBackProps(std::vector<NodeProp>) const {}
  const std::map<std::string, stSpringSupport>& GetSpringSupports() const { return springs_; }

 private:
  csFormatTables formats_;
  csRecordLog<stRecord, stResult> records_;
  std::vector<NodeProp> rests_;  // full records, without ID, coordinates and supports
  std::map<std::string, stSpringSupport> springs_;
  bool resultsAvailable_ = false;
  bool traced_ = false;
};

}  // namespace znFEM::znTarvex
