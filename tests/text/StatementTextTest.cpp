// The statements of an input text: comments vanish and their line breaks still count, strings
// protect comment markers, every ';' ends a statement, and each statement is dated to the line
// of its first non-white character.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/StatementText.h"

namespace {

// Every statement as "text@line|".
std::string Statements(const std::string& raw) {
  const znString::csStatementText text(raw);
  std::string out;
  for (const auto& s : text.Statements()) {
    out += std::string(s.text) + "@" + std::to_string(s.line) + "|";
  }
  return out;
}

TEST(StatementText, CommentsStringsTerminatorsAndLines) {
  std::string manyComments;
  for (int i = 0; i < 200000; ++i) manyComments += "/*\n*/";
  const std::pair<std::string, std::string> cases[] = {
      {"", "@1|"},
      {"x=1;;y=2", "x=1@1|@1|y=2@1|"},  // the terminator is consumed
      {"a;\n", "a@1|\n@2|"},            // text after the last ';' is a last statement
      {"a;x=1/", "a@1|x=1/@1|"},
      {"\n\n  id=1;\n\nb", "\n\n  id=1@3|\n\nb@5|"},
      {"a/* one\ntwo */;\nb;// three\n\n/*\n*/c", "a@1|\nb@3|\n\nc@6|"},
      // The comment's line breaks arrive with the first character after it.
      {"/* a\nb */id=N1 x=0; /*\n\n*/ id=N2", "id=N1 x=0@2|  id=N2@4|"},
      {"\n/*\n*/;", "\n@3|@3|"},  // an empty statement is dated to its terminator
      {"a /* ; &&Node; */ b", "a  b@1|"},
      {"s=\"a;b\"", "s=\"a@1|b\"@1|"},  // a ';' in a string still ends the statement
      {"a/* /* */b*/", "ab*/@1|"},      // comments do not nest
      {"a/*/b*/c;a/**/b/***/c", "ac@1|abc@1|"},
      {"/*\n*///c\ny", "\ny@3|"},
      {manyComments + "z", "z@200001|"},
      {"a// no line feed", "a@1|"},
      {"\"a//b\"c//d", "\"a//b\"c@1|"},
      {"\"a\"\"b\"/*c*/d", "\"a\"b\"d@1|"},  // a doubled quote inside a string is one quote
      {"\"\n/*\"", "\"\n/*\"@1|"},
      {"/* \" */a/*b*/", "a@1|"},  // a quote inside a comment opens no string
      // A line ends at LF, CR LF or a lone CR, also inside comments and strings; a line
      // comment ends at either; the byte order mark is dropped, other white space kept.
      {"a;\rb;\r\nc;\n\rd", "a@1|\rb@2|\r\nc@3|\n\rd@5|"},
      {"/*\r\r\n*/a;//x\rb;\"\r\";c", "a@3|\rb@4|\"\r\"@4|c@5|"},
      {"\xEF\xBB\xBF\t\v\fa;\xEF\xBB\xBF", "\t\v\fa@1|\xEF\xBB\xBF@1|"}};
  for (const auto& [raw, statements] : cases) EXPECT_EQ(Statements(raw), statements) << raw;
}

// A control character is found wherever it stands, before an unterminated comment.
TEST(StatementText, ControlCharactersAndUnterminatedCommentsNameTheirLine) {
  using Text = znString::csStatementText;
  const struct {
    std::string raw;
    std::uint32_t line;
    int code;  // -1: an unterminated comment
  } cases[] = {{std::string("a;\r\nb\0;", 6), 2, 0x00},
               {"/*\r\x1b*/", 2, 0x1B},
               {"\"\n\x7f\"/*", 2, 0x7F},
               {"a;\r/* x;\n", 2, -1},
               {"\"/*\";\n\n/*/", 3, -1}};
  for (const auto& c : cases) {
    try {
      Text text(c.raw);
      ADD_FAILURE() << c.raw;
    } catch (const Text::exControlCharacter& e) {
      EXPECT_EQ(std::pair(e.line, static_cast<int>(e.code)), std::pair(c.line, c.code)) << c.raw;
    } catch (const Text::exUnterminatedComment& e) {
      EXPECT_EQ(std::pair(e.line, -1), std::pair(c.line, c.code)) << c.raw;
    }
  }
}

}  // namespace
