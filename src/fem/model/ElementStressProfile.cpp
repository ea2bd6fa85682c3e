// Member forces along a span. docs/theory.md "Member forces along a span".
#include "fem/model/ElementStressProfile.h"

#include <algorithm>
#include <cmath>

namespace znFEM::znTraceYield2DRahmen {

namespace {

bool IsOnMember(double x, double length) {
  return x >= 0.0 && x <= length;
}

bool IsValid(const csElementStressProfile::LinearLoad& load, double length) {
  return IsOnMember(load.Start, length) && IsOnMember(load.End, length) && load.Start < load.End;
}

Triple Plus(const Triple& a, const Triple& b) {
  return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

Triple Minus(const Triple& a, const Triple& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

}  // namespace

csElementStressProfile::csElementStressProfile(double length, double faceI,
                                               const Triple& faceForceI,
                                               const std::vector<PointLoad>& pointLoads,
                                               const std::vector<LinearLoad>& linearLoads) {
  Make(length, faceI, faceForceI, pointLoads, linearLoads);
}

csElementStressProfile::csElementStressProfile() : csElementStressProfile(0.0, 0.0, {}, {}, {}) {}

void csElementStressProfile::Make(double length, double faceI, const Triple& faceForceI,
                                  const std::vector<PointLoad>& pointLoads,
                                  const std::vector<LinearLoad>& linearLoads) {
  length = std::max(length, 0.0);
  faceI = std::clamp(faceI, 0.0, length);
  CollectBreaks(length, faceI, pointLoads, linearLoads);
  atBreak_.assign(breaks_.size(), AtBreak{});
  AddPointLoads(pointLoads);
  SweepIntensities(linearLoads);
  WalkStates(faceI, faceForceI);
}

StressPair csElementStressProfile::At(double x) const {
  auto next = std::upper_bound(breaks_.begin(), breaks_.end(), x);
  const std::size_t k =
      next == breaks_.begin() ? 0 : static_cast<std::size_t>(next - breaks_.begin()) - 1;
  if (breaks_[k] == x) return {atBreak_[k].before, atBreak_[k].after};
  const Intensity none;
  const Intensity& q = k + 1 < breaks_.size() ? atBreak_[k].intensity : none;
  const Triple value = Carry(atBreak_[k].after, q, x - breaks_[k]);
  return {value, value};
}

bool csElementStressProfile::IsLoadedAround(double x) const {
  auto next = std::upper_bound(breaks_.begin(), breaks_.end(), x);
  if (next == breaks_.begin() || next == breaks_.end()) return false;
  return atBreak_[static_cast<std::size_t>(next - breaks_.begin()) - 1].active > 0;
}

std::size_t csElementStressProfile::PieceOf(double x) const {
  auto next = std::upper_bound(breaks_.begin(), breaks_.end(), x);
  return next == breaks_.begin() ? 0 : static_cast<std::size_t>(next - breaks_.begin()) - 1;
}

double csElementStressProfile::PieceEnd(std::size_t k) const {
  return k + 1 < breaks_.size() ? breaks_[k + 1] : breaks_.back();
}

// The same cases and the same arithmetic as At, so the value is the same to the last bit.
double csElementStressProfile::ValueOnPiece(std::size_t k, double x, std::size_t c) const {
  if (breaks_[k] == x) return atBreak_[k].before[c];
  if (k + 1 >= breaks_.size()) return Carry(atBreak_[k].after, Intensity{}, x - breaks_[k])[c];
  if (breaks_[k + 1] == x) return atBreak_[k + 1].before[c];
  return Carry(atBreak_[k].after, atBreak_[k].intensity, x - breaks_[k])[c];
}

// Carry adds to the start value a term of d (the axial or transverse intensity at the start,
// or the start shear for the moment) and terms of higher powers whose factors are exactly zero
// here, so they add exact zeros: the result is a rounded a + b·d, which rounding keeps
// monotonic in d.
bool csElementStressProfile::IsLinearOnPiece(std::size_t k, std::size_t c) const {
  if (k + 1 >= breaks_.size()) return false;
  const AtBreak& at = atBreak_[k];
  const Intensity& q = at.intensity;
  const bool finite = std::isfinite(breaks_[k]) && std::isfinite(breaks_[k + 1]) &&
                      std::isfinite(at.after[c]) && std::isfinite(at.after[1]) &&
                      std::isfinite(q.start[0]) && std::isfinite(q.start[1]);
  if (!finite) return false;
  switch (c) {
    case 0:
      return q.slope[0] == 0.0;
    case 1:
      return q.slope[1] == 0.0;
    default:
      return q.start[1] == 0.0 && q.slope[1] == 0.0;
  }
}

std::size_t csElementStressProfile::BreakIndex(double x) const {
  return static_cast<std::size_t>(std::lower_bound(breaks_.begin(), breaks_.end(), x) -
                                  breaks_.begin());
}

void csElementStressProfile::CollectBreaks(double length, double faceI,
                                           const std::vector<PointLoad>& pointLoads,
                                           const std::vector<LinearLoad>& linearLoads) {
  breaks_.reserve(3 + pointLoads.size() + 2 * linearLoads.size());
  breaks_.assign({0.0, faceI, length});
  for (const PointLoad& load : pointLoads) {
    if (IsOnMember(load.Position, length)) breaks_.push_back(load.Position);
  }
  for (const LinearLoad& load : linearLoads) {
    if (!IsValid(load, length)) continue;
    breaks_.push_back(load.Start);
    breaks_.push_back(load.End);
  }
  std::sort(breaks_.begin(), breaks_.end());
  breaks_.erase(std::unique(breaks_.begin(), breaks_.end()), breaks_.end());
}

// A point load (Px, Py, Pm) on the member: the axial force drops by Px, the shear rises by Py
// and the moment drops by Pm across the point.
void csElementStressProfile::AddPointLoads(const std::vector<PointLoad>& pointLoads) {
  const double length = breaks_.back();
  for (const PointLoad& load : pointLoads) {
    if (!IsOnMember(load.Position, length)) continue;
    Triple& jump = atBreak_[BreakIndex(load.Position)].jump;
    jump = Plus(jump, Triple{-load.Load[0], load.Load[1], -load.Load[2]});
  }
}

// Sums the linear loads over every piece in one walk along the member: a load joins at its
// start with its start value and slope and leaves at its end with its end value; the sum is
// reset to exact zero wherever no load acts, so unloaded pieces stay exactly straight.
void csElementStressProfile::SweepIntensities(const std::vector<LinearLoad>& linearLoads) {
  const std::size_t n = breaks_.size();
  std::vector<Boundary>& at = boundaries_;
  at.assign(n, Boundary{});
  const double length = breaks_.back();
  for (const LinearLoad& load : linearLoads) {
    if (!IsValid(load, length)) continue;
    const std::size_t s = BreakIndex(load.Start);
    const std::size_t e = BreakIndex(load.End);
    for (int c = 0; c < 2; ++c) {
      const double slope = (load.EndLoad[c] - load.StartLoad[c]) / (load.End - load.Start);
      at[s].joining.start[c] += load.StartLoad[c];
      at[s].joining.slope[c] += slope;
      at[e].leaving.start[c] += load.EndLoad[c];
      at[e].leaving.slope[c] += slope;
    }
    ++at[s].joins;
    ++at[e].leaves;
  }
  Intensity sum;
  std::size_t count = 0;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    for (int c = 0; c < 2; ++c) {
      sum.start[c] += at[k].joining.start[c] - at[k].leaving.start[c];
      sum.slope[c] += at[k].joining.slope[c] - at[k].leaving.slope[c];
    }
    count = count + at[k].joins - at[k].leaves;
    if (count == 0) sum = Intensity{};
    atBreak_[k].intensity = sum;
    atBreak_[k].active = count;
    const double d = breaks_[k + 1] - breaks_[k];
    for (int c = 0; c < 2; ++c) sum.start[c] += sum.slope[c] * d;
  }
}

// Starts from the I face, whose J side is the face force turned into member forces, and walks
// to both ends of the member.
void csElementStressProfile::WalkStates(double faceI, const Triple& faceForceI) {
  const std::size_t n = breaks_.size();
  const std::size_t face = BreakIndex(faceI);
  atBreak_[face].after = {-faceForceI[0], faceForceI[1], -faceForceI[2]};
  atBreak_[face].before = Minus(atBreak_[face].after, atBreak_[face].jump);
  for (std::size_t k = face; k + 1 < n; ++k) {
    atBreak_[k + 1].before =
        Carry(atBreak_[k].after, atBreak_[k].intensity, breaks_[k + 1] - breaks_[k]);
    atBreak_[k + 1].after = Plus(atBreak_[k + 1].before, atBreak_[k + 1].jump);
  }
  for (std::size_t k = face; k > 0; --k) {
    const Intensity& q = atBreak_[k - 1].intensity;
    const double d = breaks_[k] - breaks_[k - 1];
    atBreak_[k - 1].after = Carry(atBreak_[k].before, Intensity{q.At(d), q.slope}, -d);
    atBreak_[k - 1].before = Minus(atBreak_[k - 1].after, atBreak_[k - 1].jump);
  }
}

// Forces at distance d from a point with forces `start`, under the linear intensity q that
// starts there: dN/dx = -qx, dQ/dx = qy, dM/dx = Q. The forces are polynomials in d, so a
// negative d carries them back exactly: the walk towards node I starts each piece at its end,
// with the intensity there. docs/theory.md "Evaluation in pieces".
Triple csElementStressProfile::Carry(const Triple& start, const Intensity& q, double d) {
  const double axial = q.start[0] * d + q.slope[0] * d * d / 2.0;
  const double shear = q.start[1] * d + q.slope[1] * d * d / 2.0;
  const double moment = q.start[1] * d * d / 2.0 + q.slope[1] * d * d * d / 6.0;
  return {start[0] - axial, start[1] + shear, start[2] + start[1] * d + moment};
}

}  // namespace znFEM::znTraceYield2DRahmen
