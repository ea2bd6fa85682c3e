// End-to-end checks that drive the built executable: exit codes and exact console texts.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "app/ScratchDirectory.h"

namespace {

using frame2d::testing::ScratchDirectory;

// The smallest model that analyses: a cantilever with a load at its tip.
const char* const kCantilever =
    "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 x=1000 y=0;\n"
    "&&Element;\nid=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8;\n"
    "&&ImposedLoadAndDisp;\nid=N2 fy=-10;\n&&End;\n";

struct Outcome {
  int exitCode;
  std::string console;
};

class ExecutableTest : public ::testing::Test {
 protected:
  ExecutableTest() { dir.Write("in.txt", kCantilever); }

  // Runs frame2d in the scratch directory with the arguments and the typed console input.
  // Nothing may reach standard error (a sanitizer report would).
  Outcome Run(const std::string& args, const std::string& typed = "") {
    dir.Write("stdin", typed);
    const std::string command =
        "cd '" + dir.Path() + "' && '" FRAME2D_EXE "' " + args + " < stdin > stdout 2> stderr";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status)) << command;
    EXPECT_EQ(dir.Read("stderr"), "") << command;
    return {WEXITSTATUS(status), dir.Read("stdout")};
  }

  ScratchDirectory dir;
};

const std::string kSucceeded = "\nThe analysis has been succeeded.\n";

TEST_F(ExecutableTest, RunWithEveryFileSucceeds) {
  const Outcome outcome = Run("-i in.txt -o o.txt -c o.csv -p o.pipe -d o.dxf");
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.console, kSucceeded);
  for (const char* name : {"o.txt", "o.csv", "o.pipe", "o.dxf"}) EXPECT_TRUE(dir.Exists(name));
}

TEST_F(ExecutableTest, ExampleModelSucceeds) {
  const Outcome outcome = Run("-i '" FRAME2D_SOURCE_DIR "/examples/portal.txt' -d portal.dxf");
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.console, kSucceeded);
}

TEST_F(ExecutableTest, MissingNamesAreReadFromStandardInput) {
  const Outcome outcome = Run("-o o.txt", "in.txt\ntyped.dxf\n");
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.console, "InputFileName : OutputDxfFileName : " + kSucceeded);
  EXPECT_TRUE(dir.Exists("typed.dxf"));
}

TEST_F(ExecutableTest, CommandLineAndFileFailuresPrintTheirTextAndExitOne) {
  struct Case {
    const char* args;
    const char* typed;
    const char* console;
  };
  const Case cases[] = {
      {"-x a", "", "\nAn unexpected option has been set. : x\n"},
      {"--foo a", "", "\nAn unexpected option has been set. : foo\n"},
      {"-i in.txt -d o.dxf -o", "", "\nThe required value hasn't been set. : outtxt\n"},
      {"-o -c out.csv", "", "\nThe required value hasn't been set. : outtxt\n"},
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
       "\nThe output file can't be written.\nFileName : /dev/full\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Run(c.args, c.typed);
    EXPECT_EQ(outcome.exitCode, 1) << c.args;
    EXPECT_EQ(outcome.console, c.console) << c.args;
  }
  EXPECT_EQ(dir.Read("in.txt"), kCantilever);
  EXPECT_FALSE(dir.Exists("o.dxf"));
}

// Help and version are looked for before anything else: help wins over version and over every
// other argument, right or wrong; no file is opened, nothing is asked and no closing line
// follows.
TEST_F(ExecutableTest, HelpAndVersionWinOverEveryOtherArgument) {
  for (const char* args : {"-h", "--help", "-o -h", "-x -V --help", "-i in.txt -d o.dxf -h"}) {
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.exitCode, 0) << args;
    EXPECT_EQ(outcome.console.rfind("Usage: frame2d [options]\n", 0), 0u) << outcome.console;
    for (const char* part : {"--inptxt", "--outtxt", "--outcsv", "--outpipe", "--outdxf",
                             "--outsvg", "--outhtml", "--version", "Exit codes", "README"}) {
      EXPECT_NE(outcome.console.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(outcome.console.find("\nThe analysis"), std::string::npos) << args;
  }
  for (const char* args : {"-V", "--version", "-o -V", "-V -x"}) {
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.exitCode, 0) << args;
    EXPECT_TRUE(std::regex_match(outcome.console, std::regex("frame2d [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << outcome.console;
  }
  EXPECT_FALSE(dir.Exists("o.dxf"));
}

}  // namespace
