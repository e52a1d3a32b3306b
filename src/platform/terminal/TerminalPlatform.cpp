#include "platform/terminal/TerminalPlatform.hpp"

#include <utility>

#include "screen/TextScreen.hpp"

std::unique_ptr<TerminalPlatform> TerminalPlatform::open(PrinterDelegate printer,
                                                         std::string& whyNot) {
  auto terminal = TerminalScreen::open(whyNot);
  if (!terminal) return nullptr;
  return std::unique_ptr<TerminalPlatform>(
      new TerminalPlatform(std::move(terminal), std::move(printer)));
}

TerminalPlatform::TerminalPlatform(std::unique_ptr<TerminalScreen> terminal,
                                   PrinterDelegate printer)
    : terminal_(std::move(terminal)), printer_(std::move(printer)) {}

void TerminalPlatform::present(const TextScreen& screen) {
  if (shownGeneration_ == screen.generation()) return;
  terminal_->show(termgrid::compose(screen), screen.cursorRow(), screen.cursorColumn());
  shownGeneration_ = screen.generation();
}

std::optional<InputKey> TerminalPlatform::waitKey(
    std::optional<std::chrono::milliseconds> timeout) {
  return terminal_->waitKey(timeout);
}

void TerminalPlatform::beep() { terminal_->beep(); }

PrinterOpen TerminalPlatform::openDefaultPrinter() { return printer_.open(); }

PrintSubmission TerminalPlatform::submitPrintJob(const PrintDocument& document) {
  return printer_.submit(document);
}
