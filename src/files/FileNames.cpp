#include "files/FileNames.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace {

// The characters of code page 437 from 128 to 255.
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

// Code 127 is a house on the PC screen, not a control character.
constexpr char32_t kHouse = 0x2302;
constexpr char32_t kNotUtf8 = 0x110000;  // plus the byte, for a byte that is not UTF-8

char32_t cp437Char(std::uint8_t code) {
  if (code < 0x80) {
    return code == 0x7F ? kHouse : char32_t{code};
  }
  return kUpperHalf[code - 0x80U];
}

// The code page 437 code of a character, or '?' when there is none.
char cp437Code(char32_t ch) {
  if (ch >= 0x20 && ch < 0x7F) {
    return static_cast<char>(ch);
  }
  if (ch == kHouse) {
    return '\x7f';
  }
  // Look-alikes that keyboards of other countries produce.
  switch (ch) {
    case 0x03B2:  // Greek beta
      return '\xe1';
    case 0x03BC:  // Greek mu
      return '\xe6';
    case 0x2126:  // ohm sign
      return '\xea';
    case 0x2208:  // element of
      return '\xee';
    default:
      break;
  }
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == ch) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

void appendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

// The characters of a UTF-8 text. A byte that does not start a well-formed,
// shortest-form sequence becomes kNotUtf8 plus the byte, so that two
// different byte strings never decode alike.
std::vector<char32_t> decodeUtf8(std::string_view text) {
  std::vector<char32_t> chars;
  chars.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = 0;
    char32_t ch = 0;
    char32_t least = 0;
    if (lead < 0x80) {
      length = 1;
      ch = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      ch = lead & 0x1FU;
      least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      ch = lead & 0x0FU;
      least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      ch = lead & 0x07U;
      least = 0x10000;
    }
    bool good = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; good && k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      if ((next & 0xC0U) != 0x80U) {
        good = false;
      } else {
        ch = (ch << 6) | (next & 0x3FU);
      }
    }
    if (good && length > 1 && (ch < least || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))) {
      good = false;
    }
    if (good) {
      chars.push_back(ch);
      i += length;
    } else {
      chars.push_back(kNotUtf8 + lead);
      ++i;
    }
  }
  return chars;
}

char32_t foldCase(char32_t ch) {
  if (ch >= U'A' && ch <= U'Z') {
    return ch + 0x20;
  }
  // Latin-1 capitals (but the multiplication sign) and Greek capitals sit
  // 0x20 below their small letters.
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) {
    return ch + 0x20;
  }
  if (ch >= 0x391 && ch <= 0x3A9 && ch != 0x3A2) {
    return ch + 0x20;
  }
  return ch;
}

}  // namespace

std::string cp437ToUtf8(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (const char byte : name) {
    appendUtf8(out, cp437Char(static_cast<std::uint8_t>(byte)));
  }
  return out;
}

std::string utf8ToCp437(std::string_view name) {
  std::string out;
  for (const char32_t ch : decodeUtf8(name)) {
    out += cp437Code(ch);
  }
  return out;
}

bool sameNameIgnoringCase(std::string_view left, std::string_view right) {
  const std::vector<char32_t> a = decodeUtf8(left);
  const std::vector<char32_t> b = decodeUtf8(right);
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldCase(a[i]) != foldCase(b[i])) {
      return false;
    }
  }
  return true;
}

bool hasElementExtension(std::string_view name) {
  constexpr std::string_view kExtension = ".ele";
  if (name.size() < kExtension.size()) {
    return false;
  }
  const std::string_view tail = name.substr(name.size() - kExtension.size());
  return sameNameIgnoringCase(tail, kExtension);
}
