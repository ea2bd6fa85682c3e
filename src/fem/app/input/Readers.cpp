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
      {"LoadCase", false},
  };
  return blocks;
}

}  // namespace

std::uint32_t csReaders::CaseCount() const {
  return static_cast<std::uint32_t>(limits_.Steps.size());
}

csReaders::csReaders(ifErrorMessage& errorMessage)
    : errorMessage_(errorMessage),
      checkID_(errorMessage),
      nodeReader_(errorMessage, checkID_),
      elementReader_(errorMessage, checkID_),
      wallElementReader_(errorMessage, checkID_),
      springSupportReader_(errorMessage),
      imposedLoadAndDispReader_(errorMessage),
      edgeLoadFixCaseReader_(errorMessage),
      elementStressReader_(errorMessage) {
  limits_.Steps = {csLoadCaseReader::kDefaultMaxSteps};
  limits_.Ratios = {csLoadCaseReader::kDefaultRatio};
}

void csReaders::Read(W& wrapper) {
  wrapper.CheckBlocks(Blocks());
  ReadMainProp(wrapper);
  tracedByKeys_ = loadCaseReader_.Read(wrapper, limits_) || tracedByKeys_;
  ReadDxfProp(wrapper);
}

bool csReaders::IsTraced(const stModelRecords& records) const {
  const auto bounded = [](const model::PerEnd<model::Limits>& limits) {
    return limits != model::PerEnd<model::Limits>{model::kUnbounded, model::kUnbounded};
  };
  for (const model::ElementProp& element : records.elements) {
    if (bounded(element.Ny) || bounded(element.Qy) || bounded(element.My)) return true;
  }
  return tracedByKeys_;
}

std::optional<double> csReaders::GetBalanceZero() const {
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
  imposedLoadAndDispReader_.Read(wrapper, CaseCount(), records);
}

void csReaders::ReadEdgeLoadFixCases(
    W& wrapper, std::vector<model::EdgeLoadDirectInputProp>& directInput,
    std::vector<model::EdgeLoadConcentratedProp>& concentrated,
    std::vector<model::EdgeLoadDistributedProp>& distributed) const {
  edgeLoadFixCaseReader_.Read(wrapper, CaseCount(), directInput, concentrated, distributed);
}

void csReaders::ReadElementStresses(W& wrapper,
                                    std::vector<model::ElementStressProp>& records) const {
  elementStressReader_.Read(wrapper, records);
}

// At most one statement; a block without statements reads as one statement without keys.
void csReaders::ReadMainProp(W& wrapper) {
  wrapper.DeclareBlock("MainProp", {{"balance_zero", false, W::kRealNotNegative},
                                    {"max_disp", false, W::kRealPositive},
                                    {"max_rot_angle", false, W::kRealPositive},
                                    {"max_add_disp", false, W::kRealPositive},
                                    {"max_add_rot_angle", false, W::kRealPositive},
                                    {"monitor", false, W::kText},
                                    {"monitor_dir", false, W::kText}});
  const W::Block& block = wrapper.ReadBlock();
  if (block.size() > 1) {
    errorMessage_.MainPropLineIsDuplicated(static_cast<unsigned>(block[0].LineNum),
                                           static_cast<unsigned>(block[1].LineNum));
    throw exFailed{};
  }
  if (block.empty()) return;
  const W::InputLine& line = block[0];
  if (W::HasKey(line, "balance_zero")) balanceZero_ = W::GetReal(line, "balance_zero", 0.0);
  limits_.MaxDisp = W::GetReal(line, "max_disp", model::kInfinite);
  limits_.MaxRotAngle = W::GetReal(line, "max_rot_angle", model::kInfinite);
  limits_.MaxAddDisp = W::GetReal(line, "max_add_disp", model::kInfinite);
  limits_.MaxAddRotAngle = W::GetReal(line, "max_add_rot_angle", model::kInfinite);
  ReadMonitor(line);
  for (const char* key : {"max_disp", "max_rot_angle", "max_add_disp", "max_add_rot_angle",
                          "monitor", "monitor_dir"}) {
    tracedByKeys_ = tracedByKeys_ || W::HasKey(line, key);
  }
}

// monitor_dir is x, y or m (default x).
void csReaders::ReadMonitor(const W::InputLine& line) {
  monitor_.NodeID = W::GetText(line, "monitor");
  const std::string direction =
      W::HasKey(line, "monitor_dir") ? W::GetText(line, "monitor_dir") : "x";
  const char* const names[] = {"x", "y", "m"};
  for (std::uint32_t d = 0; d < 3; ++d) {
    if (direction == names[d]) {
      monitor_.Direction = d;
      return;
    }
  }
  errorMessage_.SpecifiedDirectionStrIsWrong(static_cast<unsigned>(line.LineNum), "monitor_dir");
  throw exFailed{};
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
  const W::Block& block = wrapper.ReadBlock();
  if (block.empty()) return;
  const W::InputLine& line = block.front();
  znDraw::DxfProp& d = dxfProp_;
  d.height_str = W::GetReal(line, "height_str", d.height_str);
  d.rad_hinge = W::GetReal(line, "rad_hinge", d.rad_hinge);
  d.margin_ratio_x = W::GetReal(line, "margin_ratio_x", 0.5);
  d.margin_ratio_y = W::GetReal(line, "margin_ratio_y", 0.5);
  d.distsep = W::GetInteger(line, "distsep", 10);
  if (d.distsep > znDraw::DxfProp::kMaxDistsep) {
    errorMessage_.SpecifiedValueIsOverTheLimit(static_cast<unsigned>(line.LineNum), "distsep",
                                               znDraw::DxfProp::kMaxDistsep);
    throw exFailed{};
  }
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
