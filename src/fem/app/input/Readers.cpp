#include "fem/app/input/Readers.h"

#include "fem/app/input/Failed.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
namespace model = znFEM::znTraceYield2DRahmen;

// Every block of the input, with whether it must occur.
const W::BlockList& Blocks() {
  static const W::BlockList blocks = {
      {"MainProp", true},
      {"Node", true},
      {"Element", true},
      {"End", true},
      {"WallElement", false},
      {"SpringSupport", false},
      {"ImposedLoadAndDisp", false},
      {"EdgeLoadFixCaseDirectInput", false},
      {"EdgeLoadFixCaseConcentratedLoad", false},
      {"EdgeLoadFixCaseDistributedLoad", false},
      {"ElementStress", false},
      {"DxfProp", false},
  };
  return blocks;
}

}  // namespace

csReaders::csReaders(ifErrorMessage& errorMessage)
    : errorMessage_(errorMessage),
      checkID_(errorMessage),
      nodeReader_(errorMessage, checkID_),
      elementReader_(errorMessage, checkID_),
      wallElementReader_(errorMessage, checkID_),
      springSupportReader_(errorMessage),
      elementStressReader_(errorMessage) {}

void csReaders::Read(W& wrapper) {
  wrapper.CheckBlocks(Blocks());
  ReadMainProp(wrapper);
  ReadDxfProp(wrapper);
}

double csReaders::GetBalanceZero() const {
  return balanceZero_;
}

const znDraw::DxfProp& csReaders::GetDxfProp() const {
  return dxfProp_;
}

void csReaders::ReadNodes(W& wrapper, std::vector<model::NodeProp>& nodes) const {
  nodeReader_.Read(wrapper, nodes);
}

void csReaders::ReadElements(W& wrapper, std::vector<model::ElementProp>& elements) const {
  elementReader_.Read(wrapper, elements);
}

void csReaders::ReadWallElements(W& wrapper,
                                 std::vector<model::WallElementProp>& wallElements) const {
  wallElementReader_.Read(wrapper, wallElements);
}

void csReaders::ReadSpringSupports(W& wrapper,
                                   std::vector<model::SpringSupportProp>& springSupports) const {
  springSupportReader_.Read(wrapper, springSupports);
}

void csReaders::ReadImposedLoadAndDisps(W& wrapper,
                                        std::vector<model::ImposedLoadAndDispProp>& records) const {
  imposedLoadAndDispReader_.Read(wrapper, records);
}

void csReaders::ReadEdgeLoadFixCases(
    W& wrapper, std::vector<model::EdgeLoadDirectInputProp>& directInput,
    std::vector<model::EdgeLoadConcentratedProp>& concentrated,
    std::vector<model::EdgeLoadDistributedProp>& distributed) const {
  edgeLoadFixCaseReader_.Read(wrapper, directInput, concentrated, distributed);
}

void csReaders::ReadElementStresses(W& wrapper,
                                    std::vector<model::ElementStressProp>& records) const {
  elementStressReader_.Read(wrapper, records);
}

// At most one statement; a block without statements reads as one statement without keys.
void csReaders::ReadMainProp(W& wrapper) {
  wrapper.DeclareBlock("MainProp", {{"balance_zero", false, W::kRealNotNegative}});
  const W::Block block = wrapper.ReadBlock();
  if (block.size() > 1) {
    errorMessage_.MainPropLineIsDuplicated(static_cast<unsigned>(block[0].LineNum),
                                           static_cast<unsigned>(block[1].LineNum));
    throw exFailed{};
  }
  balanceZero_ = block.empty() ? 1.0 : W::GetReal(block[0], "balance_zero", 1.0);
}

// Only the first statement sets the drawing; every statement of the block is still checked.
// Within a statement, the diagram scales keep their values when absent, while the other
// optional settings take the defaults of a DxfProp statement.
void csReaders::ReadDxfProp(W& wrapper) {
  wrapper.DeclareBlock("DxfProp", {{"height_str", true, W::kRealPositive},
                                   {"rad_hinge", true, W::kRealPositive},
                                   {"margin_ratio_x", false, W::kRealPositive},
                                   {"margin_ratio_y", false, W::kRealPositive},
                                   {"distsep", false, W::kIntegerPositive},
                                   {"axial_ratio", false, W::kRealPositive},
                                   {"shear_ratio", false, W::kRealPositive},
                                   {"moment_ratio", false, W::kRealPositive},
                                   {"disp_ratio", false, W::kRealPositive},
                                   {"welem_ofs", false, W::kRealPositive},
                                   {"row_n", false, W::kIntegerPositive}});
  const W::Block block = wrapper.ReadBlock();
  if (block.empty()) return;
  const W::InputLine& line = block.front();
  znDraw::DxfProp& d = dxfProp_;
  d.height_str = W::GetReal(line, "height_str", d.height_str);
  d.rad_hinge = W::GetReal(line, "rad_hinge", d.rad_hinge);
  d.margin_ratio_x = W::GetReal(line, "margin_ratio_x", 0.5);
  d.margin_ratio_y = W::GetReal(line, "margin_ratio_y", 0.5);
  d.distsep = W::GetInteger(line, "distsep", 10);
  d.axial_ratio = W::GetReal(line, "axial_ratio", d.axial_ratio);
  d.shear_ratio = W::GetReal(line, "shear_ratio", d.shear_ratio);
  d.moment_ratio = W::GetReal(line, "moment_ratio", d.moment_ratio);
  d.disp_ratio = W::GetReal(line, "disp_ratio", d.disp_ratio);
  d.welem_ofs = W::GetReal(line, "welem_ofs", 100.0);
  d.row_n = W::GetInteger(line, "row_n", 5);
  for (const char* key :
       {"height_str", "rad_hinge", "margin_ratio_x", "margin_ratio_y", "distsep", "axial_ratio",
        "shear_ratio", "moment_ratio", "disp_ratio", "welem_ofs", "row_n"}) {
    if (W::HasKey(line, key)) d.given.insert(key);
  }
}

void csReaders::ReadModelBlocks(csInputDataReaderWrapper& wrapper, stModelRecords& records) const {
  ReadNodes(wrapper, records.nodes);
  ReadElements(wrapper, records.elements);
  ReadWallElements(wrapper, records.wallElements);
  ReadSpringSupports(wrapper, records.springSupports);
  ReadImposedLoadAndDisps(wrapper, records.imposedLoads);
  ReadEdgeLoadFixCases(wrapper, records.directInputs, records.concentratedLoads,
                       records.distributedLoads);
}

}  // namespace znFEM::znTarvex
