#include "fem/model/ElementProp.h"

#include <ostream>
#include <utility>

namespace znFEM::znTraceYield2DRahmen {

namespace {

bool IsPinned(bool isRotarySpring, double kij) {
  return isRotarySpring && kij == 0.0;
}

const ElementCapacities kUnboundedCapacities{};

}  // namespace

bool IsPinnedByInput(const ElementProp& prop, int end) {
  return IsPinned(prop.IsRotarySpring[end], prop.Kij[end]);
}

bool IsPinnedByInput(const KeptElementProp& prop, int end) {
  return IsPinned(prop.IsRotarySpring[end], prop.Kij[end]);
}

KeptElementProp::KeptElementProp(ElementProp&& prop)
    : ID(std::move(prop.ID)),
      Node(prop.Node),
      A(prop.A),
      E(prop.E),
      I(prop.I),
      Poisson(prop.Poisson),
      Kappa(prop.Kappa),
      Lij(prop.Lij),
      Kij(prop.Kij),
      IsRotarySpring(prop.IsRotarySpring),
      FixCases(std::move(prop.FixCases)) {
  const ElementCapacities given{prop.Ny, prop.Qy, prop.My};
  if (given.Ny != kUnboundedCapacities.Ny || given.Qy != kUnboundedCapacities.Qy ||
      given.My != kUnboundedCapacities.My) {
    capacities_ = std::make_unique<const ElementCapacities>(given);
  }
}

const ElementCapacities& KeptElementProp::Capacities() const {
  return capacities_ ? *capacities_ : kUnboundedCapacities;
}

namespace {

std::ostream& Line(std::ostream& os, const char* label) {
  return os << '(' << label << ") : ";
}

std::ostream& Print(std::ostream& os, const Triple& t) {
  return os << t[0] << ", " << t[1] << ", " << t[2];
}

std::ostream& Print(std::ostream& os, const Limits& l) {
  return os << l[0] << ", " << l[1];
}

const char* const kFixCaseLabels[6] = {"FixCaseLoad.I.I", "FixCaseLoad.I.J", "FixCaseLoad.M.I",
                                       "FixCaseLoad.M.J", "FixCaseLoad.J.I", "FixCaseLoad.J.J"};

}  // namespace

std::ostream& operator<<(std::ostream& os, const ElementProp& p) {
  Line(os, "ID              ") << p.ID << '\n';
  Line(os, "Node-I          ") << p.Node[0] << '\n';
  Line(os, "Node-J          ") << p.Node[1] << '\n';
  Line(os, "NodeID-I        ") << p.NodeID[0] << '\n';
  Line(os, "NodeID-J        ") << p.NodeID[1] << '\n';
  Line(os, "A               ") << p.A << '\n';
  Line(os, "E               ") << p.E << '\n';
  Line(os, "I               ") << p.I << '\n';
  Line(os, "Poisson         ") << p.Poisson << '\n';
  Line(os, "Kappa           ") << p.Kappa << '\n';
  Line(os, "Lij-I           ") << p.Lij[0] << '\n';
  Line(os, "Lij-J           ") << p.Lij[1] << '\n';
  Line(os, "IsRotarySpring-I") << p.IsRotarySpring[0] << '\n';
  Line(os, "IsRotarySpring-J") << p.IsRotarySpring[1] << '\n';
  Line(os, "Kij-I           ") << p.Kij[0] << '\n';
  Line(os, "Kij-J           ") << p.Kij[1] << '\n';
  Print(Line(os, "Ny-I            "), p.Ny[0]) << '\n';
  Print(Line(os, "Ny-J            "), p.Ny[1]) << '\n';
  Print(Line(os, "Qy-I            "), p.Qy[0]) << '\n';
  Print(Line(os, "Qy-J            "), p.Qy[1]) << '\n';
  Print(Line(os, "My-I            "), p.My[0]) << '\n';
  Print(Line(os, "My-J            "), p.My[1]) << '\n';
  Print(Line(os, "PreFaceLoad-I   "), p.PreFaceLoad[0]) << '\n';
  Print(Line(os, "PreFaceLoad-J   "), p.PreFaceLoad[1]) << '\n';
  for (const FixCaseLoad& load : p.FixCases) {
    for (int k = 0; k < 6; ++k) {
      Line(os, kFixCaseLabels[k]);
      os << load[3 * k] << ", " << load[3 * k + 1] << ", " << load[3 * k + 2] << '\n';
    }
  }
  return os;
}

}  // namespace znFEM::znTraceYield2DRahmen
