#include "matrix/BandOrder.h"

#include <algorithm>

namespace znMatrix {

namespace {

// The neighbours of every vertex in one array (compressed rows), each list without repeats.
struct stGraph {
  std::vector<std::size_t> first;  // n + 1 offsets into next
  std::vector<Index> next;

  Index Degree(Index v) const { return static_cast<Index>(first[v + 1] - first[v]); }
};

stGraph BuildGraph(Index n, const std::vector<Edge>& edges) {
  std::vector<Edge> arcs;
  arcs.reserve(2 * edges.size());
  for (const auto& [a, b] : edges) {
    if (a == b) continue;
    arcs.emplace_back(a, b);
    arcs.emplace_back(b, a);
  }
  std::sort(arcs.begin(), arcs.end());
  arcs.erase(std::unique(arcs.begin(), arcs.end()), arcs.end());
  stGraph graph;
  graph.first.assign(std::size_t{n} + 1, 0);
  graph.next.reserve(arcs.size());
  for (const auto& [a, b] : arcs) {
    ++graph.first[a + 1];
    graph.next.push_back(b);
  }
  for (Index v = 0; v < n; ++v) graph.first[v + 1] += graph.first[v];
  return graph;
}

// The level structure of one breadth-first visit: the number of levels and where the last
// one begins in the visit order.
struct stLevels {
  std::size_t count = 0;
  std::size_t lastBegin = 0;
};

// Breadth-first from start over the unplaced vertices, the neighbours of each vertex taken by
// rising degree (then by number); appends the visit order to order and marks it placed.
stLevels Visit(const stGraph& graph, Index start, std::vector<char>& placed,
               std::vector<Index>& order) {
  order.push_back(start);
  placed[start] = 1;
  std::vector<Index> neighbours;
  stLevels levels;
  std::size_t levelBegin = order.size() - 1;
  while (levelBegin < order.size()) {
    const std::size_t levelEnd = order.size();
    ++levels.count;
    levels.lastBegin = levelBegin;
    for (std::size_t k = levelBegin; k < levelEnd; ++k) {
      const Index v = order[k];
      neighbours.clear();
      for (std::size_t a = graph.first[v]; a < graph.first[v + 1]; ++a) {
        if (!placed[graph.next[a]]) neighbours.push_back(graph.next[a]);
      }
      std::sort(neighbours.begin(), neighbours.end(), [&graph](Index x, Index y) {
        return std::make_pair(graph.Degree(x), x) < std::make_pair(graph.Degree(y), y);
      });
      for (const Index u : neighbours) {
        placed[u] = 1;
        order.push_back(u);
      }
    }
    levelBegin = levelEnd;
  }
  return levels;
}

// A vertex of the part of start that lies far from the others: the lowest degree vertex of
// the last level becomes the start while that makes the level structure deeper.
Index PeripheralVertex(const stGraph& graph, Index start, std::vector<char>& scratch) {
  std::vector<Index> order;
  Index best = start;
  std::size_t bestDepth = 0;
  Index next = start;
  for (int round = 0; round < 8; ++round) {
    order.clear();
    const stLevels levels = Visit(graph, next, scratch, order);
    for (const Index v : order) scratch[v] = 0;
    if (round > 0 && levels.count <= bestDepth) break;
    best = next;
    bestDepth = levels.count;
    next = *std::min_element(order.begin() + static_cast<std::ptrdiff_t>(levels.lastBegin),
                             order.end(), [&graph](Index x, Index y) {
                               return std::make_pair(graph.Degree(x), x) <
                                      std::make_pair(graph.Degree(y), y);
                             });
  }
  return best;
}

}  // namespace

std::vector<Index> ReverseCuthillMcKee(Index n, const std::vector<Edge>& edges) {
  const stGraph graph = BuildGraph(n, edges);
  std::vector<char> placed(n, 0);
  std::vector<char> scratch(n, 0);
  std::vector<Index> order;
  order.reserve(n);
  for (Index v = 0; v < n; ++v) {
    if (!placed[v]) Visit(graph, PeripheralVertex(graph, v, scratch), placed, order);
  }
  std::reverse(order.begin(), order.end());
  return order;
}

}  // namespace znMatrix
