// The output data writers at the edges the reports of the examples (the golden outputs) do not
// reach: quotes in CSV fields, cut cells and wrapped sentences in the text, multi-line strings
// and empty head blocks in the pipe.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/ScratchDirectory.h"
#include "inout/OutputDataWriterCsv.h"
#include "inout/OutputDataWriterPipe.h"
#include "inout/OutputDataWriterText.h"

namespace {

using namespace znInOutData::znOutputDataWriter;

// Every field is quoted, with its double quotes doubled, whatever item it belongs to.
TEST(OutputDataWriter, CsvQuotesEveryFieldAndDoublesItsQuotes) {
  std::ostringstream csv;
  csOutputDataWriterCsv writer(csv);
  writer.Sentence("a\"b");
  writer.Pair("Line", "12", " : ", 8);
  writer.Table(stTable{{3, 3}, {{"ID", "X"}}, {{"", "a,\"b"}}});
  EXPECT_EQ(csv.str(), "\"a\"\"b\"\n\"Line\",\"12\"\n\"ID\",\"X\",\n\"\",\"a,\"\"b\",\n");
}

TEST(OutputDataWriter, TextSentenceAndPairWidths) {
  // Width 4: the first line of a sentence is a space and 3 characters, the others 4 characters;
  // a character of several bytes counts once and is never split.
  const std::pair<const char*, const char*> cases[] = {{"", " \n"},
                                                       {"abc", " abc\n"},
                                                       {"abcd", " abc\nd\n"},
                                                       {"abcdefghij", " abc\ndefg\nhij\n"},
                                                       {"aé○ébc", " aé○\nébc\n"}};
  for (const auto& [text, expected] : cases) {
    std::ostringstream out;
    csOutputDataWriterText(out, 4).Sentence(text);
    EXPECT_EQ(out.str(), expected) << text;
  }
  std::ostringstream out;
  csOutputDataWriterText(out, 80).Pair("LongerKey", "x", "=", 3);
  csOutputDataWriterText(out, 80).Pair("\xE2\x97\x8B", "x", "=", 3);
  EXPECT_EQ(out.str(), "LongerKey=x\n\xE2\x97\x8B  =x\n");
}

// Cells are fitted to their widths (cut when longer, padded on the side the alignment says),
// each after one space; a rule follows head rows only. A cell beyond the widths is written whole.
TEST(OutputDataWriter, TextTableCellsAreFittedOrCutUnderARule) {
  const std::string mark = "\xE2\x97\x8B";  // three bytes, one character: 6 spaces in width 7
  const struct {
    bool headRight, valueRight;
    stTable table;
    std::string text;
  } cases[] = {{true,
                true,
                {{10, 10, 7}, {{"Name", "Value", "Spt"}}, {{"abcdefghijkl", "abc", mark}}},
                "       Name      Value     Spt\n" + std::string(30, '=') +
                    "\n abcdefghij        abc       " + mark + "\n"},
               {true, true, {{2}, {}, {{mark + mark + mark}}}, " " + mark + mark + "\n"},
               {false, true, {{3}, {{"h"}}, {{"v"}}}, " h  \n====\n   v\n"},
               {true, false, {{4, 3}, {}, {{"ab", "c"}}}, " ab   c  \n"},
               {false, false, {{2}, {}, {{"a", "extra"}}}, " a  extra\n"}};
  for (const auto& c : cases) {
    std::ostringstream out;
    csOutputDataWriterText writer(out, 120);
    writer.SetHeadRightAlign(c.headRight).SetValueRightAlign(c.valueRight).Table(c.table);
    EXPECT_EQ(out.str(), c.text);
  }
}

TEST(OutputDataWriter, PipeCountsTheLinesOfItsStringsAndWritesEveryHeadBlock) {
  std::ostringstream out;
  csOutputDataWriterPipe writer(out);
  writer.MainTitle("a\nb\nc");
  writer.Sentence("");
  writer.Title(2, "Node");
  writer.Pair("Line", "12", " : ", 8);
  writer.NewLine();
  const std::size_t before = out.str().size();
  writer.BeginTable({{5, 5}, {}, 2});  // rows given in two blocks: one item, at the table's end
  csRows rows;
  rows.NewRow();
  rows.Cell("x");
  rows.Cell("y");
  writer.Rows(rows);
  rows.Clear();
  rows.NewRow();
  rows.Cell("z");
  writer.Rows(rows);
  EXPECT_EQ(out.str().size(), before);
  writer.EndTable();
  writer.Table(stTable{{5}, {{"h"}}, {}});
  writer.End();
  EXPECT_EQ(out.str(),
            "&&MainTitle\n#LineNum\n3\na\nb\nc\n&&Sentence\n#LineNum\n1\n\n"
            "&&Title\n#Level\n2\n#LineNum\n1\nNode\n&&Pair\n#LineNum\n1\nLine\n#LineNum\n1\n12\n"
            "&&Table\n#RowNum\n0\n#RowNum\n2\n#ColNum\n2\n#LineNum\n1\nx\n#LineNum\n1\ny\n"
            "#ColNum\n1\n#LineNum\n1\nz\n"
            "&&Table\n#RowNum\n1\n#ColNum\n1\n#LineNum\n1\nh\n#RowNum\n0\n&&End\n");
  frame2d::testing::ScratchDirectory dir;  // each item reaches the file at once
  std::ofstream file(dir.Path("report.pipe"));
  csOutputDataWriterPipe(file).Sentence("seen");
  EXPECT_EQ(dir.Read("report.pipe"), "&&Sentence\n#LineNum\n1\nseen\n");
}

}  // namespace
