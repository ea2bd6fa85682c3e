#include "fem/model/JointTies.h"

#include <array>
#include <cmath>

namespace znFEM::znTraceYield2DRahmen {

namespace {

// The sum of the outer products of the directions a node is tied in; its translation is tied
// in the plane when the sum has rank 2. docs/theory.md "Joint check".
class csDirections {
 public:
  void Add(double x, double y) {
    xx_ += x * x;
    xy_ += x * y;
    yy_ += y * y;
  }
  bool SpansPlane() const {
    const double trace = xx_ + yy_;
    return trace > 0.0 && xx_ * yy_ - xy_ * xy_ > kRankTolerance * trace * trace;
  }

 private:
  static constexpr double kRankTolerance = 1e-9;
  double xx_ = 0.0;
  double xy_ = 0.0;
  double yy_ = 0.0;
};

// Chords whose angle differs by less than this (or by half a turn less) lie on one line.
constexpr double kParallel = 1e-9;

}  // namespace

// The ends are filed by node in two passes, a count and a placement, which keep the members'
// input order within each node.
void csJointTies::Set(std::span<ifNode* const> nodes, std::span<ifElement* const> elements,
                      std::span<const PerEnd<std::uint32_t>> endPositions,
                      const std::vector<std::uint32_t>& walledPositions) {
  nodes_ = nodes;
  elements_ = elements;
  endPositions_ = endPositions;
  endsFirst_.assign(nodes.size() + 1, 0);
  for (const PerEnd<std::uint32_t>& positions : endPositions) {
    for (const std::uint32_t p : positions) ++endsFirst_[p + 1];
  }
  for (std::size_t p = 0; p < nodes.size(); ++p) endsFirst_[p + 1] += endsFirst_[p];
  ends_.resize(endsFirst_.back());
  std::vector<std::uint32_t> next(endsFirst_.begin(), endsFirst_.end() - 1);
  for (std::uint32_t e = 0; e < endPositions.size(); ++e) {
    for (std::uint32_t end = 0; end < 2; ++end) ends_[next[endPositions[e][end]]++] = {e, end};
  }
  walled_.assign(nodes.size(), false);
  for (std::size_t p : walledPositions) walled_[p] = true;
}

csJointTies::Ties csJointTies::AllTies(std::optional<double> stepRatio) const {
  Ties ties;
  ties.reserve(elements_.size());
  for (const ifElement* element : elements_) ties.push_back(element->GetTies(stepRatio));
  return ties;
}

void csJointTies::ReleaseHolds() const {
  const Ties now = AllTies(std::nullopt);
  for (std::uint32_t e = 0; e < elements_.size(); ++e) {
    const PerEnd<bool> held = elements_[e]->GetHeldHinges();
    for (std::uint32_t end = 0; end < 2; ++end) {
      if (held[end] && IsRotationTiedWithout(endPositions_[e][end], {e, end}, now)) {
        elements_[e]->HoldHinge(end, false);
      }
    }
    if (elements_[e]->IsAxialYieldHeld() && IsTranslationTied(endPositions_[e][0], now, now, e) &&
        IsTranslationTied(endPositions_[e][1], now, now, e)) {
      elements_[e]->HoldAxialYield(false);
    }
  }
}

void csJointTies::HoldEnds(double stepRatio) const {
  const Ties now = AllTies(std::nullopt);
  Ties after = AllTies(stepRatio);
  for (std::size_t p = 0; p < nodes_.size(); ++p) {
    if (walled_[p]) continue;
    HoldRotation(p, stepRatio, now, after);
    HoldTranslation(p, stepRatio, now, after);
  }
}

// Only ends that hinge together in this step are held: a lone hinge at a node, or one that
// the node's moment load drives, is a true mechanism.
void csJointTies::HoldRotation(std::size_t p, double stepRatio, const Ties& now,
                               Ties& after) const {
  if (nodes_[p]->GetIsSupported()[2]) return;
  bool tiedNow = false;
  bool tiedAfter = false;
  std::vector<EndAt> hinging;
  for (const EndAt& at : EndsAt(p)) {
    const RotationTie before = now[at.element].Rotation[at.end];
    const RotationTie then = after[at.element].Rotation[at.end];
    tiedNow = tiedNow || before == RotationTie::Tied;
    tiedAfter = tiedAfter || then == RotationTie::Tied;
    if (before == RotationTie::Tied && then == RotationTie::Hinged) hinging.push_back(at);
  }
  if (!tiedNow || tiedAfter || hinging.size() < 2) return;
  const EndAt later = hinging.back();
  elements_[later.element]->HoldHinge(later.end, true);
  after[later.element] = elements_[later.element]->GetTies(stepRatio);
}

// Members in series (on one line through the node) yield axially together; of each such pair
// the later member is held, one at a time, until the node is tied in the plane again. Members
// on different lines that yield together leave a true mechanism.
void csJointTies::HoldTranslation(std::size_t p, double stepRatio, const Ties& now,
                                  Ties& after) const {
  if (!IsTranslationTied(p, now, now, std::nullopt)) return;
  while (!IsTranslationTied(p, after, now, std::nullopt)) {
    std::vector<std::size_t> yielding;
    for (const EndAt& at : EndsAt(p)) {
      if (now[at.element].Axial && !after[at.element].Axial) yielding.push_back(at.element);
    }
    const std::optional<std::size_t> later = LaterInSeries(yielding, now);
    if (!later) return;
    elements_[*later]->HoldAxialYield(true);
    after[*later] = elements_[*later]->GetTies(stepRatio);
  }
}

// The last member of the list that lies on one line with an earlier one.
std::optional<std::size_t> csJointTies::LaterInSeries(const std::vector<std::size_t>& members,
                                                      const Ties& ties) {
  for (std::size_t b = members.size(); b-- > 1;) {
    for (std::size_t a = 0; a < b; ++a) {
      const double cross = std::sin(ties[members[b]].Angle - ties[members[a]].Angle);
      if (std::fabs(cross) < kParallel) return members[b];
    }
  }
  return std::nullopt;
}

bool csJointTies::IsRotationTiedWithout(std::size_t p, EndAt without, const Ties& now) const {
  if (walled_[p] || nodes_[p]->GetIsSupported()[2]) return true;
  for (const EndAt& at : EndsAt(p)) {
    if (at.element == without.element && at.end == without.end) continue;
    if (now[at.element].Rotation[at.end] == RotationTie::Tied) return true;
  }
  return false;
}

// The node's supports, each member's chord where the axial ties hold it and the normal to
// the chord where the transverse ties do; the member without is left out of the axial ties.
bool csJointTies::IsTranslationTied(std::size_t p, const Ties& axial, const Ties& transverse,
                                    std::optional<std::size_t> without) const {
  if (walled_[p]) return true;
  const std::array<bool, 3> supported = nodes_[p]->GetIsSupported();
  csDirections directions;
  if (supported[0]) directions.Add(1.0, 0.0);
  if (supported[1]) directions.Add(0.0, 1.0);
  for (const EndAt& at : EndsAt(p)) {
    const double c = std::cos(axial[at.element].Angle);
    const double s = std::sin(axial[at.element].Angle);
    if (axial[at.element].Axial && at.element != without) directions.Add(c, s);
    if (transverse[at.element].Transverse) directions.Add(-s, c);
  }
  return directions.SpansPlane();
}

}  // namespace znFEM::znTraceYield2DRahmen
