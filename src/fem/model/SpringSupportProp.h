// The spring-support record: three uncoupled ground springs (x, y, rotation) at one node,
// with the IDs of the extra ground node and spring element that model them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

class ifNode;

// Endings of the IDs generated for a spring support (reserved in input identifiers).
inline constexpr const char* kSpringElementSuffix = "_sse";
inline constexpr const char* kSpringNodeSuffix = "_ssn";

struct SpringSupportProp {
  std::string ElementID;             // ConnectNodeID + "_sse"
  std::string SpringNodeID;          // ConnectNodeID + "_ssn"
  std::string ConnectNodeID;         // key `node`
  ifNode* ConnectNode = nullptr;     // resolved when the support is built
  Triple SpringCoef{0.0, 0.0, 0.0};  // (kx, ky, km)
  std::vector<Triple> ImposedDisp;   // ground-end displacement, one per load case
};

// A record for the node `connectNodeID` with the generated IDs filled in.
SpringSupportProp MakeSpringSupportProp(const std::string& connectNodeID, const Triple& coef);

// Debugging dump, one labelled field per line.
std::ostream& operator<<(std::ostream& os, const SpringSupportProp& prop);

}  // namespace znFEM::znTraceYield2DRahmen
