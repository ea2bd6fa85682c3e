// Times the band solver against LAPACK's banded Cholesky (dpbtrf + dpbtrs) on the same
// symmetric positive definite band matrix, both on one thread, and prints the ratio. Built
// only when CMake finds LAPACK; run it with OPENBLAS_NUM_THREADS=1 when LAPACK is OpenBLAS.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "matrix/BandMatrix.h"

extern "C" {
void dpbtrf_(const char* uplo, const int* n, const int* kd, double* ab, const int* ldab, int* info);
void dpbtrs_(const char* uplo, const int* n, const int* kd, const int* nrhs, const double* ab,
             const int* ldab, double* b, const int* ldb, int* info);
}

namespace {

using znMatrix::csBandMatrix;
using znMatrix::Index;
using znMatrix::Vector;

constexpr int kRuns = 5;
constexpr double kTargetRatio = 2.5;

// Symmetric couplings in (-1, 1) over the whole band and a diagonal that dominates its row.
// Also returns the band in LAPACK's lower storage: column j holds A(j, j..j+w-1), which is
// row j of the upper band, so the two share one layout (leading dimension w).
csBandMatrix RandomSpdBand(Index n, Index w, std::vector<double>& lapackBand) {
  std::mt19937 rng(2024);
  std::uniform_real_distribution<double> coupling(-1.0, 1.0);
  lapackBand.assign(std::size_t{n} * w, 0.0);
  std::vector<double> rowSum(n, 0.0);
  for (Index i = 0; i < n; ++i) {
    for (Index j = i + 1; j < n && j - i < w; ++j) {
      const double k = coupling(rng);
      lapackBand[std::size_t{i} * w + (j - i)] = k;
      rowSum[i] += std::fabs(k);
      rowSum[j] += std::fabs(k);
    }
  }
  for (Index i = 0; i < n; ++i) lapackBand[std::size_t{i} * w] = rowSum[i] + 1.0;
  csBandMatrix band(n, w);
  for (Index i = 0; i < n; ++i) {
    for (Index j = i; j < n && j - i < w; ++j)
      band.Set(i, j, lapackBand[std::size_t{i} * w + (j - i)]);
  }
  return band;
}

double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The smallest CPU time of kRuns calls of f, each on fresh copies made before the clock starts.
template <class Prepare, class Run>
double MinimumSeconds(Prepare prepare, Run run) {
  double best = 1e300;
  for (int r = 0; r < kRuns; ++r) {
    prepare();
    const double start = CpuSeconds();
    run();
    best = std::min(best, CpuSeconds() - start);
  }
  return best;
}

bool Compare(Index n, Index w) {
  std::vector<double> lapackBand;
  const csBandMatrix band = RandomSpdBand(n, w, lapackBand);
  Vector b(n);
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> load(-10.0, 10.0);
  for (double& v : b) v = load(rng);

  csBandMatrix work(band);
  Vector x(n);
  const double ours = MinimumSeconds([&] { work = band; }, [&] { work.SolveInPlace(x, b); });

  std::vector<double> ab;
  Vector y;
  int info = 0;
  const int ni = static_cast<int>(n), kd = static_cast<int>(w) - 1, ldab = static_cast<int>(w);
  const int nrhs = 1;
  const double lapack = MinimumSeconds(
      [&] {
        ab = lapackBand;
        y = b;
      },
      [&] {
        dpbtrf_("L", &ni, &kd, ab.data(), &ldab, &info);
        if (info == 0) dpbtrs_("L", &ni, &kd, &nrhs, ab.data(), &ldab, y.data(), &ni, &info);
      });
  if (info != 0) {
    std::printf("LAPACK failed: info = %d\n", info);
    return false;
  }
  double difference = 0.0, largest = 0.0;
  for (Index i = 0; i < n; ++i) {
    difference = std::max(difference, std::fabs(x[i] - y[i]));
    largest = std::max(largest, std::fabs(y[i]));
  }
  const double ratio = ours / lapack;
  std::printf(
      "n = %u, w = %u: band solver %.4f s, LAPACK dpbtrf+dpbtrs %.4f s, ratio %.2f "
      "(target <= %.1f: %s); largest difference %.1e of %.1e\n",
      n, w, ours, lapack, ratio, kTargetRatio, ratio <= kTargetRatio ? "met" : "MISSED", difference,
      largest);
  return true;
}

}  // namespace

int main() {
  std::printf("band solve against LAPACK's banded Cholesky, CPU time, minimum of %d runs\n", kRuns);
  const bool ok = Compare(30000, 60) && Compare(6300, 66);
  return ok ? 0 : 1;
}
