#include "fem/model/NodeMgr.h"

#include <utility>

namespace znFEM::znTraceYield2DRahmen {

csNodeMgr::csNodeMgr(csNode::ifLogger* logger) : logger_(logger) {}

ifNode* csNodeMgr::MakeNode(NodeProp prop) {
  if (byID_.count(prop.ID) != 0) throw exItIsMakingDuplicatedNode{prop.ID};
  csNode* node = &owned_.Emplace(logger_);
  nodes_.push_back(node);
  node->SetProp(std::move(prop));
  byID_.emplace(node->GetProp().ID, node);
  return node;
}

ifNode* csNodeMgr::GetNode(const std::string& id) const {
  const auto it = byID_.find(id);
  if (it == byID_.end()) throw exSpecifiedNodeIsnotExist{id};
  return it->second;
}

void csNodeMgr::Reserve(std::size_t count) {
  nodes_.reserve(nodes_.size() + count);
  byID_.reserve(byID_.size() + count);
  if (logger_) logger_->Reserve(count);
}

const std::vector<ifNode*>& csNodeMgr::GetNodes() const {
  return nodes_;
}

}  // namespace znFEM::znTraceYield2DRahmen
