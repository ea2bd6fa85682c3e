// Creates the ground node and the spring element of every spring support, owns them in
// creation order and finds them by ID.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fem/makers/MatrixMaker2DRahmen.h"
#include "fem/model/Element.h"
#include "fem/model/Node.h"
#include "fem/model/SpringSupportElement.h"
#include "fem/model/SpringSupportNode.h"
#include "fem/model/SpringSupportProp.h"

namespace znFEM::znTraceYield2DRahmen {

class csSpringSupportMgr {
 public:
  struct exItIsMakingDuplicatedNode {
    std::string ID;  // SpringNodeID
  };
  struct exItIsMakingDuplicatedElement {
    std::string ID;  // ElementID
  };
  struct exSpecifiedNodeIsnotExist {
    std::string ID;
  };
  struct exSpecifiedElementIsnotExist {
    std::string ID;
  };

  // The matrix maker builds the spring stiffness; it is not owned.
  explicit csSpringSupportMgr(const znMatrixMaker::ifMatrixMaker2DRahmen& maker);
  csSpringSupportMgr(const csSpringSupportMgr&) = delete;
  csSpringSupportMgr& operator=(const csSpringSupportMgr&) = delete;

  // Loggers handed to the nodes and elements made afterwards; either may be null.
  void SetNodeLogger(csSpringSupportNode::ifLogger* logger);
  void SetElementLogger(csSpringSupportElement::ifLogger* logger);

  // prop.ConnectNode must be set. Makes the ground node, then the spring element.
  void MakeSpringSupport(const SpringSupportProp& prop);

  ifNode* GetNode(const std::string& id) const;
  ifElement* GetElement(const std::string& id) const;
  // In creation order: the step solver numbers them after the ordinary nodes and elements.
  const std::vector<ifNode*>& GetNodes() const;
  const std::vector<ifElement*>& GetElements() const;

 private:
  const znMatrixMaker::ifMatrixMaker2DRahmen& maker_;
  csSpringSupportNode::ifLogger* nodeLogger_ = nullptr;
  csSpringSupportElement::ifLogger* elementLogger_ = nullptr;
  std::vector<std::unique_ptr<csSpringSupportNode>> ownedNodes_;
  std::vector<std::unique_ptr<csSpringSupportElement>> ownedElements_;
  std::vector<ifNode*> nodes_;
  std::vector<ifElement*> elements_;
  std::map<std::string, csSpringSupportNode*> nodeByID_;
  std::map<std::string, csSpringSupportElement*> elementByID_;
};

}  // namespace znFEM::znTraceYield2DRahmen
