// An independent frame member for the tests: the standard Timoshenko beam between the faces,
// rigid arms to the nodes and end springs as extra rotational degrees of freedom, condensed by
// plain elimination. It shares no formula with the stiffness maker.
#pragma once

#include <array>
#include <cmath>
#include <utility>

#include "fem/makers/FrameStiffnessProp.h"

namespace frame_reference {

using Mat6 = std::array<std::array<double, 6>, 6>;
using Vec6 = std::array<double, 6>;

struct Section {
  double A, E, I, Poisson, Kappa;
};

// Timoshenko member of length l in its own axes (u1, v1, θ1, u2, v2, θ2); Φ = 12EIκ/(GAl²).
inline Mat6 TimoshenkoStiffness(const Section& s, double l) {
  const double g = s.E / (2.0 * (1.0 + s.Poisson));
  const double big_phi = 12.0 * s.E * s.I * s.Kappa / (g * s.A * l * l);
  const double ei = s.E * s.I / (1.0 + big_phi);
  const double ea = s.E * s.A / l;
  const double q = 12.0 * ei / (l * l * l);
  const double qm = 6.0 * ei / (l * l);
  const double mm = (4.0 + big_phi) * ei / l;
  const double mf = (2.0 - big_phi) * ei / l;
  return Mat6{{{ea, 0, 0, -ea, 0, 0},
               {0, q, qm, 0, -q, qm},
               {0, qm, mm, 0, -qm, mf},
               {-ea, 0, 0, ea, 0, 0},
               {0, -q, -qm, 0, q, -qm},
               {0, qm, mf, 0, -qm, mm}}};
}

// The full member, eight unknowns: the six node displacements (member axes) and the rotations
// ψI, ψJ of the flexible part's ends. Without a spring the end's ψ is tied to the node rotation
// (its row is a unit identity decoupled from the rest, and the tie is made in the face map).
struct Assembly {
  std::array<std::array<double, 8>, 8> k{};
  std::array<double, 8> f{};  // fixed-end forces of the unknowns (nodes held)
};

struct Member {
  Section s;
  double L, li, lj;
  bool spring_i, spring_j;
  double ki, kj;  // ratios K·l0/(4EI)
  double kn = 1.0;
  bool release_i = false, release_j = false;  // axial releases (fixed-end calculation only)

  double l0() const { return L - li - lj; }
};

// Face displacement (u, v, θ of the flexible part at I, then J) per unknown; the unknowns 6, 7
// are ψI, ψJ, and 8, 9 the axial slips of released faces.
using FaceMap = std::array<std::array<double, 10>, 6>;
inline FaceMap MakeFaceMap(const Member& m) {
  FaceMap c{};
  c[0][0] = 1.0;
  c[1][1] = 1.0;
  c[1][2] = m.li;
  c[3][3] = 1.0;
  c[4][4] = 1.0;
  c[4][5] = -m.lj;
  if (m.spring_i)
    c[2][6] = 1.0;
  else
    c[2][2] = 1.0;
  if (m.spring_j)
    c[5][7] = 1.0;
  else
    c[5][5] = 1.0;
  if (m.release_i) {
    c[0][0] = 0.0;
    c[0][8] = 1.0;
  }
  if (m.release_j) {
    c[3][3] = 0.0;
    c[3][9] = 1.0;
  }
  return c;
}

using Mat10 = std::array<std::array<double, 10>, 10>;

// Stiffness over the ten unknowns; unknowns that do not exist get a unit diagonal.
inline Mat10 FullStiffness(const Member& m) {
  Mat6 kf = TimoshenkoStiffness(m.s, m.l0());
  for (int i : {0, 3})
    for (int j : {0, 3}) kf[i][j] *= m.kn;
  const FaceMap c = MakeFaceMap(m);
  Mat10 k{};
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q) k[a][b] += c[p][a] * kf[p][q] * c[q][b];
  const double unit = 4.0 * m.s.E * m.s.I / m.l0();
  const auto add_spring = [&](int node, int psi, double ratio) {
    const double ks = unit * ratio;
    k[node][node] += ks;
    k[psi][psi] += ks;
    k[node][psi] -= ks;
    k[psi][node] -= ks;
  };
  if (m.spring_i)
    add_spring(2, 6, m.ki);
  else
    k[6][6] = 1.0;
  if (m.spring_j)
    add_spring(5, 7, m.kj);
  else
    k[7][7] = 1.0;
  if (!m.release_i) k[8][8] = 1.0;
  if (!m.release_j) k[9][9] = 1.0;
  return k;
}

// Solves the 4×4 system of the internal unknowns (6..9) in place by Gauss–Jordan elimination.
inline std::array<double, 4> SolveInternal(const Mat10& k, std::array<double, 4> rhs) {
  std::array<std::array<double, 4>, 4> a{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) a[i][j] = k[6 + i][6 + j];
  for (int p = 0; p < 4; ++p) {
    for (int i = 0; i < 4; ++i) {
      if (i == p) continue;
      const double f = a[i][p] / a[p][p];
      for (int j = 0; j < 4; ++j) a[i][j] -= f * a[p][j];
      rhs[i] -= f * rhs[p];
    }
  }
  for (int i = 0; i < 4; ++i) rhs[i] /= a[i][i];
  return rhs;
}

// Internal unknowns produced by node displacements u (member axes), nodes' forces zero inside.
inline std::array<double, 4> InternalFromNodes(const Member& m, const Vec6& u) {
  const Mat10 k = FullStiffness(m);
  std::array<double, 4> rhs{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 6; ++j) rhs[i] -= k[6 + i][j] * u[j];
  return SolveInternal(k, rhs);
}

// Condensed 6×6 stiffness in member axes: column j is the node force of a unit u_j.
inline Mat6 LocalStiffness(const Member& m) {
  const Mat10 k = FullStiffness(m);
  Mat6 out{};
  for (int j = 0; j < 6; ++j) {
    Vec6 u{};
    u[j] = 1.0;
    const auto inner = InternalFromNodes(m, u);
    for (int i = 0; i < 6; ++i) {
      out[i][j] = k[i][j];
      for (int t = 0; t < 4; ++t) out[i][j] += k[i][6 + t] * inner[t];
    }
  }
  return out;
}

// Spring rotation θ_node − ψ of each end per unit node displacement (member axes).
inline std::pair<Vec6, Vec6> SpringRotationRows(const Member& m) {
  std::pair<Vec6, Vec6> rows{};
  for (int j = 0; j < 6; ++j) {
    Vec6 u{};
    u[j] = 1.0;
    const auto inner = InternalFromNodes(m, u);
    rows.first[j] = m.spring_i ? u[2] - inner[0] : 0.0;
    rows.second[j] = m.spring_j ? u[5] - inner[1] : 0.0;
  }
  return rows;
}

// Global K = T·k·Tᵀ with the rotation R(angle) on both node blocks.
inline Mat6 ToGlobal(const Mat6& k, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  Mat6 t{};
  for (int b : {0, 3}) {
    t[b][b] = c;
    t[b][b + 1] = -s;
    t[b + 1][b] = s;
    t[b + 1][b + 1] = c;
    t[b + 2][b + 2] = 1.0;
  }
  Mat6 out{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q) out[i][j] += t[i][p] * k[p][q] * t[j][q];
  return out;
}

// Fixed-end state with both nodes held: the flexible part carries the fixed-end forces mi, mj
// (member axes, at its faces) and the springs and axial releases let its ends move.
struct FixedEnd {
  Vec6 face{};                                  // face forces (I triple, J triple)
  std::pair<double, double> spring_rotation{};  // θ_node − ψ = −ψ
  std::pair<double, double> slip{};             // axial displacement of a released face
};

inline FixedEnd HeldNodes(const Member& m, const std::array<double, 3>& mi,
                          const std::array<double, 3>& mj) {
  const FaceMap c = MakeFaceMap(m);
  const Vec6 f0{mi[0], mi[1], mi[2], mj[0], mj[1], mj[2]};
  std::array<double, 4> rhs{};
  for (int t = 0; t < 4; ++t)
    for (int p = 0; p < 6; ++p) rhs[t] -= c[p][6 + t] * f0[p];
  const auto inner = SolveInternal(FullStiffness(m), rhs);
  Vec6 d{};
  for (int p = 0; p < 6; ++p)
    for (int t = 0; t < 4; ++t) d[p] += c[p][6 + t] * inner[t];
  Mat6 kf = TimoshenkoStiffness(m.s, m.l0());
  FixedEnd out;
  for (int p = 0; p < 6; ++p) {
    out.face[p] = f0[p];
    for (int q = 0; q < 6; ++q) out.face[p] += kf[p][q] * d[q];
  }
  out.spring_rotation = {m.spring_i ? -inner[0] : 0.0, m.spring_j ? -inner[1] : 0.0};
  out.slip = {m.release_i ? inner[2] : 0.0, m.release_j ? inner[3] : 0.0};
  return out;
}

inline znFEM::znMatrixMaker::FrameStiffnessProp MakeProp(const Member& m, double angle) {
  znFEM::znMatrixMaker::FrameStiffnessProp p;
  p.IsRotarySpring = {m.spring_i, m.spring_j};
  p.A = m.s.A;
  p.E = m.s.E;
  p.I = m.s.I;
  p.Poisson = m.s.Poisson;
  p.Kappa = m.s.Kappa;
  p.L = m.L;
  p.Lij = {m.li, m.lj};
  p.Kij = {m.ki, m.kj};
  p.Kn = m.kn;
  p.Angle = angle;
  return p;
}

}  // namespace frame_reference
