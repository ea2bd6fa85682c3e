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

// Reads statement with the keys id and x (necessary, with value), y (with value) and flag
// (without value); gives each key with its values, or the failure and its key.
std::string Read(const std::string& statement) {
  const csBySpace divider('\0');
  const csPairSpliter filter("=");
  csPairReader reader(divider, filter);
  reader.SetKey("id", true, true);
  reader.SetKey("x", true, true);
  reader.SetKey("y", false, true);
  reader.SetKey("flag", false, false);
  try {
    std::string out;
    for (const auto& [key, values] : reader.Read(statement)) {
      out += key + ":";
      for (const std::string& value : values) out += value + ",";
      out += " ";
    }
    return out;
  } catch (const csPairReader::exUnExpectedKey& e) {
    return "UnExpectedKey " + e.Key;
  } catch (const csPairReader::exNecessaryKeyHasnotBeenSet& e) {
    return "NecessaryKeyHasnotBeenSet " + e.Key;
  } catch (const csPairReader::exUnRequiredValueHasBeenSet& e) {
    return "UnRequiredValueHasBeenSet " + e.Key;
  } catch (const csPairReader::exRequiredValueHasnotBeenSet& e) {
    return "RequiredValueHasnotBeenSet " + e.Key;
  }
}

// Keys get their non-empty values in written order. The checks run in a fixed order (unknown
// keys, missing necessary keys, values against the rule), each walking its keys in key order.
TEST(PairReader, ValuesOrTheFirstOffenderOfTheFirstFailingCheck) {
  const std::pair<const char*, const char*> cases[] = {
      {"id=N1 x=1 x= x=2 flag", "flag: id:N1, x:1,2, "},
      {"zz=1 aa=1", "UnExpectedKey aa"},
      {"flag=1 q", "UnExpectedKey q"},
      {"=5 id=N1 x=1", "UnExpectedKey "},
      {"zz=1", "UnExpectedKey zz"},
      {"y=1", "NecessaryKeyHasnotBeenSet id"},
      {"", "NecessaryKeyHasnotBeenSet id"},
      {"id=N1 flag=1", "NecessaryKeyHasnotBeenSet x"},
      {"id=N1 x flag=1", "UnRequiredValueHasBeenSet flag"},
      {"id x=1 flag", "RequiredValueHasnotBeenSet id"},
      {"id x=1 flag=1", "UnRequiredValueHasBeenSet flag"},
      {"id=N1 x=1 y=", "RequiredValueHasnotBeenSet y"}};
  for (const auto& [statement, outcome] : cases) EXPECT_EQ(Read(statement), outcome) << statement;
}

}  // namespace
