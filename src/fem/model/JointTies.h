// The joint check of a step. Two member ends that meet at a free node carry the same moment
// and reach their plastic moment in the same step; hinged together they would leave the
// node's rotation without stiffness although the structure still carries load. Where the
// events of a step would leave a free node's rotation, or its translation along members in
// series (on one line), with no elastic tie, the end of the later member in input order is held
// elastic.
// A hold lasts while its node has no other tie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fem/model/Element.h"
#include "fem/model/Node.h"

namespace znFEM::znTraceYield2DRahmen {

class csJointTies {
 public:
  // Node positions of each frame element's ends (I, J) in the node list, and the positions
  // of the nodes that a wall element reaches (a wall ties every direction of its nodes). The
  // node, element and end lists are viewed, not copied: they must outlive the check.
  void Set(std::span<ifNode* const> nodes, std::span<ifElement* const> elements,
           std::span<const PerEnd<std::uint32_t>> endPositions,
           const std::vector<std::uint32_t>& walledPositions);

  // Ends the holds whose node has another tie; called before the ratios of a step.
  void ReleaseHolds() const;
  // Holds the ends that must stay elastic in a step of the given ratio; called after every
  // member has given its ratios.
  void HoldEnds(double stepRatio) const;

 private:
  struct EndAt {
    std::uint32_t element;
    std::uint32_t end;
  };
  using Ties = std::vector<MemberTies>;

  Ties AllTies(std::optional<double> stepRatio) const;
  void HoldRotation(std::size_t p, double stepRatio, const Ties& now, Ties& after) const;
  void HoldTranslation(std::size_t p, double stepRatio, const Ties& now, Ties& after) const;
  static std::optional<std::size_t> LaterInSeries(const std::vector<std::size_t>& members,
                                                  const Ties& ties);
  bool IsRotationTiedWithout(std::size_t p, EndAt without, const Ties& now) const;
  bool IsTranslationTied(std::size_t p, const Ties& axial, const Ties& transverse,
                         std::optional<std::size_t> without) const;
  // The member ends at node position p, members in input order, end I before end J.
  std::span<const EndAt> EndsAt(std::size_t p) const {
    return {ends_.data() + endsFirst_[p], ends_.data() + endsFirst_[p + 1]};
  }

  // Views of the step solver's lists, which outlive the check.
  std::span<ifNode* const> nodes_;
  std::span<ifElement* const> elements_;
  std::span<const PerEnd<std::uint32_t>> endPositions_;
  // The member ends of every node, node after node: those of node position p start at
  // endsFirst_[p] and end where the next node's start.
  std::vector<EndAt> ends_;
  std::vector<std::uint32_t> endsFirst_;
  std::vector<bool> walled_;
};

}  // namespace znFEM::znTraceYield2DRahmen
