// The web front-end's keys as the program would see them, for the browser
// checks: each key delivered to the page goes to /keys.txt as the bytes of
// its key text in decimal ("97" for a, "0 72" for Up), one line each, as
// tub_key_echo writes them for the window. Ends at q.
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/web/WebPlatform.hpp"
#include "screen/TextScreen.hpp"

int main() {
  const auto platform = WebPlatform::open();
  if (!platform) return 1;
  TextScreen screen;
  screen.open();
  for (const char c : std::string_view("Key echo: type keys, q ends")) {
    screen.putChar(static_cast<std::uint8_t>(c));
  }
  platform->present(screen);
  std::ofstream out("/keys.txt");
  out << "ready\n" << std::flush;
  for (;;) {
    const auto key = platform->waitKey(std::nullopt);
    if (!key) continue;
    const std::string text = keyText(*key);
    for (std::size_t i = 0; i < text.size(); ++i) {
      out << (i == 0 ? "" : " ") << static_cast<int>(static_cast<unsigned char>(text[i]));
    }
    out << '\n' << std::flush;
    if (text == "q") break;
  }
  platform->ended("");
  return 0;
}
