// Member forces along a frame member — axial force, shear and moment at asked positions and
// their extremes over the flexible part — from the member's I-face forces and its edge loads.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fem/model/ElementStressProfile.h"
#include "fem/model/ElementStressProp.h"

namespace znFEM::znTraceYield2DRahmen {

// Member forces on both sides of one position.
struct StressPoint {
  double Position = 0.0;
  StressPair Stress{};
};

// One extreme: its position, the extreme value and the forces on both sides there.
struct StressExtreme {
  double Position = 0.0;
  double Value = 0.0;
  StressPair Stress{};
};

// Index of each extreme in StressExtremes::Extremes.
enum StressExtremeKind : std::size_t { kMaxN = 0, kMinN, kMaxQ, kMinQ, kMaxM, kMinM };

struct StressExtremes {
  std::vector<StressPoint> Points;          // the evaluation points, in order along the member
  std::array<StressExtreme, 6> Extremes{};  // MaxN, MinN, MaxQ, MinQ, MaxM, MinM
};

// Forces are triples (axial force, positive in tension; shear; moment); faceForceI is the total
// force on the flexible part at its I face, member axes (end forces plus fixed-end forces).
class ifElementStress {
 public:
  struct exSpecifiedPositionOfElementStressIsOutOfLength {
    std::string ID;
    std::uint32_t PositionIndex;  // in the list handed in, from 0
  };

  virtual ~ifElementStress() = default;
  // The record is copied into the calculator's own, which keeps the capacity of its lists.
  virtual void SetProp(const ElementStressProp& prop) = 0;
  // Checks every position first (in list order; the first outside [0, node distance] throws),
  // then returns the forces on both sides of each.
  virtual std::vector<StressPair> GetStressAtPositions(
      const Triple& faceForceI, const std::vector<double>& positions) const = 0;
  // The forces at the evaluation points between the I face and the J face, and the extremes
  // over that range.
  virtual StressExtremes GetExtremes(const Triple& faceForceI) const = 0;

 protected:
  ifElementStress() = default;
  ifElementStress(const ifElementStress&) = default;
  ifElementStress& operator=(const ifElementStress&) = default;
};

class csElementStress : public ifElementStress {
 public:
  // The extremes search divides each interval between evaluation points into divisionCount
  // steps (at least 3) and refines around the best step until the interval is no longer than
  // the minimum search length: minimumLength for members of 1000 length units or more,
  // minimumLength × (member length / 1000) for shorter ones, so the search does not depend on
  // the unit of length.
  csElementStress(std::uint32_t divisionCount, double minimumLength);

  void SetProp(const ElementStressProp& prop) override;
  std::vector<StressPair> GetStressAtPositions(const Triple& faceForceI,
                                               const std::vector<double>& positions) const override;
  StressExtremes GetExtremes(const Triple& faceForceI) const override;

  // The distance between the two nodes.
  double GetLength() const { return length_; }
  // The forces along the whole member for the given I-face force.
  csElementStressProfile MakeProfile(const Triple& faceForceI) const;
  // The same, made into profile reusing its lists.
  void MakeProfile(const Triple& faceForceI, csElementStressProfile& profile) const;
  // GetExtremes on a profile made by MakeProfile.
  StressExtremes GetExtremes(const csElementStressProfile& profile) const;
  // The same, into extremes reusing its list of points.
  void GetExtremes(const csElementStressProfile& profile, StressExtremes& extremes) const;

 private:
  // The I face, the J face, the load points between them and the requested positions between
  // them (faces included), in order, appended to points with their forces left to fill.
  void EvaluationPoints(const csElementStressProfile& profile,
                        std::vector<StressPoint>& points) const;
  double SearchLength() const;

  std::uint32_t divisionCount_;
  double minimumLength_;
  ElementStressProp prop_;
  double length_ = 0.0;
  std::vector<csElementStressProfile::PointLoad> pointLoads_;
  std::vector<csElementStressProfile::LinearLoad> linearLoads_;
};

}  // namespace znFEM::znTraceYield2DRahmen
