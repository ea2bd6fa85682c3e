// The example models run through the executable, their reports checked against the hand
// checks stated in each file: closed forms of beams, statics of determinate structures and
// global equilibrium of the reactions with the applied nodal and member loads.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "draw/dxf/DxfEntities.h"
#include "e2e/CsvReport.h"
#include "e2e/RunModel.h"

namespace {

using frame2d::testing::csCsvReport;
using frame2d::testing::ReadExample;
using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

const std::string kSucceeded = "\nThe analysis has been succeeded.\n";
const char* const kLoad = "Node/NodeLoad";
const char* const kDisp = "Node/NodeDisp";
const char* const kStress = "ElementStress/Stress";
// Columns of the stress table: I-side axial force, shear and moment.
const std::size_t kAxial = 3, kShear = 4, kMoment = 5;
// Columns of a node table: X, Y, M.
const std::size_t kX = 1, kY = 2, kM = 3;

// The reports carry five significant digits; the solutions are exact up to rounding.
void ExpectValue(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-4 * std::fabs(expected) + 1e-6) << what;
}

class ExampleModel : public ::testing::Test {
 protected:
  csCsvReport Run(const char* example) {
    const auto outcome = RunModel(dir, ReadExample(example));
    EXPECT_EQ(outcome.exitCode, 0) << example;
    EXPECT_EQ(outcome.console, kSucceeded) << example;
    EXPECT_TRUE(outcome.pipe.size() >= 6 &&
                outcome.pipe.substr(outcome.pipe.size() - 6) == "&&End\n");
    EXPECT_TRUE(dxftest::Parse(outcome.dxf).complete) << example;
    return csCsvReport(outcome.csv);
  }
  ScratchDirectory dir;
};

TEST_F(ExampleModel, ContinuousBeamMatchesTheThreeMomentSolution) {
  const csCsvReport r = Run("continuous_beam.txt");
  const double w = 10.0, L = 6000.0;
  ExpectValue(r.Number(kLoad, {"N1"}, kY), 3 * w * L / 8, "end reaction N1");
  ExpectValue(r.Number(kLoad, {"N2"}, kY), 10 * w * L / 8, "middle reaction");
  ExpectValue(r.Number(kLoad, {"N3"}, kY), 3 * w * L / 8, "end reaction N3");
  ExpectValue(r.NumberOf(kStress, "B1", "0", kShear), 3 * w * L / 8, "shear at N1");
  ExpectValue(r.NumberOf(kStress, "B1", "1", kMoment), 9 * w * L * L / 128, "span moment at 3L/8");
  ExpectValue(r.NumberOf(kStress, "B1", "2", kShear), -5 * w * L / 8, "shear at N2");
  ExpectValue(r.NumberOf(kStress, "B1", "2", kMoment), -w * L * L / 8, "support moment");
  ExpectValue(r.NumberOf(kStress, "B1", "MaxM", 2), 3 * L / 8, "position of the largest moment");
  ExpectValue(r.NumberOf(kStress, "B1", "MaxM", kMoment), 9 * w * L * L / 128, "largest moment");
  // Neither walls nor spring supports: no section or table of theirs.
  EXPECT_EQ(r.sections, (std::vector<std::string>{"Analyze", "EdgeLoadFixCase", "Node", "Element",
                                                  "ElementStress"}));
  for (const char* table : {"Node/SpringSupportImposedDisp", "Node/SpringSupportNodeLoad",
                            "Node/SpringSupportNodeDisp"}) {
    EXPECT_FALSE(r.Has(table)) << table;
  }
}

TEST_F(ExampleModel, RigidZonesAndEndSpringsMatchTheirClosedForms) {
  const csCsvReport r = Run("rigid_zones_and_springs.txt");
  const double P = 30000.0, l0 = 5000.0, a = 500.0;
  ExpectValue(r.Number(kLoad, {"RA"}, kY), P / 2, "RA");
  ExpectValue(r.Number(kLoad, {"RA"}, kM), P * l0 / 8 + P / 2 * a, "node moment RA");
  ExpectValue(r.Number(kLoad, {"RB"}, kM), -(P * l0 / 8 + P / 2 * a), "node moment RB");
  ExpectValue(r.NumberOf(kStress, "R1", "0", kMoment), -P * l0 / 8, "face moment I");
  ExpectValue(r.NumberOf(kStress, "R1", "1", kMoment), P * l0 / 8, "midspan moment");
  // The point load makes the two sides differ at midspan: the shear drops by P.
  const auto& mid = r.FindOf(kStress, "R1", "1");
  EXPECT_NEAR(std::stod(mid[kShear]) - std::stod(mid[kShear + 3]), P, 1.0);

  const double w = 10.0, L = 4000.0, EI = 2.0e5 * 1.0e8, K = 1.0e10;
  const double end = w * L * L / 12 / (1 + 2 * EI / (K * L));
  ExpectValue(end, w * L * L / 24, "the spring halves the fixed-end moment");
  ExpectValue(r.Number(kLoad, {"SA"}, kY), w * L / 2, "SA");
  ExpectValue(r.NumberOf(kStress, "S1", "0", kMoment), -end, "end moment");
  ExpectValue(r.NumberOf(kStress, "S1", "1", kMoment), w * L * L / 8 - end, "midspan moment");
  // The held nodes do not turn: the springs take the end rotation.
  ExpectValue(r.Number("Element/EdgeDisp", {"S1", "I"}, kM), 0.0, "node rotation");
}

TEST_F(ExampleModel, SpringSupportWithSettlementFollowsTheStatics) {
  const csCsvReport r = Run("spring_settlement.txt");
  const double w = 8.0, L = 5000.0, k = 2000.0, settlement = 10.0, EI = 2.0e5 * 1.0e8;
  const double R = w * L / 2;
  ExpectValue(r.Number(kLoad, {"N1"}, kY), R, "pinned support");
  ExpectValue(r.Number("Node/SpringSupportNodeLoad", {"N2"}, kY), R, "spring force");
  ExpectValue(r.Number("Node/SpringSupportNodeDisp", {"N2"}, kY), -settlement, "ground end");
  ExpectValue(r.Number("Node/SpringSupportImposedDisp", {"N2"}, kY), -settlement, "settlement");
  const double drop = settlement + R / k;
  ExpectValue(r.Number(kDisp, {"N2"}, kY), -drop, "node on the spring");
  ExpectValue(r.Number(kDisp, {"N1"}, kM), -drop / L - w * L * L * L / (24 * EI), "rotation N1");
  ExpectValue(r.NumberOf(kStress, "B1", "0", kMoment), w * L * L / 8, "midspan moment");
  EXPECT_EQ(r.Find("Node/Coordinate", {"N2"}).at(7), "2.0000e+03");  // ky
}

TEST_F(ExampleModel, PortalFrameIsInEquilibrium) {
  const csCsvReport r = Run("portal.txt");
  const double H = 20000.0, P = 10000.0, w = 20.0, l0 = 5400.0;
  ExpectValue(r.Number(kLoad, {"N1"}, kX) + r.Number(kLoad, {"N4"}, kX), -(H + P), "sum X");
  ExpectValue(r.Number(kLoad, {"N1"}, kY) + r.Number(kLoad, {"N4"}, kY), w * l0, "sum Y");
  ExpectValue(r.Number(kLoad, {"N1"}, kM) + r.Number(kLoad, {"N4"}, kM) +
                  6000.0 * r.Number(kLoad, {"N4"}, kY),
              H * 4000.0 + P * 2000.0 + w * l0 * 3000.0, "moments about N1");
  const double shearI = r.NumberOf(kStress, "B1", "0", kShear);
  const double shearJ = r.NumberOf(kStress, "B1", "2", kShear);
  ExpectValue(shearI - shearJ, w * l0, "shear drop along the beam");
  const double faceI = r.NumberOf(kStress, "B1", "0", kMoment);
  const double faceJ = r.NumberOf(kStress, "B1", "2", kMoment);
  ExpectValue(r.NumberOf(kStress, "B1", "1", kMoment), (faceI + faceJ) / 2 + w * l0 * l0 / 8,
              "midspan moment");
  // The column's foot carries its reactions: axial force = -Y(N1) (compression), shear -X.
  ExpectValue(r.NumberOf(kStress, "C1", "0", kAxial), -r.Number(kLoad, {"N1"}, kY), "C1 axial");
  EXPECT_FALSE(r.Has("WallElement/Prop1"));
}

TEST_F(ExampleModel, WalledBayIsInEquilibriumAndTheWallTakesTheShear) {
  const csCsvReport r = Run("walled_bay.txt");
  const double H = 100000.0;
  ExpectValue(r.Number(kLoad, {"N1"}, kX) + r.Number(kLoad, {"N4"}, kX), -H, "sum X");
  EXPECT_NEAR(r.Number(kLoad, {"N1"}, kY) + r.Number(kLoad, {"N4"}, kY), 0.0, 1.0);
  ExpectValue(r.Number(kLoad, {"N1"}, kM) + r.Number(kLoad, {"N4"}, kM) +
                  6000.0 * r.Number(kLoad, {"N4"}, kY),
              H * 3500.0, "moments about N1");
  const double columns = std::fabs(r.Number("Element/FaceLoad", {"C1", "I"}, 3)) +
                         std::fabs(r.Number("Element/FaceLoad", {"C2", "I"}, 3));
  EXPECT_LT(columns, 0.02 * H);
  EXPECT_LT(r.Number(kDisp, {"N2"}, kX), 0.1);
  EXPECT_EQ(r.tables.at("WallElement/EdgeLoadDisp").size(), 2u + 4u);  // head rows, corners
}

}  // namespace
