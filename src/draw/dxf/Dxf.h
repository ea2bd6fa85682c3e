// The DXF writer: collects the lines, texts and circles drawn through ifDraw in memory and
// writes them as one ASCII DXF file (header, line type and layer tables, entities).
#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "draw/dxf/Draw.h"

namespace znDraw {

class csDxf : public ifDraw {
 public:
  explicit csDxf(std::ostream& stream);

  void AddLayer(const std::string& name) override;
  void SetLayer(const std::string& name) override;
  void SetColor(int code) override;
  void SetAlign(int code) override;
  void SetLineType(int code) override;
  // Reserved for a device command word pair; the DXF file has no use for it.
  void NoOperation(std::uint32_t word0, std::uint32_t word1) override;
  void SetRotation(double degrees) override;
  void SetTextHeight(double height) override;
  void MoveTo(double x, double y, double z) override;
  void LineTo(double x, double y, double z) override;
  void Text(const std::string& text) override;
  void Circle(double radius) override;
  void Cross(double width, double height) override;
  // Corners are numbered lower-left, upper-left, upper-right, lower-right; the outline runs
  // from the fourth through the first, second and third back to the fourth. The box is flat
  // at the pen's z, so the depth has no effect.
  void RectangleByCorners(double width, double height, double depth) override;
  void Rectangle(double width, double height) override;

  // Whether every coordinate, size and angle drawn so far is finite: a file written from a
  // drawing that is not would hold nan or inf.
  bool IsFinite() const { return finite_; }

  // Writes the whole file; nothing is written when the stream is already in a failed state.
  // Table handles follow the entity handles; writing does not change the drawing, so a
  // second call writes the same file again.
  void Write() const;

  struct stPoint {
    double x;
    double y;
    double z;
  };

 private:
  // Entities are kept compact, as a drawing may hold millions of them. They name their layer
  // by its place in layerNames_ and their line type by its place in the line type names of the
  // writer; every text is in the one text style. Colour numbers 1 to 255 are kept in a byte,
  // 0 standing for 256 (by layer); the byte's top bit marks an entity with a z other than 0,
  // whose z values are kept aside. A text keeps the horizontal and vertical justification of
  // its alignment code, and its characters in the drawing's text pool.
  using NameIndex = std::uint16_t;
  static constexpr std::uint8_t kHasZ = 0x80;
  struct stStyle {
    NameIndex layer;
    std::uint8_t colour;
    std::uint8_t lineType;  // a line's; a text's justification, horizontal * 4 + vertical
  };
  struct stLine {
    std::uint32_t handle;
    stStyle style;
    double x0, y0, x1, y1;
  };
  struct stText {
    std::uint32_t handle;
    stStyle style;
    double x, y;
    double height;
    double rotation;
    std::uint32_t offset;  // in textPool_
    std::uint32_t length;
  };
  struct stCircle {
    std::uint32_t handle;
    stStyle style;
    stPoint centre;
    double radius;
  };
  // The z values of an entity with kHasZ: a line's two ends, or a text's insertion (twice).
  struct stZ {
    double first;
    double second;
  };

  stStyle Style(std::uint8_t lineType, bool hasZ) const;
  std::uint32_t NextHandle();
  void Check(const stPoint& p) {
    Check(p.x);
    Check(p.y);
    Check(p.z);
  }
  void Check(double value) { finite_ = finite_ && std::isfinite(value); }
  stPoint AnchoredCentre(double halfWidth, double halfHeight) const;
  void DrawClosedPath(const std::vector<stPoint>& corners);

  class csFileWriter;

  std::ostream& stream_;
  std::uint32_t lastHandle_ = 0;
  stPoint current_{0.0, 0.0, 0.0};
  NameIndex layer_ = 0;      // layer "0"
  std::uint8_t colour_ = 0;  // 256, by layer
  int alignment_ = 4;
  std::uint8_t lineType_ = 0;  // BYLAYER
  double textHeight_ = 1.0;
  double rotation_ = 0.0;
  bool finite_ = true;
  std::vector<std::string> layerNames_{"0"};  // every layer an entity has been drawn on
  std::vector<std::string> layers_;
  // Kept in blocks: a drawing of millions of entities grows without moving them.
  std::deque<stLine> lines_;
  std::deque<stText> texts_;
  std::deque<stCircle> circles_;
  std::deque<stZ> lineZs_;  // of the lines with kHasZ, in their order
  std::deque<stZ> textZs_;
  std::string textPool_;
};

}  // namespace znDraw
