// Pictures of the structure drawn besides the DXF file: each is handed the drawing settings,
// the model and its states once the run is over.
#pragma once

#include <string>
#include <vector>

#include "draw/structure/DxfProp.h"
#include "draw/structure/StructureDrawing.h"

namespace znDraw {

class ifStructurePicture {
 public:
  virtual ~ifStructurePicture() = default;
  // Without results the run ended early: the geometry is drawn alone, as in the DXF file. A
  // pushover run hands its history (null otherwise). Returns whether every coordinate drawn is
  // finite; a picture that is not keeps nothing.
  virtual bool Draw(const DxfProp& prop, const StructureRecords& records,
                    const std::vector<StructureState>& states, bool resultsAvailable,
                    const PushoverHistory* pushover) = 0;

 protected:
  ifStructurePicture() = default;
  ifStructurePicture(const ifStructurePicture&) = default;
  ifStructurePicture& operator=(const ifStructurePicture&) = default;
};

// The SVG picture, kept in memory: the structure drawing fitted to the structure, with its
// Displacement panel; for a pushover run, its hinges numbered and its capacity curve.
class csSvgPicture : public ifStructurePicture {
 public:
  bool Draw(const DxfProp& prop, const StructureRecords& records,
            const std::vector<StructureState>& states, bool resultsAvailable,
            const PushoverHistory* pushover) override;
  // The <svg> element; empty until drawn.
  const std::string& Element() const { return element_; }
  // The whole SVG file: the XML declaration and the element; empty until drawn.
  std::string File() const;

 private:
  std::string element_;
};

}  // namespace znDraw
