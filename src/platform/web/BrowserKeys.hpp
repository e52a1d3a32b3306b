#pragma once

#include <optional>
#include <string_view>

#include "screen/Key.hpp"

// Modifier bits of a browser key event, as the page passes them on.
namespace browserkey {
inline constexpr int kCtrl = 1;
inline constexpr int kAlt = 2;
inline constexpr int kMeta = 4;
}  // namespace browserkey

// A browser `keydown` as the program's key, from the event's `key` (what
// the key types or its name under the user's layout) and `code` (where it
// sits on the keyboard). Empty for keys the program has no use for and for
// the browser's and the system's shortcuts, which are left to them: only a
// key that comes back here is kept from the browser.
std::optional<InputKey> keyFromBrowser(std::string_view key, std::string_view code, int modifiers);
