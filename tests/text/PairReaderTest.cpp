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

TEST(BySpace, WordsAreSeparatedByWhiteSpaceOutsideQuotedSections) {
  const struct {
    std::string text;
    char quote;
    std::string words;  // joined by "|"
  } cases[] = {
      {"  id=N1\tx=0.5\n y=-2 ", '\0', "id=N1|x=0.5|y=-2|"},
      {" \n\t ", '\0', ""},
      {"\xEF\xBB\xBFid=\xC3\xA9 a", '\0', "\xEF\xBB\xBFid=\xC3\xA9|a|"},  // high bytes are no space
      {std::string("a\0b c", 5), '\0', std::string("a\0b|c|", 6)},
      {"a='x y' b", '\'', "a=x y|b|"},
      {"'it''s'", '\'', "it's|"},
      {"'open ended", '\'', "open ended|"},
      {"a='x y'", '\0', "a='x|y'|"}};
  for (const auto& c : cases) {
    std::vector<std::string> words;
    csBySpace(c.quote).Divide(c.text, words);
    std::string joined;
    for (const std::string& word : words) joined += word + "|";
    EXPECT_EQ(joined, c.words) << c.text;
  }
}

TEST(PairSpliter, SplitsAtTheFirstSeparator) {
  using P = std::pair<std::string, std::string>;
  const csPairSpliter split("=");
  EXPECT_EQ(split.Filter("a=b=c"), (P{"a", "b=c"}));
  EXPECT_EQ(split.Filter("=5"), (P{"", "5"}));
  EXPECT_EQ(split.Filter("sptx"), (P{"sptx", ""}));
  EXPECT_EQ(split.Filter("sptx="), (P{"sptx", ""}));
  EXPECT_EQ(csPairSpliter("::").Filter("k::v:w"), (P{"k", "v:w"}));
}

// Reads statement with the keys id and x (necessary, with value), y (with value) and flag
// (without value); gives the failure and its key, or "ok".
std::string Read(const std::string& statement, csPairReader::KeyValues* pairs = nullptr) {
  const csBySpace divider('\0');
  const csPairSpliter filter("=");
  csPairReader reader(divider, filter);
  reader.SetKey("id", true, true);
  reader.SetKey("x", true, true);
  reader.SetKey("y", false, true);
  reader.SetKey("flag", false, false);
  try {
    const csPairReader::KeyValues read = reader.Read(statement);
    if (pairs != nullptr) *pairs = read;
  } catch (const csPairReader::exUnExpectedKey& e) {
    return "UnExpectedKey " + e.Key;
  } catch (const csPairReader::exNecessaryKeyHasnotBeenSet& e) {
    return "NecessaryKeyHasnotBeenSet " + e.Key;
  } catch (const csPairReader::exUnRequiredValueHasBeenSet& e) {
    return "UnRequiredValueHasBeenSet " + e.Key;
  } catch (const csPairReader::exRequiredValueHasnotBeenSet& e) {
    return "RequiredValueHasnotBeenSet " + e.Key;
  }
  return "ok";
}

TEST(PairReader, KeysGetTheirNonEmptyValuesInWrittenOrder) {
  csPairReader::KeyValues pairs;
  EXPECT_EQ(Read("id=N1 x=1 x= x=2 flag", &pairs), "ok");
  EXPECT_EQ(pairs, (csPairReader::KeyValues{{"flag", {}}, {"id", {"N1"}}, {"x", {"1", "2"}}}));
}

// The checks run in a fixed order (unknown keys, missing necessary keys, values against the
// rule), each walking its keys in key order.
TEST(PairReader, FirstOffenderOfTheFirstFailingCheckIsReported) {
  const std::pair<const char*, const char*> cases[] = {
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
  for (const auto& [statement, failure] : cases) EXPECT_EQ(Read(statement), failure) << statement;
}

}  // namespace
