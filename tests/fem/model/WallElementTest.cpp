// Wall elements: reference points, rigid-body motion of the nodes, results per edge in wall
// axes, and the records and lookups that are rejected.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "fem/model/NodeMgr.h"
#include "fem/model/WallElement.h"
#include "fem/model/WallElementMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using znMatrix::Vector;
using Corners = std::array<std::array<double, 2>, 4>;  // ia, ib, ja, jb

const znFEM::znMatrixMaker::csMatrixMaker2DWallElement kMaker;

// Owns the nodes; builds each wall record on four new ones.
class Walls {
 public:
  WallElementProp Record(const std::string& id, const Corners& corners) {
    ifNode* n[4];
    for (int k = 0; k < 4; ++k) {
      NodeProp node;
      node.ID = std::to_string(count_++);
      node.Coordinate = corners[k];
      n[k] = nodes_.MakeNode(node);
    }
    return {.ID = id,
            .Node = {{n[0], n[1]}, {n[2], n[3]}},
            .NodeID = {{n[0]->GetProp().ID, n[1]->GetProp().ID},
                       {n[2]->GetProp().ID, n[3]->GetProp().ID}},
            .A = 0.6,
            .E = 2.0e4,
            .I = 0.45,
            .Poisson = 0.25,
            .Kappa = 1.2,
            .IsLaGiven = {false, false}};
  }

 private:
  csNodeMgr nodes_{nullptr};
  int count_ = 0;
};

// Left out, La puts the reference point at the middle of its edge (and is written back);
// given, it is measured from node a. Edge I runs from (0, 4) down to (0, 0), J from (5, 3)
// down to (5, 1).
TEST(WallElement, ReferencePointsSitAtLaOrTheEdgeMiddle) {
  Walls walls;
  for (bool given : {false, true}) {
    WallElementProp p = walls.Record("W", {{{0, 4}, {0, 0}, {5, 3}, {5, 1}}});
    p.IsLaGiven = {given, given};
    p.La = {1.0, 0.5};  // pI = (0, 3), pJ = (5, 2.5); the middles are (0, 2) and (5, 2)
    csWallElement wall(nullptr, &kMaker);
    wall.SetProp(p);
    const auto& g = wall.GetStiffnessProp();
    const double dy = given ? -0.5 : 0.0;
    EXPECT_DOUBLE_EQ(g.L, std::hypot(5.0, dy));
    EXPECT_DOUBLE_EQ(g.Angle, std::atan2(dy, 5.0));
    EXPECT_DOUBLE_EQ(g.AngleIJ.first, -g.Angle);  // vertical edges with a above b
    EXPECT_DOUBLE_EQ(g.Lj.second, given ? 1.5 : 1.0);
    EXPECT_EQ(wall.GetProp().La, given ? std::make_pair(1.0, 0.5) : std::make_pair(2.0, 1.0));
  }
}

// Inclined, skewed walls with unequal parts and shares and edge springs: two translations and
// an in-plane rotation of the four nodes give no force; node rotations carry nothing.
TEST(WallElement, RigidMotionOfItsNodesCausesNoForce) {
  struct Case {
    Corners corners;
    std::pair<bool, bool> laGiven;
    WallElementProp::RealPair alphaI, alphaJ;
    double kwg;
  };
  const Case cases[] = {
      {{{{0.3, 3.1}, {-0.2, 0.1}, {4.2, 2.4}, {3.9, -0.6}}}, {true, false}, {1, 0}, {0.3, 2}, 30},
      {{{{1, 1}, {3, -2}, {6, 4}, {7, 1}}}, {true, true}, {0, 2}, {1.5, 0.5}, 0},
      {{{{0, 0}, {0, 5}, {-3, 1}, {-4, 6}}}, {false, true}, {2, 1}, {1, 1}, 7},
  };
  Walls walls;
  for (const Case& c : cases) {
    WallElementProp p = walls.Record("W", c.corners);
    p.IsLaGiven = c.laGiven;
    p.La = {0.8, 0.6};
    p.AlphaY = {c.alphaI, c.alphaJ};
    p.Kwg = c.kwg;
    csWallElement wall(nullptr, &kMaker);
    wall.SetProp(p);
    const auto& K = wall.GetStiffness();
    Vector rotation(12, 0.0), translationX(12, 0.0), translationY(12, 0.0);
    for (int k = 0; k < 4; ++k) {
      rotation[3 * k] = -c.corners[k][1];
      rotation[3 * k + 1] = c.corners[k][0];
      rotation[3 * k + 2] = 1.0;
      translationX[3 * k] = translationY[3 * k + 1] = 1.0;
    }
    const double tol = 1e-12 * K.Get(6, 6);  // round-off against a typical stiffness entry
    for (const Vector& u : {rotation, translationX, translationY}) {
      for (double f : znMatrix::MultiplyVector(K, u)) EXPECT_NEAR(f, 0.0, tol);
    }
    for (znMatrix::Index r : {2u, 5u, 8u, 11u})
      for (znMatrix::Index j = 0; j < 12; ++j) EXPECT_EQ(K.Get(r, j), 0.0) << r << "," << j;
  }
}

// Rectangle 4 wide and 3 high turned by beta; edge I held, edge J moved by (dx, dy, psi) in
// wall axes about its reference point; two updates of 0.25 and 0.5. Edge J's resultant is the
// member end force (axially EA/L·dx) and edge I balances it. A wall never limits a step.
TEST(WallElement, ResultsAccumulatePerEdgeInWallAxes) {
  const double beta = 0.5, c = std::cos(beta), s = std::sin(beta), L = 4.0;
  auto turn = [&](double x, double y) {
    return std::array<double, 2>{c * x - s * y, s * x + c * y};
  };
  Walls walls;
  csWallElement wall(nullptr, &kMaker);
  wall.SetProp(walls.Record("W", {{turn(0, 1.5), turn(0, -1.5), turn(L, 1.5), turn(L, -1.5)}}));
  const double dx = 1e-3, dy = -2e-3, psi = 5e-4, r = 0.75;
  Vector d(12, 0.0);
  for (int k : {2, 3}) {
    const auto g = turn(dx - psi * (k == 2 ? 1.5 : -1.5), dy);
    d[3 * k] = g[0];
    d[3 * k + 1] = g[1];
  }
  wall.SetDispIncrement(d);
  wall.Update(0.25);
  wall.Update(0.5);
  const Triple forceJ = wall.GetEdgeForce().second;
  EXPECT_NEAR(forceJ[0], r * 2.0e4 * 0.6 / L * dx, 1e-9);
  const Triple forceI{-forceJ[0], -forceJ[1], -forceJ[2] - L * forceJ[1]};
  const Triple dispJ{r * dx, r * dy, r * psi};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(wall.GetEdgeForce().first[i], forceI[i], 1e-9) << i;
    EXPECT_NEAR(wall.GetEdgeDisp().second[i], dispJ[i], 1e-15) << i;
    EXPECT_NEAR(wall.GetEdgeDisp().first[i], 0.0, 1e-15) << i;
  }
  EXPECT_NEAR(wall.GetDisp()[6], r * (dx - psi * 1.5), 1e-15);  // node ja in wall axes
  EXPECT_NEAR(wall.GetForce()[6] + wall.GetForce()[9], forceJ[0], 1e-12);
  EXPECT_EQ(wall.GetNextRatio(), std::make_pair(kInfinite, kInfinite));
  EXPECT_FALSE(wall.IsFailed());
}

template <class Ex>
Ex Caught(const std::function<void()>& f) {
  try {
    f();
  } catch (const Ex& e) {
    return e;
  }
  ADD_FAILURE() << "nothing thrown";
  return Ex{};
}

TEST(WallElement, RejectedRecordsAndLookups) {
  Walls walls;
  csWallElementMgr mgr(&kMaker, nullptr);
  auto make = [&](const WallElementProp& p) { return [&mgr, p] { mgr.MakeWallElement(p); }; };
  const Corners box{{{0, 3}, {0, 0}, {4, 3}, {4, 0}}};
  const auto same = Caught<csWallElement::exTwoNodesAreSamePosition>(
      make(walls.Record("W", {{{0, 3}, {0, 0}, {0, 0}, {4, 0}}})));  // ib and ja
  EXPECT_EQ((std::array{same.Edge0, same.Node0, same.Edge1, same.Node1}), (std::array{0, 1, 1, 0}));
  // Shares and La are refused with the edge they belong to (checked with the conductor's
  // reports). Crossing edges whose middles meet at (1, 1):
  WallElementProp p = walls.Record("W", {{{0, 0}, {2, 2}, {0, 2}, {2, 0}}});
  EXPECT_EQ(Caught<csWallElement::exLIsEqualToZero>(make(p)).ID, "W");

  EXPECT_TRUE(mgr.GetWallElements().empty());  // rejected records are not kept
  ifWallElement* made = mgr.MakeWallElement(walls.Record("W", box));
  EXPECT_EQ(mgr.GetWallElement("W"), made);
  EXPECT_EQ(
      Caught<csWallElementMgr::exItIsMakingDuplicatedWallElement>(make(walls.Record("W", box))).ID,
      "W");
  EXPECT_EQ(Caught<csWallElementMgr::exSpecifiedWallElementIsnotExist>([&] {
              mgr.GetWallElement("W9");
            }).ID,
            "W9");
}

}  // namespace
