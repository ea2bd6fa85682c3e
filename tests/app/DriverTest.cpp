#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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
  int Run(frame2d::tPhaseB phaseB) {
    std::vector<std::string> args{"frame2d", "-i", dir.Path("in.txt"), "-d", dir.Path("o.dxf")};
    for (const char* name : {"-o", "o.txt", "-c", "o.csv", "-p", "o.pipe"})
      args.push_back(name[0] == '-' ? name : dir.Path(name));
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::istringstream console;
    out.str("");
    return frame2d::RunDriver(static_cast<int>(argv.size()), argv.data(), phaseB, console, out);
  }

  frame2d::testing::ScratchDirectory dir;
  std::ostringstream out;
};

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

// A phase B that moves the text report's folder away, so that the report cannot be put in
// place; then it succeeds, or fails after its report.
template <bool fails>
void MoveReportFolder(csFiles& files, ifOutputDataWriter& writers) {
  Report(files, writers);
  const std::filesystem::path folder = std::filesystem::path(files.TextName()).parent_path();
  std::filesystem::rename(folder, folder.string() + "-moved");
  if (fails) throw znFEM::znTarvex::exFailed{};
}

TEST_F(DriverTest, AnOutputThatCannotBePutInPlaceIsAFailureNamingIt) {
  const std::string text = dir.Path("sub/o.txt");
  const std::vector<std::string> args{"frame2d",         "-i", dir.Path("in.txt"), "-o", text, "-c",
                                      dir.Path("o.csv"), "-d", dir.Path("o.dxf")};
  std::vector<const char*> argv;
  for (const auto& arg : args) argv.push_back(arg.c_str());
  const std::string unwritten = "\nThe output file can't be written.\nFileName : " + text + "\n";
  const std::pair<frame2d::tPhaseB, std::string> cases[] = {
      {MoveReportFolder<false>, unwritten},
      {MoveReportFolder<true>, unwritten + "\nThe analysis has been failed\n"}};
  for (const auto& [phaseB, console] : cases) {
    std::filesystem::remove_all(dir.Path("sub-moved"));
    std::filesystem::create_directory(dir.Path("sub"));
    std::istringstream typed;
    out.str("");
    EXPECT_EQ(frame2d::RunDriver(static_cast<int>(argv.size()), argv.data(), phaseB, typed, out),
              1);
    EXPECT_EQ(out.str(), console);
    EXPECT_EQ(dir.Read("o.csv"), "\"T\"\n\"h\",\n\"v\",\n");
  }
}

}  // namespace
