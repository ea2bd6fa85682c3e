// Creates the wall elements from their records, owns them in creation order and finds them
// by ID.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DWallElement.h"
#include "fem/model/WallElement.h"

namespace znFEM::znTraceYield2DRahmen {

class csWallElementMgr {
 public:
  struct exItIsMakingDuplicatedWallElement {
    std::string ID;
  };
  struct exSpecifiedWallElementIsnotExist {
    std::string ID;
  };

  // The maker and the logger are handed to every wall made; neither is owned.
  csWallElementMgr(const znMatrixMaker::ifMatrixMaker2DWallElement* maker,
                   csWallElement::ifLogger* logger);
  csWallElementMgr(const csWallElementMgr&) = delete;
  csWallElementMgr& operator=(const csWallElementMgr&) = delete;

  // A wall whose record is rejected does not enter the manager.
  ifWallElement* MakeWallElement(const WallElementProp& prop);
  ifWallElement* GetWallElement(const std::string& id) const;
  // In creation order.
  const std::vector<ifWallElement*>& GetWallElements() const;

 private:
  const znMatrixMaker::ifMatrixMaker2DWallElement* maker_;
  csWallElement::ifLogger* logger_;
  std::vector<std::unique_ptr<csWallElement>> owned_;
  std::vector<ifWallElement*> walls_;
  std::map<std::string, ifWallElement*> byID_;
};

}  // namespace znFEM::znTraceYield2DRahmen
