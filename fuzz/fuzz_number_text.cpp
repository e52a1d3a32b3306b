// NumberText and NumberPattern over arbitrary float bit patterns, with the
// element file's round trip as a property: a value that is the nearest float
// to a decimal of at most six significant digits reads back as itself; any
// other finite value reads back as its seven-digit rounding.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "screen/Items.hpp"
#include "screen/NumberPattern.hpp"
#include "screen/NumberText.hpp"
#include "SevenDigits.hpp"

namespace {

constexpr std::array<std::string_view, 16> kPatterns = {
    "####.###", "#.###", "####.##",   "######",    "###.#",      "##.##",
    "##",       "###.###", "####",    "###.# LB,", "##.## SF",   "    ####",
    "    #.###", "   ####.##", "  ####.##", " ##  "};

bool sameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a == 0 && b == 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(std::uint32_t)) {
    return 0;
  }
  std::uint32_t bits = 0;
  std::memcpy(&bits, data, sizeof bits);
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);

  const std::string text = numberText(value);
  if (text.empty() || text.size() > 16) {
    std::abort();
  }
  for (const std::string_view pattern : kPatterns) {
    if (patternText(pattern, value).size() > 80) {
      std::abort();
    }
  }
  if (!std::isfinite(value)) {
    return 0;
  }

  const float readBack = convertNumberItem(text);
  if (!sameFloat(readBack, sevenDigitRounding(value))) {
    std::abort();
  }
  char six[64];
  std::snprintf(six, sizeof six, "%.5e", static_cast<double>(value));
  if (sameFloat(std::strtof(six, nullptr), value) && !sameFloat(readBack, value)) {
    std::abort();
  }
  return 0;
}
