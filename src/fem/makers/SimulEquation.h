// The global equilibrium K·U = F of one increment with supported degrees of freedom: removes
// the supported rows, solves the reduced band system, checks the balance, returns the reactions.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "matrix/BandMatrix.h"

namespace znFEM::znSimulEquation {

// The equations of one increment; the step solver builds and owns it.
struct System {
  const znMatrix::csBandMatrix& K;  // global stiffness, n × n; left unchanged
  std::vector<bool> supported;      // n flags: true where the degree of freedom is supported
  znMatrix::Vector F;               // in: applied nodal loads; out: K·U at free entries and the
                                    //     reactions at supported ones
  znMatrix::Vector U;               // in: prescribed displacements at supported entries (the
                                    //     free entries are not read); out: the full displacements
  // The order in which a zero row, an imbalance or a reaction that is not finite is searched
  // for: every index once. Empty: index order.
  std::vector<znMatrix::Index> searchOrder = {};
  // The kind of each index (for example 0 for a translation, 1 for a rotation): stiffness terms
  // of one kind share a unit, so a zero is judged against the largest diagonal of the kinds of
  // its row and column. Empty: every index of one kind.
  std::vector<std::uint8_t> kind = {};
};

class ifSimulEquation {
 public:
  struct exThereIsZeroRow {
    znMatrix::Index dof;  // in the full numbering
  };
  struct exFailedToAnalyzeMatrix {};
  struct exUnBalancedLoad {
    znMatrix::Index dof;
    double imbalance;
  };

  virtual ~ifSimulEquation() = default;
  virtual void Solve(System& system) = 0;
};

class csSimulEquation : public ifSimulEquation {
 public:
  // A balance tolerance is an absolute force; without one the balance of each row is judged
  // relative to the size of its terms.
  explicit csSimulEquation(std::optional<double> balanceTolerance);

  // Throws one of the three records of ifSimulEquation, naming the first offending index in
  // the search order. F and U are changed only on success, except that an unbalanced load is
  // found after U already holds the solution. The reduced band is factored in place, so the
  // stiffness is held twice at most.
  void Solve(System& system) override;

 private:
  znMatrix::Vector SolveFree(const System& system, const std::vector<znMatrix::Index>& free,
                             const std::vector<znMatrix::Index>& order) const;

  std::optional<double> balanceTolerance_;
};

}  // namespace znFEM::znSimulEquation
