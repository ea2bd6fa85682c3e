// The executable's console: the names it asks for, and the exact texts and exit code of each
// command-line and file failure. Successful runs of every example are the golden outputs.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::RunWithArgs;
using frame2d::testing::ScratchDirectory;

// The smallest model that analyses: a cantilever with a load at its tip.
const char* const kCantilever =
    "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 x=1000 y=0;\n"
    "&&Element;\nid=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8;\n"
    "&&ImposedLoadAndDisp;\nid=N2 fy=-10;\n&&End;\n";

TEST(Executable, MissingNamesAreReadFromStandardInput) {
  ScratchDirectory dir;
  EXPECT_EQ(RunWithArgs(dir, kCantilever, "-o o.txt", "in.txt\ntyped.dxf\n"), 0);
  EXPECT_EQ(dir.Read("stdout"),
            "InputFileName : OutputDxfFileName : \nThe analysis has been succeeded.\n");
  EXPECT_TRUE(dir.Exists("typed.dxf") && dir.Exists("o.txt"));
}

TEST(Executable, CommandLineAndFileFailuresPrintTheirTextAndExitOne) {
  struct Case {
    const char* args;
    const char* typed;
    const char* console;
  };
  const Case cases[] = {
      {"-x a", "", "\nAn unexpected option has been set. : x\n"},
      {"-i in.txt -d o.dxf -o", "", "\nThe required value hasn't been set. : outtxt\n"},
      {"-o a.txt --outtxt b.txt", "", "\nThe specifeid option is duplicated. : outtxt\n"},
      {"-i missing.txt -d o.dxf", "",
       "\nThe specified file can't been open.\nFileName : missing.txt\n\n"},
      {"-d o.dxf", "", "InputFileName : \nThe specified file can't been open.\nFileName : \n\n"},
      {"-i in.txt -o in.txt -d o.dxf", "",
       "\nThe same file is specified twice.\nFileName : in.txt\n\n"},
      {"-i in.txt", "in.txt\n",
       "OutputDxfFileName : \nThe same file is specified twice.\nFileName : in.txt\n\n"},
      {"-i in.txt -d o.dxf -s o.svg -w o.svg", "",
       "\nThe same file is specified twice.\nFileName : o.svg\n\n"},
      {"-i in.txt -d o.dxf -w ./o.dxf", "",
       "\nThe same file is specified twice.\nFileName : ./o.dxf\n\n"},
      {"-i in.txt -d drawn.dxf -s no-such-dir/o.svg", "",
       "\nThe specified file can't been open.\nFileName : no-such-dir/o.svg\n\n"},
      {"-i in.txt -d drawn.dxf -w /dev/full", "",
       "\nThe output file can't be written.\nFileName : /dev/full\n"}};
  for (const auto& c : cases) {
    ScratchDirectory dir;
    EXPECT_EQ(RunWithArgs(dir, kCantilever, c.args, c.typed), 1) << c.args;
    EXPECT_EQ(dir.Read("stdout"), c.console) << c.args;
    EXPECT_EQ(dir.Read("in.txt"), kCantilever);
    EXPECT_FALSE(dir.Exists("o.dxf"));
  }
}

// Help and version are looked for before anything else: help wins over version and over every
// other argument, right or wrong; no file is opened, nothing is asked and no closing line
// follows.
TEST(Executable, HelpAndVersionWinOverEveryOtherArgument) {
  ScratchDirectory dir;
  for (const char* args : {"-h", "--help", "-o -h", "-x -V --help", "-i in.txt -d o.dxf -h"}) {
    EXPECT_EQ(RunWithArgs(dir, kCantilever, args), 0) << args;
    const std::string console = dir.Read("stdout");
    EXPECT_EQ(console.rfind("Usage: frame2d [options]\n", 0), 0u) << console;
    for (const char* part : {"--inptxt", "--outtxt", "--outcsv", "--outpipe", "--outdxf",
                             "--outsvg", "--outhtml", "--version", "Exit codes", "README"}) {
      EXPECT_NE(console.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(console.find("\nThe analysis"), std::string::npos) << args;
  }
  for (const char* args : {"-V", "--version", "-o -V", "-V -x"}) {
    EXPECT_EQ(RunWithArgs(dir, kCantilever, args), 0) << args;
    EXPECT_TRUE(
        std::regex_match(dir.Read("stdout"), std::regex("frame2d [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << dir.Read("stdout");
  }
  EXPECT_FALSE(dir.Exists("o.dxf"));
}

}  // namespace
