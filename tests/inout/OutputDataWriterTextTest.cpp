#include <gtest/gtest.h>

#include <sstream>

#include "inout/OutputDataWriterText.h"

namespace {

using znInOutData::znOutputDataWriter::csOutputDataWriterText;
using znInOutData::znOutputDataWriter::stTable;

TEST(OutputDataWriterText, MainTitleBetweenRulesOfTheWidth) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 5);
  writer.MainTitle("Frame");
  EXPECT_EQ(out.str(), "=====\n\nFrame\n\n=====\n\n");
}

TEST(OutputDataWriterText, TitleNumbersRestartUnderTheNextParent) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 20);
  writer.Title(1, "Model");
  writer.Title(2, "Node");
  writer.Title(2, "Element");
  writer.Title(1, "Result");
  writer.Title(2, "Node");
  EXPECT_EQ(out.str(),
            "\n\n1. Model\n"
            "\n1.1. Node\n"
            "\n1.2. Element\n"
            "\n\n2. Result\n"
            "\n2.1. Node\n");
}

TEST(OutputDataWriterText, SentenceIsCutHardIntoLinesOfTheWidth) {
  struct Case {
    const char* text;
    const char* expected;
  };
  // Width 4: the first line is a space and 3 characters, the others 4 characters.
  const Case cases[] = {
      {"", " \n"},
      {"abc", " abc\n"},
      {"abcd", " abc\nd\n"},
      {"abcdefghij", " abc\ndefg\nhij\n"},
      {"abcdefg", " abc\ndefg\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    csOutputDataWriterText(out, 4).Sentence(c.text);
    EXPECT_EQ(out.str(), c.expected) << c.text;
  }
}

TEST(OutputDataWriterText, PairPadsTheKeyToItsWidth) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 80);
  writer.Pair("Line", "12", " : ", 8);
  writer.Pair("LongerKey", "x", "=", 3);
  EXPECT_EQ(out.str(), "Line     : 12\nLongerKey=x\n");
}

TEST(OutputDataWriterText, TableFitsCellsUnderARule) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 120);
  writer.SetHeadRightAlign(true).SetValueRightAlign(true);
  const std::string mark = "\xE2\x97\x8B";  // three bytes, padded as three characters
  writer.Table(stTable{{10, 10, 7}, {{"Name", "Value", "Spt"}}, {{"abcdefghijkl", "abc", mark}}});
  EXPECT_EQ(out.str(), "       Name      Value     Spt\n" + std::string(30, '=') +
                           "\n" +  // 10 + 10 + 7 plus one space per column
                           " abcdefghij        abc     " + mark + "\n");
}

TEST(OutputDataWriterText, TableCellsAreLeftAlignedByDefaultAndHaveNoRuleWithoutHead) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 120);
  writer.Table(stTable{{4, 3}, {}, {{"ab", "c"}, {"abcd", "cdef"}}});
  EXPECT_EQ(out.str(), " ab   c  \n abcd cde\n");
}

TEST(OutputDataWriterText, HeadAndBodyAlignIndependently) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 120);
  writer.SetValueRightAlign(true);
  writer.Table(stTable{{3}, {{"h"}}, {{"v"}}});
  EXPECT_EQ(out.str(), " h  \n====\n   v\n");
}

TEST(OutputDataWriterText, CellsBeyondTheWidthsAreWrittenWhole) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 120);
  writer.Table(stTable{{2}, {}, {{"a", "extra"}}});
  EXPECT_EQ(out.str(), " a  extra\n");
}

TEST(OutputDataWriterText, SetWidthChangesRulesAndNewLineAndEnd) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 100);
  writer.SetWidth(3).MainTitle("T");
  writer.NewLine();
  writer.End();
  EXPECT_EQ(out.str(), "===\n\nT\n\n===\n\n\n");
}

}  // namespace
