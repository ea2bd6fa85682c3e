// Fixed-end forces of concentrated and distributed edge loads, segment by segment.
#include "fem/makers/EdgeLoadFixCase2DRahmen.h"

#include <algorithm>
#include <cstddef>

#include "fem/makers/FrameStiffnessProp.h"

namespace znFEM::znEdgeLoadFixCase {

namespace {

Triple Negated(const Triple& t) {
  return {-t[0], -t[1], -t[2]};
}
Triple operator+(const Triple& s, const Triple& t) {
  return {s[0] + t[0], s[1] + t[1], s[2] + t[2]};
}

// Forces on a segment (or on a loaded part of it) at its start and its end.
struct EndForces {
  Triple start{};
  Triple end{};
};

EndForces operator+(const EndForces& f, const EndForces& g) {
  return {f.start + g.start, f.end + g.end};
}

enum SegmentIndex : std::size_t { kIEdge = 0, kMiddle = 1, kJEdge = 2 };

// One of the three segments: from s0 to s1 (positions from node I), its length, and its shear
// parameter (0 for the end zones, whose shear deformation is ignored).
struct Segment {
  SegmentIndex index;
  double s0;
  double s1;
  double length;
  double phi;
};

// φ(l) of a part of the member of length l.
double ShearParameter(const EdgeLoadMember& m, double length) {
  return znMatrixMaker::ShearParameter(m.E, m.I, m.A, m.Poisson, m.Kappa, length);
}

std::array<Segment, 3> SegmentsOf(const EdgeLoadMember& m) {
  const double clearLength = m.L - m.Li - m.Lj;
  return {{{kIEdge, 0.0, m.Li, m.Li, 0.0},
           {kMiddle, m.Li, m.L - m.Lj, clearLength, ShearParameter(m, clearLength)},
           {kJEdge, m.L - m.Lj, m.L, m.Lj, 0.0}}};
}

// docs/theory.md "Point load on a segment" (Euler–Bernoulli; shear deformation is added by
// ShearCorrection).
EndForces PointLoad(double a, double b, const Triple& p) {
  const double l = a + b;
  const double l2 = l * l;
  const double l3 = l2 * l;
  const double momentShear = 6.0 * a * b / l3;
  EndForces f;
  f.start[0] = -(b / l) * p[0];
  f.start[1] = -((3.0 * a + b) * b * b / l3) * p[1] + momentShear * p[2];
  f.start[2] = -((b / l) * a * b / l) * p[1] - ((3.0 * b * b + 2.0 * (a * l - l2)) / l2) * p[2];
  f.end[0] = -(a / l) * p[0];
  f.end[1] = -((3.0 * b + a) * a * a / l3) * p[1] - momentShear * p[2];
  f.end[2] = ((a / l) * a * b / l) * p[1] - ((4.0 * a * l - 3.0 * (l2 - b * b)) / l2) * p[2];
  return f;
}

// docs/theory.md "Linear load on a clamped part" (Euler–Bernoulli).
// The part has length b and carries q0 at its start and q1 at its end (x and y used).
EndForces LinearPart(double b, const Triple& q0, const Triple& q1) {
  const double dx = q0[0] - q1[0];
  const double dy = q0[1] - q1[1];
  const double b2 = b * b;
  EndForces f;
  f.start[0] = -q1[0] * b / 2.0 - dx * b / 3.0;
  f.start[1] = -q1[1] * b / 2.0 - (21.0 / 60.0) * dy * b;
  f.start[2] = -q1[1] * b2 / 12.0 - (3.0 / 60.0) * dy * b2;
  f.end[0] = -q1[0] * b / 2.0 - dx * b / 6.0;
  f.end[1] = -q1[1] * b / 2.0 - (9.0 / 60.0) * dy * b;
  f.end[2] = q1[1] * b2 / 12.0 + (1.0 / 30.0) * dy * b2;
  return f;
}

// docs/theory.md "Partial load on a segment".
// Releases the clamps of a loaded part that lies a from the segment start and c from its end.
EndForces ReleasePart(double a, double b, double c, const EndForces& part) {
  EndForces f;
  if (a == 0.0) {
    f.start = part.start;
  } else {
    f = f + PointLoad(a, b + c, Negated(part.start));
  }
  if (c == 0.0) {
    f.end = f.end + part.end;
  } else {
    f = f + PointLoad(a + b, c, Negated(part.end));
  }
  return f;
}

// docs/theory.md "Shear deformation as one correction". The Euler–Bernoulli forces f of a
// segment of length l and shear parameter phi, carrying the couple `couple`, turned into the
// shear-deformable ones: the end moments by the correction, the shears by the pair that keeps the
// segment in equilibrium. Without shear deformation f is returned as it is.
EndForces ShearCorrection(EndForces f, double l, double phi, double couple) {
  if (phi == 0.0) return f;
  const double d = 1.0 + 2.0 * phi;
  const double start = ((1.0 + phi) * f.start[2] - phi * f.end[2] - phi * couple) / d;
  const double end = ((1.0 + phi) * f.end[2] - phi * f.start[2] - phi * couple) / d;
  const double shear = ((start - f.start[2]) + (end - f.end[2])) / l;
  f.start[1] += shear;
  f.end[1] -= shear;
  f.start[2] = start;
  f.end[2] = end;
  return f;
}

void Store(SegmentForces& forces, SegmentIndex index, const EndForces& f) {
  const std::size_t k = 6 * static_cast<std::size_t>(index);
  for (std::size_t c = 0; c < 3; ++c) {
    forces[k + c] = f.start[c];
    forces[k + 3 + c] = f.end[c];
  }
}

const Segment& SegmentAt(const std::array<Segment, 3>& segments, const EdgeLoadMember& m,
                         double pos) {
  if (pos <= m.Li) return segments[kIEdge];
  if (pos >= m.L - m.Lj) return segments[kJEdge];
  return segments[kMiddle];
}

// docs/theory.md "Load on a zero-length end zone".
// A zero-length end zone sits at its node: the node takes the whole load.
EndForces LoadAtNode(SegmentIndex index, const Triple& p) {
  EndForces f;
  if (index == kIEdge) {
    f.start = Negated(p);
  } else {
    f.end = Negated(p);
  }
  return f;
}

Triple Interpolate(const DistributedLoadInput& in, double pos) {
  const double t = (pos - in.PosI) / (in.PosJ - in.PosI);
  return {in.IX + (in.JX - in.IX) * t, in.IY + (in.JY - in.IY) * t, 0.0};
}

EndForces DistributedOnSegment(const DistributedLoadInput& in, const Segment& s) {
  const double p0 = std::max(in.PosI, s.s0);
  const double p1 = std::min(in.PosJ, s.s1);
  const double a = p0 - s.s0;
  const double b = p1 - p0;
  const double c = s.s1 - p1;
  const EndForces part = LinearPart(b, Interpolate(in, p0), Interpolate(in, p1));
  return ShearCorrection(ReleasePart(a, b, c, part), s.length, s.phi, 0.0);
}

}  // namespace

SegmentForces csEdgeLoadFixCase2DRahmen::Concentrated(const ConcentratedLoadInput& input) const {
  const EdgeLoadMember& m = input.Member;
  if (input.Pos < 0.0 || input.Pos > m.L) throw exPositionOfConcentratedLoadIsOut{};
  const std::array<Segment, 3> segments = SegmentsOf(m);
  const Segment& s = SegmentAt(segments, m, input.Pos);
  const Triple p{input.X, input.Y, input.M};
  const double a = input.Pos - s.s0;
  SegmentForces forces{};
  if (s.length == 0.0) {
    Store(forces, s.index, LoadAtNode(s.index, p));
  } else {
    Store(forces, s.index, ShearCorrection(PointLoad(a, s.length - a, p), s.length, s.phi, p[2]));
  }
  return forces;
}

SegmentForces csEdgeLoadFixCase2DRahmen::Distributed(const DistributedLoadInput& input) const {
  const EdgeLoadMember& m = input.Member;
  DistributedLoadInput in = input;
  if (in.PosJ == 0.0) in.PosJ = m.L;
  if (in.PosJ <= in.PosI) throw exPositionOfDistributedLoadAreTheSameOrLeftSideRight{};
  if (in.PosI < 0.0 || in.PosI > m.L) throw exPositionOfDistributedLoadIsOut{0};
  if (in.PosJ < 0.0 || in.PosJ > m.L) throw exPositionOfDistributedLoadIsOut{1};
  SegmentForces forces{};
  for (const Segment& s : SegmentsOf(m)) {
    if (in.PosI < s.s1 && in.PosJ > s.s0) Store(forces, s.index, DistributedOnSegment(in, s));
  }
  return forces;
}

}  // namespace znFEM::znEdgeLoadFixCase
