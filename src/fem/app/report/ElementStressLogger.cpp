#include "fem/app/report/ElementStressLogger.h"

#include <cstdint>
#include <iterator>
#include <string_view>

#include "fem/app/report/TableBase.h"
#include "fem/model/ElementStress.h"
#include "fem/model/ElementStressPropMaker.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

namespace model = znTraceYield2DRahmen;
using F = csFormatTables;

// The member-force calculator as every user of it is set up: ten divisions, search length 1.
constexpr std::uint32_t kDivisionCount = 10;
constexpr double kMinimumSearchLength = 1.0;

const char* const kExtremeNames[6] = {"MaxN", "MinN", "MaxQ", "MinQ", "MaxM", "MinM"};

// The I-face force of a member's total face force (member axes).
model::Triple FaceForceI(const csElementLogger::stResult& result) {
  const csElementLogger::Six total = result.TotalFaceForce();
  return {total.at(0), total.at(1), total.at(2)};
}

// The forces at one member's requested positions and its six extremes.
struct stMemberStress {
  std::vector<double> positions;
  std::vector<model::StressPair> atPositions;
  model::StressExtremes extremes;
};

// One row per requested position, then one per extreme; the ID only in the member's first
// row; the J-side forces as "----" where they equal the I side.
class fnElementStressTable : public fnTableBase {
 public:
  explicit fnElementStressTable(const F& formats)
      : fnTableBase(formats,
                    {F::kWidthID, F::kWidthNo, F::kWidthCoordinate, F::kWidthForce, F::kWidthForce,
                     F::kWidthForce, F::kWidthForce, F::kWidthForce, F::kWidthForce}) {
    Head({"ID", "No", "Pos", "I", "", "", "J", "", ""});
    Head({"", "", "", "Axial", "Shear", "Moment", "Axial", "Shear", "Moment"});
  }
  void operator()(const std::string& id, const stMemberStress& stress) {
    for (std::size_t k = 0; k < stress.positions.size(); ++k) {
      Row(k == 0 ? id : "", std::to_string(k), stress.positions[k], stress.atPositions[k]);
    }
    for (std::size_t e = 0; e < 6; ++e) {
      const model::StressExtreme& extreme = stress.extremes.Extremes[e];
      const bool first = e == 0 && stress.positions.empty();
      Row(first ? id : "", kExtremeNames[e], extreme.Position, extreme.Stress);
    }
  }

 private:
  void Row(std::string_view id, std::string_view no, double position,
           const model::StressPair& stress) {
    NewRow();
    Text(id);
    Text(no);
    Number(position, F::kFormatCoordinate);
    Numbers(stress[0], F::kFormatForce);
    if (stress[1] == stress[0]) {
      for (int i = 0; i < 3; ++i) Text("----");
    } else {
      Numbers(stress[1], F::kFormatForce);
    }
  }
};

}  // namespace

void csElementStressLogger::Write(znInOutData::ifOutputDataWriter& writer,
                                  const csNodeLogger& nodes, const csElementLogger& elements,
                                  const csEdgeLoadFixCaseLogger& edgeLoads) const {
  if (!resultsAvailable_ || definitions_.empty() || elements.Records().Size() == 0) return;
  writer.Title(1, "ElementStress");
  const model::csElementStressPropMaker maker(nodes.FullProps(), elements.FullProps(),
                                              edgeLoads.GetConcentratedRecords(),
                                              edgeLoads.GetDistributedRecords());
  // Every member's forces are found before the table starts, so that a definition the
  // calculator refuses leaves none of the table written.
  std::vector<stMemberStress> stresses;
  stresses.reserve(definitions_.size());
  std::size_t rowCount = 0;
  for (const ElementStressProp& definition : definitions_) {
    model::csElementStress calculator(kDivisionCount, kMinimumSearchLength);
    calculator.SetProp(maker.Make(definition));
    const model::Triple faceForce = FaceForceI(elements.Records().ResultOf(definition.ID));
    stresses.push_back({definition.Positions,
                        calculator.GetStressAtPositions(faceForce, definition.Positions),
                        calculator.GetExtremes(faceForce)});
    rowCount += definition.Positions.size() + std::size(kExtremeNames);
  }
  fnElementStressTable table(formats_);
  table.SetRowCount(rowCount);
  if (!table.BeginWriting(writer, "Stress")) return;
  for (std::size_t k = 0; k < definitions_.size(); ++k) table(definitions_[k].ID, stresses[k]);
  table.EndWriting();
}

}  // namespace znFEM::znTarvex
