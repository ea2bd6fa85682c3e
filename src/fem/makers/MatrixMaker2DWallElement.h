// Stiffness of a wall element: a shear-flexible member between reference points on two frame
// edges, its end forces shared among the four edge nodes; plus the edge result matrices.
#pragma once

#include <iosfwd>
#include <utility>

#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znMatrixMaker {

// Geometry and section of one wall, derived by the wall element from its record and nodes.
struct WallStiffnessProp {
  double A = 0.0;                               // section area of the equivalent member
  double E = 0.0;                               // Young's modulus
  double I = 0.0;                               // second moment of area
  double Poisson = 0.0;                         // Poisson's ratio
  double Kappa = 0.0;                           // shear shape factor (0: no shear deformation)
  double L = 0.0;                               // distance between the two reference points
  std::pair<double, double> Li{0.0, 0.0};       // parts of edge I on the node-a and node-b side
  std::pair<double, double> Lj{0.0, 0.0};       // parts of edge J on the node-a and node-b side
  double Angle = 0.0;                           // direction I -> J against global x, radians
  std::pair<double, double> AngleIJ{0.0, 0.0};  // edge angles (I, J) relative to Angle
  std::pair<double, double> AlphaYI{0.0, 0.0};  // along-edge shares of nodes a, b of edge I
  std::pair<double, double> AlphaYJ{0.0, 0.0};  // along-edge shares of nodes a, b of edge J
};

// Debugging dump, one labelled field per line.
std::ostream& operator<<(std::ostream& out, const WallStiffnessProp& prop);

// 12 degrees of freedom, (x, y, rotation) of nodes ia, ib, ja, jb.
class ifMatrixMaker2DWallElement {
 public:
  virtual ~ifMatrixMaker2DWallElement() = default;
  // Member stiffness distributed to the four nodes, global axes.
  virtual znMatrix::csSymmetryMatrix MakeStiffness(const WallStiffnessProp& prop) const = 0;
  // A spring kwg along each edge between its two nodes, global axes.
  virtual znMatrix::csSymmetryMatrix MakeEdgeSpringStiffness(
      double kwg, double angle, const std::pair<double, double>& angleIJ) const = 0;
  virtual znMatrix::csMatrix MakeLocalToGlobal(double angle) const = 0;
  virtual znMatrix::csMatrix MakeGlobalToLocal(double angle) const = 0;
  // 3×6: resultant force and moment about the reference point of the edge's two nodal forces.
  virtual znMatrix::csMatrix MakeEdgeForceMatrix(const std::pair<double, double>& edgeParts,
                                                 double edgeAngle) const = 0;
  // 3×6: displacement and rotation of the reference point from the edge's nodal displacements.
  virtual znMatrix::csMatrix MakeEdgeDispMatrix(const std::pair<double, double>& edgeParts,
                                                double edgeAngle,
                                                const std::pair<double, double>& alphaY) const = 0;

 protected:
  ifMatrixMaker2DWallElement() = default;
  ifMatrixMaker2DWallElement(const ifMatrixMaker2DWallElement&) = default;
  ifMatrixMaker2DWallElement& operator=(const ifMatrixMaker2DWallElement&) = default;
};

// Stateless: one instance serves every wall.
class csMatrixMaker2DWallElement : public ifMatrixMaker2DWallElement {
 public:
  csMatrixMaker2DWallElement() = default;

  znMatrix::csSymmetryMatrix MakeStiffness(const WallStiffnessProp& prop) const override;
  znMatrix::csSymmetryMatrix MakeEdgeSpringStiffness(
      double kwg, double angle, const std::pair<double, double>& angleIJ) const override;
  znMatrix::csMatrix MakeLocalToGlobal(double angle) const override;
  znMatrix::csMatrix MakeGlobalToLocal(double angle) const override;
  znMatrix::csMatrix MakeEdgeForceMatrix(const std::pair<double, double>& edgeParts,
                                         double edgeAngle) const override;
  znMatrix::csMatrix MakeEdgeDispMatrix(const std::pair<double, double>& edgeParts,
                                        double edgeAngle,
                                        const std::pair<double, double>& alphaY) const override;
};

}  // namespace znFEM::znMatrixMaker
