#include "fem/app/report/WallElementLogger.h"

#include "fem/app/report/TableBase.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

using WallElementProp = csWallElementLogger::WallElementProp;
using Result = csWallElementLogger::stResult;
using Triple = znTraceYield2DRahmen::Triple;
using F = csFormatTables;

class fnProp1Table : public fnRecordTable<WallElementProp, Result> {
 public:
  fnProp1Table(const F& formats, const csWallElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthSection, F::kWidthSection, F::kWidthInertia,
                       F::kWidthSection, F::kWidthSection, F::kWidthInertia},
                      logger.Records()) {
    Head({"ID", "A", "E", "I", "Poisson", "Kappa", "Kwg"});
  }
  void operator()(std::size_t k) {
    const WallElementProp& prop = PropAt(k);
    const std::string& id = prop.ID;
    NewRow();
    Text(id);
    Number(prop.A, F::kFormatSection);
    Number(prop.E, F::kFormatSection);
    Number(prop.I, F::kFormatInertia);
    Number(prop.Poisson, F::kFormatSection);
    Number(prop.Kappa, F::kFormatSection);
    Number(prop.Kwg, F::kFormatInertia);
  }
};

class fnProp2Table : public fnRecordTable<WallElementProp, Result> {
 public:
  fnProp2Table(const F& formats, const csWallElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthID, F::kWidthID, F::kWidthID, F::kWidthID,
                       F::kWidthRigid, F::kWidthRigid, F::kWidthStiffness, F::kWidthStiffness,
                       F::kWidthStiffness, F::kWidthStiffness},
                      logger.Records()) {
    Head({"ID", "Node", "", "", "", "La", "", "AlphaY", "", "", ""});
    Head({"", "I-A", "I-B", "J-A", "J-B", "I", "J", "I-A", "I-B", "J-A", "J-B"});
  }
  void operator()(std::size_t k) {
    const WallElementProp& prop = PropAt(k);
    const std::string& id = prop.ID;
    NewRow();
    Text(id);
    Text(prop.NodeID.first.first);
    Text(prop.NodeID.first.second);
    Text(prop.NodeID.second.first);
    Text(prop.NodeID.second.second);
    Number(prop.La.first, F::kFormatRigid);
    Number(prop.La.second, F::kFormatRigid);
    Number(prop.AlphaY.first.first, F::kFormatStiffness);
    Number(prop.AlphaY.first.second, F::kFormatStiffness);
    Number(prop.AlphaY.second.first, F::kFormatStiffness);
    Number(prop.AlphaY.second.second, F::kFormatStiffness);
  }
};

std::vector<double> CornerTriple(const znMatrix::Vector& twelve, int corner) {
  return {twelve.at(3 * corner), twelve.at(3 * corner + 1), twelve.at(3 * corner + 2)};
}

// Per corner (I-A, I-B, J-A, J-B): the corner force and displacement.
class fnEdgeLoadDispTable : public fnRecordTable<WallElementProp, Result> {
 public:
  fnEdgeLoadDispTable(const F& formats, const csWallElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthEnd, F::kWidthEnd, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()) {
    Head({"ID", "IJ", "AB", "Load", "", "", "Disp", "", ""});
    Head({"", "", "", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(std::size_t k) {
    const Result& result = ResultAt(k);
    const std::string& id = PropAt(k).ID;
    for (int corner = 0; corner < 4; ++corner) {
      NewRow();
      Text(id);
      Text(znPrint::EndName(corner / 2));
      Text(znPrint::SideName(corner % 2));
      Numbers(CornerTriple(result.CornerForce, corner), F::kFormatForce);
      Numbers(CornerTriple(result.CornerDisp, corner), F::kFormatForce);
    }
  }
};

// Per edge (I, J): the force resultant and the displacement of its reference point.
class fnFaceLoadDispTable : public fnRecordTable<WallElementProp, Result> {
 public:
  fnFaceLoadDispTable(const F& formats, const csWallElementLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthEnd, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()) {
    Head({"ID", "IJ", "Load", "", "", "Disp", "", ""});
    Head({"", "", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(std::size_t k) {
    const Result& result = ResultAt(k);
    const std::string& id = PropAt(k).ID;
    for (int end = 0; end < 2; ++end) {
      NewRow();
      Text(id);
      Text(znPrint::EndName(end));
      Numbers(end == 0 ? result.EndForce.first : result.EndForce.second, F::kFormatForce);
      Numbers(end == 0 ? result.EndDisp.first : result.EndDisp.second, F::kFormatForce);
    }
  }
};

}  // namespace

void csWallElementLogger::Prop(const WallElementProp& prop) {
  records_.Add(prop).Node = {{nullptr, nullptr}, {nullptr, nullptr}};
}

void csWallElementLogger::Disp(const WallElementProp& prop, const Vector& disp) {
  records_.ResultOf(prop.ID).CornerDisp = disp;
}

void csWallElementLogger::Force(const WallElementProp& prop, const Vector& force) {
  records_.ResultOf(prop.ID).CornerForce = force;
}

void csWallElementLogger::EdgeDisp(const WallElementProp& prop, const TriplePair& disp) {
  records_.ResultOf(prop.ID).EndDisp = disp;
}

void csWallElementLogger::EdgeForce(const WallElementProp& prop, const TriplePair& force) {
  records_.ResultOf(prop.ID).EndForce = force;
}

void csWallElementLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  if (records_.Size() == 0) return;
  writer.Title(1, "WallElement");
  WriteTable(writer, "Prop1", records_, fnProp1Table(formats_, *this));
  WriteTable(writer, "Prop2", records_, fnProp2Table(formats_, *this));
  if (!resultsAvailable_) return;
  WriteTable(writer, "EdgeLoadDisp", records_, fnEdgeLoadDispTable(formats_, *this));
  WriteTable(writer, "FaceLoadDisp", records_, fnFaceLoadDispTable(formats_, *this));
}

}  // namespace znFEM::znTarvex
