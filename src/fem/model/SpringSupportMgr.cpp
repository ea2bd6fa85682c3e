#include "fem/model/SpringSupportMgr.h"

namespace znFEM::znTraceYield2DRahmen {

csSpringSupportMgr::csSpringSupportMgr(const znMatrixMaker::ifMatrixMaker2DRahmen& maker)
    : maker_(maker) {}

void csSpringSupportMgr::SetNodeLogger(csSpringSupportNode::ifLogger* logger) {
  nodeLogger_ = logger;
}

void csSpringSupportMgr::SetElementLogger(csSpringSupportElement::ifLogger* logger) {
  elementLogger_ = logger;
}

void csSpringSupportMgr::MakeSpringSupport(const SpringSupportProp& prop) {
  if (nodeByID_.count(prop.SpringNodeID) != 0) throw exItIsMakingDuplicatedNode{prop.SpringNodeID};
  SpringSupportNodeProp nodeProp;
  nodeProp.ID = prop.SpringNodeID;
  nodeProp.ConnectNodeID = prop.ConnectNode->GetProp().ID;
  nodeProp.ImposedDisp = prop.ImposedDisp;
  ownedNodes_.push_back(std::make_unique<csSpringSupportNode>(nodeProp, nodeLogger_));
  csSpringSupportNode* node = ownedNodes_.back().get();
  nodes_.push_back(node);
  nodeByID_[nodeProp.ID] = node;

  if (elementByID_.count(prop.ElementID) != 0) throw exItIsMakingDuplicatedElement{prop.ElementID};
  SpringSupportElementProp elementProp;
  elementProp.ElementID = prop.ElementID;
  elementProp.Nodes = {node, prop.ConnectNode};
  // docs/theory.md "Spring supports".
  elementProp.K = maker_.MakeSpringStiffness(
      znMatrix::Vector{prop.SpringCoef[0], prop.SpringCoef[1], prop.SpringCoef[2]});
  elementProp.SpringCoef = prop.SpringCoef;
  ownedElements_.push_back(std::make_unique<csSpringSupportElement>(elementProp, elementLogger_));
  csSpringSupportElement* element = ownedElements_.back().get();
  elements_.push_back(element);
  elementByID_[elementProp.ElementID] = element;
}

ifNode* csSpringSupportMgr::GetNode(const std::string& id) const {
  const auto it = nodeByID_.find(id);
  if (it == nodeByID_.end()) throw exSpecifiedNodeIsnotExist{id};
  return it->second;
}

ifElement* csSpringSupportMgr::GetElement(const std::string& id) const {
  const auto it = elementByID_.find(id);
  if (it == elementByID_.end()) throw exSpecifiedElementIsnotExist{id};
  return it->second;
}

const std::vector<ifNode*>& csSpringSupportMgr::GetNodes() const {
  return nodes_;
}

const std::vector<ifElement*>& csSpringSupportMgr::GetElements() const {
  return elements_;
}

}  // namespace znFEM::znTraceYield2DRahmen
