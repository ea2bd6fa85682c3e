#include <gtest/gtest.h>

#include <sstream>

#include "inout/OutputDataWriterCompositor.h"
#include "inout/OutputDataWriterCompositor2.h"

namespace {

using namespace znInOutData::znOutputDataWriter;

// Logs every call it receives, with its name and arguments, into a shared log.
class RecordingWriter : public ifOutputDataWriter {
 public:
  RecordingWriter(char name, std::string& log) : name_(name), log_(log) {}
  void MainTitle(const std::string& t) override { Log("MainTitle " + t); }
  void Title(unsigned level, const std::string& t) override {
    Log("Title " + std::to_string(level) + t);
  }
  void NewLine() override { Log("NewLine"); }
  void Sentence(const std::string& t) override { Log("Sentence " + t); }
  void Pair(const std::string& k, const std::string& v, const std::string& s, unsigned w) override {
    Log("Pair " + k + v + s + std::to_string(w));
  }
  void Table(const stTable& tb) override { Log("Table " + tb.Value.at(0).at(0)); }
  void End() override { Log("End"); }

 private:
  void Log(const std::string& call) { log_ += std::string(1, name_) + ":" + call + ";"; }
  char name_;
  std::string& log_;
};

TEST(OutputDataWriterCompositor, FansEveryItemOutInRegistrationOrder) {
  std::string log;
  RecordingWriter first('1', log), second('2', log);
  csOutputDataWriterCompositor compositor;
  compositor.Add(&first);
  compositor.Add(&second);
  ifOutputDataWriter& writer = compositor;
  writer.MainTitle("M");
  writer.Title(2, "T");
  writer.NewLine();
  writer.Sentence("S");
  writer.Pair("k", "v", "=", 4);
  writer.Table(stTable{{1}, {}, {{"c"}}});
  writer.End();
  EXPECT_EQ(log,
            "1:MainTitle M;2:MainTitle M;1:Title 2T;2:Title 2T;1:NewLine;2:NewLine;"
            "1:Sentence S;2:Sentence S;1:Pair kv=4;2:Pair kv=4;1:Table c;2:Table c;1:End;2:End;");
}

TEST(OutputDataWriterCompositor2, CreatesTheThreeWritersOnTheirStreams) {
  std::ostringstream text, csv, pipe;
  csOutputDataWriterCompositor2 chain;
  chain.AddText(text, 100)->SetWidth(3).SetValueRightAlign(true);
  chain.AddCsv(csv);
  chain.AddPipe(pipe);
  chain.Table(stTable{{2}, {}, {{"a"}}});
  EXPECT_EQ(text.str(), "  a\n");
  EXPECT_EQ(csv.str(), "\"a\",\n");
  EXPECT_EQ(pipe.str(), "&&Table\n#RowNum\n0\n#RowNum\n1\n#ColNum\n1\n#LineNum\n1\na\n");
}

}  // namespace
