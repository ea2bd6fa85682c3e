// Nodes and member records shared by the frame element tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/model/ElementProp.h"
#include "fem/model/Node.h"

namespace elementtest {

using namespace znFEM::znTraceYield2DRahmen;

// Section of every test member: EA = 1e4, EI = 1000, no shear deformation (kappa 0).
inline constexpr double kA = 10.0;
inline constexpr double kE = 1000.0;
inline constexpr double kI = 1.0;
inline constexpr double kEI = kE * kI;
inline constexpr double kEA = kE * kA;

// Owns the nodes the members of one test frame into.
class Frame {
 public:
  csNode* AddNode(const std::string& id, double x, double y) {
    NodeProp prop;
    prop.ID = id;
    prop.Coordinate = {x, y};
    return AddNode(prop);
  }
  csNode* AddNode(const NodeProp& prop) {
    nodes_.push_back(std::make_unique<csNode>(nullptr));
    nodes_.back()->SetProp(prop);
    return nodes_.back().get();
  }

  znFEM::znMatrixMaker::csMatrixMaker2DRahmen maker;

 private:
  std::vector<std::unique_ptr<csNode>> nodes_;
};

inline ElementProp MemberProp(const std::string& id, ifNode* i, ifNode* j) {
  ElementProp prop;
  prop.ID = id;
  prop.Node = {i, j};
  prop.NodeID = {i->GetProp().ID, j->GetProp().ID};
  prop.A = kA;
  prop.E = kE;
  prop.I = kI;
  prop.Poisson = 0.3;
  prop.Kappa = 0.0;
  return prop;
}

}  // namespace elementtest
