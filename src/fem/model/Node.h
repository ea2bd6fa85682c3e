// A node of the plane frame (three degrees of freedom: x, y, rotation) with its loads of
// every load case and its accumulated results; optionally a beam–column joint panel that
// yields under the moment of its framing members.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fem/model/NodeProp.h"

namespace znFEM::znTraceYield2DRahmen {

// What every other part of the model sees of a node.
class ifNode {
 public:
  virtual ~ifNode() = default;
  virtual const NodeProp& GetProp() const = 0;
  virtual std::array<double, 2> GetCoordinate() const = 0;
  virtual std::array<bool, 3> GetIsSupported() const = 0;
  virtual Triple GetImposedLoad() const = 0;
  virtual Triple GetImposedDisp() const = 0;
  virtual void SetPanelForce(const std::string& elementID, const Triple& force) = 0;
  virtual void SetForceIncrement(const Triple& force) = 0;
  virtual void SetDispIncrement(const Triple& disp) = 0;
  virtual void SetPanelForceIncrement(const std::string& elementID, const Triple& force) = 0;
  virtual void SetPanelRotationIncrement(const std::string& elementID, double rotation) = 0;
  virtual bool IsPanelUnloading() const = 0;
  virtual double GetPanelRatio(const std::string& elementID) = 0;
  virtual void Update(double ratio) = 0;
  virtual double GetKijForPy(const std::string& elementID) const = 0;
  virtual Triple GetForce() const = 0;
  virtual Triple GetDisp() const = 0;
  virtual Triple GetDispIncrement() const = 0;
  virtual void NextCase() = 0;
  virtual void CheckPreFaceMoment() = 0;
  virtual void EndAnalysis() = 0;
  virtual void BeginStep(std::uint32_t step) = 0;
  virtual void EndStep(std::uint32_t step) = 0;
};

class csNode : public ifNode {
 public:
  // Told every moment of the node's life; the node never writes anything itself.
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    // Room for the records of count nodes to come.
    virtual void Reserve(std::size_t count) { (void)count; }
    virtual void Prop(const NodeProp& prop) = 0;
    virtual void PanelForce(const NodeProp& prop, const std::string& elementID,
                            const Triple& force) = 0;
    virtual void ForceIncrement(const NodeProp& prop, const Triple& force) = 0;
    virtual void DispIncrement(const NodeProp& prop, const Triple& disp) = 0;
    virtual void PanelForceIncrement(const NodeProp& prop, const std::string& elementID,
                                     const Triple& force) = 0;
    virtual void PanelRotationIncrement(const NodeProp& prop, const std::string& elementID,
                                        double rotation) = 0;
    // Panel sum of the vertical group (A) and of the horizontal group (B).
    virtual void PanelMomentA(const NodeProp& prop, double moment, double increment,
                              double ratio) = 0;
    virtual void PanelMomentB(const NodeProp& prop, double moment, double increment,
                              double ratio) = 0;
    virtual void PanelRatio(const NodeProp& prop, double ratio) = 0;
    virtual void UpdateRatio(const NodeProp& prop, double ratio) = 0;
    virtual void Force(const NodeProp& prop, const Triple& force) = 0;
    virtual void Disp(const NodeProp& prop, const Triple& disp) = 0;
    virtual void PanelElement(const NodeProp& prop, const PanelElementProp& element,
                              std::uint32_t position, const Triple& panelForce) = 0;
    virtual void PanelUnloading(const NodeProp& prop, bool unloading, double rotationSum) = 0;
    virtual void PanelState(const NodeProp& prop, std::int32_t state) = 0;
    virtual void KijForPy(const NodeProp& prop, const std::string& elementID, double kij) = 0;
    virtual void NextCase(const NodeProp& prop) = 0;
    virtual void AnalysisStarted() = 0;
    virtual void AnalysisEnded() = 0;
    virtual void StepStarted(std::uint32_t step) = 0;
    virtual void StepEnded(std::uint32_t step) = 0;
  };

  struct exMypIsSetAtNodeThatHasnotPanel {
    std::string ID;
  };
  struct exPreFaceMomentIsOverMyp {
    std::string ID;
    double MomentA;  // panel sum of the vertical group
    double MomentB;  // panel sum of the horizontal group
    int Side;        // 0 over the upper limit, 1 under the lower limit
  };

  explicit csNode(ifLogger* logger);

  // Called once right after construction; the node keeps the record.
  void SetProp(NodeProp prop);

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

  std::int32_t GetPanelState() const { return panelState_; }

 private:
  // What the panel holds of one of its members: face forces, in total and per unit ratio,
  // and the panel rotation increment.
  struct PanelShare {
    Triple Force{};
    Triple ForceIncrement{};
    double RotationIncrement = 0.0;
  };
  // Panel sums (A vertical group, B horizontal group) of per-member triples.
  struct PanelMoments {
    double A = 0.0;
    double B = 0.0;
  };

  bool HasPanel() const { return !prop_.ElementProps.empty(); }
  // Position of a panel member (the first entry of its ID), or none when the node does not
  // list it. A panel lists a handful of members: a search beats an index.
  std::optional<std::uint32_t> FindElement(const std::string& elementID) const;
  PanelMoments PanelMomentsOf(Triple PanelShare::*forces) const;
  double PanelRotationSum() const;
  double PanelSumRatio(double current, double increment) const;
  void ComputePanelRatio();
  std::int32_t YieldSide() const;

  ifLogger* logger_;
  NodeProp prop_;
  std::uint32_t currentCase_ = 0;  // the load case whose imposed load and displacement apply
  std::int32_t panelState_ = kElastic;
  Triple force_{};
  Triple disp_{};
  Triple forceIncrement_{};
  Triple dispIncrement_{};
  std::vector<PanelShare> panel_;  // one per entry of the record's ElementProps
  double panelRatio_ = kInfinite;
  bool ratioValid_ = false;
  // The group that limited the last panel ratio and the increment of its sum.
  double limitingIncrement_ = 0.0;
};

}  // namespace znFEM::znTraceYield2DRahmen
