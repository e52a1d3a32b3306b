#include "platform/sdl/SdlPlatform.hpp"

#include <utility>

#include "screen/TextScreen.hpp"

std::unique_ptr<SdlPlatform> SdlPlatform::open(PrinterDelegate printer, std::string& whyNot) {
  auto window = SdlWindow::open("Tubalyzer 2.20", whyNot);
  if (!window) return nullptr;
  return std::unique_ptr<SdlPlatform>(new SdlPlatform(std::move(window), std::move(printer)));
}

SdlPlatform::SdlPlatform(std::unique_ptr<SdlWindow> window, PrinterDelegate printer)
    : window_(std::move(window)), printer_(std::move(printer)) {}

void SdlPlatform::present(const TextScreen& screen) {
  // Converting and uploading 224,000 pixels is the costly part: skip it
  // when nothing was drawn since the last frame.
  if (shownGeneration_ == screen.generation()) return;
  window_->showFrame(screen.pixels());
  shownGeneration_ = screen.generation();
}

std::optional<InputKey> SdlPlatform::waitKey(std::optional<std::chrono::milliseconds> timeout) {
  return window_->waitKey(timeout);
}

void SdlPlatform::beep() { window_->beep(); }

PrinterOpen SdlPlatform::openDefaultPrinter() { return printer_.open(); }

PrintSubmission SdlPlatform::submitPrintJob(const PrintDocument& document) {
  return printer_.submit(document);
}
