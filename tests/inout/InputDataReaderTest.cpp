// The block input reader: the block index and its errors, headers, typed values and their
// rules, the order of checks in a statement, and line numbers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

#include "inout/InputDataReader.h"
#include "inout/InputDataReaderOutcome.h"

namespace {

using inputtest::Catch;
using znInOutData::znInputDataReader::InputLine;
using R = znInOutData::znInputDataReader::csInputDataReader;

TEST(InputDataReader, BlockIndexReportsMissingThenUnexpectedBlocksInNameOrder) {
  const std::string base = "&&MainProp;&&Node;&&End;\n";
  const std::pair<std::string, const char*> cases[] = {
      {"&&MainProp;&&Node;\n  &&End;", "none"},
      {"&&MainProp;&&Node;&&Opt;&&Node;&&End;", "none"},
      {"&&MainProp;&&Node;/* &&Foo; */ // &&Bar;\n&&End;", "none"},
      {"&&MainProp;\n  &&Node \t;\n&&End\n;", "none"},
      {"&&MainProp;\n&&Foo;", "NecessaryBlockKeyHasnotBeenSet@0:End"},
      {"&&MainProp;&&End;", "NecessaryBlockKeyHasnotBeenSet@0:Node"},
      {"", "NecessaryBlockKeyHasnotBeenSet@0:End"},
      {"&&MainProp;\n&&Node;\n\n\n\n&&Zed;\n&&Foo;\n&&End;", "UnExpectedBlockKeyHasBeenSet@7:Foo"},
      {"&&Foo;\n" + base + "&&Foo;", "UnExpectedBlockKeyHasBeenSet@3:Foo"},  // the last header
      // A header with text after its name (or without its ';') is indexed under its whole
      // text, white space folded, and reported: its items are never silently dropped.
      {base + "&&Node x;\nid=N1;", "UnExpectedBlockKeyHasBeenSet@2:Node x"},
      {base + "&&Node\n id=N1\tx=0;", "UnExpectedBlockKeyHasBeenSet@2:Node id=N1 x=0"},
      {base + "&& Node;", "UnExpectedBlockKeyHasBeenSet@2: Node"},
      {base + "&&;", "UnExpectedBlockKeyHasBeenSet@2:"},
      {base + "&&\xC3\xA9\t\xA0x ;", "UnExpectedBlockKeyHasBeenSet@2:\xC3\xA9 \xA0x"}};
  for (const auto& [text, outcome] : cases) {
    std::istringstream in(text);
    R reader(in, "=");
    EXPECT_EQ(
        Catch([&] {
          reader.CheckBlocks({{"End", true}, {"MainProp", true}, {"Node", true}, {"Opt", false}});
        }),
        outcome)
        << text;
  }
}

TEST(InputDataReader, BlockRecordsInFileOrderWithTheLineOfTheirFirstCharacter) {
  const std::string pieces =
      "&&Node;\nid=N1;\nid=N2;\n&&Opt;\nid=O1;\n&&Node;\nid=N3;\n&&End;\nid=E1;";
  const struct {
    std::string text;
    const char* block;
    const char* records;  // "id@line|" of each record
  } cases[] = {{pieces, "Node", "N1@2|N2@3|N3@7|"},
               {pieces, "Opt", "O1@5|"},
               {pieces, "Missing", ""},
               {"&&MainProp;\n  &&Node \t;\nid=N1;\n&&End\n;", "Node", "N1@3|"},
               {"&&Node x;\nid=N1;\n&&Node;\nid=N2;&&End;", "Node", "N2@4|"},
               {"&&Node;\n  id=N1;  id=N2\n;&&End;", "Node", "N1@2|N2@2|"}};
  for (const auto& c : cases) {
    std::istringstream in(c.text);
    R reader(in, "=");
    reader.SetBlockName(c.block);
    reader.SetKey("id", true, R::kText);
    reader.SetKey("x", false, R::kReal);
    std::string records;
    reader.ReadBlock({}, [&](const InputLine& line) {
      records += std::string(line.Find("id")->Str) + "@" + std::to_string(line.LineNum) + "|";
    });
    EXPECT_EQ(records, c.records) << c.text << " " << c.block;
  }
}

// Only the field of the key's type is set; absent keys have no value; an empty statement is a
// record of its own.
TEST(InputDataReader, ValuesOfPresentKeysOnly) {
  std::istringstream in("&&B;a=N1 b=-3 c=2.5 d=F e;;\n");
  R reader(in, "=");
  reader.SetBlockName("B");
  for (const auto& [key, type] : {std::pair{"a", R::kText},
                                  {"b", R::kInteger},
                                  {"c", R::kReal},
                                  {"d", R::kBool},
                                  {"e", R::kNoValue}})
    reader.SetKey(key, false, type);
  std::string records;  // "line:" and "key:Str,Int,Dbl,Bool " per value, then "|"
  reader.ReadBlock({}, [&](const InputLine& line) {
    records += std::to_string(line.LineNum) + ":";
    for (const auto& [key, value] : line.Values) {
      records += std::string(key) + ":" + std::string(value.Str) + "," + std::to_string(value.Int) +
                 "," + std::to_string(value.Dbl) + "," + (value.Bool ? "T" : "F") + " ";
    }
    records += line.Find("f") == nullptr ? "|" : "f?|";
  });
  EXPECT_EQ(records,
            "1:a:N1,0,0.000000,T b:,-3,0.000000,T c:,0,2.500000,T d:,0,0.000000,F "
            "e:,0,0.000000,T |1:|2:|");
}

// Every statement of the block passes the rules of its keys before any is checked further,
// and every one is checked before any is taken.
TEST(InputDataReader, BlockPassesEachCheckWholeBeforeTheNext) {
  const std::pair<const char*, const char*> cases[] = {{"a=bad;\na=1 z=1;", "UnExpectedKey@2:z"},
                                                       {"a=1;\na=bad;", "Check@2"}};
  for (const auto& [statements, outcome] : cases) {
    std::istringstream in(std::string("&&B;") + statements);
    R reader(in, "=");
    reader.SetBlockName("B");
    reader.SetKey("a", false, R::kText);
    std::string taken;
    const auto check = [](const InputLine& line) {
      if (line.Find("a")->Str == "bad") throw std::string("Check@") + std::to_string(line.LineNum);
    };
    std::string caught = Catch([&] {
      try {
        reader.ReadBlock(check, [&](const InputLine&) { taken += "taken"; });
      } catch (const std::string& e) {
        taken += e;
      }
    });
    EXPECT_EQ(caught == "none" ? taken : caught, outcome) << statements;
  }
}

// Words are split at runs of white space and at their first separator only; every other
// byte, a NUL or one of a byte-order mark, belongs to the word.
TEST(InputDataReader, WordsSplitAtWhiteSpaceAndTheFirstSeparator) {
  const std::tuple<std::string, const char*, std::string> cases[] = {
      {"  a=N1\tb\n \r", "=", "N1"}, {"a=b=c", "=", "b=c"}, {"a::v:w", "::", "v:w"}};
  for (const auto& [statement, separator, value] : cases) {
    std::istringstream in("&&B;" + statement);
    R reader(in, separator);
    reader.SetBlockName("B");
    reader.SetKey("a", true, R::kText);
    reader.SetKey("b", false, R::kNoValue);
    std::string values;
    reader.ReadBlock({}, [&](const InputLine& line) {
      const auto* a = line.Find("a");
      values += a != nullptr ? std::string(a->Str) : "?";
    });
    EXPECT_EQ(values, value) << statement;
  }
  std::istringstream in(
      "&&B;\xEF\xBB\xBF"
      "a=1");
  R reader(in, "=");
  reader.SetBlockName("B");
  reader.SetKey("a", false, R::kText);
  EXPECT_EQ(Catch([&] { reader.ReadBlock({}, {}); }),
            "UnExpectedKey@1:\xEF\xBB\xBF"
            "a");
}

// The types the application wrapper does not use; its test checks the others with the reports
// they give.
TEST(InputDataReader, EachValueTypeConvertsAndChecksItsRule) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {R::kIntegerNegative, "-1", "none"},
      {R::kIntegerNegative, "0", "SpecifiedValueIsPlusOrZero"},
      {R::kIntegerNotPositive, "0", "none"},
      {R::kIntegerNotPositive, "1", "SpecifiedValueIsPlus"},
      {R::kInteger, "1e10", "SpecifiedStringIsnotInteger"},
      {R::kReal, "-nan", "SpecifiedStringIsnotNumeric"}};
  for (const auto& [type, text, kind] : cases) {
    std::istringstream in(std::string("&&B;\n\nv=") + text);
    R reader(in, "=");
    reader.SetBlockName("B");
    reader.SetKey("v", false, type);
    const std::string expected = std::string(kind) + (std::string(kind) == "none" ? "" : "@3:v");
    EXPECT_EQ(Catch([&] { reader.ReadBlock({}, {}); }), expected) << type << " " << text;
  }
}

// The pair reader's three checks run over all keys before any key is checked for repetition
// or converted; then keys are taken one by one in key order.
TEST(InputDataReader, StatementChecksRunInTheirOrderAndReportTheFirstKeyByText) {
  // A file without its ';' runs statements together: long statements keep the same order.
  const auto times = [](const std::string& words, int n) {
    std::string text;
    for (int k = 0; k < n; ++k) text += words;
    return text;
  };
  const std::string manyA = times("b=1 a=1 ", 20) + "id=N1";
  const std::string manyB = times("b=0 ", 40) + "id=N1 a=x";
  const std::pair<std::string, const char*> cases[] = {
      {manyA, "SpecifiedKeyIsDuplicated@2:a"},
      {manyB, "SpecifiedStringIsnotNumeric@2:a"},
      {"id=N1 id=N2", "SpecifiedKeyIsDuplicated@2:id"},
      {"id=N1 id=", "none"},
      {"id=N1 n n", "none"},
      {"a=1 a=2 id=N1 zz=1 yy=1", "UnExpectedKey@2:yy"},
      {"=5 id=N1", "UnExpectedKey@2:"},  // an empty key
      {"a=x a=y b=0", "NecessaryKeyHasnotBeenSet@2:id"},
      {"id=N1;;", "NecessaryKeyHasnotBeenSet@2:id"},  // an empty statement is an item
      {"id=N1 a=1 a=2 n=1", "UnRequiredValueHasBeenSet@2:n"},
      {"id=N1 b=-1 a", "RequiredValueHasnotBeenSet@2:a"},
      {"id=N1 b=0 b=1 a=x", "SpecifiedStringIsnotNumeric@2:a"},
      {"id=N1 b=0 a=1 a=2", "SpecifiedKeyIsDuplicated@2:a"},
      {"id=N1 id=N2 b=0", "SpecifiedValueIsNegativeOrZero@2:b"},
      {"id=N1 id=N2 b=1", "SpecifiedKeyIsDuplicated@2:id"}};
  for (const auto& [statement, outcome] : cases) {
    std::istringstream in(std::string("&&B;\n") + statement);
    R reader(in, "=");
    reader.SetBlockName("B");
    reader.SetKey("id", true, R::kText);
    reader.SetKey("a", false, R::kReal);
    reader.SetKey("b", false, R::kRealPositive);
    reader.SetKey("n", false, R::kNoValue);
    EXPECT_EQ(Catch([&] { reader.ReadBlock({}, {}); }), outcome) << statement;
  }
}

}  // namespace
