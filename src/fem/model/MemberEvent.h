// The events of a member end that change the structure's stiffness or end the analysis, as a
// step reports them.
#pragma once

#include <cstdint>
#include <string>

namespace znFEM::znTraceYield2DRahmen {

enum class EventKind : std::uint8_t {
  Hinge,         // the moment reached the plastic moment: the end turns freely
  AxialYield,    // the axial force reached its capacity: the member stretches freely
  ShearFailure,  // the shear force reached its capacity: the member has failed
  PanelYield,    // the joint panel at the end yielded
  HingeUnload,   // a hinge turned back: the end is elastic again
  AxialUnload,   // an axial yield stretched back
  PanelUnload,   // a yielded panel turned back
};

// "Hinge", "AxialYield", "ShearFailure", "PanelYield", "HingeUnload", "AxialUnload",
// "PanelUnload".
const char* EventName(EventKind kind);

struct MemberEvent {
  std::string ElementID;
  std::uint32_t End = 0;  // 0 I, 1 J
  EventKind Kind = EventKind::Hinge;
  double Force = 0.0;  // the force of the event's kind at the end, signed in member axes
};

// How a member has failed; a failed member ends the analysis.
enum class FailureKind : std::uint8_t { None, Shear, Axial };

}  // namespace znFEM::znTraceYield2DRahmen
