#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/common/PrinterDelegate.hpp"
#include "platform/terminal/TerminalScreen.hpp"
#include "screen/Platform.hpp"

// The program in the terminal it was started from, for when there is no
// display. Printing goes to whatever spooler is plugged in.
class TerminalPlatform final : public Platform {
 public:
  // Empty, with the reason in `whyNot`, when there is no usable terminal.
  static std::unique_ptr<TerminalPlatform> open(PrinterDelegate printer, std::string& whyNot);

  void present(const TextScreen& screen) override;
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout) override;
  void beep() override;
  PrinterOpen openDefaultPrinter() override;
  PrintSubmission submitPrintJob(const PrintDocument& document) override;

 private:
  TerminalPlatform(std::unique_ptr<TerminalScreen> terminal, PrinterDelegate printer);

  std::unique_ptr<TerminalScreen> terminal_;
  PrinterDelegate printer_;
  std::optional<std::uint64_t> shownGeneration_;
};
