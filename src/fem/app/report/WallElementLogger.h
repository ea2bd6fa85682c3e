// Collects the wall element records and each wall's final corner and edge results, and writes
// the report's WallElement section.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/app/report/RecordLog.h"
#include "fem/model/WallElement.h"
#include "fem/model/WallElementProp.h"
#include "inout/OutputDataWriter.h"
#include "matrix/Matrix.h"

namespace znFEM::znTarvex {

class csWallElementLogger : public znTraceYield2DRahmen::csWallElement::ifLogger {
 public:
  using WallElementProp = znTraceYield2DRahmen::WallElementProp;
  using TriplePair = znTraceYield2DRahmen::ifWallElement::TriplePair;
  using Vector = znMatrix::Vector;

  // A wall's results in wall axes: per corner (I-A, I-B, J-A, J-B; X, Y, M each) and per
  // edge (I, J). Zero until the wall reports them.
  struct stResult {
    Vector CornerForce = Vector(12, 0.0);
    Vector CornerDisp = Vector(12, 0.0);
    TriplePair EndForce{};
    TriplePair EndDisp{};
  };

  void Prop(const WallElementProp& prop) override;
  void DispIncrement(const WallElementProp&, const Vector&) override {}
  void ForceIncrement(const WallElementProp&, const Vector&) override {}
  void EdgeDispIncrement(const WallElementProp&, const TriplePair&) override {}
  void EdgeForceIncrement(const WallElementProp&, const TriplePair&) override {}
  void Update(const WallElementProp&, double) override {}
  void Disp(const WallElementProp& prop, const Vector& disp) override;
  void Force(const WallElementProp& prop, const Vector& force) override;
  void EdgeDisp(const WallElementProp& prop, const TriplePair& disp) override;
  void EdgeForce(const WallElementProp& prop, const TriplePair& force) override;
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  // Result tables are written only after an analysis that reached its end.
  void SetResultsAvailable(bool available) { resultsAvailable_ = available; }
  // The WallElement section; nothing when no wall was recorded.
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  // The records keep no node pointers: the nodes die with the analysis.
  const csRecordLog<WallElementProp, stResult>& Records() const { return records_; }
  // Hands the records over to the drawing, their last reader.
  std::vector<WallElementProp> LendProps() { return records_.LendProps(); }
  void GiveBackProps(std::vector<WallElementProp> props) {
    records_.GiveBackProps(std::move(props));
  }

 private:
  csFormatTables formats_;
  csRecordLog<WallElementProp, stResult> records_;
  bool resultsAvailable_ = false;
};

}  // namespace znFEM::znTarvex
