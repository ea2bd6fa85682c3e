// The DXF writer's file: the group-code layout of the header, the tables and the entities, and
// the handles of the table heads and records, which continue the entity handles. Only the DXF
// writer uses it.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "draw/dxf/Dxf.h"

namespace znDraw {

class csDxf::csFileWriter {
 public:
  csFileWriter(const csDxf& dxf, std::ostream& stream);

  // The header and the tables of a drawing of entityCount entities, and the head of the entity
  // section.
  void WriteHead(std::uint32_t entityCount);
  void WriteLine(std::uint32_t handle, const stStyle& style, const stPoint& from,
                 const stPoint& to);
  // The texts and circles the writer kept, the end of the entity section and of the file.
  void WriteTail();

 private:
  void WriteHeader(std::uint32_t entityCount);
  void WriteTables();
  void WriteLineTypeTable();
  void WriteLayerTable();
  void WriteTableHead(const char* name, std::size_t recordCount);
  void WriteEntityHead(std::string_view kindAndHandleCode, std::uint32_t handle,
                       const stStyle& style);
  void WriteTexts();
  void WriteText(const stText& text, const stTextSize& size, double z, std::string_view chars);
  void WriteCircle(const stCircle& circle);
  const std::string& LayerLine(NameIndex layer);
  void PointGroups(std::string_view xCode, const stPoint& point);

  void Code(int code);
  void Value(std::string_view value);
  void Group(int code, const char* value);
  void Group(int code, std::string_view value);
  void Group(int code, const std::string& value) { Group(code, std::string_view(value)); }
  void Group(int code, int value);
  void Group(int code, double value);
  void HandleGroup(std::uint32_t handle);
  void Piece(std::string_view text) { buffer_.append(text); }
  void IntValue(int value);
  void RealValue(double value);
  void HandleValue(std::uint32_t handle);
  void Flush();

  const csDxf& dxf_;
  std::ostream& os_;
  std::uint32_t handle_ = 0;  // the last table handle written
  std::string buffer_;
  std::vector<std::string> layerLines_;  // the entity layer names, each on one line
};

}  // namespace znDraw
