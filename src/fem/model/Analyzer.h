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
#include "fem/model/Node.h"
#include "fem/model/NodeProp.h"
#include "fem/model/WallElement.h"

namespace znFEM::znTraceYield2DRahmen {

class csAnalyzer {
 public:
  // What one step did. A record not yet filled holds the unset values: integers with all bits
  // set, reals the largest finite double, empty IDs, false flags.
  struct StepRecord {
    std::uint32_t LimitStep = 4294967295u;
    double LimitRatio = kInfinite;
    std::uint32_t Step = 4294967295u;            // counted over the whole analysis, from 0
    std::uint32_t LoadDispNumber = 4294967295u;  // load case, from 0
    double AddRatio = kInfinite;
    double TotalRatio = kInfinite;  // accumulated in the current case, this step included
    double MaxAddDisp = kInfinite;
    double MaxAddRotAngle = kInfinite;
    double MaxDisp = kInfinite;
    double MaxRotAngle = kInfinite;
    std::string MaxAddDispNodeID;
    std::string MaxAddRotAngleElementID;
    std::string MaxDispNodeID;
    std::string MaxRotAngleElementID;
    bool ReachedToLimitStep = false;   // Step >= LimitStep
    bool ReachedToLimitRatio = false;  // TotalRatio >= LimitRatio
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
    virtual void MaxAddDispLimitReached() = 0;
    virtual void MaxAddRotAngleLimitReached() = 0;
    virtual void MaxDispLimitReached() = 0;
    virtual void MaxRotAngleLimitReached() = 0;
    virtual void StructureFailed() = 0;
    virtual void AnalysisEnded() = 0;
  };

  // Run needs at least one load case: a step limit per case and at least as many ratio
  // limits. Thrown before anything is reported or told to the members.
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
  // Appended to the lists (spring-support nodes and elements come after the ordinary ones).
  void AddNodes(const std::vector<ifNode*>& nodes);
  void AddElements(const std::vector<ifElement*>& elements);
  void AddWallElements(const std::vector<ifWallElement*>& wallElements);

  // Runs the steps until the analysis ends; every exception of the step solver or of the
  // members leaves at once, without the end-of-analysis calls.
  void Run();

 private:
  // How a step ended the analysis, or that it did not.
  enum class End { None, StructureFailed, MaxAddDisp, MaxAddRotAngle, MaxDisp, MaxRotAngle };

  void CheckLoadCases() const;
  void ReportLimits() const;
  void BeginAnalysis() const;
  void BeginStep(std::uint32_t step) const;
  StepRecord DoStep(std::uint32_t step, std::uint32_t loadCase, double totalRatio) const;
  End EndOfStep(const StepRecord& record) const;
  void ReportEnd(End end) const;
  void NextCase() const;
  void EndStep(std::uint32_t step) const;
  void EndAnalysis() const;

  ifEachDone& stepSolver_;
  ifLogger* logger_;
  AnalysisLimits limits_;
  std::vector<ifNode*> nodes_;
  std::vector<ifElement*> elements_;
  std::vector<ifWallElement*> wallElements_;
};

// Debugging dump, one "Field : value" line per field in record order.
std::ostream& operator<<(std::ostream& os, const csAnalyzer::StepRecord& record);

}  // namespace znFEM::znTraceYield2DRahmen
