#pragma once

#include <span>
#include <string>

// What the command line asks for, read before any front-end opens, so that
// --help, --version and bad usage never touch the terminal.
enum class FrontEndChoice {
  Automatic,  // a window when a display can be opened, else this terminal
  Window,
  Terminal,
};

struct Invocation {
  enum class Action {
    Run,       // the interactive program
    Help,      // usage text on standard output, exit 0
    Version,   // version line on standard output, exit 0
    BadUsage,  // `problem` on standard error, exit 2
  };
  Action action = Action::Run;
  FrontEndChoice frontEnd = FrontEndChoice::Automatic;
  bool documents = false;  // work in the user's documents folder
  std::string problem;     // what was wrong, for BadUsage
};

// `words` are the arguments after the program name.
Invocation readCommandLine(std::span<const std::string> words);

// The whole --help text, ending in a line end.
std::string usageText();

// "Tubalyzer 2.20" and the build it came from, on one line without its end.
std::string versionLine();

// The one line bad usage prints, without its end.
std::string badUsageLine(const std::string& problem);
