#include "fem/model/SpringSupportMaker.h"

namespace znFEM::znTraceYield2DRahmen {

fnSpringSupportMaker::fnSpringSupportMaker(const csNodeMgr& nodes,
                                           csSpringSupportMgr& springSupports)
    : nodes_(nodes), springSupports_(springSupports) {}

void fnSpringSupportMaker::operator()(SpringSupportProp& prop) const {
  ifNode* node = nullptr;
  try {
    node = nodes_.GetNode(prop.ConnectNodeID);
  } catch (const csNodeMgr::exSpecifiedNodeIsnotExist&) {
    throw exConnectNodeIsnotExist{prop.ConnectNodeID};
  }
  prop.ConnectNode = node;
  // A spring in parallel with a rigid support would carry nothing.
  const std::array<bool, 3> supported = node->GetIsSupported();
  for (std::uint32_t d = 0; d < 3; ++d) {
    if (prop.SpringCoef[d] != 0.0 && supported[d]) {
      throw exUnZeroSpringCoefIsSetAtSupportedNode{prop.ConnectNodeID, d};
    }
  }
  springSupports_.MakeSpringSupport(prop);
}

}  // namespace znFEM::znTraceYield2DRahmen
