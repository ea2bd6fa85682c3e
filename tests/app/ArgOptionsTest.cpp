#include <gtest/gtest.h>

#include <vector>

#include "app/ArgOptions.h"

namespace {

using znArgOptions::csArgOptions;
using Args = std::vector<const char*>;

// The program's five options: all take a value, none repeats.
csArgOptions ProgramOptions() {
  csArgOptions options;
  options.AddOption("inptxt", "i", true, false);
  options.AddOption("outtxt", "o", true, false);
  options.AddOption("outcsv", "c", true, false);
  options.AddOption("outdxf", "d", true, false);
  options.AddOption("outpipe", "p", true, false);
  return options;
}

void Parse(csArgOptions& options, Args args) {
  args.insert(args.begin(), "./frame2d");
  options.Parse(static_cast<int>(args.size()), args.data());
}

TEST(ArgOptions, ShortLongAndJoinedFormsNameTheSameOption) {
  const Args cases[] = {{"-i", "in.txt"}, {"-iin.txt"}, {"--inptxt", "in.txt"}, {"--i", "in.txt"}};
  for (const auto& args : cases) {
    const std::size_t n = static_cast<std::size_t>(&args - cases);
    csArgOptions options = ProgramOptions();
    Parse(options, args);
    EXPECT_EQ(options.Count("inptxt"), 1u) << n;
    EXPECT_EQ(options.Values("inptxt"), std::vector<std::string>{"in.txt"}) << n;
    EXPECT_EQ(options.Positionals(), std::vector<std::string>{"./frame2d"}) << n;
  }
}

TEST(ArgOptions, SingleDashLongNameIsTheShortNameWithAJoinedValue) {
  csArgOptions options = ProgramOptions();
  Parse(options, {"-inptxt", "in.txt"});
  EXPECT_EQ(options.Values("inptxt"), std::vector<std::string>{"nptxt"});
  EXPECT_EQ(options.Positionals(), (std::vector<std::string>{"./frame2d", "in.txt"}));
}

TEST(ArgOptions, AbsentOptionHasNoCountAndNoValues) {
  csArgOptions options = ProgramOptions();
  Parse(options, {"-", "-o", "out.txt"});
  EXPECT_EQ(options.Count("outtxt"), 1u);
  EXPECT_EQ(options.Count("outcsv"), 0u);
  EXPECT_TRUE(options.Values("outcsv").empty());
  EXPECT_TRUE(options.Values("nosuchoption").empty());
  EXPECT_EQ(options.Positionals(), (std::vector<std::string>{"./frame2d", "-"}));
}

TEST(ArgOptions, UnregisteredOptionIsRejectedWithItsKey) {
  const std::pair<Args, const char*> cases[] = {
      {{"-x", "a"}, "x"}, {{"--foo", "a"}, "foo"}, {{"--"}, "-"}, {{"-xyz"}, "x"}};
  for (const auto& [args, key] : cases) {
    csArgOptions options = ProgramOptions();
    try {
      Parse(options, args);
      ADD_FAILURE() << key << " was accepted";
    } catch (const csArgOptions::exUnExpectedOptionHasBeenSet& e) {
      EXPECT_EQ(e.option, key);
    }
  }
}

TEST(ArgOptions, MissingValueIsRejectedWithTheLongName) {
  // A value starting with '-' is taken for an option, so it cannot be given.
  const Args cases[] = {{"-o"}, {"-o", "-c", "out.csv"}, {"--outtxt", "-value"}};
  for (const auto& args : cases) {
    csArgOptions options = ProgramOptions();
    try {
      Parse(options, args);
      ADD_FAILURE() << args.size() << " arguments were accepted";
    } catch (const csArgOptions::exRequiredValueHasnotBeenSet& e) {
      EXPECT_EQ(e.option, "outtxt");
    }
  }
}

TEST(ArgOptions, DuplicateOptionIsRejectedWithTheLongName) {
  csArgOptions options = ProgramOptions();
  try {
    Parse(options, {"-o", "a.txt", "--outtxt", "b.txt"});
    FAIL() << "duplicate accepted";
  } catch (const csArgOptions::exSpecifiedOptionIsDuplicated& e) {
    EXPECT_EQ(e.option, "outtxt");
  }
}

TEST(ArgOptions, ProgramPathIsTokenizedLikeAnyEntry) {
  csArgOptions options = ProgramOptions();
  const char* argv[] = {"-ofile.txt"};
  options.Parse(1, argv);
  EXPECT_EQ(options.Values("outtxt"), std::vector<std::string>{"file.txt"});
}

TEST(ArgOptions, RepeatableAndValuelessOptions) {
  csArgOptions options;
  options.AddOption("define", "D", true, true);
  options.AddOption("verbose", "", false, false);
  Parse(options, {"-Da", "--define", "b", "--verbose"});
  EXPECT_EQ(options.Count("define"), 1u);
  EXPECT_EQ(options.Values("define"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(options.Values("verbose"), std::vector<std::string>{""});

  csArgOptions twice;
  twice.AddOption("verbose", "v", false, false);
  EXPECT_THROW(Parse(twice, {"-v", "--verbose"}), csArgOptions::exSpecifiedOptionIsDuplicated);
}

}  // namespace
