#include "fem/app/input/EdgeLoadFixCaseReader.h"

#include <iterator>
#include <utility>

#include "fem/app/input/LoadCaseReader.h"

namespace znFEM::znTarvex {

namespace {

using W = csInputDataReaderWrapper;
using znTraceYield2DRahmen::EdgeLoadConcentratedProp;
using znTraceYield2DRahmen::EdgeLoadDirectInputProp;
using znTraceYield2DRahmen::EdgeLoadDistributedProp;

// The eighteen segment forces in record order: the (x, y, m) triples at the I and J ends of
// the I edge zone, of the middle part and of the J edge zone.
const char* const kDirectInputKeys[] = {"iix", "iiy", "iim", "ijx", "ijy", "ijm",
                                        "mix", "miy", "mim", "mjx", "mjy", "mjm",
                                        "jix", "jiy", "jim", "jjx", "jjy", "jjm"};
static_assert(std::size(kDirectInputKeys) ==
              std::tuple_size_v<znTraceYield2DRahmen::SegmentForces>);

}  // namespace

void csEdgeLoadFixCaseReader::Read(W& wrapper, std::uint32_t caseCount,
                                   std::vector<EdgeLoadDirectInputProp>& directInput,
                                   std::vector<EdgeLoadConcentratedProp>& concentrated,
                                   std::vector<EdgeLoadDistributedProp>& distributed) const {
  ReadDirectInput(wrapper, caseCount, directInput);
  ReadConcentrated(wrapper, caseCount, concentrated);
  ReadDistributed(wrapper, caseCount, distributed);
}

void csEdgeLoadFixCaseReader::ReadDirectInput(W& wrapper, std::uint32_t caseCount,
                                              std::vector<EdgeLoadDirectInputProp>& records) const {
  wrapper.SetBlockName("EdgeLoadFixCaseDirectInput");
  wrapper.ClearKeys();
  wrapper.SetKey("id", true, W::kText);
  for (const char* key : kDirectInputKeys) wrapper.SetKey(key, false, W::kReal);
  wrapper.SetKey("case", false, W::kIntegerNotNegative);
  records.reserve(records.size() + wrapper.CountStatements());
  wrapper.ReadBlock([&](const W::InputLine& line) {
    EdgeLoadDirectInputProp prop;
    prop.ID = W::GetText(line, "id");
    prop.LoadNumber = ReadCaseKey(line, caseCount, errorMessage_);
    for (std::size_t k = 0; k < prop.Forces.size(); ++k) {
      prop.Forces[k] = W::GetReal(line, kDirectInputKeys[k], 0.0);
    }
    records.push_back(std::move(prop));
  });
}

void csEdgeLoadFixCaseReader::ReadConcentrated(
    W& wrapper, std::uint32_t caseCount, std::vector<EdgeLoadConcentratedProp>& records) const {
  wrapper.DeclareBlock("EdgeLoadFixCaseConcentratedLoad",
                       {{"id", true, W::kText},
                        {"x", false, W::kReal},
                        {"y", false, W::kReal},
                        {"m", false, W::kReal},
                        {"pos", true, W::kRealPositive},
                        {"ecrd", false, W::kBool},
                        {"case", false, W::kIntegerNotNegative}});
  records.reserve(records.size() + wrapper.CountStatements());
  wrapper.ReadBlock([&](const W::InputLine& line) {
    EdgeLoadConcentratedProp prop;
    prop.ID = W::GetText(line, "id");
    prop.LoadNumber = ReadCaseKey(line, caseCount, errorMessage_);
    prop.Load = {W::GetReal(line, "x", 0.0), W::GetReal(line, "y", 0.0),
                 W::GetReal(line, "m", 0.0)};
    prop.Pos = W::GetReal(line, "pos", 0.0);
    prop.ECrd = W::GetTruth(line, "ecrd", false);
    records.push_back(std::move(prop));
  });
}

void csEdgeLoadFixCaseReader::ReadDistributed(W& wrapper, std::uint32_t caseCount,
                                              std::vector<EdgeLoadDistributedProp>& records) const {
  wrapper.DeclareBlock("EdgeLoadFixCaseDistributedLoad", {{"id", true, W::kText},
                                                          {"ix", false, W::kReal},
                                                          {"iy", false, W::kReal},
                                                          {"jx", false, W::kReal},
                                                          {"jy", false, W::kReal},
                                                          {"posi", true, W::kRealNotNegative},
                                                          {"posj", true, W::kRealNotNegative},
                                                          {"ecrd", false, W::kBool},
                                                          {"case", false, W::kIntegerNotNegative}});
  records.reserve(records.size() + wrapper.CountStatements());
  wrapper.ReadBlock([&](const W::InputLine& line) {
    EdgeLoadDistributedProp prop;
    prop.ID = W::GetText(line, "id");
    prop.LoadNumber = ReadCaseKey(line, caseCount, errorMessage_);
    prop.LoadI = {W::GetReal(line, "ix", 0.0), W::GetReal(line, "iy", 0.0)};
    prop.LoadJ = {W::GetReal(line, "jx", 0.0), W::GetReal(line, "jy", 0.0)};
    prop.PosI = W::GetReal(line, "posi", 0.0);
    prop.PosJ = W::GetReal(line, "posj", 0.0);
    prop.ECrd = W::GetTruth(line, "ecrd", false);
    records.push_back(std::move(prop));
  });
}

}  // namespace znFEM::znTarvex
