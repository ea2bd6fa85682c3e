#include <gtest/gtest.h>

#include <sstream>

#include "inout/OutputDataWriterCsv.h"

namespace {

using znInOutData::znOutputDataWriter::csOutputDataWriterCsv;
using znInOutData::znOutputDataWriter::stTable;

TEST(OutputDataWriterCsv, TitleMarksCarryLevelAndSectionNumber) {
  std::ostringstream out;
  csOutputDataWriterCsv writer(out);
  writer.Title(1, "Model");
  writer.Title(2, "Node");
  writer.Title(2, "Element");
  writer.Title(1, "Result");
  writer.Title(2, "Node");
  EXPECT_EQ(out.str(),
            "\n\"[$_1]\"\n\"Model\"\n\n\"[$$_1.1]\"\n\"Node\"\n\n\"[$$_1.2]\"\n\"Element\"\n"
            "\n\"[$_2]\"\n\"Result\"\n\n\"[$$_2.1]\"\n\"Node\"\n");
}

TEST(OutputDataWriterCsv, EveryFieldIsQuotedWithQuotesDoubled) {
  std::ostringstream out;
  csOutputDataWriterCsv writer(out);
  writer.MainTitle("Frame");
  writer.Sentence("\"");
  writer.Pair("Line", "12", " : ", 20);
  writer.Table(stTable{{10, 10}, {{"ID", "X"}}, {{"", "a,\"b"}}});
  writer.NewLine();
  writer.End();
  EXPECT_EQ(out.str(),
            "\"Frame\"\n\"\"\"\"\n\"Line\",\"12\"\n\"ID\",\"X\",\n\"\",\"a,\"\"b\",\n\n");
}

}  // namespace
