// Where the panels of the structure drawing go: the extent of the structure, the margins, the
// panel size, the title height and the walk of the panel origin over rows of panels.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "draw/structure/DxfProp.h"

namespace znDraw {

class csPanelLayout {
 public:
  using Point2 = std::array<double, 2>;

  // The extent is the smallest box holding every point and the origin. A zero width or height
  // is replaced by the other dimension for the margins, panel size and title height (both by
  // 1.0 when both are zero), so a structure on one line still gets separate panels.
  csPanelLayout(const std::vector<Point2>& points, const DxfProp& prop);

  Point2 ExtentMin() const { return extentMin_; }
  Point2 ExtentMax() const { return extentMax_; }
  Point2 Margin() const { return margin_; }
  Point2 PanelSize() const { return panelSize_; }
  double TitleHeight() const { return titleHeight_; }

  // The current panel origin, where the structure's (0, 0) is drawn; starts at (0, 0).
  Point2 Origin() const { return origin_; }
  // Lower-left corner of the title written for the panels that start at the current origin:
  // below the structure, 10 title heights under the extent's lower-left corner.
  Point2 TitleCorner() const;
  // Lower-left corner of a step label: between the structure and the title line.
  Point2 StepLabelCorner() const;
  // After a panel: one panel width to the right; after every rowCount panels back to x = 0 and
  // one panel height down.
  void NextPanel();
  // After the last panel of a force kind: back to x = 0 and two panel heights below the start
  // of the last row.
  void NextKind();

 private:
  Point2 extentMin_{0.0, 0.0};
  Point2 extentMax_{0.0, 0.0};
  Point2 margin_{0.0, 0.0};
  Point2 panelSize_{0.0, 0.0};
  double titleHeight_ = 0.0;
  std::size_t rowCount_ = 1;
  std::size_t panelsInRow_ = 0;
  bool rowJustClosed_ = false;
  Point2 origin_{0.0, 0.0};
};

}  // namespace znDraw
