#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ArgOptions.h"

namespace {

using znArgOptions::csArgOptions;

// Parses the arguments after a program path with the program's five options plus a repeatable
// option D and a valueless option v; describes what was given ("name=values ... | positionals")
// or which failure it ended in, with the string the failure carries.
std::string Parse(std::vector<const char*> args) {
  csArgOptions options;
  const char* const names[][2] = {
      {"inptxt", "i"}, {"outtxt", "o"}, {"outcsv", "c"}, {"outdxf", "d"}, {"outpipe", "p"}};
  for (const auto& name : names) options.AddOption(name[0], name[1], true, false);
  options.AddOption("define", "D", true, true);
  options.AddOption("verbose", "v", false, false);
  args.insert(args.begin(), "./frame2d");
  try {
    options.Parse(static_cast<int>(args.size()), args.data());
  } catch (const csArgOptions::exUnExpectedOptionHasBeenSet& e) {
    return "unexpected " + e.option;
  } catch (const csArgOptions::exRequiredValueHasnotBeenSet& e) {
    return "no value " + e.option;
  } catch (const csArgOptions::exSpecifiedOptionIsDuplicated& e) {
    return "duplicated " + e.option;
  }
  std::string out;
  for (const char* name : {"inptxt", "outtxt", "define", "verbose"}) {
    if (options.Count(name) == 0) continue;
    out += std::string(name) + "=";
    for (const std::string& value : options.Values(name)) out += value + ",";
    out += " ";
  }
  out += "|";
  for (const std::string& token : options.Positionals()) out += " " + token;
  return out;
}

TEST(ArgOptions, TokensAreSplitIntoOptionsValuesAndPositionals) {
  const struct {
    std::vector<const char*> args;
    const char* parsed;
  } cases[] = {
      {{"-i", "in.txt"}, "inptxt=in.txt, | ./frame2d"},
      {{"-iin.txt"}, "inptxt=in.txt, | ./frame2d"},
      {{"--inptxt", "in.txt"}, "inptxt=in.txt, | ./frame2d"},
      {{"--i", "in.txt"}, "inptxt=in.txt, | ./frame2d"},
      {{"-inptxt", "in.txt", "-"}, "inptxt=nptxt, | ./frame2d in.txt -"},
      {{"-Da", "--define", "b", "--verbose"}, "define=a,b, verbose=, | ./frame2d"},
      {{"-x", "a"}, "unexpected x"},
      {{"--foo", "a"}, "unexpected foo"},
      {{"--"}, "unexpected -"},
      {{"-o"}, "no value outtxt"},
      {{"-o", "-c", "out.csv"}, "no value outtxt"},
      {{"-o", "-value"}, "no value outtxt"},  // a value that starts with '-' cannot be given
      {{"-o", "a.txt", "--outtxt", "b.txt"}, "duplicated outtxt"},
      {{"-v", "-v"}, "duplicated verbose"}};
  for (const auto& c : cases) EXPECT_EQ(Parse(c.args), c.parsed) << c.args[0];
}

TEST(ArgOptions, ProgramPathIsTokenizedLikeAnyEntry) {
  csArgOptions options;
  options.AddOption("outtxt", "o", true, false);
  const char* argv[] = {"-ofile.txt"};
  options.Parse(1, argv);
  EXPECT_EQ(options.Values("outtxt"), std::vector<std::string>{"file.txt"});
}

}  // namespace
