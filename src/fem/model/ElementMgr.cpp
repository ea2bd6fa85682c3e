#include "fem/model/ElementMgr.h"

#include <utility>

namespace znFEM::znTraceYield2DRahmen {

csElementMgr::csElementMgr(const znMatrixMaker::ifMatrixMaker2DRahmen& maker,
                           csElement::ifLogger* logger)
    : maker_(maker), logger_(logger) {}

std::string_view csElementMgr::IDOf::operator()(std::size_t position) const {
  return elements[position]->GetProp().ID;
}

ifElement* csElementMgr::MakeElement(ElementProp prop) {
  if (byID_.Find(prop.ID, IDOf{elements_}) != csIDIndex::kNone) {
    throw exItIsMakingDuplicatedElement{prop.ID};
  }
  csElement& element = owned_.Emplace(maker_, logger_);
  try {
    element.SetProp(std::move(prop));
  } catch (...) {
    owned_.PopBack();
    throw;
  }
  elements_.push_back(&element);
  byID_.Add(elements_.size() - 1, IDOf{elements_});
  return &element;
}

ifElement* csElementMgr::GetElement(const std::string& id) const {
  const std::size_t found = byID_.Find(id, IDOf{elements_});
  if (found == csIDIndex::kNone) throw exSpecifiedElementIsnotExist{id};
  return elements_[found];
}

void csElementMgr::Reserve(std::size_t count) {
  elements_.reserve(elements_.size() + count);
  byID_.Reserve(elements_.size() + count, elements_.size(), IDOf{elements_});
  if (logger_) logger_->Reserve(count);
}

const std::vector<ifElement*>& csElementMgr::GetElements() const {
  return elements_;
}

}  // namespace znFEM::znTraceYield2DRahmen
