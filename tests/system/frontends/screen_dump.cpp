// Runs the program headless, types a key script, and writes what the
// front-ends must show for it: PREFIX.ppm, the 640 x 350 frame in the
// window's colours, and PREFIX.txt, the terminal's 25 rows in UTF-8 with
// trailing blanks removed.
//
// usage: tub_screen_dump KEY_SCRIPT PREFIX   (see KeyNames.hpp)

#include <cstdio>
#include <fstream>
#include <string>

#include "KeyNames.hpp"
#include "platform/common/Cp437.hpp"
#include "platform/headless/Session.hpp"
#include "platform/common/Palette.hpp"
#include "platform/terminal/TermGrid.hpp"
#include "screen/TextScreen.hpp"

namespace {

bool writePpm(const std::string& path, const TextScreen& screen) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << TextScreen::kWidth << ' ' << TextScreen::kHeight << "\n255\n";
  for (std::uint8_t index : screen.pixels()) {
    const std::uint32_t argb = palette::argb(index);
    out.put(static_cast<char>((argb >> 16) & 0xFF));
    out.put(static_cast<char>((argb >> 8) & 0xFF));
    out.put(static_cast<char>(argb & 0xFF));
  }
  return static_cast<bool>(out);
}

bool writeText(const std::string& path, const TextScreen& screen) {
  const termgrid::Grid grid = termgrid::compose(screen);
  std::ofstream out(path, std::ios::binary);
  for (int row = 0; row < termgrid::kRows; ++row) {
    std::string line;
    for (int column = 0; column < termgrid::kColumns; ++column) {
      line += cp437::encodeUtf8(
          grid[static_cast<std::size_t>(row * termgrid::kColumns + column)].glyph);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s KEY_SCRIPT PREFIX\n", argv[0]);
    return 2;
  }
  const auto keys = parseKeyScript(argv[1]);
  if (!keys) {
    std::fprintf(stderr, "%s: unknown key name in \"%s\"\n", argv[0], argv[1]);
    return 2;
  }
  Session session;
  for (const InputKey& key : *keys) session.press(key);
  const TextScreen& screen = session.screen();
  const std::string prefix = argv[2];
  if (!writePpm(prefix + ".ppm", screen) || !writeText(prefix + ".txt", screen)) {
    std::fprintf(stderr, "%s: cannot write %s.*\n", argv[0], prefix.c_str());
    return 1;
  }
  return 0;
}
