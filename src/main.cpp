#include <unistd.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "app/Program.hpp"
#include "platform/common/PrinterDelegate.hpp"
#include "platform/cups/CupsPrinter.hpp"
#include "platform/sdl/SdlPlatform.hpp"
#include "platform/terminal/TerminalPlatform.hpp"
#include "screen/Platform.hpp"

namespace {

// The spooler behind either front-end; one printer object for the whole run,
// because a job goes to the printer its page was measured on.
PrinterDelegate systemPrinter() {
  auto printer = std::make_shared<CupsPrinter>();
  return PrinterDelegate{
      [printer] { return printer->openDefaultPrinter(); },
      [printer](const PrintDocument& document) { return printer->submitPrintJob(document); }};
}

// A window when there is a display, else the terminal we were started from.
std::unique_ptr<Platform> openPlatform() {
  const PrinterDelegate printer = systemPrinter();
  std::string windowProblem;
  if (auto window = SdlPlatform::open(printer, windowProblem)) return window;
  if (isatty(STDIN_FILENO) == 0) {
    std::fprintf(stderr,
                 "tubalyzer: no display to open a window on (%s), and no terminal to run "
                 "in instead.\n",
                 windowProblem.c_str());
    return nullptr;
  }
  std::string terminalProblem;
  if (auto terminal = TerminalPlatform::open(printer, terminalProblem)) return terminal;
  std::fprintf(stderr,
               "tubalyzer: no display to open a window on (%s), and the terminal cannot be "
               "used: %s.\n",
               windowProblem.c_str(), terminalProblem.c_str());
  return nullptr;
}

}  // namespace

int main() {
  std::unique_ptr<Platform> platform = openPlatform();
  if (!platform) return 1;
  try {
    Program program(*platform);
    return program.run();
  } catch (const std::exception& error) {
    platform.reset();  // the terminal back to normal before we say anything
    std::fprintf(stderr, "tubalyzer: %s\n", error.what());
  } catch (...) {
    platform.reset();
    std::fprintf(stderr, "tubalyzer: unexpected error\n");
  }
  return 1;
}
