#include "fem/model/SpringSupportProp.h"

#include <ostream>

namespace znFEM::znTraceYield2DRahmen {

SpringSupportProp MakeSpringSupportProp(const std::string& connectNodeID, const Triple& coef) {
  SpringSupportProp prop;
  prop.ElementID = connectNodeID + kSpringElementSuffix;
  prop.SpringNodeID = connectNodeID + kSpringNodeSuffix;
  prop.ConnectNodeID = connectNodeID;
  prop.SpringCoef = coef;
  return prop;
}

std::ostream& operator<<(std::ostream& os, const SpringSupportProp& prop) {
  os << "(ElementID    ) : " << prop.ElementID << '\n';
  os << "(SpringNodeID ) : " << prop.SpringNodeID << '\n';
  os << "(ConnectNodeID) : " << prop.ConnectNodeID << '\n';
  os << "(ConnectNode  ) : " << static_cast<const void*>(prop.ConnectNode) << '\n';
  os << "(SpringCoef   ) : " << prop.SpringCoef[0] << ", " << prop.SpringCoef[1] << ", "
     << prop.SpringCoef[2] << '\n';
  os << "(ImposedDisp) : ";
  for (const Triple& t : prop.ImposedDisp)
    os << '(' << t[0] << ", " << t[1] << ", " << t[2] << ") ";
  return os << '\n';
}

}  // namespace znFEM::znTraceYield2DRahmen
