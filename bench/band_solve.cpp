// Times one global solve of a banded symmetric positive definite system through the supported
// linear system (n = 30,000 equations, half band width 60, a few supported rows, some imposed
// displacements) and reports the peak memory of the process.
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "fem/makers/SimulEquation.h"
#include "matrix/BandMatrix.h"

namespace {

using znFEM::znSimulEquation::csSimulEquation;
using znFEM::znSimulEquation::ifSimulEquation;
using znFEM::znSimulEquation::System;
using znMatrix::csBandMatrix;
using znMatrix::Index;
using znMatrix::Vector;

constexpr Index kEquations = 30000;
constexpr Index kHalfBand = 60;
constexpr double kTargetSeconds = 0.5;
constexpr double kTargetMegabytes = 64.0;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes
}

// Symmetric couplings in (-1, 1) over the whole band and a diagonal that dominates its row:
// positive definite, and every band position is filled.
csBandMatrix AssembleStiffness(std::mt19937& rng) {
  std::uniform_real_distribution<double> coupling(-1.0, 1.0);
  csBandMatrix K(kEquations, kHalfBand);
  std::vector<double> rowSum(kEquations, 0.0);
  for (Index i = 0; i < kEquations; ++i) {
    for (Index j = i + 1; j < kEquations && j - i < kHalfBand; ++j) {
      const double k = coupling(rng);
      K.Set(i, j, k);
      rowSum[i] += std::fabs(k);
      rowSum[j] += std::fabs(k);
    }
  }
  for (Index i = 0; i < kEquations; ++i) K.Set(i, i, rowSum[i] + 1.0);
  return K;
}

}  // namespace

int main() {
  std::mt19937 rng(2024);
  const auto assemblyStart = std::chrono::steady_clock::now();
  const csBandMatrix K = AssembleStiffness(rng);
  System system{K, std::vector<bool>(kEquations, false), Vector(kEquations), Vector(kEquations)};
  std::uniform_real_distribution<double> load(-10.0, 10.0);
  for (double& f : system.F) f = load(rng);
  Index supportedCount = 0;
  for (Index i : {0u, 1u, 2u, 7500u, 15000u, 15001u, 22500u, kEquations - 2, kEquations - 1}) {
    system.supported[i] = true;
    system.U[i] = (i % 2 == 0) ? 0.001 * (1 + i % 7) : 0.0;  // some imposed displacements
    ++supportedCount;
  }
  const double assemblySeconds = SecondsSince(assemblyStart);

  const auto solveStart = std::chrono::steady_clock::now();
  try {
    csSimulEquation(1e-6).Solve(system);
  } catch (const ifSimulEquation::exUnBalancedLoad& e) {
    std::printf("unbalanced load at %u: %g\n", e.dof, e.imbalance);
    return 1;
  } catch (...) {
    std::printf("the band system could not be solved\n");
    return 1;
  }
  const double solveSeconds = SecondsSince(solveStart);
  const double peak = PeakMegabytes();

  std::printf("band solve: n = %u, w = %u, supported = %u\n", kEquations, kHalfBand,
              supportedCount);
  std::printf("  assembly     %.3f s\n", assemblySeconds);
  std::printf("  solve        %.3f s (target < %.1f s: %s)\n", solveSeconds, kTargetSeconds,
              solveSeconds < kTargetSeconds ? "met" : "MISSED");
  std::printf("  peak memory  %.1f MB (target < %.0f MB: %s)\n", peak, kTargetMegabytes,
              peak < kTargetMegabytes ? "met" : "MISSED");
  return 0;
}
