// Member-side fixed-end calculation: turns the fixed-end forces of a frame member's three
// segments into equivalent nodal loads, face forces, spring rotations and axial stretches.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "fem/makers/FrameStiffnessProp.h"

namespace znFEM::znMatrixMaker {

// Force triple in member axes: [0] x axial, [1] y transverse, [2] m moment.
using Triple = std::array<double, 3>;

// The fixed-end forces of one load case, 18 values: six triples (x, y, m) in the order i-edge
// start (node I), i-edge end (face I), middle start (face I), middle end (face J), j-edge start
// (face J), j-edge end (node J). The i-edge and j-edge are the rigid zones, the middle the
// flexible part.
using SegmentForces = std::array<double, 18>;
enum class SegmentEnd : std::size_t {
  kEdgeIStart = 0,   // "FixCaseLoad.I.I"
  kEdgeIEnd = 1,     // "FixCaseLoad.I.J"
  kMiddleStart = 2,  // "FixCaseLoad.M.I"
  kMiddleEnd = 3,    // "FixCaseLoad.M.J"
  kEdgeJStart = 4,   // "FixCaseLoad.J.I"
  kEdgeJEnd = 5,     // "FixCaseLoad.J.J"
};
// The triple of one segment end.
Triple SegmentTriple(const SegmentForces& forces, SegmentEnd which);

struct csEquivalentEdgeLoad {
  Triple EquivalentLoadI{0.0, 0.0, 0.0};  // nodal load at node I, member axes
  Triple EquivalentLoadJ{0.0, 0.0, 0.0};  // nodal load at node J, member axes
  Triple FaceForceI{0.0, 0.0, 0.0};       // fixed-end force at the I face of the flexible part
  Triple FaceForceJ{0.0, 0.0, 0.0};       // same at the J face
  std::pair<double, double> SpringRotation{0.0, 0.0};  // fixed-end rotation of each end spring
  std::pair<double, double> Stretch{0.0, 0.0};         // fixed-end stretch at a released end
};

// prop gives the section, lengths, IsRotarySpring and Kij (Kn and Angle are not used);
// axialRelease marks the axially released ends. Both flags at once act as a release at I
// alone, so the whole axial load still reaches the J face and the nodes stay in equilibrium.
csEquivalentEdgeLoad MakeEquivalentEdgeLoad(const FrameStiffnessProp& prop,
                                            std::pair<bool, bool> axialRelease,
                                            const SegmentForces& forces);

}  // namespace znFEM::znMatrixMaker
