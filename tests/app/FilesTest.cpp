#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "app/Files.h"
#include "app/ScratchDirectory.h"

namespace {

using frame2d::csFiles;

class FilesTest : public ::testing::Test {
 protected:
  FilesTest() { dir.Write("in.txt", "&&End;\n"); }

  // Runs Setup on a fresh file set; returns the text it threw, or "" when it succeeded.
  std::string Setup(std::vector<std::string> args, const std::string& typed = "") {
    args.insert(args.begin(), "frame2d");
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::istringstream console(typed);
    std::ostringstream prompt;
    files = std::make_unique<csFiles>();
    try {
      files->Setup(static_cast<int>(argv.size()), argv.data(), console, prompt);
    } catch (const std::string& text) {
      return text;
    }
    return "";
  }

  std::string P(const std::string& name) const { return dir.Path(name); }

  frame2d::testing::ScratchDirectory dir;
  std::unique_ptr<csFiles> files;
};

TEST_F(FilesTest, NoOutputExistsAfterAnUnopenableOne) {
  const std::string badCsv = P("no-such-dir/o.csv");
  EXPECT_EQ(Setup({"-i", P("in.txt"), "-o", P("o.txt"), "-c", badCsv, "-p", P("o.pipe"), "-d",
                   P("o.dxf")}),
            "The specified file can't been open.\nFileName : " + badCsv + "\n");
  EXPECT_FALSE(dir.Exists("o.txt") || dir.Exists("o.pipe") || dir.Exists("o.dxf"));

  // A missing input, and a directory named as the input, cannot be opened for reading.
  for (const std::string& input : {P("missing.txt"), dir.Path()}) {
    EXPECT_EQ(Setup({"-i", input, "-c", P("o.csv"), "-d", P("o.dxf")}),
              "The specified file can't been open.\nFileName : " + input + "\n");
    EXPECT_FALSE(dir.Exists("o.csv") || dir.Exists("o.dxf"));
  }
}

// Naming one file twice would truncate the input before it is read, or let two outputs
// overwrite each other: it is refused before any output is opened.
TEST_F(FilesTest, SameFileNamedTwiceIsRefusedAndNothingIsTruncated) {
  dir.Write("old.csv", "kept");
  const std::string otherSpelling = dir.Path() + "/./in.txt";
  const struct {
    std::vector<std::string> args;
    std::string typed;
    std::string reported;
  } cases[] = {{{"-i", P("in.txt"), "-o", P("in.txt"), "-d", P("o.dxf")}, "", P("in.txt")},
               {{"-i", P("in.txt"), "-o", P("o.txt"), "-c", P("old.csv"), "-d", P("old.csv")},
                "",
                P("old.csv")},
               {{"-i", P("in.txt")}, P("in.txt") + "\n", P("in.txt")},
               {{"-i", P("in.txt"), "-p", otherSpelling, "-d", P("o.dxf")}, "", otherSpelling}};
  for (const auto& c : cases) {
    EXPECT_EQ(Setup(c.args, c.typed),
              "The same file is specified twice.\nFileName : " + c.reported + "\n");
  }
  EXPECT_EQ(dir.Read("in.txt"), "&&End;\n");
  EXPECT_EQ(dir.Read("old.csv"), "kept");
  EXPECT_FALSE(dir.Exists("o.txt") || dir.Exists("o.dxf"));
}

}  // namespace
