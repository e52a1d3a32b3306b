#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screen/CodePage437.hpp"

// The program speaks code page 437; windows and terminals speak Unicode.
// cp437::toUnicode (screen/CodePage437.hpp) gives the character of a code.
namespace cp437 {

// The code a typed character stands for: printable ASCII (32..126) and the
// characters of 128..255. Everything else has no key code and is dropped.
std::optional<std::uint8_t> fromTypedCharacter(char32_t character);

// Decodes UTF-8; malformed bytes become U+FFFD so that they are dropped
// later instead of shifting the characters after them.
std::vector<char32_t> decodeUtf8(std::string_view text);

std::string encodeUtf8(char32_t character);

// The key codes of a piece of typed text, in order; characters without a
// code are left out.
std::vector<std::uint8_t> typedCodes(std::string_view utf8);

}  // namespace cp437
