// The step loop of the yield-tracing analysis: repeats steps of the step solver over the load
// cases, accumulates each case's load ratio and decides when the analysis ends and why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "fem/model/AnalysisLimits.h"
#include "fem/model/EachDone.h"
#include "fem/model/Element.h"
#include "fem/model/MemberEvent.h"
#include "fem/model/Node.h"
#include "fem/model/NodeProp.h"
#include "fem/model/WallElement.h"

namespace znFEM::znTraceYield2DRahmen {

// Why the analysis ended. When several reasons hold after one step the first of this order
// is named: a failure, Mechanism, MaxAddDisp, MaxAddRotAngle, MaxDisp, MaxRotAngle,
// RatioReached, StepLimit.
enum class EndReason : std::uint8_t {
  RatioReached,  // the last case reached its ratio
  StepLimit,     // a case took its most steps before reaching its ratio
  Mechanism,     // the stiffness after the last completed step is singular
  ShearFailure,  // a member reached its shear capacity
  AxialFailure,  // both ends of a member with an axial edge load yielded
  MaxDisp,       // the displacement limits, passed by the last step
  MaxRotAngle,
  MaxAddDisp,
  MaxAddRotAngle,
};

// "RatioReached", "StepLimit", "Mechanism", ... as the enumerators are named.
const char* EndReasonName(EndReason reason);

class csAnalyzer {
 public:
  // What one step did. A record not yet filled holds the unset values: integers with all bits
  // set, reals the largest finite double, empty IDs, false flags.
  struct StepRecord {
    std::uint32_t LimitStep = 4294967295u;  // the most steps of the case
    double LimitRatio = kInfinite;
    std::uint32_t Step = 4294967295u;            // counted over the whole analysis, from 0
    std::uint32_t CaseStep = 4294967295u;        // counted within the case, from 0
    std::uint32_t LoadDispNumber = 4294967295u;  // load case, from 0
    double AddRatio = kInfinite;
    double TotalRatio = kInfinite;  // accumulated in the current case, this step included
    double MaxAddDisp = kInfinite;
    double MaxAddRotAngle = kInfinite;
    double MaxDisp = kInfinite;
    double MaxRotAngle = kInfinite;
    double MonitorDisp = kInfinite;  // of the monitored node and direction, when one is set
    std::string MaxAddDispNodeID;
    std::string MaxAddRotAngleElementID;
    std::string MaxDispNodeID;
    std::string MaxRotAngleElementID;
    bool ReachedToLimitStep = false;   // CaseStep + 1 >= LimitStep
    bool ReachedToLimitRatio = false;  // TotalRatio >= LimitRatio
    std::vector<MemberEvent> Events;   // in input order of the members
  };

  // Told the limits, every step and the reason for the end; never owned.
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    virtual void MaxAddDispLimit(double limit) = 0;
    virtual void MaxAddRotAngleLimit(double limit) = 0;
    virtual void MaxDispLimit(double limit) = 0;
    virtual void MaxRotAngleLimit(double limit) = 0;
    virtual void StepDone(const StepRecord& record) = 0;
    virtual void NextLoadCase() = 0;
    virtual void LastLoadCaseEnded() = 0;
    virtual void StepLimitReached() = 0;
    virtual void MaxAddDispLimitReached() = 0;
    virtual void MaxAddRotAngleLimitReached() = 0;
    virtual void MaxDispLimitReached() = 0;
    virtual void MaxRotAngleLimitReached() = 0;
    // The member (frame or wall element) that failed and how.
    virtual void StructureFailed(FailureKind kind, const std::string& memberID) = 0;
    // The stiffness after the last completed step is singular: the structure has collapsed.
    virtual void MechanismFormed() = 0;
    virtual void AnalysisEnded() = 0;
  };

  // Run needs at least one load case: a step limit (at least 1) per case and at least as many
  // ratio limits. Thrown before anything is reported or told to the members.
  struct exLoadCaseLimitsAreWrong {
    std::size_t StepLimitN;
    std::size_t RatioLimitN;
  };

  // Neither the step solver nor the logger (may be null) is owned.
  csAnalyzer(ifEachDone& stepSolver, ifLogger* logger);
  csAnalyzer(const csAnalyzer&) = delete;
  csAnalyzer& operator=(const csAnalyzer&) = delete;
  virtual ~csAnalyzer() = default;

  // Replaces the limits.
  void SetLimits(const AnalysisLimits& limits);
  // The node whose displacement in direction (0 x, 1 y, 2 rotation) each step record carries.
  void SetMonitor(const ifNode* node, std::uint32_t direction);
  // Appended to the lists (spring-support nodes and elements come after the ordinary ones).
  void AddNodes(const std::vector<ifNode*>& nodes);
  void AddElements(const std::vector<ifElement*>& elements);
  void AddWallElements(const std::vector<ifWallElement*>& wallElements);

  // Runs the steps until the analysis ends. A stiffness that the step solver finds singular
  // after a completed step with an event ends the analysis as a mechanism; every other
  // exception of the step solver or of the members leaves at once, without the
  // end-of-analysis calls.
  void Run();

 private:
  // How a step ended the analysis, or that it did not.
  enum class End {
    None,
    StructureFailed,
    Mechanism,
    MaxAddDisp,
    MaxAddRotAngle,
    MaxDisp,
    MaxRotAngle,
    RatioReached,
    StepLimit
  };

  void CheckLoadCases() const;
  void ReportLimits() const;
  void BeginAnalysis() const;
  void BeginStep(std::uint32_t step) const;
  StepRecord DoStep(std::uint32_t step, std::uint32_t caseStep, std::uint32_t loadCase,
                    double totalRatio) const;
  End EndOfStep(const StepRecord& record) const;
  void ReportEnd(End end) const;
  void NextCase() const;
  void EndStep(std::uint32_t step) const;
  void EndAnalysis() const;

  ifEachDone& stepSolver_;
  ifLogger* logger_;
  AnalysisLimits limits_;
  const ifNode* monitorNode_ = nullptr;
  std::uint32_t monitorDirection_ = 0;
  std::vector<ifNode*> nodes_;
  std::vector<ifElement*> elements_;
  std::vector<ifWallElement*> wallElements_;
};

// Debugging dump, one "Field : value" line per field in record order (events by count).
std::ostream& operator<<(std::ostream& os, const csAnalyzer::StepRecord& record);

}  // namespace znFEM::znTraceYield2DRahmen
