// The code page 437 glyph table, written at build time by tub_fontgen from
// the console font (see CMakeLists.txt next to this file).
#include <cstdint>

extern const std::uint8_t tubFontGlyphRows[256][14];
extern const bool tubFontGlyphFromFile[256];

#include "FontGlyphs.inc"
