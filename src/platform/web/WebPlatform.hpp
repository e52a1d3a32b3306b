#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "screen/Platform.hpp"

// The program in a browser page: the frame on a canvas, keys from the
// canvas's key events, the beep through Web Audio, the current folder in
// the browser's storage, printing through the browser's print dialog.
class WebPlatform final : public Platform {
 public:
  // Empty when another tab already runs the program (the page says so).
  static std::unique_ptr<WebPlatform> open();
  ~WebPlatform() override;
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  void present(const TextScreen& screen) override;
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout) override;
  void beep() override;
  PrinterOpen openDefaultPrinter() override;
  PrintSubmission submitPrintJob(const PrintDocument& document) override;

  // The program has ended; `problem` says why when it did not end by Quit.
  void ended(const std::string& problem);

  // A key event from the page; true when the program takes the key (the
  // page then keeps it from the browser).
  bool deliver(const char* key, const char* code, int modifiers);

 private:
  WebPlatform() = default;

  std::deque<InputKey> keys_;
  std::vector<std::uint8_t> rgba_;
  std::optional<std::uint64_t> shownGeneration_;
};
