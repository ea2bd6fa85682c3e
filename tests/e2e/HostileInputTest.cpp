// Inputs and file systems as a hostile user gives them: line endings and byte order marks,
// control characters, unterminated comments, input through a pipe, outputs that cannot be
// opened and runs that are killed. What the user sees: exit code, closing line, the report's
// error with its line, and files that are wholly old or wholly new.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::RunCommand;
using frame2d::testing::RunModel;
using frame2d::testing::RunWithArgs;
using frame2d::testing::ScratchDirectory;

const char* const kSucceeded = "\nThe analysis has been succeeded.\n";
const char* const kFailed = "\nThe analysis has been failed\n";

// A cantilever with a load at its tip, one statement per line; line 4 holds N2's x.
std::string Cantilever(const std::string& x = "1000", const std::string& eol = "\n") {
  std::string model;
  for (const std::string& line : std::initializer_list<std::string>{
           "&&MainProp;", "&&Node;", "id=N1 x=0 y=0 sptx=1 spty=1 sptm=1;",
           "id=N2 x=" + x + " y=0;", "&&Element;", "id=B1 nodei=N1 nodej=N2 a=1e4 e=2e5 i=1e8;",
           "&&ImposedLoadAndDisp;", "id=N2 fy=-10;", "&&End;"}) {
    model += line + eol;
  }
  return model;
}

// The names in the directory, but the files of the test's own console.
std::set<std::string> Listing(const ScratchDirectory& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    const std::string name = entry.path().filename().string();
    if (name != "stdin" && name != "stdout" && name != "stderr") names.insert(name);
  }
  return names;
}

// Line breaks of every kind, a byte order mark and white-space control characters change
// nothing in the reports; the line of an error counts every kind of line break.
TEST(HostileInput, LineEndingsAndByteOrderMarkGiveTheSameReportsAndLines) {
  ScratchDirectory dir;
  const auto plain = RunModel(dir, Cantilever());
  ASSERT_EQ(plain.console, kSucceeded);
  const std::string spaced = "&&MainProp;\f&&Node;\vid=N1\tx=0 y=0 sptx=1 spty=1 sptm=1;\n";
  for (const std::string& model :
       {"\xEF\xBB\xBF" + Cantilever(), Cantilever("1000", "\r\n"), Cantilever("1000", "\r"),
        spaced + Cantilever().substr(Cantilever().find("id=N2"))}) {
    const auto run = RunModel(dir, model);
    EXPECT_EQ(run.console, kSucceeded) << model;
    EXPECT_EQ(run.text, plain.text) << model;
    EXPECT_EQ(run.pipe, plain.pipe) << model;
    EXPECT_EQ(run.dxf, plain.dxf) << model;
  }
  const std::string error = "SpecifiedStringIsnotNumeric\nLine : 4\nKey  : x\n";
  for (const char* eol : {"\n", "\r\n", "\r"}) {
    const auto run = RunModel(dir, Cantilever("ten", eol));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.console, kFailed);
    EXPECT_NE(run.text.find(error), std::string::npos) << run.text;
  }
}

TEST(HostileInput, ControlCharactersAndUnterminatedCommentsAreInputErrorsWithTheirLine) {
  const std::string model = Cantilever();
  const auto at = [&model](int line) {
    std::size_t pos = 0;
    for (int n = 1; n < line; ++n) pos = model.find('\n', pos) + 1;
    return pos;
  };
  const struct {
    std::string model;
    std::string error;
  } cases[] = {{model.substr(0, at(6) + 3) + std::string(1, '\0') + model.substr(at(6) + 3),
                "ControlCharacterIsInText\nLine : 6\nCode : 0x00\n"},
               {model.substr(0, at(3)) + "// \x1b[31m\n" + model.substr(at(3)),
                "ControlCharacterIsInText\nLine : 3\nCode : 0x1B\n"},
               {model.substr(0, at(7)) + "/* the load\n" + model.substr(at(7)),
                "CommentIsnotClosed\nLine : 7\n"},
               {model + "/*", "CommentIsnotClosed\nLine : 10\n"}};
  for (const auto& c : cases) {
    ScratchDirectory dir;
    const auto run = RunModel(dir, c.model);
    EXPECT_EQ(run.exitCode, 1) << c.error;
    EXPECT_EQ(run.console, kFailed) << c.error;
    EXPECT_EQ(run.text.rfind("\n\n1. Error\n\n1.1. " + c.error, 0), 0u) << run.text;
    EXPECT_EQ(run.csv.find('\0'), std::string::npos);
  }
}

// The input read from standard input, a pipe or a process substitution gives the report of
// the file; names typed with a carriage return at the end are the names without it.
TEST(HostileInput, InputThatCannotSeekAndTypedNames) {
  ScratchDirectory dir;
  ASSERT_EQ(RunWithArgs(dir, Cantilever(), "-i in.txt -o plain.txt -d plain.dxf"), 0);
  const std::string report = dir.Read("plain.txt");
  const std::string exe = "'" FRAME2D_EXE "'";
  const std::string cd = "cd '" + dir.Path() + "' && ";
  const std::string commands[] = {cd + exe + " -i - -o o.txt -d o.dxf < in.txt",
                                  cd + "cat in.txt | " + exe + " -i /dev/stdin -o o.txt -d o.dxf",
                                  cd + "bash -c \"" + exe + " -i <(cat in.txt) -o o.txt -d o.dxf\"",
                                  cd + "printf 'in.txt\\r\\no.dxf\\r\\n' | " + exe + " -o o.txt"};
  for (const std::string& command : commands) {
    std::filesystem::remove(dir.Path("o.txt"));
    const auto [status, console] = RunCommand(command);
    EXPECT_EQ(status, 0) << command;
    EXPECT_TRUE(console.ends_with(kSucceeded)) << console;
    EXPECT_EQ(dir.Read("o.txt"), report) << command;
    EXPECT_TRUE(dir.Exists("o.dxf")) << command;
  }
  EXPECT_EQ(RunWithArgs(dir, Cantilever(), "-i - -o new.txt", Cantilever()), 1);
  EXPECT_EQ(dir.Read("stdout"),
            "\nThe DXF file must be named when the input is the standard input. : outdxf\n");
  EXPECT_FALSE(dir.Exists("new.txt"));
}

// An output that cannot be opened leaves every existing file as it was and no trace; a failure
// report replaces the old reports; a run that succeeds keeps the files' permissions.
TEST(HostileInput, OutputsAreWhollyOldOrWhollyNew) {
  ScratchDirectory dir;
  for (const char* name : {"keep.txt", "keep.csv", "keep.dxf"}) dir.Write(name, "old");
  const std::set<std::string> before{"in.txt", "keep.csv", "keep.dxf", "keep.txt"};
  EXPECT_EQ(RunWithArgs(dir, Cantilever(), "-i in.txt -o keep.txt -c keep.csv -d nodir/x.dxf"), 1);
  EXPECT_EQ(dir.Read("stdout"),
            "\nThe specified file can't been open.\nFileName : nodir/x.dxf\n\n");
  EXPECT_EQ(RunWithArgs(dir, Cantilever(), "-i in.txt -o keep.txt -d keep.dxf -s ."), 1);
  EXPECT_EQ(dir.Read("stdout"), "\nThe specified file can't been open.\nFileName : .\n\n");
  EXPECT_EQ(dir.Read("keep.txt") + dir.Read("keep.csv") + dir.Read("keep.dxf"), "oldoldold");
  EXPECT_EQ(Listing(dir), before);

  EXPECT_EQ(RunWithArgs(dir, Cantilever("ten"), "-i in.txt -o keep.txt -c keep.csv -d keep.dxf"),
            1);
  EXPECT_EQ(dir.Read("stdout"), kFailed);
  EXPECT_EQ(dir.Read("keep.txt").rfind("\n\n1. Error\n\n1.1. SpecifiedStringIsnotNumeric", 0), 0u);
  EXPECT_NE(dir.Read("keep.csv").find("SpecifiedStringIsnotNumeric"), std::string::npos);

  namespace fs = std::filesystem;
  fs::permissions(dir.Path("keep.txt"), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(RunWithArgs(dir, Cantilever(), "-i in.txt -o keep.txt -c keep.csv -d keep.dxf"), 0);
  EXPECT_EQ(fs::status(dir.Path("keep.txt")).permissions(),
            fs::perms::owner_read | fs::perms::group_read);
  EXPECT_NE(dir.Read("keep.txt").find("EndType : Succeed"), std::string::npos);
  EXPECT_EQ(Listing(dir), before);
}

// Killed while it reads its input, a run leaves its outputs as they were; its temporary files,
// in the outputs' folder, are its only trace.
TEST(HostileInput, AKilledRunLeavesOnlyItsTemporaryFiles) {
  ScratchDirectory dir;
  dir.Write("keep.txt", "old");
  int input[2];
  ASSERT_EQ(pipe(input), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    if (dup2(input[0], 0) < 0 || chdir(dir.Path().c_str()) != 0) _exit(126);
    close(input[1]);
    execl(FRAME2D_EXE, FRAME2D_EXE, "-i", "-", "-o", "keep.txt", "-d", "o.dxf",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  const std::string half = Cantilever().substr(0, 40);
  ASSERT_EQ(write(input[1], half.data(), half.size()), static_cast<ssize_t>(half.size()));
  for (int wait = 0; wait < 5000 && Listing(dir).size() < 3; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  close(input[1]);
  EXPECT_EQ(dir.Read("keep.txt"), "old");
  const std::set<std::string> names = Listing(dir);
  ASSERT_EQ(names.size(), 3u);
  auto name = names.begin();
  EXPECT_EQ(name->substr(0, 7) + "|" + std::to_string(name->size()), ".keep.t|16") << *name;
  ++name;
  EXPECT_EQ(name->substr(0, 7) + "|" + std::to_string(name->size()), ".o.dxf.|13") << *name;
  EXPECT_EQ(*++name, "keep.txt");
}

}  // namespace
