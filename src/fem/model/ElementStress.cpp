// Member forces along a span and their extremes. docs/theory.md "Member forces along a span".
#include "fem/model/ElementStress.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace znFEM::znTraceYield2DRahmen {

namespace {

// Below this member length (in length units) the minimum search length shrinks with the member.
constexpr double kReferenceLength = 1000.0;
// The refinement shrinks the interval at least threefold per round; this bounds the rounds when
// the minimum search length is zero or lost in rounding.
constexpr int kMaxRefinements = 60;

// Keeps the best value of each extreme and refines between evaluation points.
// docs/theory.md "Extremes".
class csExtremeSearch {
 public:
  csExtremeSearch(const csElementStressProfile& profile, std::uint32_t divisionCount,
                  double searchLength)
      : profile_(profile),
        divisions_(std::max<std::uint32_t>(divisionCount, 3)),
        searchLength_(searchLength) {}

  // An evaluation point counts with both of its sides.
  void ConsiderPoint(const StressPoint& point) {
    for (std::size_t kind = 0; kind < 6; ++kind) {
      for (const Triple& side : point.Stress) Consider(kind, point.Position, side, point.Stress);
    }
  }

  // Refines every extreme between two neighbouring evaluation points; their own values have
  // been considered already. Every point the refinement evaluates lies between the two (each
  // step point is rounded from a sum below the interval's end), so a component linear on the
  // piece that holds them cannot pass the values at the points: its search is left out.
  void SearchBetween(const StressPoint& from, const StressPoint& to) {
    if (!(to.Position - from.Position > searchLength_)) return;
    piece_ = profile_.PieceOf(from.Position);
    onePiece_ = to.Position <= profile_.PieceEnd(piece_);
    for (std::size_t kind = 0; kind < 6; ++kind) {
      const std::size_t c = Component(kind);
      if (onePiece_ && profile_.IsLinearOnPiece(piece_, c)) continue;
      Refine(kind, from.Position, to.Position, from.Stress[1][c], to.Stress[0][c]);
    }
  }

  const std::array<StressExtreme, 6>& Result() const { return best_; }

 private:
  static std::size_t Component(std::size_t kind) { return kind / 2; }
  static double Sign(std::size_t kind) { return kind % 2 == 0 ? 1.0 : -1.0; }

  void Consider(std::size_t kind, double x, const Triple& side, const StressPair& stress) {
    const double value = side[Component(kind)];
    if (found_[kind] && !(Sign(kind) * value > Sign(kind) * best_[kind].Value)) return;
    found_[kind] = true;
    best_[kind] = {x, value, stress};
  }

  // Divides [lo, hi] into steps, keeps the best step point and searches the steps on either
  // side of it again, until the interval is no longer than the minimum search length. Only the
  // values beside the best step point are kept: the search allocates nothing.
  void Refine(std::size_t kind, double lo, double hi, double atLo, double atHi) {
    const std::size_t c = Component(kind);
    const double sign = Sign(kind);
    for (int round = 0; round < kMaxRefinements && hi - lo > searchLength_; ++round) {
      const double step = (hi - lo) / divisions_;
      std::size_t best = 0;
      double bestValue = atLo;
      double leftValue = atLo;   // the value one step before the best, or at it when it is lo
      double rightValue = atLo;  // the value one step after the best, or at it when it is hi
      double previous = atLo;
      for (std::size_t i = 1; i <= divisions_; ++i) {
        const double value = i < divisions_ ? ValueAt(lo + i * step, c) : atHi;
        if (best == i - 1) rightValue = value;
        if (sign * value > sign * bestValue) {
          best = i;
          bestValue = value;
          leftValue = previous;
          rightValue = value;
        }
        previous = value;
      }
      if (best > 0 && best < divisions_) {
        const double x = lo + best * step;
        const StressPair stress = profile_.At(x);
        Consider(kind, x, stress[0], stress);
      }
      const std::size_t left = best > 0 ? best - 1 : 0;
      const std::size_t right = std::min<std::size_t>(best + 1, divisions_);
      const double newHi = right == divisions_ ? hi : lo + right * step;
      lo = lo + left * step;
      hi = newHi;
      atLo = leftValue;
      atHi = rightValue;
    }
  }

  // The I-side value of component c at x between the two points searched.
  double ValueAt(double x, std::size_t c) const {
    return onePiece_ ? profile_.ValueOnPiece(piece_, x, c) : profile_.At(x)[0][c];
  }

  const csElementStressProfile& profile_;
  std::size_t piece_ = 0;  // the piece that holds the points searched, when onePiece_
  bool onePiece_ = false;
  std::uint32_t divisions_;
  double searchLength_;
  std::array<StressExtreme, 6> best_{};
  std::array<bool, 6> found_{};
};

// Member axes from global axes for a member at cos/sin of its angle.
std::array<double, 2> ToMemberAxes(double x, double y, double c, double s) {
  return {c * x + s * y, -s * x + c * y};
}

}  // namespace

csElementStress::csElementStress(std::uint32_t divisionCount, double minimumLength)
    : divisionCount_(divisionCount), minimumLength_(minimumLength) {}

void csElementStress::SetProp(const ElementStressProp& prop) {
  prop_ = prop;
  const double dx = prop_.Coordinates[1][0] - prop_.Coordinates[0][0];
  const double dy = prop_.Coordinates[1][1] - prop_.Coordinates[0][1];
  length_ = MemberLength(prop_);
  const double angle = std::atan2(dy, dx);
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  pointLoads_.clear();
  for (const EdgeLoadConcentratedProp& load : prop_.ConcentratedLoads) {
    Triple local = load.Load;
    if (!load.ECrd) {
      const auto xy = ToMemberAxes(load.Load[0], load.Load[1], c, s);
      local = {xy[0], xy[1], load.Load[2]};
    }
    pointLoads_.push_back({load.Pos, local});
  }
  linearLoads_.clear();
  for (const EdgeLoadDistributedProp& load : prop_.DistributedLoads) {
    // An end position of exactly 0 runs the load to node J.
    const double end = load.PosJ == 0.0 ? length_ : load.PosJ;
    std::array<double, 2> startLoad = load.LoadI;
    std::array<double, 2> endLoad = load.LoadJ;
    if (!load.ECrd) {
      startLoad = ToMemberAxes(load.LoadI[0], load.LoadI[1], c, s);
      endLoad = ToMemberAxes(load.LoadJ[0], load.LoadJ[1], c, s);
    }
    linearLoads_.push_back({load.PosI, end, startLoad, endLoad});
  }
}

std::vector<StressPair> csElementStress::GetStressAtPositions(
    const Triple& faceForceI, const std::vector<double>& positions) const {
  for (std::size_t k = 0; k < positions.size(); ++k) {
    if (!(positions[k] >= 0.0 && positions[k] <= length_)) {
      throw exSpecifiedPositionOfElementStressIsOutOfLength{prop_.ID,
                                                            static_cast<std::uint32_t>(k)};
    }
  }
  const csElementStressProfile profile = MakeProfile(faceForceI);
  std::vector<StressPair> result;
  result.reserve(positions.size());
  for (double x : positions) result.push_back(profile.At(x));
  return result;
}

StressExtremes csElementStress::GetExtremes(const Triple& faceForceI) const {
  return GetExtremes(MakeProfile(faceForceI));
}

StressExtremes csElementStress::GetExtremes(const csElementStressProfile& profile) const {
  StressExtremes result;
  GetExtremes(profile, result);
  return result;
}

void csElementStress::GetExtremes(const csElementStressProfile& profile,
                                  StressExtremes& result) const {
  result.Points.clear();
  EvaluationPoints(profile, result.Points);
  for (StressPoint& point : result.Points) point.Stress = profile.At(point.Position);
  csExtremeSearch search(profile, divisionCount_, SearchLength());
  for (const StressPoint& point : result.Points) search.ConsiderPoint(point);
  for (std::size_t k = 0; k + 1 < result.Points.size(); ++k) {
    search.SearchBetween(result.Points[k], result.Points[k + 1]);
  }
  result.Extremes = search.Result();
}

csElementStressProfile csElementStress::MakeProfile(const Triple& faceForceI) const {
  return csElementStressProfile(length_, prop_.Lij[0], faceForceI, pointLoads_, linearLoads_);
}

void csElementStress::MakeProfile(const Triple& faceForceI, csElementStressProfile& profile) const {
  profile.Make(length_, prop_.Lij[0], faceForceI, pointLoads_, linearLoads_);
}

void csElementStress::EvaluationPoints(const csElementStressProfile& profile,
                                       std::vector<StressPoint>& points) const {
  const double faceI = std::clamp(prop_.Lij[0], 0.0, length_);
  const double faceJ = std::clamp(length_ - prop_.Lij[1], faceI, length_);
  points.reserve(2 + profile.LoadPoints().size() + prop_.Positions.size());
  points.push_back({faceI, {}});
  points.push_back({faceJ, {}});
  for (double x : profile.LoadPoints()) {
    if (x > faceI && x < faceJ) points.push_back({x, {}});
  }
  for (double x : prop_.Positions) {
    if (x >= faceI && x <= faceJ) points.push_back({x, {}});
  }
  std::sort(points.begin(), points.end(),
            [](const StressPoint& a, const StressPoint& b) { return a.Position < b.Position; });
  points.erase(std::unique(points.begin(), points.end(),
                           [](const StressPoint& a, const StressPoint& b) {
                             return a.Position == b.Position;
                           }),
               points.end());
}

double csElementStress::SearchLength() const {
  return minimumLength_ * std::min(1.0, length_ / kReferenceLength);
}

}  // namespace znFEM::znTraceYield2DRahmen
