#include <gtest/gtest.h>

#include <vector>

#include "app/ArgOptions.h"

namespace {

using znArgOptions::csArgOptions;
using Args = std::vector<const char*>;
using Strings = std::vector<std::string>;

// The program's five options (all take a value, none repeats), parsed after a program path.
csArgOptions Parsed(Args args) {
  csArgOptions options;
  const std::pair<const char*, const char*> names[] = {
      {"inptxt", "i"}, {"outtxt", "o"}, {"outcsv", "c"}, {"outdxf", "d"}, {"outpipe", "p"}};
  for (const auto& [longName, shortName] : names)
    options.AddOption(longName, shortName, true, false);
  args.insert(args.begin(), "./frame2d");
  options.Parse(static_cast<int>(args.size()), args.data());
  return options;
}

TEST(ArgOptions, ShortLongAndJoinedFormsNameTheSameOption) {
  for (const Args& args : {Args{"-i", "in.txt"}, Args{"-iin.txt"}, Args{"--inptxt", "in.txt"},
                           Args{"--i", "in.txt"}}) {
    const csArgOptions options = Parsed(args);
    EXPECT_EQ(options.Count("inptxt"), 1u) << args[0];
    EXPECT_EQ(options.Values("inptxt"), Strings{"in.txt"}) << args[0];
    EXPECT_EQ(options.Positionals(), Strings{"./frame2d"}) << args[0];
  }
}

TEST(ArgOptions, SingleDashLongNameIsTheShortNameWithAJoinedValue) {
  const csArgOptions options = Parsed({"-inptxt", "in.txt", "-"});
  EXPECT_EQ(options.Values("inptxt"), Strings{"nptxt"});
  EXPECT_EQ(options.Positionals(), (Strings{"./frame2d", "in.txt", "-"}));
  EXPECT_EQ(options.Count("outtxt"), 0u);
  EXPECT_TRUE(options.Values("outtxt").empty());
}

TEST(ArgOptions, EachFailureCarriesItsKeyOrLongName) {
  const std::pair<Args, std::string> unexpected[] = {
      {{"-x", "a"}, "x"}, {{"--foo", "a"}, "foo"}, {{"--"}, "-"}};
  for (const auto& [args, key] : unexpected) {
    try {
      Parsed(args);
      ADD_FAILURE() << key << " was accepted";
    } catch (const csArgOptions::exUnExpectedOptionHasBeenSet& e) {
      EXPECT_EQ(e.option, key);
    }
  }
  // A value starting with '-' is taken for an option, so it cannot be given.
  for (const Args& args : {Args{"-o"}, Args{"-o", "-c", "out.csv"}, Args{"-o", "-value"}}) {
    try {
      Parsed(args);
      ADD_FAILURE() << args.size() << " arguments were accepted";
    } catch (const csArgOptions::exRequiredValueHasnotBeenSet& e) {
      EXPECT_EQ(e.option, "outtxt");
    }
  }
  try {
    Parsed({"-o", "a.txt", "--outtxt", "b.txt"});
    ADD_FAILURE() << "duplicate accepted";
  } catch (const csArgOptions::exSpecifiedOptionIsDuplicated& e) {
    EXPECT_EQ(e.option, "outtxt");
  }
}

TEST(ArgOptions, ProgramPathIsTokenizedLikeAnyEntry) {
  csArgOptions options;
  options.AddOption("outtxt", "o", true, false);
  const char* argv[] = {"-ofile.txt"};
  options.Parse(1, argv);
  EXPECT_EQ(options.Values("outtxt"), Strings{"file.txt"});
}

TEST(ArgOptions, RepeatableAndValuelessOptions) {
  csArgOptions options;
  options.AddOption("define", "D", true, true);
  options.AddOption("verbose", "v", false, false);
  const char* argv[] = {"prog", "-Da", "--define", "b", "--verbose"};
  options.Parse(5, argv);
  EXPECT_EQ(options.Count("define"), 1u);
  EXPECT_EQ(options.Values("define"), (Strings{"a", "b"}));
  EXPECT_EQ(options.Values("verbose"), Strings{""});
  csArgOptions twice;
  twice.AddOption("verbose", "v", false, false);
  const char* argvTwice[] = {"prog", "-v", "-v"};
  EXPECT_THROW(twice.Parse(3, argvTwice), csArgOptions::exSpecifiedOptionIsDuplicated);
}

}  // namespace
