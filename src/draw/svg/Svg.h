// The SVG writer: collects the lines, texts and circles drawn through ifDraw in memory and
// writes them as one SVG document, one group per layer, each entity in its own colour.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "draw/dxf/Draw.h"

namespace znDraw {

class csSvg : public ifDraw {
 public:
  // The larger of the width and height attributes, in pixels; the other keeps the aspect.
  static constexpr double kLargestPixels = 2000.0;

  csSvg() = default;

  void AddLayer(const std::string& name) override;
  void SetLayer(const std::string& name) override;
  void SetColor(int code) override;
  void SetAlign(int code) override;
  void SetLineType(int code) override;
  void NoOperation(std::uint32_t word0, std::uint32_t word1) override;
  void SetRotation(double degrees) override;
  void SetTextHeight(double height) override;
  void MoveTo(double x, double y, double z) override;
  void LineTo(double x, double y, double z) override;
  void Text(const std::string& text) override;
  void Circle(double radius) override;
  void Cross(double width, double height) override;
  void RectangleByCorners(double width, double height, double depth) override;
  void Rectangle(double width, double height) override;

  // Whether every coordinate, size and angle drawn so far is finite.
  bool IsFinite() const { return finite_; }

  // The <svg> element alone, for embedding in another document.
  std::string Element() const;
  // The whole file: the XML declaration and the element.
  void Write(std::ostream& stream) const;

  using Point = std::array<double, 2>;

 private:
  // A line strip, a text or a circle; each carries its colour number (1 to 7).
  struct stEntity {
    enum class Kind { kPolyline, kText, kCircle } kind;
    std::vector<Point> points;  // the strip, the text anchor or the centre
    int colour = 7;
    int lineType = 0;
    std::string text;
    double size = 0.0;  // text height or radius
    double rotation = 0.0;
    int alignment = 4;
  };
  struct stLayer {
    std::string name;
    std::vector<stEntity> entities;
  };
  struct stBox {
    Point min{0.0, 0.0};
    Point max{0.0, 0.0};
    bool empty = true;
    void Add(const Point& p);
  };

  stLayer& CurrentLayer();
  void Check(const Point& p) {
    Check(p[0]);
    Check(p[1]);
  }
  void Check(double value) { finite_ = finite_ && std::isfinite(value); }
  Point AnchoredCentre(double halfWidth, double halfHeight) const;
  void ClosedPath(const std::vector<Point>& corners);
  stBox Extent() const;
  void WriteEntity(std::ostream& os, const stEntity& e, double strokeWidth) const;

  std::vector<stLayer> layers_;
  std::size_t layer_ = 0;
  bool layerSet_ = false;
  std::string layerName_ = "0";
  Point pen_{0.0, 0.0};
  int colour_ = 7;
  int alignment_ = 4;
  int lineType_ = 0;
  double textHeight_ = 1.0;
  double rotation_ = 0.0;
  bool finite_ = true;
};

}  // namespace znDraw
