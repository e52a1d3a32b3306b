#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "screen/Font.hpp"

namespace {

using Glyph = std::array<std::uint8_t, 14>;

// The console font the build converts, read here on its own (through gzip)
// so that the table built into the program is checked against the source.
constexpr const char* kFontPath = "/usr/share/consolefonts/Uni2-VGA14.psf.gz";

struct ConsoleFont {
  std::vector<std::uint8_t> bytes;
  std::map<unsigned, std::size_t> glyphOf;  // Unicode -> first glyph

  std::optional<Glyph> glyph(unsigned unicode) const {
    const auto found = glyphOf.find(unicode);
    if (found == glyphOf.end()) {
      return std::nullopt;
    }
    Glyph g{};
    for (std::size_t r = 0; r < 14; ++r) {
      g[r] = bytes[4 + found->second * 14 + r];
    }
    return g;
  }
};

std::optional<ConsoleFont> loadFont() {
  const std::string command = std::string("gzip -dc ") + kFontPath;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return std::nullopt;
  }
  ConsoleFont font;
  std::array<std::uint8_t, 4096> buffer{};
  for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    font.bytes.insert(font.bytes.end(), buffer.begin(), buffer.begin() + static_cast<long>(got));
  }
  pclose(pipe);
  if (font.bytes.size() < 4 || font.bytes[0] != 0x36 || font.bytes[1] != 0x04 ||
      font.bytes[3] != 14) {
    return std::nullopt;
  }
  const std::size_t count = (font.bytes[2] & 1) != 0 ? 512 : 256;
  std::size_t glyph = 0;
  bool sequence = false;
  for (std::size_t i = 4 + count * 14; i + 1 < font.bytes.size() && glyph < count; i += 2) {
    const unsigned unit = font.bytes[i] | (unsigned{font.bytes[i + 1]} << 8);
    if (unit == 0xFFFF) {
      ++glyph;
      sequence = false;
    } else if (unit == 0xFFFE) {
      sequence = true;
    } else if (!sequence) {
      font.glyphOf.emplace(unit, glyph);
    }
  }
  return font;
}

Glyph builtIn(std::uint8_t ch) {
  Glyph g{};
  for (int r = 0; r < 14; ++r) {
    g[static_cast<std::size_t>(r)] = font::glyphRow(ch, r);
  }
  return g;
}

bool blank(const Glyph& g) {
  for (const std::uint8_t row : g) {
    if (row != 0) {
      return false;
    }
  }
  return true;
}

TEST(Font, GlyphsAreTheConsoleFontsThroughCodePage437) {
  const std::optional<ConsoleFont> source = loadFont();
  ASSERT_TRUE(source.has_value()) << "cannot read " << kFontPath;
  // Code page 437 code -> the Unicode character it stands for.
  const std::vector<std::pair<std::uint8_t, unsigned>> samples = {
      {'A', 0x41},    {'g', 0x67},    {'0', 0x30},    {'~', 0x7E},   {0x01, 0x263A},
      {0x18, 0x2191}, {0x7F, 0x2302}, {0x82, 0xE9},   {0x9B, 0xA2},  {0xB0, 0x2591},
      {0xC4, 0x2500}, {0xDB, 0x2588}, {0xE0, 0x3B1},  {0xE3, 0x3C0}, {0xF8, 0xB0},
      {0xFD, 0xB2},   {0xFE, 0x25A0}, {0xB3, 0x2502}, {0xDA, 0x250C}};
  for (const auto& [code, unicode] : samples) {
    const std::optional<Glyph> expected = source->glyph(unicode);
    ASSERT_TRUE(expected.has_value()) << std::hex << unicode;
    EXPECT_EQ(builtIn(code), *expected) << "code " << int(code);
    EXPECT_TRUE(font::glyphFromFont(code)) << "code " << int(code);
  }
  // A VGA capital A, row by row.
  EXPECT_EQ(builtIn('A'), (Glyph{0x00, 0x00, 0x10, 0x38, 0x6C, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0xC6,
                                 0xC6, 0x00, 0x00}));
}

TEST(Font, CharactersTheFontLacksShareOneVisibleStandIn) {
  // Black pointers right and left, peseta, reversed not, infinity,
  // intersection, identical to, superscript n.
  const std::vector<std::uint8_t> missing = {0x10, 0x11, 0x9E, 0xA9, 0xEC, 0xEF, 0xF0, 0xFC};
  const Glyph standIn = builtIn(missing.front());
  EXPECT_FALSE(blank(standIn));
  EXPECT_NE(standIn, builtIn(0xDB));
  EXPECT_NE(standIn, builtIn(0xFE));
  for (const std::uint8_t code : missing) {
    EXPECT_FALSE(font::glyphFromFont(code)) << int(code);
    EXPECT_EQ(builtIn(code), standIn) << int(code);
  }
}

TEST(Font, OnlyTheBlanksAreEmpty) {
  EXPECT_TRUE(blank(builtIn(0x00)));
  EXPECT_TRUE(blank(builtIn(' ')));
  EXPECT_TRUE(blank(builtIn(0xFF)));
  for (int code = 1; code < 255; ++code) {
    if (code != ' ') {
      EXPECT_FALSE(blank(builtIn(static_cast<std::uint8_t>(code)))) << code;
    }
  }
}

TEST(Font, PrintableAsciiGlyphsAreAllDifferent) {
  std::set<Glyph> seen;
  for (int code = 33; code < 127; ++code) {
    EXPECT_TRUE(seen.insert(builtIn(static_cast<std::uint8_t>(code))).second) << code;
  }
}

TEST(Font, RowsOutsideTheGlyphAreEmpty) {
  EXPECT_EQ(font::glyphRow(0xDB, 0), 0xFF);
  EXPECT_EQ(font::glyphRow(0xDB, 13), 0xFF);
  EXPECT_EQ(font::glyphRow(0xDB, -1), 0);
  EXPECT_EQ(font::glyphRow(0xDB, 14), 0);
}

}  // namespace
