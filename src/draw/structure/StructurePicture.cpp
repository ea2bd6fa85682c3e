#include "draw/structure/StructurePicture.h"

#include "draw/structure/GeometryOnlyDraw.h"
#include "draw/svg/Svg.h"

namespace znDraw {

bool csSvgPicture::Draw(const DxfProp& prop, const StructureRecords& records,
                        const std::vector<StructureState>& states, bool resultsAvailable,
                        const PushoverHistory* pushover) {
  csSvg svg;
  DrawOptions options;
  options.picture = true;
  options.pushover = pushover;
  if (resultsAvailable) {
    DrawStructure(svg, prop, records, states, options);
  } else {
    znFEM::znTarvex::csGeometryOnlyDraw geometry(svg);
    DrawStructure(geometry, prop, records, states, options);
  }
  element_.clear();
  if (!svg.IsFinite()) return false;
  element_ = svg.Element();
  return true;
}

std::string csSvgPicture::File() const {
  if (element_.empty()) return "";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + element_;
}

}  // namespace znDraw
