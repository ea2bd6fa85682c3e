// A failure met while the loggers write the report stops the writing without leaving their
// destructor: the report ends where it stopped, the drawing is not made, and the failure's
// text is kept for the driver.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "fem/app/report/ErrorMessage.h"
#include "fem/app/report/Loggers.h"
#include "inout/OutputDataWriterPipe.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

// Fails on its second table with the text of a code conversion that met a code out of range.
class csFailingWriter : public znInOutData::znOutputDataWriter::csOutputDataWriterPipe {
 public:
  using csOutputDataWriterPipe::csOutputDataWriterPipe;
  void BeginTable(const znInOutData::stTableHead& head) override {
    if (++tables_ == 2) throw std::string("bad case!!!");
    csOutputDataWriterPipe::BeginTable(head);
  }

 private:
  int tables_ = 0;
};

NodeProp MakeNode(const std::string& id, double x, bool fixed) {
  NodeProp prop;
  prop.ID = id;
  prop.Coordinate = {x, 0.0};
  prop.IsSupported = {fixed, fixed, fixed};
  prop.ImposedLoads = {Triple{0.0, 0.0, 0.0}};
  prop.ImposedDisps = {Triple{0.0, 0.0, 0.0}};
  return prop;
}

TEST(Loggers, AFailureWhileWritingStopsTheReportAndKeepsItsText) {
  std::ostringstream report, dxf;
  csFailingWriter writer(report);
  std::string failure;
  {
    znFEM::znTarvex::csErrorMessage errors(writer);
    znFEM::znTarvex::csLoggers loggers(writer, errors, dxf);
    loggers.SetFailureSink(failure);
    const LoggerBundle bundle = loggers.GetLoggerBundle();
    bundle.Node->Prop(MakeNode("N1", 0.0, true));
    bundle.Node->Prop(MakeNode("N2", 1000.0, false));
    bundle.ImposedLoadAndDisp->Applied({"N2", 0, {0.0, -10.0, 0.0}, {0.0, 0.0, 0.0}});
    bundle.Analyzer->AnalysisEnded();
  }
  EXPECT_EQ(failure, "bad case!!!");
  const std::string text = report.str();
  EXPECT_EQ(text.substr(text.size() - 11), "Coordinate\n");  // the title of the second table
  EXPECT_EQ(text.find("&&End"), std::string::npos);
  EXPECT_EQ(dxf.str(), "");
}

}  // namespace
