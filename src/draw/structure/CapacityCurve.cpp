#include "draw/structure/CapacityCurve.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace znDraw {

namespace {

using Point2 = std::array<double, 2>;

constexpr int kAxisColour = 6;
constexpr int kCurveColour = 0;
constexpr int kEventColour = 2;
constexpr int kTopCentre = 1;
constexpr int kMiddleRight = 5;
constexpr int kMiddleCentre = 4;
constexpr double kTickLength = 0.4;  // in text heights
constexpr double kMaxIntervals = 6.0;

// The tick spacing for a range: 1, 2 or 5 times a power of ten, giving at most 6 intervals.
double TickStep(double range) {
  if (!(range > 0.0) || !std::isfinite(range)) return 1.0;
  const double unit = std::pow(10.0, std::floor(std::log10(range / kMaxIntervals)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (range / (factor * unit) <= kMaxIntervals) return factor * unit;
  }
  return 10.0 * unit;
}

std::string TickText(double value) {
  std::ostringstream text;
  text.precision(4);
  text << (std::abs(value) < 1e-12 ? 0.0 : value);
  return text.str();
}

// An axis from the lower of 0 and the smallest value to the largest, widened to whole ticks.
struct Axis {
  double low = 0.0;
  double high = 1.0;
  double step = 1.0;
};

Axis MakeAxis(double smallest, double largest) {
  Axis axis;
  const double low = std::min(0.0, smallest);
  const double high = std::max(0.0, largest);
  axis.step = TickStep(high - low);
  axis.low = std::floor(low / axis.step) * axis.step;
  axis.high = std::ceil(high / axis.step) * axis.step;
  if (axis.high <= axis.low) axis.high = axis.low + axis.step;
  return axis;
}

class csCurvePanel {
 public:
  csCurvePanel(ifDraw& draw, const Point2& corner, const Point2& size, double textHeight)
      : draw_(draw), corner_(corner), size_(size), height_(textHeight) {}

  void Draw(const std::vector<CapacityPoint>& curve) {
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    for (const CapacityPoint& p : curve) {
      minX = std::min(minX, p.Displacement);
      maxX = std::max(maxX, p.Displacement);
      minY = std::min(minY, p.LoadRatio);
      maxY = std::max(maxY, p.LoadRatio);
    }
    x_ = MakeAxis(minX, maxX);
    y_ = MakeAxis(minY, maxY);
    Axes();
    draw_.SetLayer("Curve");
    draw_.SetColor(kCurveColour);
    for (std::size_t k = 0; k < curve.size(); ++k) {
      const Point2 at = At(curve[k].Displacement, curve[k].LoadRatio);
      if (k == 0) {
        draw_.MoveTo(at[0], at[1], 0.0);
      } else {
        draw_.LineTo(at[0], at[1], 0.0);
      }
    }
    draw_.SetColor(kEventColour);
    draw_.SetAlign(kMiddleCentre);
    for (const CapacityPoint& p : curve) {
      if (!p.Event) continue;
      const Point2 at = At(p.Displacement, p.LoadRatio);
      draw_.MoveTo(at[0], at[1], 0.0);
      draw_.Circle(height_ * kTickLength);
    }
  }

 private:
  Point2 At(double x, double y) const {
    return {corner_[0] + size_[0] * (x - x_.low) / (x_.high - x_.low),
            corner_[1] + size_[1] * (y - y_.low) / (y_.high - y_.low)};
  }

  void Axes() {
    draw_.SetLayer("CurveAxis");
    draw_.SetColor(kAxisColour);
    const double tick = kTickLength * height_;
    Line(At(x_.low, y_.low), At(x_.high, y_.low));
    Line(At(x_.low, y_.low), At(x_.low, y_.high));
    for (double v = x_.low; v <= x_.high + x_.step / 2.0; v += x_.step) {
      const Point2 at = At(v, y_.low);
      Line(at, {at[0], at[1] - tick});
      Text({at[0], at[1] - 1.5 * tick}, TickText(v), kTopCentre, 0.0);
    }
    for (double v = y_.low; v <= y_.high + y_.step / 2.0; v += y_.step) {
      const Point2 at = At(x_.low, v);
      Line(at, {at[0] - tick, at[1]});
      Text({at[0] - 1.5 * tick, at[1]}, TickText(v), kMiddleRight, 0.0);
    }
    const Point2 xName = At((x_.low + x_.high) / 2.0, y_.low);
    Text({xName[0], xName[1] - 1.5 * tick - 1.5 * height_}, "Monitored displacement", kTopCentre,
         0.0);
    const Point2 yName = At(x_.low, (y_.low + y_.high) / 2.0);
    Text({yName[0] - 1.5 * tick - 4.0 * height_, yName[1]}, "Total load ratio", kTopCentre, 90.0);
  }

  void Line(const Point2& from, const Point2& to) {
    draw_.MoveTo(from[0], from[1], 0.0);
    draw_.LineTo(to[0], to[1], 0.0);
  }

  void Text(const Point2& at, const std::string& text, int align, double rotation) {
    draw_.SetAlign(align);
    draw_.SetTextHeight(height_);
    draw_.SetRotation(rotation);
    draw_.MoveTo(at[0], at[1], 0.0);
    draw_.Text(text);
  }

  ifDraw& draw_;
  Point2 corner_;
  Point2 size_;
  double height_;
  Axis x_;
  Axis y_;
};

}  // namespace

void DrawCapacityCurve(ifDraw& draw, const std::vector<CapacityPoint>& curve,
                       const std::array<double, 2>& corner, const std::array<double, 2>& size,
                       double textHeight) {
  if (curve.empty()) return;
  draw.AddLayer("CurveAxis");
  draw.AddLayer("Curve");
  csCurvePanel(draw, corner, size, textHeight).Draw(curve);
}

}  // namespace znDraw
