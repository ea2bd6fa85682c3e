// A wall element: a shear panel between two frame edges, modelled as a shear-flexible member
// between reference points on the edges; it stays elastic and accumulates its results.
#pragma once

#include <cstdint>
#include <utility>

#include "fem/makers/MatrixMaker2DWallElement.h"
#include "fem/model/NodeProp.h"
#include "fem/model/WallElementProp.h"
#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znTraceYield2DRahmen {

// What the analysis sees of a wall. Twelve-vectors are (x, y, θ) of ia, ib, ja, jb; edge
// results are one triple (X, Y, M) per edge, I then J.
class ifWallElement {
 public:
  using TriplePair = std::pair<Triple, Triple>;
  using Nodes = std::pair<WallElementProp::NodePair, WallElementProp::NodePair>;

  virtual ~ifWallElement() = default;
  virtual const WallElementProp& GetProp() const = 0;
  virtual Nodes GetNodes() const = 0;
  virtual void PrepareStiffness() = 0;
  // 12×12 in global axes.
  virtual const znMatrix::csSymmetryMatrix& GetStiffness() const = 0;
  // Global displacements of the unit increment.
  virtual void SetDispIncrement(const znMatrix::Vector& disp) = 0;
  virtual std::pair<double, double> GetNextRatio() const = 0;
  virtual void Update(double ratio) = 0;
  virtual void NextCase() = 0;
  virtual bool IsFailed() const = 0;
  // Totals in wall axes.
  virtual const znMatrix::Vector& GetDisp() const = 0;
  virtual const znMatrix::Vector& GetForce() const = 0;
  virtual const TriplePair& GetEdgeDisp() const = 0;
  virtual const TriplePair& GetEdgeForce() const = 0;
  virtual void BeginAnalysis() = 0;
  virtual void EndAnalysis() = 0;
  virtual void BeginStep(std::uint32_t step) = 0;
  virtual void EndStep(std::uint32_t step) = 0;

 protected:
  ifWallElement() = default;
  ifWallElement(const ifWallElement&) = default;
  ifWallElement& operator=(const ifWallElement&) = default;
};

class csWallElement : public ifWallElement {
 public:
  // Told every moment of the wall's life; the wall never writes anything itself.
  class ifLogger {
   public:
    virtual ~ifLogger() = default;
    virtual void Prop(const WallElementProp& prop) = 0;
    virtual void DispIncrement(const WallElementProp& prop, const znMatrix::Vector& disp) = 0;
    virtual void ForceIncrement(const WallElementProp& prop, const znMatrix::Vector& force) = 0;
    virtual void EdgeDispIncrement(const WallElementProp& prop, const TriplePair& disp) = 0;
    virtual void EdgeForceIncrement(const WallElementProp& prop, const TriplePair& force) = 0;
    virtual void Update(const WallElementProp& prop, double ratio) = 0;
    // Corners I-A, I-B, J-A, J-B; X, Y, M each.
    virtual void Disp(const WallElementProp& prop, const znMatrix::Vector& disp) = 0;
    virtual void Force(const WallElementProp& prop, const znMatrix::Vector& force) = 0;
    virtual void EdgeDisp(const WallElementProp& prop, const TriplePair& disp) = 0;
    virtual void EdgeForce(const WallElementProp& prop, const TriplePair& force) = 0;
    virtual void AnalysisStarted() = 0;
    virtual void AnalysisEnded() = 0;
    virtual void StepStarted(std::uint32_t step) = 0;
    virtual void StepEnded(std::uint32_t step) = 0;
  };

  // Edge 0 is I, 1 is J; node 0 is a, 1 is b.
  struct exTwoNodesAreSamePosition {
    std::string ID;
    int Edge0;
    int Node0;
    int Edge1;
    int Node1;
  };
  struct exBothAlphaYAreZero {
    std::string ID;
    int Edge;
  };
  // The stiffness or an edge matrix overflows (extreme coordinates or section values).
  struct exStiffnessIsNotFinite {
    std::string ID;
  };
  // The two reference points coincide.
  struct exLIsEqualToZero {
    std::string ID;
  };
  // La of that edge is not shorter than the edge.
  struct exLaIsOverLij {
    std::string ID;
    int Edge;
  };

  // Neither the logger (may be null) nor the maker is owned.
  csWallElement(ifLogger* logger, const znMatrixMaker::ifMatrixMaker2DWallElement* maker);

  // Called once right after construction; the record's four nodes must be resolved.
  void SetProp(const WallElementProp& prop);

  const WallElementProp& GetProp() const override;
  Nodes GetNodes() const override;
  void PrepareStiffness() override;
  const znMatrix::csSymmetryMatrix& GetStiffness() const override;
  void SetDispIncrement(const znMatrix::Vector& disp) override;
  std::pair<double, double> GetNextRatio() const override;
  void Update(double ratio) override;
  void NextCase() override;
  bool IsFailed() const override;
  const znMatrix::Vector& GetDisp() const override;
  const znMatrix::Vector& GetForce() const override;
  const TriplePair& GetEdgeDisp() const override;
  const TriplePair& GetEdgeForce() const override;
  void BeginAnalysis() override;
  void EndAnalysis() override;
  void BeginStep(std::uint32_t step) override;
  void EndStep(std::uint32_t step) override;

  // The geometry derived from the record and the node coordinates.
  const znMatrixMaker::WallStiffnessProp& GetStiffnessProp() const { return geometry_; }

 private:
  void CheckNodes(const WallElementProp& prop) const;
  void CheckAlphaY(const WallElementProp& prop) const;
  void DeriveGeometry();
  void MakeMatrices();

  ifLogger* logger_;
  const znMatrixMaker::ifMatrixMaker2DWallElement* maker_;
  WallElementProp prop_;
  znMatrixMaker::WallStiffnessProp geometry_;
  znMatrix::csSymmetryMatrix K_;
  znMatrix::csMatrix Tt_;
  std::pair<znMatrix::csMatrix, znMatrix::csMatrix> forceOfEdge_;
  std::pair<znMatrix::csMatrix, znMatrix::csMatrix> dispOfEdge_;
  znMatrix::Vector dispIncrement_;
  znMatrix::Vector disp_;
  znMatrix::Vector forceIncrement_;
  znMatrix::Vector force_;
  TriplePair edgeDispIncrement_{};
  TriplePair edgeDisp_{};
  TriplePair edgeForceIncrement_{};
  TriplePair edgeForce_{};
};

}  // namespace znFEM::znTraceYield2DRahmen
