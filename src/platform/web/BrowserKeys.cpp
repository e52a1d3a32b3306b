#include "platform/web/BrowserKeys.hpp"

#include <array>
#include <utility>
#include <vector>

#include "platform/common/Cp437.hpp"

namespace {

// "F1" to "F12"; the key names run in the same order as the keys.
std::optional<InputKey> functionKey(std::string_view key) {
  if (key.size() < 2 || key.size() > 3 || key[0] != 'F' || key[1] == '0') return std::nullopt;
  int number = 0;
  for (const char digit : key.substr(1)) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + (digit - '0');
  }
  if (number > 12) return std::nullopt;
  return InputKey::named(static_cast<SpecialKey>(static_cast<int>(SpecialKey::F1) + number - 1));
}

std::optional<InputKey> namedKey(std::string_view key) {
  // Older browsers' names ("Up", "Esc", "Del") next to today's.
  static const std::array<std::pair<std::string_view, InputKey>, 20> kNames{{
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
  }};
  for (const auto& [name, value] : kNames) {
    if (name == key) return value;
  }
  return functionKey(key);
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
