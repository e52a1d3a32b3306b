#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/common/Cp437.hpp"

namespace {

// The C library's own code page 437 table, as an independent reference.
char32_t libcCp437(std::uint8_t code) {
  iconv_t converter = iconv_open("UTF-32LE", "CP437");
  EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << "no CP437 converter in the C library";
  if (converter == reinterpret_cast<iconv_t>(-1)) return 0;
  char in[1] = {static_cast<char>(code)};
  unsigned char out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = 4;
  iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  return static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
}

TEST(Cp437, UpperHalfMatchesTheCLibrarysTable) {
  for (int code = 128; code <= 255; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    EXPECT_EQ(cp437::toUnicode(c), libcCp437(c)) << "code " << code;
  }
}

TEST(Cp437, LowCodesAreThePcGlyphsNotControlCharacters) {
  EXPECT_EQ(cp437::toUnicode(0), U' ');
  EXPECT_EQ(cp437::toUnicode(1), U'\u263A');   // white smiling face
  EXPECT_EQ(cp437::toUnicode(16), U'\u25BA');  // right-pointing pointer
  EXPECT_EQ(cp437::toUnicode(127), U'\u2302');
  EXPECT_EQ(cp437::toUnicode('A'), U'A');
}

TEST(Cp437, TypedCharactersGetTheirCodeBothWays) {
  for (int code = 128; code <= 255; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    const auto back = cp437::fromTypedCharacter(cp437::toUnicode(c));
    ASSERT_TRUE(back.has_value()) << "code " << code;
    EXPECT_EQ(*back, c);
  }
  for (char32_t c = 32; c <= 126; ++c) {
    EXPECT_EQ(cp437::fromTypedCharacter(c), std::optional<std::uint8_t>(c));
  }
}

TEST(Cp437, CharactersWithoutACodeAreDropped) {
  EXPECT_FALSE(cp437::fromTypedCharacter(U'\u20AC'));  // euro sign
  EXPECT_FALSE(cp437::fromTypedCharacter(U'\u00E3'));  // a with tilde
  EXPECT_FALSE(cp437::fromTypedCharacter(U'\n'));
  EXPECT_FALSE(cp437::fromTypedCharacter(0x7F));
  EXPECT_FALSE(cp437::fromTypedCharacter(U'\u263A'));  // a glyph of 1..31, not a key
  EXPECT_EQ(cp437::typedCodes("a\xE2\x82\xAC"
                              "b\xC3\xA9"),
            (std::vector<std::uint8_t>{'a', 'b', 130}));
}

TEST(Cp437, MalformedUtf8DropsOnlyTheBadBytes) {
  // A stray continuation byte, a truncated sequence and an overlong slash.
  EXPECT_EQ(cp437::typedCodes("x\x80y"), (std::vector<std::uint8_t>{'x', 'y'}));
  EXPECT_EQ(cp437::typedCodes("\xC3"
                              "a"),
            (std::vector<std::uint8_t>{'a'}));
  EXPECT_EQ(cp437::typedCodes("\xC0\xAF"
                              "z"),
            (std::vector<std::uint8_t>{'z'}));
  EXPECT_EQ(cp437::typedCodes("\xE2\x82"), std::vector<std::uint8_t>{});
}

TEST(Cp437, Utf8EncodingRoundTrips) {
  for (char32_t c : {U'A', U'\u00E9', U'\u2591', U'\u28FF', U'\U0001F600'}) {
    const std::vector<char32_t> decoded = cp437::decodeUtf8(cp437::encodeUtf8(c));
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0], c);
  }
  EXPECT_EQ(cp437::encodeUtf8(U'\u2800'), "\xE2\xA0\x80");
}

}  // namespace
