// The example models run through the executable, their reactions held against global
// equilibrium with the applied nodal and member loads. The closed forms of beams and frames
// are checked by the verification problems (verification/, make verify).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "e2e/CsvReport.h"
#include "e2e/RunModel.h"

namespace {

using frame2d::testing::csCsvReport;
using frame2d::testing::ReadExample;
using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

// What the supports and spring supports give the structure, in global axes: the forces and
// the moment about the origin, with the sum of the magnitudes that went into each.
struct stResultant {
  double x = 0, y = 0, m = 0;
  double sizeX = 0, sizeY = 0, sizeM = 0;
  void Add(double fx, double fy, double moment, double px, double py) {
    const double terms[] = {moment, px * fy, -py * fx};
    x += fx, y += fy, sizeX += std::fabs(fx), sizeY += std::fabs(fy);
    for (const double t : terms) m += t, sizeM += std::fabs(t);
  }
};

// Reactions are the NodeLoad entries of the supported directions (marked in Coordinate).
stResultant Reactions(const csCsvReport& r) {
  stResultant sum;
  for (const auto& node : r.tables.at("Node/Coordinate")) {
    if (node.size() < 9 || node[0].empty() || node[0] == "ID") continue;
    const auto& load = r.Find("Node/NodeLoad", {node[0]});
    double f[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) f[k] = node[3 + k].empty() ? 0.0 : std::stod(load[1 + k]);
    sum.Add(f[0], f[1], f[2], std::stod(node[1]), std::stod(node[2]));
    if (!(node[6] + node[7] + node[8]).empty()) {
      const auto& spring = r.Find("Node/SpringSupportNodeLoad", {node[0]});
      sum.Add(std::stod(spring[1]), std::stod(spring[2]), std::stod(spring[3]), std::stod(node[1]),
              std::stod(node[2]));
    }
  }
  return sum;
}

struct stEquilibriumCase {
  const char* example;
  // Minus the applied loads: their resultant and moment about the origin, by hand from the file.
  double x, y, m;
};

TEST(ExampleModel, ReactionsBalanceTheAppliedLoads) {
  const stEquilibriumCase cases[] = {
      // 10 N/mm on 12000; moment 10 * 6000 * 3000 + 10 * 6000 * 9000
      {"continuous_beam.txt", 0, 120000, 7.2e8},
      // 20000 at (0, 4000) and 10000 at (6000, 2000) along x; 20 N/mm on 5400 centred at x = 3000
      {"portal.txt", -30000, 108000, 20000 * 4000.0 + 10000 * 2000.0 + 108000 * 3000.0},
      // 30000 at x = 3000; 10 N/mm on 4000 centred at x = 2000
      {"rigid_zones_and_springs.txt", 0, 70000, 30000 * 3000.0 + 40000 * 2000.0},
      // 8 N/mm on 5000 centred at x = 2500, the spring support taking its share
      {"spring_settlement.txt", 0, 40000, 40000 * 2500.0},
      // 100000 at (0, 3500) along x
      {"walled_bay.txt", -100000, 0, 100000 * 3500.0},
  };
  for (const auto& c : cases) {
    ScratchDirectory dir;
    const auto outcome = RunModel(dir, ReadExample(c.example));
    ASSERT_EQ(outcome.exitCode, 0) << c.example;
    const stResultant sum = Reactions(csCsvReport(outcome.csv));
    // Each printed value carries five significant digits.
    EXPECT_NEAR(sum.x, c.x, 1e-4 * sum.sizeX + 1e-6) << c.example;
    EXPECT_NEAR(sum.y, c.y, 1e-4 * sum.sizeY + 1e-6) << c.example;
    EXPECT_NEAR(sum.m, c.m, 1e-4 * sum.sizeM + 1e-6) << c.example;
  }
}

}  // namespace
