// The limits of one analysis: the four displacement limits that end it after a step, and the
// step and ratio limit of each load case.
#pragma once

#include <cstdint>
#include <vector>

#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

struct AnalysisLimits {
  double MaxAddDisp = kInfinite;      // largest nodal translation added in one step
  double MaxAddRotAngle = kInfinite;  // largest member chord rotation added in one step
  double MaxDisp = kInfinite;         // largest nodal translation
  double MaxRotAngle = kInfinite;     // largest member chord rotation
  // One entry per load case, in case order.
  std::vector<std::uint32_t> Steps;
  std::vector<double> Ratios;
};

}  // namespace znFEM::znTraceYield2DRahmen
