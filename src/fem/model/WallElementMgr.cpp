#include "fem/model/WallElementMgr.h"

namespace znFEM::znTraceYield2DRahmen {

csWallElementMgr::csWallElementMgr(const znMatrixMaker::ifMatrixMaker2DWallElement* maker,
                                   csWallElement::ifLogger* logger)
    : maker_(maker), logger_(logger) {}

ifWallElement* csWallElementMgr::MakeWallElement(const WallElementProp& prop) {
  if (byID_.count(prop.ID) != 0) throw exItIsMakingDuplicatedWallElement{prop.ID};
  auto wall = std::make_unique<csWallElement>(logger_, maker_);
  wall->SetProp(prop);
  ifWallElement* made = wall.get();
  owned_.push_back(std::move(wall));
  walls_.push_back(made);
  byID_.emplace(prop.ID, made);
  return made;
}

ifWallElement* csWallElementMgr::GetWallElement(const std::string& id) const {
  const auto it = byID_.find(id);
  if (it == byID_.end()) throw exSpecifiedWallElementIsnotExist{id};
  return it->second;
}

const std::vector<ifWallElement*>& csWallElementMgr::GetWallElements() const {
  return walls_;
}

}  // namespace znFEM::znTraceYield2DRahmen
