// Collects the edge load records as they are applied, with the segment forces computed for
// the concentrated and distributed loads, and writes the report's EdgeLoadFixCase section.
#pragma once

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

  // A record with the 18 segment forces it gave its element (member axes).
  template <class Prop>
  struct stApplied {
    Prop Record;
    SegmentForces Forces{};
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
  // The records alone, in the order they were applied.
  std::vector<ConcentratedProp> GetConcentratedRecords() const;
  std::vector<DistributedProp> GetDistributedRecords() const;

 private:
  csFormatTables formats_;
  std::vector<DirectInputProp> directInputs_;
  std::vector<stApplied<ConcentratedProp>> concentrated_;
  std::vector<stApplied<DistributedProp>> distributed_;
  bool traced_ = false;
};

}  // namespace znFEM::znTarvex
