// Wall elements: geometry from the nodes, rigid-body motion, results per edge in wall axes,
// the logger's calls, rejected records and the manager.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "fem/model/NodeMgr.h"
#include "fem/model/WallElement.h"
#include "fem/model/WallElementMgr.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;
using znFEM::znMatrixMaker::csMatrixMaker2DWallElement;
using znMatrix::Vector;
using TriplePair = ifWallElement::TriplePair;

const csMatrixMaker2DWallElement kMaker;

// Owns the nodes; builds wall records on four of them.
class Walls {
 public:
  Walls() : nodes_(nullptr) {}

  WallElementProp Record(const std::string& id, std::array<std::array<double, 2>, 4> corners) {
    WallElementProp p;
    p.ID = id;
    ifNode* n[4];
    for (int k = 0; k < 4; ++k) {
      NodeProp node;
      node.ID = "N" + std::to_string(count_++);
      node.Coordinate = corners[k];
      n[k] = nodes_.MakeNode(node);
    }
    p.Node = {{n[0], n[1]}, {n[2], n[3]}};
    p.NodeID = {{n[0]->GetProp().ID, n[1]->GetProp().ID}, {n[2]->GetProp().ID, n[3]->GetProp().ID}};
    p.A = 0.6;
    p.E = 2.0e4;
    p.I = 0.45;
    p.Poisson = 0.25;
    p.Kappa = 1.2;
    p.IsLaGiven = {false, false};
    return p;
  }

 private:
  csNodeMgr nodes_;
  int count_ = 0;
};

double MaxAbs(const Vector& v) {
  double m = 0.0;
  for (double x : v) m = std::max(m, std::fabs(x));
  return m;
}

TEST(WallElement, ReferencePointsDefaultToEdgeMiddles) {
  Walls walls;
  WallElementProp p = walls.Record("W", {{{0, 4}, {0, 0}, {5, 3}, {5, 1}}});
  csWallElement wall(nullptr, &kMaker);
  wall.SetProp(p);
  EXPECT_DOUBLE_EQ(wall.GetProp().La.first, 2.0);
  EXPECT_DOUBLE_EQ(wall.GetProp().La.second, 1.0);
  EXPECT_DOUBLE_EQ(wall.GetStiffnessProp().L, 5.0);
  EXPECT_DOUBLE_EQ(wall.GetStiffnessProp().Angle, 0.0);

  p.IsLaGiven = {true, true};
  p.La = {1.0, 0.5};  // pI = (0, 3), pJ = (5, 2.5)
  csWallElement given(nullptr, &kMaker);
  given.SetProp(p);
  const auto& g = given.GetStiffnessProp();
  EXPECT_DOUBLE_EQ(g.L, std::hypot(5.0, 0.5));
  EXPECT_DOUBLE_EQ(g.Angle, std::atan2(-0.5, 5.0));
  EXPECT_DOUBLE_EQ(g.AngleIJ.first, -g.Angle);  // vertical edges with a above b
  EXPECT_DOUBLE_EQ(g.Lj.second, 1.5);
}

// Inclined, skewed walls with unequal parts and shares and edge springs: two translations
// and an in-plane rotation of the four nodes give no force; node rotations carry nothing.
TEST(WallElement, RigidMotionOfItsNodesCausesNoForce) {
  struct Case {
    std::array<std::array<double, 2>, 4> corners;
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
    const double scale = K.Get(6, 6);  // a typical stiffness entry
    for (const Vector& u : {rotation, translationX, translationY})
      EXPECT_LT(MaxAbs(znMatrix::MultiplyVector(K, u)), 1e-12 * scale);
    for (znMatrix::Index r : {2u, 5u, 8u, 11u})
      for (znMatrix::Index j = 0; j < 12; ++j) EXPECT_EQ(K.Get(r, j), 0.0) << r << "," << j;
  }
}

// Rectangle 4 wide and 3 high turned by beta; edge I held, edge J moved by (dx, dy, psi) in wall
// axes about its reference point; two updates of 0.25 and 0.5.
TEST(WallElement, ResultsAccumulatePerEdgeInWallAxes) {
  const double beta = 0.5, c = std::cos(beta), s = std::sin(beta), L = 4.0;
  auto turn = [&](double x, double y) {
    return std::array<double, 2>{c * x - s * y, s * x + c * y};
  };
  Walls walls;
  const WallElementProp p =
      walls.Record("W", {{turn(0, 1.5), turn(0, -1.5), turn(L, 1.5), turn(L, -1.5)}});
  csWallElement wall(nullptr, &kMaker);
  wall.SetProp(p);
  const double dx = 1e-3, dy = -2e-3, psi = 5e-4;
  Vector d(12, 0.0);
  for (int k : {2, 3}) {
    const double yLocal = k == 2 ? 1.5 : -1.5;
    const auto g = turn(dx - psi * yLocal, dy);
    d[3 * k] = g[0];
    d[3 * k + 1] = g[1];
  }
  wall.SetDispIncrement(d);
  wall.Update(0.25);
  wall.Update(0.5);
  const double r = 0.75;

  // Edge J's resultant is the member end force (axially EA/L·dx); edge I balances it.
  const Triple forceJ = wall.GetEdgeForce().second;
  EXPECT_NEAR(forceJ[0], r * 2.0e4 * 0.6 / L * dx, 1e-9);
  const Triple expectedForceI{-forceJ[0], -forceJ[1], -forceJ[2] - L * forceJ[1]};
  const Triple expectedDispJ{r * dx, r * dy, r * psi};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(wall.GetEdgeForce().first[i], expectedForceI[i], 1e-9) << i;
    EXPECT_NEAR(wall.GetEdgeDisp().second[i], expectedDispJ[i], 1e-15) << i;
    EXPECT_NEAR(wall.GetEdgeDisp().first[i], 0.0, 1e-15) << i;
  }
  EXPECT_NEAR(wall.GetDisp()[6], r * (dx - psi * 1.5), 1e-15);  // node ja in wall axes
  EXPECT_NEAR(wall.GetDisp()[7], r * dy, 1e-15);
  EXPECT_NEAR(wall.GetForce()[6] + wall.GetForce()[9], forceJ[0], 1e-12);
  // A wall never limits a step nor ends the analysis.
  EXPECT_EQ(wall.GetNextRatio(), std::make_pair(kInfinite, kInfinite));
  EXPECT_FALSE(wall.IsFailed());
}

// Writes one word per call, with the step number where there is one.
class CallRecorder : public csWallElement::ifLogger {
 public:
  void Prop(const WallElementProp&) override { calls += "Prop "; }
  void DispIncrement(const WallElementProp&, const Vector&) override { calls += "dDisp "; }
  void ForceIncrement(const WallElementProp&, const Vector&) override { calls += "dForce "; }
  void EdgeDispIncrement(const WallElementProp&, const TriplePair&) override { calls += "dED "; }
  void EdgeForceIncrement(const WallElementProp&, const TriplePair&) override { calls += "dEF "; }
  void Update(const WallElementProp&, double r) override { calls += "Update" + Num(r); }
  void Disp(const WallElementProp&, const Vector&) override { calls += "Disp "; }
  void Force(const WallElementProp&, const Vector&) override { calls += "Force "; }
  void EdgeDisp(const WallElementProp&, const TriplePair&) override { calls += "ED "; }
  void EdgeForce(const WallElementProp&, const TriplePair&) override { calls += "EF "; }
  void AnalysisStarted() override { calls += "Start "; }
  void AnalysisEnded() override { calls += "End "; }
  void StepStarted(std::uint32_t step) override { calls += "Step" + Num(step); }
  void StepEnded(std::uint32_t step) override { calls += "StepEnd" + Num(step); }

  std::string calls;

 private:
  template <class T>
  static std::string Num(T v) {
    return std::to_string(static_cast<int>(v * 10)) + " ";
  }
};

TEST(WallElement, TellsItsLoggerEachMoment) {
  Walls walls;
  CallRecorder log;
  csWallElement wall(&log, &kMaker);
  wall.SetProp(walls.Record("W", {{{0, 3}, {0, 0}, {4, 3}, {4, 0}}}));
  wall.BeginAnalysis();
  wall.BeginStep(7);
  wall.SetDispIncrement(Vector(12, 0.0));
  wall.Update(0.5);
  wall.EndStep(7);
  wall.EndAnalysis();
  EXPECT_EQ(log.calls,
            "Prop Start Step70 dDisp dForce dED dEF Update5 Disp Force ED EF StepEnd70 End ");
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

TEST(WallElement, RejectsBadGeometry) {
  Walls walls;
  csWallElement wall(nullptr, &kMaker);
  auto set = [&](const WallElementProp& p) { return [&wall, p] { wall.SetProp(p); }; };

  const auto same = Caught<csWallElement::exTwoNodesAreSamePosition>(
      set(walls.Record("S", {{{0, 3}, {0, 0}, {4, 3}, {0, 3}}})));
  EXPECT_EQ(same.ID, "S");
  EXPECT_EQ((std::array<int, 4>{same.Edge0, same.Node0, same.Edge1, same.Node1}),
            (std::array<int, 4>{0, 0, 1, 1}));

  WallElementProp noShare = walls.Record("A", {{{0, 3}, {0, 0}, {4, 3}, {4, 0}}});
  noShare.AlphaY.second = {0.0, 0.0};
  EXPECT_EQ(Caught<csWallElement::exBothAlphaYAreZero>(set(noShare)).Edge, 1);

  WallElementProp longLa = walls.Record("La", {{{0, 3}, {0, 0}, {4, 3}, {4, 0}}});
  longLa.IsLaGiven.first = true;
  longLa.La.first = 3.0;  // the whole of edge I
  EXPECT_EQ(Caught<csWallElement::exLaIsOverLij>(set(longLa)).Edge, 0);

  // Crossing edges whose middles meet at (1, 1).
  EXPECT_EQ(Caught<csWallElement::exLIsEqualToZero>(
                set(walls.Record("X", {{{0, 0}, {2, 2}, {0, 2}, {2, 0}}})))
                .ID,
            "X");
}

TEST(WallElementMgr, FindsWallsAndRejectsDuplicateUnknownAndBadRecords) {
  Walls walls;
  csWallElementMgr mgr(&kMaker, nullptr);
  const WallElementProp first = walls.Record("W1", {{{0, 3}, {0, 0}, {4, 3}, {4, 0}}});
  ifWallElement* made = mgr.MakeWallElement(first);
  EXPECT_EQ(mgr.GetWallElement("W1"), made);

  WallElementProp duplicate = walls.Record("W1", {{{9, 3}, {9, 0}, {14, 3}, {14, 0}}});
  EXPECT_EQ(Caught<csWallElementMgr::exItIsMakingDuplicatedWallElement>([&] {
              mgr.MakeWallElement(duplicate);
            }).ID,
            "W1");
  EXPECT_EQ(mgr.GetWallElement("W1")->GetNodes().second.first, first.Node.second.first);
  EXPECT_EQ(Caught<csWallElementMgr::exSpecifiedWallElementIsnotExist>([&] {
              mgr.GetWallElement("W9");
            }).ID,
            "W9");

  WallElementProp bad = walls.Record("W2", {{{0, 3}, {0, 0}, {4, 3}, {4, 0}}});
  bad.AlphaY.first = {0.0, 0.0};
  EXPECT_THROW(mgr.MakeWallElement(bad), csWallElement::exBothAlphaYAreZero);
  EXPECT_EQ(mgr.GetWallElements().size(), 1u);
  bad.AlphaY.first = {1.0, 1.0};
  mgr.MakeWallElement(bad);  // the rejected ID was not taken
  EXPECT_EQ(mgr.GetWallElements().back()->GetProp().ID, "W2");
}

}  // namespace
