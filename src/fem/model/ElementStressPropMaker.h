// Builds the element-stress record of a frame member from the model's records: the member's
// node coordinates and rigid zones, the positions asked for, and its edge loads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementProp.h"
#include "fem/model/ElementStressProp.h"
#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

class csElementStressPropMaker {
 public:
  struct exSpecifiedElementIsnotExist {
    std::string ID;
  };
  // The member exists but one of its node IDs names no node record.
  struct exSpecifiedNodeIsnotExist {
    std::string ID;      // the member
    std::string NodeID;  // the missing node
  };

  // A position outside the member: negative or beyond the distance between its nodes.
  struct exSpecifiedPositionIsOutOfLength {
    std::string ID;
    std::uint32_t PositionIndex;  // in the definition's list, from 0
    double Position;
    double Length;
  };

  // Coordinates are taken from the node records by the members' node IDs (the node pointers of
  // the member records may no longer be valid when the results are written). Every edge load
  // record of a member is taken, whatever its load case. Node and member records handed in as
  // lvalues are looked up where they are and must outlive the maker; records handed over as
  // temporaries are kept by the maker. The edge loads are copied.
  csElementStressPropMaker(const std::vector<NodeProp>& nodes,
                           const std::vector<ElementProp>& elements,
                           const std::vector<EdgeLoadConcentratedProp>& concentrated,
                           const std::vector<EdgeLoadDistributedProp>& distributed);
  csElementStressPropMaker(std::vector<NodeProp>&& nodes, std::vector<ElementProp>&& elements,
                           const std::vector<EdgeLoadConcentratedProp>& concentrated,
                           const std::vector<EdgeLoadDistributedProp>& distributed);
  csElementStressPropMaker(const csElementStressPropMaker&) = delete;
  csElementStressPropMaker& operator=(const csElementStressPropMaker&) = delete;

  // definition: ID and Positions, as read from the ElementStress block.
  ElementStressProp Make(const ElementStressProp& definition) const;
  // definition with each position checked against its member's length, a position within
  // 1e-9 of the length from an end being taken as that end; throws for an unknown member or a
  // position outside it (the first in list order).
  ElementStressProp Check(const ElementStressProp& definition) const;
  // The record of a member without requested positions.
  ElementStressProp Make(const std::string& id) const;
  // The record of the member at this index of the member records, for the positions given: for
  // a caller going through the members in order.
  ElementStressProp MakeAt(std::size_t member, const std::vector<double>& positions) const;
  // The same, into prop reusing the capacity of its lists.
  void MakeAt(std::size_t member, const std::vector<double>& positions,
              ElementStressProp& prop) const;

 private:
  // The loads of every member, grouped by member in input order: those of member m are
  // Loads[First[m]] to Loads[First[m + 1]].
  template <class Load>
  struct LoadsByMember {
    std::vector<std::uint32_t> First;
    std::vector<Load> Loads;
  };
  template <class Load>
  LoadsByMember<Load> Group(const std::vector<Load>& loads) const;
  template <class Load>
  static void LoadsOf(const LoadsByMember<Load>& group, std::size_t member,
                      std::vector<Load>& loads);

  // The node record of each end of each member, kNoNode where its ID names none.
  static constexpr std::uint32_t kNoNode = UINT32_MAX;
  std::vector<PerEnd<std::uint32_t>> MemberNodes() const;

  std::vector<NodeProp> ownNodes_;  // the records handed over as temporaries
  std::vector<ElementProp> ownElements_;
  const std::vector<NodeProp>& nodes_;
  const std::vector<ElementProp>& elements_;
  // Record index by ID (the first record of a repeated ID).
  template <class Record>
  class IndexByID {
   public:
    explicit IndexByID(const std::vector<Record>& records);
    // The index of the record named id, records.size() when there is none; last is the
    // index found by the call before, SIZE_MAX at first, and is set to the one found.
    std::size_t Find(std::string_view id, std::size_t& last) const;

   private:
    const std::vector<Record>& records_;
    std::unordered_map<std::string_view, std::uint32_t> index_;
    std::vector<bool> repeated_;  // an earlier record has the same ID
  };

  IndexByID<ElementProp> elementIndex_;
  std::vector<PerEnd<std::uint32_t>> memberNodes_;  // by member index
  LoadsByMember<EdgeLoadConcentratedProp> concentrated_;
  LoadsByMember<EdgeLoadDistributedProp> distributed_;
};

}  // namespace znFEM::znTraceYield2DRahmen
