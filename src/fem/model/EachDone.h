// One step of the yield-tracing analysis: assembles the current stiffness, solves the load as a
// unit increment, applies the smallest ratio to the next yield event and records the extremes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "fem/makers/SimulEquation.h"
#include "fem/model/Element.h"
#include "fem/model/JointTies.h"
#include "fem/model/MemberEvent.h"
#include "fem/model/Node.h"
#include "fem/model/WallElement.h"
#include "matrix/BandMatrix.h"
#include "matrix/Matrix.h"

namespace znFEM::znTraceYield2DRahmen {

// What the analyzer drives: one call of Do per step, then the step's results.
class ifEachDone {
 public:
  // The member that failed in the last step and how.
  struct Failure {
    FailureKind Kind = FailureKind::None;
    std::string MemberID;
  };

  virtual ~ifEachDone() = default;
  virtual void SetNodes(const std::vector<ifNode*>& nodes) = 0;
  virtual void SetElements(const std::vector<ifElement*>& elements) = 0;
  virtual void SetWallElements(const std::vector<ifWallElement*>& wallElements) = 0;
  // remaining: the ratio the current load case still allows; step and loadCase only name
  // the step in the exceptions.
  virtual void Do(double remaining, std::uint32_t step, std::uint32_t loadCase) = 0;
  virtual double GetAddRatio() const = 0;
  virtual double GetMaxDisp() const = 0;
  virtual double GetMaxRotAngle() const = 0;
  virtual double GetMaxAddDisp() const = 0;
  virtual double GetMaxAddRotAngle() const = 0;
  virtual std::string GetMaxDispNodeID() const = 0;
  virtual std::string GetMaxRotAngleElementID() const = 0;
  virtual std::string GetMaxAddDispNodeID() const = 0;
  virtual std::string GetMaxAddRotAngleElementID() const = 0;
  // True when a member has reached a terminal state in the last step (it reports which to
  // its own logger); GetFailure names it.
  virtual bool IsFinished() = 0;
  virtual Failure GetFailure() const = 0;
  // The member events of the last step, members in input order.
  virtual std::vector<MemberEvent> GetEvents() const = 0;
  // Whether the stiffness in the members' current states is singular, found as a step would
  // find it: the structure is then a mechanism.
  virtual bool IsStiffnessSingular() = 0;
};

class csEachDone : public ifEachDone {
 public:
  // Directions are 0 x, 1 y, 2 rotation.
  struct exAllDegreesAreSupported {};
  struct exTheNodeIsIsolated {
    std::string ID;
    std::uint32_t Direction;
    std::uint32_t Step;
  };
  struct exLoadsAndDispsAreAllZero {
    std::uint32_t Step;
    std::uint32_t LoadCase;
  };
  struct exUnBalancedLoad {
    std::string ID;
    std::uint32_t Direction;
    std::uint32_t Step;
    double Imbalance;
  };
  // The solved displacements, or the forces they give, overflow at this node and direction.
  struct exResultIsNotFinite {
    std::string ID;
    std::uint32_t Direction;
    std::uint32_t Step;
  };
  struct exFailedToAnalyzeMatrix {
    std::uint32_t Step;
  };
  struct exRatioIsUnderZero {
    std::uint32_t Step;
    double Ratio;
  };
  struct exRatioReachedToInfinite {
    std::uint32_t Step;
    std::uint32_t LoadCase;
  };

  // The solver is not owned.
  explicit csEachDone(znSimulEquation::ifSimulEquation& solver);
  csEachDone(const csEachDone&) = delete;
  csEachDone& operator=(const csEachDone&) = delete;

  // Called once each, in this order, before the first Do. Every node of an element or a
  // wall must be in the node list. The lists are viewed, not copied: they must outlive the
  // step solver.
  void SetNodes(const std::vector<ifNode*>& nodes) override;
  void SetElements(const std::vector<ifElement*>& elements) override;
  void SetWallElements(const std::vector<ifWallElement*>& wallElements) override;
  void Do(double remaining, std::uint32_t step, std::uint32_t loadCase) override;
  double GetAddRatio() const override;
  double GetMaxDisp() const override;
  double GetMaxRotAngle() const override;
  double GetMaxAddDisp() const override;
  double GetMaxAddRotAngle() const override;
  std::string GetMaxDispNodeID() const override;
  std::string GetMaxRotAngleElementID() const override;
  std::string GetMaxAddDispNodeID() const override;
  std::string GetMaxAddRotAngleElementID() const override;
  bool IsFinished() override;
  Failure GetFailure() const override;
  std::vector<MemberEvent> GetEvents() const override;
  bool IsStiffnessSingular() override;

  // Number of degrees of freedom and half band width (diagonal included) of the global matrix;
  // set by the first Do.
  std::uint32_t GetDegreeN() const { return n_; }
  std::uint32_t GetBandWidth() const { return w_; }

 private:
  // Global degree-of-freedom indices of a member's nodes, three per node in node order.
  using DofList = std::vector<znMatrix::Index>;
  using FrameDofs = std::array<znMatrix::Index, 6>;
  // Positions of a member's nodes in the node list.
  using NodeList = std::vector<znMatrix::Index>;

  znMatrix::Index PositionOf(const ifNode* node) const;
  NodeList PositionsOf(const std::vector<const ifNode*>& nodes) const;
  void Number();
  template <class Dofs, class Positions>
  Dofs DofsOf(const Positions& positions) const;
  znMatrix::Index FirstDof(znMatrix::Index position) const;
  FrameDofs ElementDofs(std::size_t e) const;
  void SolveUnitIncrement(std::uint32_t step, std::uint32_t loadCase);
  znMatrix::csBandMatrix AssembleStiffness() const;
  znSimulEquation::System BuildSystem(const znMatrix::csBandMatrix& K) const;
  void AddEquivalentLoads(znMatrix::Vector& F) const;
  void SolveSystem(znSimulEquation::System& system, std::uint32_t step) const;
  void Distribute(const znSimulEquation::System& system) const;
  double StepRatio(double remaining) const;
  void Apply(double ratio) const;
  void FindFailure();
  void GatherEvents();
  void RecordExtremes(double ratio);

  znSimulEquation::ifSimulEquation& solver_;
  // Views of the analyzer's lists, which outlive the step solver.
  std::span<ifNode* const> nodes_;
  std::span<ifElement* const> elements_;
  std::span<ifWallElement* const> wallElements_;
  std::unordered_map<const ifNode*, znMatrix::Index> nodeIndex_;
  std::vector<PerEnd<znMatrix::Index>> elementNodes_;
  std::vector<NodeList> wallNodes_;
  bool numbered_ = false;
  // The equation block of each node position; empty while the equations follow the node list.
  std::vector<znMatrix::Index> slot_;
  std::vector<DofList> wallDofs_;  // twelve per wall element: ia, ib, ja, jb
  csJointTies joints_;
  Failure failure_;
  std::vector<MemberEvent> events_;
  std::uint32_t n_ = 0;
  std::uint32_t w_ = 0;
  double addRatio_ = 0.0;
  double maxAddDisp_ = 0.0;
  double maxAddRotAngle_ = 0.0;
  double maxDisp_ = 0.0;
  double maxRotAngle_ = 0.0;
  std::string maxAddDispNodeID_;
  std::string maxAddRotAngleElementID_;
  std::string maxDispNodeID_;
  std::string maxRotAngleElementID_;
};

}  // namespace znFEM::znTraceYield2DRahmen
