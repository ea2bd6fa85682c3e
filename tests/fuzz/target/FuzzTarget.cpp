// libFuzzer target: runs the whole program on one input file with every output named, in a
// scratch directory of its own, and aborts when a run wrote a number that is not finite into a
// report (text, CSV, pipe) or, when it succeeded, into any output. Crashes, sanitizer reports,
// uncaught exceptions, hangs and leaks are caught by libFuzzer and the sanitizers themselves.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ios>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Driver.h"
#include "app/RunAssembly.h"
#include "fuzz/NonFinite.h"

namespace {

namespace fs = std::filesystem;

// The outputs by option, in the order of the command line; the first three are the reports.
const char* const kOutputs[][2] = {{"-o", "out.txt"}, {"-c", "out.csv"}, {"-p", "out.pipe"},
                                   {"-d", "out.dxf"}, {"-s", "out.svg"}, {"-w", "out.html"}};
const std::size_t kReports = 3;

// One directory per process, under TMPDIR; the run script removes TMPDIR afterwards, since
// libFuzzer ends its processes without running exit handlers.
const fs::path& Scratch() {
  static const fs::path path = [] {
    std::string pattern = (fs::temp_directory_path() / "frame2d-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("frame2d fuzz: mkdtemp");
      std::abort();
    }
    return fs::path(pattern);
  }();
  return path;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void AbortIfNonFinite(const std::string& name, const std::string& text, std::string_view input) {
  const std::string found = frame2d::testing::FindNonFinite(text, input);
  if (found.empty()) return;
  std::fprintf(stderr, "\n==frame2d fuzz== a run wrote a non-finite number to %s:\n%s\n",
               name.c_str(), found.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& dir = Scratch();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string inputName = (dir / "in.txt").string();
  std::ofstream(inputName, std::ios::binary)
      .write(input.data(), static_cast<std::streamsize>(size));

  std::vector<std::string> args{"frame2d", "-i", inputName};
  for (const auto& output : kOutputs) {
    const fs::path path = dir / output[1];
    std::error_code ignored;
    fs::remove(path, ignored);  // nothing of an earlier run may be checked again
    args.push_back(output[0]);
    args.push_back(path.string());
  }
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());

  std::istringstream console;  // every name is given, so nothing is asked
  std::ostringstream out;
  const int exitCode = frame2d::RunDriver(static_cast<int>(argv.size()), argv.data(),
                                          frame2d::RunAssembly, console, out);
  // A failed run's drawings show the geometry as read, which may lie beyond any scale; its
  // reports are checked all the same.
  AbortIfNonFinite("the console", out.str(), input);
  const std::size_t checked = exitCode == 0 ? std::size(kOutputs) : kReports;
  for (std::size_t k = 0; k < checked; ++k) {
    AbortIfNonFinite(kOutputs[k][1], ReadFile(dir / kOutputs[k][1]), input);
  }
  return 0;
}
