// The DXF writer's file layout: group codes and their values, one per line.
#include "draw/dxf/DxfFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <vector>

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

// The characters of the text at pos in the text pool, where each text follows its length: one
// byte below 255, else 255 and four bytes. Leaves pos after the text.
std::string_view PooledText(const std::string& pool, std::size_t& pos) {
  std::uint32_t length = static_cast<unsigned char>(pool[pos++]);
  if (length == 0xFF) {
    std::memcpy(&length, pool.data() + pos, sizeof length);
    pos += sizeof length;
  }
  const std::string_view text(pool.data() + pos, length);
  pos += length;
  return text;
}

}  // namespace

csDxf::csFileWriter::csFileWriter(const csDxf& dxf, std::ostream& stream) : dxf_(dxf), os_(stream) {
  buffer_.reserve(kBufferBytes + 512);
}

void csDxf::csFileWriter::WriteHead(std::uint32_t entityCount) {
  handle_ = entityCount;
  WriteHeader(entityCount);
  WriteTables();
  Group(0, "SECTION");
  Group(2, "ENTITIES");
}

void csDxf::csFileWriter::WriteTail() {
  WriteTexts();
  for (const stCircle& circle : dxf_.circles_) WriteCircle(circle);
  Group(0, "ENDSEC");
  Group(0, "EOF");
  Flush();
}

void csDxf::csFileWriter::WriteHeader(std::uint32_t entityCount) {
  Group(0, "SECTION");
  Group(2, "HEADER");
  Group(9, "$ACADVER");
  Group(1, "AC1015");
  Group(9, "$DWGCODEPAGE");
  Group(3, "ANSI_932");
  // The next free handle: one more than the highest handle in the file, tables included.
  const std::uint32_t ltype = 1 + static_cast<std::uint32_t>(LineTypeRecords().size());
  const auto layerCount = static_cast<std::uint32_t>(dxf_.layers_.size());
  const std::uint32_t tableHandles = ltype + (layerCount == 0 ? 0 : 1 + layerCount);
  Group(9, "$HANDSEED");
  HandleGroup(entityCount + tableHandles + 1);
  Group(0, "ENDSEC");
}

void csDxf::csFileWriter::WriteTables() {
  Group(0, "SECTION");
  Group(2, "TABLES");
  WriteLineTypeTable();
  if (!dxf_.layers_.empty()) WriteLayerTable();
  Group(0, "ENDSEC");
}

void csDxf::csFileWriter::WriteLineTypeTable() {
  WriteTableHead("LTYPE", LineTypeRecords().size());
  for (const stLineTypeRecord& record : LineTypeRecords()) {
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
  Group(0, "ENDTAB");
}

void csDxf::csFileWriter::WriteLayerTable() {
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

void csDxf::csFileWriter::WriteTableHead(const char* name, std::size_t recordCount) {
  Group(0, "TABLE");
  Group(2, name);
  HandleGroup(++handle_);
  Group(100, "AcDbSymbolTable");
  Group(70, static_cast<int>(recordCount));
}

// An entity is written as fixed pieces of the file (its group codes with the writer's own
// values) between the values of the drawing, each value on a line of its own.
void csDxf::csFileWriter::WriteEntityHead(std::string_view kindAndHandleCode, std::uint32_t handle,
                                          const stStyle& style) {
  Piece(kindAndHandleCode);
  HandleValue(handle);
  Piece("100\nAcDbEntity\n  8\n"sv);
  Value(LayerLine(style.layer));
  const int colour = style.colour & ~kFlags;
  Piece(" 62\n"sv);
  IntValue(colour == 0 ? 256 : colour);
}

void csDxf::csFileWriter::WriteLine(std::uint32_t handle, const stStyle& style, const stPoint& from,
                                    const stPoint& to) {
  WriteEntityHead("  0\nLINE\n  5\n"sv, handle, style);
  Piece("  6\n"sv);
  Value(kLineTypeNames[style.lineType]);
  Piece("100\nAcDbLine\n"sv);
  PointGroups(" 10\n"sv, from);
  PointGroups(" 11\n"sv, to);
}

void csDxf::csFileWriter::WriteTexts() {
  auto size = dxf_.textSizes_.begin();
  auto z = dxf_.textZs_.begin();
  stTextSize current{0.0, 0.0};
  std::size_t pos = 0;
  for (const stText& text : dxf_.texts_) {
    if ((text.style.colour & kNewSize) != 0) current = *size++;
    const double textZ = (text.style.colour & kHasZ) != 0 ? *z++ : 0.0;
    WriteText(text, current, textZ, PooledText(dxf_.textPool_, pos));
  }
}

void csDxf::csFileWriter::WriteText(const stText& text, const stTextSize& size, double z,
                                    std::string_view chars) {
  WriteEntityHead("  0\nTEXT\n  5\n"sv, text.handle, text.style);
  Piece("100\nAcDbText\n"sv);
  const stPoint insertion{text.x, text.y, z};
  PointGroups(" 10\n"sv, insertion);
  Piece(" 40\n"sv);
  RealValue(size.height);
  Piece(" 50\n"sv);
  RealValue(size.rotation);
  Group(1, chars);
  Piece("  7\n"sv);
  Value(kTextStyle);
  Piece(" 72\n"sv);
  IntValue(text.style.lineType / 4);
  PointGroups(" 11\n"sv, insertion);
  Piece("100\nAcDbText\n 73\n"sv);
  IntValue(text.style.lineType % 4);
}

void csDxf::csFileWriter::WriteCircle(const stCircle& circle) {
  WriteEntityHead("  0\nCIRCLE\n  5\n"sv, circle.handle, circle.style);
  Piece("100\nAcDbCircle\n"sv);
  PointGroups(" 10\n"sv, circle.centre);
  Piece(" 40\n"sv);
  RealValue(circle.radius);
}

const std::string& csDxf::csFileWriter::LayerLine(NameIndex layer) {
  while (layerLines_.size() <= layer) {
    layerLines_.push_back(OneLine(dxf_.layerNames_[layerLines_.size()]));
  }
  return layerLines_[layer];
}

// x, y and z under the group codes c, c + 10 and c + 20 (c from 10 to 19).
void csDxf::csFileWriter::PointGroups(std::string_view xCode, const stPoint& point) {
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
void csDxf::csFileWriter::Code(int code) {
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

void csDxf::csFileWriter::Value(std::string_view value) {
  buffer_.append(value);
  buffer_ += '\n';
  if (buffer_.size() >= kBufferBytes) Flush();
}

// The writer's own words hold no line break.
void csDxf::csFileWriter::Group(int code, const char* value) {
  Code(code);
  Value(value);
}

// Names and texts of the drawing, kept on one line.
void csDxf::csFileWriter::Group(int code, std::string_view value) {
  Code(code);
  if (HoldsLineBreak(value)) return Value(OneLine(value));
  Value(value);
}

void csDxf::csFileWriter::Group(int code, int value) {
  Code(code);
  IntValue(value);
}

void csDxf::csFileWriter::Group(int code, double value) {
  Code(code);
  RealValue(value);
}

void csDxf::csFileWriter::HandleGroup(std::uint32_t handle) {
  Code(5);
  HandleValue(handle);
}

void csDxf::csFileWriter::IntValue(int value) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void csDxf::csFileWriter::RealValue(double value) {
  char digits[kRealTextBytes];
  const char* end = WriteReal(digits, value);
  Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void csDxf::csFileWriter::HandleValue(std::uint32_t handle) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, handle, 16).ptr;
  Value(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void csDxf::csFileWriter::Flush() {
  os_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

}  // namespace znDraw
