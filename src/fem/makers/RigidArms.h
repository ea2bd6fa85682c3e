// The rigid zones of a frame member as two rigid arms along member x, from each node to its face
// of the flexible part: the one owner of the arm map that the stiffness, the spring vectors, the
// equivalent nodal loads and the member's face forces use.
#pragma once

#include "fem/makers/SegmentForces.h"
#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znMatrixMaker {

// Ends are 0 (I) and 1 (J); triples and 6-vectors are in member axes, (N, Q, M) or (u, v, θ) of
// I, then of J. docs/theory.md "Frame member: rigid arms".
class csRigidArms {
 public:
  // li, lj: the rigid-zone lengths at I and J.
  csRigidArms(double li, double lj);

  // An end force at the node, carried across the arm to the face: (N, Q, M − s·Q).
  Triple ToFace(int end, const Triple& atNode) const;
  // A force at the face, carried across the arm to the node: (N, Q, M + s·Q).
  Triple ToNode(int end, const Triple& atFace) const;
  // A row over the face displacements turned into the same row over the node displacements.
  Six RowToNodes(Six faceRow) const;
  // A symmetric stiffness over the face displacements turned into the symmetric stiffness over
  // the node displacements, Cᵀ·k·C, its lower triangle mirrored from its upper one.
  znMatrix::Matrix6 StiffnessToNodes(znMatrix::Matrix6 k) const;

 private:
  double arm_[2];  // signed position of each face from its node along member x: +li, −lj
};

}  // namespace znFEM::znMatrixMaker
