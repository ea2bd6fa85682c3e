// Words, key=value pairs and the checked key table of one statement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/BySpace.h"
#include "text/PairReader.h"
#include "text/PairSpliter.h"

namespace {

using znString::znDivider::csBySpace;
using znString::znFilter::csPairSpliter;
using znString::znPairReader::csPairReader;
using Words = std::vector<std::string>;

Words Divide(const std::string& text, char quote = '\0') {
  Words words;
  csBySpace(quote).Divide(text, words);
  return words;
}

TEST(BySpace, WhiteSpaceOfAnyKindSeparatesWords) {
  EXPECT_EQ(Divide("  id=N1\tx=0.5\n y=-2 "), (Words{"id=N1", "x=0.5", "y=-2"}));
  EXPECT_EQ(Divide(" \n\t "), Words{});
  EXPECT_EQ(Divide(""), Words{});
}

TEST(BySpace, HighBytesAndNulAreWordCharacters) {
  EXPECT_EQ(Divide("\xEF\xBB\xBFid=\xC3\xA9 a"), (Words{"\xEF\xBB\xBFid=\xC3\xA9", "a"}));
  EXPECT_EQ(Divide(std::string("a\0b c", 5)), (Words{std::string("a\0b", 3), "c"}));
}

TEST(BySpace, QuotedSectionKeepsWhiteSpaceAndDoubledQuote) {
  EXPECT_EQ(Divide("a='x y' b", '\''), (Words{"a=x y", "b"}));
  EXPECT_EQ(Divide("'it''s'", '\''), Words{"it's"});
  EXPECT_EQ(Divide("'open ended", '\''), Words{"open ended"});
  // Without a quote character the quote is an ordinary character.
  EXPECT_EQ(Divide("a='x y'"), (Words{"a='x", "y'"}));
}

TEST(PairSpliter, SplitsAtTheFirstSeparator) {
  const csPairSpliter split("=");
  using P = std::pair<std::string, std::string>;
  EXPECT_EQ(split.Filter("a=b=c"), (P{"a", "b=c"}));
  EXPECT_EQ(split.Filter("=5"), (P{"", "5"}));
  EXPECT_EQ(split.Filter("sptx"), (P{"sptx", ""}));
  EXPECT_EQ(split.Filter("sptx="), (P{"sptx", ""}));
  EXPECT_EQ(csPairSpliter("::").Filter("k::v:w"), (P{"k", "v:w"}));
}

class PairReaderTest : public ::testing::Test {
 protected:
  PairReaderTest() {
    reader.SetKey("id", true, true);
    reader.SetKey("x", true, true);
    reader.SetKey("y", false, true);
    reader.SetKey("flag", false, false);
  }
  csBySpace divider{'\0'};
  csPairSpliter filter{"="};
  csPairReader reader{divider, filter};
};

TEST_F(PairReaderTest, KeysGetTheirNonEmptyValuesInWrittenOrder) {
  const csPairReader::KeyValues pairs = reader.Read("id=N1 x=1 x= x=2 flag");
  const csPairReader::KeyValues expected = {{"flag", {}}, {"id", {"N1"}}, {"x", {"1", "2"}}};
  EXPECT_EQ(pairs, expected);
}

// Each check walks its keys in key order, and the checks run in a fixed order: unknown keys,
// then missing necessary keys, then values against the rule.
TEST_F(PairReaderTest, FirstOffenderOfTheFirstFailingCheckIsReported) {
  struct Case {
    const char* statement;
    const char* kind;
    const char* key;
  };
  const Case cases[] = {
      {"zz=1 aa=1", "UnExpectedKey", "aa"},
      {"flag=1 q", "UnExpectedKey", "q"},
      {"=5 id=N1 x=1", "UnExpectedKey", ""},
      {"zz=1", "UnExpectedKey", "zz"},  // unknown key before missing id and x
      {"y=1", "NecessaryKeyHasnotBeenSet", "id"},
      {"id=N1 flag=1", "NecessaryKeyHasnotBeenSet", "x"},
      {"id=N1 x flag=1", "UnRequiredValueHasBeenSet", "flag"},
      {"id x=1 flag", "RequiredValueHasnotBeenSet", "id"},
      {"id x=1 flag=1", "UnRequiredValueHasBeenSet", "flag"},  // flag sorts before id
      {"id=N1 x=1 y=", "RequiredValueHasnotBeenSet", "y"},
      {"", "NecessaryKeyHasnotBeenSet", "id"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.statement);
    std::string kind = "none";
    std::string key;
    try {
      reader.Read(c.statement);
    } catch (const csPairReader::exUnExpectedKey& e) {
      kind = "UnExpectedKey", key = e.Key;
    } catch (const csPairReader::exNecessaryKeyHasnotBeenSet& e) {
      kind = "NecessaryKeyHasnotBeenSet", key = e.Key;
    } catch (const csPairReader::exUnRequiredValueHasBeenSet& e) {
      kind = "UnRequiredValueHasBeenSet", key = e.Key;
    } catch (const csPairReader::exRequiredValueHasnotBeenSet& e) {
      kind = "RequiredValueHasnotBeenSet", key = e.Key;
    }
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(key, c.key);
  }
}

}  // namespace
