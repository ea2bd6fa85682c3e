// The report's number formats: every number fits its column, so that the text report, which
// cuts a cell at its width, never shows a number with digits missing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fem/app/report/FormatTables.h"

namespace {

using znFEM::znTarvex::csFormatTables;
using F = csFormatTables;

TEST(FormatTables, NumbersWiderThanTheirColumnTurnScientific) {
  struct Case {
    double value;
    unsigned format;
    unsigned width;
    const char* text;
  };
  const double unset = std::numeric_limits<double>::max();
  const Case cases[] = {
      {2.05e11, F::kFormatSection, 10, "2.0500e+11"},   // fixed would be 205000000000.0000
      {-2.05e11, F::kFormatSection, 10, "-2.050e+11"},  // one digit fewer to fit the sign
      {1234.5, F::kFormatSection, 10, "1234.5000"},     // fits: stays fixed
      {0.3, F::kFormatSection, 10, "0.3000"},
      {123456789.0, F::kFormatCoordinate, 10, "1.2e+08"},
      {-4500.0, F::kFormatCoordinate, 10, "-4500.0"},
      {150.0, F::kFormatRigid, 8, "150.00"},
      {123456.78, F::kFormatRigid, 8, "1.23e+05"},
      {-12.5, F::kFormatForce, 12, "-1.2500e+01"},
      {unset, F::kFormatSection, 10, "----"},
      {-unset, F::kFormatForce, 12, "----"},
      {-0.0, F::kFormatForce, 12, "0.0000e+00"},
  };
  const csFormatTables formats;
  for (const Case& c : cases) {
    EXPECT_EQ(formats.Number(c.value, c.format, c.width), c.text) << c.value;
  }
}

// Whatever the magnitude, the text in a column of width 10 reads back as the value within
// the precision shown: half a unit of the last digit, where a sign may cost one digit.
TEST(FormatTables, EveryMagnitudeReadsBackWithinItsPrecision) {
  const csFormatTables formats;
  for (unsigned format : {F::kFormatSection, F::kFormatCoordinate, F::kFormatRigid}) {
    const double relative = 0.5 * std::pow(10.0, 1.0 - formats.Precision(format));
    const double absolute = 0.5 * std::pow(10.0, -1.0 * formats.Precision(format));
    for (int exponent = -3; exponent <= 30; ++exponent) {
      for (double sign : {1.0, -1.0}) {
        const double value = sign * 1.23456789 * std::pow(10.0, exponent);
        const std::string text = formats.Number(value, format, 10);
        ASSERT_LE(text.size(), 10u) << text;
        const double read = std::stod(text);
        const double tolerance = std::max(std::fabs(value) * relative, absolute);
        EXPECT_NEAR(read, value, tolerance) << text;
      }
    }
  }
}

}  // namespace
