// The line editor fed arbitrary key streams: the text never outgrows its
// limit, the position stays within the text, and only codes 32..255 enter.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "screen/Key.hpp"
#include "screen/LineEditor.hpp"

namespace {

constexpr int kSpecialKeys = static_cast<int>(SpecialKey::F12);

InputKey keyFromBytes(const std::uint8_t* data, std::size_t& at, std::size_t size) {
  const std::uint8_t b = data[at++];
  if (b == 0 && at < size) {
    const int special = 1 + data[at++] % kSpecialKeys;
    return InputKey::named(static_cast<SpecialKey>(special));
  }
  return InputKey::character(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LineEditor editor;
  std::size_t at = 0;
  while (at < size && !editor.done()) {
    (void)editor.press(keyFromBytes(data, at, size));
    if (editor.text().size() > LineEditor::kMaxLength ||
        editor.position() > editor.text().size()) {
      std::abort();
    }
    for (const char ch : editor.text()) {
      if (static_cast<unsigned char>(ch) < 32) {
        std::abort();
      }
    }
  }
  return 0;
}
