#include "KeyNames.hpp"

#include <utility>

namespace {

std::optional<InputKey> namedKey(std::string_view name) {
  static const std::pair<std::string_view, InputKey> kNames[] = {
      {"Enter", InputKey::character(13)},
      {"Esc", InputKey::character(27)},
      {"Tab", InputKey::character(9)},
      {"BSpace", InputKey::character(8)},
      {"Up", InputKey::named(SpecialKey::Up)},
      {"Down", InputKey::named(SpecialKey::Down)},
      {"Left", InputKey::named(SpecialKey::Left)},
      {"Right", InputKey::named(SpecialKey::Right)},
      {"Home", InputKey::named(SpecialKey::Home)},
      {"End", InputKey::named(SpecialKey::End)},
      {"PageUp", InputKey::named(SpecialKey::PageUp)},
      {"PageDown", InputKey::named(SpecialKey::PageDown)},
      {"Insert", InputKey::named(SpecialKey::Insert)},
      {"Delete", InputKey::named(SpecialKey::Delete)},
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
  };
  for (const auto& [known, key] : kNames) {
    if (known == name) return key;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<InputKey>> parseKeyScript(std::string_view script) {
  std::vector<InputKey> keys;
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (script[i] == '{') {
      const std::size_t close = script.find('}', i);
      if (close == std::string_view::npos) return std::nullopt;
      const auto key = namedKey(script.substr(i + 1, close - i - 1));
      if (!key) return std::nullopt;
      keys.push_back(*key);
      i = close;
    } else {
      keys.push_back(InputKey::character(static_cast<std::uint8_t>(script[i])));
    }
  }
  return keys;
}
