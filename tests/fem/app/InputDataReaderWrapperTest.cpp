// The wrapper's value kinds (range rules, side letters, keys without value) and its reports
// of failures that no block of the input file can cause.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "fem/app/InputDataReaderWrapper.h"
#include "fem/model/NodeProp.h"
#include "inout/OutputDataWriterText.h"

namespace {

using znFEM::znTarvex::csErrorMessage;
using znFEM::znTarvex::exFailed;
using W = znFEM::znTarvex::csInputDataReaderWrapper;
namespace model = znFEM::znTraceYield2DRahmen;

struct stRead {
  W::Block block;
  std::string report;  // the text report; empty when nothing was reported
};

// Reads the block B of "&&B;" + statements, with one key k of the given kind.
stRead ReadOneKey(int kind, const std::string& statements) {
  std::istringstream in("&&B;" + statements);
  std::ostringstream report;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(report, 120);
  csErrorMessage messages(text);
  W wrapper(in, messages);
  stRead out;
  wrapper.DeclareBlock("B", {{"k", false, kind}});
  try {
    out.block = wrapper.ReadBlock();
  } catch (const exFailed&) {
    out.block.clear();
  }
  out.report = report.str();
  return out;
}

std::string Report(const std::string& messageKey, const std::string& key) {
  return "\n\n1. Error\n\n1.1. " + messageKey + "\nLine : 1\nKey  : " + key + "\n";
}

TEST(InputDataReaderWrapper, KindsBreakingTheirRuleAreReportedByRule) {
  struct {
    int kind;
    const char* value;
    const char* messageKey;  // "" when the value is accepted
  } cases[] = {
      {W::kInteger, "-4", ""},
      {W::kInteger, "4.5", "SpecifiedStringIsnotInteger"},
      {W::kIntegerPositive, "0", "SpecifiedValueIsNegativeOrZero"},
      {W::kIntegerNotNegative, "0", ""},
      {W::kIntegerNotNegative, "-1", "SpecifiedValueIsNegative"},
      {W::kReal, "-1.5e-3", ""},
      {W::kRealPositive, "0", "SpecifiedValueIsNegativeOrZero"},
      {W::kRealNotNegative, "-0.1", "SpecifiedValueIsNegative"},
      {W::kRealNegative, "0", "SpecifiedValueIsPlusOrZero"},
      {W::kRealNegative, "-2", ""},
      {W::kRealNotPositive, "0.1", "SpecifiedValueIsPlus"},
      {W::kRealNotPositive, "0", ""},
      {W::kBool, "yes", "SpecifiedStringIsnotBool"},
      {W::kTHLR, "x", "SpecifiedTHLRStrIsWrong"},
      {W::kTHLR, "TH", "SpecifiedTHLRStrIsWrong"},
      {W::kNoValue, "1", "UnRequiredValueHasBeenSet"},
      {99, "1", "UnRequiredValueHasBeenSet"},
      {W::kText, "", "RequiredValueHasnotBeenSet"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " " + c.value);
    const stRead read = ReadOneKey(c.kind, std::string("k=") + c.value);
    if (*c.messageKey == '\0') {
      EXPECT_EQ(read.report, "");
      EXPECT_EQ(read.block.size(), 1u);
    } else {
      EXPECT_EQ(read.report, Report(c.messageKey, "k"));
    }
  }
}

TEST(InputDataReaderWrapper, SideLettersGiveTheirSideCodes) {
  const struct {
    const char* letter;
    int code;
  } cases[] = {{"t", model::kTHLR_T}, {"T", model::kTHLR_T}, {"h", model::kTHLR_H},
               {"H", model::kTHLR_H}, {"l", model::kTHLR_L}, {"L", model::kTHLR_L},
               {"r", model::kTHLR_R}, {"R", model::kTHLR_R}};
  for (const auto& c : cases) {
    const stRead read = ReadOneKey(W::kTHLR, std::string("k=") + c.letter);
    ASSERT_EQ(read.block.size(), 1u) << read.report;
    EXPECT_EQ(read.block[0].Value.at("k").THLR, c.code) << c.letter;
    EXPECT_EQ(read.block[0].Value.at("k").Str, c.letter);
  }
}

// A stream buffer whose every read fails, as reading a file may on a device error.
class csFailingBuffer : public std::streambuf {
 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }
};

TEST(InputDataReaderWrapper, FailingStreamIsReportedNotPassedOn) {
  csFailingBuffer buffer;
  std::istream in(&buffer);
  std::ostringstream report;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(report, 120);
  csErrorMessage messages(text);
  W wrapper(in, messages);
  EXPECT_THROW(wrapper.CheckBlocks({{"B", true}}), exFailed);
  EXPECT_EQ(report.str(),
            "\n\n1. Error\n\n1.1. UnExpectedErrorHasBeenThrown\nError : FailedToReadInputFile\n");
}

}  // namespace
