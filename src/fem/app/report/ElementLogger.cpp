#include "fem/app/report/ElementLogger.h"

#include "fem/app/report/TableBase.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

using ElementProp = csElementLogger::ElementProp;
using Result = csElementLogger::stResult;
using F = csFormatTables;
using Vector = znMatrix::Vector;

// The X, Y, M triple of one end (0 I, 1 J) of a six-value result.
std::vector<double> EndTriple(const Vector& six, int end) {
  return {six.at(3 * end), six.at(3 * end + 1), six.at(3 * end + 2)};
}

const std::initializer_list<unsigned> kEndTriple{F::kWidthID, F::kWidthEnd, F::kWidthForce,
                                                 F::kWidthForce, F::kWidthForce};

class fnPropTable : public fnRecordTable<ElementProp, Result> {
 public:
  fnPropTable(const F& formats, const csElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthID, F::kWidthID, F::kWidthSection, F::kWidthSection,
                       F::kWidthInertia, F::kWidthSection, F::kWidthSection, F::kWidthRigid,
                       F::kWidthRigid, F::kWidthStiffness, F::kWidthStiffness},
                      logger.Records()) {
    Head({"ID", "NodeID", "", "A", "E", "I", "Poisson", "Kappa", "Lij", "", "Kij", ""});
    Head({"", "I", "J", "", "", "", "", "", "I", "J", "I", "J"});
  }
  void operator()(const std::string& id) {
    const ElementProp& prop = PropOf(id);
    NewRow();
    Text(id);
    Text(prop.NodeID[0]);
    Text(prop.NodeID[1]);
    Number(prop.A, F::kFormatSection);
    Number(prop.E, F::kFormatSection);
    Number(prop.I, F::kFormatInertia);
    Number(prop.Poisson, F::kFormatSection);
    Number(prop.Kappa, F::kFormatSection);
    Numbers(prop.Lij, F::kFormatRigid);
    Numbers(prop.Kij, F::kFormatStiffness);
  }
};

// Elements without an equivalent edge load are left out.
class fnEquivalentEdgeLoad : public fnRecordTable<ElementProp, Result> {
 public:
  fnEquivalentEdgeLoad(const F& formats, const csElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce},
                      logger.Records()) {
    Head({"ID", "EdgeLoad", "", "", "", "", ""});
    Head({"", "I_X", "I_Y", "I_M", "J_X", "J_Y", "J_M"});
  }
  void operator()(const std::string& id) {
    const Result& result = LogOf(id);
    if (!result.HasEquivalentEdgeLoad) return;
    NewRow();
    Text(id);
    Numbers(result.EquivalentEdgeLoad, F::kFormatForce);
  }
};

// Per end: the face force of the end displacements and that of the edge loads.
class fnFaceLoadEachTable : public fnRecordTable<ElementProp, Result> {
 public:
  fnFaceLoadEachTable(const F& formats, const csElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthEnd, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()) {
    Head({"ID", "IJ", "Imposed", "", "", "FixCase", "", ""});
    Head({"", "", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(const std::string& id) {
    const Result& result = LogOf(id);
    for (int end = 0; end < 2; ++end) {
      NewRow();
      Text(id);
      Text(znPrint::EndName(end));
      Numbers(EndTriple(result.FaceForce, end), F::kFormatForce);
      Numbers(EndTriple(result.FixFaceForce, end), F::kFormatForce);
    }
  }
};

// Per end, one six-value result chosen by the member pointer (face force, end displacement).
class fnFaceLoadTable : public fnRecordTable<ElementProp, Result> {
 public:
  using Member = Vector Result::*;
  fnFaceLoadTable(const F& formats, const csElementLogger& logger, Member member)
      : fnRecordTable(formats, kEndTriple, logger.Records()), member_(member) {
    Head({"ID", "IJ", "X", "Y", "M"});
  }
  void operator()(const std::string& id) {
    const Result& result = LogOf(id);
    for (int end = 0; end < 2; ++end) {
      NewRow();
      Text(id);
      Text(znPrint::EndName(end));
      Numbers(EndTriple(result.*member_, end), F::kFormatForce);
    }
  }

 private:
  Member member_;
};

bool IsAllZero(const Vector& values) {
  for (double value : values) {
    if (value != 0.0) return false;
  }
  return true;
}

}  // namespace

void csElementLogger::Prop(const ElementProp& prop) {
  records_.Add(prop).Node = {nullptr, nullptr};
}

void csElementLogger::FixCase(const ElementProp& prop, const Vector& equivalentLoad,
                              const znMatrixMaker::csEquivalentEdgeLoad&, const Vector&, double,
                              const PerEnd<double>&, const PerEnd<double>&) {
  stResult& result = records_.ResultOf(prop.ID);
  result.EquivalentEdgeLoad = equivalentLoad;
  result.HasEquivalentEdgeLoad = !IsAllZero(equivalentLoad);
}

void csElementLogger::Disp(const ElementProp& prop, const Vector& disp) {
  records_.ResultOf(prop.ID).EdgeDisp = disp;
}

void csElementLogger::FaceForce(const ElementProp& prop, const Vector& force,
                                const Vector& fixForce) {
  stResult& result = records_.ResultOf(prop.ID);
  result.FaceForce = force;
  result.FixFaceForce = fixForce;
  result.TotalFaceForce.assign(force.size(), 0.0);
  for (std::size_t i = 0; i < force.size() && i < fixForce.size(); ++i) {
    result.TotalFaceForce[i] = force[i] + fixForce[i];
  }
}

void csElementLogger::Stretch(const ElementProp& prop, double, double,
                              const PerEnd<std::int32_t>& axialState) {
  records_.ResultOf(prop.ID).AxialState = axialState;
}

void csElementLogger::SpringRotation(const ElementProp& prop, const PerEnd<double>&,
                                     const PerEnd<double>&,
                                     const PerEnd<std::int32_t>& hingeState) {
  records_.ResultOf(prop.ID).HingeState = hingeState;
}

void csElementLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  const std::vector<std::string>& ids = records_.GetIDs();
  if (ids.empty()) return;
  writer.Title(1, "Element");
  WriteTable(writer, "Prop", ids, fnPropTable(formats_, *this));
  WriteTable(writer, "EquivalentEdgeLoad", ids, fnEquivalentEdgeLoad(formats_, *this));
  if (!resultsAvailable_) return;
  WriteTable(writer, "FaceLoad(Each)", ids, fnFaceLoadEachTable(formats_, *this));
  WriteTable(writer, "FaceLoad", ids, fnFaceLoadTable(formats_, *this, &stResult::TotalFaceForce));
  WriteTable(writer, "EdgeDisp", ids, fnFaceLoadTable(formats_, *this, &stResult::EdgeDisp));
}

}  // namespace znFEM::znTarvex
