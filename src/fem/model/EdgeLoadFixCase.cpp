#include "fem/model/EdgeLoadFixCase.h"

#include <cmath>
#include <cstddef>

#include "fem/model/ElementProp.h"
#include "fem/model/Finite.h"
#include "fem/model/Node.h"

namespace znFEM::znTraceYield2DRahmen {

namespace {

using znEdgeLoadFixCase::csEdgeLoadFixCase2DRahmen;
using ElementMap = std::map<std::string, ElementProp*>;
using Maker = csEdgeLoadFixCase2DRahmen;
using Self = csEdgeLoadFixCase;

struct MemberGeometry {
  double length;
  double angle;  // of the line from node I to node J against global x
};

MemberGeometry GeometryOf(const ElementProp& element) {
  const std::array<double, 2> ci = element.Node[0]->GetCoordinate();
  const std::array<double, 2> cj = element.Node[1]->GetCoordinate();
  const double dx = cj[0] - ci[0];
  const double dy = cj[1] - ci[1];
  return {std::hypot(dx, dy), std::atan2(dy, dx)};
}

znEdgeLoadFixCase::EdgeLoadMember MemberOf(const ElementProp& element, double length) {
  znEdgeLoadFixCase::EdgeLoadMember m;
  m.ID = element.ID;
  m.E = element.E;
  m.I = element.I;
  m.A = element.A;
  m.Poisson = element.Poisson;
  m.Kappa = element.Kappa;
  m.L = length;
  m.Li = element.Lij[0];
  m.Lj = element.Lij[1];
  return m;
}

// docs/theory.md "Loads given in global axes".
std::array<double, 2> ToMemberAxes(double angle, double x, double y) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {c * x + s * y, -s * x + c * y};
}

bool AnyNonZero(const SegmentForces& forces, std::size_t first, std::size_t count) {
  for (std::size_t k = first; k < first + count; ++k) {
    if (forces[k] != 0.0) return true;
  }
  return false;
}

// What the three appliers share: the logger, the element records, the kind of record they
// apply and how many records they have applied (the ordinal of the next one).
class fnBaseClass {
 protected:
  fnBaseClass(Self::ifLogger* logger, const ElementMap& elements, std::uint32_t kind)
      : logger_(logger), elements_(elements), kind_(kind) {}

  Self::RecordKey Key() const { return {kind_, count_}; }

  template <class Ex, class... Extra>
  Ex Failure(const std::string& id, std::uint32_t loadNumber, Extra... extra) const {
    return Ex{{}, Key(), id, loadNumber, extra...};
  }

  // Adds a record's forces to its element's case, unless a sum would not be finite.
  void AddForces(ElementProp& element, const std::string& id, std::uint32_t loadNumber,
                 const SegmentForces& forces) const {
    SegmentForces sum = element.FixCases[loadNumber];
    for (std::size_t k = 0; k < forces.size(); ++k) sum[k] += forces[k];
    if (!AreFinite(sum)) throw Failure<Self::exFixedEndForceIsNotFinite>(id, loadNumber);
    element.FixCases[loadNumber] = sum;
  }

  // The record's element, checked to have an entry for the record's load case.
  ElementProp& ElementFor(const std::string& id, std::uint32_t loadNumber) const {
    const auto it = elements_.find(id);
    if (it == elements_.end()) {
      throw Failure<Self::exSpecifiedElementIsnotExist>(id, loadNumber);
    }
    if (loadNumber >= it->second->FixCases.size()) {
      throw Failure<Self::exSpecifiedLoadNumberIsOver>(id, loadNumber);
    }
    return *it->second;
  }

  Self::ifLogger* logger_;
  const ElementMap& elements_;
  std::uint32_t kind_;
  std::uint32_t count_ = 0;
};

class fnSetDirectInput : public fnBaseClass {
 public:
  fnSetDirectInput(Self::ifLogger* logger, const ElementMap& elements)
      : fnBaseClass(logger, elements, Self::kDirectInputKind) {}

  void operator()(const EdgeLoadDirectInputProp& record) {
    ElementProp& element = ElementFor(record.ID, record.LoadNumber);
    // An end zone of length zero cannot carry forces of its own.
    if (element.Lij[0] == 0.0 && AnyNonZero(record.Forces, 0, 6)) {
      throw Failure<Self::exSpecifiedEdgeLoadIsSetAtZeroLengthEdge>(record.ID, record.LoadNumber,
                                                                    std::uint32_t{0});
    }
    if (element.Lij[1] == 0.0 && AnyNonZero(record.Forces, 12, 6)) {
      throw Failure<Self::exSpecifiedEdgeLoadIsSetAtZeroLengthEdge>(record.ID, record.LoadNumber,
                                                                    std::uint32_t{1});
    }
    AddForces(element, record.ID, record.LoadNumber, record.Forces);
    if (logger_) logger_->DirectInput(record);
    ++count_;
  }
};

class fnSetConcentratedLoad : public fnBaseClass {
 public:
  fnSetConcentratedLoad(Self::ifLogger* logger, const ElementMap& elements)
      : fnBaseClass(logger, elements, Self::kConcentratedKind) {}

  void operator()(const EdgeLoadConcentratedProp& record) {
    ElementProp& element = ElementFor(record.ID, record.LoadNumber);
    const MemberGeometry g = GeometryOf(element);
    znEdgeLoadFixCase::ConcentratedLoadInput input;
    input.Member = MemberOf(element, g.length);
    std::array<double, 2> xy{record.Load[0], record.Load[1]};
    if (!record.ECrd) xy = ToMemberAxes(g.angle, xy[0], xy[1]);
    input.X = xy[0];
    input.Y = xy[1];
    input.M = record.Load[2];
    input.Pos = record.Pos;
    SegmentForces forces;
    try {
      forces = maker_.Concentrated(input);
    } catch (const Maker::exPositionOfConcentratedLoadIsOut&) {
      throw Failure<Self::exPositionOfConcentratedLoadIsOut>(record.ID, record.LoadNumber);
    }
    AddForces(element, record.ID, record.LoadNumber, forces);
    if (logger_) logger_->ConcentratedLoad(forces, record);
    ++count_;
  }

 private:
  Maker maker_;
};

class fnSetDistributedLoad : public fnBaseClass {
 public:
  fnSetDistributedLoad(Self::ifLogger* logger, const ElementMap& elements)
      : fnBaseClass(logger, elements, Self::kDistributedKind) {}

  void operator()(const EdgeLoadDistributedProp& record) {
    ElementProp& element = ElementFor(record.ID, record.LoadNumber);
    const MemberGeometry g = GeometryOf(element);
    znEdgeLoadFixCase::DistributedLoadInput input;
    input.Member = MemberOf(element, g.length);
    std::array<double, 2> qi = record.LoadI;
    std::array<double, 2> qj = record.LoadJ;
    if (!record.ECrd) {
      qi = ToMemberAxes(g.angle, qi[0], qi[1]);
      qj = ToMemberAxes(g.angle, qj[0], qj[1]);
    }
    input.IX = qi[0];
    input.IY = qi[1];
    input.JX = qj[0];
    input.JY = qj[1];
    input.PosI = record.PosI;
    input.PosJ = record.PosJ;
    const SegmentForces forces = Compute(input, record);
    AddForces(element, record.ID, record.LoadNumber, forces);
    if (logger_) logger_->DistributedLoad(forces, record);
    ++count_;
  }

 private:
  SegmentForces Compute(const znEdgeLoadFixCase::DistributedLoadInput& input,
                        const EdgeLoadDistributedProp& record) const {
    try {
      return maker_.Distributed(input);
    } catch (const Maker::exPositionOfDistributedLoadAreTheSameOrLeftSideRight&) {
      throw Failure<Self::exPositionOfDistributedLoadAreTheSameOrLeftSideRight>(record.ID,
                                                                                record.LoadNumber);
    } catch (const Maker::exPositionOfDistributedLoadIsOut& e) {
      throw Failure<Self::exPositionOfDistributedLoadIsOut>(record.ID, record.LoadNumber,
                                                            e.Position);
    }
  }

  Maker maker_;
};

template <class Applier, class Record>
void ApplyAll(Applier apply, const std::vector<Record>& records) {
  for (const Record& record : records) apply(record);
}

}  // namespace

csEdgeLoadFixCase::csEdgeLoadFixCase(ifLogger* logger) : logger_(logger) {}

void csEdgeLoadFixCase::SetElements(std::vector<ElementProp>& elements) {
  elements_.clear();
  for (ElementProp& element : elements) elements_[element.ID] = &element;
}

void csEdgeLoadFixCase::Apply(const std::vector<EdgeLoadDirectInputProp>& directInput,
                              const std::vector<EdgeLoadConcentratedProp>& concentrated,
                              const std::vector<EdgeLoadDistributedProp>& distributed) {
  ApplyAll(fnSetDirectInput(logger_, elements_), directInput);
  ApplyAll(fnSetConcentratedLoad(logger_, elements_), concentrated);
  ApplyAll(fnSetDistributedLoad(logger_, elements_), distributed);
}

}  // namespace znFEM::znTraceYield2DRahmen
