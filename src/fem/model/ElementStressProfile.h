// Member forces along a whole frame member, from its I-face forces and its loads in member
// axes: a piecewise description between the load points, built once and evaluated at any point
// in logarithmic time.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

// Member forces at one point: [0] just on the I side of it, [1] just on the J side. Each triple
// is (axial force, positive in tension; shear; moment); signs as in docs/theory.md
// "Member forces along a span".
using StressPair = std::array<Triple, 2>;

class csElementStressProfile {
 public:
  // A load at one point, member axes: (x, y, m).
  struct PointLoad {
    double Position;
    Triple Load;
  };
  // A load per length varying linearly from StartLoad at Start to EndLoad at End, member axes
  // (x, y); Start < End.
  struct LinearLoad {
    double Start;
    double End;
    std::array<double, 2> StartLoad;
    std::array<double, 2> EndLoad;
  };

  // length: node I to node J; faceI: the rigid-zone length li, where faceForceI (the force on
  // the flexible part at its I face, member axes) acts. Loads at or before faceI act on the I
  // rigid zone and are carried by it to the node; the face force does not include them.
  // Loads outside [0, length] or with End <= Start are left out.
  csElementStressProfile(double length, double faceI, const Triple& faceForceI,
                         const std::vector<PointLoad>& pointLoads,
                         const std::vector<LinearLoad>& linearLoads);
  // An unloaded member of no length, to be made with Make.
  csElementStressProfile();
  // Makes the profile anew as the constructor does, reusing its lists: a caller going through
  // many members keeps one profile and allocates nothing once the lists have grown.
  void Make(double length, double faceI, const Triple& faceForceI,
            const std::vector<PointLoad>& pointLoads, const std::vector<LinearLoad>& linearLoads);

  // x in [0, length]. At a load point the two sides differ by the point load.
  StressPair At(double x) const;
  // The ends of the member, faceI and every load point (of point loads, and the two ends of
  // every linear load), in increasing order without repetitions.
  const std::vector<double>& LoadPoints() const { return breaks_; }
  // Whether a linear load acts between the neighbouring load points around x.
  bool IsLoadedAround(double x) const;

  // The piece that holds x: from the last load point at or before x to the next one (the
  // first piece for an x before node I).
  std::size_t PieceOf(double x) const;
  // Where piece k ends: the next load point (node J for the last piece).
  double PieceEnd(std::size_t k) const;
  // At(x)[0][c] for an x on piece k (between its two load points, both included), without
  // looking the piece up.
  double ValueOnPiece(std::size_t k, double x, std::size_t c) const;
  // Whether component c (0 axial, 1 shear, 2 moment) is at most linear along piece k, its
  // values finite: no load of the order that would bend it acts there. Its computed values
  // then rise or fall with x also in rounding, so none lies beyond those at the piece's ends.
  bool IsLinearOnPiece(std::size_t k, std::size_t c) const;

 private:
  // Linear intensity over one piece: value at its start and slope, (x, y).
  struct Intensity {
    std::array<double, 2> start{0.0, 0.0};
    std::array<double, 2> slope{0.0, 0.0};
    // The value at distance d from the start.
    std::array<double, 2> At(double d) const {
      return {start[0] + slope[0] * d, start[1] + slope[1] * d};
    }
  };

  // What the profile knows at break k, and of the piece from it to break k + 1.
  struct AtBreak {
    Triple jump{0.0, 0.0, 0.0};    // change across the break from point loads
    Intensity intensity;           // over the piece
    std::size_t active = 0;        // number of linear loads over the piece
    Triple before{0.0, 0.0, 0.0};  // forces just before the break
    Triple after{0.0, 0.0, 0.0};   // forces just after the break
  };

  std::size_t BreakIndex(double x) const;
  void CollectBreaks(double length, double faceI, const std::vector<PointLoad>& pointLoads,
                     const std::vector<LinearLoad>& linearLoads);
  void AddPointLoads(const std::vector<PointLoad>& pointLoads);
  void SweepIntensities(const std::vector<LinearLoad>& linearLoads);
  void WalkStates(double faceI, const Triple& faceForceI);
  static Triple Carry(const Triple& start, const Intensity& q, double d);

  // What joins and what leaves at a break, while the intensities are summed.
  struct Boundary {
    Intensity joining;
    Intensity leaving;
    std::size_t joins = 0;
    std::size_t leaves = 0;
  };

  std::vector<double> breaks_;
  std::vector<AtBreak> atBreak_;      // one per break
  std::vector<Boundary> boundaries_;  // one per break, kept for the next Make
};

}  // namespace znFEM::znTraceYield2DRahmen
