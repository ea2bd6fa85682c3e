// Walking the statements of one named block.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "text/CStyleComment.h"
#include "text/ContainGetC.h"
#include "text/GetBlockLineMgr.h"

namespace {

using znGetString::znGetC::csCStyleComment;
using znGetString::znGetLine::csContainGetC;
using znGetString::znGetLineMgr::csGetBlockLineMgr;
using znGetString::znGetLineMgr::csGetLineMgr;
using BlockMgr = csGetBlockLineMgr<std::string>;

std::string WithoutLeadingSpace(const std::string& s) {
  return s.substr(std::min(s.size(), s.find_first_not_of(" \n")));
}

// Header of one block: "#" and its name.
class HeaderOf : public BlockMgr::ifCompareLine {
 public:
  explicit HeaderOf(std::string name) : header_("#" + std::move(name)) {}
  bool Compare(const std::string& s) const override { return WithoutLeadingSpace(s) == header_; }

 private:
  std::string header_;
};

class AnyHeader : public BlockMgr::ifCompareLine {
 public:
  bool Compare(const std::string& s) const override {
    return WithoutLeadingSpace(s).rfind('#', 0) == 0;
  }
};

using Lines = std::vector<std::pair<std::string, unsigned>>;

struct Stack {
  Stack(const std::string& text, const std::string& block, bool skipHeader)
      : in(text), begin(block), mgr(lines, begin, end, skipHeader, "blk") {}
  std::istringstream in;
  csCStyleComment comment{in, true};
  csContainGetC line{comment, ';'};
  csGetLineMgr lines{line, ""};
  HeaderOf begin;
  AnyHeader end;
  BlockMgr mgr;

  Lines Walk() {
    Lines out;
    for (mgr.Start(); mgr.HasLine(); mgr.Next())
      out.emplace_back(mgr.GetCurrent(), mgr.GetLineNum());
    return out;
  }
};

TEST(GetBlockLineMgr, BlockInTwoPiecesReadsAsOneInFileOrder) {
  Stack s("#A;a1;\n#B;b1;\n#A;a2;#C;c1;#A", "A", true);
  const Lines expected = {{"a1", 1}, {"a2", 3}};
  EXPECT_EQ(s.Walk(), expected);
  Stack b("#A;a1;\n#B;b1;\n#A;a2;#C;c1;#A", "B", true);
  const Lines onlyB = {{"b1", 2}};
  EXPECT_EQ(b.Walk(), onlyB);
}

TEST(GetBlockLineMgr, LastStatementWithoutTerminatorBelongsToTheBlock) {
  Stack s("#A;x;y", "A", true);
  const Lines expected = {{"x", 1}, {"y", 1}};
  EXPECT_EQ(s.Walk(), expected);
}

TEST(GetBlockLineMgr, MissingBlockHasNoStatements) {
  Stack s("#A;x;#B;y", "C", true);
  EXPECT_TRUE(s.Walk().empty());
  Stack empty("", "C", true);
  EXPECT_TRUE(empty.Walk().empty());
}

TEST(GetBlockLineMgr, ManyRepeatedHeadersDoNotGrowTheStack) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "#A;#B;";
  text += "#A;x";
  Stack s(text, "A", true);
  const Lines expected = {{"x", 1}};
  EXPECT_EQ(s.Walk(), expected);
}

TEST(GetBlockLineMgr, WithoutSkippingHeadersTheHeadersAreDelivered) {
  Stack s("#A;a1;#B;b1;#A;a2", "A", false);
  const Lines expected = {{"#A", 1}, {"a1", 1}, {"#A", 1}, {"a2", 1}};
  EXPECT_EQ(s.Walk(), expected);
}

TEST(GetBlockLineMgr, NextAfterTheEndIsAnError) {
  Stack s("#A;a1", "A", true);
  s.Walk();
  try {
    s.mgr.Next();
    FAIL() << "no exception";
  } catch (const BlockMgr::exAlreadyEof& e) {
    EXPECT_EQ(e.Name, "blk");
  }
}

}  // namespace
