#include "screen/Key.hpp"

std::uint8_t scanCode(SpecialKey key) {
  switch (key) {
    case SpecialKey::None:
      return 0;
    case SpecialKey::Up:
      return 72;
    case SpecialKey::Down:
      return 80;
    case SpecialKey::Left:
      return 75;
    case SpecialKey::Right:
      return 77;
    case SpecialKey::Home:
      return 71;
    case SpecialKey::End:
      return 79;
    case SpecialKey::PageUp:
      return 73;
    case SpecialKey::PageDown:
      return 81;
    case SpecialKey::Insert:
      return 82;
    case SpecialKey::Delete:
      return 83;
    case SpecialKey::F1:
      return 59;
    case SpecialKey::F2:
      return 60;
    case SpecialKey::F3:
      return 61;
    case SpecialKey::F4:
      return 62;
    case SpecialKey::F5:
      return 63;
    case SpecialKey::F6:
      return 64;
    case SpecialKey::F7:
      return 65;
    case SpecialKey::F8:
      return 66;
    case SpecialKey::F9:
      return 67;
    case SpecialKey::F10:
      return 68;
    case SpecialKey::F11:
      return 133;
    case SpecialKey::F12:
      return 134;
  }
  return 0;
}

std::string keyText(InputKey key) {
  if (key.code != 0 || key.special == SpecialKey::None) {
    return std::string(1, static_cast<char>(key.code));
  }
  return std::string{'\0', static_cast<char>(scanCode(key.special))};
}
