// An independent frame member for the tests: the textbook Timoshenko beam between the faces,
// rigid arms to the nodes and end springs to the flexible ends' own rotations ψI, ψJ, condensed
// by elimination. It shares no formula with the stiffness maker. Axial releases are left out:
// they only move the axial force, which the tests check in closed form.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "fem/makers/FrameStiffnessProp.h"

namespace frame_reference {

using Mat6 = std::array<std::array<double, 6>, 6>;
using Mat8 = std::array<std::array<double, 8>, 8>;
using Vec6 = std::array<double, 6>;
using Psi = std::array<double, 2>;

struct Section {
  double A, E, I, Poisson, Kappa;
};

const Section kSteel{0.02, 2.05e8, 3.0e-4, 0.3, 0.0};  // no shear deformation
const Section kDeep{0.12, 2.5e7, 9.0e-3, 0.2, 1.2};    // stocky concrete member, φ > 0

struct Member {
  Section s;
  double L, li, lj;
  bool spring_i, spring_j;
  double ki, kj;                              // ratios K·l0/(4EI)
  bool release_i = false, release_j = false;  // axial releases, passed on to the maker only
  double l0() const { return L - li - lj; }
};

// Member axes (u, v, θ at I, then at J) of the flexible part; Φ = 12EIκ/(GAl²).
inline Mat6 Timoshenko(const Member& m) {
  const double l = m.l0(), g = m.s.E / (2.0 * (1.0 + m.s.Poisson));
  const double phi = 12 * m.s.E * m.s.I * m.s.Kappa / (g * m.s.A * l * l);
  const double ei = m.s.E * m.s.I / (1 + phi), a = m.s.E * m.s.A / l, q = 12 * ei / (l * l * l);
  const double r = 6 * ei / (l * l), t = (4 + phi) * ei / l, f = (2 - phi) * ei / l;
  return {{{a, 0, 0, -a, 0, 0},
           {0, q, r, 0, -q, r},
           {0, r, t, 0, -r, f},
           {-a, 0, 0, a, 0, 0},
           {0, -q, -r, 0, q, -r},
           {0, r, f, 0, -r, t}}};
}

// Face displacement c[p][a] of the flexible part per unknown a: the six node displacements
// carried by the rigid arms, then ψI and ψJ (a rigid end turns with its node).
inline std::array<std::array<double, 8>, 6> FaceMap(const Member& m) {
  std::array<std::array<double, 8>, 6> c{};
  c[0][0] = c[1][1] = c[3][3] = c[4][4] = 1.0;
  c[2][m.spring_i ? 6 : 2] = c[5][m.spring_j ? 7 : 5] = 1.0;
  c[1][2] = m.li;
  c[4][5] = -m.lj;
  return c;
}

// Stiffness over the eight unknowns; a ψ without spring gets a lone unit diagonal.
inline Mat8 FullStiffness(const Member& m) {
  const Mat6 kf = Timoshenko(m);
  const auto c = FaceMap(m);
  Mat8 k{};
  for (int a = 0; a < 8; ++a)
    for (int b = 0; b < 8; ++b)
      for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q) k[a][b] += c[p][a] * kf[p][q] * c[q][b];
  for (int e = 0; e < 2; ++e) {  // spring between the node rotation and ψ
    const int node = 2 + 3 * e, psi = 6 + e;
    const double ks = 4.0 * m.s.E * m.s.I / m.l0() * (e == 0 ? m.ki : m.kj);
    if (!(e == 0 ? m.spring_i : m.spring_j)) {
      k[psi][psi] = 1.0;
      continue;
    }
    k[node][node] += ks;
    k[psi][psi] += ks;
    k[node][psi] -= ks;
    k[psi][node] -= ks;
  }
  return k;
}

// ψ with the nodes displaced by u and the flexible part loaded by fixed-end forces f0.
inline Psi SolvePsi(const Member& m, const Vec6& u, const Vec6& f0) {
  const Mat8 k = FullStiffness(m);
  const auto c = FaceMap(m);
  Psi r{};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 6; ++j) r[i] -= k[6 + i][j] * u[j] + c[j][6 + i] * f0[j];
  const double det = k[6][6] * k[7][7] - k[6][7] * k[7][6];
  return {(r[0] * k[7][7] - k[6][7] * r[1]) / det, (k[6][6] * r[1] - k[7][6] * r[0]) / det};
}

// Condensed stiffness in member axes, and the spring rotations θnode − ψ per unit node
// displacement.
struct Condensed {
  Mat6 k{};
  Vec6 rotation_i{}, rotation_j{};
};
inline Condensed Condense(const Member& m) {
  const Mat8 k = FullStiffness(m);
  Condensed out;
  for (int j = 0; j < 6; ++j) {
    Vec6 u{};
    u[j] = 1.0;
    const Psi psi = SolvePsi(m, u, {});
    for (int i = 0; i < 6; ++i) out.k[i][j] = k[i][j] + k[i][6] * psi[0] + k[i][7] * psi[1];
    out.rotation_i[j] = m.spring_i ? u[2] - psi[0] : 0.0;
    out.rotation_j[j] = m.spring_j ? u[5] - psi[1] : 0.0;
  }
  return out;
}

// Both nodes held, fixed-end forces f0 on the flexible part: its face forces and the spring
// rotations θnode − ψ = −ψ.
struct FixedEnd {
  Vec6 face;
  Psi rotation;
};
inline FixedEnd HeldNodes(const Member& m, const Vec6& f0) {
  const Psi psi = SolvePsi(m, {}, f0);
  const auto c = FaceMap(m);
  const Mat6 kf = Timoshenko(m);
  FixedEnd out{f0, {m.spring_i ? -psi[0] : 0.0, m.spring_j ? -psi[1] : 0.0}};
  for (int p = 0; p < 6; ++p)
    for (int q = 0; q < 6; ++q) out.face[p] += kf[p][q] * (c[q][6] * psi[0] + c[q][7] * psi[1]);
  return out;
}

inline znFEM::znMatrixMaker::FrameStiffnessProp MakeProp(const Member& m, double angle = 0.0) {
  znFEM::znMatrixMaker::FrameStiffnessProp p{{m.spring_i, m.spring_j}, m.s.A, m.s.E, m.s.I};
  p.Poisson = m.s.Poisson;
  p.Kappa = m.s.Kappa;
  p.L = m.L;
  p.Lij = {m.li, m.lj};
  p.Kij = {m.ki, m.kj};
  p.Angle = angle;
  return p;
}

// The four spring cases, hinges and stiff springs among them, with and without shear deformation
// and rigid zones, each with the given axial releases.
inline std::vector<Member> SpringCases(std::initializer_list<std::pair<bool, bool>> releases = {
                                           {false, false}}) {
  std::vector<Member> cases;
  for (const Section& s : {kSteel, kDeep})
    for (const auto& [li, lj] : {std::pair{0.0, 0.0}, {0.45, 0.3}})
      for (const auto& [si, sj] :
           {std::pair{false, false}, {true, false}, {false, true}, {true, true}})
        for (const auto& [ki, kj] : {std::pair{0.0, 0.0}, {0.7, 3.0}, {25.0, 0.0}, {1e-3, 400.0}})
          for (const auto& [ri, rj] : releases)
            cases.push_back({s, 4.2, li, lj, si, sj, ki, kj, ri, rj});
  return cases;
}

}  // namespace frame_reference
