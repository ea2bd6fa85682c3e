#include "fem/app/report/NodeLogger.h"

#include <algorithm>

#include "fem/app/report/TableBase.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

using Triple = csNodeLogger::Triple;
using NodeProp = csNodeLogger::NodeProp;
using Record = csNodeLogger::stRecord;
using Springs = std::map<std::string, csNodeLogger::stSpringSupport>;
using F = csFormatTables;

const std::vector<Triple> kNoCases;

bool IsZero(const Triple& triple) {
  return triple[0] == 0.0 && triple[1] == 0.0 && triple[2] == 0.0;
}

// The entry of the first load case, the one case a run from an input file has.
Triple FirstCase(const std::vector<Triple>& perCase) {
  return perCase.empty() ? Triple{0.0, 0.0, 0.0} : perCase.front();
}

const std::vector<std::string> kXYMHead{"ID", "X", "Y", "M"};
const std::vector<std::string> kLoadDispHead1{"ID", "Load", "", "", "Disp", "", ""};
const std::vector<std::string> kLoadDispHead2{"", "X", "Y", "M", "X", "Y", "M"};

// Coordinates, support flags and the coefficients of the node's spring support.
class fnCoordinateTable : public fnRecordTable<Record, csNodeLogger::stResult> {
 public:
  fnCoordinateTable(const F& formats, const csNodeLogger& logger)
      : fnRecordTable(
            formats,
            {F::kWidthID, F::kWidthCoordinate, F::kWidthCoordinate, F::kWidthFlag, F::kWidthFlag,
             F::kWidthFlag, F::kWidthForce, F::kWidthForce, F::kWidthForce},
            logger.Records()),
        springs_(logger.GetSpringSupports()) {
    Head({"ID", "Coord", "", "Support", "", "", "Coef", "", ""});
    Head({"", "X", "Y", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(std::size_t k) {
    const Record& prop = PropAt(k);
    const std::string& id = prop.ID;
    NewRow();
    Text(id);
    Numbers(prop.Coordinate, F::kFormatCoordinate);
    for (bool supported : prop.IsSupported) Text(znPrint::SupportMark(supported));
    const auto spring = springs_.find(id);
    if (spring == springs_.end()) {
      Empty(3);
    } else {
      Numbers(spring->second.SpringCoef, F::kFormatForce);
    }
  }

 private:
  const Springs& springs_;
};

// The loads and imposed displacements the node carries; nodes without any are left out.
class fnImposedLoadDispTable : public fnRecordTable<Record, csNodeLogger::stResult> {
 public:
  fnImposedLoadDispTable(const F& formats, const csNodeLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce},
                      logger.Records()),
        logger_(logger) {
    Head(kLoadDispHead1);
    Head(kLoadDispHead2);
  }
  void operator()(std::size_t k) {
    const Record& record = PropAt(k);
    const Triple load = FirstCase(logger_.ImposedLoadsOf(record));
    const Triple disp = FirstCase(logger_.ImposedDispsOf(record));
    if (IsZero(load) && IsZero(disp)) return;
    NewRow();
    Text(record.ID);
    Numbers(load, F::kFormatForce);
    Numbers(disp, F::kFormatForce);
  }

 private:
  const csNodeLogger& logger_;
};

// The same, one row per load case that loads the node, with the case named.
class fnImposedLoadDispCaseTable : public fnRecordTable<Record, csNodeLogger::stResult> {
 public:
  fnImposedLoadDispCaseTable(const F& formats, const csNodeLogger& logger)
      : fnRecordTable(formats,
                      {F::kWidthID, F::kWidthNo, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                       F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()),
        logger_(logger) {
    Head({"ID", "Case", "Load", "", "", "Disp", "", ""});
    Head({"", "", "X", "Y", "M", "X", "Y", "M"});
  }
  void operator()(std::size_t k) {
    const Record& record = PropAt(k);
    const std::vector<Triple>& loads = logger_.ImposedLoadsOf(record);
    const std::vector<Triple>& disps = logger_.ImposedDispsOf(record);
    for (std::size_t c = 0; c < loads.size(); ++c) {
      const Triple& load = loads[c];
      const Triple disp = c < disps.size() ? disps[c] : Triple{};
      if (IsZero(load) && IsZero(disp)) continue;
      NewRow();
      Text(record.ID);
      Text(znPrint::FormatCount(static_cast<unsigned>(c)));
      Numbers(load, F::kFormatForce);
      Numbers(disp, F::kFormatForce);
    }
  }

 private:
  const csNodeLogger& logger_;
};

// The ground displacements imposed on the nodes' spring supports; supports without are left
// out.
class fnSsImposedDispTable : public fnRecordTable<Record, csNodeLogger::stResult> {
 public:
  fnSsImposedDispTable(const F& formats, const csNodeLogger& logger)
      : fnRecordTable(formats, {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()),
        springs_(logger.GetSpringSupports()) {
    Head(kXYMHead);
  }
  void operator()(std::size_t k) {
    const std::string& id = PropAt(k).ID;
    const auto spring = springs_.find(id);
    if (spring == springs_.end()) return;
    const Triple disp = FirstCase(spring->second.GroundNode.ImposedDisp);
    if (IsZero(disp)) return;
    NewRow();
    Text(id);
    Numbers(disp, F::kFormatForce);
  }

 private:
  const Springs& springs_;
};

// One result triple per node, chosen by the member pointer.
class fnLoadDispTable : public fnRecordTable<Record, csNodeLogger::stResult> {
 public:
  using Member = Triple csNodeLogger::stResult::*;
  fnLoadDispTable(const F& formats, const csNodeLogger& logger, Member member)
      : fnRecordTable(formats, {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()),
        member_(member) {
    Head(kXYMHead);
  }
  void operator()(std::size_t k) {
    NewRow();
    Text(PropAt(k).ID);
    Numbers(ResultAt(k).*member_, F::kFormatForce);
  }

 private:
  Member member_;
};

// One result triple of the spring support of every node that has one, chosen by the member
// pointer.
class fnSpringSupportLoadDispTable : public fnRecordTable<Record, csNodeLogger::stResult> {
 public:
  using Member = Triple csNodeLogger::stSpringSupport::*;
  fnSpringSupportLoadDispTable(const F& formats, const csNodeLogger& logger, Member member)
      : fnRecordTable(formats, {F::kWidthID, F::kWidthForce, F::kWidthForce, F::kWidthForce},
                      logger.Records()),
        springs_(logger.GetSpringSupports()),
        member_(member) {
    Head(kXYMHead);
  }
  void operator()(std::size_t k) {
    const std::string& id = PropAt(k).ID;
    const auto spring = springs_.find(id);
    if (spring == springs_.end()) return;
    NewRow();
    Text(id);
    Numbers(spring->second.*member_, F::kFormatForce);
  }

 private:
  const Springs& springs_;
  Member member_;
};

}  // namespace

// Loads and imposed displacements that are zero in every load case show nowhere: they are not
// kept.
void csNodeLogger::Prop(const NodeProp& prop) {
  const auto zero = [](const std::vector<Triple>& perCase) {
    return std::all_of(perCase.begin(), perCase.end(), IsZero);
  };
  const bool loaded = !zero(prop.ImposedLoads) || !zero(prop.ImposedDisps);
  const NodeProp defaults;
  Record record{prop.ID, prop.Coordinate, prop.IsSupported, prop.ExcludedElement == 0};
  const bool excludedIsKept =
      prop.ExcludedElement == defaults.ExcludedElement || record.ExcludesFirstElement;
  if (loaded || prop.Myp != defaults.Myp || prop.WithFaceShear != defaults.WithFaceShear ||
      !excludedIsKept || !prop.ElementProps.empty()) {
    record.Rest = static_cast<std::uint32_t>(rests_.size());
    NodeProp& rest = rests_.emplace_back(prop);
    rest.ID.clear();
    if (!loaded) {
      rest.ImposedLoads.clear();
      rest.ImposedDisps.clear();
    }
  }
  records_.Add(record);
}

const std::vector<Triple>& csNodeLogger::ImposedLoadsOf(const stRecord& record) const {
  return record.Rest == kNoRest ? kNoCases : rests_[record.Rest].ImposedLoads;
}

const std::vector<Triple>& csNodeLogger::ImposedDispsOf(const stRecord& record) const {
  return record.Rest == kNoRest ? kNoCases : rests_[record.Rest].ImposedDisps;
}

std::vector<NodeProp> csNodeLogger::FullProps() const {
  std::vector<NodeProp> props(records_.Size());
  for (std::size_t k = 0; k < props.size(); ++k) {
    const Record& record = records_.GetProps()[k];
    NodeProp& prop = props[k];
    if (record.Rest != kNoRest) {
      prop = rests_[record.Rest];
    } else if (record.ExcludesFirstElement) {
      prop.ExcludedElement = 0;
    }
    prop.ID = record.ID;
    prop.Coordinate = record.Coordinate;
    prop.IsSupported = record.IsSupported;
  }
  return props;
}

void csNodeLogger::Force(const NodeProp& prop, const Triple& force) {
  records_.ResultOf(prop.ID).Force = force;
}

void csNodeLogger::Disp(const NodeProp& prop, const Triple& disp) {
  records_.ResultOf(prop.ID).Disp = disp;
}

void csNodeLogger::PanelState(const NodeProp& prop, std::int32_t state) {
  records_.ResultOf(prop.ID).PanelState = state;
}

void csNodeLogger::MergeSpringSupports(const csSpringSupportNodeLogger& groundNodes,
                                       const csSpringSupportElementLogger& springs) {
  for (const std::string& groundID : groundNodes.GetIDs()) {
    const auto& groundNode = groundNodes.GetProp(groundID);
    stSpringSupport& spring = springs_[groundNode.ConnectNodeID];
    spring.GroundNode = groundNode;
    if (!resultsAvailable_) continue;
    spring.Force = groundNodes.GetForce(groundID);
    spring.Disp = groundNodes.GetDisp(groundID);
  }
  for (const std::string& springID : springs.GetIDs()) {
    const auto& record = springs.GetRecord(springID);
    springs_[record.ConnectNodeID].SpringCoef = record.Prop.SpringCoef;
  }
}

void csNodeLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  if (records_.Size() == 0) return;
  writer.Title(1, "Node");
  WriteTable(writer, "Coordinate", records_, fnCoordinateTable(formats_, *this));
  if (traced_) {
    WriteTable(writer, "ImposedLoadAndDisp", records_, fnImposedLoadDispCaseTable(formats_, *this));
  } else {
    WriteTable(writer, "ImposedLoadAndDisp", records_, fnImposedLoadDispTable(formats_, *this));
  }
  WriteTable(writer, "SpringSupportImposedDisp", records_, fnSsImposedDispTable(formats_, *this));
  if (!resultsAvailable_) return;
  WriteTable(writer, "NodeLoad", records_, fnLoadDispTable(formats_, *this, &stResult::Force));
  WriteTable(writer, "NodeDisp", records_, fnLoadDispTable(formats_, *this, &stResult::Disp));
  if (springs_.empty()) return;
  using S = stSpringSupport;
  WriteTable(writer, "SpringSupportNodeLoad", records_,
             fnSpringSupportLoadDispTable(formats_, *this, &S::Force));
  WriteTable(writer, "SpringSupportNodeDisp", records_,
             fnSpringSupportLoadDispTable(formats_, *this, &S::Disp));
}

}  // namespace znFEM::znTarvex
