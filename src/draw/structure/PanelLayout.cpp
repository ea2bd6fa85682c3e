#include "draw/structure/PanelLayout.h"

#include <algorithm>

namespace znDraw {

namespace {

// Title height as a fraction of the vertical margin, and the title's distance below the
// structure in title heights.
constexpr double kTitleHeightRatio = 0.15;
constexpr double kTitleOffset = 10.0;
constexpr double kStepLabelOffset = 8.0;

}  // namespace

csPanelLayout::csPanelLayout(const std::vector<Point2>& points, const DxfProp& prop)
    : rowCount_(static_cast<std::size_t>(std::max(prop.row_n, 1))) {
  for (const Point2& p : points) {
    for (std::size_t c = 0; c < 2; ++c) {
      extentMin_[c] = std::min(extentMin_[c], p[c]);
      extentMax_[c] = std::max(extentMax_[c], p[c]);
    }
  }
  double width = extentMax_[0] - extentMin_[0];
  double height = extentMax_[1] - extentMin_[1];
  if (width == 0.0 && height == 0.0) {
    width = height = 1.0;
  } else if (height == 0.0) {
    height = width;
  } else if (width == 0.0) {
    width = height;
  }
  margin_ = {width * prop.margin_ratio_x, height * prop.margin_ratio_y};
  panelSize_ = {width + margin_[0], height + margin_[1]};
  titleHeight_ = kTitleHeightRatio * margin_[1];
}

csPanelLayout::Point2 csPanelLayout::TitleCorner() const {
  return {origin_[0] + extentMin_[0], origin_[1] + extentMin_[1] - kTitleOffset * titleHeight_};
}

csPanelLayout::Point2 csPanelLayout::StepLabelCorner() const {
  return {origin_[0] + extentMin_[0], origin_[1] + extentMin_[1] - kStepLabelOffset * titleHeight_};
}

void csPanelLayout::NextPanel() {
  origin_[0] += panelSize_[0];
  rowJustClosed_ = ++panelsInRow_ == rowCount_;
  if (rowJustClosed_) {
    panelsInRow_ = 0;
    origin_[0] = 0.0;
    origin_[1] -= panelSize_[1];
  }
}

void csPanelLayout::NextKind() {
  // A row closed by the last panel has already moved the origin down one panel height.
  origin_[0] = 0.0;
  origin_[1] -= (rowJustClosed_ ? 1.0 : 2.0) * panelSize_[1];
  panelsInRow_ = 0;
  rowJustClosed_ = false;
}

}  // namespace znDraw
