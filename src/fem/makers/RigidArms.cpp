// Rigid arms between the nodes and the faces. docs/theory.md "Frame member: rigid arms".
#include "fem/makers/RigidArms.h"

namespace znFEM::znMatrixMaker {

namespace {

// Positions of the transverse force (displacement) and of the moment (rotation) of an end.
constexpr znMatrix::Index Q(int end) {
  return 3 * end + 1;
}
constexpr znMatrix::Index M(int end) {
  return 3 * end + 2;
}

}  // namespace

csRigidArms::csRigidArms(double li, double lj) : arm_{li, -lj} {}

Triple csRigidArms::ToFace(int end, const Triple& atNode) const {
  return {atNode[0], atNode[1], atNode[2] - arm_[end] * atNode[1]};
}

Triple csRigidArms::ToNode(int end, const Triple& atFace) const {
  return {atFace[0], atFace[1], atFace[2] + arm_[end] * atFace[1]};
}

// r·C: the node rotation moves the face transversely by s per unit.
znMatrix::Vector csRigidArms::RowToNodes(znMatrix::Vector faceRow) const {
  for (int end = 0; end < 2; ++end) faceRow[M(end)] += arm_[end] * faceRow[Q(end)];
  return faceRow;
}

// Cᵀ·k·C: column θ += s·column v, then row θ += s·row v, for each end.
znMatrix::csSymmetryMatrix csRigidArms::StiffnessToNodes(
    const znMatrix::ifMatrix& faceStiffness) const {
  znMatrix::csMatrix k(6, 6);
  k.Assign(faceStiffness);
  for (int end = 0; end < 2; ++end) {
    for (znMatrix::Index r = 0; r < 6; ++r) k.AddAt(r, M(end), arm_[end] * k.Get(r, Q(end)));
  }
  for (int end = 0; end < 2; ++end) {
    for (znMatrix::Index c = 0; c < 6; ++c) k.AddAt(M(end), c, arm_[end] * k.Get(Q(end), c));
  }
  znMatrix::csSymmetryMatrix nodes(6);
  for (znMatrix::Index r = 0; r < 6; ++r) {
    for (znMatrix::Index c = r; c < 6; ++c) nodes.Set(r, c, k.Get(r, c));
  }
  return nodes;
}

}  // namespace znFEM::znMatrixMaker
