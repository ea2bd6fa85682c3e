#include "draw/structure/GeometryOnlyDraw.h"

namespace znFEM::znTarvex {

bool csGeometryOnlyDraw::IsResultLayer(const std::string& name) {
  for (const char* layer : {"Stress", "StressLast", "Value", "Rotation", "RotationLast", "Stretch",
                            "StretchLast", "Deformed"}) {
    if (name == layer) return true;
  }
  return false;
}

void csGeometryOnlyDraw::SetLayer(const std::string& name) {
  dropping_ = IsResultLayer(name);
  target_.SetLayer(name);
}

void csGeometryOnlyDraw::LineTo(double x, double y, double z) {
  if (dropping_) {
    target_.MoveTo(x, y, z);
  } else {
    target_.LineTo(x, y, z);
  }
}

void csGeometryOnlyDraw::Text(const std::string& text) {
  if (!dropping_) target_.Text(text);
}

void csGeometryOnlyDraw::Circle(double radius) {
  if (!dropping_) target_.Circle(radius);
}

void csGeometryOnlyDraw::Cross(double width, double height) {
  if (!dropping_) target_.Cross(width, height);
}

void csGeometryOnlyDraw::RectangleByCorners(double width, double height, double depth) {
  if (!dropping_) target_.RectangleByCorners(width, height, depth);
}

void csGeometryOnlyDraw::Rectangle(double width, double height) {
  if (!dropping_) target_.Rectangle(width, height);
}

}  // namespace znFEM::znTarvex
