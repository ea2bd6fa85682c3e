#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "app/Driver.h"
#include "app/RunAssembly.h"
#include "app/ScratchDirectory.h"
#include "fem/app/input/Failed.h"

namespace {

using frame2d::csFiles;
using znInOutData::ifOutputDataWriter;

void Report(csFiles&, ifOutputDataWriter& writers) {
  writers.MainTitle("T");
  writers.Table(znInOutData::stTable{{3}, {{"h"}}, {{"v"}}});
}

void ThrowText(csFiles& files, ifOutputDataWriter& writers) {
  Report(files, writers);
  throw std::string("bad case!!!");
}
template <class Failure>
void Throw(csFiles& files, ifOutputDataWriter& writers) {
  Report(files, writers);
  throw Failure{};
}

class DriverTest : public ::testing::Test {
 protected:
  DriverTest() { dir.Write("in.txt", "&&End;\n"); }

  // Runs the driver on the scratch files with the given phase B; keeps the console output.
  int Run(frame2d::tPhaseB phaseB, bool reports = true) {
    std::vector<std::string> args{"frame2d", "-i", dir.Path("in.txt"), "-d", dir.Path("o.dxf")};
    if (reports) {
      for (const char* name : {"-o", "o.txt", "-c", "o.csv", "-p", "o.pipe"})
        args.push_back(name[0] == '-' ? name : dir.Path(name));
    }
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::istringstream console;
    out.str("");
    return frame2d::RunDriver(static_cast<int>(argv.size()), argv.data(), phaseB, console, out);
  }

  frame2d::testing::ScratchDirectory dir;
  std::ostringstream out;
};

// The text report is 120 characters wide with right-aligned head and body cells.
TEST_F(DriverTest, SuccessfulRunReportsThroughTextCsvAndPipe) {
  EXPECT_EQ(Run(Report), 0);
  EXPECT_EQ(out.str(), "\nThe analysis has been succeeded.\n");
  const std::string rule(120, '=');
  EXPECT_EQ(dir.Read("o.txt"), rule + "\n\nT\n\n" + rule + "\n\n   h\n====\n   v\n");
  EXPECT_EQ(dir.Read("o.csv"), "\"T\"\n\"h\",\n\"v\",\n");
  EXPECT_EQ(dir.Read("o.pipe").substr(0, 11), "&&MainTitle");
  EXPECT_TRUE(dir.Exists("o.dxf"));

  // Without report options only the drawing is created.
  for (const char* name : {"o.txt", "o.csv", "o.pipe"}) std::remove(dir.Path(name).c_str());
  EXPECT_EQ(Run(Report, false), 0);
  EXPECT_TRUE(dir.Exists("o.dxf"));
  for (const char* name : {"o.txt", "o.csv", "o.pipe"}) EXPECT_FALSE(dir.Exists(name));
}

TEST_F(DriverTest, PhaseBFailuresPrintTheirLineAndKeepWhatWasWritten) {
  const std::pair<frame2d::tPhaseB, const char*> cases[] = {
      {ThrowText, "\nbad case!!!\n"},
      {Throw<znFEM::znTarvex::exFailed>, "\nThe analysis has been failed\n"},
      {Throw<frame2d::exConductorFailed>, "\nThe analysis has been failed\n"}};
  for (const auto& [phaseB, console] : cases) {
    EXPECT_EQ(Run(phaseB), 1) << console;
    EXPECT_EQ(out.str(), console);
    EXPECT_EQ(dir.Read("o.csv"), "\"T\"\n\"h\",\n\"v\",\n") << console;
  }
}

}  // namespace
