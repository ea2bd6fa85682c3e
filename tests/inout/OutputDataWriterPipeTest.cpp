#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/ScratchDirectory.h"
#include "inout/OutputDataWriterPipe.h"

namespace {

using znInOutData::znOutputDataWriter::csOutputDataWriterPipe;
using znInOutData::znOutputDataWriter::stTable;

TEST(OutputDataWriterPipe, CountedStringsCarryTheirLineCount) {
  std::ostringstream out;
  csOutputDataWriterPipe writer(out);
  writer.MainTitle("a\nb\nc");
  writer.Sentence("");
  writer.Title(2, "Node");
  writer.Pair("Line", "12", " : ", 8);
  writer.NewLine();
  writer.End();
  EXPECT_EQ(out.str(),
            "&&MainTitle\n#LineNum\n3\na\nb\nc\n"
            "&&Sentence\n#LineNum\n1\n\n"
            "&&Title\n#Level\n2\n#LineNum\n1\nNode\n"
            "&&Pair\n#LineNum\n1\nLine\n#LineNum\n1\n12\n&&End\n");
}

TEST(OutputDataWriterPipe, TableWritesAHeadBlockEvenWithoutHeadRows) {
  std::ostringstream out;
  csOutputDataWriterPipe writer(out);
  writer.Table(stTable{{5, 5}, {}, {{"x", "y"}, {"z"}}});
  writer.Table(stTable{{5}, {{"h"}}, {}});
  EXPECT_EQ(out.str(),
            "&&Table\n#RowNum\n0\n"
            "#RowNum\n2\n"
            "#ColNum\n2\n#LineNum\n1\nx\n#LineNum\n1\ny\n"
            "#ColNum\n1\n#LineNum\n1\nz\n"
            "&&Table\n#RowNum\n1\n#ColNum\n1\n#LineNum\n1\nh\n#RowNum\n0\n");
}

TEST(OutputDataWriterPipe, EachItemReachesTheFileAtOnce) {
  frame2d::testing::ScratchDirectory dir;
  std::ofstream file(dir.Path("report.pipe"));
  csOutputDataWriterPipe writer(file);
  writer.Sentence("seen");
  EXPECT_EQ(dir.Read("report.pipe"), "&&Sentence\n#LineNum\n1\nseen\n");
}

}  // namespace
