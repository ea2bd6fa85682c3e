// The node record as read from the input, the panel member entries of a beam–column joint,
// and the small value types (triples, limit pairs, the unbounded marker) the model shares.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <string>
#include <vector>

#include "fem/makers/SegmentForces.h"

namespace znFEM::znTraceYield2DRahmen {

// The largest finite double: no limit for a capacity, no event for a ratio.
inline constexpr double kInfinite = std::numeric_limits<double>::max();

using znFEM::Six;
using znFEM::Triple;

// A limit pair indexed by the yield state code: [0] upper limit, [1] lower limit.
using Limits = std::array<double, 2>;
inline constexpr Limits kUnbounded{kInfinite, -kInfinite};

// Yield state codes of a member end or a panel.
inline constexpr std::int32_t kYieldedUpper = 0;
inline constexpr std::int32_t kYieldedLower = 1;
inline constexpr std::int32_t kElastic = 2;

// Side code of a panel member (THLR): T and H are the vertical members on either side of
// the joint, L and R the horizontal ones.
inline constexpr int kTHLR_T = 0;
inline constexpr int kTHLR_H = 1;
inline constexpr int kTHLR_L = 2;
inline constexpr int kTHLR_R = 3;
inline constexpr int kTHLR_Undef = 4;

// "T", "H", "L", "R", "Undef"; any other code throws the text "bad case!!!".
std::string THLRName(int code);
bool IsVerticalTHLR(int code);
bool IsHorizontalTHLR(int code);

// No member is excluded from reporting the panel ratio.
inline constexpr std::uint32_t kNoExcludedElement = 4294967295u;

// One member framing into a joint panel.
struct PanelElementProp {
  std::string ID;          // the member's ID
  double Lij = 0.0;        // the member's rigid-zone length at this node
  int THLR = kTHLR_Undef;  // side code
  double KijForPy = 0.0;   // rotational stiffness the yielded panel lends to this member end
};

struct NodeProp {
  std::string ID;
  std::array<double, 2> Coordinate{0.0, 0.0};            // (x, y)
  std::array<bool, 3> IsSupported{false, false, false};  // (x, y, rotation)
  std::vector<Triple> ImposedLoads;                      // one per load case
  std::vector<Triple> ImposedDisps;                      // one per load case
  Limits Myp = kUnbounded;                               // panel yield moment
  bool WithFaceShear = false;
  std::uint32_t ExcludedElement = kNoExcludedElement;  // index into ElementProps
  std::vector<PanelElementProp> ElementProps;          // empty: no panel
};

// Debugging dumps, one labelled field per line.
std::ostream& operator<<(std::ostream& os, const PanelElementProp& prop);
std::ostream& operator<<(std::ostream& os, const NodeProp& prop);

}  // namespace znFEM::znTraceYield2DRahmen
