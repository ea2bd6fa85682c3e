#include <gtest/gtest.h>

#include <sstream>

#include "inout/OutputDataWriterCompositor.h"
#include "inout/OutputDataWriterCompositor2.h"

namespace {

using namespace znInOutData::znOutputDataWriter;

// Logs every call it receives, with its name, into a shared log.
class RecordingWriter : public ifOutputDataWriter {
 public:
  RecordingWriter(std::string name, std::string& log) : name_(std::move(name)), log_(log) {}
  void MainTitle(const std::string& t) override { Log("MainTitle(" + t + ")"); }
  void Title(unsigned level, const std::string& t) override {
    Log("Title(" + std::to_string(level) + "," + t + ")");
  }
  void NewLine() override { Log("NewLine"); }
  void Sentence(const std::string& t) override { Log("Sentence(" + t + ")"); }
  void Pair(const std::string& k, const std::string& v, const std::string& sep,
            unsigned kw) override {
    Log("Pair(" + k + "," + v + "," + sep + "," + std::to_string(kw) + ")");
  }
  void Table(const stTable& tb) override {
    Log("Table(" + std::to_string(tb.Head.size()) + "," + std::to_string(tb.Value.size()) + ")");
  }
  void End() override { Log("End"); }

 private:
  void Log(const std::string& call) { log_ += name_ + ":" + call + ";"; }
  std::string name_;
  std::string& log_;
};

TEST(OutputDataWriterCompositor, FansEveryItemOutInRegistrationOrder) {
  std::string log;
  RecordingWriter first("1", log), second("2", log);
  csOutputDataWriterCompositor compositor;
  compositor.Add(&first);
  compositor.Add(&second);
  ifOutputDataWriter& writer = compositor;
  writer.MainTitle("M");
  writer.Title(2, "T");
  writer.NewLine();
  writer.Sentence("S");
  writer.Pair("k", "v", "=", 4);
  writer.Table(stTable{{1}, {{"h"}}, {{"a"}, {"b"}}});
  writer.End();
  EXPECT_EQ(log,
            "1:MainTitle(M);2:MainTitle(M);1:Title(2,T);2:Title(2,T);1:NewLine;2:NewLine;"
            "1:Sentence(S);2:Sentence(S);1:Pair(k,v,=,4);2:Pair(k,v,=,4);"
            "1:Table(1,2);2:Table(1,2);1:End;2:End;");
}

TEST(OutputDataWriterCompositor, WithoutWritersItemsAreDiscarded) {
  csOutputDataWriterCompositor compositor;
  compositor.Sentence("nowhere");
  compositor.End();
  SUCCEED();
}

TEST(OutputDataWriterCompositor2, CreatesTheThreeWritersOnTheirStreams) {
  std::ostringstream text, csv, pipe;
  csOutputDataWriterCompositor2 chain;
  chain.AddText(text, 100)->SetWidth(3).SetValueRightAlign(true);
  chain.AddCsv(csv);
  chain.AddPipe(pipe);
  chain.MainTitle("T");
  chain.Table(stTable{{2}, {}, {{"a"}}});
  EXPECT_EQ(text.str(), "===\n\nT\n\n===\n\n  a\n");
  EXPECT_EQ(csv.str(), "\"T\"\n\"a\",\n");
  EXPECT_EQ(pipe.str(),
            "&&MainTitle\n#LineNum\n1\nT\n"
            "&&Table\n#RowNum\n0\n#RowNum\n1\n#ColNum\n1\n#LineNum\n1\na\n");
}

}  // namespace
