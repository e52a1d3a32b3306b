#include "platform/common/Cp437.hpp"

#include <array>

namespace cp437 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::optional<std::uint8_t> fromTypedCharacter(char32_t character) {
  if (character >= 32 && character <= 126) return static_cast<std::uint8_t>(character);
  for (std::size_t code = 128; code < kUnicode.size(); ++code) {
    if (kUnicode[code] == character) return static_cast<std::uint8_t>(code);
  }
  return std::nullopt;
}

std::vector<char32_t> decodeUtf8(std::string_view text) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
      length = 1;
      value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      value = lead & 0x07u;
    } else {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    bool valid = i + static_cast<std::size_t>(length) <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
      } else {
        value = (value << 6) | (next & 0x3Fu);
      }
    }
    // Overlong forms and surrogates are as malformed as a broken sequence.
    static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (valid &&
        (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))) {
      valid = false;
    }
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    out.push_back(value);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

std::string encodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::vector<std::uint8_t> typedCodes(std::string_view utf8) {
  std::vector<std::uint8_t> codes;
  for (char32_t c : decodeUtf8(utf8)) {
    if (auto code = fromTypedCharacter(c)) codes.push_back(*code);
  }
  return codes;
}

}  // namespace cp437
