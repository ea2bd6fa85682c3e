// Every example's four outputs, byte for byte against the files kept in tests/golden. A change
// that alters an output on purpose regenerates them (`make golden`) in the same commit.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// The line and both versions of the first line that differs, instead of two whole files.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
  std::size_t line = 1, start = 0;
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
    if (actual[i] != expected[i]) break;
    if (actual[i] == '\n') ++line, start = i + 1;
  }
  const auto lineAt = [start](const std::string& s) {
    return s.substr(start, s.find('\n', start) - start);
  };
  return "line " + std::to_string(line) + "\n  got:      " + lineAt(actual) +
         "\n  expected: " + lineAt(expected);
}

TEST(GoldenOutputs, EveryExampleWritesItsKeptOutputs) {
  const std::filesystem::path source(FRAME2D_SOURCE_DIR);
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(source / "examples")) {
    if (entry.path().extension() != ".txt") continue;
    ++examples;
    const std::string name = entry.path().stem().string();
    ScratchDirectory dir;
    const auto outcome = RunModel(dir, ReadFile(entry.path()));
    ASSERT_EQ(outcome.exitCode, 0) << name;
    const std::pair<const char*, const std::string*> outputs[] = {{".txt", &outcome.text},
                                                                  {".csv", &outcome.csv},
                                                                  {".pipe", &outcome.pipe},
                                                                  {".dxf", &outcome.dxf}};
    for (const auto& [extension, actual] : outputs) {
      const auto golden = source / "tests/golden" / (name + extension);
      ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
      const std::string expected = ReadFile(golden);
      EXPECT_TRUE(*actual == expected) << name << extension << " differs from " << golden << " at "
                                       << FirstDifference(*actual, expected);
    }
  }
  EXPECT_GE(examples, 5);
}

}  // namespace
