#include "screen/ShortText.hpp"

namespace {

constexpr std::string_view kDots = "...";

// A name shortened below this would no longer say which file was meant;
// it keeps this much and the whole line is shortened instead.
constexpr std::size_t kShortestName = 2 * kDots.size();

}  // namespace

std::string shortenMiddle(std::string_view text, std::size_t width) {
  if (text.size() <= width) {
    return std::string(text);
  }
  if (width <= kDots.size()) {
    return std::string(text.substr(0, width));
  }
  const std::size_t kept = width - kDots.size();
  const std::size_t tail = kept / 2;
  std::string shortened(text.substr(0, kept - tail));
  shortened += kDots;
  shortened += text.substr(text.size() - tail);
  return shortened;
}

std::string messageNaming(std::string_view before, std::string_view name, std::string_view after,
                          std::size_t width) {
  const std::size_t around = before.size() + after.size();
  const std::size_t room = width > around + kShortestName ? width - around : kShortestName;
  std::string line(before);
  line += shortenMiddle(name, room);
  line += after;
  return shortenMiddle(line, width);
}
