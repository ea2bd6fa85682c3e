#include "fem/model/NodeProp.h"

#include <ostream>

namespace znFEM::znTraceYield2DRahmen {

std::string THLRName(int code) {
  switch (code) {
    case kTHLR_T:
      return "T";
    case kTHLR_H:
      return "H";
    case kTHLR_L:
      return "L";
    case kTHLR_R:
      return "R";
    case kTHLR_Undef:
      return "Undef";
    default:
      throw std::string("bad case!!!");
  }
}

bool IsVerticalTHLR(int code) {
  return code == kTHLR_T || code == kTHLR_H;
}

bool IsHorizontalTHLR(int code) {
  return code == kTHLR_L || code == kTHLR_R;
}

namespace {

std::ostream& operator<<(std::ostream& os, const Triple& t) {
  return os << t[0] << ", " << t[1] << ", " << t[2];
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const PanelElementProp& prop) {
  os << "(ID         ) : " << prop.ID << '\n';
  os << "(Lij        ) : " << prop.Lij << '\n';
  os << "(THLR       ) : " << THLRName(prop.THLR) << '\n';
  os << "(KijForPy   ) : " << prop.KijForPy << '\n';
  return os;
}

std::ostream& operator<<(std::ostream& os, const NodeProp& prop) {
  os << "(ID          ) : " << prop.ID << '\n';
  os << "(Coordinate  ) : " << prop.Coordinate[0] << ", " << prop.Coordinate[1] << '\n';
  os << "(IsSupported ) : " << prop.IsSupported[0] << ", " << prop.IsSupported[1] << ", "
     << prop.IsSupported[2] << '\n';
  os << "(ImposedLoads) : ";
  for (const Triple& t : prop.ImposedLoads) os << '(' << t << ") ";
  os << '\n' << "(ImposedDisps) : ";
  for (const Triple& t : prop.ImposedDisps) os << '(' << t << ") ";
  os << '\n' << "(Myp         ) : " << prop.Myp[0] << ", " << prop.Myp[1] << '\n';
  os << "(ElementProps) : " << prop.ElementProps.size() << '\n';
  for (const PanelElementProp& e : prop.ElementProps) os << e;
  return os;
}

}  // namespace znFEM::znTraceYield2DRahmen
