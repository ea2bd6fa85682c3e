#include <gtest/gtest.h>

#include <limits>

#include "print/Format.h"

namespace {

using namespace znPrint;

const double kUnset = std::numeric_limits<double>::max();

TEST(Format, NumbersInFixedAndScientificNotation) {
  struct Case {
    double value;
    unsigned precision;
    bool fixed;
    const char* expected;
  };
  const Case cases[] = {
      {12.5, 4, false, "1.2500e+01"},  {12.5, 1, true, "12.5"},
      {1234.5678, 2, true, "1234.57"}, {-0.000123, 3, false, "-1.230e-04"},
      {0.0, 3, true, "0.000"},         {1e6, 0, true, "1000000"},
      {kUnset, 4, true, "----"},       {-kUnset, 4, true, "----"},
      {-kUnset, 2, false, "----"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.precision, c.fixed), c.expected)
        << c.value << " p=" << c.precision << " fixed=" << c.fixed;
  }
}

TEST(Format, CountsWithTheUnsetSentinel) {
  EXPECT_EQ(FormatCount(0), "0");
  EXPECT_EQ(FormatCount(4294967294u), "4294967294");
  EXPECT_EQ(FormatCount(4294967295u), "----");
}

TEST(Format, DirectionNamesAreEmptyForUnknownCodes) {
  EXPECT_EQ(DirectionName(0), "X");
  EXPECT_EQ(DirectionName(1), "Y");
  EXPECT_EQ(DirectionName(2), "M");
  EXPECT_EQ(DirectionName(3), "");
  EXPECT_EQ(DirectionName(-1), "");
}

TEST(Format, EndAndSideNamesThrowTheBadCaseTextForUnknownCodes) {
  EXPECT_EQ(EndName(0) + EndName(1) + EndName(2), "IJUndef");
  EXPECT_EQ(SideName(0) + SideName(1) + SideName(2), "ABUndef");
  for (int code : {3, -1}) {
    try {
      EndName(code);
      ADD_FAILURE() << "EndName(" << code << ") did not throw";
    } catch (const std::string& text) {
      EXPECT_EQ(text, "bad case!!!");
    }
    try {
      SideName(code);
      ADD_FAILURE() << "SideName(" << code << ") did not throw";
    } catch (const std::string& text) {
      EXPECT_EQ(text, "bad case!!!");
    }
  }
}

TEST(Format, SupportMarkIsTheWhiteCircleInUtf8) {
  EXPECT_EQ(SupportMark(true), "\xE2\x97\x8B");
  EXPECT_EQ(SupportMark(false), "");
}

TEST(Format, LoadTypeNames) {
  EXPECT_EQ(ImposedTypeName(1), "DirectInput");
  EXPECT_EQ(ImposedTypeName(0), "dummy");
  EXPECT_EQ(ImposedTypeName(2), "dummy");
  const char* edgeNames[] = {"dummy", "DirectInput", "ConcentratedLoad", "DistributedLoad",
                             "dummy"};
  for (int type = 0; type < 5; ++type) EXPECT_EQ(EdgeTypeName(type), edgeNames[type]);
}

}  // namespace
