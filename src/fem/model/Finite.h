// Whether every entry of a matrix or a vector is a finite number: quantities made from finite
// input overflow when the input is extreme, and must not reach the analysis or a report.
#pragma once

#include <cmath>

#include "matrix/Matrix.h"

namespace znFEM::znTraceYield2DRahmen {

template <class Values>
bool AreFinite(const Values& values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// A symmetric matrix is checked over its upper triangle only.
inline bool IsFinite(const znMatrix::ifMatrix& m, bool symmetric = false) {
  for (znMatrix::Index i = 0; i < m.GetRowN(); ++i) {
    for (znMatrix::Index j = symmetric ? i : 0; j < m.GetColN(); ++j) {
      if (!std::isfinite(m.Get(i, j))) return false;
    }
  }
  return true;
}

}  // namespace znFEM::znTraceYield2DRahmen
