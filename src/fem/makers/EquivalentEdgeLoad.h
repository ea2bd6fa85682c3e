// Member-side fixed-end calculation: turns the fixed-end forces of a frame member's three
// segments into equivalent nodal loads, face forces, spring rotations and axial stretches.
#pragma once

#include <utility>

#include "fem/makers/FrameStiffnessProp.h"
#include "fem/makers/SegmentForces.h"

namespace znFEM::znMatrixMaker {

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
