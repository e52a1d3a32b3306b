// Build-time icon maker: runs the program headless to its main menu and
// turns the right-hand end of the menu's telescoping element, on its blue
// background, into square PNG icons. Each icon shows the picture at a whole
// scale with no smoothing, so that it keeps the screen's sharp pixels.
//
// Usage: tub_icongen OUTPUT_DIR SIZE... (writes OUTPUT_DIR/SIZE.png)

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Program.hpp"
#include "platform/common/Palette.hpp"
#include "platform/headless/HeadlessPlatform.hpp"
#include "screen/TextScreen.hpp"

namespace {

// The menu text ends on row 15; the picture stands below it.
constexpr int kPictureTop = 16 * TextScreen::kCellHeight;
// The picture is eight tubes end to end; the icon holds the last, thickest
// one and a little of the one before it, so that the step shows where the
// thinner tube slides in.
constexpr int kTubes = 8;
constexpr int kStepPixels = 5;

struct Box {
  int left = TextScreen::kWidth;
  int top = TextScreen::kHeight;
  int right = -1;
  int bottom = -1;
};

[[noreturn]] void fail(const std::string& message) {
  std::fprintf(stderr, "tub_icongen: %s\n", message.c_str());
  std::exit(1);
}

// The main menu as the program draws it: the title answered with "n", then
// the keys run out while the menu waits.
TextScreen mainMenuScreen() {
  HeadlessPlatform platform(HeadlessPlatform::Mode::Script);
  platform.pushKeys("n");
  Program program(platform);
  (void)program.run();
  return program.console().screen();
}

Box pictureBounds(const TextScreen& screen) {
  Box box;
  for (int y = kPictureTop; y < TextScreen::kHeight; ++y) {
    for (int x = 0; x < TextScreen::kWidth; ++x) {
      if (screen.pixel(x, y) != screen.background()) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
    }
  }
  if (box.right < 0) {
    fail("the main menu shows no picture");
  }
  return box;
}

// size x size RGB pixels: the right-hand end of the picture, scaled by the
// largest whole factor at which the last tube and its step fit inside a
// margin, and centred on the background colour.
std::vector<std::uint8_t> iconPixels(const TextScreen& screen, const Box& picture, int size) {
  const int margin = size / 16;
  const int room = size - 2 * margin;
  const int wanted = (picture.right - picture.left) / kTubes + 1 + kStepPixels;
  const int scale = std::max(1, room / wanted);
  const int width = std::min(room / scale, picture.right - picture.left + 1);
  const int height = std::min(room / scale, picture.bottom - picture.top + 1);
  const int sourceLeft = picture.right - width + 1;
  const int sourceTop = (picture.top + picture.bottom + 1) / 2 - height / 2;
  const int left = (size - width * scale) / 2;
  const int top = (size - height * scale) / 2;

  const auto side = static_cast<std::size_t>(size);
  std::vector<std::uint8_t> rgb(side * side * 3);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      std::uint8_t index = static_cast<std::uint8_t>(screen.background());
      if (x >= left && x < left + width * scale && y >= top && y < top + height * scale) {
        index = screen.pixel(sourceLeft + (x - left) / scale, sourceTop + (y - top) / scale);
      }
      const std::uint32_t argb = palette::argb(index);
      const std::size_t at = (static_cast<std::size_t>(y) * side + static_cast<std::size_t>(x)) * 3;
      rgb[at] = static_cast<std::uint8_t>(argb >> 16);
      rgb[at + 1] = static_cast<std::uint8_t>(argb >> 8);
      rgb[at + 2] = static_cast<std::uint8_t>(argb);
    }
  }
  return rgb;
}

void putBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out += static_cast<char>((value >> shift) & 0xFFU);
  }
}

void putChunk(std::string& png, std::string_view type, const std::string& data) {
  putBigEndian(png, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed += data;
  png += typed;
  const auto* bytes = reinterpret_cast<const Bytef*>(typed.data());
  putBigEndian(png, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(typed.size()))));
}

// An 8-bit RGB PNG, every row unfiltered; no time or text chunks, so the
// same picture always gives the same bytes.
std::string encodePng(const std::vector<std::uint8_t>& rgb, int size) {
  std::vector<std::uint8_t> rows;
  const auto side = static_cast<std::size_t>(size);
  const std::size_t stride = side * 3;
  for (std::size_t row = 0; row < side; ++row) {
    rows.push_back(0);  // filter: none
    rows.insert(rows.end(), rgb.begin() + static_cast<std::ptrdiff_t>(row * stride),
                rgb.begin() + static_cast<std::ptrdiff_t>((row + 1) * stride));
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<Bytef> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9) !=
      Z_OK) {
    fail("zlib could not compress the picture");
  }

  std::string header;
  putBigEndian(header, static_cast<std::uint32_t>(size));
  putBigEndian(header, static_cast<std::uint32_t>(size));
  header += std::string{'\x08', '\x02', '\x00', '\x00', '\x00'};  // 8 bits, RGB, no interlace

  std::string png = "\x89PNG\r\n\x1a\n";
  putChunk(png, "IHDR", header);
  putChunk(png, "IDAT", std::string(reinterpret_cast<const char*>(packed.data()), packedSize));
  putChunk(png, "IEND", std::string());
  return png;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    fail("usage: tub_icongen OUTPUT_DIR SIZE...");
  }
  const TextScreen screen = mainMenuScreen();
  const Box picture = pictureBounds(screen);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 16 || size > 1024) {
      fail(std::string("not an icon size: ") + argv[i]);
    }
    const std::string path = std::string(argv[1]) + "/" + argv[i] + ".png";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << encodePng(iconPixels(screen, picture, size), size);
    out.close();
    if (!out) {
      fail("cannot write " + path);
    }
  }
  return 0;
}
