// Runs the built frame2d on a model in a scratch directory with every output named, and keeps
// the console, the exit code and the four output files.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "app/ScratchDirectory.h"

namespace frame2d::testing {

struct stRunOutcome {
  int exitCode = -1;
  std::string console;
  std::string text;
  std::string csv;
  std::string pipe;
  std::string dxf;
};

// model: the input text, written to in.txt; args: the command line after the program name;
// typed: what the console is given. Nothing may reach standard error. Returns the exit code;
// the console is in "stdout".
inline int RunWithArgs(const ScratchDirectory& dir, const std::string& model,
                       const std::string& args, const std::string& typed = "") {
  dir.Write("in.txt", model);
  dir.Write("stdin", typed);
  const std::string command =
      "cd '" + dir.Path() + "' && '" FRAME2D_EXE "' " + args + " < stdin > stdout 2> stderr";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status)) << command;
  EXPECT_EQ(dir.Read("stderr"), "") << command;
  return WEXITSTATUS(status);
}

inline stRunOutcome RunModel(const ScratchDirectory& dir, const std::string& model) {
  const int exitCode = RunWithArgs(dir, model, "-i in.txt -o o.txt -c o.csv -p o.pipe -d o.dxf");
  return {exitCode,          dir.Read("stdout"), dir.Read("o.txt"),
          dir.Read("o.csv"), dir.Read("o.pipe"), dir.Read("o.dxf")};
}

// A shell command's exit status and everything it printed, standard error included.
inline std::pair<int, std::string> RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return {-1, "cannot start: " + command};
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  return {pclose(pipe), output};
}

inline std::string ReadExample(const std::string& name) {
  std::ifstream file(std::string(FRAME2D_SOURCE_DIR "/examples/") + name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace frame2d::testing
