#include "cli/Arguments.hpp"

#include <algorithm>

namespace {

const OptionSpec* find(std::span<const OptionSpec> known, std::string_view name) {
  const auto it = std::find_if(known.begin(), known.end(),
                               [name](const OptionSpec& option) { return option.name == name; });
  return it == known.end() ? nullptr : &*it;
}

bool looksLikeOption(std::string_view word) { return word.size() > 1 && word.front() == '-'; }

}  // namespace

bool SplitArguments::has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(),
                     [name](const OptionUse& use) { return use.name == name; });
}

std::optional<std::string> SplitArguments::last(std::string_view name) const {
  for (auto it = options.rbegin(); it != options.rend(); ++it) {
    if (it->name == name) return it->value;
  }
  return std::nullopt;
}

SplitArguments splitArguments(std::span<const std::string> words,
                              std::span<const OptionSpec> known) {
  SplitArguments split;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (optionsEnded || !looksLikeOption(word)) {
      split.operands.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = word.starts_with("--") ? word.find('=') : std::string::npos;
    const std::string_view name = equals == std::string::npos
                                      ? std::string_view(word)
                                      : std::string_view(word).substr(0, equals);
    const OptionSpec* option = find(known, name);
    if (option == nullptr) {
      split.problem = "unknown option '" + std::string(name) + "'";
      return split;
    }
    OptionUse use{std::string(name), {}};
    if (equals != std::string::npos) {
      if (!option->takesValue) {
        split.problem = "option '" + std::string(name) + "' takes no value";
        return split;
      }
      use.value = word.substr(equals + 1);
    } else if (option->takesValue) {
      if (i + 1 >= words.size()) {
        split.problem = "option '" + std::string(name) + "' needs a value";
        return split;
      }
      use.value = words[++i];
    }
    split.options.push_back(std::move(use));
  }
  return split;
}
