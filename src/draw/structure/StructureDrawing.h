// The structure drawing: the frame drawn three times, once per internal force (axial force,
// shear, moment), with its title, node, member and wall identifiers, members, rigid zones,
// hinges, yield marks, force diagrams with their values, and the wall elements; a fourth time
// with its deformed shape when a displacement scale is set.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "draw/dxf/Draw.h"
#include "draw/dxf/Dxf.h"
#include "draw/structure/DxfProp.h"
#include "fem/model/EdgeLoadFixCase.h"
#include "fem/model/ElementProp.h"
#include "fem/model/ElementStressProp.h"
#include "fem/model/NodeProp.h"
#include "fem/model/WallElementProp.h"

namespace znDraw {

using Triple = znFEM::znTraceYield2DRahmen::Triple;
template <class T>
using PerEnd = znFEM::znTraceYield2DRahmen::PerEnd<T>;

// The model as the input gave it; every list in input order. The node pointers of the member
// and wall records are not used (nodes are found by ID among Nodes).
struct StructureRecords {
  std::vector<znFEM::znTraceYield2DRahmen::NodeProp> Nodes;
  std::vector<znFEM::znTraceYield2DRahmen::ElementProp> Elements;
  std::vector<znFEM::znTraceYield2DRahmen::WallElementProp> WallElements;
  // The ElementStress block: ID and Positions of each statement. A definition for an unknown
  // member is left out; positions outside the flexible part of a member are left out of its
  // diagram.
  std::vector<znFEM::znTraceYield2DRahmen::ElementStressProp> ElementStresses;
  // The concentrated and distributed edge loads (every load case).
  std::vector<znFEM::znTraceYield2DRahmen::EdgeLoadConcentratedProp> ConcentratedLoads;
  std::vector<znFEM::znTraceYield2DRahmen::EdgeLoadDistributedProp> DistributedLoads;
};

// Yield state codes: 2 elastic, 0 yielded at the upper limit, 1 at the lower limit.
struct NodeResult {
  std::int32_t PanelState = znFEM::znTraceYield2DRahmen::kElastic;
  Triple Disp{0.0, 0.0, 0.0};  // displacement (x, y, rotation), global axes
};

struct ElementResult {
  // The total force on the flexible part at its I face, member axes: the face force from the
  // end displacements plus the fixed face force of the edge loads.
  Triple FaceForceI{0.0, 0.0, 0.0};
  PerEnd<std::int32_t> AxialState{znFEM::znTraceYield2DRahmen::kElastic,
                                  znFEM::znTraceYield2DRahmen::kElastic};
  PerEnd<std::int32_t> HingeState{znFEM::znTraceYield2DRahmen::kElastic,
                                  znFEM::znTraceYield2DRahmen::kElastic};
};

struct WallElementResult {
  // The wall's end forces (edge I, edge J), wall axes, as the wall reports them.
  std::pair<Triple, Triple> EdgeForce{Triple{0.0, 0.0, 0.0}, Triple{0.0, 0.0, 0.0}};
};

// The results of one state of the analysis, by ID. An ID without an entry draws unloaded and
// elastic. The drawing looks up every node and member in every panel: hashed, not ordered.
struct StructureState {
  std::uint32_t Step = 0;  // written in the step label
  std::unordered_map<std::string, NodeResult> Nodes;
  std::unordered_map<std::string, ElementResult> Elements;
  std::unordered_map<std::string, WallElementResult> WallElements;
};

// A pushover run's history for its pictures: the hinges in the order they formed and the
// capacity curve. The structure drawing takes it through DrawOptions.
struct HingeFormation {
  std::string ElementID;
  int End = 0;              // 0 end I, 1 end J
  std::uint32_t Order = 0;  // 1 for the first hinge to form
};
struct CapacityPoint {
  double Displacement = 0.0;  // the monitored displacement
  double LoadRatio = 0.0;     // the total load ratio
  bool Event = false;         // a hinge formed here
};
struct PushoverHistory {
  std::vector<HingeFormation> Hinges;
  std::vector<CapacityPoint> Curve;
};

struct DrawOptions {
  bool withStepLabels = false;
  // For a picture to look at rather than a DXF file: titles in plain text naming the diagram
  // scale; diagram scales, the displacement scale and text heights fitted to the structure
  // where the DxfProp statement did not give them; the Displacement panel always drawn.
  bool picture = false;
  // A picture of a pushover run numbers its hinges in the order they formed and, when the
  // curve has points, adds the capacity curve panel below the others.
  const PushoverHistory* pushover = nullptr;
};

// Draws the structure into the drawing: for each force kind one panel per state (the state
// before it, when there is one, is drawn as the previous state), with step labels on request,
// then, when prop.disp_ratio is set (or for a picture), the Displacement panels.
void DrawStructure(ifDraw& draw, const DxfProp& prop, const StructureRecords& records,
                   const std::vector<StructureState>& states, const DrawOptions& options);
void DrawStructure(ifDraw& draw, const DxfProp& prop, const StructureRecords& records,
                   const std::vector<StructureState>& states, bool withStepLabels = false);

// The DxfProp key that drives the drawing beyond the finite numbers: the keys the statement
// gave are set back, one after another in the statement's order, to their values without a
// DxfProp block, until the drawing (a picture's with options.picture, a DXF file's otherwise)
// is finite; the key set back last is named. Empty when the drawing is not finite even then.
std::string NonFiniteKey(const DxfProp& prop, const StructureRecords& records,
                         const std::vector<StructureState>& states, const DrawOptions& options);

// Lays the drawing out twice into the DXF writer, the second time writing its file.
void WriteStructureDrawing(csDxf& dxf, const DxfProp& prop, const StructureRecords& records,
                           const std::vector<StructureState>& states, bool withStepLabels = false);

}  // namespace znDraw
