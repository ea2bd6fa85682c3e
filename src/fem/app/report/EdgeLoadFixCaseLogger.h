// Collects the edge load records as they are applied, with the segment forces computed for
// the concentrated and distributed loads, and writes the report's EdgeLoadFixCase section.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "inout/OutputDataWriter.h"

namespace znFEM::znTarvex {

class csEdgeLoadFixCaseLogger : public znTraceYield2DRahmen::csEdgeLoadFixCase::ifLogger {
 public:
  using DirectInputProp = znTraceYield2DRahmen::EdgeLoadDirectInputProp;
  using ConcentratedProp = znTraceYield2DRahmen::EdgeLoadConcentratedProp;
  using DistributedProp = znTraceYield2DRahmen::EdgeLoadDistributedProp;
  using SegmentForces = znTraceYield2DRahmen::SegmentForces;

  // A record with the 18 segment forces it gave its element (member axes). Most of them are
  // zero (a load leaves the rigid zones and one direction unloaded): the forces keep only the
  // values that are not +0.0, in one pool, a bit per value telling which are there.
  static_assert(std::tuple_size_v<SegmentForces> <= 32, "one bit per segment force");
  template <class Prop>
  struct stApplied {
    Prop Record;
    std::uint32_t Present = 0;  // bit k: value k is in the pool
    std::uint32_t First = 0;    // position of the first value in the pool
  };

  void Reserve(std::size_t directInputs, std::size_t concentrated,
               std::size_t distributed) override;
  void DirectInput(const DirectInputProp& prop) override;
  void ConcentratedLoad(const SegmentForces& forces, const ConcentratedProp& prop) override;
  void DistributedLoad(const SegmentForces& forces, const DistributedProp& prop) override;

  // With traced, the tables name each record's load case.
  void SetTraced(bool traced) { traced_ = traced; }
  // The EdgeLoadFixCase section; nothing when no record was applied.
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  const std::vector<DirectInputProp>& GetDirectInputs() const { return directInputs_; }
  const std::vector<stApplied<ConcentratedProp>>& GetConcentratedLoads() const {
    return concentrated_;
  }
  const std::vector<stApplied<DistributedProp>>& GetDistributedLoads() const {
    return distributed_;
  }
  // The segment forces of an applied record.
  template <class Prop>
  SegmentForces ForcesOf(const stApplied<Prop>& applied) const {
    SegmentForces forces{};
    std::size_t next = applied.First;
    for (std::size_t k = 0; k < forces.size(); ++k) {
      if ((applied.Present >> k) & 1u) forces[k] = forcePool_[next++];
    }
    return forces;
  }
  // The records alone, in the order they were applied.
  std::vector<ConcentratedProp> GetConcentratedRecords() const;
  std::vector<DistributedProp> GetDistributedRecords() const;

 private:
  csFormatTables formats_;
  std::vector<DirectInputProp> directInputs_;
  std::vector<stApplied<ConcentratedProp>> concentrated_;
  std::vector<stApplied<DistributedProp>> distributed_;
  std::vector<double> forcePool_;  // the segment forces that are not +0.0
  bool traced_ = false;

  template <class Prop>
  stApplied<Prop> Applied(const Prop& prop, const SegmentForces& forces);
};

}  // namespace znFEM::znTarvex
