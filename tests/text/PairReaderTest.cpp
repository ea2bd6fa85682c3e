// Words and key=value pairs of one statement; the checks of its keys, in their order, are
// tested through the block input reader (InputDataReaderTest).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/BySpace.h"
#include "text/PairSpliter.h"

namespace {

using znString::znDivider::csBySpace;
using znString::znFilter::csPairSpliter;

// The words of text, each followed by "|".
std::string Words(const std::string& text, char quote) {
  std::vector<std::string> words;
  csBySpace(quote).Divide(text, words);
  std::string joined;
  for (const std::string& word : words) joined += word + "|";
  return joined;
}

TEST(BySpace, WordsAreSeparatedByWhiteSpaceOutsideQuotedSections) {
  EXPECT_EQ(Words("  id=N1\tx=0.5\n y=-2 ", '\0'), "id=N1|x=0.5|y=-2|");
  EXPECT_EQ(Words(" \n\t ", '\0'), "");
  EXPECT_EQ(Words("\xEF\xBB\xBFid=\xC3\xA9 a", '\0'), "\xEF\xBB\xBFid=\xC3\xA9|a|");
  EXPECT_EQ(Words(std::string("a\0b c", 5), '\0'), std::string("a\0b|c|", 6));
  EXPECT_EQ(Words("a='x y'", '\0'), "a='x|y'|");
  EXPECT_EQ(Words("a='x y' b 'it''s' 'open ended", '\''), "a=x y|b|it's|open ended|");
}

TEST(PairSpliter, SplitsAtTheFirstSeparator) {
  using P = std::pair<std::string, std::string>;
  EXPECT_EQ(csPairSpliter("=").Filter("a=b=c"), (P{"a", "b=c"}));
  EXPECT_EQ(csPairSpliter("=").Filter("=5"), (P{"", "5"}));
  EXPECT_EQ(csPairSpliter("=").Filter("sptx"), (P{"sptx", ""}));
  EXPECT_EQ(csPairSpliter("=").Filter("sptx="), (P{"sptx", ""}));
  EXPECT_EQ(csPairSpliter("::").Filter("k::v:w"), (P{"k", "v:w"}));
}

}  // namespace
