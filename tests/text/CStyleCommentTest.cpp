// The character source: comments vanish, their line breaks still count, strings protect
// comment markers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "text/CStyleComment.h"

namespace {

using znGetString::znGetC::csCStyleComment;

// Every character delivered up to the end of input ("$"), each preceded by "<n>" when the call
// that delivered it passed n > 0 line breaks; "?" marks a negative character other than -1.
std::string Trace(const std::string& text, bool quoteAware = true) {
  std::istringstream in(text);
  csCStyleComment source(in, quoteAware);
  std::string out;
  for (int c = 0; c != -1 && out.size() < 1000;) {
    const int n = source.GetC(c);
    if (n > 0) out += "<" + std::to_string(n) + ">";
    out += c == -1 ? '$' : c < 0 ? '?' : static_cast<char>(c);
  }
  return out;
}

TEST(CStyleComment, CommentsVanishAndTheirLineBreaksCount) {
  std::string manyComments;
  for (int i = 0; i < 200000; ++i) manyComments += "/*\n*/";  // must not grow the stack
  const struct {
    std::string text;
    bool quoteAware;
    std::string trace;
  } cases[] = {{"a/*x\ny*/b", true, "a<1>b$"},
               {"a//x\nb", true, "a<1>\nb$"},
               {"x=1/2", true, "x=1/2$"},
               {"a/", true, "a/$"},
               {"a/* /* */b*/", true, "ab*/$"},  // comments do not nest
               {"a/*/b*/c", true, "ac$"},
               {"a/**/b/***/c", true, "abc$"},
               {"/*\n*//**//*\n\n*/x", true, "<3>x$"},
               {"/*\n*///c\ny", true, "<2>\ny$"},
               {manyComments + "z", true, "<200000>z$"},
               {"a/*\n\nxyz", true, "a<2>$"},  // unterminated comments end the input
               {"a// no line feed", true, "a$"},
               {"\"/*\"", true, "\"/*\"$"},
               {"\"a//b\"c//d", true, "\"a//b\"c$"},
               {"\"/*\"*/x", false, "\"x$"},
               {"\"a\"\"b\"", true, "\"a\"b\"$"},  // a doubled quote inside a string is one quote
               {"\"a\"\"b\"/*c*/d", true, "\"a\"b\"d$"},
               {"\"\n/*\"", true, "\"<1>\n/*\"$"},
               {"/* \" */a/*b*/", true, "a$"},  // a quote inside a comment opens no string
               {"// \"\n/*x*/b", true, "<1>\nb$"},
               {std::string("\xEF\xBB\xBF\0a", 5), true, std::string("\xEF\xBB\xBF\0a$", 6)}};
  for (const auto& c : cases) EXPECT_EQ(Trace(c.text, c.quoteAware), c.trace) << c.text;
}

}  // namespace
