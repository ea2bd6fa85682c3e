// Frames built in code for the analysis tests: records first, then the live model built in the
// order of a run (nodes, linked members with their edge loads, walls, spring supports).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/makers/MatrixMaker2DWallElement.h"
#include "fem/makers/SimulEquation.h"
#include "fem/model/EachDone.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementMgr.h"
#include "fem/model/NodeMgr.h"
#include "fem/model/SpringSupportMaker.h"
#include "fem/model/SpringSupportMgr.h"
#include "fem/model/WallElementMgr.h"

namespace modelbuild {

using namespace znFEM::znTraceYield2DRahmen;

inline constexpr std::array<bool, 3> kFree{false, false, false};
inline constexpr std::array<bool, 3> kFixed{true, true, true};
inline constexpr std::array<bool, 3> kPinned{true, true, false};
inline constexpr std::array<bool, 3> kRoller{false, true, false};  // carries y only

// Force resultant: x, y and the moment about the origin.
struct Resultant {
  double X = 0.0;
  double Y = 0.0;
  double M = 0.0;
};

class TestModel {
 public:
  explicit TestModel(std::uint32_t caseN = 1)
      : caseN_(caseN),
        elementMgr_(frameMaker_, nullptr),
        wallMgr_(&wallMaker_, nullptr),
        springMgr_(frameMaker_) {}

  // --- records (references stay valid until the next record of the same kind) ---
  NodeProp& AddNode(const std::string& id, double x, double y,
                    std::array<bool, 3> supported = kFree) {
    NodeProp& node = nodeRecords_.emplace_back();
    node.ID = id;
    node.Coordinate = {x, y};
    node.IsSupported = supported;
    node.ImposedLoads.assign(caseN_, Triple{0.0, 0.0, 0.0});
    node.ImposedDisps.assign(caseN_, Triple{0.0, 0.0, 0.0});
    return node;
  }
  void SetLoad(const std::string& id, Triple load, std::uint32_t loadCase = 0) {
    Find(nodeRecords_, id).ImposedLoads.at(loadCase) = load;
  }
  void SetDisp(const std::string& id, Triple disp, std::uint32_t loadCase = 0) {
    Find(nodeRecords_, id).ImposedDisps.at(loadCase) = disp;
  }
  // Kappa 0: no shear deformation unless the test sets it.
  ElementProp& AddMember(const std::string& id, const std::string& nodeI, const std::string& nodeJ,
                         double E, double A, double I) {
    ElementProp& member = elementRecords_.emplace_back();
    member.ID = id;
    member.NodeID = {nodeI, nodeJ};
    member.E = E;
    member.A = A;
    member.I = I;
    member.Poisson = 0.3;
    member.Kappa = 0.0;
    member.FixCases.assign(caseN_, FixCaseLoad{});
    return member;
  }
  ElementProp& Member(const std::string& id) { return Find(elementRecords_, id); }
  // A uniform load per length over the whole member, member y axis.
  void AddUniformLoad(const std::string& elementID, double qy, std::uint32_t loadCase = 0) {
    EdgeLoadDistributedProp& load = distributed_.emplace_back();
    load.ID = elementID;
    load.LoadNumber = loadCase;
    load.LoadI = {0.0, qy};
    load.LoadJ = {0.0, qy};
    load.ECrd = true;
  }
  WallElementProp& AddWall(const std::string& id, std::array<std::string, 4> nodes) {
    WallElementProp& wall = wallRecords_.emplace_back();
    wall.ID = id;
    wall.NodeID = {{nodes[0], nodes[1]}, {nodes[2], nodes[3]}};
    wall.A = 0.6;
    wall.E = 2.0e4;
    wall.I = 0.45;
    wall.Poisson = 0.25;
    wall.Kappa = 1.2;
    wall.IsLaGiven = {false, false};
    return wall;
  }
  SpringSupportProp& AddSpring(const std::string& nodeID, Triple coef) {
    SpringSupportProp& spring = springRecords_.emplace_back(MakeSpringSupportProp(nodeID, coef));
    spring.ImposedDisp.assign(caseN_, Triple{0.0, 0.0, 0.0});
    return spring;
  }

  // --- the live model ---
  void Build() {
    for (const NodeProp& node : nodeRecords_) nodeMgr_.MakeNode(node);
    for (ElementProp& member : elementRecords_) {
      member.Node = {nodeMgr_.GetNode(member.NodeID[0]), nodeMgr_.GetNode(member.NodeID[1])};
    }
    for (WallElementProp& wall : wallRecords_) {
      wall.Node = {
          {nodeMgr_.GetNode(wall.NodeID.first.first), nodeMgr_.GetNode(wall.NodeID.first.second)},
          {nodeMgr_.GetNode(wall.NodeID.second.first),
           nodeMgr_.GetNode(wall.NodeID.second.second)}};
    }
    csEdgeLoadFixCase edgeLoads(nullptr);
    edgeLoads.SetElements(elementRecords_);
    edgeLoads.Apply({}, {}, distributed_);
    for (const ElementProp& member : elementRecords_) elementMgr_.MakeElement(member);
    for (const WallElementProp& wall : wallRecords_) wallMgr_.MakeWallElement(wall);
    const fnSpringSupportMaker makeSpring(nodeMgr_, springMgr_);
    for (SpringSupportProp& spring : springRecords_) makeSpring(spring);
  }
  // Ordinary nodes followed by the spring-support ground nodes; members likewise.
  std::vector<ifNode*> Nodes() const { return Joined(nodeMgr_.GetNodes(), springMgr_.GetNodes()); }
  std::vector<ifElement*> Elements() const {
    return Joined(elementMgr_.GetElements(), springMgr_.GetElements());
  }
  std::vector<ifWallElement*> Walls() const { return wallMgr_.GetWallElements(); }
  ifNode* Node(const std::string& id) const { return nodeMgr_.GetNode(id); }
  ifNode* SpringNode(const std::string& id) const { return springMgr_.GetNode(id); }
  ifElement* Element(const std::string& id) const { return elementMgr_.GetElement(id); }

  // Sum of the node forces of the supported directions: the reactions. A spring-support ground
  // node acts at the node it supports.
  Resultant Reactions() const {
    Resultant r;
    for (const ifNode* node : Nodes()) {
      const std::array<bool, 3> supported = node->GetIsSupported();
      const Triple f = node->GetForce();
      const std::array<double, 2> at = PositionOf(node);
      const double fx = supported[0] ? f[0] : 0.0;
      const double fy = supported[1] ? f[1] : 0.0;
      r.X += fx;
      r.Y += fy;
      r.M += at[0] * fy - at[1] * fx + (supported[2] ? f[2] : 0.0);
    }
    return r;
  }

  // A step solver over this model's lists.
  void Attach(ifEachDone& stepSolver) const {
    stepSolver.SetNodes(Nodes());
    stepSolver.SetElements(Elements());
    stepSolver.SetWallElements(Walls());
  }

 private:
  template <class Record>
  static Record& Find(std::vector<Record>& records, const std::string& id) {
    for (Record& record : records) {
      if (record.ID == id) return record;
    }
    throw std::invalid_argument("no test record " + id);
  }
  std::array<double, 2> PositionOf(const ifNode* node) const {
    for (const SpringSupportProp& spring : springRecords_) {
      if (spring.SpringNodeID == node->GetProp().ID) return spring.ConnectNode->GetCoordinate();
    }
    return node->GetCoordinate();
  }
  template <class T>
  static std::vector<T*> Joined(const std::vector<T*>& a, const std::vector<T*>& b) {
    std::vector<T*> all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
  }

  std::uint32_t caseN_;
  znFEM::znMatrixMaker::csMatrixMaker2DRahmen frameMaker_;
  znFEM::znMatrixMaker::csMatrixMaker2DWallElement wallMaker_;
  std::vector<NodeProp> nodeRecords_;
  std::vector<ElementProp> elementRecords_;
  std::vector<WallElementProp> wallRecords_;
  std::vector<SpringSupportProp> springRecords_;
  std::vector<EdgeLoadDistributedProp> distributed_;
  csNodeMgr nodeMgr_{nullptr};
  csElementMgr elementMgr_;
  csWallElementMgr wallMgr_;
  csSpringSupportMgr springMgr_;
};

}  // namespace modelbuild
