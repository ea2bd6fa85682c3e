#include "fem/model/NodeMgr.h"

#include <utility>

namespace znFEM::znTraceYield2DRahmen {

csNodeMgr::csNodeMgr(csNode::ifLogger* logger) : logger_(logger) {}

std::string_view csNodeMgr::IDOf::operator()(std::size_t position) const {
  return nodes[position]->GetProp().ID;
}

ifNode* csNodeMgr::MakeNode(NodeProp prop) {
  if (byID_.Find(prop.ID, IDOf{nodes_}) != csIDIndex::kNone) {
    throw exItIsMakingDuplicatedNode{prop.ID};
  }
  csNode& node = owned_.Emplace(logger_);
  try {
    node.SetProp(std::move(prop));
  } catch (...) {
    owned_.PopBack();
    throw;
  }
  nodes_.push_back(&node);
  byID_.Add(nodes_.size() - 1, IDOf{nodes_});
  return &node;
}

ifNode* csNodeMgr::GetNode(const std::string& id) const {
  const std::size_t found = byID_.Find(id, IDOf{nodes_});
  if (found == csIDIndex::kNone) throw exSpecifiedNodeIsnotExist{id};
  return nodes_[found];
}

void csNodeMgr::Reserve(std::size_t count) {
  nodes_.reserve(nodes_.size() + count);
  byID_.Reserve(nodes_.size() + count, nodes_.size(), IDOf{nodes_});
  if (logger_) logger_->Reserve(count);
}

const std::vector<ifNode*>& csNodeMgr::GetNodes() const {
  return nodes_;
}

}  // namespace znFEM::znTraceYield2DRahmen
