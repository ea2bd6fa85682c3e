// Statements and their line numbers: the statement source over the comment-free characters and
// the statement manager with its one step back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "text/CStyleComment.h"
#include "text/ContainGetC.h"
#include "text/GetLineMgr.h"

namespace {

using znGetString::znGetC::csCStyleComment;
using znGetString::znGetLine::csContainGetC;
using znGetString::znGetLineMgr::csGetLineMgr;

struct Stack {
  explicit Stack(const std::string& text) : in(text) {}
  std::istringstream in;
  csCStyleComment comment{in, true};
  csContainGetC line{comment, ';'};
  csGetLineMgr mgr{line, "input"};
};

using Lines = std::vector<std::pair<std::string, unsigned>>;  // (statement, line number)

Lines ReadAll(const std::string& text) {
  Stack s(text);
  Lines out;
  std::string statement;
  while (!s.mgr.IsEof()) {
    s.mgr.ReadLine(statement);
    out.emplace_back(statement, s.mgr.GetLineNum());
  }
  return out;
}

TEST(ContainGetC, TerminatorIsConsumedAndEmptyStatementsRemain) {
  const Lines expected = {{"x=1", 1}, {"", 1}, {"y=2", 1}};
  EXPECT_EQ(ReadAll("x=1;;y=2"), expected);
}

TEST(ContainGetC, TextAfterTheLastTerminatorIsALastStatement) {
  const Lines expected = {{"a", 1}, {"\n", 2}};
  EXPECT_EQ(ReadAll("a;\n"), expected);
}

// After a '/' or a closing quote the character source looks one character ahead; when that
// look meets the end of input, the character itself must still end up in the last statement.
TEST(ContainGetC, LastStatementKeepsACharacterDeliveredAtTheEndOfInput) {
  const Lines slash = {{"a", 1}, {"x=1/", 1}};
  EXPECT_EQ(ReadAll("a;x=1/"), slash);
  const Lines quote = {{"s=\"q\"", 1}};
  EXPECT_EQ(ReadAll("s=\"q\""), quote);
}

TEST(ContainGetC, StatementKeepsItsInnerWhiteSpaceAndLineFeeds) {
  std::istringstream in("  id=N1\n x=0 ;rest");
  csCStyleComment comment(in, true);
  csContainGetC line(comment, ';');
  std::string s;
  EXPECT_EQ(line.GetLine(s), 1);
  EXPECT_EQ(s, "  id=N1\n x=0 ");
  EXPECT_EQ(line.GetLeadingLineN(), 0);
}

TEST(GetLineMgr, LineNumberIsThatOfTheFirstNonWhiteCharacter) {
  const Lines expected = {{"\n\n  id=1", 3}, {"\n\nb", 5}};
  EXPECT_EQ(ReadAll("\n\n  id=1;\n\nb"), expected);
}

TEST(GetLineMgr, CommentsAcrossLinesKeepTheLineCount) {
  const Lines expected = {{"a", 1}, {"\nb", 3}, {"\n\nc", 6}};
  EXPECT_EQ(ReadAll("a/* one\ntwo */;\nb;// three\n\n/*\n*/c"), expected);
}

// The line breaks of a comment arrive with the character after it; that character's line is
// still the statement's line.
TEST(GetLineMgr, StatementAfterMultiLineCommentIsDatedToItsOwnLine) {
  const Lines expected = {{"id=N1 x=0", 2}, {"  id=N2", 4}};
  EXPECT_EQ(ReadAll("/* a\nb */id=N1 x=0; /*\n\n*/ id=N2"), expected);
}

TEST(GetLineMgr, SemicolonsAndHeadersInsideCommentsStartNothing) {
  const Lines expected = {{"a  b", 1}};
  EXPECT_EQ(ReadAll("a /* ; &&Node; */ b"), expected);
}

// The string closes at its quote, so the comment after it is removed.
TEST(GetLineMgr, SemicolonInsideStringStillEndsTheStatement) {
  const Lines expected = {{"s=\"a", 1}, {"b\"", 1}};
  EXPECT_EQ(ReadAll("s=\"a;b\"/*"), expected);
}

TEST(GetLineMgr, UnreadLineStepsBackOneStatementOnly) {
  Stack s("a;\nb;\nc");
  std::string x;
  s.mgr.ReadLine(x).ReadLine(x);
  EXPECT_EQ(x, "\nb");
  EXPECT_EQ(s.mgr.GetLineNum(), 2u);
  EXPECT_EQ(s.mgr.GetCount(), 2u);
  s.mgr.UnreadLine();
  s.mgr.UnreadLine();  // no effect: one step back only
  EXPECT_EQ(s.mgr.GetCount(), 1u);
  s.mgr.ReadLine(x);
  EXPECT_EQ(x, "\nb");
  EXPECT_EQ(s.mgr.GetLineNum(), 2u);
  s.mgr.ReadLine(x);
  EXPECT_EQ(x, "\nc");
  EXPECT_EQ(s.mgr.GetLineNum(), 3u);
}

TEST(GetLineMgr, UnreadLineBeforeAnyReadDoesNothing) {
  Stack s("a;b");
  s.mgr.UnreadLine();
  std::string x;
  s.mgr.ReadLine(x);
  s.mgr.Rewind();
  s.mgr.UnreadLine();
  EXPECT_EQ(s.mgr.GetCount(), 0u);
  s.mgr.ReadLine(x);
  EXPECT_EQ(x, "a");
  EXPECT_EQ(s.mgr.GetLineNum(), 1u);
}

TEST(GetLineMgr, UnreadRestoresStringStateOfTheStatement) {
  Stack s("x=\"a;/*b\";c");
  std::string x;
  s.mgr.ReadLine(x);
  s.mgr.ReadLine(x);
  EXPECT_EQ(x, "/*b\"");
  s.mgr.UnreadLine();
  s.mgr.ReadLine(x);
  EXPECT_EQ(x, "/*b\"");
}

TEST(GetLineMgr, RewindStartsOverWithClearedCounters) {
  Stack s("a;\n\nb;c");
  std::string x;
  while (!s.mgr.IsEof()) s.mgr.ReadLine(x);
  s.mgr.Rewind();
  EXPECT_EQ(s.mgr.GetCount(), 0u);
  EXPECT_FALSE(s.mgr.IsEof());
  s.mgr >> x;
  EXPECT_EQ(x, "a");
  s.mgr >> x >> x;
  EXPECT_EQ(x, "c");
  EXPECT_EQ(s.mgr.GetLineNum(), 3u);
}

TEST(GetLineMgr, FindLineLeavesTheFoundStatementUnreadUnlessConsumed) {
  Stack s("a;key=1;b;key=2");
  std::string x;
  EXPECT_TRUE(s.mgr.FindLine("key", false));
  s.mgr.ReadLine(x);
  EXPECT_EQ(x, "key=1");
  EXPECT_TRUE(s.mgr.FindLine("key", true));
  EXPECT_FALSE(s.mgr.FindLine("key", true));
  EXPECT_TRUE(s.mgr.IsEof());
}

TEST(GetLineMgr, StreamFailureSurfacesAsTheManagersFailure) {
  Stack s("a");
  std::string x;
  s.mgr.ReadLine(x);
  ASSERT_TRUE(s.mgr.IsEof());
  EXPECT_THROW(s.mgr.ReadLine(x), csGetLineMgr::exFail);
  s.in.setstate(std::ios::badbit);
  EXPECT_THROW(s.mgr.ReadLine(x), csGetLineMgr::exBad);
}

}  // namespace
