// The force triple and the fixed-end forces of a frame member's three segments, shared by the
// fixed-end calculation of edge loads, the equivalent nodal loads and the model.
#pragma once

#include <array>
#include <cstddef>

namespace znFEM {

// Three components of one node or member end: (x, y, moment) in global axes or (N, Q, M) in
// member axes.
using Triple = std::array<double, 3>;
// The two end triples of a member, end I then end J.
using Six = std::array<double, 6>;

// The fixed-end forces of one load case, 18 values: six triples (N, Q, M; member axes; forces
// acting on the segment) in the order of SegmentEnd. The i-edge and j-edge are the rigid zones,
// the middle the flexible part.
using SegmentForces = std::array<double, 18>;
enum class SegmentEnd : std::size_t {
  kEdgeIStart = 0,   // node I, "FixCaseLoad.I.I"
  kEdgeIEnd = 1,     // face I, "FixCaseLoad.I.J"
  kMiddleStart = 2,  // face I, "FixCaseLoad.M.I"
  kMiddleEnd = 3,    // face J, "FixCaseLoad.M.J"
  kEdgeJStart = 4,   // face J, "FixCaseLoad.J.I"
  kEdgeJEnd = 5,     // node J, "FixCaseLoad.J.J"
};

// The triple of one segment end.
inline Triple SegmentTriple(const SegmentForces& forces, SegmentEnd which) {
  const std::size_t k = 3 * static_cast<std::size_t>(which);
  return {forces[k], forces[k + 1], forces[k + 2]};
}

}  // namespace znFEM
