#pragma once

#include <cstdint>
#include <span>

// The 16 colours of the PC's colour text modes (bright blue 9, bright white
// 15, red 4, ...), as 0xAARRGGBB.
namespace palette {

std::uint32_t argb(std::uint8_t index);  // indices above 15 wrap, as on the card

// Turns a frame of palette indices into ARGB8888 pixels; `out` must be as
// long as `indices`.
void toArgb(std::span<const std::uint8_t> indices, std::span<std::uint32_t> out);

// The same frame as bytes R, G, B, A per pixel, the order of a browser's
// ImageData; `out` must be four times as long as `indices`.
void toRgbaBytes(std::span<const std::uint8_t> indices, std::span<std::uint8_t> out);

}  // namespace palette
