// Reals of the DXF file read as the C library's "%.12g" writes them, over every magnitude, the
// boundaries of fixed notation and values halfway between two 12-digit numbers.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "draw/dxf/DxfReal.h"

namespace {

std::string Written(double value) {
  char text[znDraw::kRealTextBytes];
  return std::string(text, znDraw::WriteReal(text, value));
}

std::string Printed(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.12g", value);
  return text;
}

TEST(DxfReal, WritesWhatPrintfWritesAtTwelveDigits) {
  for (const double value : {0.0,
                             -0.0,
                             1.0,
                             -7.0,
                             0.5,
                             19.05,
                             1e-4,
                             -1e-4,
                             9.99999999999949e-5,
                             9.9999999999995e-5,
                             999999999999.4,
                             999999999999.5,
                             1e12,
                             -1e12,
                             1234567890.125,
                             1234567890.375,
                             0.30000000000000004,
                             1e300,
                             -2.5e-300,
                             std::nan(""),
                             HUGE_VAL,
                             -HUGE_VAL}) {
    EXPECT_EQ(Written(value), Printed(value)) << value;
  }
  std::mt19937_64 random(14);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> power(-8, 14);
  std::uniform_int_distribution<long long> thirteen(1'000'000'000'000, 9'999'999'999'999);
  std::uniform_int_distribution<int> shift(0, 17);
  for (int k = 0; k < 50'000; ++k) {
    const double values[] = {unit(random) * std::pow(10.0, power(random)),
                             static_cast<double>(thirteen(random)) * std::pow(10.0, -shift(random)),
                             std::bit_cast<double>(random())};
    for (const double value : values) ASSERT_EQ(Written(value), Printed(value)) << value;
  }
}

}  // namespace
