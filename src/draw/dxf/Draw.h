// The pen-plotter drawing interface: a pen with a position, a layer, a colour, a line type and
// a text style draws lines, texts and simple shapes anchored at the pen.
#pragma once

#include <cstdint>
#include <string>

namespace znDraw {

// Alignment codes form a 3 x 3 grid and say which point of a text or shape lies on the pen:
// 0 top-left, 1 top-centre, 2 top-right, 3 middle-left, 4 middle-centre, 5 middle-right,
// 6 bottom-left, 7 bottom-centre, 8 bottom-right.
class ifDraw {
 public:
  virtual ~ifDraw() = default;

  // Registers a layer for the layer table; a name already registered is not added again.
  virtual void AddLayer(const std::string& name) = 0;
  virtual void SetLayer(const std::string& name) = 0;
  // Codes 0 to 5 select the colours 1 to 6; any other code selects colour 7.
  virtual void SetColor(int code) = 0;
  virtual void SetAlign(int code) = 0;
  // 1 dashed, 2 dotted, 3 dash-dot; any other code draws continuous lines.
  virtual void SetLineType(int code) = 0;
  virtual void NoOperation(std::uint32_t word0, std::uint32_t word1) = 0;
  virtual void SetRotation(double degrees) = 0;
  virtual void SetTextHeight(double height) = 0;
  virtual void MoveTo(double x, double y, double z) = 0;
  // Draws a line from the pen to the point and leaves the pen there.
  virtual void LineTo(double x, double y, double z) = 0;
  virtual void Text(const std::string& text) = 0;
  virtual void Circle(double radius) = 0;
  // The shapes below are made of lines; each leaves the pen where it was.
  virtual void Cross(double width, double height) = 0;
  virtual void RectangleByCorners(double width, double height, double depth) = 0;
  virtual void Rectangle(double width, double height) = 0;

 protected:
  ifDraw() = default;
  ifDraw(const ifDraw&) = default;
  ifDraw& operator=(const ifDraw&) = default;
};

}  // namespace znDraw
