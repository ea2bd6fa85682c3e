// Creates the nodes from their records, owns them in creation order and finds them by ID.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fem/model/BlockStore.h"
#include "fem/model/IDIndex.h"
#include "fem/model/Node.h"

namespace znFEM::znTraceYield2DRahmen {

class csNodeMgr {
 public:
  struct exItIsMakingDuplicatedNode {
    std::string ID;
  };
  struct exSpecifiedNodeIsnotExist {
    std::string ID;
  };

  // The logger is handed to every node made; it is not owned.
  explicit csNodeMgr(csNode::ifLogger* logger);
  csNodeMgr(const csNodeMgr&) = delete;
  csNodeMgr& operator=(const csNodeMgr&) = delete;

  // The node keeps the record. A node whose record is rejected is not kept.
  ifNode* MakeNode(NodeProp prop);
  ifNode* GetNode(const std::string& id) const;
  // Makes room for count more nodes, here and in the logger.
  void Reserve(std::size_t count);
  // In creation order: the step solver numbers the degrees of freedom by this position.
  const std::vector<ifNode*>& GetNodes() const;

 private:
  // The ID of the object at a position of the list, for the index.
  struct IDOf {
    const std::vector<ifNode*>& nodes;
    std::string_view operator()(std::size_t position) const;
  };

  csNode::ifLogger* logger_;
  csBlockStore<csNode> owned_;
  std::vector<ifNode*> nodes_;
  csIDIndex byID_;  // over the positions in nodes_
};

}  // namespace znFEM::znTraceYield2DRahmen
