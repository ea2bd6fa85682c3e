// The logger bundle: the nine logger interfaces that the conductor hands to the objects it
// builds, in the order conductor, analyzer, node, element, wall element, spring-support node,
// spring-support element, imposed load, edge load. None is owned; any may be null.
#pragma once

#include "fem/model/Analyzer.h"
#include "fem/model/Conductor.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/Element.h"
#include "fem/model/ImposedLoadAndDisp.h"
#include "fem/model/Node.h"
#include "fem/model/SpringSupportElement.h"
#include "fem/model/SpringSupportNode.h"
#include "fem/model/WallElement.h"

namespace znFEM::znTraceYield2DRahmen {

struct LoggerBundle {
  csConductor::ifLogger* Conductor = nullptr;
  csAnalyzer::ifLogger* Analyzer = nullptr;
  csNode::ifLogger* Node = nullptr;
  csElement::ifLogger* Element = nullptr;
  csWallElement::ifLogger* WallElement = nullptr;
  csSpringSupportNode::ifLogger* SpringSupportNode = nullptr;
  csSpringSupportElement::ifLogger* SpringSupportElement = nullptr;
  csImposedLoadAndDisp::ifLogger* ImposedLoadAndDisp = nullptr;
  csEdgeLoadFixCase::ifLogger* EdgeLoadFixCase = nullptr;
};

}  // namespace znFEM::znTraceYield2DRahmen
