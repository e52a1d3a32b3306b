#include "platform/web/WebPlatform.hpp"

#include "platform/common/Cp437.hpp"
#include "platform/common/KeyWaitDeadline.hpp"
#include "platform/common/Palette.hpp"
#include "platform/web/BrowserKeys.hpp"
#include "platform/web/WebBridge.hpp"
#include "screen/TextScreen.hpp"

namespace {

// Where the browser's storage appears; the program's current folder.
constexpr const char* kFolder = "/tubalyzer";
constexpr int kBeepHz = 1000;
constexpr int kBeepMs = 250;

// Letter and A4 with a quarter inch all round: 96 x 75 and 93 x 80 cells.
constexpr double kMarginPt = 18.0;
constexpr double kLetterWidthPt = 612.0;
constexpr double kLetterHeightPt = 792.0;
constexpr double kA4WidthPt = 595.2756;   // 210 mm
constexpr double kA4HeightPt = 841.8898;  // 297 mm

// The one platform of the page, for the key events that arrive from it.
WebPlatform* current = nullptr;

PageGeometry pageWithMargins(double widthPt, double heightPt) {
  return PageGeometry{
      widthPt, heightPt, kMarginPt, kMarginPt, widthPt - 2 * kMarginPt, heightPt - 2 * kMarginPt};
}

}  // namespace

// Called by the page for every key pressed while the canvas has focus.
extern "C" int tub_key_event(const char* key, const char* code, int modifiers) {
  return current != nullptr && current->deliver(key, code, modifiers) ? 1 : 0;
}

std::unique_ptr<WebPlatform> WebPlatform::open() {
  if (!web::acquireTab()) return nullptr;
  web::openFolder(kFolder);
  std::unique_ptr<WebPlatform> platform(new WebPlatform());
  current = platform.get();
  return platform;
}

WebPlatform::~WebPlatform() {
  if (current == this) current = nullptr;
}

void WebPlatform::present(const TextScreen& screen) {
  if (shownGeneration_ == screen.generation()) return;
  rgba_.resize(static_cast<std::size_t>(TextScreen::kWidth * TextScreen::kHeight) * 4);
  palette::toRgbaBytes(screen.pixels(), rgba_);
  web::showFrame(rgba_.data(), TextScreen::kWidth, TextScreen::kHeight);
  shownGeneration_ = screen.generation();
}

std::optional<InputKey> WebPlatform::waitKey(std::optional<std::chrono::milliseconds> timeout) {
  // Suspends until the page delivers a key or the time is up; the browser
  // has its thread meanwhile, and an idle tab does nothing at all.
  if (keys_.empty()) web::waitForInput(KeyWaitDeadline(timeout).millisecondsLeft());
  if (keys_.empty()) return std::nullopt;
  const InputKey key = keys_.front();
  keys_.pop_front();
  return key;
}

bool WebPlatform::deliver(const char* key, const char* code, int modifiers) {
  const std::optional<InputKey> mapped = keyFromBrowser(key, code, modifiers);
  if (!mapped) return false;
  keys_.push_back(*mapped);
  return true;
}

void WebPlatform::beep() { web::beep(kBeepHz, kBeepMs); }

PrinterOpen WebPlatform::openDefaultPrinter() {
  return PrinterOpen{web::paperIsA4() ? pageWithMargins(kA4WidthPt, kA4HeightPt)
                                      : pageWithMargins(kLetterWidthPt, kLetterHeightPt),
                     std::string()};
}

PrintSubmission WebPlatform::submitPrintJob(const PrintDocument& document) {
  std::string pages;
  for (std::size_t p = 0; p < document.pages.size(); ++p) {
    if (p > 0) pages += '\f';
    const std::vector<std::string>& lines = document.pages[p];
    for (std::size_t l = 0; l < lines.size(); ++l) {
      if (l > 0) pages += '\n';
      for (const char byte : lines[l]) {
        pages += cp437::encodeUtf8(cp437::toUnicode(static_cast<std::uint8_t>(byte)));
      }
    }
  }
  web::showPrintView(document.name, pages, document.geometry);
  return PrintSubmission{};  // the browser's print dialog says the rest
}

void WebPlatform::ended(const std::string& problem) { web::ended(problem); }
