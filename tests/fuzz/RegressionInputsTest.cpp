// The inputs the fuzzer once found a fault with (tests/fuzz/regressions), run through the built
// program with every output named: each run ends with exit code 0 or 1 and nothing on standard
// error (where a sanitizer would report); no report shows a number that is not finite, and a run
// that succeeds writes none to any output. Also the non-finite check itself, which decides what the
// fuzzer reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/RunModel.h"
#include "fuzz/NonFinite.h"

namespace {

using frame2d::testing::FindNonFinite;
using frame2d::testing::RunWithArgs;
using frame2d::testing::ScratchDirectory;

std::vector<std::filesystem::path> RegressionInputs() {
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry :
       std::filesystem::directory_iterator(FRAME2D_SOURCE_DIR "/tests/fuzz/regressions")) {
    if (entry.path().extension() == ".txt") inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

TEST(FuzzRegressionInputs, EndWithTheirExitCodeAndOnlyFiniteNumbers) {
  const char* const outputs[] = {"o.txt", "o.csv", "o.pipe", "o.dxf", "o.svg", "o.html"};
  for (const auto& input : RegressionInputs()) {
    SCOPED_TRACE(input.filename().string());
    ScratchDirectory dir;
    std::ifstream file(input, std::ios::binary);
    const std::string model((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const int exitCode = RunWithArgs(
        dir, model, "-i in.txt -o o.txt -c o.csv -p o.pipe -d o.dxf -s o.svg -w o.html");
    EXPECT_TRUE(exitCode == 0 || exitCode == 1) << exitCode;
    // The reports are the first three; a failed run's drawings show the geometry as read.
    for (std::size_t k = 0; k < (exitCode == 0 ? std::size(outputs) : 3); ++k) {
      EXPECT_EQ(FindNonFinite(dir.Read(outputs[k]), model), "") << outputs[k];
    }
  }
}

TEST(FuzzNonFiniteCheck, FindsNonFiniteNumbersButNotWordsOrTheInputsOwnNames) {
  struct Case {
    const char* output;
    const char* input;
    const char* found;
  };
  const Case cases[] = {
      {"10\n-nan\n20", "", "10\n-nan\n20"},
      {"x=1.5,inf,2", "", "x=1.5,inf,2"},
      {"<line x1=\"-Infinity\"/>", "", "<line x1=\"-Infinity\"/>"},
      {"NaN", "id=N1", "NaN"},
      {"Information, infant, nano, nan1, N1inf", "", ""},
      {"Node : inf", "id=inf x=0", ""},  // the input's own name, echoed
      {"Node : INF", "id=inf x=0", ""},  // in any case
      {"Node : inf", "id=infinite x=0", "Node : inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindNonFinite(c.output, c.input), c.found) << c.output;
  }
}

}  // namespace
