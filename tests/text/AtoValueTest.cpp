// Conversions of value texts into numbers and truth values.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "text/AtoValue.h"

namespace {

namespace av = znString::znAtoValue;

TEST(AtoValue, AcceptedReals) {
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {"-1.25e-3", -1.25e-3}, {" 7", 7.0},
      {"+.5", 0.5},           {"1.5 ", 1.5},
      {"\t-0\n", 0.0},        {"3e2", 300.0},
      {"1E+3", 1000.0},       {"5.", 5.0},
      {"1e-400", 0.0},        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(av::AtoDouble(c.text), c.value);
  }
}

TEST(AtoValue, RefusedReals) {
  const std::string cases[] = {"e5",
                               "1.2.3",
                               "",
                               " ",
                               "1.5abc",
                               "1,5",
                               "1 2",
                               "+",
                               "-.",
                               "abc",
                               "inf",
                               "-inf",
                               "nan",
                               "-nan",
                               "1e999",
                               "-1e999",
                               "0x10",
                               "1e",
                               "--1",
                               "\xEF\xBB\xBF"
                               "1",
                               std::string("1\0", 2),
                               std::string("\0"
                                           "1",
                                           2)};
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    try {
      av::AtoDouble(text);
      ADD_FAILURE() << "accepted";
    } catch (const av::exSpecifiedStringIsnotNumeric& e) {
      EXPECT_EQ(e.Text, text);
    }
  }
}

TEST(AtoValue, Integers) {
  EXPECT_EQ(av::AtoInt("-4"), -4);
  EXPECT_EQ(av::AtoInt("4.000"), 4);
  EXPECT_EQ(av::AtoInt("3e2"), 300);
  EXPECT_EQ(av::AtoInt("2147483647"), std::numeric_limits<int>::max());
  EXPECT_EQ(av::AtoInt("-2147483648"), std::numeric_limits<int>::min());
  for (const char* text : {"4.5", "1e-3", "1e10", "2147483648", "-2147483649"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(av::AtoInt(text), av::exSpecifiedStringIsnotInteger);
  }
  EXPECT_THROW(av::AtoInt("four"), av::exSpecifiedStringIsnotNumeric);
}

TEST(AtoValue, UnsignedIntegers) {
  EXPECT_EQ(av::AtoUInt("4294967295"), std::numeric_limits<unsigned>::max());
  EXPECT_EQ(av::AtoUInt("-0"), 0u);
  EXPECT_THROW(av::AtoUInt("-1"), av::exSpecifiedValueIsNegative);
  EXPECT_THROW(av::AtoUInt("-0.5"), av::exSpecifiedValueIsNegative);  // sign checked first
  EXPECT_THROW(av::AtoUInt("0.5"), av::exSpecifiedStringIsnotInteger);
  EXPECT_THROW(av::AtoUInt("4294967296"), av::exSpecifiedStringIsnotInteger);
}

TEST(AtoValue, TruthValuesAreExactWords) {
  for (const char* text : {"true", "TRUE", "True", "t", "T", "1"}) EXPECT_TRUE(av::AtoBool(text));
  for (const char* text : {"false", "FALSE", "False", "f", "F", "0"}) {
    EXPECT_FALSE(av::AtoBool(text));
  }
  for (const char* text : {"yes", "TRUE ", " t", "tRue", "1.0", ""}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(av::AtoBool(text), av::exSpecifiedStringIsnotBool);
  }
}

}  // namespace
