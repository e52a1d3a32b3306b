// Writes every key a front-end delivers to a file, one line per key: the
// bytes of the key text the program would see, in decimal ("97" for a,
// "0 72" for Up). Ends at q, or when the window closes or a signal comes.
//
// usage: tub_key_echo window|terminal OUTFILE

#include <cstdio>
#include <memory>
#include <string>

#include "platform/sdl/SdlPlatform.hpp"
#include "platform/terminal/TerminalPlatform.hpp"
#include "screen/TextScreen.hpp"

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "window" && mode != "terminal") {
    std::fprintf(stderr, "usage: %s window|terminal OUTFILE\n", argv[0]);
    return 2;
  }
  std::FILE* out = std::fopen(argv[2], "w");
  if (out == nullptr) return 1;
  std::string problem;
  std::unique_ptr<Platform> platform;
  if (mode == "window") {
    platform = SdlPlatform::open(PrinterDelegate{}, problem);
  } else {
    platform = TerminalPlatform::open(PrinterDelegate{}, problem);
  }
  if (!platform) {
    std::fprintf(stderr, "%s: %s\n", argv[0], problem.c_str());
    return 1;
  }
  TextScreen screen;
  screen.open();
  for (char c : std::string("Key echo: type keys, q ends")) {
    screen.putChar(static_cast<std::uint8_t>(c));
  }
  platform->present(screen);
  std::fprintf(out, "ready\n");
  std::fflush(out);
  try {
    for (;;) {
      const auto key = platform->waitKey(std::chrono::milliseconds(100));
      if (!key) continue;
      const std::string text = keyText(*key);
      for (std::size_t i = 0; i < text.size(); ++i) {
        std::fprintf(out, i == 0 ? "%d" : " %d", static_cast<unsigned char>(text[i]));
      }
      std::fprintf(out, "\n");
      std::fflush(out);
      if (text == "q") break;
    }
  } catch (const PlatformClosed&) {
    std::fprintf(out, "closed\n");
  }
  std::fclose(out);
  return 0;
}
