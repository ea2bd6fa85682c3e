#include "fem/app/report/TraceTables.h"

#include <cstdio>

#include "fem/app/report/FormatTables.h"
#include "print/Format.h"

namespace znFEM::znTarvex {

namespace {

using F = csFormatTables;
using znInOutData::stTable;

const unsigned kWidthCount = F().Width(F::kWidthNo);
constexpr unsigned kWidthRatio = 17;  // "-1.234567891e+100"

std::string Count(unsigned count) {
  return znPrint::FormatCount(count);
}

std::string Force(const F& formats, double value) {
  return formats.Number(value, F::kFormatForce, formats.Width(F::kWidthForce));
}

std::string Angle(const F& formats, double value) {
  return formats.Number(value, F::kFormatAngle, formats.Width(F::kWidthForce));
}

}  // namespace

std::string RatioText(double ratio) {
  if (ratio == znTraceYield2DRahmen::kInfinite) return "----";
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", ratio + 0.0);
  return text;
}

stTable StepTable(const StepRecords& steps) {
  const F formats;
  const unsigned id = formats.Width(F::kWidthID);
  const unsigned force = formats.Width(F::kWidthForce);
  stTable table{{kWidthCount, kWidthCount, kWidthRatio, kWidthRatio, force, id, force, id}, {}, {}};
  table.Head.push_back(
      {"Step", "Case", "AddRatio", "TotalRatio", "MaxDisp", "Node", "MaxRotAngle", "Element"});
  for (const auto& step : steps) {
    table.Value.push_back({Count(step.Step), Count(step.LoadDispNumber), RatioText(step.AddRatio),
                           RatioText(step.TotalRatio), Force(formats, step.MaxDisp),
                           step.MaxDispNodeID, Angle(formats, step.MaxRotAngle),
                           step.MaxRotAngleElementID});
  }
  return table;
}

stTable EventTable(const StepRecords& steps) {
  const F formats;
  const unsigned id = formats.Width(F::kWidthID);
  stTable table{{kWidthCount, kWidthCount, kWidthRatio, id, formats.Width(F::kWidthEnd), 12,
                 formats.Width(F::kWidthForce)},
                {},
                {}};
  table.Head.push_back({"Step", "Case", "TotalRatio", "Element", "End", "Event", "Force"});
  for (const auto& step : steps) {
    for (const auto& event : step.Events) {
      table.Value.push_back(
          {Count(step.Step), Count(step.LoadDispNumber), RatioText(step.TotalRatio),
           event.ElementID, znPrint::EndName(static_cast<int>(event.End)),
           znTraceYield2DRahmen::EventName(event.Kind), Force(formats, event.Force)});
    }
  }
  return table;
}

stTable CurveTable(const StepRecords& steps) {
  const F formats;
  stTable table{{kWidthCount, kWidthCount, kWidthRatio, formats.Width(F::kWidthForce)}, {}, {}};
  table.Head.push_back({"Step", "Case", "TotalRatio", "Disp"});
  table.Value.push_back({"----", Count(0), RatioText(0.0), Force(formats, 0.0)});
  for (const auto& step : steps) {
    table.Value.push_back({Count(step.Step), Count(step.LoadDispNumber), RatioText(step.TotalRatio),
                           Force(formats, step.MonitorDisp)});
  }
  return table;
}

}  // namespace znFEM::znTarvex
