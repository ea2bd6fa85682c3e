#include <gtest/gtest.h>

#include <limits>

#include "print/Format.h"

namespace {

using namespace znPrint;

TEST(Format, NumbersInFixedAndScientificNotation) {
  const double unset = std::numeric_limits<double>::max();
  const struct {
    double value;
    unsigned precision;
    bool fixed;
    const char* expected;
  } cases[] = {{12.5, 4, false, "1.2500e+01"},  {12.5, 1, true, "12.5"},
               {1234.5678, 2, true, "1234.57"}, {-0.000123, 3, false, "-1.230e-04"},
               {1e6, 0, true, "1000000"},       {unset, 4, true, "----"},
               {-unset, 4, true, "----"},       {-unset, 2, false, "----"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.precision, c.fixed), c.expected) << c.value;
  }
}

TEST(Format, CountsCodesAndFlags) {
  EXPECT_EQ(FormatCount(0) + " " + FormatCount(4294967294u), "0 4294967294");
  EXPECT_EQ(FormatCount(4294967295u), "----");
  EXPECT_EQ(DirectionName(0) + DirectionName(1) + DirectionName(2), "XYM");
  EXPECT_EQ(DirectionName(3) + DirectionName(-1), "");
  EXPECT_EQ(EndName(0) + EndName(1) + EndName(2), "IJUndef");
  EXPECT_EQ(SideName(0) + SideName(1) + SideName(2), "ABUndef");
  for (auto* name : {&EndName, &SideName}) {
    for (int code : {3, -1}) {
      try {
        name(code);
        ADD_FAILURE() << code << " was named";
      } catch (const std::string& text) {
        EXPECT_EQ(text, "bad case!!!");
      }
    }
  }
  EXPECT_EQ(SupportMark(true), "\xE2\x97\x8B");  // U+25CB in UTF-8
  EXPECT_EQ(SupportMark(false), "");
  EXPECT_EQ(ImposedTypeName(1) + " " + ImposedTypeName(0) + " " + ImposedTypeName(2),
            "DirectInput dummy dummy");
  EXPECT_EQ(EdgeTypeName(0) + " " + EdgeTypeName(1) + " " + EdgeTypeName(2) + " " +
                EdgeTypeName(3) + " " + EdgeTypeName(4),
            "dummy DirectInput ConcentratedLoad DistributedLoad dummy");
}

}  // namespace
