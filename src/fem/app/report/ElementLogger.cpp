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

class fnPropTable : public fnTableBaseWithProp<ElementProp> {
 public:
  fnPropTable(const F& formats, const std::map<std::string, ElementProp>& props)
      : fnTableBaseWithProp(
            formats,
            {F::kWidthID, F::kWidthID, F::kWidthID, F::kWidthSection, F::kWidthSection,
             F::kWidthInertia, F::kWidthSection, F::kWidthSection, F::kWidthRigid, F::kWidthRigid,
             F::kWidthStiffness, F::kWidthStiffness},
            props) {
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
class fnEquivalentEdgeLoad : public fnTableBaseWithLog<ElementProp, Result> {
 public:
  fnEquivalentEdgeLoad(const F& formats, const csElementLogger& logger)
      : fnTableBaseWithLog(formats,
                           {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                            F::kWidthForce, F::kWidthForce, F::kWidthForce},
                           logger.GetProps(), logger.GetResults()) {
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
class fnFaceLoadEachTable : public fnTableBaseWithLog<ElementProp, Result> {
 public:
  fnFaceLoadEachTable(const F& formats, const csElementLogger& logger)
      : fnTableBaseWithLog(formats,
                           {F::kWidthID, F::kWidthEnd, F::kWidthForce, F::kWidthForce,
                            F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce},
                           logger.GetProps(), logger.GetResults()) {
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
class fnFaceLoadTable : public fnTableBaseWithLog<ElementProp, Result> {
 public:
  using Member = Vector Result::*;
  fnFaceLoadTable(const F& formats, const csElementLogger& logger, Member member)
      : fnTableBaseWithLog(formats, kEndTriple, logger.GetProps(), logger.GetResults()),
        member_(member) {
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
  ids_.push_back(prop.ID);
  ElementProp& kept = props_[prop.ID] = prop;
  kept.Node = {nullptr, nullptr};
  // A zero result, so that a run that fails before any step still has one to show.
  results_[prop.ID] = stResult{};
}

std::vector<ElementProp> csElementLogger::GetPropList() const {
  std::vector<ElementProp> list;
  for (const std::string& id : ids_) list.push_back(props_.at(id));
  return list;
}

void csElementLogger::FixCase(const ElementProp& prop, const Vector& equivalentLoad,
                              const znMatrixMaker::csEquivalentEdgeLoad&, const Vector&, double,
                              const PerEnd<double>&, const PerEnd<double>&) {
  stResult& result = results_[prop.ID];
  result.EquivalentEdgeLoad = equivalentLoad;
  result.HasEquivalentEdgeLoad = !IsAllZero(equivalentLoad);
}

void csElementLogger::Disp(const ElementProp& prop, const Vector& disp) {
  results_[prop.ID].EdgeDisp = disp;
}

void csElementLogger::FaceForce(const ElementProp& prop, const Vector& force,
                                const Vector& fixForce) {
  stResult& result = results_[prop.ID];
  result.FaceForce = force;
  result.FixFaceForce = fixForce;
  result.TotalFaceForce.assign(force.size(), 0.0);
  for (std::size_t i = 0; i < force.size() && i < fixForce.size(); ++i) {
    result.TotalFaceForce[i] = force[i] + fixForce[i];
  }
}

void csElementLogger::Stretch(const ElementProp& prop, double, double,
                              const PerEnd<std::int32_t>& axialState) {
  results_[prop.ID].AxialState = axialState;
}

void csElementLogger::SpringRotation(const ElementProp& prop, const PerEnd<double>&,
                                     const PerEnd<double>&,
                                     const PerEnd<std::int32_t>& hingeState) {
  results_[prop.ID].HingeState = hingeState;
}

void csElementLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  if (ids_.empty()) return;
  writer.Title(1, "Element");
  WriteTable(writer, "Prop", ids_, fnPropTable(formats_, props_));
  WriteTable(writer, "EquivalentEdgeLoad", ids_, fnEquivalentEdgeLoad(formats_, *this));
  if (!resultsAvailable_) return;
  WriteTable(writer, "FaceLoad(Each)", ids_, fnFaceLoadEachTable(formats_, *this));
  WriteTable(writer, "FaceLoad", ids_, fnFaceLoadTable(formats_, *this, &stResult::TotalFaceForce));
  WriteTable(writer, "EdgeDisp", ids_, fnFaceLoadTable(formats_, *this, &stResult::EdgeDisp));
}

}  // namespace znFEM::znTarvex
