#include "draw/structure/ForceDiagram.h"

#include <algorithm>
#include <cmath>

namespace znDraw {

using znFEM::znTraceYield2DRahmen::StressExtremes;
using znFEM::znTraceYield2DRahmen::StressPoint;

namespace {

// Values within this fraction of the largest one count as zero or as equal.
constexpr double kNegligible = 1e-9;

bool IsPointPosition(const StressExtremes& extremes, double x) {
  return std::any_of(extremes.Points.begin(), extremes.Points.end(),
                     [x](const StressPoint& p) { return p.Position == x; });
}

void SortUnique(std::vector<double>& values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
}

}  // namespace

void DiagramPositions(const StressExtremes& extremes,
                      const znFEM::znTraceYield2DRahmen::csElementStressProfile& profile,
                      int distsep, std::vector<double>& positions) {
  const int divisions = std::max(distsep, 1);
  positions.clear();
  positions.reserve(extremes.Points.size() * static_cast<std::size_t>(divisions) +
                    extremes.Extremes.size());
  for (const StressPoint& p : extremes.Points) positions.push_back(p.Position);
  for (const auto& e : extremes.Extremes) positions.push_back(e.Position);
  for (std::size_t k = 0; k + 1 < extremes.Points.size(); ++k) {
    const double a = extremes.Points[k].Position;
    const double b = extremes.Points[k + 1].Position;
    if (!profile.IsLoadedAround((a + b) / 2.0)) continue;
    for (int d = 1; d < divisions; ++d) positions.push_back(a + (b - a) * d / divisions);
  }
  SortUnique(positions);
}

// The candidates are gathered in values and thinned in place.
void DiagramValues(const StressExtremes& extremes, std::size_t component,
                   std::vector<DiagramValue>& values) {
  std::vector<DiagramValue>& candidates = values;
  candidates.clear();
  candidates.reserve(2 * extremes.Points.size() + 2);
  for (const StressPoint& p : extremes.Points) {
    candidates.push_back({p.Position, p.Stress[0][component]});
    if (p.Stress[1][component] != p.Stress[0][component]) {
      candidates.push_back({p.Position, p.Stress[1][component]});
    }
  }
  // The points are in order: each extreme between them goes in after those at or before it,
  // as a stable sort would put it, without the buffer a stable sort allocates.
  for (const std::size_t kind : {2 * component, 2 * component + 1}) {
    const auto& e = extremes.Extremes[kind];
    if (IsPointPosition(extremes, e.Position)) continue;
    const auto after =
        std::upper_bound(candidates.begin(), candidates.end(), e.Position,
                         [](double x, const DiagramValue& v) { return x < v.Position; });
    candidates.insert(after, {e.Position, e.Value});
  }
  double largest = 0.0;
  for (const DiagramValue& v : candidates) largest = std::max(largest, std::abs(v.Value));
  std::size_t kept = 0;
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    const DiagramValue v = candidates[k];
    if (!(std::abs(v.Value) > kNegligible * largest)) continue;
    if (kept > 0 && std::abs(v.Value - values[kept - 1].Value) <= kNegligible * largest) continue;
    values[kept++] = v;
  }
  values.resize(kept);
}

}  // namespace znDraw
