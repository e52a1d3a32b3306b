#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cli/Arguments.hpp"

namespace {

constexpr std::array kKnown{OptionSpec{"--format", true}, OptionSpec{"--quiet"},
                            OptionSpec{"-o", true}};

SplitArguments split(std::vector<std::string> words) { return splitArguments(words, kKnown); }

TEST(Arguments, ValuesJoinedOrSeparateOptionsAnywhereAndDoubleDashEndsOptions) {
  const SplitArguments got = split({"A.ELE", "--format=csv", "--quiet", "-o", "out file",
                                    "--format", "json", "--", "--quiet", "-", "--format=x"});
  ASSERT_TRUE(got.ok()) << got.problem;
  EXPECT_EQ(got.operands, (std::vector<std::string>{"A.ELE", "--quiet", "-", "--format=x"}));
  ASSERT_EQ(got.options.size(), 4U);
  EXPECT_EQ(got.last("--format"), "json");
  EXPECT_EQ(got.last("-o"), "out file");
  EXPECT_TRUE(got.has("--quiet"));
  EXPECT_FALSE(got.last("--missing").has_value());
  // An empty value is a value, and "=" inside it is kept.
  EXPECT_EQ(split({"--format="}).last("--format"), "");
  EXPECT_EQ(split({"--format=a=b"}).last("--format"), "a=b");
  // A value that looks like an option is still the value.
  EXPECT_EQ(split({"--format", "--quiet"}).last("--format"), "--quiet");
}

TEST(Arguments, ProblemsNameTheOption) {
  EXPECT_EQ(split({"--formats"}).problem, "unknown option '--formats'");
  EXPECT_EQ(split({"--nope=1"}).problem, "unknown option '--nope'");
  EXPECT_EQ(split({"A.ELE", "--format"}).problem, "option '--format' needs a value");
  EXPECT_EQ(split({"--quiet=yes"}).problem, "option '--quiet' takes no value");
  // Short options take their value from the next word only.
  EXPECT_EQ(split({"-o=x"}).problem, "unknown option '-o=x'");
}

}  // namespace
