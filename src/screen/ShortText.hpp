#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts that must stand on one screen row, however long what they quote.

// A message row: one column short of the screen, so that printing a
// message never carries the cursor onto the row below, nor scrolls.
inline constexpr std::size_t kMessageWidth = 79;

// The text itself when it has at most `width` characters; otherwise its
// beginning and its end with "..." between them, `width` characters in all
// (just the beginning when `width` leaves no room for the dots).
std::string shortenMiddle(std::string_view text, std::size_t width);

// before + name + after in at most `width` characters: a name too long for
// the row loses its middle, so that the words around it, the reason above
// all, always show whole.
std::string messageNaming(std::string_view before, std::string_view name, std::string_view after,
                          std::size_t width = kMessageWidth);
