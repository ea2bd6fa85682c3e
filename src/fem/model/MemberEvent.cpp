#include "fem/model/MemberEvent.h"

namespace znFEM::znTraceYield2DRahmen {

const char* EventName(EventKind kind) {
  switch (kind) {
    case EventKind::Hinge:
      return "Hinge";
    case EventKind::AxialYield:
      return "AxialYield";
    case EventKind::ShearFailure:
      return "ShearFailure";
    case EventKind::PanelYield:
      return "PanelYield";
    case EventKind::HingeUnload:
      return "HingeUnload";
    case EventKind::AxialUnload:
      return "AxialUnload";
    case EventKind::PanelUnload:
      return "PanelUnload";
  }
  return "";
}

}  // namespace znFEM::znTraceYield2DRahmen
