// The spring element of a spring support: three uncoupled linear springs (x, y, rotation;
// global axes) between the ground node (end I) and the supported node (end J).
#pragma once

#include <cstdint>
#include <string>

#include "fem/model/Element.h"
#include "fem/model/ElementProp.h"
#include "fem/model/Node.h"
#include "fem/model/NodeProp.h"
#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znTraceYield2DRahmen {

struct SpringSupportElementProp {
  std::string ElementID;
  PerEnd<ifNode*> Nodes{nullptr, nullptr};  // (ground node, supported node)
  znMatrix::csSymmetryMatrix K{6};          // spring stiffness, global axes
  Triple SpringCoef{0.0, 0.0, 0.0};         // (kx, ky, km)
};

class csSpringSupportElement : public ifElement {
 public:
  // "six" arguments are 6-vectors (ground end, then supported end) in global axes.
  class ifLogger {
   public:
    using Vector = znMatrix::Vector;
    virtual ~ifLogger() = default;
    virtual void Prop(const SpringSupportElementProp& prop) = 0;
    virtual void DispIncrement(const SpringSupportElementProp& prop, const Vector& disp) = 0;
    virtual void ForceIncrement(const SpringSupportElementProp& prop, const Vector& force) = 0;
    virtual void Update(const SpringSupportElementProp& prop, double ratio) = 0;
    virtual void Disp(const SpringSupportElementProp& prop, const Vector& disp) = 0;
    virtual void Force(const SpringSupportElementProp& prop, const Vector& force) = 0;
    virtual void AnalysisStarted() = 0;
    virtual void AnalysisEnded() = 0;
    virtual void StepStarted(std::uint32_t step) = 0;
    virtual void StepEnded(std::uint32_t step) = 0;
  };

  // The logger may be null; it is not owned. It is told the record at once.
  csSpringSupportElement(const SpringSupportElementProp& prop, ifLogger* logger);

  const SpringSupportElementProp& GetSpringElementProp() const { return springProp_; }

  // An ordinary element record with the ID and the two nodes; no section, no edge loads.
  const KeptElementProp& GetProp() const override;
  PerEnd<ifNode*> GetNodes() const override;
  void PrepareStiffness() override;
  void PrepareFixCase() override;
  const znMatrix::csSymmetryMatrix& GetStiffness() const override;
  const Six& GetEquivalentLoad() const override;
  void SetDispIncrement(const Six& disp) override;
  // The spring force increment of both ends (the springs have no faces of their own).
  const Six& GetFaceForceIncrement() const override;
  PerEnd<double> GetNextRatio(double remaining) override;
  void Update(double ratio) override;
  void NextCase() override;
  bool IsFailed() override;
  const Six& GetDisp() const override;
  const Six& GetFaceForce() const override;
  double GetRotationAngleIncrement() const override;
  double GetRotationAngle() const override;
  void BeginAnalysis() override;
  void EndAnalysis() override;
  void BeginStep(std::uint32_t step) override;
  void EndStep(std::uint32_t step) override;

 private:
  SpringSupportElementProp springProp_;
  KeptElementProp elementProp_;
  ifLogger* logger_;
  Six equivalentLoad_{};
  Six dispIncrement_{};
  Six forceIncrement_{};
  Six disp_{};
  Six force_{};
};

}  // namespace znFEM::znTraceYield2DRahmen
