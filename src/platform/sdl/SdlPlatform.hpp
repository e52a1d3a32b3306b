#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/common/PrinterDelegate.hpp"
#include "platform/sdl/SdlWindow.hpp"
#include "screen/Platform.hpp"

// The program in a window. Printing goes to whatever spooler is plugged in.
class SdlPlatform final : public Platform {
 public:
  // Empty, with the reason in `whyNot`, when no display can be opened.
  static std::unique_ptr<SdlPlatform> open(PrinterDelegate printer, std::string& whyNot);

  void present(const TextScreen& screen) override;
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout) override;
  void beep() override;
  PrinterOpen openDefaultPrinter() override;
  PrintSubmission submitPrintJob(const PrintDocument& document) override;

 private:
  SdlPlatform(std::unique_ptr<SdlWindow> window, PrinterDelegate printer);

  std::unique_ptr<SdlWindow> window_;
  PrinterDelegate printer_;
  std::optional<std::uint64_t> shownGeneration_;
};
