// Collects the frame element records and each element's final end forces, end displacements
// and equivalent edge loads, and writes the report's Element section.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fem/app/report/FormatTables.h"
#include "fem/app/report/NodeLogger.h"
#include "fem/app/report/RecordLog.h"
#include "fem/model/Element.h"
#include "fem/model/ElementProp.h"
#include "inout/OutputDataWriter.h"
#include "matrix/Matrix.h"

namespace znFEM::znTarvex {

class csElementLogger : public znTraceYield2DRahmen::csElement::ifLogger {
 public:
  using ElementProp = znTraceYield2DRahmen::ElementProp;
  using KeptElementProp = znTraceYield2DRahmen::KeptElementProp;
  template <class T>
  using PerEnd = znTraceYield2DRahmen::PerEnd<T>;

  using Six = std::array<double, 6>;
  static constexpr std::uint32_t kNoRest = 0xFFFFFFFFu;
  // What the logger keeps of an element record: what the report prints and the drawing reads.
  // The capacities and pre-face forces, which neither shows but a full record carries, are
  // kept aside for the few records whose values are not the defaults.
  struct stRecord {
    std::string ID;
    // Each end's node: its position in the node logger's records, or with kUnlisted set, the
    // place of its ID among the IDs of nodes the node logger does not hold.
    PerEnd<std::uint32_t> Node{0, 0};
    double A = 0.0;
    double E = 0.0;
    double I = 0.0;
    double Poisson = 0.0;
    double Kappa = 0.0;
    PerEnd<double> Lij{0.0, 0.0};
    PerEnd<double> Kij{0.0, 0.0};
    PerEnd<bool> IsRotarySpring{false, false};
    std::uint32_t Rest = kNoRest;  // index into the records' rests
  };
  // An element's results, six values each (end I, then end J), member axes. Zero until the
  // element reports them.
  struct stResult {
    Six FaceForce{};     // produced by the end displacements
    Six FixFaceForce{};  // produced by the edge loads (fixed-end state)
    Six EdgeDisp{};
    // Yield states per end, for the drawing's hinge and yield marks.
    PerEnd<std::int32_t> AxialState{znTraceYield2DRahmen::kElastic, znTraceYield2DRahmen::kElastic};
    PerEnd<std::int32_t> HingeState{znTraceYield2DRahmen::kElastic, znTraceYield2DRahmen::kElastic};

    // The sum of the two face forces.
    Six TotalFaceForce() const {
      Six total{};
      for (std::size_t i = 0; i < total.size(); ++i) total[i] = FaceForce[i] + FixFaceForce[i];
      return total;
    }
  };

  static constexpr std::uint32_t kUnlisted = 0x80000000u;

  // The node records the element records name their nodes by; without them, each record keeps
  // its node IDs.
  void SetNodeLogger(const csNodeLogger* nodes) { nodes_ = nodes; }
  void Reserve(std::size_t count) override { records_.Reserve(count); }
  void Prop(const ElementProp& prop) override;
  void FixCase(const KeptElementProp& prop, const Vector& equivalentLoad,
               const znMatrixMaker::csEquivalentEdgeLoad&, const Vector&, double,
               const PerEnd<double>&, const PerEnd<double>&) override;
  void DispIncrement(const KeptElementProp&, const Vector&) override {}
  void FaceForceIncrement(const KeptElementProp&, const Vector&) override {}
  void StretchIncrement(const KeptElementProp&, double) override {}
  void SpringRotationIncrement(const KeptElementProp&, const PerEnd<double>&) override {}
  void PanelRotationIncrement(const KeptElementProp&, const PerEnd<double>&) override {}
  void RotationAngleIncrement(const KeptElementProp&, double) override {}
  void Disp(const KeptElementProp& prop, const Vector& disp) override;
  void FaceForce(const KeptElementProp& prop, const Vector& force, const Vector& fixForce) override;
  void Stretch(const KeptElementProp& prop, double, double,
               const PerEnd<std::int32_t>& axialState) override;
  void SpringRotation(const KeptElementProp& prop, const PerEnd<double>&, const PerEnd<double>&,
                      const PerEnd<std::int32_t>& hingeState) override;
  void PanelRotation(const KeptElementProp&, const PerEnd<double>&, const PerEnd<double>&,
                     const PerEnd<std::int32_t>&) override {}
  void RotationAngle(const KeptElementProp&, double) override {}
  void AxialRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void MomentRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void ShearRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void PanelRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void NextRatio(const KeptElementProp&, const PerEnd<double>&) override {}
  void AxialUnloading(const KeptElementProp&, bool) override {}
  void HingeUnloading(const KeptElementProp&, const PerEnd<bool>&) override {}
  void PanelUnloading(const KeptElementProp&, const PerEnd<bool>&) override {}
  void Update(const KeptElementProp&, double) override {}
  void NextCase(const KeptElementProp&, std::uint32_t) override {}
  void AxialFailed(const KeptElementProp&) override {}
  void ShearFailed(const KeptElementProp&, std::uint32_t) override {}
  void AnalysisStarted() override {}
  void AnalysisEnded() override {}
  void StepStarted(std::uint32_t) override {}
  void StepEnded(std::uint32_t) override {}

  // Result tables are written only after an analysis that reached its end.
  void SetResultsAvailable(bool available) { resultsAvailable_ = available; }
  // The Element section; nothing when no element was recorded.
  void Write(znInOutData::ifOutputDataWriter& writer) const;

  // The records keep no node pointers: the nodes die with the analysis. The node IDs name
  // the nodes.
  const csRecordLog<stRecord, stResult>& Records() const { return records_; }
  const std::string& NodeIDOf(const stRecord& record, int end) const;
  // The nodal loads equivalent to the edge loads of the last case, global axes, of the k-th
  // record; zero until reported.
  const Six& EquivalentEdgeLoadAt(std::size_t k) const {
    static const Six kZero{};
    return k < equivalentEdgeLoads_.size() ? equivalentEdgeLoads_[k] : kZero;
  }
  // The records as full element records, in input order, for their readers outside the report
  // (the drawing, the element stress calculator). Lent ones are made for the loan and given
  // back only to be dropped: the logger keeps its own.
  std::vector<ElementProp> FullProps() const;
  std::vector<ElementProp> LendProps() const { return FullProps(); }
  void GiveBackProps(std::vector<ElementProp>) const {}

 private:
  // The parts of a record kept aside.
  struct stRest {
    PerEnd<znTraceYield2DRahmen::Limits> Ny;
    PerEnd<znTraceYield2DRahmen::Limits> Qy;
    PerEnd<znTraceYield2DRahmen::Limits> My;
    PerEnd<znTraceYield2DRahmen::Triple> PreFaceLoad;
  };

  std::uint32_t NodeAt(const std::string& id);

  csFormatTables formats_;
  csRecordLog<stRecord, stResult> records_;
  const csNodeLogger* nodes_ = nullptr;
  std::vector<std::string> unlistedNodeIDs_;
  std::vector<stRest> rests_;
  // By record position. They are reported before the solve, the results after it: kept
  // apart, the results need not take their room while the solver holds its own.
  std::vector<Six> equivalentEdgeLoads_;
  bool resultsAvailable_ = false;
};

}  // namespace znFEM::znTarvex
