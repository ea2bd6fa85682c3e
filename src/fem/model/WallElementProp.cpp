#include "fem/model/WallElementProp.h"

#include <ostream>

#include "fem/model/Node.h"

namespace znFEM::znTraceYield2DRahmen {

namespace {

std::string NodeName(const ifNode* node) {
  return node == nullptr ? "(null)" : node->GetProp().ID;
}

template <class T>
void PutPairs(std::ostream& out, const char* label, const std::pair<T, T>& edge) {
  out << label << edge.first << ", " << edge.second << '\n';
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const WallElementProp& prop) {
  out << "(ID      ) : " << prop.ID << '\n';
  out << "(Node.I  ) : " << NodeName(prop.Node.first.first) << ", "
      << NodeName(prop.Node.first.second) << '\n';
  out << "(Node.J  ) : " << NodeName(prop.Node.second.first) << ", "
      << NodeName(prop.Node.second.second) << '\n';
  PutPairs(out, "(NodeID.I) : ", prop.NodeID.first);
  PutPairs(out, "(NodeID.J) : ", prop.NodeID.second);
  out << "(A       ) : " << prop.A << '\n';
  out << "(E       ) : " << prop.E << '\n';
  out << "(I       ) : " << prop.I << '\n';
  out << "(Poisson ) : " << prop.Poisson << '\n';
  out << "(Kappa   ) : " << prop.Kappa << '\n';
  out << "(La.I    ) : " << prop.La.first << '\n';
  out << "(La.J    ) : " << prop.La.second << '\n';
  PutPairs(out, "(AlphaY.I) : ", prop.AlphaY.first);
  PutPairs(out, "(AlphaY.J) : ", prop.AlphaY.second);
  out << "(Kwg     ) : " << prop.Kwg << '\n';
  return out;
}

}  // namespace znFEM::znTraceYield2DRahmen
