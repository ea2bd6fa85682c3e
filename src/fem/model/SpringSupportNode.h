// The ground node of a spring support: fixed in all three directions; its imposed
// displacements move the ground end of the springs that tie the supported node to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fem/model/Node.h"
#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

struct SpringSupportNodeProp {
  std::string ID;                   // the spring support's SpringNodeID
  std::string ConnectNodeID;        // the supported node
  std::vector<Triple> ImposedDisp;  // ground-end displacement, one per load case
};

class csSpringSupportNode : public ifNode {
 public:
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    virtual void Prop(const SpringSupportNodeProp& prop) = 0;
    virtual void ForceIncrement(const SpringSupportNodeProp& prop, const Triple& force) = 0;
    virtual void DispIncrement(const SpringSupportNodeProp& prop, const Triple& disp) = 0;
    virtual void Force(const SpringSupportNodeProp& prop, const Triple& force) = 0;
    virtual void Disp(const SpringSupportNodeProp& prop, const Triple& disp) = 0;
    virtual void AnalysisStarted() = 0;
    virtual void AnalysisEnded() = 0;
    virtual void StepStarted(std::uint32_t step) = 0;
    virtual void StepEnded(std::uint32_t step) = 0;
  };

  // The logger may be null; it is not owned. It is told the record at once.
  csSpringSupportNode(const SpringSupportNodeProp& prop, ifLogger* logger);

  const SpringSupportNodeProp& GetSpringNodeProp() const { return springProp_; }

  // An ordinary node record: fixed in x, y and rotation, no loads, the ground displacements.
  const NodeProp& GetProp() const override;
  std::array<double, 2> GetCoordinate() const override;
  std::array<bool, 3> GetIsSupported() const override;
  Triple GetImposedLoad() const override;
  Triple GetImposedDisp() const override;
  void SetPanelForce(const std::string& elementID, const Triple& force) override;
  void SetForceIncrement(const Triple& force) override;
  void SetDispIncrement(const Triple& disp) override;
  void SetPanelForceIncrement(const std::string& elementID, const Triple& force) override;
  void SetPanelRotationIncrement(const std::string& elementID, double rotation) override;
  bool IsPanelUnloading() const override;
  double GetPanelRatio(const std::string& elementID) override;
  void Update(double ratio) override;
  double GetKijForPy(const std::string& elementID) const override;
  Triple GetForce() const override;
  Triple GetDisp() const override;
  Triple GetDispIncrement() const override;
  void NextCase() override;
  void CheckPreFaceMoment() override;
  void EndAnalysis() override;
  void BeginStep(std::uint32_t step) override;
  void EndStep(std::uint32_t step) override;

 private:
  SpringSupportNodeProp springProp_;
  NodeProp nodeProp_;
  ifLogger* logger_;
  std::size_t caseIndex_ = 0;  // current entry of ImposedDisp
  Triple forceIncrement_{0.0, 0.0, 0.0};
  Triple dispIncrement_{0.0, 0.0, 0.0};
  Triple force_{0.0, 0.0, 0.0};
  Triple disp_{0.0, 0.0, 0.0};
};

}  // namespace znFEM::znTraceYield2DRahmen
