#pragma once

#include <cstdint>

// The 8 x 14 glyphs of the text screen, one per code page 437 character,
// taken from the system's VGA console font when the program was built.
namespace font {

inline constexpr int kGlyphWidth = 8;
inline constexpr int kGlyphHeight = 14;

// Pixel row `row` (0..13, top first) of the glyph of `ch`; bit 7 is the
// leftmost pixel. Rows outside the glyph are empty.
std::uint8_t glyphRow(std::uint8_t ch, int row);

// Whether the glyph of `ch` is from the font; false where the font lacks the
// character and a stand-in box is drawn instead.
bool glyphFromFont(std::uint8_t ch);

}  // namespace font
