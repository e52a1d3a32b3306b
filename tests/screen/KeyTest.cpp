#include <gtest/gtest.h>

#include <set>
#include <string>

#include "screen/Key.hpp"

namespace {

TEST(KeyText, OrdinaryKeysAreTheirCharacter) {
  EXPECT_EQ(keyText(InputKey::character('a')), "a");
  EXPECT_EQ(keyText(InputKey::character(13)), keytext::kEnter);
  EXPECT_EQ(keyText(InputKey::character(255)), "\xFF");
  EXPECT_EQ(keyText(InputKey::character(0)), std::string(1, '\0'));
}

TEST(KeyText, SpecialKeysAreCodeZeroAndThePcScanCode) {
  const struct {
    SpecialKey key;
    int scan;
  } table[] = {{SpecialKey::Up, 72},     {SpecialKey::Down, 80},     {SpecialKey::Left, 75},
               {SpecialKey::Right, 77},  {SpecialKey::Home, 71},     {SpecialKey::End, 79},
               {SpecialKey::PageUp, 73}, {SpecialKey::PageDown, 81}, {SpecialKey::Insert, 82},
               {SpecialKey::Delete, 83}, {SpecialKey::F1, 59},       {SpecialKey::F2, 60},
               {SpecialKey::F3, 61},     {SpecialKey::F4, 62},       {SpecialKey::F5, 63},
               {SpecialKey::F6, 64},     {SpecialKey::F7, 65},       {SpecialKey::F8, 66},
               {SpecialKey::F9, 67},     {SpecialKey::F10, 68},      {SpecialKey::F11, 133},
               {SpecialKey::F12, 134}};
  std::set<int> seen;
  for (const auto& entry : table) {
    EXPECT_EQ(scanCode(entry.key), entry.scan);
    const std::string text = keyText(InputKey::named(entry.key));
    ASSERT_EQ(text.size(), 2U);
    EXPECT_EQ(text[0], '\0');
    EXPECT_EQ(static_cast<unsigned char>(text[1]), entry.scan);
    EXPECT_TRUE(seen.insert(entry.scan).second);
  }
}

}  // namespace
