// Fixed-end forces that a concentrated or linearly distributed load causes in the three
// segments (i-edge, middle, j-edge) of a plane frame member, with shear deformation in the middle.
#pragma once

#include <cstdint>
#include <string>

#include "fem/makers/SegmentForces.h"

namespace znFEM::znEdgeLoadFixCase {

// Section and geometry of the member: E, I, A, Poisson's ratio, κ, node-to-node length L and
// the end zone lengths li, lj. ID names the member in messages.
struct EdgeLoadMember {
  std::string ID;
  double E = 0.0;
  double I = 0.0;
  double A = 0.0;
  double Poisson = 0.0;
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
