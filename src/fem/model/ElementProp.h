// The frame element record: section, end zones and springs, capacities, pre-face forces and
// the fixed-end forces of every load case, as handed to the element when it is made.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "fem/makers/EquivalentEdgeLoad.h"
#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

class ifNode;

// One value per member end: [0] end I, [1] end J.
template <class T>
using PerEnd = std::array<T, 2>;

// The fixed-end forces of one load case: six (N, Q, M) triples labelled "FixCaseLoad.I.I",
// "FixCaseLoad.I.J", "FixCaseLoad.M.I", "FixCaseLoad.M.J", "FixCaseLoad.J.I",
// "FixCaseLoad.J.J" (see SegmentEnd for the positions).
using FixCaseLoad = SegmentForces;

struct ElementProp {
  std::string ID;
  PerEnd<ifNode*> Node{nullptr, nullptr};  // resolved from NodeID before the element is made
  PerEnd<std::string> NodeID;
  double A = 0.0;
  double E = 0.0;
  double I = 0.0;
  double Poisson = 0.0;
  double Kappa = 0.0;
  PerEnd<double> Lij{0.0, 0.0};                    // rigid-zone lengths li, lj
  PerEnd<bool> IsRotarySpring{false, false};       // ki, kj given
  PerEnd<double> Kij{kInfinite, kInfinite};        // rotational spring stiffness; 0 is a pin
  PerEnd<Limits> Ny{kUnbounded, kUnbounded};       // axial capacity (upper, lower) per end
  PerEnd<Limits> Qy{kUnbounded, kUnbounded};       // shear capacity
  PerEnd<Limits> My{kUnbounded, kUnbounded};       // moment capacity
  PerEnd<Triple> PreFaceLoad{Triple{}, Triple{}};  // face forces before the first step
  std::vector<FixCaseLoad> FixCases;               // one per load case
};

// The capacities of a member's ends, as in its record.
struct ElementCapacities {
  PerEnd<Limits> Ny{kUnbounded, kUnbounded};
  PerEnd<Limits> Qy{kUnbounded, kUnbounded};
  PerEnd<Limits> My{kUnbounded, kUnbounded};
};

// What a member keeps of its record through the analysis. The node IDs and the pre-face forces
// are used up when it is made; the capacities, almost always unbounded, are kept on the heap
// only when some differs from the default.
struct KeptElementProp {
  KeptElementProp() = default;
  // Takes the ID and the fixed-end forces over from the record.
  explicit KeptElementProp(ElementProp&& prop);

  const ElementCapacities& Capacities() const;

  std::string ID;
  PerEnd<ifNode*> Node{nullptr, nullptr};
  double A = 0.0;
  double E = 0.0;
  double I = 0.0;
  double Poisson = 0.0;
  double Kappa = 0.0;
  PerEnd<double> Lij{0.0, 0.0};
  PerEnd<double> Kij{kInfinite, kInfinite};
  PerEnd<bool> IsRotarySpring{false, false};
  std::vector<FixCaseLoad> FixCases;

 private:
  std::unique_ptr<const ElementCapacities> capacities_;  // null: all unbounded
};

// An end is pinned by input when it carries a spring of stiffness 0.
bool IsPinnedByInput(const ElementProp& prop, int end);
bool IsPinnedByInput(const KeptElementProp& prop, int end);

// Debugging dump, one "(Label           ) : value" line per field.
std::ostream& operator<<(std::ostream& os, const ElementProp& prop);

}  // namespace znFEM::znTraceYield2DRahmen
