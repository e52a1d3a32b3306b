#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The words of a command line, told apart into options and operands by a
// table of the options a command knows. An option that takes a value may be
// written "--name VALUE" or "--name=VALUE"; options and operands may come
// in any order, and "--" makes every later word an operand.
struct OptionSpec {
  std::string_view name;  // as typed, with its dashes: "--yield", "-h"
  bool takesValue = false;
};

struct OptionUse {
  std::string name;   // as in the table
  std::string value;  // empty for an option without a value
};

struct SplitArguments {
  std::vector<OptionUse> options;     // in the order given
  std::vector<std::string> operands;  // in the order given
  std::string problem;                // for the user, empty when all was understood
  bool ok() const { return problem.empty(); }
  bool has(std::string_view name) const;
  // The value of the last use of an option, if it was given.
  std::optional<std::string> last(std::string_view name) const;
};

SplitArguments splitArguments(std::span<const std::string> words,
                              std::span<const OptionSpec> known);
