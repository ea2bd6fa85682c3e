// The block input reader: the block index and its errors, headers, typed values and their
// rules, the order of checks in a statement, and line numbers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "inout/InputDataReader.h"
#include "inout/InputDataReaderOutcome.h"

namespace {

using inputtest::Catch;
using inputtest::Outcome;
using znInOutData::znInputDataReader::csInputDataReader;
using znInOutData::znInputDataReader::InputLine;
using znInOutData::znInputDataReader::InputValue;
using R = csInputDataReader;

struct Reader {
  explicit Reader(const std::string& text) : in(text) {}
  std::istringstream in;
  csInputDataReader reader{in, "="};

  // Reads block with keys id (text, necessary) and x (real, optional).
  R::Block ReadIdX(const std::string& block) {
    reader.SetBlockName(block);
    reader.ClearKeys();
    reader.SetKey("id", true, R::kText);
    reader.SetKey("x", false, R::kReal);
    return reader.ReadBlock();
  }
};

std::vector<std::string> Ids(const R::Block& block) {
  std::vector<std::string> ids;
  for (const InputLine& line : block) ids.push_back(line.Value.at("id").Str);
  return ids;
}

std::vector<int> Lines(const R::Block& block) {
  std::vector<int> lines;
  for (const InputLine& line : block) lines.push_back(line.LineNum);
  return lines;
}

void ExpectOutcome(const Outcome& got, const char* kind, int line, const std::string& key) {
  EXPECT_EQ(got.kind, kind);
  EXPECT_EQ(got.line, line);
  EXPECT_EQ(got.key, key);
}

const R::BlockList kBlocks = {{"End", true}, {"MainProp", true}, {"Node", true}, {"Opt", false}};

Outcome CheckBlocks(const std::string& text, const R::BlockList& blocks = kBlocks) {
  Reader r(text);
  return Catch([&] { r.reader.CheckBlocks(blocks); });
}

TEST(InputDataReaderBlocks, AllNecessaryBlocksPresentPasses) {
  EXPECT_EQ(CheckBlocks("&&MainProp;&&Node;\n  &&End;").kind, "none");
  EXPECT_EQ(CheckBlocks("&&MainProp;&&Node;&&Opt;&&Node;&&End;").kind, "none");
}

TEST(InputDataReaderBlocks, MissingBlocksAreReportedFirstInNameOrder) {
  // Both End and Node missing, and Foo unexpected: End is reported (missing first, by name).
  ExpectOutcome(CheckBlocks("&&MainProp;\n&&Foo;"), "NecessaryBlockKeyHasnotBeenSet", 0, "End");
  ExpectOutcome(CheckBlocks("&&MainProp;&&End;"), "NecessaryBlockKeyHasnotBeenSet", 0, "Node");
  ExpectOutcome(CheckBlocks(""), "NecessaryBlockKeyHasnotBeenSet", 0, "End");
}

TEST(InputDataReaderBlocks, UnexpectedHeadersAreReportedInNameOrderWithTheirLine) {
  const std::string text = "&&MainProp;\n&&Node;\n\n\n\n&&Zed;\n&&Foo;\n&&End;";
  ExpectOutcome(CheckBlocks(text), "UnExpectedBlockKeyHasBeenSet", 7, "Foo");
  // A later header of the same name gives the line.
  ExpectOutcome(CheckBlocks("&&Foo;\n&&MainProp;&&Node;&&End;\n&&Foo;"),
                "UnExpectedBlockKeyHasBeenSet", 3, "Foo");
  // A header inside a comment is no header.
  EXPECT_EQ(CheckBlocks("&&MainProp;&&Node;/* &&Foo; */ // &&Bar;\n&&End;").kind, "none");
}

TEST(InputDataReaderBlocks, HeaderWithWhiteSpaceAtItsEndsIsAHeaderInBothPlaces) {
  const std::string text = "&&MainProp;\n  &&Node \t;\nid=N1;\n&&End\n;";
  EXPECT_EQ(CheckBlocks(text).kind, "none");
  Reader r(text);
  EXPECT_EQ(Ids(r.ReadIdX("Node")), std::vector<std::string>{"N1"});
}

// A header with something after the name (or one whose ';' was forgotten, so that it runs into
// the first item) is indexed under its whole text and reported, never silently dropped.
TEST(InputDataReaderBlocks, HeaderWithTextAfterItsNameIsAnUnexpectedBlock) {
  ExpectOutcome(CheckBlocks("&&MainProp;&&Node;\n&&Node x;\nid=N1;&&End;"),
                "UnExpectedBlockKeyHasBeenSet", 2, "Node x");
  ExpectOutcome(CheckBlocks("&&MainProp;&&Node;&&End;\n&&Node\n id=N1\tx=0;"),
                "UnExpectedBlockKeyHasBeenSet", 2, "Node id=N1 x=0");
  ExpectOutcome(CheckBlocks("&&MainProp;&&Node;&&End;\n&& Node;"), "UnExpectedBlockKeyHasBeenSet",
                2, " Node");
  ExpectOutcome(CheckBlocks("&&MainProp;&&Node;&&End;\n&&;"), "UnExpectedBlockKeyHasBeenSet", 2,
                "");
  // Bytes of 0x80 and above are name characters, never white space.
  ExpectOutcome(CheckBlocks("&&MainProp;&&Node;&&End;\n&&\xC3\xA9\t\xA0x ;"),
                "UnExpectedBlockKeyHasBeenSet", 2, "\xC3\xA9 \xA0x");
}

TEST(InputDataReaderBlocks, HeaderWithTextAfterItsNameDoesNotOpenTheBlock) {
  Reader r("&&Node x;\nid=N1;\n&&Node;\nid=N2;&&End;");
  EXPECT_EQ(Ids(r.ReadIdX("Node")), std::vector<std::string>{"N2"});
}

TEST(InputDataReaderRead, BlockInTwoPiecesReadsAsOneInFileOrder) {
  Reader r("&&Node;\nid=N1;\nid=N2;\n&&Opt;\nid=O1;\n&&Node;\nid=N3;\n&&End;\nid=E1;");
  EXPECT_EQ(Ids(r.ReadIdX("Node")), (std::vector<std::string>{"N1", "N2", "N3"}));
  EXPECT_EQ(Ids(r.ReadIdX("Opt")), std::vector<std::string>{"O1"});
  EXPECT_TRUE(r.ReadIdX("Missing").empty());
}

TEST(InputDataReaderRead, RecordsCarryTheLineOfTheirFirstCharacter) {
  Reader r(
      "/* header\n comment */&&Node;\n"
      "id=N1;  id=N2\n;\n"
      "/* a\nb */id=N3 x=1;\n"
      "\n  // note; &&Foo;\n  id=N4\n;&&End;");
  const R::Block block = r.ReadIdX("Node");
  EXPECT_EQ(Ids(block), (std::vector<std::string>{"N1", "N2", "N3", "N4"}));
  EXPECT_EQ(Lines(block), (std::vector<int>{3, 3, 6, 9}));
}

TEST(InputDataReaderRead, ValuesOfPresentKeysOnly) {
  Reader r("&&B;a=N1 b=-3 c=2.5 d=T e;a=x");
  r.reader.SetBlockName("B");
  r.reader.SetKey("a", true, R::kText);
  r.reader.SetKey("b", false, R::kInteger);
  r.reader.SetKey("c", false, R::kReal);
  r.reader.SetKey("d", false, R::kBool);
  r.reader.SetKey("e", false, R::kNoValue);
  const R::Block block = r.reader.ReadBlock();
  ASSERT_EQ(block.size(), 2u);
  InputValue b;
  b.Int = -3;
  InputValue c;
  c.Dbl = 2.5;
  InputValue d;
  d.Bool = true;
  const InputLine first{1, {{"a", {"N1"}}, {"b", b}, {"c", c}, {"d", d}, {"e", InputValue{}}}};
  EXPECT_EQ(block[0], first);
  EXPECT_EQ(block[1].Value.size(), 1u);
  EXPECT_TRUE(block[0].Value.at("e").Bool);
}

struct TypeCase {
  int type;
  const char* text;
  const char* kind;  // "none" when accepted
};

TEST(InputDataReaderRead, EachValueTypeConvertsAndChecksItsRule) {
  const TypeCase cases[] = {
      {R::kText, "any\"thing", "none"},
      {R::kInteger, "-7", "none"},
      {R::kInteger, "3e2", "none"},
      {R::kInteger, "3.5", "SpecifiedStringIsnotInteger"},
      {R::kInteger, "1e10", "SpecifiedStringIsnotInteger"},
      {R::kInteger, "seven", "SpecifiedStringIsnotNumeric"},
      {R::kIntegerPositive, "1.0", "none"},
      {R::kIntegerPositive, "0", "SpecifiedValueIsNegativeOrZero"},
      {R::kIntegerNotNegative, "0", "none"},
      {R::kIntegerNotNegative, "-1", "SpecifiedValueIsNegative"},
      {R::kIntegerNegative, "-1", "none"},
      {R::kIntegerNegative, "0", "SpecifiedValueIsPlusOrZero"},
      {R::kIntegerNotPositive, "0", "none"},
      {R::kIntegerNotPositive, "1", "SpecifiedValueIsPlus"},
      {R::kReal, "-1.5e-3", "none"},
      {R::kReal, "1e999", "SpecifiedStringIsnotNumeric"},
      {R::kReal, "-nan", "SpecifiedStringIsnotNumeric"},
      {R::kRealPositive, "1e-300", "none"},
      {R::kRealPositive, "0", "SpecifiedValueIsNegativeOrZero"},
      {R::kRealNotNegative, "0", "none"},
      {R::kRealNotNegative, "-1e-9", "SpecifiedValueIsNegative"},
      {R::kRealNegative, "-1e-9", "none"},
      {R::kRealNegative, "0", "SpecifiedValueIsPlusOrZero"},
      {R::kRealNotPositive, "0", "none"},
      {R::kRealNotPositive, "1e-9", "SpecifiedValueIsPlus"},
      {R::kBool, "t", "none"},
      {R::kBool, "yes", "SpecifiedStringIsnotBool"},
      {R::kNoValue, "1", "UnRequiredValueHasBeenSet"},
  };
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " " + c.text);
    Reader r(std::string("&&B;\n\nv=") + c.text);
    r.reader.SetBlockName("B");
    r.reader.SetKey("v", false, c.type);
    const Outcome got = Catch([&] { r.reader.ReadBlock(); });
    EXPECT_EQ(got.kind, c.kind);
    if (got.kind != "none") {
      EXPECT_EQ(got.line, 3);
      EXPECT_EQ(got.key, "v");
    }
  }
}

TEST(InputDataReaderRead, UnknownTypeCodeTakesNoValue) {
  Reader r("&&B;k;k=1");
  r.reader.SetBlockName("B");
  r.reader.SetKey("k", false, 99);
  const Outcome got = Catch([&] { r.reader.ReadBlock(); });
  EXPECT_EQ(got.kind, "UnRequiredValueHasBeenSet");
}

class StatementChecks : public ::testing::Test {
 protected:
  Outcome Read(const std::string& statement) {
    Reader r("&&B;\n" + statement);
    r.reader.SetBlockName("B");
    r.reader.SetKey("id", true, R::kText);
    r.reader.SetKey("a", false, R::kReal);
    r.reader.SetKey("b", false, R::kRealPositive);
    r.reader.SetKey("n", false, R::kNoValue);
    return Catch([&] { r.reader.ReadBlock(); });
  }
};

TEST_F(StatementChecks, DuplicatedKeyNeedsTwoNonEmptyValues) {
  ExpectOutcome(Read("id=N1 id=N2"), "SpecifiedKeyIsDuplicated", 2, "id");
  EXPECT_EQ(Read("id=N1 id=").kind, "none");
  EXPECT_EQ(Read("id=N1 n n").kind, "none");
}

// The pair reader's three checks run over all keys before any key is checked for repetition
// or converted; then keys are taken one by one in key order.
TEST_F(StatementChecks, ChecksRunInTheirOrderAndReportTheFirstKeyByText) {
  struct Case {
    const char* statement;
    const char* kind;
    const char* key;
  };
  const Case cases[] = {
      {"a=1 a=2 id=N1 zz=1 yy=1", "UnExpectedKey", "yy"},
      {"a=x a=y b=0", "NecessaryKeyHasnotBeenSet", "id"},
      {"id=N1 a=1 a=2 n=1", "UnRequiredValueHasBeenSet", "n"},
      {"id=N1 b=-1 a", "RequiredValueHasnotBeenSet", "a"},
      {"id=N1 b=0 b=1 a=x", "SpecifiedStringIsnotNumeric", "a"},
      {"id=N1 b=0 a=1 a=2", "SpecifiedKeyIsDuplicated", "a"},
      {"id=N1 id=N2 b=0", "SpecifiedValueIsNegativeOrZero", "b"},
      {"id=N1 id=N2 b=1", "SpecifiedKeyIsDuplicated", "id"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.statement);
    ExpectOutcome(Read(c.statement), c.kind, 2, c.key);
  }
}

TEST_F(StatementChecks, EmptyStatementFailsOnTheFirstNecessaryKey) {
  Reader r("&&B;\nid=N1;;");
  r.reader.SetBlockName("B");
  r.reader.SetKey("x", false, R::kReal);
  r.reader.SetKey("id", true, R::kText);
  ExpectOutcome(Catch([&] { r.reader.ReadBlock(); }), "NecessaryKeyHasnotBeenSet", 2, "id");
}

TEST(InputDataReaderRead, EmptyStatementsAreRecordsWhenNoKeyIsNecessary) {
  Reader r("&&B;\n;;\n");
  r.reader.SetBlockName("B");
  r.reader.SetKey("x", false, R::kReal);
  const R::Block block = r.reader.ReadBlock();
  ASSERT_EQ(block.size(), 3u);  // "", "" and the line feed after the last ';'
  EXPECT_TRUE(block[0].Value.empty());
  EXPECT_EQ(Lines(block), (std::vector<int>{2, 2, 3}));
}

TEST(InputValue, ComparesRealsToSixDigitsAndPrints) {
  InputValue a;
  a.Dbl = 1.0;
  InputValue b = a;
  b.Dbl = 1.0000001;
  EXPECT_EQ(a, b);
  b.Dbl = 1.001;
  EXPECT_FALSE(a == b);
  b = a;
  b.Bool = false;
  EXPECT_FALSE(a == b);
  std::ostringstream out;
  InputValue v;
  v.Str = "N1";
  out << InputLine{4, {{"id", v}}};
  EXPECT_EQ(out.str(),
            "(LineNum) : 4\n(Value  ) :\n[id]\n(Str ) : N1\n(Int ) : 0\n(Dbl ) : 0\n"
            "(Bool) : true\n");
}

}  // namespace
