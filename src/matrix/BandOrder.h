// Reverse Cuthill–McKee ordering of the vertices of a graph, which keeps the ends of every edge
// close together in the order and so keeps the band of a matrix with that sparsity narrow.
#pragma once

#include <utility>
#include <vector>

#include "matrix/Matrix.h"

namespace znMatrix {

using Edge = std::pair<Index, Index>;

// The vertices 0..n-1 in their new order: result[k] is the vertex placed at position k. Each
// connected part starts from a vertex far from the others (a pseudo-peripheral vertex), the
// parts in the order of their lowest vertex; ties go to the lower vertex, so the order
// depends on the graph only.
std::vector<Index> ReverseCuthillMcKee(Index n, const std::vector<Edge>& edges);

}  // namespace znMatrix
