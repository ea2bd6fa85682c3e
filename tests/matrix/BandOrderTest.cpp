// Reverse Cuthill–McKee: a permutation of the vertices that brings the ends of every edge close.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "matrix/BandOrder.h"

namespace {

using znMatrix::Edge;
using znMatrix::Index;

// The largest distance in the order between the ends of an edge; fails unless the order holds
// every vertex once.
Index Spread(Index n, const std::vector<Edge>& edges) {
  const std::vector<Index> order = znMatrix::ReverseCuthillMcKee(n, edges);
  std::vector<Index> position(n, n);
  for (Index k = 0; k < order.size(); ++k) position[order.at(k)] = k;
  EXPECT_EQ(order.size(), n);
  EXPECT_EQ(std::count(position.begin(), position.end(), n), 0);
  Index spread = 0;
  for (const auto& [a, b] : edges) {
    spread = std::max(
        spread, position[a] > position[b] ? position[a] - position[b] : position[b] - position[a]);
  }
  return spread;
}

TEST(BandOrder, ShuffledPathsAndGridsGetTheirNarrowestBands) {
  std::vector<Index> label(400);
  std::iota(label.begin(), label.end(), 0u);
  std::shuffle(label.begin(), label.end(), std::mt19937(7));
  std::vector<Edge> path, grid, parts;
  for (Index k = 0; k + 1 < 400; ++k) path.emplace_back(label[k], label[k + 1]);
  // A 20 x 20 grid: a line of 20 vertices between the two ends of an edge is the best band.
  for (Index r = 0; r < 20; ++r) {
    for (Index c = 0; c < 20; ++c) {
      if (c + 1 < 20) grid.emplace_back(label[r * 20 + c], label[r * 20 + c + 1]);
      if (r + 1 < 20) grid.emplace_back(label[r * 20 + c], label[(r + 1) * 20 + c]);
    }
  }
  // Two paths and an isolated vertex, with a repeated edge and a loop.
  for (Index k = 0; k + 1 < 5; ++k) parts.emplace_back(label[k], label[k + 1]);
  for (Index k = 6; k + 1 < 12; ++k) parts.emplace_back(label[k], label[k + 1]);
  parts.emplace_back(label[1], label[0]);
  parts.emplace_back(label[3], label[3]);
  EXPECT_EQ(Spread(400, path), 1u);
  EXPECT_EQ(Spread(400, grid), 20u);
  EXPECT_EQ(Spread(400, parts), 1u);
  EXPECT_EQ(Spread(3, {}), 0u);
}

}  // namespace
