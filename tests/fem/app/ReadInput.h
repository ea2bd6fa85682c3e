// Test helper: reads a whole input file as the run does (block check, MainProp, DxfProp,
// ElementStress, then the model blocks) and keeps the records and the text of any report.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fem/app/ErrorMessage.h"
#include "fem/app/Failed.h"
#include "fem/app/InputDataReaderWrapper.h"
#include "fem/app/Readers.h"
#include "inout/OutputDataWriterText.h"

namespace readertest {

namespace model = znFEM::znTraceYield2DRahmen;

// A valid file that uses every block and most keys.
inline const char* const kCompleteFile =
    R"(/* a portal frame with a wall, a spring support and loads */
&&MainProp;
balance_zero=0.001;
&&DxfProp;
height_str=200 rad_hinge=50 axial_ratio=2e-7 row_n=3;
&&Node;
id=N1 x=0 y=0 sptx=true spty=T sptm=1;
id=N2 x=0 y=3000;            // column top
id=N3 x=4000 y=3000;
id=N4 x=4000 y=0 sptx=t spty=False;
&&Element;
id=C1 nodei=N1 nodej=N2 a=1.2e4 e=2.05e5 i=3.6e8;
id=B1 nodei=N2 nodej=N3 a=8.0e3 e=2.05e5 i=2.0e8
   li=150 lj=200 ki=1e12 kj=0;
id=C2 nodei=N4 nodej=N3 a=1.2e4 e=2.05e5 i=3.6e8 psn=0.3 kap=1.2;
&&WallElement;
id=W1 nodeia=N1 nodeib=N2 nodeja=N4 nodejb=N3 a=1e5 e=2e4 i=1e9 kwg=0.5 lai=100 alpyjb=0.5;
&&SpringSupport;
node=N4 kx=1e3 km=2.5e6;
&&ImposedLoadAndDisp;
id=N2 fx=10000 fy=-5000;
id=N2 fm=3e5;
id=N1 dm=1e-4;
&&EdgeLoadFixCaseDirectInput;
id=B1 iiy=-100 iim=-2e5 jjy=-100 jjm=2e5;
&&EdgeLoadFixCaseConcentratedLoad;
id=B1 y=-1000 pos=2000;
&&EdgeLoadFixCaseDistributedLoad;
id=B1 iy=-1 jy=-2 posi=0 posj=4000 ecrd=T;
&&ElementStress;
id=B1 pos0=0 pos1=1000 pos2=2000;
id=C1 pos0=1500;
&&End;
)";

struct stInput {
  bool failed = false;
  std::string report;  // what the text report shows; empty when nothing was reported
  double balanceZero = 0.0;
  znDraw::DxfProp dxf;
  std::vector<model::ElementStressProp> stresses;
  std::vector<model::NodeProp> nodes;
  std::vector<model::ElementProp> elements;
  std::vector<model::WallElementProp> walls;
  std::vector<model::SpringSupportProp> springs;
  std::vector<model::ImposedLoadAndDispProp> imposed;
  std::vector<model::EdgeLoadDirectInputProp> direct;
  std::vector<model::EdgeLoadConcentratedProp> concentrated;
  std::vector<model::EdgeLoadDistributedProp> distributed;
};

// Reports go to writer.
inline void ReadAll(std::istream& in, znInOutData::ifOutputDataWriter& writer, stInput& out) {
  using namespace znFEM::znTarvex;
  csErrorMessage messages(writer);
  csInputDataReaderWrapper wrapper(in, messages);
  csReaders readers(messages);
  try {
    readers.Read(wrapper);
    readers.ReadElementStresses(wrapper, out.stresses);
    out.dxf = readers.GetDxfProp();
    out.balanceZero = readers.GetBalanceZero();
    readers.ReadNodes(wrapper, out.nodes);
    readers.ReadElements(wrapper, out.elements);
    readers.ReadWallElements(wrapper, out.walls);
    readers.ReadSpringSupports(wrapper, out.springs);
    readers.ReadImposedLoadAndDisps(wrapper, out.imposed);
    readers.ReadEdgeLoadFixCases(wrapper, out.direct, out.concentrated, out.distributed);
  } catch (const exFailed&) {
    out.failed = true;
  }
}

inline stInput ReadAll(const std::string& file) {
  std::istringstream in(file);
  std::ostringstream report;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(report, 120);
  stInput out;
  ReadAll(in, text, out);
  out.report = report.str();
  return out;
}

}  // namespace readertest
