#pragma once

#include <cwchar>
#include <optional>

#include "screen/Key.hpp"

// One result of curses' wget_wch as the key the program sees: `status` is
// OK for a character, KEY_CODE_YES for a function key code. Keys the PC
// keyboard has no code for here (Ctrl+letters other than Ctrl+C, mouse,
// resize, shifted function keys) give nothing and are ignored.
std::optional<InputKey> keyFromCurses(int status, wint_t value);
