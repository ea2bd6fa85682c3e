// The character source: comments vanish, their line breaks still count, strings protect
// comment markers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "text/CStyleComment.h"

namespace {

using znGetString::znGetC::csCStyleComment;
using Delivered = std::vector<std::pair<int, int>>;  // (character, line breaks)

Delivered ReadAll(const std::string& text, bool quoteAware = true) {
  std::istringstream in(text);
  csCStyleComment source(in, quoteAware);
  Delivered out;
  for (int guard = 0; guard < 1000; ++guard) {
    int c = 0;
    const int n = source.GetC(c);
    out.emplace_back(c, n);
    if (c == -1) break;
  }
  return out;
}

std::string Text(const Delivered& delivered) {
  std::string s;
  for (auto [c, n] : delivered) {
    if (c != -1) s.push_back(static_cast<char>(c));
  }
  return s;
}

TEST(CStyleComment, BlockCommentVanishesAndItsLineBreaksCount) {
  const Delivered expected = {{'a', 0}, {'b', 1}, {-1, 0}};
  EXPECT_EQ(ReadAll("a/*x\ny*/b"), expected);
}

TEST(CStyleComment, LineCommentDeliversItsLineFeed) {
  const Delivered expected = {{'a', 0}, {'\n', 1}, {'b', 0}, {-1, 0}};
  EXPECT_EQ(ReadAll("a//x\nb"), expected);
}

TEST(CStyleComment, SlashWithoutStarOrSlashIsOrdinary) {
  EXPECT_EQ(Text(ReadAll("x=1/2")), "x=1/2");
  EXPECT_EQ(Text(ReadAll("a/")), "a/");
}

TEST(CStyleComment, CommentsDoNotNestAndReuseNoCharacter) {
  EXPECT_EQ(Text(ReadAll("a/* /* */b*/")), "ab*/");
  EXPECT_EQ(Text(ReadAll("a/*/b*/c")), "ac");
  EXPECT_EQ(Text(ReadAll("a/**/b/***/c")), "abc");
}

TEST(CStyleComment, BackToBackCommentsAddTheirLineBreaksToTheNextCharacter) {
  const Delivered expected = {{'x', 3}, {-1, 0}};
  EXPECT_EQ(ReadAll("/*\n*//**//*\n\n*/x"), expected);
  const Delivered lineAfterBlock = {{'\n', 2}, {'y', 0}, {-1, 0}};
  EXPECT_EQ(ReadAll("/*\n*///c\ny"), lineAfterBlock);
}

TEST(CStyleComment, ManyBackToBackCommentsDoNotGrowTheStack) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "/*\n*/";
  text += "z";
  const Delivered expected = {{'z', 200000}, {-1, 0}};
  EXPECT_EQ(ReadAll(text), expected);
}

TEST(CStyleComment, UnterminatedCommentsEndTheInput) {
  const Delivered block = {{'a', 0}, {-1, 2}};
  EXPECT_EQ(ReadAll("a/*\n\nxyz"), block);
  const Delivered line = {{'a', 0}, {-1, 0}};
  EXPECT_EQ(ReadAll("a// no line feed"), line);
}

TEST(CStyleComment, CommentMarkersInsideStringsAreText) {
  EXPECT_EQ(Text(ReadAll("\"/*\"")), "\"/*\"");
  EXPECT_EQ(Text(ReadAll("\"a//b\"c//d")), "\"a//b\"c");
  // Without quote awareness the quote is an ordinary character and the comment starts.
  EXPECT_EQ(Text(ReadAll("\"/*\"*/x", false)), "\"x");
}

TEST(CStyleComment, DoubledQuoteInsideStringIsOneQuote) {
  EXPECT_EQ(Text(ReadAll("\"a\"\"b\"")), "\"a\"b\"");
  // The string closed after b: the comment that follows is removed.
  EXPECT_EQ(Text(ReadAll("\"a\"\"b\"/*c*/d")), "\"a\"b\"d");
}

TEST(CStyleComment, StringsSpanLinesAndCountTheirLineBreaks) {
  const Delivered expected = {{'"', 0}, {'\n', 1}, {'/', 0}, {'*', 0}, {'"', 0}, {-1, 0}};
  EXPECT_EQ(ReadAll("\"\n/*\""), expected);
}

TEST(CStyleComment, QuotesInsideCommentsOpenNoString) {
  EXPECT_EQ(Text(ReadAll("/* \" */a/*b*/")), "a");
  EXPECT_EQ(Text(ReadAll("// \"\n/*x*/b")), "\nb");
}

TEST(CStyleComment, HighBytesAndNulAreDeliveredAsNonNegativeCharacters) {
  const Delivered expected = {{0xEF, 0}, {0xBB, 0}, {0xBF, 0}, {0, 0}, {'a', 0}, {-1, 0}};
  EXPECT_EQ(ReadAll(std::string("\xEF\xBB\xBF\0a", 5)), expected);
}

TEST(CStyleComment, RestorePositionReturnsToSavedCharacterAndStringState) {
  std::istringstream in("ab\"c/*d\"e");
  csCStyleComment source(in, true);
  int c = 0;
  source.GetC(c);
  source.GetC(c);
  source.GetC(c);  // the opening quote
  source.SavePosition();
  source.GetC(c);
  EXPECT_EQ(c, 'c');
  source.RestorePosition();
  std::string rest;
  while (source.GetC(c), c != -1) rest.push_back(static_cast<char>(c));
  EXPECT_EQ(rest, "c/*d\"e");
  EXPECT_TRUE(source.IsEof());
  source.Rewind();
  EXPECT_FALSE(source.IsEof());
  source.GetC(c);
  EXPECT_EQ(c, 'a');
}

TEST(CStyleComment, ReadingPastTheEndIsAFailure) {
  std::istringstream in("");
  csCStyleComment source(in, true);
  int c = 0;
  source.GetC(c);
  EXPECT_EQ(c, -1);
  EXPECT_THROW(source.GetC(c), csCStyleComment::exFail);
}

}  // namespace
