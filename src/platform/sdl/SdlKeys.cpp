#include "platform/sdl/SdlKeys.hpp"

namespace {

std::optional<InputKey> keypadNavigation(SDL_Keycode key) {
  switch (key) {
    case SDLK_KP_8:
      return InputKey::named(SpecialKey::Up);
    case SDLK_KP_2:
      return InputKey::named(SpecialKey::Down);
    case SDLK_KP_4:
      return InputKey::named(SpecialKey::Left);
    case SDLK_KP_6:
      return InputKey::named(SpecialKey::Right);
    case SDLK_KP_7:
      return InputKey::named(SpecialKey::Home);
    case SDLK_KP_1:
      return InputKey::named(SpecialKey::End);
    case SDLK_KP_9:
      return InputKey::named(SpecialKey::PageUp);
    case SDLK_KP_3:
      return InputKey::named(SpecialKey::PageDown);
    case SDLK_KP_0:
      return InputKey::named(SpecialKey::Insert);
    case SDLK_KP_PERIOD:
      return InputKey::named(SpecialKey::Delete);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<InputKey> keyFromSdl(SDL_Keycode key, Uint16 modifiers) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return InputKey::character(13);
    case SDLK_BACKSPACE:
      return InputKey::character(8);
    case SDLK_TAB:
      return InputKey::character(9);
    case SDLK_ESCAPE:
      return InputKey::character(27);
    case SDLK_UP:
      return InputKey::named(SpecialKey::Up);
    case SDLK_DOWN:
      return InputKey::named(SpecialKey::Down);
    case SDLK_LEFT:
      return InputKey::named(SpecialKey::Left);
    case SDLK_RIGHT:
      return InputKey::named(SpecialKey::Right);
    case SDLK_HOME:
      return InputKey::named(SpecialKey::Home);
    case SDLK_END:
      return InputKey::named(SpecialKey::End);
    case SDLK_PAGEUP:
      return InputKey::named(SpecialKey::PageUp);
    case SDLK_PAGEDOWN:
      return InputKey::named(SpecialKey::PageDown);
    case SDLK_INSERT:
      return InputKey::named(SpecialKey::Insert);
    case SDLK_DELETE:
      return InputKey::named(SpecialKey::Delete);
    case SDLK_F1:
      return InputKey::named(SpecialKey::F1);
    case SDLK_F2:
      return InputKey::named(SpecialKey::F2);
    case SDLK_F3:
      return InputKey::named(SpecialKey::F3);
    case SDLK_F4:
      return InputKey::named(SpecialKey::F4);
    case SDLK_F5:
      return InputKey::named(SpecialKey::F5);
    case SDLK_F6:
      return InputKey::named(SpecialKey::F6);
    case SDLK_F7:
      return InputKey::named(SpecialKey::F7);
    case SDLK_F8:
      return InputKey::named(SpecialKey::F8);
    case SDLK_F9:
      return InputKey::named(SpecialKey::F9);
    case SDLK_F10:
      return InputKey::named(SpecialKey::F10);
    case SDLK_F11:
      return InputKey::named(SpecialKey::F11);
    case SDLK_F12:
      return InputKey::named(SpecialKey::F12);
    case SDLK_c:
      // Ctrl+C is the one control key with a code of its own (3); it
      // never arrives as text.
      if ((modifiers & KMOD_CTRL) != 0 && (modifiers & (KMOD_ALT | KMOD_GUI)) == 0) {
        return InputKey::character(3);
      }
      return std::nullopt;
    default:
      break;
  }
  // With Num Lock on the keypad types digits, which arrive as text.
  if ((modifiers & KMOD_NUM) == 0) return keypadNavigation(key);
  return std::nullopt;
}
