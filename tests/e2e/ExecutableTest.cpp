// End-to-end checks that drive the built executable.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(Executable, SucceedsAndExitsZero) {
  const std::string command = std::string(FRAME2D_EXE) + " > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
}
