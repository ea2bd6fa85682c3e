#include <gtest/gtest.h>

#include <sstream>

#include "inout/OutputDataWriterText.h"

namespace {

using znInOutData::znOutputDataWriter::csOutputDataWriterText;
using znInOutData::znOutputDataWriter::stTable;

TEST(OutputDataWriterText, TitlesAreNumberedAndRestartUnderTheNextParent) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 5);
  writer.MainTitle("Frame");
  writer.Title(1, "Model");
  writer.Title(2, "Node");
  writer.Title(2, "Element");
  writer.Title(1, "Result");
  writer.Title(2, "Node");
  writer.NewLine();
  writer.End();
  EXPECT_EQ(out.str(),
            "=====\n\nFrame\n\n=====\n\n"
            "\n\n1. Model\n\n1.1. Node\n\n1.2. Element\n"
            "\n\n2. Result\n\n2.1. Node\n\n");
}

TEST(OutputDataWriterText, SentenceIsCutHardIntoLinesOfTheWidth) {
  // Width 4: the first line is a space and 3 characters, the others 4 characters.
  const std::pair<const char*, const char*> cases[] = {
      {"", " \n"}, {"abc", " abc\n"}, {"abcd", " abc\nd\n"}, {"abcdefghij", " abc\ndefg\nhij\n"}};
  for (const auto& [text, expected] : cases) {
    std::ostringstream out;
    csOutputDataWriterText(out, 4).Sentence(text);
    EXPECT_EQ(out.str(), expected) << text;
  }
}

TEST(OutputDataWriterText, PairPadsTheKeyToItsWidth) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 80);
  writer.Pair("Line", "12", " : ", 8);
  writer.Pair("LongerKey", "x", "=", 3);
  EXPECT_EQ(out.str(), "Line     : 12\nLongerKey=x\n");
}

TEST(OutputDataWriterText, TableCellsAreFittedOrCutUnderARule) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 120);
  writer.SetHeadRightAlign(true).SetValueRightAlign(true);
  const std::string mark = "\xE2\x97\x8B";  // three bytes: 4 spaces of padding in width 7
  writer.Table(stTable{{10, 10, 7}, {{"Name", "Value", "Spt"}}, {{"abcdefghijkl", "abc", mark}}});
  EXPECT_EQ(out.str(), "       Name      Value     Spt\n" + std::string(30, '=') + "\n" +
                           " abcdefghij        abc     " + mark + "\n");
}

TEST(OutputDataWriterText, AlignmentsAreSeparateAndNoRuleWithoutHead) {
  std::ostringstream out;
  csOutputDataWriterText writer(out, 120);
  writer.SetValueRightAlign(true);
  writer.Table(stTable{{3}, {{"h"}}, {{"v"}}});
  writer.SetValueRightAlign(false);
  writer.Table(stTable{{4, 3}, {}, {{"ab", "c"}}});
  EXPECT_EQ(out.str(), " h  \n====\n   v\n ab   c  \n");
}

// A row longer than the widths is written whole rather than read past the widths.
TEST(OutputDataWriterText, CellsBeyondTheWidthsAreWrittenWhole) {
  std::ostringstream out;
  csOutputDataWriterText(out, 120).Table(stTable{{2}, {}, {{"a", "extra"}}});
  EXPECT_EQ(out.str(), " a  extra\n");
}

}  // namespace
