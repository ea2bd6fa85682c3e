// Fixed-end forces that a concentrated or linearly distributed load causes in the three
// segments (i-edge, middle, j-edge) of a plane frame member, with shear deformation in the middle.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace znFEM::znEdgeLoadFixCase {

// Force triples (N, Q, M; member axes) at the start and end of each segment, in the order
// i-edge start (node I), i-edge end (face I), middle start (face I), middle end (face J),
// j-edge start (face J), j-edge end (node J). These are forces acting on the segment.
using SegmentForces = std::array<double, 18>;

// Section and geometry of the member: E, I, G, A, κ, node-to-node length L and the end zone
// lengths li, lj. ID names the member in messages.
struct EdgeLoadMember {
  std::string ID;
  double E = 0.0;
  double I = 0.0;
  double G = 0.0;
  double A = 0.0;
  double Kappa = 0.0;
  double L = 0.0;
  double Li = 0.0;
  double Lj = 0.0;
};

// A concentrated load (X axial, Y transverse, M moment; member axes) at Pos from node I.
struct ConcentratedLoadInput {
  EdgeLoadMember Member;
  double X = 0.0;
  double Y = 0.0;
  double M = 0.0;
  double Pos = 0.0;
};

// A load varying linearly from (IX, IY) at PosI to (JX, JY) at PosJ (member axes, per length,
// positions from node I). PosJ exactly 0.0 means the load runs to node J.
struct DistributedLoadInput {
  EdgeLoadMember Member;
  double IX = 0.0;
  double IY = 0.0;
  double JX = 0.0;
  double JY = 0.0;
  double PosI = 0.0;
  double PosJ = 0.0;
};

class csEdgeLoadFixCase2DRahmen {
 public:
  struct exPositionOfConcentratedLoadIsOut {};
  struct exPositionOfDistributedLoadIsOut {
    std::uint32_t Position;  // 0 PosI, 1 PosJ
  };
  struct exPositionOfDistributedLoadAreTheSameOrLeftSideRight {};

  SegmentForces Concentrated(const ConcentratedLoadInput& input) const;
  SegmentForces Distributed(const DistributedLoadInput& input) const;
};

}  // namespace znFEM::znEdgeLoadFixCase
