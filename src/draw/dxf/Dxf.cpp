// The DXF writer: pen state, entity collection and the ASCII DXF file layout.
#include "draw/dxf/Dxf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "clock/PhaseClock.h"

namespace znDraw {

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

// Significant digits of every real in the file: enough for coordinates in millimetres over a
// structure of kilometres, few enough to hide binary rounding noise (12.7 + 6.35 prints 19.05).
constexpr int kRealDigits = 12;
// Whole numbers below this have at most kRealDigits digits and are written in full.
constexpr double kWholeLimit = 1e12;

// Line type names by the index an entity keeps: the pen's initial type, then the codes of
// SetLineType.
constexpr const char* kLineTypeNames[] = {"BYLAYER", "CONTINUOUS", "DASHED", "DOT", "DASHDOT"};
constexpr const char* kTextStyle = "Standard";

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
// following group code of the file.
bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of("\n\r") != std::string_view::npos;
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
    for (const stLine& line : dxf_.lines_) WriteLine(line);
    for (const stText& text : dxf_.texts_) WriteText(text);
    for (const stCircle& circle : dxf_.circles_) WriteCircle(circle);
    Group(0, "ENDSEC");
  }

  void WriteEntityHead(const char* kind, std::uint32_t handle, NameIndex layer, int colour) {
    Group(0, kind);
    HandleGroup(handle);
    Group(100, "AcDbEntity");
    Group(8, dxf_.layerNames_[layer]);
    Group(62, colour);
  }

  void WriteLine(const stLine& line) {
    WriteEntityHead("LINE", line.handle, line.layer, line.colour);
    Group(6, kLineTypeNames[line.lineType]);
    Group(100, "AcDbLine");
    PointGroups(10, line.start);
    PointGroups(11, line.end);
  }

  void WriteText(const stText& text) {
    WriteEntityHead("TEXT", text.handle, text.layer, text.colour);
    Group(100, "AcDbText");
    PointGroups(10, text.insertion);
    Group(40, text.height);
    Group(50, text.rotation);
    Group(1, text.text);
    Group(7, kTextStyle);
    Group(72, text.horizontal);
    PointGroups(11, text.insertion);
    Group(100, "AcDbText");
    Group(73, text.vertical);
  }

  void WriteCircle(const stCircle& circle) {
    WriteEntityHead("CIRCLE", circle.handle, circle.layer, circle.colour);
    Group(100, "AcDbCircle");
    PointGroups(10, circle.centre);
    Group(40, circle.radius);
  }

  void PointGroups(int code, const stPoint& point) {
    Group(code, point.x);
    Group(code + 10, point.y);
    Group(code + 20, point.z);
  }

  // The group code right-aligned in three columns, as %3d writes it.
  void Code(int code) {
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
  void Group(int code, std::string_view value) {
    Code(code);
    if (!HoldsLineBreak(value)) return Value(value);
    std::string oneLine(value);
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
    Value(oneLine);
  }
  void Group(int code, const char* value) { Group(code, std::string_view(value)); }
  void Group(int code, const std::string& value) { Group(code, std::string_view(value)); }
  void Group(int code, int value) {
    Code(code);
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  // Shortest of fixed and scientific notation at kRealDigits significant digits, as %.12g.
  // Most values of a drawing are whole numbers of fewer digits (zero z, node coordinates,
  // angles, text heights); %.12g writes those as the integer, which is quicker to format.
  void Group(int code, double value) {
    Code(code);
    char digits[64];
    const char* end = nullptr;
    if (value > -kWholeLimit && value < kWholeLimit && value == std::trunc(value) &&
        !(value == 0.0 && std::signbit(value))) {
      end = std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value)).ptr;
    } else {
      end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general,
                          kRealDigits)
                .ptr;
    }
    Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void HandleGroup(std::uint32_t handle) {
    Code(5);
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
};

csDxf::csDxf(std::ostream& stream) : stream_(stream) {}

void csDxf::AddLayer(const std::string& name) {
  if (std::find(layers_.begin(), layers_.end(), name) == layers_.end()) layers_.push_back(name);
}

void csDxf::SetLayer(const std::string& name) {
  if (layerNames_[layer_] == name) return;
  const auto found = std::find(layerNames_.begin(), layerNames_.end(), name);
  layer_ = static_cast<NameIndex>(found - layerNames_.begin());
  if (found == layerNames_.end()) layerNames_.push_back(name);
}

void csDxf::SetColor(int code) {
  colour_ = static_cast<std::uint16_t>((code >= 0 && code <= 5) ? code + 1 : 7);
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
  lines_.push_back({NextHandle(), layer_, colour_, lineType_, current_, end});
  current_ = end;
}

void csDxf::Text(const std::string& text) {
  Check(current_);
  Check(textHeight_);
  Check(rotation_);
  texts_.push_back({NextHandle(), layer_, colour_,
                    static_cast<std::uint8_t>(HorizontalJustification(alignment_)),
                    static_cast<std::uint8_t>(VerticalJustification(alignment_)), current_,
                    textHeight_, rotation_, text});
}

void csDxf::Circle(double radius) {
  const stPoint centre = AnchoredCentre(radius, radius);
  Check(centre);
  Check(radius);
  circles_.push_back({NextHandle(), layer_, colour_, centre, radius});
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
