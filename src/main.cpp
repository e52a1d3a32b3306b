#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.hpp"
#include "cli/CommandLine.hpp"
#include "cli/DocumentsFolder.hpp"
#include "platform/common/PrinterDelegate.hpp"
#include "platform/cups/CupsPrinter.hpp"
#include "platform/pdf/PdfFolderPrinter.hpp"
#include "platform/pdf/PdfPages.hpp"
#include "platform/sdl/SdlPlatform.hpp"
#include "platform/terminal/TerminalPlatform.hpp"
#include "report/ReportCommand.hpp"
#include "screen/Platform.hpp"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The spooler behind either front-end; one printer object for the whole run,
// because a job goes to the printer its page was measured on.
PrinterDelegate systemPrinter() {
  auto printer = std::make_shared<CupsPrinter>();
  return PrinterDelegate{[printer] { return printer->openDefaultPrinter(); },
                         [printer](const PrintDocument& document) {
                           return PrintSubmission{printer->submitPrintJob(document), {}};
                         }};
}

// --print-to: every job a PDF file in the folder, on the paper asked for.
PrinterDelegate folderPrinter(std::shared_ptr<PdfFolderPrinter> printer) {
  return PrinterDelegate{
      [printer] { return printer->openDefaultPrinter(); },
      [printer](const PrintDocument& document) { return printer->submitPrintJob(document); }};
}

std::string drawPdf(const PrintDocument& job, std::string& problem) {
  PdfFile pdf = renderPdf(job);
  problem = pdf.error;
  return std::move(pdf.bytes);
}

void sayProblem(const std::string& line) { std::fprintf(stderr, "tubalyzer: %s\n", line.c_str()); }

std::unique_ptr<Platform> openWindow(const PrinterDelegate& printer) {
  std::string problem;
  auto window = SdlPlatform::open(printer, problem);
  if (!window) sayProblem("cannot open a window: " + problem);
  return window;
}

std::unique_ptr<Platform> openTerminal(const PrinterDelegate& printer) {
  if (isatty(STDIN_FILENO) == 0) {
    sayProblem("cannot run in the terminal: standard input is not a terminal");
    return nullptr;
  }
  std::string problem;
  auto terminal = TerminalPlatform::open(printer, problem);
  if (!terminal) sayProblem("cannot run in the terminal: " + problem);
  return terminal;
}

// A window when there is a display, else the terminal we were started from.
std::unique_ptr<Platform> openEither(const PrinterDelegate& printer) {
  std::string windowProblem;
  if (auto window = SdlPlatform::open(printer, windowProblem)) return window;
  if (isatty(STDIN_FILENO) == 0) {
    sayProblem("no display to open a window on (" + windowProblem +
               "), and no terminal to run in instead.");
    return nullptr;
  }
  std::string terminalProblem;
  if (auto terminal = TerminalPlatform::open(printer, terminalProblem)) return terminal;
  sayProblem("no display to open a window on (" + windowProblem +
             "), and the terminal cannot be used: " + terminalProblem + ".");
  return nullptr;
}

std::unique_ptr<Platform> openPlatform(FrontEndChoice choice, const PrinterDelegate& printer) {
  switch (choice) {
    case FrontEndChoice::Window:
      return openWindow(printer);
    case FrontEndChoice::Terminal:
      return openTerminal(printer);
    case FrontEndChoice::Automatic:
      break;
  }
  return openEither(printer);
}

// Writes an answer to standard output; a closed or full output is a failure,
// not a signal (a reader such as `head` may go away early).
int answer(const std::string& text) {
  std::signal(SIGPIPE, SIG_IGN);
  const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
  return written ? 0 : kExitFailure;
}

void sayBadUsage(const Invocation& invocation) {
  std::fprintf(stderr, "%s\n", badUsageLine(invocation).c_str());
}

int runProgram(Invocation invocation) {
  PrinterDelegate printer = systemPrinter();
  if (!invocation.printTo.empty()) {
    // Checked before anything starts, and before --documents moves us
    // elsewhere: a relative folder is the one the user meant.
    std::string problem;
    std::shared_ptr<PdfFolderPrinter> folder =
        PdfFolderPrinter::open(invocation.printTo, invocation.paper, problem);
    if (!folder) {
      invocation.problem = "--print-to " + invocation.printTo + ": " + problem;
      sayBadUsage(invocation);
      return kExitUsage;
    }
    printer = folderPrinter(std::move(folder));
  }
  if (invocation.documents) {
    if (const std::string problem = enterDocumentsFolder(); !problem.empty()) {
      sayProblem(problem);
      return kExitFailure;
    }
  }
  std::unique_ptr<Platform> platform = openPlatform(invocation.frontEnd, printer);
  if (!platform) return kExitFailure;
  try {
    Program program(*platform);
    return program.run();
  } catch (const std::exception& error) {
    platform.reset();  // the terminal back to normal before we say anything
    sayProblem(error.what());
  } catch (...) {
    platform.reset();
    sayProblem("unexpected error");
  }
  return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
  const Invocation invocation = readCommandLine(words);
  switch (invocation.action) {
    case Invocation::Action::Help:
      return answer(usageText());
    case Invocation::Action::Version:
      return answer(versionLine() + "\n");
    case Invocation::Action::BadUsage:
      sayBadUsage(invocation);
      return kExitUsage;
    case Invocation::Action::ReportHelp:
      return answer(reportUsageText());
    case Invocation::Action::Report:
      // A reader of standard output that goes away early ends the report
      // with status 1, not with a signal.
      std::signal(SIGPIPE, SIG_IGN);
      return runReport(invocation.report, drawPdf);
    case Invocation::Action::Run:
      break;
  }
  return runProgram(invocation);
}
