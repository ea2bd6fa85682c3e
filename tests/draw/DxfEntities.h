// Reads back a DXF file written by csDxf: its layer names and its LINE, TEXT and CIRCLE
// entities with the groups the structure drawing tests look at.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace dxftest {

struct Line {
  std::string layer;
  int colour;
  double x1, y1, x2, y2;
};
struct Text {
  std::string layer;
  int colour;
  std::string text;
  double x, y, height, rotation;
  int horizontal, vertical;  // justification codes 72 and 73
};
struct Circle {
  std::string layer;
  double x, y, radius;
};

struct Drawing {
  std::vector<std::string> layers;
  std::vector<Line> lines;
  std::vector<Text> texts;
  std::vector<Circle> circles;
  bool complete = false;  // ends with EOF

  std::vector<Line> LinesOn(const std::string& layer) const {
    std::vector<Line> found;
    for (const Line& l : lines)
      if (l.layer == layer) found.push_back(l);
    return found;
  }
  std::vector<Text> TextsOn(const std::string& layer) const {
    std::vector<Text> found;
    for (const Text& t : texts)
      if (t.layer == layer) found.push_back(t);
    return found;
  }
  std::vector<Circle> CirclesOn(const std::string& layer) const {
    std::vector<Circle> found;
    for (const Circle& c : circles)
      if (c.layer == layer) found.push_back(c);
    return found;
  }
};

inline Drawing Parse(const std::string& file) {
  std::istringstream is(file);
  std::vector<std::pair<int, std::string>> groups;
  std::string code, value;
  while (std::getline(is, code) && std::getline(is, value))
    groups.emplace_back(std::stoi(code), value);
  Drawing d;
  d.complete = !groups.empty() && groups.back() == std::make_pair(0, std::string("EOF"));
  std::string kind;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const auto& [c, v] = groups[i];
    if (c == 0) {
      kind = v;
      if (kind == "LINE") d.lines.push_back({});
      if (kind == "TEXT") d.texts.push_back({});
      if (kind == "CIRCLE") d.circles.push_back({});
      continue;
    }
    if (kind == "LAYER" && c == 2) d.layers.push_back(v);
    if (kind == "LINE") {
      Line& l = d.lines.back();
      if (c == 8) l.layer = v;
      if (c == 62) l.colour = std::stoi(v);
      if (c == 10) l.x1 = std::stod(v);
      if (c == 20) l.y1 = std::stod(v);
      if (c == 11) l.x2 = std::stod(v);
      if (c == 21) l.y2 = std::stod(v);
    }
    if (kind == "TEXT") {
      Text& t = d.texts.back();
      if (c == 8) t.layer = v;
      if (c == 62) t.colour = std::stoi(v);
      if (c == 1) t.text = v;
      if (c == 10) t.x = std::stod(v);
      if (c == 20) t.y = std::stod(v);
      if (c == 40) t.height = std::stod(v);
      if (c == 50) t.rotation = std::stod(v);
      if (c == 72) t.horizontal = std::stoi(v);
      if (c == 73) t.vertical = std::stoi(v);
    }
    if (kind == "CIRCLE") {
      Circle& ci = d.circles.back();
      if (c == 8) ci.layer = v;
      if (c == 10) ci.x = std::stod(v);
      if (c == 20) ci.y = std::stod(v);
      if (c == 40) ci.radius = std::stod(v);
    }
  }
  return d;
}

}  // namespace dxftest
