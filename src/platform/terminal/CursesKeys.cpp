#include "platform/terminal/CursesKeys.hpp"

#include <curses.h>

#include "platform/common/Cp437.hpp"

namespace {

std::optional<InputKey> functionKey(wint_t value) {
  for (int n = 1; n <= 12; ++n) {
    if (value == static_cast<wint_t>(KEY_F(n))) {
      return InputKey::named(static_cast<SpecialKey>(static_cast<int>(SpecialKey::F1) + (n - 1)));
    }
  }
  switch (value) {
    case KEY_UP:
      return InputKey::named(SpecialKey::Up);
    case KEY_DOWN:
      return InputKey::named(SpecialKey::Down);
    case KEY_LEFT:
      return InputKey::named(SpecialKey::Left);
    case KEY_RIGHT:
      return InputKey::named(SpecialKey::Right);
    case KEY_HOME:
    case KEY_A1:  // keypad 7 with Num Lock off
      return InputKey::named(SpecialKey::Home);
    case KEY_END:
    case KEY_C1:  // keypad 1
      return InputKey::named(SpecialKey::End);
    case KEY_PPAGE:
    case KEY_A3:  // keypad 9
      return InputKey::named(SpecialKey::PageUp);
    case KEY_NPAGE:
    case KEY_C3:  // keypad 3
      return InputKey::named(SpecialKey::PageDown);
    case KEY_IC:
      return InputKey::named(SpecialKey::Insert);
    case KEY_DC:
      return InputKey::named(SpecialKey::Delete);
    case KEY_BACKSPACE:
      return InputKey::character(8);
    case KEY_ENTER:
      return InputKey::character(13);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<InputKey> keyFromCurses(int status, wint_t value) {
  if (status == KEY_CODE_YES) return functionKey(value);
  if (status != OK) return std::nullopt;
  switch (value) {
    case 3:  // Ctrl+C, a plain key in raw mode
      return InputKey::character(3);
    case 13:
      return InputKey::character(13);
    case 8:
    case 127:  // what most terminals send for Backspace
      return InputKey::character(8);
    case 9:
      return InputKey::character(9);
    case 27:
      return InputKey::character(27);
    default:
      break;
  }
  if (value < 32) return std::nullopt;
  if (auto code = cp437::fromTypedCharacter(static_cast<char32_t>(value))) {
    return InputKey::character(*code);
  }
  return std::nullopt;
}
