// Input files of regular models for the benchmarks and the one-off output comparisons: a plane
// frame of storeys × bays with fixed column feet, storey loads, a uniform load on every beam
// and member forces asked for along every beam; and a continuous beam on rollers with a
// uniform load on every span. The frame's nodes may be written in a shuffled order (fixed seed)
// to test a solve that does not depend on the order of the Node statements.
#pragma once

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace frame2d::bench {

inline std::string NodeId(int column, int level) {
  return "N" + std::to_string(level) + "_" + std::to_string(column);
}

// Writes the frame model to path; false when the file cannot be written.
inline bool WriteFrame(const std::string& path, int storeys, int bays, bool shuffled) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (f == nullptr) return false;
  const int columns = bays + 1;
  std::fprintf(f, "&&MainProp;\nbalance_zero=0.001;\n&&DxfProp;\n");
  std::fprintf(f,
               "height_str=150 rad_hinge=40 axial_ratio=0.001 shear_ratio=0.005 "
               "moment_ratio=1e-6;\n&&Node;\n");
  std::vector<int> order((storeys + 1) * columns);
  std::iota(order.begin(), order.end(), 0);
  if (shuffled) std::shuffle(order.begin(), order.end(), std::mt19937(20240601));
  for (const int k : order) {
    const int level = k / columns;
    const int column = k % columns;
    std::fprintf(f, "id=%s x=%d y=%d%s;\n", NodeId(column, level).c_str(), column * 6000,
                 level * 3500, level == 0 ? " sptx=1 spty=1 sptm=1" : "");
  }
  std::fprintf(f, "&&Element;\n");
  for (int level = 1; level <= storeys; ++level) {
    for (int column = 0; column < columns; ++column) {
      std::fprintf(f, "id=C%d_%d nodei=%s nodej=%s a=4.0e4 e=2.05e5 i=1.2e9;\n", level, column,
                   NodeId(column, level - 1).c_str(), NodeId(column, level).c_str());
    }
    for (int bay = 0; bay < bays; ++bay) {
      std::fprintf(f, "id=B%d_%d nodei=%s nodej=%s a=1.2e4 e=2.05e5 i=8.0e8 li=300 lj=300;\n",
                   level, bay, NodeId(bay, level).c_str(), NodeId(bay + 1, level).c_str());
    }
  }
  std::fprintf(f, "&&ImposedLoadAndDisp;\n");
  for (int level = 1; level <= storeys; ++level) {
    std::fprintf(f, "id=%s fx=%d;\n", NodeId(0, level).c_str(), 10000 + 100 * level);
  }
  std::fprintf(f, "&&EdgeLoadFixCaseDistributedLoad;\n");
  for (int level = 1; level <= storeys; ++level) {
    for (int bay = 0; bay < bays; ++bay) {
      std::fprintf(f, "id=B%d_%d iy=-20 jy=-20 posi=300 posj=5700;\n", level, bay);
    }
  }
  std::fprintf(f, "&&ElementStress;\n");
  for (int level = 1; level <= storeys; ++level) {
    for (int bay = 0; bay < bays; ++bay) {
      std::fprintf(f, "id=B%d_%d pos0=300 pos1=3000 pos2=5700;\n", level, bay);
    }
  }
  std::fprintf(f, "&&End;\n");
  return std::fclose(f) == 0;
}

// Writes the continuous beam of nodes-1 spans to path; false when it cannot be written.
inline bool WriteBeam(const std::string& path, int nodes) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (f == nullptr) return false;
  std::fprintf(f, "&&MainProp;\nbalance_zero=0.01;\n&&Node;\n");
  for (int k = 0; k < nodes; ++k) {
    std::fprintf(f, "id=N%d x=%d y=0 spty=1%s;\n", k, k * 5000, k == 0 ? " sptx=1" : "");
  }
  std::fprintf(f, "&&Element;\n");
  for (int k = 0; k + 1 < nodes; ++k) {
    std::fprintf(f, "id=B%d nodei=N%d nodej=N%d a=1.0e4 e=2.05e5 i=2.0e8;\n", k, k, k + 1);
  }
  std::fprintf(f, "&&EdgeLoadFixCaseDistributedLoad;\n");
  for (int k = 0; k + 1 < nodes; ++k) std::fprintf(f, "id=B%d iy=-10 jy=-10 posi=0 posj=0;\n", k);
  std::fprintf(f, "&&End;\n");
  return std::fclose(f) == 0;
}

}  // namespace frame2d::bench
