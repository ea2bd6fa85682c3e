// Conversions of value texts into numbers and truth values.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "text/AtoValue.h"

namespace {

namespace av = znString::znAtoValue;
using Cases = std::vector<std::pair<std::string, std::string>>;  // text, outcome

// What a conversion gives: its value in decimal, or the exception it threw (for the refused
// reals only when it carries the text).
template <class F>
std::string Outcome(F convert, const std::string& text) {
  try {
    return std::to_string(convert(text));
  } catch (const av::exSpecifiedStringIsnotNumeric& e) {
    return e.Text == text ? "NotNumeric" : "NotNumeric carrying " + e.Text;
  } catch (const av::exSpecifiedStringIsnotInteger&) {
    return "NotInteger";
  } catch (const av::exSpecifiedValueIsNegative&) {
    return "Negative";
  } catch (const av::exSpecifiedStringIsnotBool&) {
    return "NotBool";
  }
}

TEST(AtoValue, Reals) {
  const std::pair<const char*, double> accepted[] = {
      {"-1.25e-3", -1.25e-3},
      {" 7", 7.0},
      {"+.5", 0.5},
      {"1.5 ", 1.5},
      {"\t-0\n", 0.0},
      {"3e2", 300.0},
      {"5.", 5.0},
      {"1E+3", 1e3},
      {"1e-400", 0.0},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
  for (const auto& [text, value] : accepted) EXPECT_EQ(av::AtoDouble(text), value) << text;
  std::vector<std::string> refused = {"e5",    "1.2.3",  "",     " ",   "1.5abc", "1,5", "1 2",
                                      "+",     "-.",     "abc",  "inf", "-inf",   "nan", "-nan",
                                      "1e999", "-1e999", "0x10", "1e",  "--1"};
  refused.insert(refused.end(), {std::string("\xEF\xBB\xBF") + "1", std::string("1\0", 2),
                                 std::string(1, '\0') + "1"});
  for (const std::string& text : refused) EXPECT_EQ(Outcome(av::AtoDouble, text), "NotNumeric");
}

TEST(AtoValue, IntegersAndTruthValues) {
  const Cases ints = {{"-4", "-4"},
                      {"4.000", "4"},
                      {"3e2", "300"},
                      {"2147483647", "2147483647"},
                      {"-2147483648", "-2147483648"},
                      {"4.5", "NotInteger"},
                      {"1e-3", "NotInteger"},
                      {"1e10", "NotInteger"},
                      {"2147483648", "NotInteger"},
                      {"-2147483649", "NotInteger"},
                      {"four", "NotNumeric"}};
  for (const auto& [text, outcome] : ints) EXPECT_EQ(Outcome(av::AtoInt, text), outcome) << text;
  const Cases uints = {
      {"4294967295", "4294967295"}, {"-0", "0"},
      {"-1", "Negative"},           {"-0.5", "Negative"},  // the sign is checked first
      {"0.5", "NotInteger"},        {"4294967296", "NotInteger"}};
  for (const auto& [text, outcome] : uints) EXPECT_EQ(Outcome(av::AtoUInt, text), outcome) << text;
  for (const char* text : {"true", "TRUE", "True", "t", "T", "1"}) EXPECT_TRUE(av::AtoBool(text));
  for (const char* text : {"false", "FALSE", "False", "f", "F", "0"})
    EXPECT_FALSE(av::AtoBool(text));
  for (const char* text : {"yes", "TRUE ", " t", "tRue", "1.0", ""})
    EXPECT_EQ(Outcome(av::AtoBool, text), "NotBool") << text;
}

}  // namespace
