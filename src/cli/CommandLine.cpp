#include "cli/CommandLine.hpp"

#include <array>

#include "cli/Arguments.hpp"
#include "cli/BuildInfo.hpp"

namespace {

constexpr std::array kOptions{
    OptionSpec{"--help"},   OptionSpec{"-h"},         OptionSpec{"--version"},
    OptionSpec{"--window"}, OptionSpec{"--terminal"}, OptionSpec{"--documents"},
};

}  // namespace

Invocation readCommandLine(std::span<const std::string> words) {
  Invocation invocation;
  const SplitArguments split = splitArguments(words, kOptions);
  if (!split.ok()) {
    invocation.action = Invocation::Action::BadUsage;
    invocation.problem = split.problem;
    return invocation;
  }
  // Asking for help or the version answers that, whatever else was given.
  if (split.has("--help") || split.has("-h")) {
    invocation.action = Invocation::Action::Help;
    return invocation;
  }
  if (split.has("--version")) {
    invocation.action = Invocation::Action::Version;
    return invocation;
  }
  if (!split.operands.empty()) {
    invocation.action = Invocation::Action::BadUsage;
    invocation.problem = "unexpected argument '" + split.operands.front() + "'";
    return invocation;
  }
  const bool window = split.has("--window");
  const bool terminal = split.has("--terminal");
  if (window && terminal) {
    invocation.action = Invocation::Action::BadUsage;
    invocation.problem = "--window and --terminal cannot be used together";
    return invocation;
  }
  invocation.frontEnd = window     ? FrontEndChoice::Window
                        : terminal ? FrontEndChoice::Terminal
                                   : FrontEndChoice::Automatic;
  invocation.documents = split.has("--documents");
  return invocation;
}

std::string usageText() {
  return "Usage: tubalyzer [OPTION...]\n"
         "Wind load analysis of telescoping aluminium antenna elements.\n"
         "\n"
         "With no option, Tubalyzer opens a window when a display is available and\n"
         "otherwise runs in the terminal it was started from. Element files are saved\n"
         "to and recalled from the current folder.\n"
         "\n"
         "Options:\n"
         "  --window      run in a window; fail if none can be opened\n"
         "  --terminal    run in this terminal, even when a display is available\n"
         "  --documents   work in the folder Tubalyzer in your documents folder\n"
         "                (created if missing) instead of the current folder\n"
         "  -h, --help    show this help and exit\n"
         "  --version     show the version and exit\n"
         "\n"
         "Exit status: 0 when the program ended normally, 1 when it could not run,\n"
         "2 for bad usage.\n";
}

std::string versionLine() {
  return std::string("Tubalyzer 2.20 (build ") + kBuildDescription + ")";
}

std::string badUsageLine(const std::string& problem) {
  return "tubalyzer: " + problem + " (try --help)";
}
