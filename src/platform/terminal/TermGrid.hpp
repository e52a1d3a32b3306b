#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "screen/TextScreen.hpp"

// What the terminal shows for the 80 x 25 screen: one character per cell.
// Text stays text; a blank cell that holds part of a drawing shows the
// drawing's pixels as braille dots (2 x 4 dots for the 8 x 14 pixels), so
// that line drawings stay recognisable in a terminal. Plain data, so it can
// be computed and compared without a terminal.
namespace termgrid {

constexpr int kColumns = TextScreen::kColumns;
constexpr int kRows = TextScreen::kRows;
constexpr int kCells = kColumns * kRows;
constexpr char32_t kBrailleBlank = 0x2800;

struct TermCell {
  char32_t glyph = U' ';
  std::uint8_t fg = 15;  // palette indices, as on the PC
  std::uint8_t bg = 9;
  bool operator==(const TermCell&) const = default;
};
using Grid = std::array<TermCell, kCells>;

// Blank cells (space, 0 and 255 draw nothing) may carry a drawing.
bool isBlank(std::uint8_t ch);

struct BrailleDots {
  std::uint8_t dots = 0;    // bit k is braille dot k + 1 (U+2800 + dots)
  std::uint8_t colour = 0;  // the colour most of the lit pixels have
};

// The dots of the cell at 1-based (row, column): a dot is lit when any pixel
// of its 4 x 3 or 4 x 4 block differs from `background`. `pixels` is the
// 640 x 350 frame of palette indices.
BrailleDots brailleDots(std::span<const std::uint8_t> pixels, int row, int column,
                        std::uint8_t background);

// The whole grid from the screen's cells (row-major, 80 x 25) and pixels.
Grid compose(std::span<const Cell> cells, std::span<const std::uint8_t> pixels);
Grid compose(const TextScreen& screen);

// Indices of the cells that differ, in screen order.
std::vector<int> changedCells(const Grid& shown, const Grid& wanted);

// A PC colour as a curses colour: curses counts red as 1 and blue as 4,
// the PC the other way round. Terminals with only 8 colours get the dark
// colour, made bold when it was a bright foreground.
struct CursesColour {
  short colour = 0;
  bool bold = false;
};
CursesColour cursesColour(std::uint8_t pcColour, int coloursAvailable, bool foreground);

}  // namespace termgrid
