// Creates the frame elements from their records, owns them in creation order and finds them
// by ID.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fem/model/BlockStore.h"
#include "fem/model/Element.h"
#include "fem/model/IDIndex.h"

namespace znFEM::znTraceYield2DRahmen {

class csElementMgr {
 public:
  struct exItIsMakingDuplicatedElement {
    std::string ID;
  };
  struct exSpecifiedElementIsnotExist {
    std::string ID;
  };

  // The maker and the logger (may be null) are handed to every element; neither is owned.
  csElementMgr(const znMatrixMaker::ifMatrixMaker2DRahmen& maker, csElement::ifLogger* logger);
  csElementMgr(const csElementMgr&) = delete;
  csElementMgr& operator=(const csElementMgr&) = delete;

  // The record's nodes must be set; the element keeps the record. An element whose record is
  // rejected is not kept.
  ifElement* MakeElement(ElementProp prop);
  ifElement* GetElement(const std::string& id) const;
  // Makes room for count more elements, here and in the logger.
  void Reserve(std::size_t count);
  // In creation order.
  const std::vector<ifElement*>& GetElements() const;

 private:
  // The ID of the object at a position of the list, for the index.
  struct IDOf {
    const std::vector<ifElement*>& elements;
    std::string_view operator()(std::size_t position) const;
  };

  const znMatrixMaker::ifMatrixMaker2DRahmen& maker_;
  csElement::ifLogger* logger_;
  csBlockStore<csElement> owned_;
  std::vector<ifElement*> elements_;
  csIDIndex byID_;  // over the positions in elements_
};

}  // namespace znFEM::znTraceYield2DRahmen
