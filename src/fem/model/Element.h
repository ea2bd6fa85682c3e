// A two-node plane frame member that follows its own elasto-plastic history: per end it can
// yield axially, form a hinge or yield through its node's joint panel, and it fails in shear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fem/makers/EquivalentEdgeLoad.h"
#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/makers/RigidArms.h"
#include "fem/model/ElementProp.h"
#include "fem/model/MemberEvent.h"
#include "fem/model/Node.h"
#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znTraceYield2DRahmen {

// How a member end holds the rotation of its node.
enum class RotationTie : std::uint8_t { Tied, Hinged, Pinned };

// What a member holds of its end nodes: each end's rotation, and the translation along and
// across its chord. The joint check of a step compares them before and after the events.
struct MemberTies {
  PerEnd<RotationTie> Rotation{RotationTie::Tied, RotationTie::Tied};
  bool Axial = true;
  bool Transverse = true;
  double Angle = 0.0;  // of the chord, from global x
};

// Whether an event of ratio eventRatio happens in a step of ratio stepRatio: events within a
// relative 1e-5 of the step's ratio happen together. docs/theory.md "Event ratio".
bool IsReachedInStep(double eventRatio, double stepRatio);

// What the step solver and the analyzer see of a two-node member. 6-vectors are
// (x, y, rotation) or (N, Q, M) of end I, then of end J.
class ifElement {
 public:
  virtual ~ifElement() = default;
  virtual const KeptElementProp& GetProp() const = 0;
  virtual PerEnd<ifNode*> GetNodes() const = 0;
  virtual void PrepareStiffness() = 0;
  virtual void PrepareFixCase() = 0;
  // 6×6 in global axes.
  virtual const znMatrix::csSymmetryMatrix& GetStiffness() const = 0;
  // Nodal loads equivalent to the edge loads of the current case, global axes.
  virtual const Six& GetEquivalentLoad() const = 0;
  // The six global end displacements of the unit increment.
  virtual void SetDispIncrement(const Six& disp) = 0;
  virtual const Six& GetFaceForceIncrement() const = 0;
  // Ratio of the unit increment at which the next event occurs at I and at J; remaining is
  // the ratio the load case still allows.
  virtual PerEnd<double> GetNextRatio(double remaining) = 0;
  virtual void Update(double ratio) = 0;
  virtual void NextCase() = 0;
  virtual bool IsFailed() = 0;
  // How the member failed once IsFailed has said so.
  virtual FailureKind GetFailureKind() const { return FailureKind::Shear; }
  // The events of the last Update and of IsFailed, end I before end J.
  virtual std::vector<MemberEvent> GetEvents() const { return {}; }
  // The ties to the end nodes in the current states, or once the events of a step of the
  // given ratio have happened (after GetNextRatio).
  virtual MemberTies GetTies(std::optional<double> stepRatio) const {
    (void)stepRatio;
    return {};
  }
  // A held end does not hinge (a held member does not yield axially) until released: it is
  // kept elastic where its partner at a joint yielded in the same step.
  virtual void HoldHinge(std::uint32_t end, bool hold) { (void)end, (void)hold; }
  virtual void HoldAxialYield(bool hold) { (void)hold; }
  virtual PerEnd<bool> GetHeldHinges() const { return {false, false}; }
  virtual bool IsAxialYieldHeld() const { return false; }
  virtual const Six& GetDisp() const = 0;
  virtual const Six& GetFaceForce() const = 0;
  virtual double GetRotationAngleIncrement() const = 0;
  virtual double GetRotationAngle() const = 0;
  virtual void BeginAnalysis() = 0;
  virtual void EndAnalysis() = 0;
  virtual void BeginStep(std::uint32_t step) = 0;
  virtual void EndStep(std::uint32_t step) = 0;
};

class csElement : public ifElement {
 public:
  // Told every moment of the member's life; the member never writes anything itself.
  // "six" arguments are 6-vectors, per-end arguments are (I, J).
  class ifLogger {
   public:
    using Vector = znMatrix::Vector;
    virtual ~ifLogger() = default;
    // Room for the records of count elements to come.
    virtual void Reserve(std::size_t count) { (void)count; }
    // The full record, once, when the member is made; the other calls pass what it keeps.
    virtual void Prop(const ElementProp& prop) = 0;
    // equivalentLoad is global; the rest are the fixed-end results of the current case.
    virtual void FixCase(const KeptElementProp& prop, const Vector& equivalentLoad,
                         const znMatrixMaker::csEquivalentEdgeLoad& result,
                         const Vector& fixFaceForceIncrement, double fixStretchIncrement,
                         const PerEnd<double>& fixSpringRotationIncrement,
                         const PerEnd<double>& fixPanelRotationIncrement) = 0;
    virtual void DispIncrement(const KeptElementProp& prop, const Vector& disp) = 0;
    virtual void FaceForceIncrement(const KeptElementProp& prop, const Vector& force) = 0;
    virtual void StretchIncrement(const KeptElementProp& prop, double stretch) = 0;
    virtual void SpringRotationIncrement(const KeptElementProp& prop,
                                         const PerEnd<double>& rotation) = 0;
    virtual void PanelRotationIncrement(const KeptElementProp& prop,
                                        const PerEnd<double>& rotation) = 0;
    virtual void RotationAngleIncrement(const KeptElementProp& prop, double angle) = 0;
    virtual void Disp(const KeptElementProp& prop, const Vector& disp) = 0;
    virtual void FaceForce(const KeptElementProp& prop, const Vector& force,
                           const Vector& fixForce) = 0;
    virtual void Stretch(const KeptElementProp& prop, double stretch, double fixStretch,
                         const PerEnd<std::int32_t>& axialState) = 0;
    virtual void SpringRotation(const KeptElementProp& prop, const PerEnd<double>& rotation,
                                const PerEnd<double>& fixRotation,
                                const PerEnd<std::int32_t>& hingeState) = 0;
    virtual void PanelRotation(const KeptElementProp& prop, const PerEnd<double>& rotation,
                               const PerEnd<double>& fixRotation,
                               const PerEnd<std::int32_t>& panelState) = 0;
    virtual void RotationAngle(const KeptElementProp& prop, double angle) = 0;
    virtual void AxialRatio(const KeptElementProp& prop, const PerEnd<double>& ratio) = 0;
    virtual void MomentRatio(const KeptElementProp& prop, const PerEnd<double>& ratio) = 0;
    virtual void ShearRatio(const KeptElementProp& prop, const PerEnd<double>& ratio) = 0;
    virtual void PanelRatio(const KeptElementProp& prop, const PerEnd<double>& ratio) = 0;
    virtual void NextRatio(const KeptElementProp& prop, const PerEnd<double>& ratio) = 0;
    virtual void AxialUnloading(const KeptElementProp& prop, bool unloading) = 0;
    virtual void HingeUnloading(const KeptElementProp& prop, const PerEnd<bool>& unloading) = 0;
    virtual void PanelUnloading(const KeptElementProp& prop, const PerEnd<bool>& unloading) = 0;
    virtual void Update(const KeptElementProp& prop, double ratio) = 0;
    virtual void NextCase(const KeptElementProp& prop, std::uint32_t caseIndex) = 0;
    virtual void AxialFailed(const KeptElementProp& prop) = 0;
    virtual void ShearFailed(const KeptElementProp& prop, std::uint32_t end) = 0;
    virtual void AnalysisStarted() = 0;
    virtual void AnalysisEnded() = 0;
    virtual void StepStarted(std::uint32_t step) = 0;
    virtual void StepEnded(std::uint32_t step) = 0;
  };

  struct exLnIsUnderOrEqualToZero {
    std::string ID;
  };
  struct exPreFaceMomentIsSetAtHinge {
    std::string ID;
    std::uint32_t End;  // 0 I, 1 J
  };
  // A stiffness term or spring vector entry overflows (extreme section values, or a member so
  // short that EI/l0³ does).
  struct exStiffnessIsNotFinite {
    std::string ID;
  };
  // The nodal loads or fixed-end forces of the case's edge loads overflow.
  struct exEquivalentLoadIsNotFinite {
    std::string ID;
    std::uint32_t LoadCase;
  };

  // Neither the maker nor the logger (may be null) is owned.
  csElement(const znMatrixMaker::ifMatrixMaker2DRahmen& maker, ifLogger* logger);

  // Called once right after construction; the record's nodes must be set. The member keeps
  // what the analysis needs of the record.
  void SetProp(ElementProp prop);

  const KeptElementProp& GetProp() const override;
  PerEnd<ifNode*> GetNodes() const override;
  void PrepareStiffness() override;
  void PrepareFixCase() override;
  const znMatrix::csSymmetryMatrix& GetStiffness() const override;
  const Six& GetEquivalentLoad() const override;
  void SetDispIncrement(const Six& disp) override;
  const Six& GetFaceForceIncrement() const override;
  PerEnd<double> GetNextRatio(double remaining) override;
  void Update(double ratio) override;
  void NextCase() override;
  bool IsFailed() override;
  FailureKind GetFailureKind() const override { return failure_; }
  std::vector<MemberEvent> GetEvents() const override { return events_; }
  MemberTies GetTies(std::optional<double> stepRatio) const override;
  void HoldHinge(std::uint32_t end, bool hold) override;
  void HoldAxialYield(bool hold) override;
  PerEnd<bool> GetHeldHinges() const override { return hingeHeld_; }
  bool IsAxialYieldHeld() const override { return axialHeld_; }
  const Six& GetDisp() const override;
  const Six& GetFaceForce() const override;
  double GetRotationAngleIncrement() const override;
  double GetRotationAngle() const override;
  void BeginAnalysis() override;
  void EndAnalysis() override;
  void BeginStep(std::uint32_t step) override;
  void EndStep(std::uint32_t step) override;

  // Yield states per end: 2 elastic, 0 yielded at the upper limit, 1 at the lower limit.
  PerEnd<std::int32_t> GetAxialState() const { return axialState_; }
  PerEnd<std::int32_t> GetHingeState() const { return hingeState_; }
  PerEnd<std::int32_t> GetPanelState() const { return panelState_; }
  // The stiffness record for the current states.
  znMatrixMaker::FrameStiffnessProp MakeStiffnessProp() const;

 private:
  // Forces and plastic deformations produced by one cause (end displacements, or the edge
  // loads' fixed-end state): a total or its increment per unit ratio.
  struct Response {
    Six FaceForce{};
    double Stretch = 0.0;
    PerEnd<double> SpringRotation{0.0, 0.0};
    PerEnd<double> PanelRotation{0.0, 0.0};
    void AddScaled(const Response& increment, double ratio);
  };
  // A rotation taken by the end, split between the member's spring and the panel.
  struct RotationSplit {
    double spring = 0.0;
    double panel = 0.0;
  };

  double ClearLength() const;
  double SpringRatio(double stiffness) const;
  double StiffnessRatio(int end) const;
  RotationSplit SplitRotation(int end, double rotation) const;
  const FixCaseLoad* CurrentFixCase() const;
  Six TotalForce() const;
  Six ForceIncrement() const;
  void SendPanelIncrements() const;
  void ComputeAxialRatio(const Six& c, const Six& g, double remaining);
  void ComputeMomentRatio(const Six& c, const Six& g, double remaining);
  bool IsHingePending(int end, double stepRatio) const;
  bool IsAxialYieldPending(double stepRatio) const;
  void UpdateAxialStates(double ratio, const Six& g);
  void UpdateHingeStates(double ratio, const Six& g);
  void UpdatePanelStates(double ratio, const Six& g);
  void AddEvent(int end, EventKind kind, int component);
  void ComputePanelRatio();
  void ReleaseUnloadingStates();
  void LogRatios(const PerEnd<double>& shearRatio, const PerEnd<double>& nextRatio) const;
  void LogTotals() const;

  const znMatrixMaker::ifMatrixMaker2DRahmen& maker_;
  ifLogger* logger_;
  KeptElementProp prop_;
  double L_ = 0.0;
  double angle_ = 0.0;
  std::uint32_t caseIndex_ = 0;
  znMatrix::csSymmetryMatrix K_;
  PerEnd<Six> springVector_{};
  Six equivalentLoad_{};
  Six disp_{};
  Six dispIncrement_{};
  Response response_;  // FaceForce starts at PreFaceLoad
  Response responseIncrement_;
  Response fix_;
  Response fixIncrement_;
  PerEnd<double> axialRatio_{kInfinite, kInfinite};
  PerEnd<double> momentRatio_{kInfinite, kInfinite};
  PerEnd<double> panelRatio_{kInfinite, kInfinite};
  PerEnd<std::int32_t> axialState_{kElastic, kElastic};
  PerEnd<std::int32_t> hingeState_{kElastic, kElastic};
  PerEnd<std::int32_t> panelState_{kElastic, kElastic};
  bool axialUnloading_ = false;
  PerEnd<bool> axialUnloadingEnds_{false, false};  // the ends that were yielded
  PerEnd<bool> hingeUnloading_{false, false};
  PerEnd<bool> panelUnloading_{false, false};
  PerEnd<bool> hingeHeld_{false, false};
  bool axialHeld_ = false;
  FailureKind failure_ = FailureKind::None;
  std::vector<MemberEvent> events_;
};

}  // namespace znFEM::znTraceYield2DRahmen
