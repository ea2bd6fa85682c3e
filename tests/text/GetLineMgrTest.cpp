// Statements and their line numbers: the statement source over the comment-free characters,
// the statement manager, and the walk over the statements of a block.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>

#include "text/CStyleComment.h"
#include "text/ContainGetC.h"
#include "text/GetBlockLineMgr.h"
#include "text/GetLineMgr.h"

namespace {

using znGetString::znGetLineMgr::csGetLineMgr;
using BlockMgr = znGetString::znGetLineMgr::csGetBlockLineMgr<std::string>;

// A header is "#" and a block name; an empty name matches any header.
class Header : public BlockMgr::ifCompareLine {
 public:
  explicit Header(const std::string& name) : header_("#" + name) {}
  bool Compare(const std::string& s) const override {
    const std::string text = s.substr(std::min(s.size(), s.find_first_not_of(" \n")));
    return header_ == "#" ? text.rfind('#', 0) == 0 : text == header_;
  }

 private:
  std::string header_;
};

struct Stack {
  explicit Stack(const std::string& text, const std::string& block = "", bool skipHeader = true)
      : in(text), begin(block), blocks(mgr, begin, end, skipHeader, "blk") {}
  std::istringstream in;
  znGetString::znGetC::csCStyleComment comment{in, true};
  znGetString::znGetLine::csContainGetC line{comment, ';'};
  csGetLineMgr mgr{line, "input"};
  Header begin, end{""};
  BlockMgr blocks;

  // Reads one statement; gives it with its line number, as "statement@line".
  std::string Read() {
    std::string s;
    mgr.ReadLine(s);
    return s + "@" + std::to_string(mgr.GetLineNum());
  }
  // Every statement, as "statement@line|".
  std::string ReadAll() {
    std::string out;
    while (!mgr.IsEof()) out += Read() + "|";
    return out;
  }
  // The block's statements, as "statement@line|".
  std::string Walk() {
    std::string out;
    for (blocks.Start(); blocks.HasLine(); blocks.Next())
      out += blocks.GetCurrent() + "@" + std::to_string(blocks.GetLineNum()) + "|";
    return out;
  }
};

TEST(GetLineMgr, StatementsAndTheLineOfTheirFirstNonWhiteCharacter) {
  const std::pair<const char*, const char*> cases[] = {
      {"x=1;;y=2", "x=1@1|@1|y=2@1|"},  // the terminator is consumed
      {"a;\n", "a@1|\n@2|"},            // text after the last ';' is a last statement
      {"a;x=1/", "a@1|x=1/@1|"},        // a character read just before the end stays
      {"s=\"q\"", "s=\"q\"@1|"},
      {"\n\n  id=1;\n\nb", "\n\n  id=1@3|\n\nb@5|"},
      {"a/* one\ntwo */;\nb;// three\n\n/*\n*/c", "a@1|\nb@3|\n\nc@6|"},
      // The comment's line breaks arrive with the first character after it.
      {"/* a\nb */id=N1 x=0; /*\n\n*/ id=N2", "id=N1 x=0@2|  id=N2@4|"},
      {"a /* ; &&Node; */ b", "a  b@1|"},
      {"s=\"a;b\"/*", "s=\"a@1|b\"@1|"}};  // the string closes at its quote; the comment goes
  for (const auto& [text, statements] : cases) EXPECT_EQ(Stack(text).ReadAll(), statements);
}

TEST(GetLineMgr, ReadingPastTheEndOrFromABadStreamFails) {
  Stack s("a;b");
  std::string x;
  s.mgr >> x >> x;
  ASSERT_TRUE(s.mgr.IsEof());
  EXPECT_THROW(s.mgr.ReadLine(x), csGetLineMgr::exFail);
  s.in.setstate(std::ios::badbit);
  EXPECT_THROW(s.mgr.ReadLine(x), csGetLineMgr::exBad);
}

TEST(GetBlockLineMgr, BlockStatementsInFileOrder) {
  const std::string pieces = "#A;a1;\n#B;b1;\n#A;a2;#C;c1;#A";  // block A in two pieces
  std::string repeatedHeaders;
  for (int i = 0; i < 100000; ++i) repeatedHeaders += "#A;#B;";  // must not grow the stack
  EXPECT_EQ(Stack(pieces, "A").Walk(), "a1@1|a2@3|");
  EXPECT_EQ(Stack(pieces, "B").Walk(), "b1@2|");
  EXPECT_EQ(Stack("#A;x;y", "A").Walk(), "x@1|y@1|");
  EXPECT_EQ(Stack("#A;x;#B;y", "C").Walk(), "");
  EXPECT_EQ(Stack("", "C").Walk(), "");
  EXPECT_EQ(Stack(repeatedHeaders + "#A;x", "A").Walk(), "x@1|");
  EXPECT_EQ(Stack("#A;a1;#B;b1;#A;a2", "A", false).Walk(), "#A@1|a1@1|#A@1|a2@1|");
  Stack s("#A;a1", "A");
  s.Walk();
  try {
    s.blocks.Next();
    FAIL() << "no exception";
  } catch (const BlockMgr::exAlreadyEof& e) {
    EXPECT_EQ(e.Name, "blk");
  }
}

}  // namespace
