#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/Driver.h"
#include "app/RunAssembly.h"
#include "app/ScratchDirectory.h"
#include "fem/app/Failed.h"

namespace {

using frame2d::csFiles;
using frame2d::testing::ScratchDirectory;
using znInOutData::ifOutputDataWriter;
using znInOutData::stTable;

int phaseBCalls = 0;

void WriteSentence(ifOutputDataWriter& writers) {
  ++phaseBCalls;
  writers.Sentence("reported");
}
void Succeed(csFiles&, ifOutputDataWriter& writers) {
  WriteSentence(writers);
}
void ThrowText(csFiles&, ifOutputDataWriter& writers) {
  WriteSentence(writers);
  throw std::string("bad case!!!");
}
void ThrowInputFailed(csFiles&, ifOutputDataWriter& writers) {
  WriteSentence(writers);
  throw znFEM::znTarvex::exFailed{};
}
void ThrowConductorFailed(csFiles&, ifOutputDataWriter& writers) {
  WriteSentence(writers);
  throw frame2d::tConductorFailed{};
}

class DriverTest : public ::testing::Test {
 protected:
  DriverTest() {
    dir.Write("in.txt", "&&End;\n");
    phaseBCalls = 0;
  }

  // Runs the driver in the scratch directory; returns the exit code, keeps the console output.
  int Run(std::vector<std::string> args, frame2d::tPhaseB phaseB) {
    args.insert(args.begin(), "frame2d");
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::istringstream console;
    return frame2d::RunDriver(static_cast<int>(argv.size()), argv.data(), phaseB, console, out);
  }

  std::vector<std::string> AllFiles() const {
    return {"-i", dir.Path("in.txt"), "-o", dir.Path("o.txt"), "-c", dir.Path("o.csv"),
            "-p", dir.Path("o.pipe"), "-d", dir.Path("o.dxf")};
  }

  ScratchDirectory dir;
  std::ostringstream out;
};

TEST_F(DriverTest, SuccessfulRunPrintsTheSuccessLineAndReturnsZero) {
  EXPECT_EQ(Run(AllFiles(), Succeed), 0);
  EXPECT_EQ(out.str(), "\nThe analysis has been succeeded.\n");
  EXPECT_EQ(phaseBCalls, 1);
}

TEST_F(DriverTest, WriterChainReachesTextCsvAndPipeFiles) {
  Run(AllFiles(), Succeed);
  EXPECT_EQ(dir.Read("o.txt"), " reported\n");
  EXPECT_EQ(dir.Read("o.csv"), "\"reported\"\n");
  EXPECT_EQ(dir.Read("o.pipe"), "&&Sentence\n#LineNum\n1\nreported\n");
  EXPECT_EQ(dir.Read("o.dxf"), "");
}

// The text report is 120 characters wide with right-aligned head and body cells.
TEST_F(DriverTest, TextReportIsWideAndRightAligned) {
  const auto phaseB = [](csFiles&, ifOutputDataWriter& writers) {
    writers.MainTitle("T");
    writers.Table(stTable{{3}, {{"h"}}, {{"v"}}});
  };
  Run(AllFiles(), phaseB);
  const std::string rule(120, '=');
  EXPECT_EQ(dir.Read("o.txt"), rule + "\n\nT\n\n" + rule + "\n\n" + "   h\n====\n   v\n");
}

TEST_F(DriverTest, WithoutReportOptionsOnlyTheDrawingIsCreated) {
  EXPECT_EQ(Run({"-i", dir.Path("in.txt"), "-d", dir.Path("o.dxf")}, Succeed), 0);
  EXPECT_TRUE(dir.Exists("o.dxf"));
  for (const char* name : {"o.txt", "o.csv", "o.pipe"}) EXPECT_FALSE(dir.Exists(name));
}

TEST_F(DriverTest, PhaseBFailuresPrintTheirLineAndKeepWhatWasWritten) {
  struct Case {
    frame2d::tPhaseB phaseB;
    const char* console;
  };
  const Case cases[] = {
      {ThrowText, "\nbad case!!!\n"},
      {ThrowInputFailed, "\nThe analysis has been failed\n"},
      {ThrowConductorFailed, "\nThe analysis has been failed\n"},
  };
  for (const auto& c : cases) {
    out.str("");
    EXPECT_EQ(Run(AllFiles(), c.phaseB), 1) << c.console;
    EXPECT_EQ(out.str(), c.console);
    EXPECT_EQ(dir.Read("o.txt"), " reported\n") << c.console;
    EXPECT_EQ(dir.Read("o.pipe"), "&&Sentence\n#LineNum\n1\nreported\n") << c.console;
  }
}

TEST_F(DriverTest, CommandLineFailureSkipsPhaseB) {
  EXPECT_EQ(Run({"-x", "a"}, Succeed), 1);
  EXPECT_EQ(out.str(), "\nAn unexpected option has been set. : x\n");
  EXPECT_EQ(phaseBCalls, 0);
}

}  // namespace
