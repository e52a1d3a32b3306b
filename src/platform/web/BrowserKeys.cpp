#include "platform/web/BrowserKeys.hpp"

#include <array>
#include <utility>
#include <vector>

#include "platform/common/Cp437.hpp"

namespace {

std::optional<InputKey> namedKey(std::string_view key) {
  // Older browsers' names ("Up", "Esc", "Del") next to today's.
  static const std::array<std::pair<std::string_view, InputKey>, 32> kNames{{
      {"Enter", InputKey::character(13)},
      {"Backspace", InputKey::character(8)},
      {"Tab", InputKey::character(9)},
      {"Escape", InputKey::character(27)},
      {"Esc", InputKey::character(27)},
      {"ArrowUp", InputKey::named(SpecialKey::Up)},
      {"Up", InputKey::named(SpecialKey::Up)},
      {"ArrowDown", InputKey::named(SpecialKey::Down)},
      {"Down", InputKey::named(SpecialKey::Down)},
      {"ArrowLeft", InputKey::named(SpecialKey::Left)},
      {"Left", InputKey::named(SpecialKey::Left)},
      {"ArrowRight", InputKey::named(SpecialKey::Right)},
      {"Right", InputKey::named(SpecialKey::Right)},
      {"Home", InputKey::named(SpecialKey::Home)},
      {"End", InputKey::named(SpecialKey::End)},
      {"PageUp", InputKey::named(SpecialKey::PageUp)},
      {"PageDown", InputKey::named(SpecialKey::PageDown)},
      {"Insert", InputKey::named(SpecialKey::Insert)},
      {"Delete", InputKey::named(SpecialKey::Delete)},
      {"Del", InputKey::named(SpecialKey::Delete)},
      {"F1", InputKey::named(SpecialKey::F1)},
      {"F2", InputKey::named(SpecialKey::F2)},
      {"F3", InputKey::named(SpecialKey::F3)},
      {"F4", InputKey::named(SpecialKey::F4)},
      {"F5", InputKey::named(SpecialKey::F5)},
      {"F6", InputKey::named(SpecialKey::F6)},
      {"F7", InputKey::named(SpecialKey::F7)},
      {"F8", InputKey::named(SpecialKey::F8)},
      {"F9", InputKey::named(SpecialKey::F9)},
      {"F10", InputKey::named(SpecialKey::F10)},
      {"F11", InputKey::named(SpecialKey::F11)},
      {"F12", InputKey::named(SpecialKey::F12)},
  }};
  for (const auto& [name, value] : kNames) {
    if (name == key) return value;
  }
  return std::nullopt;
}

bool isLatinLetter(std::string_view key) {
  return key.size() == 1 && ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'));
}

}  // namespace

std::optional<InputKey> keyFromBrowser(std::string_view key, std::string_view code, int modifiers) {
  const bool ctrl = (modifiers & browserkey::kCtrl) != 0;
  const bool alt = (modifiers & browserkey::kAlt) != 0;
  const bool meta = (modifiers & browserkey::kMeta) != 0;

  if (ctrl && !alt && !meta) {
    // Ctrl+C is the one control key with a code of its own (3). The letter
    // is the layout's where it is a Latin one, else the key in C's place.
    if (key == "c" || key == "C" || (!isLatinLetter(key) && code == "KeyC")) {
      return InputKey::character(3);
    }
    return std::nullopt;  // Ctrl+R, Ctrl+W, ...: the browser's
  }
  // Alt alone and the Command key make the browser's and the system's
  // shortcuts (Alt+Left goes back). Ctrl and Alt together are AltGr on
  // Windows, which types characters.
  if (meta || (alt && !ctrl)) return std::nullopt;

  const std::vector<char32_t> characters = cp437::decodeUtf8(key);
  if (characters.size() == 1) {
    if (auto typed = cp437::fromTypedCharacter(characters.front())) {
      return InputKey::character(*typed);
    }
    return std::nullopt;  // a character code page 437 does not have
  }
  if (ctrl) return std::nullopt;
  return namedKey(key);
}
