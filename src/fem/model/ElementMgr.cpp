#include "fem/model/ElementMgr.h"

#include <utility>

namespace znFEM::znTraceYield2DRahmen {

csElementMgr::csElementMgr(const znMatrixMaker::ifMatrixMaker2DRahmen& maker,
                           csElement::ifLogger* logger)
    : maker_(maker), logger_(logger) {}

ifElement* csElementMgr::MakeElement(ElementProp prop) {
  if (byID_.count(prop.ID) != 0) throw exItIsMakingDuplicatedElement{prop.ID};
  csElement& element = owned_.Emplace(maker_, logger_);
  try {
    element.SetProp(std::move(prop));
  } catch (...) {
    owned_.PopBack();
    throw;
  }
  ifElement* made = &element;
  elements_.push_back(made);
  byID_.emplace(made->GetProp().ID, made);
  return made;
}

ifElement* csElementMgr::GetElement(const std::string& id) const {
  const auto it = byID_.find(id);
  if (it == byID_.end()) throw exSpecifiedElementIsnotExist{id};
  return it->second;
}

void csElementMgr::Reserve(std::size_t count) {
  elements_.reserve(elements_.size() + count);
  byID_.reserve(byID_.size() + count);
  if (logger_) logger_->Reserve(count);
}

const std::vector<ifElement*>& csElementMgr::GetElements() const {
  return elements_;
}

}  // namespace znFEM::znTraceYield2DRahmen
