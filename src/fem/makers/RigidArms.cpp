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
Six csRigidArms::RowToNodes(Six faceRow) const {
  for (int end = 0; end < 2; ++end) faceRow[M(end)] += arm_[end] * faceRow[Q(end)];
  return faceRow;
}

// Cᵀ·k·C: column θ += s·column v, then row θ += s·row v, for each end.
znMatrix::Matrix6 csRigidArms::StiffnessToNodes(znMatrix::Matrix6 k) const {
  const auto at = [&k](znMatrix::Index r, znMatrix::Index c) -> double& { return k[6 * r + c]; };
  for (int end = 0; end < 2; ++end) {
    for (znMatrix::Index r = 0; r < 6; ++r) at(r, M(end)) += arm_[end] * at(r, Q(end));
  }
  for (int end = 0; end < 2; ++end) {
    for (znMatrix::Index c = 0; c < 6; ++c) at(M(end), c) += arm_[end] * at(Q(end), c);
  }
  for (znMatrix::Index r = 0; r < 6; ++r) {
    for (znMatrix::Index c = r + 1; c < 6; ++c) at(c, r) = at(r, c);
  }
  return k;
}

}  // namespace znFEM::znMatrixMaker
