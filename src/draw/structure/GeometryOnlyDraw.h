// A drawing filter that drops what is drawn on the result layers (diagrams, values, yield marks),
// so that a run without results is drawn as its geometry alone.
#pragma once

#include <cstdint>
#include <string>

#include "draw/dxf/Draw.h"

namespace znFEM::znTarvex {

class csGeometryOnlyDraw : public znDraw::ifDraw {
 public:
  // The target is not owned.
  explicit csGeometryOnlyDraw(znDraw::ifDraw& target) : target_(target) {}

  // True for "Stress", "StressLast", "Value", "Rotation", "RotationLast", "Stretch",
  // "StretchLast" and "Deformed".
  static bool IsResultLayer(const std::string& name);

  void AddLayer(const std::string& name) override { target_.AddLayer(name); }
  void SetLayer(const std::string& name) override;
  void SetColor(int code) override { target_.SetColor(code); }
  void SetAlign(int code) override { target_.SetAlign(code); }
  void SetLineType(int code) override { target_.SetLineType(code); }
  void NoOperation(std::uint32_t word0, std::uint32_t word1) override {
    target_.NoOperation(word0, word1);
  }
  void SetRotation(double degrees) override { target_.SetRotation(degrees); }
  void SetTextHeight(double height) override { target_.SetTextHeight(height); }
  void MoveTo(double x, double y, double z) override { target_.MoveTo(x, y, z); }
  // On a result layer the pen moves without drawing.
  void LineTo(double x, double y, double z) override;
  void Text(const std::string& text) override;
  void Circle(double radius) override;
  void Cross(double width, double height) override;
  void RectangleByCorners(double width, double height, double depth) override;
  void Rectangle(double width, double height) override;

 private:
  znDraw::ifDraw& target_;
  bool dropping_ = false;
};

}  // namespace znFEM::znTarvex
