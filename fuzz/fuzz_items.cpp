// Item splitting and number conversion over arbitrary bytes: no crash, no
// undefined behaviour, every number finite, every scan finishing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "screen/Items.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (!std::isfinite(convertNumberItem(text)) || !std::isfinite(numericValueOfText(text))) {
    std::abort();
  }

  // Alternate numbers and texts, as a file of sections and a title is read.
  ItemScanner scanner(text);
  std::size_t items = 0;
  while (!scanner.atEnd()) {
    if (items % 5 == 4) {
      if (scanner.nextText().size() > text.size()) {
        std::abort();
      }
    } else if (!std::isfinite(scanner.nextNumber())) {
      std::abort();
    }
    // Every item consumes at least one character, so this bounds the loop.
    if (++items > text.size() + 1) {
      std::abort();
    }
  }
  return 0;
}
