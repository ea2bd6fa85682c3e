// Reads back a DXF file written by csDxf: its layer names and its entities with their groups.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dxftest {

struct Entity {
  std::string kind;
  std::map<int, std::string> groups;  // the first value of each group code

  std::string Str(int code) const {
    const auto found = groups.find(code);
    return found == groups.end() ? "" : found->second;
  }
  double Num(int code) const { return std::stod(Str(code)); }
};

struct Drawing {
  std::vector<std::string> layers;
  std::vector<Entity> entities;
  bool complete = false;  // ends with EOF

  std::vector<Entity> Of(const std::string& kind, const std::string& layer) const {
    std::vector<Entity> found;
    for (const Entity& e : entities)
      if (e.kind == kind && e.Str(8) == layer) found.push_back(e);
    return found;
  }
  std::vector<Entity> LinesOn(const std::string& layer) const { return Of("LINE", layer); }
  std::vector<Entity> TextsOn(const std::string& layer) const { return Of("TEXT", layer); }
  std::vector<Entity> CirclesOn(const std::string& layer) const { return Of("CIRCLE", layer); }
};

inline Drawing Parse(const std::string& file) {
  std::istringstream is(file);
  Drawing d;
  std::string code, value, section;
  Entity current;
  const auto close = [&] {
    if (section == "ENTITIES" && !current.kind.empty()) d.entities.push_back(current);
    if (current.kind == "LAYER") d.layers.push_back(current.Str(2));
  };
  while (std::getline(is, code) && std::getline(is, value)) {
    const int c = std::stoi(code);
    if (c != 0) {
      current.groups.emplace(c, value);
      if (c == 2 && current.kind == "SECTION") section = value;
      continue;
    }
    close();
    current = Entity{value, {}};
    d.complete = value == "EOF";
  }
  return d;
}

}  // namespace dxftest
