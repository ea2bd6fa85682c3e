#include "fem/app/input/NodeReader.h"

#include <iterator>
#include <utility>

#include "fem/app/input/Failed.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::NodeProp;

const char* const kBlock = "Node";

}  // namespace

csNodeReader::csNodeReader(ifErrorMessage& errorMessage, const csCheckID& checkID)
    : errorMessage_(errorMessage), checkID_(checkID) {}

void csNodeReader::Read(W& wrapper, std::vector<NodeProp>& nodes) const {
  wrapper.DeclareBlock(kBlock, {{"id", true, W::kText},
                                {"x", true, W::kReal},
                                {"y", true, W::kReal},
                                {"sptx", false, W::kBool},
                                {"spty", false, W::kBool},
                                {"sptm", false, W::kBool}});
  const std::size_t first = nodes.size();
  wrapper.ReadRecords(nodes, [this](const W::InputLine& line) { return Build(line); });
  csCheckID::KeepUnrepeated(nodes, first, &NodeProp::ID, errorMessage_,
                            &ifErrorMessage::SpecifiedNodeIsDuplicated);
}

NodeProp csNodeReader::Build(const W::InputLine& line) const {
  NodeProp prop;
  prop.ID = W::GetText(line, "id");
  checkID_.Check(prop.ID, kBlock, line.LineNum);
  prop.Coordinate = {W::GetReal(line, "x", 0.0), W::GetReal(line, "y", 0.0)};
  prop.IsSupported = {W::GetTruth(line, "sptx", false), W::GetTruth(line, "spty", false),
                      W::GetTruth(line, "sptm", false)};
  prop.Myp = znTraceYield2DRahmen::kUnbounded;  // no panel capacity from the input
  return prop;
}

}  // namespace znFEM::znTarvex
