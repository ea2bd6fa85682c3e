// A small frame for the structure drawing tests: a portal 4000 wide and 3000 high whose beam
// has rigid zones, a pin at its I end and loads, with a wall filling the bay.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "draw/structure/StructureDrawing.h"

namespace drawtest {

using namespace znFEM::znTraceYield2DRahmen;

inline NodeProp Node(const std::string& id, double x, double y) {
  NodeProp node;
  node.ID = id;
  node.Coordinate = {x, y};
  return node;
}

inline ElementProp Member(const std::string& id, const std::string& i, const std::string& j) {
  ElementProp member;
  member.ID = id;
  member.NodeID = {i, j};
  return member;
}

inline EdgeLoadConcentratedProp PointLoad(const std::string& id, double pos, double y) {
  EdgeLoadConcentratedProp load;
  load.ID = id;
  load.Pos = pos;
  load.Load = {0.0, y, 0.0};
  load.ECrd = true;
  return load;
}

inline EdgeLoadDistributedProp Uniform(const std::string& id, double q) {
  EdgeLoadDistributedProp load;
  load.ID = id;
  load.LoadI = {0.0, q};
  load.LoadJ = {0.0, q};
  load.ECrd = true;
  return load;
}

inline znDraw::StructureRecords Portal() {
  znDraw::StructureRecords r;
  r.Nodes = {Node("N1", 0, 0), Node("N2", 0, 3000), Node("N3", 4000, 3000), Node("N4", 4000, 0)};
  r.Elements = {Member("C1", "N1", "N2"), Member("B1", "N2", "N3"), Member("C2", "N4", "N3")};
  r.Elements[1].Lij = {200.0, 300.0};
  r.Elements[1].IsRotarySpring = {true, false};
  r.Elements[1].Kij = {0.0, kInfinite};
  r.ConcentratedLoads = {PointLoad("B1", 2000.0, -10000.0)};
  r.DistributedLoads = {Uniform("B1", -2.0)};
  WallElementProp wall;
  wall.ID = "W1";
  wall.NodeID = {{"N1", "N2"}, {"N4", "N3"}};
  wall.IsLaGiven = {false, false};
  r.WallElements = {wall};
  return r;
}

// Columns in tension 9000 with end moments, the beam simply supported at its pin.
inline znDraw::StructureState PortalState() {
  znDraw::StructureState s;
  s.Elements["C1"].FaceForceI = {-9000.0, 1500.0, -2.0e6};
  s.Elements["B1"].FaceForceI = {1500.0, 8000.0, 0.0};
  s.Elements["C2"].FaceForceI = {-9000.0, -1500.0, 2.0e6};
  s.WallElements["W1"].EdgeForce = {{0.0, 2000.0, 3.0e6}, {0.0, -2000.0, 5.0e6}};
  return s;
}

inline std::string Write(const znDraw::StructureRecords& records,
                         const std::vector<znDraw::StructureState>& states,
                         const znDraw::DxfProp& prop = znDraw::DxfProp{},
                         bool withStepLabels = false) {
  std::ostringstream file;
  znDraw::csDxf dxf(file);
  znDraw::WriteStructureDrawing(dxf, prop, records, states, withStepLabels);
  return file.str();
}

}  // namespace drawtest
