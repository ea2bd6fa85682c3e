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

// docs/theory.md "Band solver: relative zero tests".
constexpr double kRelativeZero = 1e-12;
constexpr double kRelativeBalance = 1e-8;

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

// The first free index in the search order whose row of the reduced stiffness is zero, if any.
std::optional<Index> FirstZeroRow(const csBandMatrix& reduced, const znMatrix::ZeroTest& zero,
                                  const std::vector<Index>& free, const std::vector<Index>& order) {
  const std::vector<bool> zeroRow = reduced.ZeroRows(zero);
  std::vector<bool> isZero(order.size(), false);
  for (Index r = 0; r < free.size(); ++r) isZero[free[r]] = zeroRow[r];
  for (const Index i : order) {
    if (isZero[i]) return i;
  }
  return std::nullopt;
}

// The zero test of the reduced stiffness: an element is zero when it is at most kRelativeZero
// of the geometric mean of the largest diagonals of its row's and its column's kinds, read from
// the whole stiffness. Diagonals that are not finite are left to the balance check.
// docs/theory.md "Band solver: relative zero tests".
znMatrix::ZeroTest KindZeroTest(const System& system, const std::vector<Index>& free) {
  const auto kindOf = [&](Index i) { return system.kind.empty() ? 0 : system.kind[i]; };
  std::vector<double> largest(256, 0.0);
  for (Index i = 0; i < system.F.size(); ++i) {
    const double d = std::fabs(system.K.Get(i, i));
    if (std::isfinite(d)) largest[kindOf(i)] = std::max(largest[kindOf(i)], d);
  }
  znMatrix::ZeroTest zero{kRelativeZero, Vector(free.size())};
  for (Index r = 0; r < free.size(); ++r) zero.scale[r] = std::sqrt(largest[kindOf(free[r])]);
  return zero;
}

}  // namespace

csSimulEquation::csSimulEquation(std::optional<double> balanceTolerance)
    : balanceTolerance_(balanceTolerance) {}

// U with its free entries solved. The reduced matrix and the vectors of the solve are gone
// when it returns, before the balance check makes its own.
Vector csSimulEquation::SolveFree(const System& system, const std::vector<Index>& free,
                                  const std::vector<Index>& order) const {
  // Only the supported entries of U are input; the free ones start from 0.0 so that a stray
  // value cannot shift the effective load.
  Vector u = system.U;
  for (Index i : free) u[i] = 0.0;
  Vector b(free.size());
  {
    Vector effectiveLoad = system.K.MultiplyVector(u);
    for (std::size_t r = 0; r < free.size(); ++r) b[r] = system.F[free[r]] - effectiveLoad[free[r]];
  }
  const Index firstFree =
      *std::find_if(order.begin(), order.end(), [&](Index i) { return !system.supported[i]; });
  csBandMatrix reduced = ReducedStiffness(system.K, system.supported, firstFree);
  const znMatrix::ZeroTest zero = KindZeroTest(system, free);
  if (const auto row = FirstZeroRow(reduced, zero, free, order)) throw exThereIsZeroRow{*row};
  Vector x(free.size());
  try {
    reduced.SolveInPlace(x, std::move(b), zero);
  } catch (const znMatrix::exMatrixException&) {
    throw exFailedToAnalyzeMatrix{};
  }
  for (std::size_t r = 0; r < free.size(); ++r) u[free[r]] = x[r];
  return u;
}

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
  const std::vector<Index> order = SearchOrder(system);
  system.U = SolveFree(system, free, order);

  Vector p = system.K.MultiplyVector(system.U);
  // Without a tolerance a row balances when its imbalance is at most kRelativeBalance of the
  // size of its terms. docs/theory.md "Band solver: relative zero tests".
  const Vector size = balanceTolerance_ ? Vector{} : system.K.MultiplyVectorMagnitude(system.U);
  const auto tolerance = [&](Index i) {
    return balanceTolerance_ ? *balanceTolerance_
                             : kRelativeBalance * (std::fabs(system.F[i]) + size[i]);
  };
  // A solution that is not finite (a stiffness that overflowed) balances nothing: it fails at
  // its first free entry instead of passing the comparison as a NaN would.
  // docs/theory.md "Step: non-finite solutions".
  for (Index i : order) {
    if (system.supported[i]) continue;
    const double imbalance = std::fabs(p[i] - system.F[i]);
    if (imbalance > tolerance(i) || !std::isfinite(imbalance) || !std::isfinite(system.U[i])) {
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
