// The DXF writer: turns the lines, texts and circles drawn through ifDraw into one ASCII DXF file
// (header, line type and layer tables, entities). The file is written from two layouts of the
// same drawing, so that a drawing of millions of lines is never held in memory: the first keeps
// no entity, it checks that every number is finite and counts what the header and the tables
// need (the entity handles, the layers); the second writes each line to the file as it is drawn
// and keeps the texts and circles, which the file holds after the lines, compactly until its end.
#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "draw/dxf/Draw.h"

namespace znDraw {

class csDxf : public ifDraw {
 public:
  explicit csDxf(std::ostream& stream);
  ~csDxf() override;
  csDxf(const csDxf&) = delete;
  csDxf& operator=(const csDxf&) = delete;

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
  // Whether the stream can take the file; the second layout is of no use otherwise.
  bool IsWritable() const { return static_cast<bool>(stream_); }

  // Ends the first layout: writes the header and the tables (whose handles follow the entity
  // handles), then sets the pen back to its first state for the second layout. Nothing is
  // written when the stream is in a failed state.
  void BeginWriting();
  // Ends the second layout: writes its texts and circles and the end of the file. Throws
  // std::logic_error when the second layout drew other entities or layers than the first: the
  // header written would not fit the file.
  void EndWriting();

  struct stPoint {
    double x;
    double y;
    double z;
  };

 private:
  // Entities name their layer by its place in layerNames_ and their line type by its place in
  // the line type names of the writer; every text is in the one text style. Colour numbers 1 to
  // 255 are kept in a byte, 0 standing for 256 (by layer); the flags below take its top bits.
  using NameIndex = std::uint16_t;
  struct stStyle {
    NameIndex layer;
    std::uint8_t colour;
    std::uint8_t lineType;  // a line's; a text's justification, horizontal * 4 + vertical
  };
  // The entities kept through the second layout, compact as a drawing may hold millions of
  // texts: a text keeps its height and rotation aside only when they differ from the text's
  // before it (kNewSize), its z aside only when not 0 (kHasZ), and its characters in the text
  // pool, each text after its length.
  static constexpr std::uint8_t kHasZ = 0x80;
  static constexpr std::uint8_t kNewSize = 0x40;
  static constexpr std::uint8_t kFlags = kHasZ | kNewSize;
  struct stText {
    std::uint32_t handle;
    stStyle style;
    double x, y;
  };
  struct stTextSize {
    double height;
    double rotation;
  };
  struct stCircle {
    std::uint32_t handle;
    stStyle style;
    stPoint centre;
    double radius;
  };
  // What a layout drew: the entities of each kind, the layers registered and drawn on.
  struct stCount {
    std::uint32_t lines = 0;
    std::uint32_t texts = 0;
    std::uint32_t circles = 0;
    std::size_t layers = 0;
    std::size_t layerNames = 0;
    bool operator==(const stCount&) const = default;
  };

  stStyle Style(std::uint8_t lineType) const { return {layer_, colour_, lineType}; }
  std::uint32_t NextHandle() { return ++lastHandle_; }
  void Check(const stPoint& p) {
    Check(p.x);
    Check(p.y);
    Check(p.z);
  }
  void Check(double value) { finite_ = finite_ && std::isfinite(value); }
  stPoint AnchoredCentre(double halfWidth, double halfHeight) const;
  void DrawClosedPath(const std::vector<stPoint>& corners);
  void KeepText(stText kept, const std::string& text);
  void ResetPen();

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
  stCount drawn_;    // by the layout under way
  stCount counted_;  // by the first layout, while the second is drawn
  // The file of the second layout; none before it, or when the stream had failed.
  std::unique_ptr<csFileWriter> file_;
  bool writing_ = false;  // the second layout is under way
  // Kept in blocks: millions of entities grow without moving them.
  std::deque<stText> texts_;
  std::deque<stTextSize> textSizes_;
  std::deque<double> textZs_;
  std::string textPool_;
  stTextSize lastTextSize_{0.0, 0.0};
  std::deque<stCircle> circles_;
};

}  // namespace znDraw
