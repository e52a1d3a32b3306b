#include "platform/common/Palette.hpp"

#include <array>
#include <cstddef>

namespace palette {
namespace {
constexpr std::array<std::uint32_t, 16> kColours = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA,  // black, blue, green, cyan
    0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,  // red, magenta, brown, light grey
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,  // dark grey, bright blue, ...
    0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,  // ..., yellow, bright white
};
}  // namespace

std::uint32_t argb(std::uint8_t index) { return kColours[index & 15u]; }

void toArgb(std::span<const std::uint8_t> indices, std::span<std::uint32_t> out) {
  const std::size_t n = indices.size() < out.size() ? indices.size() : out.size();
  for (std::size_t i = 0; i < n; ++i) out[i] = kColours[indices[i] & 15u];
}

void toRgbaBytes(std::span<const std::uint8_t> indices, std::span<std::uint8_t> out) {
  const std::size_t n = indices.size() < out.size() / 4 ? indices.size() : out.size() / 4;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t colour = kColours[indices[i] & 15u];
    out[4 * i] = static_cast<std::uint8_t>(colour >> 16);
    out[4 * i + 1] = static_cast<std::uint8_t>(colour >> 8);
    out[4 * i + 2] = static_cast<std::uint8_t>(colour);
    out[4 * i + 3] = static_cast<std::uint8_t>(colour >> 24);
  }
}

}  // namespace palette
