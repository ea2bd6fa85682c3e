// The proportional-rows rule that every solver runs before eliminating: two rows count as the
// same vector when every column gives the same ratio and no zero meets a non-zero.
#pragma once

#include "matrix/Matrix.h"

namespace znMatrix {

// Compares rows u and v over the columns [begin, end). For each column, with a = u(j) and
// b = v(j): a non-zero a (by zeroU(j, a)) contributes the ratio a / b; a zero a facing a
// non-zero b (by zeroV(j, b)) makes the rows differ; two zeros are skipped. The rows are the
// same vector when at least one ratio was taken and every ratio equals the first exactly.
// Columns outside the range must be zero in both rows. Stops at the first column that settles
// the verdict.
template <class RowU, class RowV, class ZeroU, class ZeroV>
bool RowsAreSameVector(Index begin, Index end, RowU u, RowV v, ZeroU zeroU, ZeroV zeroV) {
  bool hasRatio = false;
  double firstRatio = 0.0;
  for (Index j = begin; j < end; ++j) {
    const double a = u(j);
    const double b = v(j);
    if (zeroU(j, a)) {
      if (!zeroV(j, b)) return false;
      continue;
    }
    const double ratio = a / b;
    if (!hasRatio) {
      firstRatio = ratio;
      hasRatio = true;
    } else if (!(ratio == firstRatio)) {
      return false;
    }
  }
  return hasRatio;
}

// The same with every zero decided by IsZero.
template <class RowU, class RowV>
bool RowsAreSameVector(Index begin, Index end, RowU u, RowV v) {
  const auto zero = [](Index, double x) { return IsZero(x); };
  return RowsAreSameVector(begin, end, u, v, zero, zero);
}

// Every pair of rows p < q of an n × n matrix, element (i, j) read as at(i, j). O(n³).
template <class At>
bool AnyTwoRowsAreSameVector(Index n, At at) {
  for (Index p = 0; p < n; ++p) {
    for (Index q = p + 1; q < n; ++q) {
      if (RowsAreSameVector(
              0, n, [&](Index j) { return at(p, j); }, [&](Index j) { return at(q, j); })) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace znMatrix
