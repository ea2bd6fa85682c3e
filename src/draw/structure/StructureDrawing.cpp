// The structure drawing: layers, panels, and the drawers of nodes, members and walls.
#include "draw/structure/StructureDrawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <ostream>
#include <string_view>
#include <utility>

#include "draw/structure/CapacityCurve.h"
#include "draw/structure/DeformedShape.h"
#include "draw/structure/ForceDiagram.h"
#include "draw/structure/PanelLayout.h"
#include "draw/svg/Svg.h"
#include "fem/model/ElementStress.h"
#include "fem/model/ElementStressPropMaker.h"

namespace znDraw {

namespace {

namespace model = znFEM::znTraceYield2DRahmen;

const char* const kLayers[] = {"Title",      "Frame",    "Rigid",        "WElem",   "Hinge",
                               "NodeID",     "ElemID",   "WElemID",      "Value",   "Stress",
                               "StressLast", "Rotation", "RotationLast", "Stretch", "StretchLast"};

// Colour codes of SetColor (code c is colour number c + 1).
constexpr int kTitleColour = 6;
constexpr int kNodeIDColour = 4;
constexpr int kYieldEarlierColour = 0;
constexpr int kYieldLastColour = 2;
constexpr int kElemIDColour = 5;
constexpr int kFrameColour = 3;
constexpr int kRigidColour = 6;
constexpr int kHingeColour = 5;
constexpr int kStressColour = 4;
constexpr int kStressLastColour = 1;
constexpr int kValueColour = 1;
constexpr int kStretchColour = 5;
constexpr int kStretchLastColour = 1;
constexpr int kWElemIDColour = 5;
constexpr int kWElemColour = 6;
constexpr int kDeformedColour = 0;

// Alignment codes.
constexpr int kTopLeft = 0;
constexpr int kTopRight = 2;
constexpr int kMiddleCentre = 4;
constexpr int kBottomLeft = 6;
constexpr int kBottomRight = 8;

// The system's calculator settings for member forces: 10 divisions, minimum length 1.0.
constexpr std::uint32_t kDivisionCount = 10;
constexpr double kMinimumSearchLength = 1.0;

// Shift_JIS brackets around the titles: 0x81 0x79 and 0x81 0x7A.
const char* const kOpenBracket = "\x81\x79";
const char* const kCloseBracket = "\x81\x7a";

struct ForceKind {
  const char* title;
  std::size_t component;
  double DxfProp::*ratio;
  const char* key;
};
const ForceKind kKinds[] = {{"Axial", 0, &DxfProp::axial_ratio, "axial_ratio"},
                            {"Shear", 1, &DxfProp::shear_ratio, "shear_ratio"},
                            {"Moment", 2, &DxfProp::moment_ratio, "moment_ratio"}};

// A picture fits what the DxfProp statement left out to the structure: each diagram's largest
// ordinate to 15 % of the median member length, the largest nodal displacement to 5 % of the
// structure's size, and text heights to 6 % of the median member length, the hinge marks and
// value offsets keeping their proportion to the text height.
constexpr double kDiagramFraction = 0.15;
constexpr double kDisplacementFraction = 0.05;
constexpr double kTextFraction = 0.06;
// Divisions of a member's flexible part for its deformed shape.
constexpr int kShapeDivisions = 16;

// Two significant digits, so that the scale named in a title is the scale drawn.
double RoundScale(double value) {
  if (!(value > 0.0) || !std::isfinite(value)) return 0.0;
  const double unit = std::pow(10.0, std::floor(std::log10(value)) - 1.0);
  return std::round(value / unit) * unit;
}

// Significant digits as %g writes them.
std::string FormatDigits(double value, int digits) {
  char text[64];
  const char* end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits).ptr;
  return std::string(static_cast<const char*>(text), end);
}

std::string FormatScale(double value) {
  return FormatDigits(value, 6);
}

Point2 Add(const Point2& a, const Point2& b) {
  return {a[0] + b[0], a[1] + b[1]};
}

bool IsYielded(std::int32_t state) {
  return state != model::kElastic;
}

// Four significant digits: short enough to stand beside a diagram.
std::string FormatValue(double value) {
  return FormatDigits(value, 4);
}

template <class Result>
const Result* Find(const std::unordered_map<std::string, Result>& results, const std::string& id) {
  const auto found = results.find(id);
  return found == results.end() ? nullptr : &found->second;
}

// A member's own axes: x from its start along it, y turned counter-clockwise.
struct MemberAxes {
  Point2 start{0.0, 0.0};
  double c = 1.0;
  double s = 0.0;

  MemberAxes(const Point2& from, const Point2& to) : start(from) {
    const double length = std::hypot(to[0] - from[0], to[1] - from[1]);
    if (length > 0.0) {
      c = (to[0] - from[0]) / length;
      s = (to[1] - from[1]) / length;
    }
  }
  Point2 At(double x, double y) const {
    return {start[0] + x * c - y * s, start[1] + x * s + y * c};
  }
  double AngleDegrees() const { return std::atan2(s, c) * 180.0 / std::numbers::pi; }
};

// A member's forces in one state: its profile, the extremes search with its evaluation points,
// and the forces at the diagram positions. The drawing keeps one for each state it draws and
// makes it anew for every member, reusing its lists.
struct MemberForces {
  model::csElementStressProfile profile;
  model::StressExtremes extremes;
  std::vector<double> positions;
  std::vector<model::StressPair> forces;
};

void Evaluate(const model::csElementStress& stress, const Triple& faceForceI, int distsep,
              MemberForces& result) {
  stress.MakeProfile(faceForceI, result.profile);
  stress.GetExtremes(result.profile, result.extremes);
  DiagramPositions(result.extremes, result.profile, distsep, result.positions);
  result.forces.clear();
  result.forces.reserve(result.positions.size());
  for (double x : result.positions) result.forces.push_back(result.profile.At(x));
}

class csDrawBase {
 public:
  csDrawBase(ifDraw& draw, const DxfProp& prop) : draw_(draw), prop_(prop) {}

  void SetOrigin(const Point2& origin) { origin_ = origin; }

 protected:
  void Style(const char* layer, int colour) {
    draw_.SetLayer(layer);
    draw_.SetColor(colour);
  }
  void MoveTo(const Point2& p) { draw_.MoveTo(origin_[0] + p[0], origin_[1] + p[1], 0.0); }
  void LineTo(const Point2& p) { draw_.LineTo(origin_[0] + p[0], origin_[1] + p[1], 0.0); }
  void Line(const Point2& from, const Point2& to) {
    MoveTo(from);
    LineTo(to);
  }
  void Text(const Point2& at, const std::string& text, int align, double rotation = 0.0) {
    draw_.SetAlign(align);
    draw_.SetTextHeight(prop_.height_str);
    draw_.SetRotation(rotation);
    MoveTo(at);
    draw_.Text(text);
  }

  // The previous state's diagram on "Stress", then this state's on "StressLast" with its
  // values on "Value".
  void Diagram(const MemberAxes& axes, const ForceKind& kind, const MemberForces& now,
               const MemberForces* before) {
    const double ratio = prop_.*kind.ratio;
    if (before != nullptr) {
      Style("Stress", kStressColour);
      Polyline(axes, *before, kind.component, ratio);
    }
    Style("StressLast", kStressLastColour);
    Polyline(axes, now, kind.component, ratio);
    Style("Value", kValueColour);
    DiagramValues(now.extremes, kind.component, values_);
    for (const DiagramValue& v : values_) ValueText(axes, v, ratio);
  }

  ifDraw& draw_;
  const DxfProp& prop_;

 private:
  // A diagram of a single point draws nothing.
  void Polyline(const MemberAxes& axes, const MemberForces& forces, std::size_t component,
                double ratio) {
    std::size_t count = 0;
    Point2 first{};
    DiagramPolyline(forces.positions, forces.forces, component, ratio, [&](const Point2& p) {
      if (++count == 1) {
        first = p;
        return;
      }
      if (count == 2) MoveTo(axes.At(first[0], first[1]));
      LineTo(axes.At(p[0], p[1]));
    });
  }

  // The text runs across the member away from it, beyond the diagram by the value offset; it
  // is turned half a turn where it would read upside down, and its anchor corner swapped.
  void ValueText(const MemberAxes& axes, const DiagramValue& v, double ratio) {
    const bool positive = v.Value >= 0.0;
    const double y = v.Value * ratio + (positive ? prop_.value_ofs : -prop_.value_ofs);
    double rotation = std::remainder(axes.AngleDegrees() + 90.0, 360.0);
    const bool readable = rotation > -90.0 && rotation <= 90.0;
    if (!readable) rotation = std::remainder(rotation - 180.0, 360.0);
    const int align = positive == readable ? kTopLeft : kBottomRight;
    Text(axes.At(v.Position, y), FormatValue(v.Value), align, rotation);
  }

  Point2 origin_{0.0, 0.0};
  std::vector<DiagramValue> values_;  // kept for the next diagram
};

class csDrawNode : public csDrawBase {
 public:
  using csDrawBase::csDrawBase;

  void DrawID(const model::NodeProp& node) {
    Style("NodeID", kNodeIDColour);
    Text(node.Coordinate, node.ID, kBottomLeft);
  }

  void Draw(const model::NodeProp& node, const NodeResult* now, const NodeResult* before) {
    DrawID(node);
    if (now != nullptr && IsYielded(now->PanelState)) {
      const bool earlier = before != nullptr && before->PanelState == now->PanelState;
      YieldMark(node.Coordinate, now->PanelState, earlier);
    }
  }

 private:
  // A circle for a panel yielded at its upper limit, a square for one at its lower limit.
  void YieldMark(const Point2& at, std::int32_t state, bool earlier) {
    if (earlier) {
      Style("Rotation", kYieldEarlierColour);
    } else {
      Style("RotationLast", kYieldLastColour);
    }
    const double size = prop_.rad_hinge;
    const Point2 textAt{at[0] + size, at[1] - size - prop_.height_str};
    Text(textAt, state == model::kYieldedUpper ? "P+" : "P-", kBottomLeft);
    draw_.SetAlign(kMiddleCentre);
    MoveTo(at);
    if (state == model::kYieldedUpper) {
      draw_.Circle(size);
    } else {
      draw_.Rectangle(size * 1.414, size * 1.414);
    }
  }
};

// The drawer of one member at a time: the drawing keeps one and sets it to each member in turn.
class csDrawElement : public csDrawBase {
 public:
  csDrawElement(ifDraw& draw, const DxfProp& prop)
      : csDrawBase(draw, prop), stress_(kDivisionCount, kMinimumSearchLength) {}

  // member: the index of the member's record.
  void Set(std::size_t member, const model::ElementProp& element,
           const model::ElementStressProp& stressProp) {
    member_ = member;
    element_ = &element;
    stress_.SetProp(stressProp);
    axes_ = MemberAxes(stressProp.Coordinates[0], stressProp.Coordinates[1]);
    nodes_ = stressProp.Coordinates;
    const double length = stress_.GetLength();
    faces_ = {std::clamp(element.Lij[0], 0.0, length),
              std::clamp(length - element.Lij[1], 0.0, length)};
  }

  const std::string& ID() const { return element_->ID; }
  std::size_t Member() const { return member_; }

  void Forces(const ElementResult* result, MemberForces& forces) const {
    const Triple none{0.0, 0.0, 0.0};
    Evaluate(stress_, result != nullptr ? result->FaceForceI : none, prop_.distsep, forces);
  }

  const PerEnd<std::string>& NodeIDs() const { return element_->NodeID; }
  double Length() const { return stress_.GetLength(); }

  void Draw(const ForceKind& kind, const ElementResult* now, const ElementResult* before,
            const MemberForces& forcesNow, const MemberForces* forcesBefore,
            const PushoverHistory* pushover) {
    DrawGeometry();
    Hinges(now, pushover);
    Diagram(axes_, kind, forcesNow, forcesBefore);
    if (now != nullptr) AxialYieldMark(*now, before);
  }

  void DrawGeometry() {
    Style("ElemID", kElemIDColour);
    Text(Middle(), element_->ID, kBottomLeft);
    Style("Frame", kFrameColour);
    Line(axes_.At(faces_[0], 0.0), axes_.At(faces_[1], 0.0));
    Style("Rigid", kRigidColour);
    if (faces_[0] > 0.0) Line(nodes_[0], axes_.At(faces_[0], 0.0));
    if (faces_[1] < stress_.GetLength()) Line(axes_.At(faces_[1], 0.0), nodes_[1]);
  }

  // The member moved by its end displacements (global axes, scaled): each rigid zone turns
  // with its node, and the flexible part bends between the faces as its forces make it.
  void DrawDeformed(const ElementResult* result, const PerEnd<Triple>& disp, double scale) {
    const Triple none{0.0, 0.0, 0.0};
    const model::csElementStressProfile profile =
        stress_.MakeProfile(result != nullptr ? result->FaceForceI : none);
    PerEnd<Point2> faceMove{};
    for (int end = 0; end < 2; ++end) {
      const Point2 face = axes_.At(faces_[end], 0.0);
      const Point2 arm{face[0] - nodes_[end][0], face[1] - nodes_[end][1]};
      faceMove[end] = {disp[end][0] - disp[end][2] * arm[1], disp[end][1] + disp[end][2] * arm[0]};
    }
    const auto along = [&](const Point2& d) { return d[0] * axes_.c + d[1] * axes_.s; };
    const auto across = [&](const Point2& d) { return -d[0] * axes_.s + d[1] * axes_.c; };
    const std::vector<double> x = ShapePositions(profile, faces_[0], faces_[1], kShapeDivisions);
    const MemberSection section{element_->E, element_->I, element_->A, element_->Kappa,
                                element_->Poisson};
    const std::vector<double> v =
        Deflections(profile, section, x, across(faceMove[0]), across(faceMove[1]));
    const double span = faces_[1] - faces_[0];
    Style("Deformed", kDeformedColour);
    MoveTo({nodes_[0][0] + scale * disp[0][0], nodes_[0][1] + scale * disp[0][1]});
    for (std::size_t k = 0; k < x.size(); ++k) {
      const double t = span > 0.0 ? (x[k] - faces_[0]) / span : 0.0;
      const double u = (1.0 - t) * along(faceMove[0]) + t * along(faceMove[1]);
      LineTo(axes_.At(x[k] + scale * u, scale * v[k]));
    }
    LineTo({nodes_[1][0] + scale * disp[1][0], nodes_[1][1] + scale * disp[1][1]});
  }

 private:
  Point2 Middle() const { return axes_.At(stress_.GetLength() / 2.0, 0.0); }

  // Two concentric circles inside the member, touching the face of each hinged end: pinned by
  // input or yielded in bending. A pushover picture numbers each yielded hinge beside its mark
  // in the order the hinges formed.
  void Hinges(const ElementResult* now, const PushoverHistory* pushover) {
    Style("Hinge", kHingeColour);
    draw_.SetAlign(kMiddleCentre);
    const double radius = prop_.rad_hinge / 1.5;
    for (int end = 0; end < 2; ++end) {
      const bool yielded = now != nullptr && IsYielded(now->HingeState[end]);
      if (!model::IsPinnedByInput(*element_, end) && !yielded) continue;
      MoveTo(axes_.At(end == 0 ? faces_[0] + radius : faces_[1] - radius, 0.0));
      draw_.Circle(radius);
      draw_.Circle(radius / 2.0);
      if (yielded && pushover != nullptr) HingeNumber(*pushover, end, radius);
    }
  }

  void HingeNumber(const PushoverHistory& pushover, int end, double radius) {
    for (const HingeFormation& hinge : pushover.Hinges) {
      if (hinge.ElementID != element_->ID || hinge.End != end) continue;
      const double centre = end == 0 ? faces_[0] + radius : faces_[1] - radius;
      Text(axes_.At(centre + radius, 1.5 * radius), std::to_string(hinge.Order), kBottomLeft);
      return;
    }
  }

  // A cross at the middle of an axially yielded member with "N+" (upper limit) or "N-".
  void AxialYieldMark(const ElementResult& now, const ElementResult* before) {
    const std::int32_t state = IsYielded(now.AxialState[0]) ? now.AxialState[0] : now.AxialState[1];
    if (!IsYielded(state)) return;
    const bool earlier = before != nullptr && before->AxialState == now.AxialState;
    if (earlier) {
      Style("Stretch", kStretchColour);
    } else {
      Style("StretchLast", kStretchLastColour);
    }
    draw_.SetAlign(kMiddleCentre);
    MoveTo(Middle());
    draw_.Cross(prop_.rad_hinge, prop_.rad_hinge);
    Text(Middle(), state == model::kYieldedUpper ? "N+" : "N-", kTopRight);
  }

  std::size_t member_ = 0;
  const model::ElementProp* element_ = nullptr;
  model::csElementStress stress_;
  MemberAxes axes_{{0.0, 0.0}, {0.0, 0.0}};
  PerEnd<Point2> nodes_{};
  std::array<double, 2> faces_{0.0, 0.0};
};

class csDrawWallElement : public csDrawBase {
 public:
  // corners: ia, ib, ja, jb.
  csDrawWallElement(ifDraw& draw, const DxfProp& prop, const model::WallElementProp& wall,
                    const std::array<Point2, 4>& corners)
      : csDrawBase(draw, prop),
        wall_(wall),
        corners_(corners),
        reference_{ReferencePoint(corners[0], corners[1], wall.La.first, wall.IsLaGiven.first),
                   ReferencePoint(corners[2], corners[3], wall.La.second, wall.IsLaGiven.second)},
        axes_(reference_[0], reference_[1]),
        stress_(kDivisionCount, kMinimumSearchLength) {
    model::ElementStressProp member;
    member.ID = wall.ID;
    member.Coordinates = reference_;
    stress_.SetProp(member);
  }

  const std::string& ID() const { return wall_.ID; }

  void Forces(const WallElementResult* result, MemberForces& forces) const {
    const Triple none{0.0, 0.0, 0.0};
    Evaluate(stress_, result != nullptr ? result->EdgeForce.first : none, prop_.distsep, forces);
  }

  // ia, ib, ja, jb.
  std::array<std::string, 4> NodeIDs() const {
    return {wall_.NodeID.first.first, wall_.NodeID.first.second, wall_.NodeID.second.first,
            wall_.NodeID.second.second};
  }

  void Draw(const ForceKind& kind, const MemberForces& now, const MemberForces* before) {
    DrawGeometry();
    Diagram(axes_, kind, now, before);
  }

  void DrawGeometry() {
    Style("WElemID", kWElemIDColour);
    Text(Centre(), wall_.ID, kBottomLeft);
    Style("WElem", kWElemColour);
    Outline(corners_);
  }

  // The outline through the moved corners (global axes, scaled).
  void DrawDeformed(const std::array<Triple, 4>& disp, double scale) {
    std::array<Point2, 4> moved{};
    for (int k = 0; k < 4; ++k) {
      moved[k] = {corners_[k][0] + scale * disp[k][0], corners_[k][1] + scale * disp[k][1]};
    }
    Style("Deformed", kDeformedColour);
    Outline(moved);
  }

 private:
  // The point at La from node a along the edge; the middle of the edge when La was not given.
  static Point2 ReferencePoint(const Point2& a, const Point2& b, double la, bool given) {
    const double length = std::hypot(b[0] - a[0], b[1] - a[1]);
    const double t = !given || length == 0.0 ? 0.5 : la / length;
    return {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])};
  }

  static Point2 Centre(const std::array<Point2, 4>& corners) {
    Point2 sum{0.0, 0.0};
    for (const Point2& p : corners) sum = Add(sum, p);
    return {sum[0] / 4.0, sum[1] / 4.0};
  }
  Point2 Centre() const { return Centre(corners_); }

  // The outline ia, ib, jb, ja, each corner moved towards the centre by welem_ofs (at most half
  // way), so that it stands clear of the members along the edges.
  void Outline(const std::array<Point2, 4>& corners) {
    const Point2 centre = Centre(corners);
    std::array<Point2, 4> inset{};
    const int order[4] = {0, 1, 3, 2};
    for (int k = 0; k < 4; ++k) {
      const Point2& p = corners[order[k]];
      const double distance = std::hypot(centre[0] - p[0], centre[1] - p[1]);
      const double t = distance > 0.0 ? std::min(0.5, prop_.welem_ofs / distance) : 0.0;
      inset[k] = {p[0] + t * (centre[0] - p[0]), p[1] + t * (centre[1] - p[1])};
    }
    MoveTo(inset[3]);
    for (const Point2& p : inset) LineTo(p);
  }

  const model::WallElementProp& wall_;
  std::array<Point2, 4> corners_;
  PerEnd<Point2> reference_;
  MemberAxes axes_;
  model::csElementStress stress_;
};

// Draws the structure panel by panel. A member's drawer and forces are set to it as it is drawn
// and reused for the next one (a wall's drawer is made for it): nothing is held per member
// across the drawing, and the lists of one member's forces are not allocated again.
class csStructureDrawing {
 public:
  csStructureDrawing(ifDraw& draw, const DxfProp& prop, const StructureRecords& records,
                     const std::vector<StructureState>& states, const DrawOptions& options)
      : draw_(draw),
        prop_(prop),
        records_(records),
        states_(states),
        options_(options),
        nodeDrawer_(draw, prop_),
        elementDrawer_(draw, prop_),
        stressMaker_(records.Nodes, records.Elements, records.ConcentratedLoads,
                     records.DistributedLoads) {
    IndexDefinitions();
    IndexWallCorners();
    IndexResults();
    if (options_.picture) FitToStructure();
  }

  void Draw() {
    const bool displacement = options_.picture || prop_.disp_ratio > 0.0;
    for (const char* layer : kLayers) draw_.AddLayer(layer);
    if (displacement) draw_.AddLayer("Deformed");
    draw_.SetLineType(0);
    csPanelLayout layout(NodePoints(), prop_);
    for (const ForceKind& kind : kKinds) {
      Title(layout.TitleCorner(), layout.TitleHeight(), kind.title, prop_.*kind.ratio);
      for (std::size_t s = 0; s < states_.size(); ++s) {
        StepLabel(layout, s);
        DrawPanel(kind, s, layout.Origin());
        layout.NextPanel();
      }
      layout.NextKind();
    }
    if (!displacement) return;
    Title(layout.TitleCorner(), layout.TitleHeight(), "Displacement", prop_.disp_ratio);
    for (std::size_t s = 0; s < states_.size(); ++s) {
      StepLabel(layout, s);
      DrawDisplacementPanel(states_[s], layout.Origin());
      layout.NextPanel();
    }
    layout.NextKind();
    if (options_.pushover == nullptr || options_.pushover->Curve.empty()) return;
    // The curve fills the box the structure fills in the other panels, one row further down.
    Title(layout.TitleCorner(), layout.TitleHeight(), "Capacity curve", 0.0);
    const Point2 corner = Add(layout.Origin(), layout.ExtentMin());
    const Point2 size{layout.PanelSize()[0] - layout.Margin()[0],
                      layout.PanelSize()[1] - layout.Margin()[1]};
    DrawCapacityCurve(draw_, options_.pushover->Curve, corner, size, prop_.height_str);
  }

 private:
  // Each diagram scale from its largest ordinate over every member, wall and state; the text
  // sizes from the median member length; the displacement scale from the largest nodal
  // translation and the larger side of the structure.
  void FitToStructure() {
    const double median = MedianMemberLength();
    const Triple largest = LargestForces();
    for (const ForceKind& kind : kKinds) {
      if (prop_.IsGiven(kind.key)) continue;
      const double fitted = RoundScale(kDiagramFraction * median / largest[kind.component]);
      if (fitted > 0.0) prop_.*kind.ratio = fitted;
    }
    if (!prop_.IsGiven("disp_ratio")) {
      double largest = 0.0;
      for (const StructureState& state : states_) {
        for (const auto& [id, node] : state.Nodes) {
          largest = std::max(largest, std::hypot(node.Disp[0], node.Disp[1]));
        }
      }
      const csPanelLayout layout(NodePoints(), prop_);
      const double size = std::max(layout.ExtentMax()[0] - layout.ExtentMin()[0],
                                   layout.ExtentMax()[1] - layout.ExtentMin()[1]);
      prop_.disp_ratio = RoundScale(kDisplacementFraction * size / largest);
    }
    if (!prop_.IsGiven("height_str") && median > 0.0) prop_.height_str = kTextFraction * median;
    // The hinge marks and the value offset keep their proportion to the text, also when the
    // text height was given in units other than the defaults' millimetres.
    const DxfProp defaults;
    const double textScale = prop_.height_str / defaults.height_str;
    if (!prop_.IsGiven("rad_hinge")) prop_.rad_hinge = defaults.rad_hinge * textScale;
    prop_.value_ofs = defaults.value_ofs * textScale;
  }

  // The largest magnitude of each force over the diagram positions of every member and wall
  // in every state: one evaluation of each serves all three kinds.
  Triple LargestForces() {
    Triple largest{0.0, 0.0, 0.0};
    if (std::all_of(std::begin(kKinds), std::end(kKinds),
                    [this](const ForceKind& kind) { return prop_.IsGiven(kind.key); })) {
      return largest;
    }
    const auto consider = [&](const MemberForces& member) {
      for (const model::StressPair& pair : member.forces) {
        for (const Triple& side : pair) {
          for (std::size_t c = 0; c < 3; ++c) largest[c] = std::max(largest[c], std::abs(side[c]));
        }
      }
    };
    for (std::size_t s = 0; s < states_.size(); ++s) {
      ForEachElement([&](csDrawElement& element) {
        element.Forces(results_[s].elements[element.Member()], forcesNow_);
        consider(forcesNow_);
      });
      ForEachWall([&](csDrawWallElement& wall) {
        wall.Forces(Find(states_[s].WallElements, wall.ID()), forcesNow_);
        consider(forcesNow_);
      });
    }
    return largest;
  }

  double MedianMemberLength() {
    std::vector<double> lengths;
    ForEachElement([&](const csDrawElement& element) { lengths.push_back(element.Length()); });
    if (lengths.empty()) return 0.0;
    std::sort(lengths.begin(), lengths.end());
    const std::size_t n = lengths.size();
    return n % 2 == 1 ? lengths[n / 2] : (lengths[n / 2 - 1] + lengths[n / 2]) / 2.0;
  }

  void StepLabel(const csPanelLayout& layout, std::size_t s) {
    if (!options_.withStepLabels) return;
    Title(layout.StepLabelCorner(), layout.TitleHeight(), "Step:" + std::to_string(states_[s].Step),
          0.0);
  }

  // The geometry with identifiers, then the deformed members and walls.
  void DrawDisplacementPanel(const StructureState& state, const Point2& origin) {
    nodeDrawer_.SetOrigin(origin);
    for (const model::NodeProp& node : records_.Nodes) nodeDrawer_.DrawID(node);
    const auto disp = [&state](const std::string& id) {
      const NodeResult* node = Find(state.Nodes, id);
      return node != nullptr ? node->Disp : Triple{0.0, 0.0, 0.0};
    };
    ForEachElement([&](csDrawElement& element) {
      element.SetOrigin(origin);
      element.DrawGeometry();
      element.DrawDeformed(Find(state.Elements, element.ID()),
                           {disp(element.NodeIDs()[0]), disp(element.NodeIDs()[1])},
                           prop_.disp_ratio);
    });
    ForEachWall([&](csDrawWallElement& wall) {
      wall.SetOrigin(origin);
      wall.DrawGeometry();
      const auto ids = wall.NodeIDs();
      wall.DrawDeformed({disp(ids[0]), disp(ids[1]), disp(ids[2]), disp(ids[3])}, prop_.disp_ratio);
    });
  }

  std::vector<Point2> NodePoints() const {
    std::vector<Point2> points;
    for (const model::NodeProp& node : records_.Nodes) points.push_back(node.Coordinate);
    return points;
  }

  // The results of every node and member in every state, looked up by ID once for all panels.
  void IndexResults() {
    results_.resize(states_.size());
    for (std::size_t s = 0; s < states_.size(); ++s) {
      results_[s].nodes.reserve(records_.Nodes.size());
      for (const model::NodeProp& node : records_.Nodes) {
        results_[s].nodes.push_back(Find(states_[s].Nodes, node.ID));
      }
      results_[s].elements.reserve(records_.Elements.size());
      for (const model::ElementProp& element : records_.Elements) {
        results_[s].elements.push_back(Find(states_[s].Elements, element.ID));
      }
    }
  }

  // The ElementStress definitions by member ID (the first of a repeated ID).
  void IndexDefinitions() {
    definitions_.reserve(records_.ElementStresses.size());
    for (const model::ElementStressProp& definition : records_.ElementStresses) {
      definitions_.emplace(definition.ID, &definition);
    }
  }

  // Calls draw with the drawer of each member in input order; a member whose node is unknown
  // has no place in the drawing.
  template <class Draw>
  void ForEachElement(Draw&& draw) {
    const std::vector<double> none;
    for (std::size_t k = 0; k < records_.Elements.size(); ++k) {
      const model::ElementProp& element = records_.Elements[k];
      const auto found = definitions_.find(element.ID);
      try {
        stressMaker_.MakeAt(k, found != definitions_.end() ? found->second->Positions : none,
                            stressProp_);
      } catch (const model::csElementStressPropMaker::exSpecifiedNodeIsnotExist&) {
        continue;
      }
      elementDrawer_.Set(k, element, stressProp_);
      draw(elementDrawer_);
    }
  }

  // The corners of each wall whose four nodes are known (ia, ib, ja, jb), in input order.
  void IndexWallCorners() {
    if (records_.WallElements.empty()) return;
    std::unordered_map<std::string_view, Point2> coordinates;
    coordinates.reserve(records_.Nodes.size());
    for (const model::NodeProp& node : records_.Nodes)
      coordinates.emplace(node.ID, node.Coordinate);
    for (const model::WallElementProp& wall : records_.WallElements) {
      const std::string* ids[4] = {&wall.NodeID.first.first, &wall.NodeID.first.second,
                                   &wall.NodeID.second.first, &wall.NodeID.second.second};
      std::array<Point2, 4> corners{};
      bool complete = true;
      for (int k = 0; k < 4; ++k) {
        const auto found = coordinates.find(*ids[k]);
        complete = complete && found != coordinates.end();
        if (complete) corners[k] = found->second;
      }
      if (complete) wallCorners_.push_back({&wall, corners});
    }
  }

  template <class Draw>
  void ForEachWall(Draw&& draw) {
    for (const auto& [wall, corners] : wallCorners_) {
      csDrawWallElement drawer(draw_, prop_, *wall, corners);
      draw(drawer);
    }
  }

  // A DXF title is the bracketed word; a picture's names the scale of its panels in plain text.
  void Title(const Point2& corner, double height, const std::string& word, double scale) {
    draw_.SetLayer("Title");
    draw_.SetColor(kTitleColour);
    std::string text = kOpenBracket + word + kCloseBracket;
    if (options_.picture) {
      text = word;
      if (scale > 0.0) text += "  (scale " + FormatScale(scale) + ")";
    }
    Text(corner, height, text);
  }

  void Text(const Point2& corner, double height, const std::string& text) {
    draw_.SetAlign(kBottomLeft);
    draw_.SetTextHeight(height);
    draw_.SetRotation(0.0);
    draw_.MoveTo(corner[0], corner[1], 0.0);
    draw_.Text(text);
  }

  void DrawPanel(const ForceKind& kind, std::size_t s, const Point2& origin) {
    const StructureState& now = states_[s];
    const StructureState* before = s > 0 ? &states_[s - 1] : nullptr;
    const StateResults& resultsNow = results_[s];
    const StateResults* resultsBefore = s > 0 ? &results_[s - 1] : nullptr;
    nodeDrawer_.SetOrigin(origin);
    for (std::size_t k = 0; k < records_.Nodes.size(); ++k) {
      nodeDrawer_.Draw(records_.Nodes[k], resultsNow.nodes[k],
                       before != nullptr ? resultsBefore->nodes[k] : nullptr);
    }
    ForEachElement([&](csDrawElement& element) {
      const ElementResult* resultNow = resultsNow.elements[element.Member()];
      const ElementResult* resultBefore =
          before != nullptr ? resultsBefore->elements[element.Member()] : nullptr;
      element.Forces(resultNow, forcesNow_);
      if (before != nullptr) element.Forces(resultBefore, forcesBefore_);
      element.SetOrigin(origin);
      element.Draw(kind, resultNow, resultBefore, forcesNow_,
                   before != nullptr ? &forcesBefore_ : nullptr, options_.pushover);
    });
    ForEachWall([&](csDrawWallElement& wall) {
      wall.Forces(Find(now.WallElements, wall.ID()), forcesNow_);
      if (before != nullptr) wall.Forces(Find(before->WallElements, wall.ID()), forcesBefore_);
      wall.SetOrigin(origin);
      wall.Draw(kind, forcesNow_, before != nullptr ? &forcesBefore_ : nullptr);
    });
  }

  ifDraw& draw_;
  DxfProp prop_;  // the drawers read it: a picture fits it once the forces are known
  const StructureRecords& records_;
  const std::vector<StructureState>& states_;
  const DrawOptions& options_;
  csDrawNode nodeDrawer_;
  // One member's record, drawer and forces in the state drawn and the one before, set to each
  // member in turn.
  csDrawElement elementDrawer_;
  model::ElementStressProp stressProp_;
  MemberForces forcesNow_;
  MemberForces forcesBefore_;
  model::csElementStressPropMaker stressMaker_;
  std::unordered_map<std::string_view, const model::ElementStressProp*> definitions_;
  // The results of each state by node and member record index (nullptr for none): 16 bytes a
  // node and member per state, against the hundreds the state's own maps hold.
  struct StateResults {
    std::vector<const NodeResult*> nodes;
    std::vector<const ElementResult*> elements;
  };
  std::vector<StateResults> results_;
  std::vector<std::pair<const model::WallElementProp*, std::array<Point2, 4>>> wallCorners_;
};

}  // namespace

void DrawStructure(ifDraw& draw, const DxfProp& prop, const StructureRecords& records,
                   const std::vector<StructureState>& states, const DrawOptions& options) {
  csStructureDrawing(draw, prop, records, states, options).Draw();
}

void DrawStructure(ifDraw& draw, const DxfProp& prop, const StructureRecords& records,
                   const std::vector<StructureState>& states, bool withStepLabels) {
  DrawOptions options;
  options.withStepLabels = withStepLabels;
  DrawStructure(draw, prop, records, states, options);
}

namespace {

template <class Target>
bool IsDrawnFinite(Target& target, const DxfProp& prop, const StructureRecords& records,
                   const std::vector<StructureState>& states, const DrawOptions& options) {
  DrawStructure(target, prop, records, states, options);
  return target.IsFinite();
}

bool IsDrawnFinite(const DxfProp& prop, const StructureRecords& records,
                   const std::vector<StructureState>& states, const DrawOptions& options) {
  if (options.picture) {
    csSvg svg;
    return IsDrawnFinite(svg, prop, records, states, options);
  }
  std::ostream none(nullptr);
  csDxf dxf(none);
  return IsDrawnFinite(dxf, prop, records, states, options);
}

// The settings of the DxfProp statement in its order.
struct SettingField {
  const char* key;
  double DxfProp::*real;
  int DxfProp::*integer;
};
const SettingField kSettingFields[] = {{"height_str", &DxfProp::height_str, nullptr},
                                       {"rad_hinge", &DxfProp::rad_hinge, nullptr},
                                       {"margin_ratio_x", &DxfProp::margin_ratio_x, nullptr},
                                       {"margin_ratio_y", &DxfProp::margin_ratio_y, nullptr},
                                       {"distsep", nullptr, &DxfProp::distsep},
                                       {"axial_ratio", &DxfProp::axial_ratio, nullptr},
                                       {"shear_ratio", &DxfProp::shear_ratio, nullptr},
                                       {"moment_ratio", &DxfProp::moment_ratio, nullptr},
                                       {"disp_ratio", &DxfProp::disp_ratio, nullptr},
                                       {"welem_ofs", &DxfProp::welem_ofs, nullptr},
                                       {"row_n", nullptr, &DxfProp::row_n}};

}  // namespace

std::string NonFiniteKey(const DxfProp& prop, const StructureRecords& records,
                         const std::vector<StructureState>& states, const DrawOptions& options) {
  const DxfProp defaults;
  DxfProp reset = prop;
  for (const SettingField& field : kSettingFields) {
    if (!reset.IsGiven(field.key)) continue;
    if (field.real != nullptr) reset.*field.real = defaults.*field.real;
    if (field.integer != nullptr) reset.*field.integer = defaults.*field.integer;
    reset.given.erase(field.key);
    if (IsDrawnFinite(reset, records, states, options)) return field.key;
  }
  return "";
}

void WriteStructureDrawing(csDxf& dxf, const DxfProp& prop, const StructureRecords& records,
                           const std::vector<StructureState>& states, bool withStepLabels) {
  DrawStructure(dxf, prop, records, states, withStepLabels);
  dxf.BeginWriting();
  DrawStructure(dxf, prop, records, states, withStepLabels);
  dxf.EndWriting();
}

}  // namespace znDraw
