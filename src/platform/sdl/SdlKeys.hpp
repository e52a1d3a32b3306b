#pragma once

#include <SDL_keycode.h>

#include <optional>

#include "screen/Key.hpp"

// The keys that reach the window as SDL_KEYDOWN rather than as text:
// Enter, Backspace, Tab, Escape, Ctrl+C (3) and the keys without a
// character. Printable
// keys are left to SDL_TEXTINPUT (empty here), so a key is never seen twice.
// `modifiers` matters only for the keypad, whose digits are cursor keys
// while Num Lock is off.
std::optional<InputKey> keyFromSdl(SDL_Keycode key, Uint16 modifiers);
