#pragma once

#include <span>
#include <string>

#include "report/ReportCommand.hpp"
#include "screen/PageLayout.hpp"

// What the command line asks for, read before any front-end opens, so that
// --help, --version and bad usage never touch the terminal.
enum class FrontEndChoice {
  Automatic,  // a window when a display can be opened, else this terminal
  Window,
  Terminal,
};

struct Invocation {
  enum class Action {
    Run,         // the interactive program
    Help,        // usage text on standard output, exit 0
    Version,     // version line on standard output, exit 0
    BadUsage,    // badUsageLine() on standard error, exit 2
    Report,      // `tubalyzer report`: `report` says what
    ReportHelp,  // the report command's usage text, exit 0
  };
  Action action = Action::Run;
  FrontEndChoice frontEnd = FrontEndChoice::Automatic;
  bool documents = false;       // work in the user's documents folder
  std::string printTo;          // print every job as a PDF file into this folder
  Paper paper = Paper::Letter;  // the paper of those files
  ReportRequest report;
  bool reportCommand = false;  // the words began with "report"
  std::string problem;         // what was wrong, for BadUsage
};

// `words` are the arguments after the program name.
Invocation readCommandLine(std::span<const std::string> words);

// The whole --help text, ending in a line end.
std::string usageText();
// The whole `tubalyzer report --help` text, ending in a line end.
std::string reportUsageText();

// "Tubalyzer 2.20" and the build it came from, on one line without its end.
std::string versionLine();

// The one line bad usage prints, without its end.
std::string badUsageLine(const Invocation& invocation);
