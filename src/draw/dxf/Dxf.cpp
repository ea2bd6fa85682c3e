// The DXF writer: the pen state, and the two layouts of a drawing that write its file.
#include "draw/dxf/Dxf.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "draw/dxf/DxfFile.h"

namespace znDraw {

namespace {

bool IsLeftColumn(int code) {
  return code == 0 || code == 3 || code == 6;
}
bool IsCentreColumn(int code) {
  return code == 1 || code == 4 || code == 7;
}
bool IsRightColumn(int code) {
  return code == 2 || code == 5 || code == 8;
}
bool IsTopRow(int code) {
  return code >= 0 && code <= 2;
}
bool IsMiddleRow(int code) {
  return code >= 3 && code <= 5;
}
bool IsBottomRow(int code) {
  return code >= 6 && code <= 8;
}

int HorizontalJustification(int code) {
  if (IsCentreColumn(code)) return 1;
  if (IsRightColumn(code)) return 2;
  return 0;
}

int VerticalJustification(int code) {
  if (IsTopRow(code)) return 3;
  if (IsMiddleRow(code)) return 2;
  if (IsBottomRow(code)) return 1;
  return 0;
}

// Values the file writes alike: -0 and 0 are written apart.
bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

csDxf::csDxf(std::ostream& stream) : stream_(stream) {}

csDxf::~csDxf() = default;

void csDxf::AddLayer(const std::string& name) {
  if (std::find(layers_.begin(), layers_.end(), name) == layers_.end()) layers_.push_back(name);
  drawn_.layers = layers_.size();
}

void csDxf::SetLayer(const std::string& name) {
  if (layerNames_[layer_] == name) return;
  const auto index = std::find(layerNames_.begin(), layerNames_.end(), name) - layerNames_.begin();
  if (static_cast<std::size_t>(index) == layerNames_.size()) {
    if (layerNames_.size() > std::numeric_limits<NameIndex>::max()) {
      throw std::length_error("too many layers in the drawing");
    }
    layerNames_.push_back(name);
    drawn_.layerNames = layerNames_.size();
  }
  layer_ = static_cast<NameIndex>(index);
}

void csDxf::SetColor(int code) {
  colour_ = static_cast<std::uint8_t>((code >= 0 && code <= 5) ? code + 1 : 7);
}

void csDxf::SetAlign(int code) {
  alignment_ = code;
}

void csDxf::SetLineType(int code) {
  // Codes 1 to 3 are DASHED, DOT and DASHDOT; every other code is CONTINUOUS.
  lineType_ = static_cast<std::uint8_t>((code >= 1 && code <= 3) ? code + 1 : 1);
}

void csDxf::NoOperation(std::uint32_t, std::uint32_t) {}

void csDxf::SetRotation(double degrees) {
  rotation_ = degrees;
}

void csDxf::SetTextHeight(double height) {
  textHeight_ = height;
}

void csDxf::MoveTo(double x, double y, double z) {
  current_ = {x, y, z};
}

void csDxf::LineTo(double x, double y, double z) {
  const stPoint end{x, y, z};
  Check(current_);
  Check(end);
  const std::uint32_t handle = NextHandle();
  ++drawn_.lines;
  if (file_) {
    // A line with both ends at z 0 is written flat, even where a z is -0.
    const bool flat = current_.z == 0.0 && end.z == 0.0;
    file_->WriteLine(handle, Style(lineType_), {current_.x, current_.y, flat ? 0.0 : current_.z},
                     {end.x, end.y, flat ? 0.0 : end.z});
  }
  current_ = end;
}

void csDxf::Text(const std::string& text) {
  Check(current_);
  Check(textHeight_);
  Check(rotation_);
  const auto justification = static_cast<std::uint8_t>(HorizontalJustification(alignment_) * 4 +
                                                       VerticalJustification(alignment_));
  const std::uint32_t handle = NextHandle();
  ++drawn_.texts;
  if (file_) KeepText({handle, Style(justification), current_.x, current_.y}, text);
}

void csDxf::Circle(double radius) {
  const stPoint centre = AnchoredCentre(radius, radius);
  Check(centre);
  Check(radius);
  const std::uint32_t handle = NextHandle();
  ++drawn_.circles;
  if (file_) circles_.push_back({handle, Style(0), centre, radius});
}

void csDxf::Cross(double width, double height) {
  const stPoint pen = current_;
  const stPoint c = AnchoredCentre(width / 2.0, height / 2.0);
  const double dx = width / 2.0;
  const double dy = height / 2.0;
  MoveTo(c.x - dx, c.y - dy, c.z);
  LineTo(c.x + dx, c.y + dy, c.z);
  MoveTo(c.x - dx, c.y + dy, c.z);
  LineTo(c.x + dx, c.y - dy, c.z);
  current_ = pen;
}

void csDxf::RectangleByCorners(double width, double height, double /*depth*/) {
  const stPoint c = AnchoredCentre(width / 2.0, height / 2.0);
  const double dx = width / 2.0;
  const double dy = height / 2.0;
  const stPoint lowerLeft{c.x - dx, c.y - dy, c.z};
  const stPoint upperLeft{c.x - dx, c.y + dy, c.z};
  const stPoint upperRight{c.x + dx, c.y + dy, c.z};
  const stPoint lowerRight{c.x + dx, c.y - dy, c.z};
  DrawClosedPath({lowerRight, lowerLeft, upperLeft, upperRight});
}

void csDxf::Rectangle(double width, double height) {
  const stPoint c = AnchoredCentre(width / 2.0, height / 2.0);
  const double dx = width / 2.0;
  const double dy = height / 2.0;
  DrawClosedPath({{c.x - dx, c.y - dy, c.z},
                  {c.x - dx, c.y + dy, c.z},
                  {c.x + dx, c.y + dy, c.z},
                  {c.x + dx, c.y - dy, c.z}});
}

void csDxf::BeginWriting() {
  counted_ = drawn_;
  drawn_.lines = drawn_.texts = drawn_.circles = 0;
  writing_ = true;
  if (stream_) {
    file_ = std::make_unique<csFileWriter>(*this, stream_);
    file_->WriteHead(lastHandle_);
  }
  lastHandle_ = 0;
  ResetPen();
}

void csDxf::EndWriting() {
  if (!writing_ || drawn_ != counted_) {
    throw std::logic_error("the drawing written is not the drawing laid out");
  }
  writing_ = false;
  if (file_) file_->WriteTail();
  file_.reset();
  texts_ = {};
  textSizes_ = {};
  textZs_ = {};
  textPool_ = {};
  circles_ = {};
}

// A text keeps its z, height and rotation aside only when they are not those of most texts.
void csDxf::KeepText(stText kept, const std::string& text) {
  if (current_.z != 0.0) {
    kept.style.colour |= kHasZ;
    textZs_.push_back(current_.z);
  }
  const stTextSize size{textHeight_, rotation_};
  if (texts_.empty() || !SameBits(size.height, lastTextSize_.height) ||
      !SameBits(size.rotation, lastTextSize_.rotation)) {
    kept.style.colour |= kNewSize;
    textSizes_.push_back(size);
    lastTextSize_ = size;
  }
  texts_.push_back(kept);
  const auto length = static_cast<std::uint32_t>(text.size());
  if (length < 0xFF) {
    textPool_ += static_cast<char>(length);
  } else {
    textPool_ += static_cast<char>(0xFF);
    char bytes[sizeof length];
    std::memcpy(bytes, &length, sizeof length);
    textPool_.append(bytes, sizeof length);
  }
  textPool_ += text;
}

// The state of a new writer: the second layout starts where the first did.
void csDxf::ResetPen() {
  current_ = {0.0, 0.0, 0.0};
  layer_ = 0;
  colour_ = 0;
  alignment_ = 4;
  lineType_ = 0;
  textHeight_ = 1.0;
  rotation_ = 0.0;
}

// The centre of a box whose side or corner named by the alignment code touches the pen; an
// unknown code leaves the centre on the pen.
csDxf::stPoint csDxf::AnchoredCentre(double halfWidth, double halfHeight) const {
  stPoint centre = current_;
  if (IsLeftColumn(alignment_)) centre.x += halfWidth;
  if (IsRightColumn(alignment_)) centre.x -= halfWidth;
  if (IsTopRow(alignment_)) centre.y -= halfHeight;
  if (IsBottomRow(alignment_)) centre.y += halfHeight;
  return centre;
}

// Draws the outline through the corners and back to the first, then returns the pen.
void csDxf::DrawClosedPath(const std::vector<stPoint>& corners) {
  const stPoint pen = current_;
  MoveTo(corners.front().x, corners.front().y, corners.front().z);
  for (std::size_t i = 1; i <= corners.size(); ++i) {
    const stPoint& p = corners[i % corners.size()];
    LineTo(p.x, p.y, p.z);
  }
  current_ = pen;
}

}  // namespace znDraw
