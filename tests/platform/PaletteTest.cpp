#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "platform/common/Palette.hpp"
#include "platform/sdl/Tone.hpp"

namespace {

TEST(Palette, TheColoursTheProgramUsesAreThePcsOnes) {
  EXPECT_EQ(palette::argb(9), 0xFF5555FFu);   // bright blue background
  EXPECT_EQ(palette::argb(15), 0xFFFFFFFFu);  // bright white text
  EXPECT_EQ(palette::argb(4), 0xFFAA0000u);   // red ice lines
  EXPECT_EQ(palette::argb(0), 0xFF000000u);
  EXPECT_EQ(palette::argb(6), 0xFFAA5500u);  // brown, not dark yellow
  EXPECT_EQ(palette::argb(25), palette::argb(9));
}

TEST(Palette, FramesConvertPixelForPixel) {
  const std::array<std::uint8_t, 5> indices = {9, 15, 4, 9, 1};
  std::array<std::uint32_t, 5> argb{};
  palette::toArgb(indices, argb);
  EXPECT_EQ(argb, (std::array<std::uint32_t, 5>{0xFF5555FF, 0xFFFFFFFF, 0xFFAA0000, 0xFF5555FF,
                                                0xFF0000AA}));
  std::array<std::uint8_t, 20> rgba{};
  palette::toRgbaBytes(indices, rgba);
  EXPECT_EQ(rgba, (std::array<std::uint8_t, 20>{0x55, 0x55, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0xFF, 0xAA, 0x00, 0x00, 0xFF, 0x55, 0x55,
                                                0xFF, 0xFF, 0x00, 0x00, 0xAA, 0xFF}));
}

TEST(Tone, IsAThousandHertzForAQuarterSecond) {
  const std::vector<std::int16_t> tone = squareTone(48000, 1000, 250, 6000);
  ASSERT_EQ(tone.size(), 12000u);
  int rises = 0;
  int high = 0;
  for (std::size_t i = 0; i < tone.size(); ++i) {
    ASSERT_TRUE(tone[i] == 6000 || tone[i] == -6000) << i;
    if (tone[i] > 0) ++high;
    if (i > 0 && tone[i - 1] < 0 && tone[i] > 0) ++rises;
  }
  EXPECT_EQ(rises, 249);  // 250 periods; the first starts high
  EXPECT_EQ(high, 6000);  // half the time up
}

TEST(Tone, OddRatesKeepTheFrequency) {
  const std::vector<std::int16_t> tone = squareTone(44100, 1000, 1000, 100);
  ASSERT_EQ(tone.size(), 44100u);
  int rises = 0;
  for (std::size_t i = 1; i < tone.size(); ++i) {
    if (tone[i - 1] < 0 && tone[i] > 0) ++rises;
  }
  EXPECT_EQ(rises, 999);
  EXPECT_TRUE(squareTone(0, 1000, 250, 1).empty());
  EXPECT_TRUE(squareTone(48000, 1000, -5, 1).empty());
}

}  // namespace
