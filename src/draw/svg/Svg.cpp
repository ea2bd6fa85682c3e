// The SVG writer: pen state, entity collection per layer and the document layout.
#include "draw/svg/Svg.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "text/XmlText.h"

namespace znDraw {

namespace {

using znString::XmlEscaped;
using znString::XmlNumber;

// The drawing colours 1 to 7 on a white page: red, yellow, green, cyan, blue, magenta and
// white, with yellow darkened and white drawn black so that both show.
const char* const kColours[] = {"#ff0000", "#b89600", "#00ff00", "#00ffff",
                                "#0000ff", "#ff00ff", "#000000"};

// Pixel sizes at the document's own size: line width, dash and gap, margin around the extent.
constexpr double kStrokePixels = 1.0;
constexpr double kDashPixels = 8.0;
constexpr double kGapPixels = 4.0;
constexpr double kMarginFraction = 0.02;
// A text height is the height of its capital letters: the font size is that over the capital
// height of a sans-serif font (0.73 em); a character is about 0.6 em wide.
constexpr double kFontSizePerHeight = 1.0 / 0.73;
constexpr double kCharacterWidth = 0.6 * kFontSizePerHeight;

bool IsLeftColumn(int code) {
  return code == 0 || code == 3 || code == 6;
}
bool IsRightColumn(int code) {
  return code == 2 || code == 5 || code == 8;
}
bool IsTopRow(int code) {
  return code >= 0 && code <= 2;
}
bool IsBottomRow(int code) {
  return code >= 6 && code <= 8;
}

const char* Anchor(int alignment) {
  if (IsLeftColumn(alignment)) return "start";
  if (IsRightColumn(alignment)) return "end";
  return "middle";
}

// How far the baseline lies below the anchor, in text heights: one for the top row, none for
// the bottom row, half for the middle (and an unknown code).
double BaselineDrop(int alignment) {
  if (IsTopRow(alignment)) return 1.0;
  if (IsBottomRow(alignment)) return 0.0;
  return 0.5;
}

std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// The drawing's y axis points up, the document's down: every y is written negated.
std::string Coordinates(const csSvg::Point& p) {
  return XmlNumber(p[0]) + "," + XmlNumber(-p[1]);
}

}  // namespace

void csSvg::stBox::Add(const Point& p) {
  if (!std::isfinite(p[0]) || !std::isfinite(p[1])) return;
  if (empty) {
    min = max = p;
    empty = false;
    return;
  }
  for (std::size_t c = 0; c < 2; ++c) {
    min[c] = std::min(min[c], p[c]);
    max[c] = std::max(max[c], p[c]);
  }
}

void csSvg::AddLayer(const std::string& name) {
  const bool known = std::any_of(layers_.begin(), layers_.end(),
                                 [&](const stLayer& layer) { return layer.name == name; });
  if (!known) layers_.push_back({name, {}});
}

void csSvg::SetLayer(const std::string& name) {
  layerName_ = name;
  layerSet_ = false;
}

void csSvg::SetColor(int code) {
  colour_ = (code >= 0 && code <= 5) ? code + 1 : 7;
}

void csSvg::SetAlign(int code) {
  alignment_ = code;
}

void csSvg::SetLineType(int code) {
  lineType_ = code >= 1 && code <= 3 ? code : 0;
}

void csSvg::NoOperation(std::uint32_t, std::uint32_t) {}

void csSvg::SetRotation(double degrees) {
  rotation_ = degrees;
}

void csSvg::SetTextHeight(double height) {
  textHeight_ = height;
}

void csSvg::MoveTo(double x, double y, double) {
  pen_ = {x, y};
}

// A line that starts where the last strip of the layer ends, in the same colour and line
// type, extends that strip.
void csSvg::LineTo(double x, double y, double) {
  const Point end{x, y};
  Check(pen_);
  Check(end);
  std::vector<stEntity>& entities = CurrentLayer().entities;
  if (!entities.empty()) {
    stEntity& last = entities.back();
    if (last.kind == stEntity::Kind::kPolyline && last.colour == colour_ &&
        last.lineType == lineType_ && last.points.back() == pen_) {
      last.points.push_back(end);
      pen_ = end;
      return;
    }
  }
  stEntity strip{stEntity::Kind::kPolyline, {pen_, end}, colour_, lineType_, "", 0.0, 0.0, 4};
  entities.push_back(std::move(strip));
  pen_ = end;
}

void csSvg::Text(const std::string& text) {
  Check(pen_);
  Check(textHeight_);
  Check(rotation_);
  CurrentLayer().entities.push_back(
      {stEntity::Kind::kText, {pen_}, colour_, 0, text, textHeight_, rotation_, alignment_});
}

void csSvg::Circle(double radius) {
  Check(AnchoredCentre(radius, radius));
  Check(radius);
  CurrentLayer().entities.push_back({stEntity::Kind::kCircle,
                                     {AnchoredCentre(radius, radius)},
                                     colour_,
                                     lineType_,
                                     "",
                                     radius,
                                     0.0,
                                     4});
}

void csSvg::Cross(double width, double height) {
  const Point pen = pen_;
  const Point c = AnchoredCentre(width / 2.0, height / 2.0);
  MoveTo(c[0] - width / 2.0, c[1] - height / 2.0, 0.0);
  LineTo(c[0] + width / 2.0, c[1] + height / 2.0, 0.0);
  MoveTo(c[0] - width / 2.0, c[1] + height / 2.0, 0.0);
  LineTo(c[0] + width / 2.0, c[1] - height / 2.0, 0.0);
  pen_ = pen;
}

void csSvg::RectangleByCorners(double width, double height, double) {
  Rectangle(width, height);
}

void csSvg::Rectangle(double width, double height) {
  const Point c = AnchoredCentre(width / 2.0, height / 2.0);
  const double dx = width / 2.0;
  const double dy = height / 2.0;
  ClosedPath({{c[0] - dx, c[1] - dy},
              {c[0] - dx, c[1] + dy},
              {c[0] + dx, c[1] + dy},
              {c[0] + dx, c[1] - dy}});
}

std::string csSvg::Element() const {
  stBox box = Extent();
  if (box.empty) box = {{0.0, 0.0}, {1.0, 1.0}, false};
  double width = box.max[0] - box.min[0];
  double height = box.max[1] - box.min[1];
  const double margin = kMarginFraction * std::max({width, height, 1e-9});
  box.min = {box.min[0] - margin, box.min[1] - margin};
  width += 2.0 * margin;
  height += 2.0 * margin;
  const double pixelsPerUnit = kLargestPixels / std::max(width, height);
  const std::string viewBox = XmlNumber(box.min[0]) + " " + XmlNumber(-box.max[1] - margin) + " " +
                              XmlNumber(width) + " " + XmlNumber(height);
  std::ostringstream os;
  os << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
     << XmlNumber(std::max(1.0, width * pixelsPerUnit), 6) << "\" height=\""
     << XmlNumber(std::max(1.0, height * pixelsPerUnit), 6) << "\" viewBox=\"" << viewBox
     << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n";
  os << "<rect x=\"" << XmlNumber(box.min[0]) << "\" y=\"" << XmlNumber(-box.max[1] - margin)
     << "\" width=\"" << XmlNumber(width) << "\" height=\"" << XmlNumber(height)
     << "\" fill=\"#ffffff\"/>\n";
  const double strokeWidth = kStrokePixels / pixelsPerUnit;
  for (const stLayer& layer : layers_) {
    os << "<g id=\"layer-" << XmlEscaped(layer.name) << "\" fill=\"none\" stroke-width=\""
       << XmlNumber(strokeWidth, 6) << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const stEntity& e : layer.entities) WriteEntity(os, e, strokeWidth);
    os << "</g>\n";
  }
  os << "</svg>\n";
  return os.str();
}

void csSvg::Write(std::ostream& stream) const {
  stream << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" << Element();
}

csSvg::stLayer& csSvg::CurrentLayer() {
  if (!layerSet_) {
    AddLayer(layerName_);
    const auto found = std::find_if(layers_.begin(), layers_.end(),
                                    [&](const stLayer& layer) { return layer.name == layerName_; });
    layer_ = static_cast<std::size_t>(found - layers_.begin());
    layerSet_ = true;
  }
  return layers_[layer_];
}

// The centre of a box whose side or corner named by the alignment code touches the pen.
csSvg::Point csSvg::AnchoredCentre(double halfWidth, double halfHeight) const {
  Point centre = pen_;
  if (IsLeftColumn(alignment_)) centre[0] += halfWidth;
  if (IsRightColumn(alignment_)) centre[0] -= halfWidth;
  if (IsTopRow(alignment_)) centre[1] -= halfHeight;
  if (IsBottomRow(alignment_)) centre[1] += halfHeight;
  return centre;
}

void csSvg::ClosedPath(const std::vector<Point>& corners) {
  const Point pen = pen_;
  pen_ = corners.back();
  for (const Point& p : corners) LineTo(p[0], p[1], 0.0);
  pen_ = pen;
}

// Every point drawn, circles whole, and each text's box estimated from its length.
csSvg::stBox csSvg::Extent() const {
  stBox box;
  for (const stLayer& layer : layers_) {
    for (const stEntity& e : layer.entities) {
      const Point& p = e.points.front();
      if (e.kind == stEntity::Kind::kPolyline) {
        for (const Point& q : e.points) box.Add(q);
      } else if (e.kind == stEntity::Kind::kCircle) {
        box.Add({p[0] - e.size, p[1] - e.size});
        box.Add({p[0] + e.size, p[1] + e.size});
      } else {
        const double length =
            kCharacterWidth * e.size * static_cast<double>(CharacterCount(e.text));
        const double left = IsLeftColumn(e.alignment)    ? 0.0
                            : IsRightColumn(e.alignment) ? -length
                                                         : -length / 2.0;
        const double bottom = -BaselineDrop(e.alignment) * e.size - 0.3 * e.size;
        const double angle = e.rotation * std::numbers::pi / 180.0;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        for (const double u : {left, left + length}) {
          for (const double v : {bottom, bottom + 1.3 * e.size}) {
            box.Add({p[0] + u * c - v * s, p[1] + u * s + v * c});
          }
        }
      }
    }
  }
  return box;
}

void csSvg::WriteEntity(std::ostream& os, const stEntity& e, double strokeWidth) const {
  const char* colour = kColours[std::clamp(e.colour, 1, 7) - 1];
  std::string dash;
  if (e.lineType != 0) {
    const double unit = strokeWidth / kStrokePixels;
    const double dot = e.lineType == 2 ? strokeWidth : kDashPixels * unit;
    dash =
        " stroke-dasharray=\"" + XmlNumber(dot, 6) + " " + XmlNumber(kGapPixels * unit, 6) + "\"";
  }
  const Point& p = e.points.front();
  switch (e.kind) {
    case stEntity::Kind::kPolyline: {
      os << "<polyline points=\"";
      for (std::size_t k = 0; k < e.points.size(); ++k) {
        os << (k == 0 ? "" : " ") << Coordinates(e.points[k]);
      }
      os << "\" stroke=\"" << colour << "\"" << dash << "/>\n";
      break;
    }
    case stEntity::Kind::kCircle:
      os << "<circle cx=\"" << XmlNumber(p[0]) << "\" cy=\"" << XmlNumber(-p[1]) << "\" r=\""
         << XmlNumber(e.size) << "\" stroke=\"" << colour << "\"" << dash << "/>\n";
      break;
    case stEntity::Kind::kText: {
      const std::string x = XmlNumber(p[0]);
      const std::string y = XmlNumber(-p[1]);
      os << "<text x=\"" << x << "\" y=\"" << XmlNumber(-p[1] + BaselineDrop(e.alignment) * e.size)
         << "\" font-size=\"" << XmlNumber(kFontSizePerHeight * e.size, 6) << "\" fill=\"" << colour
         << "\" text-anchor=\"" << Anchor(e.alignment) << "\"";
      if (e.rotation != 0.0) {
        os << " transform=\"rotate(" << XmlNumber(-e.rotation) << " " << x << " " << y << ")\"";
      }
      os << ">" << XmlEscaped(e.text) << "</text>\n";
      break;
    }
  }
}

}  // namespace znDraw
