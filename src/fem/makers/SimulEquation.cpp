// The supported linear system: effective load of the prescribed displacements, the reduced
// band solve of the free degrees of freedom, the balance check and the support reactions.
#include "fem/makers/SimulEquation.h"

#include <algorithm>
#include <cmath>

namespace znFEM::znSimulEquation {

using znMatrix::csBandMatrix;
using znMatrix::Index;
using znMatrix::Vector;

namespace {

// Matrix and vectors that do not all have the system's n entries cannot be analysed.
void CheckShape(const System& system) {
  const std::size_t n = system.F.size();
  if (system.K.GetRowN() != n || system.K.GetColN() != n || system.supported.size() != n ||
      system.U.size() != n || (!system.searchOrder.empty() && system.searchOrder.size() != n)) {
    throw ifSimulEquation::exFailedToAnalyzeMatrix{};
  }
}

// The free degrees of freedom in their full numbering, in order.
std::vector<Index> FreeIndices(const std::vector<bool>& supported) {
  std::vector<Index> free;
  for (Index i = 0; i < supported.size(); ++i) {
    if (!supported[i]) free.push_back(i);
  }
  return free;
}

// The stiffness of the free degrees of freedom. A stiffness without any non-zero (no member
// at all) has a zero row at the first free degree of freedom of the search order.
csBandMatrix ReducedStiffness(const csBandMatrix& K, const std::vector<bool>& supported,
                              Index firstFree) {
  try {
    return csBandMatrix(K, supported, true);
  } catch (const csBandMatrix::exItIsnotBandMatrix&) {  // a band of width 0
    throw ifSimulEquation::exThereIsZeroRow{firstFree};
  }
}

// Every index of the system in its search order.
std::vector<Index> SearchOrder(const System& system) {
  if (!system.searchOrder.empty()) return system.searchOrder;
  std::vector<Index> order(system.F.size());
  for (Index i = 0; i < order.size(); ++i) order[i] = i;
  return order;
}

bool RowIsZero(const csBandMatrix& K, Index row) {
  const Index w = K.GetBandN();
  const Index first = row + 1 >= w ? row + 1 - w : 0;
  for (Index j = first; j < K.GetRowN() && j < row + w; ++j) {
    if (!znMatrix::IsZero(K.Get(row, j))) return false;
  }
  return true;
}

// The first free index in the search order whose row of the reduced stiffness is zero, given
// that there is one.
Index FirstZeroRow(const csBandMatrix& reduced, const std::vector<Index>& free,
                   const std::vector<Index>& order) {
  std::vector<Index> reducedIndex(order.size(), 0);
  std::vector<bool> isFree(order.size(), false);
  for (Index r = 0; r < free.size(); ++r) {
    reducedIndex[free[r]] = r;
    isFree[free[r]] = true;
  }
  for (const Index i : order) {
    if (isFree[i] && RowIsZero(reduced, reducedIndex[i])) return i;
  }
  return free.front();
}

}  // namespace

csSimulEquation::csSimulEquation(double balanceTolerance) : balanceTolerance_(balanceTolerance) {}

void csSimulEquation::Solve(System& system) {
  CheckShape(system);
  const std::vector<Index> free = FreeIndices(system.supported);
  if (free.empty()) {
    // Nothing is unknown: every entry of F becomes the reaction K·U − F.
    Vector p = system.K.MultiplyVector(system.U);
    for (std::size_t i = 0; i < p.size(); ++i) p[i] -= system.F[i];
    system.F = std::move(p);
    return;
  }
  // Only the supported entries of U are input; the free ones start from 0.0 so that a stray
  // value cannot shift the effective load.
  Vector u = system.U;
  for (Index i : free) u[i] = 0.0;
  Vector effectiveLoad = system.K.MultiplyVector(u);
  for (std::size_t i = 0; i < effectiveLoad.size(); ++i) {
    effectiveLoad[i] = system.F[i] - effectiveLoad[i];
  }

  const std::vector<Index> order = SearchOrder(system);
  const Index firstFree =
      *std::find_if(order.begin(), order.end(), [&](Index i) { return !system.supported[i]; });
  csBandMatrix reduced = ReducedStiffness(system.K, system.supported, firstFree);
  if (reduced.FirstZeroRow()) throw exThereIsZeroRow{FirstZeroRow(reduced, free, order)};
  Vector b(free.size());
  for (std::size_t r = 0; r < free.size(); ++r) b[r] = effectiveLoad[free[r]];
  Vector x(free.size());
  try {
    reduced.SolveInPlace(x, b);
  } catch (const znMatrix::exMatrixException&) {
    throw exFailedToAnalyzeMatrix{};
  }
  for (std::size_t r = 0; r < free.size(); ++r) u[free[r]] = x[r];
  system.U = std::move(u);

  Vector p = system.K.MultiplyVector(system.U);
  // A solution that is not finite (a stiffness that overflowed) balances nothing: it fails at
  // its first free entry instead of passing the comparison as a NaN would.
  // docs/theory.md "Step: non-finite solutions".
  for (Index i : order) {
    if (system.supported[i]) continue;
    const double imbalance = std::fabs(p[i] - system.F[i]);
    if (imbalance > balanceTolerance_ || !std::isfinite(imbalance) || !std::isfinite(system.U[i])) {
      throw exUnBalancedLoad{i, imbalance};
    }
  }
  // At a supported entry the nodal force K·U less the applied load is the reaction; one that
  // is not finite is reported like an imbalance at that entry.
  for (Index i = 0; i < p.size(); ++i) {
    if (system.supported[i]) p[i] += -system.F[i];
  }
  for (Index i : order) {
    if (system.supported[i] && !std::isfinite(p[i])) throw exUnBalancedLoad{i, p[i]};
  }
  system.F = std::move(p);
}

}  // namespace znFEM::znSimulEquation
