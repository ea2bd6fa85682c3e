// The capacity curve of a pushover run as a panel of the picture: the monitored displacement
// across, the total load ratio up, with axes, ticks, tick values, axis names and a mark at
// every step where a member event happened.
#pragma once

#include <array>
#include <vector>

#include "draw/dxf/Draw.h"
#include "draw/structure/StructureDrawing.h"

namespace znDraw {

// The plot fills the box from corner (lower left) over size; tick values and axis names lie
// outside it, left of and below the axes, in text of the given height.
void DrawCapacityCurve(ifDraw& draw, const std::vector<CapacityPoint>& curve,
                       const std::array<double, 2>& corner, const std::array<double, 2>& size,
                       double textHeight);

}  // namespace znDraw
