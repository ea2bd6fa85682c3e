// Checks a spring-support record against the built nodes and has the spring-support manager
// build its ground node and spring element; applied to each record after all nodes exist.
#pragma once

#include <cstdint>
#include <string>

#include "fem/model/NodeMgr.h"
#include "fem/model/SpringSupportMgr.h"
#include "fem/model/SpringSupportProp.h"

namespace znFEM::znTraceYield2DRahmen {

class fnSpringSupportMaker {
 public:
  struct exConnectNodeIsnotExist {
    std::string ID;  // ConnectNodeID
  };
  struct exUnZeroSpringCoefIsSetAtSupportedNode {
    std::string ID;           // ConnectNodeID
    std::uint32_t Direction;  // 0 x, 1 y, 2 rotation
  };

  fnSpringSupportMaker(const csNodeMgr& nodes, csSpringSupportMgr& springSupports);

  // Resolves prop.ConnectNode (written into the record), checks it, then builds.
  void operator()(SpringSupportProp& prop) const;

 private:
  const csNodeMgr& nodes_;
  csSpringSupportMgr& springSupports_;
};

}  // namespace znFEM::znTraceYield2DRahmen
