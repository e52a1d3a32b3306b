#include "files/FileNames.hpp"

#include <array>
#include <cstdint>
#include <vector>

#include "screen/CodePage437.hpp"

namespace {

// Code 127 is a house on the PC screen, not a control character.
constexpr char32_t kHouse = 0x2302;
constexpr char32_t kNotUtf8 = 0x110000;  // plus the byte, for a byte that is not UTF-8

char32_t cp437Char(std::uint8_t code) {
  if (code < 0x80) {
    return code == 0x7F ? kHouse : char32_t{code};
  }
  return cp437::toUnicode(code);
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
  for (std::size_t code = 0x80; code < cp437::kUnicode.size(); ++code) {
    if (cp437::kUnicode[code] == ch) {
      return static_cast<char>(code);
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

std::string wellFormedUtf8(std::string_view name) {
  constexpr char32_t kReplacement = 0xFFFD;
  std::string out;
  out.reserve(name.size());
  for (const char32_t ch : decodeUtf8(name)) {
    appendUtf8(out, ch >= kNotUtf8 ? kReplacement : ch);
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
