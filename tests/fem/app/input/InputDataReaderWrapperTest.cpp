// The wrapper's value kinds (range rules, side letters, keys without value) and its reports
// of failures that no block of the input file can cause.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>

#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/model/NodeProp.h"
#include "inout/OutputDataWriterText.h"

namespace {

using znFEM::znTarvex::exFailed;
using W = znFEM::znTarvex::csInputDataReaderWrapper;
namespace model = znFEM::znTraceYield2DRahmen;

// Reads "&&B;k=" + value with the key k of the given kind; gives the text report, or, when
// nothing was reported, the side code read.
std::string ReadOneKey(std::istream& in, int kind) {
  std::ostringstream report;
  znInOutData::znOutputDataWriter::csOutputDataWriterText text(report, 120);
  znFEM::znTarvex::csErrorMessage messages(text);
  W wrapper(in, messages);
  try {
    wrapper.CheckBlocks({{"B", true}});
    wrapper.DeclareBlock("B", {{"k", false, kind}});
    const W::Block& block = wrapper.ReadBlock();
    return "side " + std::to_string(W::GetSide(block.at(0), "k"));
  } catch (const exFailed&) {
    return report.str();
  }
}

// The kinds the readers' error test (ReaderErrorsTest) does not reach through a file.
TEST(InputDataReaderWrapper, KindsBreakingTheirRuleAreReportedByRule) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {W::kInteger, "-4", ""},
      {W::kIntegerNotNegative, "0", ""},
      {W::kIntegerNotNegative, "-1", "SpecifiedValueIsNegative"},
      {W::kReal, "-1.5e-3", ""},
      {W::kRealNegative, "0", "SpecifiedValueIsPlusOrZero"},
      {W::kRealNegative, "-2", ""},
      {W::kRealNotPositive, "0.1", "SpecifiedValueIsPlus"},
      {W::kRealNotPositive, "0", ""},
      {W::kTHLR, "x", "SpecifiedTHLRStrIsWrong"},
      {W::kTHLR, "TH", "SpecifiedTHLRStrIsWrong"},
      {W::kNoValue, "1", "UnRequiredValueHasBeenSet"},
      {99, "1", "UnRequiredValueHasBeenSet"},
      {W::kText, "", "RequiredValueHasnotBeenSet"}};
  for (const auto& [kind, value, message] : cases) {
    std::istringstream in(std::string("&&B;k=") + value);
    EXPECT_EQ(ReadOneKey(in, kind),
              *message ? "\n\n1. Error\n\n1.1. " + std::string(message) + "\nLine : 1\nKey  : k\n"
                       : "side " + std::to_string(model::kTHLR_Undef))
        << kind << " " << value;
  }
  const std::string letters = "tThHlLrR";  // sides T, H, L and R, codes 0 to 3
  for (std::size_t i = 0; i < letters.size(); ++i) {
    std::istringstream in("&&B;k=" + letters.substr(i, 1));
    EXPECT_EQ(ReadOneKey(in, W::kTHLR), "side " + std::to_string(i / 2)) << letters[i];
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
  EXPECT_EQ(ReadOneKey(in, W::kText),
            "\n\n1. Error\n\n1.1. UnExpectedErrorHasBeenThrown\nError : FailedToReadInputFile\n");
}

}  // namespace
