// Distributor of imposed nodal loads and displacements: adds each record's loads and
// displacements to the node and spring-support records of its load case before the nodes exist.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fem/model/NodeProp.h"
#include "fem/model/SpringSupportProp.h"

namespace znFEM::znTraceYield2DRahmen {

// One statement of the ImposedLoadAndDisp block.
struct ImposedLoadAndDispProp {
  std::string ID;                       // node the record applies to
  std::uint32_t LoadAndDispNumber = 0;  // load case, from 0
  Triple ImposedLoad{0.0, 0.0, 0.0};    // fx, fy, fm
  Triple ImposedDisp{0.0, 0.0, 0.0};    // dx, dy, dm
};

class csImposedLoadAndDisp {
 public:
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    virtual void Applied(const ImposedLoadAndDispProp& prop) = 0;
  };

  // Position of a record: (1, ordinal of the record in input order from 0).
  using RecordKey = std::pair<std::uint32_t, std::uint32_t>;
  static constexpr std::uint32_t kRecordKind = 1;

  struct exException {};
  struct exSpecifiedNodeIsnotExist : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadAndDispNumber;
  };
  struct exSpecifiedLoadAndDispNumberIsOver : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadAndDispNumber;
  };
  struct exImposedDispIsSetAtNonSupportedNode : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadAndDispNumber;
    std::uint32_t Direction;  // 0 x, 1 y, 2 rotation
  };
  struct exImposedDispIsSetAtZeroCoefSpringSupport : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadAndDispNumber;
    std::uint32_t Direction;  // 0 x, 1 y, 2 rotation
  };
  // The node's load or displacement of the case overflows when the record is added.
  struct exSumIsNotFinite : exException {
    RecordKey Key;
    std::string ID;
    std::uint32_t LoadAndDispNumber;
    std::uint32_t Component;  // 0 to 2 the load in x, y, rotation; 3 to 5 the displacement
  };

  // The logger may be null; it is not owned.
  explicit csImposedLoadAndDisp(ifLogger* logger);

  // The records are written in place: they must outlive Apply.
  void SetNodes(std::vector<NodeProp>& nodes);
  // Keyed by the supported node's ID.
  void SetSpringSupports(std::vector<SpringSupportProp>& springSupports);
  // Applies every record in input order; the first failing record stops, leaving the earlier
  // ones applied and itself not applied at all.
  void Apply(const std::vector<ImposedLoadAndDispProp>& records);

  // Number of records applied so far.
  std::uint32_t GetAppliedCount() const { return appliedCount_; }

 private:
  void ApplyOne(const ImposedLoadAndDispProp& record, std::uint32_t ordinal);

  ifLogger* logger_;
  std::map<std::string, NodeProp*> nodes_;
  std::map<std::string, SpringSupportProp*> springSupports_;
  std::uint32_t appliedCount_ = 0;
};

}  // namespace znFEM::znTraceYield2DRahmen
