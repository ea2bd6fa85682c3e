// Distributor of edge loads (fixed-end forces given directly, concentrated and distributed
// loads): adds the segment forces of each record to its frame element record, per load case.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fem/makers/EdgeLoadFixCase2DRahmen.h"
#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

struct ElementProp;

using znFEM::SegmentForces;

// One statement of the EdgeLoadFixCaseDirectInput block: the 18 segment forces iix iiy iim,
// ijx ijy ijm, mix miy mim, mjx mjy mjm, jix jiy jim, jjx jjy jjm (member axes).
struct EdgeLoadDirectInputProp {
  std::string ID;                // element
  std::uint32_t LoadNumber = 0;  // load case, from 0
  SegmentForces Forces{};
};

// One statement of the EdgeLoadFixCaseConcentratedLoad block.
struct EdgeLoadConcentratedProp {
  std::string ID;                // element
  std::uint32_t LoadNumber = 0;  // load case, from 0
  Triple Load{0.0, 0.0, 0.0};    // x, y, m
  double Pos = 0.0;              // from node I
  bool ECrd = false;             // true: Load is in member axes; false: global axes
};

// One statement of the EdgeLoadFixCaseDistributedLoad block: a load per length varying
// linearly from LoadI at PosI to LoadJ at PosJ (PosJ = 0.0 runs the load to node J).
struct EdgeLoadDistributedProp {
  std::string ID;                         // element
  std::uint32_t LoadNumber = 0;           // load case, from 0
  std::array<double, 2> LoadI{0.0, 0.0};  // ix, iy
  std::array<double, 2> LoadJ{0.0, 0.0};  // jx, jy
  double PosI = 0.0;
  double PosJ = 0.0;
  bool ECrd = false;  // true: loads in member axes; false: global axes
};

class csEdgeLoadFixCase {
 public:
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    virtual void DirectInput(const EdgeLoadDirectInputProp& prop) = 0;
    virtual void ConcentratedLoad(const SegmentForces& forces,
                                  const EdgeLoadConcentratedProp& prop) = 0;
    virtual void DistributedLoad(const SegmentForces& forces,
                                 const EdgeLoadDistributedProp& prop) = 0;
  };

  // Position of a record: (kind number, ordinal of the record in its list from 0).
  using RecordKey = std::pair<std::uint32_t, std::uint32_t>;
  static constexpr std::uint32_t kDirectInputKind = 1;
  static constexpr std::uint32_t kConcentratedKind = 2;
  static constexpr std::uint32_t kDistributedKind = 3;

  struct exException {};
  struct exSpecifiedElementIsnotExist : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
  };
  struct exSpecifiedLoadNumberIsOver : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
  };
  struct exSpecifiedEdgeLoadIsSetAtZeroLengthEdge : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
    std::uint32_t End;  // 0 I, 1 J
  };
  struct exPositionOfConcentratedLoadIsOut : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
  };
  struct exPositionOfDistributedLoadIsOut : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
    std::uint32_t Position;  // 0 posi, 1 posj
  };
  struct exPositionOfDistributedLoadAreTheSameOrLeftSideRight : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
  };
  // The record's fixed-end forces, or their sum with the element's earlier ones of the case,
  // overflow.
  struct exFixedEndForceIsNotFinite : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadNumber;
  };

  // The logger may be null; it is not owned.
  explicit csEdgeLoadFixCase(ifLogger* logger);

  // The records are written in place and must outlive Apply; their two node pointers must be
  // set (the member length and angle come from the nodes' coordinates).
  void SetElements(std::vector<ElementProp>& elements);
  // Applies the direct input records, then the concentrated, then the distributed ones, each
  // list in order. The first failing record stops; the records before it stay applied.
  void Apply(const std::vector<EdgeLoadDirectInputProp>& directInput,
             const std::vector<EdgeLoadConcentratedProp>& concentrated,
             const std::vector<EdgeLoadDistributedProp>& distributed);

 private:
  ifLogger* logger_;
  std::map<std::string, ElementProp*> elements_;
};

}  // namespace znFEM::znTraceYield2DRahmen
