#include "fem/model/ElementStressProp.h"

#include <cmath>
#include <ostream>

namespace znFEM::znTraceYield2DRahmen {

namespace {

std::ostream& Line(std::ostream& os, const char* label) {
  return os << '(' << label << ") : ";
}

}  // namespace

double MemberLength(const ElementStressProp& prop) {
  return std::hypot(prop.Coordinates[1][0] - prop.Coordinates[0][0],
                    prop.Coordinates[1][1] - prop.Coordinates[0][1]);
}

std::ostream& operator<<(std::ostream& os, const ElementStressProp& p) {
  Line(os, "ID      ") << p.ID << '\n';
  Line(os, "Stress.I") << p.Coordinates[0][0] << ", " << p.Coordinates[0][1] << '\n';
  Line(os, "Stress.J") << p.Coordinates[1][0] << ", " << p.Coordinates[1][1] << '\n';
  Line(os, "Lij     ") << p.Lij[0] << ", " << p.Lij[1] << '\n';
  Line(os, "Position");
  for (std::size_t k = 0; k < p.Positions.size(); ++k) os << (k == 0 ? "" : ", ") << p.Positions[k];
  os << '\n';
  for (const EdgeLoadConcentratedProp& load : p.ConcentratedLoads) {
    Line(os, "Conc    ") << load.Pos << " : " << load.Load[0] << ", " << load.Load[1] << ", "
                         << load.Load[2] << (load.ECrd ? " (member)" : " (global)") << '\n';
  }
  for (const EdgeLoadDistributedProp& load : p.DistributedLoads) {
    Line(os, "Dist    ") << load.PosI << " - " << load.PosJ << " : " << load.LoadI[0] << ", "
                         << load.LoadI[1] << " - " << load.LoadJ[0] << ", " << load.LoadJ[1]
                         << (load.ECrd ? " (member)" : " (global)") << '\n';
  }
  return os;
}

}  // namespace znFEM::znTraceYield2DRahmen
