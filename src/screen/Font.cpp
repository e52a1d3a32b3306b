#include "screen/Font.hpp"

// Written at build time from the console font (tools/fontgen).
extern const std::uint8_t tubFontGlyphRows[256][14];
extern const bool tubFontGlyphFromFile[256];

namespace font {

std::uint8_t glyphRow(std::uint8_t ch, int row) {
  if (row < 0 || row >= kGlyphHeight) {
    return 0;
  }
  return tubFontGlyphRows[ch][row];
}

bool glyphFromFont(std::uint8_t ch) { return tubFontGlyphFromFile[ch]; }

}  // namespace font
