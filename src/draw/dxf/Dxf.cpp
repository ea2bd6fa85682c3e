// The DXF writer: pen state, entity collection and the ASCII DXF file layout.
#include "draw/dxf/Dxf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "clock/PhaseClock.h"
#include "draw/dxf/DxfReal.h"

namespace znDraw {

using namespace std::string_view_literals;

namespace {

struct stLineTypeRecord {
  const char* name;
  const char* description;
  std::vector<double> elements;  // dash, gap, dash, gap ... as positive lengths
};

const std::vector<stLineTypeRecord>& LineTypeRecords() {
  static const std::vector<stLineTypeRecord> records = {
      {"DOT", "Dot . . . . . . . . . .", {1.0, 6.35}},
      {"DASHED", "Dashed __ __ __ __ __ __", {12.7, 6.35}},
      {"DASHDOT", "Dash Dot __ . __ . __ . __ . __ .", {12.7, 6.35, 1.0, 6.35}},
  };
  return records;
}

// Line type names by the index an entity keeps: the pen's initial type, then the codes of
// SetLineType.
constexpr std::string_view kLineTypeNames[] = {"BYLAYER", "CONTINUOUS", "DASHED", "DOT", "DASHDOT"};
constexpr std::string_view kTextStyle = "Standard";

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

// A value line must stay one line: a line break inside a name or text would shift every
// following group code of the file, so each becomes a blank.
bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of("\n\r") != std::string_view::npos;
}
std::string OneLine(std::string_view text) {
  std::string oneLine(text);
  std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
  std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
  return oneLine;
}

// The lines of the group codes below kCodeCount, each as %3d and its line feed.
constexpr int kCodeCount = 128;
const std::array<std::array<char, 4>, kCodeCount>& CodeLines() {
  static const auto lines = [] {
    std::array<std::array<char, 4>, kCodeCount> made{};
    for (int code = 0; code < kCodeCount; ++code) {
      made[static_cast<std::size_t>(code)] = {
          code >= 100 ? static_cast<char>('0' + code / 100) : ' ',
          code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ',
          static_cast<char>('0' + code % 10), '\n'};
    }
    return made;
  }();
  return lines;
}

// The file text is gathered in a buffer and handed to the stream in large pieces.
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

}  // namespace

// Writes one file: the group-code layout, and the handles of the table heads and records,
// which continue the entity handles.
class csDxf::csFileWriter {
 public:
  csFileWriter(const csDxf& dxf, std::ostream& stream)
      : dxf_(dxf), os_(stream), handle_(dxf.lastHandle_) {
    buffer_.reserve(kBufferBytes + 512);
    for (const std::string& name : dxf_.layerNames_) layerLines_.push_back(OneLine(name));
  }

  void WriteFile() {
    WriteHeader();
    WriteTables();
    WriteEntities();
    Group(0, "EOF");
    Flush();
  }

 private:
  std::uint32_t TableHandleCount() const {
    const std::uint32_t ltype = 1 + static_cast<std::uint32_t>(LineTypeRecords().size());
    const auto layerCount = static_cast<std::uint32_t>(dxf_.layers_.size());
    return ltype + (layerCount == 0 ? 0 : 1 + layerCount);
  }

  void WriteHeader() {
    Group(0, "SECTION");
    Group(2, "HEADER");
    Group(9, "$ACADVER");
    Group(1, "AC1015");
    Group(9, "$DWGCODEPAGE");
    Group(3, "ANSI_932");
    // The next free handle: one more than the highest handle in the file, tables included.
    Group(9, "$HANDSEED");
    HandleGroup(dxf_.lastHandle_ + TableHandleCount() + 1);
    Group(0, "ENDSEC");
  }

  void WriteTables() {
    Group(0, "SECTION");
    Group(2, "TABLES");
    WriteLineTypeTable();
    if (!dxf_.layers_.empty()) WriteLayerTable();
    Group(0, "ENDSEC");
  }

  void WriteLineTypeTable() {
    WriteTableHead("LTYPE", LineTypeRecords().size());
    for (const stLineTypeRecord& record : LineTypeRecords()) WriteLineTypeRecord(record);
    Group(0, "ENDTAB");
  }

  void WriteLineTypeRecord(const stLineTypeRecord& record) {
    Group(0, "LTYPE");
    HandleGroup(++handle_);
    Group(100, "AcDbSymbolTableRecord");
    Group(100, "AcDbLinetypeTableRecord");
    Group(2, record.name);
    Group(70, 64);
    Group(3, record.description);
    Group(72, 65);
    Group(73, static_cast<int>(record.elements.size()));
    double total = 0.0;
    for (double length : record.elements) total += length;
    Group(40, total);
    bool dash = true;
    for (double length : record.elements) {
      Group(49, dash ? length : -length);
      dash = !dash;
    }
  }

  void WriteLayerTable() {
    WriteTableHead("LAYER", dxf_.layers_.size());
    for (const std::string& name : dxf_.layers_) {
      Group(0, "LAYER");
      HandleGroup(++handle_);
      Group(100, "AcDbSymbolTableRecord");
      Group(100, "AcDbLayerTableRecord");
      Group(2, name);
      Group(70, 0);
      Group(62, 1);
      Group(6, "CONTINUOUS");
    }
    Group(0, "ENDTAB");
  }

  void WriteTableHead(const char* name, std::size_t recordCount) {
    Group(0, "TABLE");
    Group(2, name);
    HandleGroup(++handle_);
    Group(100, "AcDbSymbolTable");
    Group(70, static_cast<int>(recordCount));
  }

  void WriteEntities() {
    Group(0, "SECTION");
    Group(2, "ENTITIES");
    auto lineZ = dxf_.lineZs_.begin();
    for (const stLine& line : dxf_.lines_) {
      WriteLine(line, (line.style.colour & kHasZ) != 0 ? *lineZ++ : stZ{0.0, 0.0});
    }
    auto textZ = dxf_.textZs_.begin();
    for (const stText& text : dxf_.texts_) {
      WriteText(text, (text.style.colour & kHasZ) != 0 ? *textZ++ : stZ{0.0, 0.0});
    }
    for (const stCircle& circle : dxf_.circles_) WriteCircle(circle);
    Group(0, "ENDSEC");
  }

  // An entity is written as fixed pieces of the file (its group codes with the writer's own
  // values) between the values of the drawing, each value on a line of its own.
  void WriteEntityHead(std::string_view kindAndHandleCode, std::uint32_t handle,
                       const stStyle& style) {
    Piece(kindAndHandleCode);
    HandleValue(handle);
    Piece("100\nAcDbEntity\n  8\n"sv);
    Value(layerLines_[style.layer]);
    const int colour = style.colour & ~kHasZ;
    Piece(" 62\n"sv);
    IntValue(colour == 0 ? 256 : colour);
  }

  void WriteLine(const stLine& line, const stZ& z) {
    WriteEntityHead("  0\nLINE\n  5\n"sv, line.handle, line.style);
    Piece("  6\n"sv);
    Value(kLineTypeNames[line.style.lineType]);
    Piece("100\nAcDbLine\n"sv);
    PointGroups(" 10\n"sv, {line.x0, line.y0, z.first});
    PointGroups(" 11\n"sv, {line.x1, line.y1, z.second});
  }

  void WriteText(const stText& text, const stZ& z) {
    WriteEntityHead("  0\nTEXT\n  5\n"sv, text.handle, text.style);
    Piece("100\nAcDbText\n"sv);
    const stPoint insertion{text.x, text.y, z.first};
    PointGroups(" 10\n"sv, insertion);
    Piece(" 40\n"sv);
    RealValue(text.height);
    Piece(" 50\n"sv);
    RealValue(text.rotation);
    Group(1, std::string_view(dxf_.textPool_).substr(text.offset, text.length));
    Piece("  7\n"sv);
    Value(kTextStyle);
    Piece(" 72\n"sv);
    IntValue(text.style.lineType / 4);
    PointGroups(" 11\n"sv, insertion);
    Piece("100\nAcDbText\n 73\n"sv);
    IntValue(text.style.lineType % 4);
  }

  void WriteCircle(const stCircle& circle) {
    WriteEntityHead("  0\nCIRCLE\n  5\n"sv, circle.handle, circle.style);
    Piece("100\nAcDbCircle\n"sv);
    PointGroups(" 10\n"sv, circle.centre);
    Piece(" 40\n"sv);
    RealValue(circle.radius);
  }

  // x, y and z under the group codes c, c + 10 and c + 20 (c from 10 to 19).
  void PointGroups(std::string_view xCode, const stPoint& point) {
    char code[4] = {xCode[0], xCode[1], xCode[2], '\n'};
    Piece(std::string_view(code, 4));
    RealValue(point.x);
    ++code[1];
    Piece(std::string_view(code, 4));
    RealValue(point.y);
    ++code[1];
    Piece(std::string_view(code, 4));
    RealValue(point.z);
  }

  // The group code right-aligned in three columns, as %3d writes it.
  void Code(int code) {
    if (code >= 0 && code < kCodeCount) {
      buffer_.append(CodeLines()[static_cast<std::size_t>(code)].data(), 4);
      return;
    }
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, code).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < 3) buffer_.append(3 - length, ' ');
    buffer_.append(digits, length);
    buffer_ += '\n';
  }
  void Value(std::string_view value) {
    buffer_.append(value);
    buffer_ += '\n';
    if (buffer_.size() >= kBufferBytes) Flush();
  }
  // The writer's own words hold no line break.
  void Group(int code, const char* value) {
    Code(code);
    Value(value);
  }
  // Names and texts of the drawing, kept on one line.
  void Group(int code, std::string_view value) {
    Code(code);
    if (HoldsLineBreak(value)) return Value(OneLine(value));
    Value(value);
  }
  void Group(int code, const std::string& value) { Group(code, std::string_view(value)); }
  void Group(int code, int value) {
    Code(code);
    IntValue(value);
  }
  void Group(int code, double value) {
    Code(code);
    RealValue(value);
  }
  void HandleGroup(std::uint32_t handle) {
    Code(5);
    HandleValue(handle);
  }
  void Piece(std::string_view text) { buffer_.append(text); }
  void IntValue(int value) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void RealValue(double value) {
    char digits[kRealTextBytes];
    const char* end = WriteReal(digits, value);
    Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void HandleValue(std::uint32_t handle) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, handle, 16).ptr;
    Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void Flush() {
    os_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  const csDxf& dxf_;
  std::ostream& os_;
  std::uint32_t handle_;
  std::string buffer_;
  std::vector<std::string> layerLines_;  // the entity layer names, each on one line
};

csDxf::csDxf(std::ostream& stream) : stream_(stream) {}

void csDxf::AddLayer(const std::string& name) {
  if (std::find(layers_.begin(), layers_.end(), name) == layers_.end()) layers_.push_back(name);
}

void csDxf::SetLayer(const std::string& name) {
  if (layerNames_[layer_] == name) return;
  const auto index = std::find(layerNames_.begin(), layerNames_.end(), name) - layerNames_.begin();
  if (static_cast<std::size_t>(index) == layerNames_.size()) {
    if (layerNames_.size() > std::numeric_limits<NameIndex>::max()) {
      throw std::length_error("too many layers in the drawing");
    }
    layerNames_.push_back(name);
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
  const bool hasZ = current_.z != 0.0 || end.z != 0.0;
  if (hasZ) lineZs_.push_back({current_.z, end.z});
  lines_.push_back({NextHandle(), Style(lineType_, hasZ), current_.x, current_.y, end.x, end.y});
  current_ = end;
}

void csDxf::Text(const std::string& text) {
  Check(current_);
  Check(textHeight_);
  Check(rotation_);
  const bool hasZ = current_.z != 0.0;
  if (hasZ) textZs_.push_back({current_.z, current_.z});
  const auto justification = static_cast<std::uint8_t>(HorizontalJustification(alignment_) * 4 +
                                                       VerticalJustification(alignment_));
  texts_.push_back({NextHandle(), Style(justification, hasZ), current_.x, current_.y, textHeight_,
                    rotation_, static_cast<std::uint32_t>(textPool_.size()),
                    static_cast<std::uint32_t>(text.size())});
  textPool_ += text;
}

void csDxf::Circle(double radius) {
  const stPoint centre = AnchoredCentre(radius, radius);
  Check(centre);
  Check(radius);
  circles_.push_back({NextHandle(), Style(0, false), centre, radius});
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

void csDxf::Write() const {
  if (!stream_) return;
  const znClock::csPhase phase(znClock::Phase::Dxf);
  csFileWriter(*this, stream_).WriteFile();
}

csDxf::stStyle csDxf::Style(std::uint8_t lineType, bool hasZ) const {
  return {layer_, static_cast<std::uint8_t>(colour_ | (hasZ ? kHasZ : 0)), lineType};
}

std::uint32_t csDxf::NextHandle() {
  return ++lastHandle_;
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
