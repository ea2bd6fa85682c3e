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

// Unset counts show as dashes; an end or side code outside its range is a failure, not a name.
TEST(Format, UnsetCountsAndCodesOutOfRange) {
  EXPECT_EQ(FormatCount(0) + " " + FormatCount(4294967294u), "0 4294967294");
  EXPECT_EQ(FormatCount(4294967295u), "----");
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
}

}  // namespace
