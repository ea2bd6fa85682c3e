#include "fem/model/ImposedLoadAndDisp.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace znFEM::znTraceYield2DRahmen {

namespace {

void AddTo(Triple& target, const Triple& value) {
  for (std::size_t d = 0; d < 3; ++d) target[d] += value[d];
}

bool IsCaseOver(std::uint32_t loadCase, const std::vector<Triple>& perCase) {
  return loadCase >= perCase.size();
}

}  // namespace

csImposedLoadAndDisp::csImposedLoadAndDisp(ifLogger* logger) : logger_(logger) {}

void csImposedLoadAndDisp::SetNodes(std::vector<NodeProp>& nodes) {
  nodes_.clear();
  for (NodeProp& node : nodes) nodes_[node.ID] = &node;
}

void csImposedLoadAndDisp::SetSpringSupports(std::vector<SpringSupportProp>& springSupports) {
  springSupports_.clear();
  for (SpringSupportProp& spring : springSupports) springSupports_[spring.ConnectNodeID] = &spring;
}

void csImposedLoadAndDisp::Apply(const std::vector<ImposedLoadAndDispProp>& records) {
  for (std::size_t k = 0; k < records.size(); ++k) {
    ApplyOne(records[k], static_cast<std::uint32_t>(k));
  }
}

// docs/theory.md "Imposed displacements at spring-supported nodes".
void csImposedLoadAndDisp::ApplyOne(const ImposedLoadAndDispProp& record, std::uint32_t ordinal) {
  const RecordKey key{kRecordKind, ordinal};
  const std::uint32_t loadCase = record.LoadAndDispNumber;
  const auto nodeIt = nodes_.find(record.ID);
  if (nodeIt == nodes_.end()) throw exSpecifiedNodeIsnotExist{{}, key, record.ID, loadCase};
  NodeProp& node = *nodeIt->second;
  const auto springIt = springSupports_.find(record.ID);
  SpringSupportProp* spring = springIt == springSupports_.end() ? nullptr : springIt->second;

  // Every check comes before any write, so a failing record leaves nothing behind.
  const std::vector<Triple>& dispList = spring ? spring->ImposedDisp : node.ImposedDisps;
  if (IsCaseOver(loadCase, dispList) || IsCaseOver(loadCase, node.ImposedDisps)) {
    throw exSpecifiedLoadAndDispNumberIsOver{{}, key, record.ID, loadCase};
  }
  for (std::uint32_t d = 0; d < 3; ++d) {
    if (record.ImposedDisp[d] == 0.0 || node.IsSupported[d]) continue;
    if (!spring) throw exImposedDispIsSetAtNonSupportedNode{{}, key, record.ID, loadCase, d};
    if (spring->SpringCoef[d] == 0.0) {
      throw exImposedDispIsSetAtZeroCoefSpringSupport{{}, key, record.ID, loadCase, d};
    }
  }
  if (IsCaseOver(loadCase, node.ImposedLoads)) {
    throw exSpecifiedLoadAndDispNumberIsOver{{}, key, record.ID, loadCase};
  }

  // A supported direction moves the support itself; a free direction of a spring-supported
  // node moves the ground end of its spring.
  std::array<double*, 3> disps{};
  for (std::uint32_t d = 0; d < 3; ++d) {
    disps[d] = spring && !node.IsSupported[d] ? &spring->ImposedDisp[loadCase][d]
                                              : &node.ImposedDisps[loadCase][d];
    if (!std::isfinite(node.ImposedLoads[loadCase][d] + record.ImposedLoad[d])) {
      throw exSumIsNotFinite{{}, key, record.ID, loadCase, d};
    }
    if (!std::isfinite(*disps[d] + record.ImposedDisp[d])) {
      throw exSumIsNotFinite{{}, key, record.ID, loadCase, d + 3};
    }
  }
  for (std::size_t d = 0; d < 3; ++d) *disps[d] += record.ImposedDisp[d];
  AddTo(node.ImposedLoads[loadCase], record.ImposedLoad);
  ++appliedCount_;
  if (logger_) logger_->Applied(record);
}

}  // namespace znFEM::znTraceYield2DRahmen
