#include "fem/app/report/ElementLogger.h"

#include "fem/app/report/TableBase.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

using ElementProp = csElementLogger::ElementProp;
using Result = csElementLogger::stResult;
using Record = csElementLogger::stRecord;
using F = csFormatTables;
using Vector = znMatrix::Vector;

using Six = csElementLogger::Six;

// The X, Y, M triple of one end (0 I, 1 J) of a six-value result.
std::array<double, 3> EndTriple(const Six& six, int end) {
  return {six[3 * end], six[3 * end + 1], six[3 * end + 2]};
}

// The first six values of an element's vector; zero where it is shorter.
Six FirstSix(const Vector& values) {
  Six six{};
  for (std::size_t k = 0; k < six.size() && k < values.size(); ++k) six[k] = values[k];
  return six;
}

const std::initializer_list<unsigned> kEndTriple{F::kWidthID, F::kWidthEnd, F::kWidthForce,
                                                 F::kWidthForce, F::kWidthForce};

class fnPropTable : public fnRecordTable<Record, Result> {
 public:
  fnPropTable(const F& formats, const csElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthID, F::kWidthID, F::kWidthSection, F::kWidthSection,
                       F::kWidthInertia, F::kWidthSection, F::kWidthSection, F::kWidthRigid,
                       F::kWidthRigid, F::kWidthStiffness, F::kWidthStiffness},
                      logger.Records()),
        logger_(logger) {
    Head({"ID", "NodeID", "", "A", "E", "I", "Poisson", "Kappa", "Lij", "", "Kij", ""});
    Head({"", "I", "J", "", "", "", "", "", "I", "J", "I", "J"});
  }
  void operator()(std::size_t k) {
    const Record& prop = PropAt(k);
    const std::string& id = prop.ID;
    NewRow();
    Text(id);
    Text(logger_.NodeIDOf(prop, 0));
    Text(logger_.NodeIDOf(prop, 1));
    Number(prop.A, F::kFormatSection);
    Number(prop.E, F::kFormatSection);
    Number(prop.I, F::kFormatInertia);
    Number(prop.Poisson, F::kFormatSection);
    Number(prop.Kappa, F::kFormatSection);
    Numbers(prop.Lij, F::kFormatRigid);
    Numbers(prop.Kij, F::kFormatStiffness);
  }

 private:
  const csElementLogger& logger_;
};

bool IsAllZero(const Six& values) {
  for (double value : values) {
    if (value != 0.0) return false;
  }
  return true;
}

// Elements without an equivalent edge load are left out.
class fnEquivalentEdgeLoad : public fnRecordTable<Record, Result> {
 public:
  fnEquivalentEdgeLoad(const F& formats, const csElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce},
                      logger.Records()),
        logger_(logger) {
    Head({"ID", "EdgeLoad", "", "", "", "", ""});
    Head({"", "I_X", "I_Y", "I_M", "J_X", "J_Y", "J_M"});
  }
  void operator()(std::size_t k) {
    const Six& load = logger_.EquivalentEdgeLoadAt(k);
    if (IsAllZero(load)) return;
    NewRow();
    Text(PropAt(k).ID);
    Numbers(load, F::kFormatForce);
  }

 private:
  const csElementLogger& logger_;
};

// Per end: the face force of the end displacements and that of the edge loads.
class fnFaceLoadEachTable : public fnRecordTable<Record, Result> {
 public:
  fnFaceLoadEachTable(const F& formats, const csElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthEnd, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()) {
    Head({"ID", "IJ", "Imposed", "", "", "FixCase", "", ""});
    Head({"", "", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(std::size_t k) {
    const Result& result = ResultAt(k);
    const std::string& id = PropAt(k).ID;
    for (int end = 0; end < 2; ++end) {
      NewRow();
      Text(id);
      Text(znPrint::EndName(end));
      Numbers(EndTriple(result.FaceForce, end), F::kFormatForce);
      Numbers(EndTriple(result.FixFaceForce, end), F::kFormatForce);
    }
  }
};

// Per end, one six-value result chosen by the function (face force, end displacement).
class fnFaceLoadTable : public fnRecordTable<Record, Result> {
 public:
  using Values = Six (*)(const Result&);
  fnFaceLoadTable(const F& formats, const csElementLogger& logger, Values values)
      : fnRecordTable(formats, kEndTriple, logger.Records()), values_(values) {
    Head({"ID", "IJ", "X", "Y", "M"});
  }
  void operator()(std::size_t k) {
    const Six six = values_(ResultAt(k));
    const std::string& id = PropAt(k).ID;
    for (int end = 0; end < 2; ++end) {
      NewRow();
      Text(id);
      Text(znPrint::EndName(end));
      Numbers(EndTriple(six, end), F::kFormatForce);
    }
  }

 private:
  Values values_;
};

Six TotalFaceForce(const Result& result) {
  return result.TotalFaceForce();
}

Six EdgeDisp(const Result& result) {
  return result.EdgeDisp;
}

}  // namespace

// The fixed-end forces of the load cases stay with the element: neither the report nor the
// drawing shows them.
void csElementLogger::Prop(const ElementProp& prop) {
  const ElementProp defaults;
  Record record{prop.ID,    {NodeAt(prop.NodeID[0]), NodeAt(prop.NodeID[1])},
                prop.A,     prop.E,
                prop.I,     prop.Poisson,
                prop.Kappa, prop.Lij,
                prop.Kij,   prop.IsRotarySpring};
  if (prop.Ny != defaults.Ny || prop.Qy != defaults.Qy || prop.My != defaults.My ||
      prop.PreFaceLoad != defaults.PreFaceLoad) {
    record.Rest = static_cast<std::uint32_t>(rests_.size());
    rests_.push_back({prop.Ny, prop.Qy, prop.My, prop.PreFaceLoad});
  }
  records_.Add(record);
}

// A node the node records hold is named by its place there: its ID is not kept twice.
std::uint32_t csElementLogger::NodeAt(const std::string& id) {
  using Nodes = csRecordLog<csNodeLogger::stRecord, csNodeLogger::stResult>;
  const std::size_t found = nodes_ != nullptr ? nodes_->Records().Find(id) : Nodes::kNone;
  if (found != Nodes::kNone && found < kUnlisted) return static_cast<std::uint32_t>(found);
  unlistedNodeIDs_.push_back(id);
  return kUnlisted | static_cast<std::uint32_t>(unlistedNodeIDs_.size() - 1);
}

const std::string& csElementLogger::NodeIDOf(const stRecord& record, int end) const {
  const std::uint32_t at = record.Node[static_cast<std::size_t>(end)];
  if ((at & kUnlisted) != 0) return unlistedNodeIDs_[at & ~kUnlisted];
  return nodes_->Records().GetProps()[at].ID;
}

std::vector<ElementProp> csElementLogger::FullProps() const {
  std::vector<ElementProp> props(records_.Size());
  for (std::size_t k = 0; k < props.size(); ++k) {
    const Record& record = records_.GetProps()[k];
    ElementProp& prop = props[k];
    prop.ID = record.ID;
    prop.NodeID = {NodeIDOf(record, 0), NodeIDOf(record, 1)};
    prop.A = record.A;
    prop.E = record.E;
    prop.I = record.I;
    prop.Poisson = record.Poisson;
    prop.Kappa = record.Kappa;
    prop.Lij = record.Lij;
    prop.Kij = record.Kij;
    prop.IsRotarySpring = record.IsRotarySpring;
    if (record.Rest == kNoRest) continue;
    const stRest& rest = rests_[record.Rest];
    prop.Ny = rest.Ny;
    prop.Qy = rest.Qy;
    prop.My = rest.My;
    prop.PreFaceLoad = rest.PreFaceLoad;
  }
  return props;
}

void csElementLogger::FixCase(const KeptElementProp& prop, const Vector& equivalentLoad,
                              const znMatrixMaker::csEquivalentEdgeLoad&, const Vector&, double,
                              const PerEnd<double>&, const PerEnd<double>&) {
  const std::size_t k = records_.PositionOf(prop.ID);
  if (k == records_.kNone) return;
  if (equivalentEdgeLoads_.size() < records_.Size()) equivalentEdgeLoads_.resize(records_.Size());
  equivalentEdgeLoads_[k] = FirstSix(equivalentLoad);
}

void csElementLogger::Disp(const KeptElementProp& prop, const Vector& disp) {
  records_.ResultOf(prop.ID).EdgeDisp = FirstSix(disp);
}

void csElementLogger::FaceForce(const KeptElementProp& prop, const Vector& force,
                                const Vector& fixForce) {
  stResult& result = records_.ResultOf(prop.ID);
  result.FaceForce = FirstSix(force);
  result.FixFaceForce = FirstSix(fixForce);
}

void csElementLogger::Stretch(const KeptElementProp& prop, double, double,
                              const PerEnd<std::int32_t>& axialState) {
  records_.ResultOf(prop.ID).AxialState = axialState;
}

void csElementLogger::SpringRotation(const KeptElementProp& prop, const PerEnd<double>&,
                                     const PerEnd<double>&,
                                     const PerEnd<std::int32_t>& hingeState) {
  records_.ResultOf(prop.ID).HingeState = hingeState;
}

void csElementLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  if (records_.Size() == 0) return;
  writer.Title(1, "Element");
  WriteTable(writer, "Prop", records_, fnPropTable(formats_, *this));
  WriteTable(writer, "EquivalentEdgeLoad", records_, fnEquivalentEdgeLoad(formats_, *this));
  if (!resultsAvailable_) return;
  WriteTable(writer, "FaceLoad(Each)", records_, fnFaceLoadEachTable(formats_, *this));
  WriteTable(writer, "FaceLoad", records_, fnFaceLoadTable(formats_, *this, TotalFaceForce));
  WriteTable(writer, "EdgeDisp", records_, fnFaceLoadTable(formats_, *this, EdgeDisp));
}

}  // namespace znFEM::znTarvex
