#include "fem/app/report/AnalyzerLogger.h"

namespace znFEM::znTarvex {

void csAnalyzerLogger::Write(znInOutData::ifOutputDataWriter& writer) const {
  const unsigned keyWidth = 7;
  const std::string separator = " : ";
  writer.Title(1, "Analyze");
  writer.Title(2, "EndProp");
  writer.Pair("EndType", endedNormally_ ? "Succeed" : "Failed", separator, keyWidth);
  writer.Pair("MaxDisp", formats_.Number(lastStep_.MaxDisp, csFormatTables::kFormatForce),
              separator, keyWidth);
  writer.Pair("MaxRotAngle", formats_.Number(lastStep_.MaxRotAngle, csFormatTables::kFormatAngle),
              separator, keyWidth);
}

}  // namespace znFEM::znTarvex
