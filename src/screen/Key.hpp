#pragma once

#include <cstdint>
#include <string>

// A key as the front-ends deliver it, independent of SDL or curses.
// Ordinary keys carry a code page 437 character code (Enter 13, Backspace 8,
// Tab 9, Escape 27, Ctrl+C 3, printable 32..255). Keys without a character
// code are named.
enum class SpecialKey : std::uint8_t {
  None,
  Up,
  Down,
  Left,
  Right,
  Home,
  End,
  PageUp,
  PageDown,
  Insert,
  Delete,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
};

struct InputKey {
  std::uint8_t code = 0;                  // character code; 0 for a special key
  SpecialKey special = SpecialKey::None;  // set when code is 0

  static InputKey character(std::uint8_t c) { return InputKey{c, SpecialKey::None}; }
  static InputKey named(SpecialKey k) { return InputKey{0, k}; }
  bool operator==(const InputKey&) const = default;
};

// The PC keyboard scan code of a special key (Up 72, F1 59, F12 134, ...).
std::uint8_t scanCode(SpecialKey key);

// The key text the program sees: one character for an ordinary key, or
// character 0 followed by the scan code for a special key.
std::string keyText(InputKey key);

// Key texts of the extended keys, for comparisons in screens and tests.
namespace keytext {
inline const std::string kEnter = "\r";
}  // namespace keytext
