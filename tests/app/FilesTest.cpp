#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "app/Files.h"
#include "app/ScratchDirectory.h"

namespace {

using frame2d::csFiles;
using frame2d::testing::ScratchDirectory;

class FilesTest : public ::testing::Test {
 protected:
  FilesTest() { dir.Write("in.txt", "&&End;\n"); }

  // Runs Setup with the arguments and the console text; returns what was prompted.
  std::string Setup(std::vector<std::string> args, const std::string& typed = "") {
    args.insert(args.begin(), "frame2d");
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::istringstream console(typed);
    std::ostringstream prompt;
    files = std::make_unique<csFiles>();
    files->Setup(static_cast<int>(argv.size()), argv.data(), console, prompt);
    return prompt.str();
  }

  // The text thrown by Setup, or "" when it succeeds.
  std::string SetupError(std::vector<std::string> args, const std::string& typed = "") {
    try {
      Setup(std::move(args), typed);
    } catch (const std::string& text) {
      return text;
    }
    return "";
  }

  std::string P(const std::string& name) const { return dir.Path(name); }

  ScratchDirectory dir;
  std::unique_ptr<csFiles> files;
};

TEST_F(FilesTest, OpensEveryNamedFileAndSetsItsFlag) {
  EXPECT_EQ(Setup({"-i", P("in.txt"), "-o", P("o.txt"), "-c", P("o.csv"), "-p", P("o.pipe"), "-d",
                   P("o.dxf")}),
            "");
  EXPECT_TRUE(files->InputStream().is_open());
  EXPECT_TRUE(files->IsTextWanted() && files->IsCsvWanted() && files->IsPipeWanted());
  for (const char* name : {"o.txt", "o.csv", "o.pipe", "o.dxf"}) EXPECT_TRUE(dir.Exists(name));
  std::string firstLine;
  std::getline(files->InputStream(), firstLine);
  EXPECT_EQ(firstLine, "&&End;");
}

TEST_F(FilesTest, OnlyTheInputAndDxfFilesAreRequired) {
  Setup({"-i", P("in.txt"), "-d", P("o.dxf")});
  EXPECT_FALSE(files->IsTextWanted() || files->IsCsvWanted() || files->IsPipeWanted());
  EXPECT_TRUE(files->DxfStream().is_open());
  EXPECT_FALSE(files->TextStream().is_open());
}

TEST_F(FilesTest, MissingNamesAreAskedForOnTheConsole) {
  EXPECT_EQ(Setup({"-d", P("o.dxf")}, P("in.txt") + "\n"), "InputFileName : ");
  EXPECT_TRUE(files->InputStream().is_open());
  EXPECT_EQ(Setup({}, P("in.txt") + "\n" + P("typed.dxf") + "\n"),
            "InputFileName : OutputDxfFileName : ");
  EXPECT_TRUE(dir.Exists("typed.dxf"));
}

TEST_F(FilesTest, ParserFailuresBecomeConsoleMessages) {
  EXPECT_EQ(SetupError({"-x", "a"}), "An unexpected option has been set. : x");
  EXPECT_EQ(SetupError({"-o"}), "The required value hasn't been set. : outtxt");
  EXPECT_EQ(SetupError({"-o", "a", "--outtxt", "b"}),
            "The specifeid option is duplicated. : outtxt");
}

TEST_F(FilesTest, UnopenableInputIsReportedBeforeAnyOutputIsCreated) {
  EXPECT_EQ(SetupError({"-i", P("missing.txt"), "-o", P("o.txt"), "-d", P("o.dxf")}),
            "The specified file can't been open.\nFileName : " + P("missing.txt") + "\n");
  EXPECT_FALSE(dir.Exists("o.txt"));
  EXPECT_FALSE(dir.Exists("o.dxf"));
}

TEST_F(FilesTest, EmptyTypedNameFailsToOpen) {
  EXPECT_EQ(SetupError({"-d", P("o.dxf")}, "\n"),
            "The specified file can't been open.\nFileName : \n");
  EXPECT_EQ(SetupError({"-i", P("in.txt")}, ""),
            "The specified file can't been open.\nFileName : \n");
}

TEST_F(FilesTest, FilesOpenedBeforeAnUnopenableOneExistAfterwards) {
  const std::string badCsv = P("no-such-dir/o.csv");
  EXPECT_EQ(SetupError({"-i", P("in.txt"), "-o", P("o.txt"), "-c", badCsv, "-p", P("o.pipe"), "-d",
                        P("o.dxf")}),
            "The specified file can't been open.\nFileName : " + badCsv + "\n");
  EXPECT_TRUE(dir.Exists("o.txt"));
  EXPECT_FALSE(dir.Exists("o.pipe"));
  EXPECT_FALSE(dir.Exists("o.dxf"));
}

// Naming one file twice would truncate the input before it is read, or let two outputs
// overwrite each other: it is refused before any output is opened.
TEST_F(FilesTest, SameFileNamedTwiceIsRefusedAndNothingIsTruncated) {
  dir.Write("old.csv", "kept");
  const std::string sameFileMessage = "The same file is specified twice.\nFileName : ";
  struct Case {
    std::vector<std::string> args;
    std::string typed;
    std::string reported;
  };
  const Case cases[] = {
      {{"-i", P("in.txt"), "-o", P("in.txt"), "-d", P("o.dxf")}, "", P("in.txt")},
      {{"-i", P("in.txt"), "-o", P("o.txt"), "-c", P("old.csv"), "-d", P("old.csv")},
       "",
       P("old.csv")},
      {{"-i", P("in.txt")}, P("in.txt") + "\n", P("in.txt")},
      {{"-i", P("in.txt"), "-p", dir.Path() + "/./in.txt", "-d", P("o.dxf")},
       "",
       dir.Path() + "/./in.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetupError(c.args, c.typed), sameFileMessage + c.reported + "\n");
  }
  EXPECT_EQ(dir.Read("in.txt"), "&&End;\n");
  EXPECT_EQ(dir.Read("old.csv"), "kept");
  EXPECT_FALSE(dir.Exists("o.txt"));
  EXPECT_FALSE(dir.Exists("o.dxf"));
}

}  // namespace
