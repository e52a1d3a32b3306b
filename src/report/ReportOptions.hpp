#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Design.hpp"

// The analysis options of a report, given as the answers a user types in
// the options dialogue: each is read and checked exactly as the dialogue
// reads and checks the same text, so the stored values are bit for bit
// those the dialogue would store.
struct OptionAnswers {
  // The yield prompt's whole line; empty (or none) is 35000 psi.
  std::optional<std::string> yield;
  // "KIND:THICKNESS": hoarfrost, rime or glaze (or h, r, g) in either case,
  // then the radial thickness as typed at its prompt; none is no ice.
  std::optional<std::string> ice;
  // "C" for EIA-222-C (also when none), or "E:HEIGHT" for EIA/TIA-222-E
  // with the antenna height as typed at its prompt; either case.
  std::optional<std::string> standard;
};

struct ChosenOptions {
  DesignOptions options;
  std::string problem;  // an answer the dialogue would refuse, in words
};

ChosenOptions chooseOptions(const OptionAnswers& answers);

// Whether a word typed on the command line is `word`, in either case
// (ASCII letters).
bool sameWordIgnoringCase(std::string_view typed, std::string_view word);
