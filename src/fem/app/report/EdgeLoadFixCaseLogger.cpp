#include "fem/app/report/EdgeLoadFixCaseLogger.h"

#include <cmath>

#include "fem/app/report/TableBase.h"
#include "fem/app/report/TraceTables.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

using L = csEdgeLoadFixCaseLogger;
using F = csFormatTables;

const std::vector<std::string> kSegmentHead1{"EdgeLoad-I", "", "EdgeLoad-M", "", "EdgeLoad-J", ""};
const std::vector<std::string> kSegmentHead2{"I", "J", "I", "J", "I", "J"};

std::vector<std::string> Joined(std::vector<std::string> front,
                                const std::vector<std::string>& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

// The common part of the three tables: one row per record and direction X, Y, M, ending in
// the six segment-end forces of that direction (i-edge, middle, j-edge; start, end).
class fnEdgeLoadTableBase : public fnTableBase {
 protected:
  fnEdgeLoadTableBase(const F& formats, std::initializer_list<unsigned> widths)
      : fnTableBase(formats, widths) {}
  void SegmentNumbers(const L::SegmentForces& forces, int direction) {
    for (int segmentEnd = 0; segmentEnd < 6; ++segmentEnd) {
      Number(forces[3 * segmentEnd + direction], F::kFormatForce);
    }
  }
};

// Zero with its sign bit clear: the one value the pool leaves out (-0.0 prints apart).
bool IsPositiveZero(double value) {
  return value == 0.0 && !std::signbit(value);
}

class fnDirectInputTable : public fnEdgeLoadTableBase {
 public:
  explicit fnDirectInputTable(const F& formats)
      : fnEdgeLoadTableBase(
            formats, {F::kWidthID, F::kWidthXYM, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                      F::kWidthForce, F::kWidthForce, F::kWidthForce}) {
    Head(Joined({"ID", "XYM"}, kSegmentHead1));
    Head(Joined({"", ""}, kSegmentHead2));
  }
  void operator()(const L::DirectInputProp& record) {
    for (int direction = 0; direction < 3; ++direction) {
      NewRow();
      Text(record.ID);
      Text(znPrint::DirectionName(direction));
      SegmentNumbers(record.Forces, direction);
    }
  }
};

class fnConcentratedTable : public fnEdgeLoadTableBase {
 public:
  fnConcentratedTable(const F& formats, const L& logger)
      : fnEdgeLoadTableBase(
            formats, {F::kWidthID, F::kWidthFlag, F::kWidthForce, F::kWidthXYM, F::kWidthForce,
                      F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                      F::kWidthForce, F::kWidthForce}),
        logger_(logger) {
    Head(Joined({"ID", "ECrd", "Position", "XYM", "Load"}, kSegmentHead1));
    Head(Joined({"", "", "", "", ""}, kSegmentHead2));
  }
  void operator()(const L::stApplied<L::ConcentratedProp>& applied) {
    const L::SegmentForces forces = logger_.ForcesOf(applied);
    for (int direction = 0; direction < 3; ++direction) {
      NewRow();
      Text(applied.Record.ID);
      Text(znPrint::SupportMark(applied.Record.ECrd));
      Number(applied.Record.Pos, F::kFormatForce);
      Text(znPrint::DirectionName(direction));
      Number(applied.Record.Load[direction], F::kFormatForce);
      SegmentNumbers(forces, direction);
    }
  }

 private:
  const L& logger_;
};

// The load has no moment intensity: the M row leaves its load cells empty.
class fnDistributedTable : public fnEdgeLoadTableBase {
 public:
  fnDistributedTable(const F& formats, const L& logger)
      : fnEdgeLoadTableBase(
            formats, {F::kWidthID, F::kWidthFlag, F::kWidthForce, F::kWidthForce, F::kWidthXYM,
                      F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce,
                      F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce}),
        logger_(logger) {
    Head(Joined({"ID", "ECrd", "Position", "", "XYM", "Load", ""}, kSegmentHead1));
    Head(Joined({"", "", "I", "J", "", "I", "J"}, kSegmentHead2));
  }
  void operator()(const L::stApplied<L::DistributedProp>& applied) {
    const L::DistributedProp& record = applied.Record;
    const L::SegmentForces forces = logger_.ForcesOf(applied);
    for (int direction = 0; direction < 3; ++direction) {
      NewRow();
      Text(record.ID);
      Text(znPrint::SupportMark(record.ECrd));
      Number(record.PosI, F::kFormatForce);
      Number(record.PosJ, F::kFormatForce);
      Text(znPrint::DirectionName(direction));
      if (direction < 2) {
        Number(record.LoadI[direction], F::kFormatForce);
        Number(record.LoadJ[direction], F::kFormatForce);
      } else {
        Empty(2);
      }
      SegmentNumbers(forces, direction);
    }
  }

 private:
  const L& logger_;
};

std::uint32_t CaseOf(const L::DirectInputProp& record) {
  return record.LoadNumber;
}

template <class Prop>
std::uint32_t CaseOf(const L::stApplied<Prop>& applied) {
  return applied.Record.LoadNumber;
}

template <class Functor, class Records>
void WriteRecords(znInOutData::ifOutputDataWriter& writer, const std::string& name,
                  const Records& records, Functor functor, bool cases) {
  WriteRecordTable(writer, name, records, functor, cases,
                   [](const auto& record) { return CaseOf(record); });
}

}  // namespace

void csEdgeLoadFixCaseLogger::DirectInput(const DirectInputProp& prop) {
  directInputs_.push_back(prop);
}

template <class Prop>
L::stApplied<Prop> csEdgeLoadFixCaseLogger::Applied(const Prop& prop, const SegmentForces& forces) {
  stApplied<Prop> applied{prop, 0, static_cast<std::uint32_t>(forcePool_.size())};
  for (std::size_t k = 0; k < forces.size(); ++k) {
    if (IsPositiveZero(forces[k])) continue;
    applied.Present |= std::uint32_t{1} << k;
    forcePool_.push_back(forces[k]);
  }
  return applied;
}

void csEdgeLoadFixCaseLogger::ConcentratedLoad(const SegmentForces& forces,
                                               const ConcentratedProp& prop) {
  concentrated_.push_back(Applied(prop, forces));
}

void csEdgeLoadFixCaseLogger::Reserve(std::size_t directInputs, std::size_t concentrated,
                                      std::size_t distributed) {
  directInputs_.reserve(directInputs_.size() + directInputs);
  concentrated_.reserve(concentrated_.size() + concentrated);
  distributed_.reserve(distributed_.size() + distributed);
}

void csEdgeLoadFixCaseLogger::DistributedLoad(const SegmentForces& forces,
                                              const DistributedProp& prop) {
  distributed_.push_back(Applied(prop, forces));
}

std::vector<L::ConcentratedProp> csEdgeLoadFixCaseLogger::GetConcentratedRecords() const {
  std::vector<ConcentratedProp> records;
  records.reserve(concentrated_.size());
  for (const auto& applied : concentrated_) records.push_back(applied.Record);
  return records;
}

std::vector<L::DistributedProp> csEdgeLoadFixCaseLogger::GetDistributedRecords() const {
  std::vector<DistributedProp> records;
  records.reserve(distributed_.size());
  for (const auto& applied : distributed_) records.push_back(applied.Record);
  return records;
}

void csEdgeLoadFixCaseLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  if (directInputs_.empty() && concentrated_.empty() && distributed_.empty()) return;
  writer.Title(1, "EdgeLoadFixCase");
  WriteRecords(writer, "DirectInput", directInputs_, fnDirectInputTable(formats_), traced_);
  WriteRecords(writer, "ConcentratedLoad", concentrated_, fnConcentratedTable(formats_, *this),
               traced_);
  WriteRecords(writer, "DistributedLoad", distributed_, fnDistributedTable(formats_, *this),
               traced_);
}

}  // namespace znFEM::znTarvex
