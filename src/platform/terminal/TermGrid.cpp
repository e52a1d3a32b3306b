#include "platform/terminal/TermGrid.hpp"

#include <cstddef>

#include "platform/common/Cp437.hpp"

namespace termgrid {
namespace {

constexpr int kCellWidth = TextScreen::kCellWidth;
constexpr int kCellHeight = TextScreen::kCellHeight;
constexpr int kWidth = TextScreen::kWidth;

// Braille numbers its dots down the left column (1, 2, 3, then 7) and down
// the right one (4, 5, 6, then 8).
constexpr std::uint8_t kDotBit[4][2] = {{0x01, 0x08}, {0x02, 0x10}, {0x04, 0x20}, {0x40, 0x80}};

// Which of the four dot rows a pixel row of the cell falls in: 14 rows in
// blocks of 4, 3, 4, 3.
constexpr int dotRow(int pixelRow) { return pixelRow * 4 / kCellHeight; }

}  // namespace

bool isBlank(std::uint8_t ch) { return ch == ' ' || ch == 0 || ch == 255; }

BrailleDots brailleDots(std::span<const std::uint8_t> pixels, int row, int column,
                        std::uint8_t background) {
  BrailleDots result;
  if (row < 1 || row > kRows || column < 1 || column > kColumns) return result;
  std::array<int, 16> count{};
  const int left = (column - 1) * kCellWidth;
  const int top = (row - 1) * kCellHeight;
  for (int y = 0; y < kCellHeight; ++y) {
    const auto rowStart = static_cast<std::size_t>((top + y) * kWidth + left);
    if (rowStart + kCellWidth > pixels.size()) break;
    for (int x = 0; x < kCellWidth; ++x) {
      const std::uint8_t colour = pixels[rowStart + static_cast<std::size_t>(x)] & 15u;
      if (colour == (background & 15u)) continue;
      result.dots = static_cast<std::uint8_t>(result.dots | kDotBit[dotRow(y)][x / 4]);
      ++count[colour];
    }
  }
  int best = 0;
  for (int c = 1; c < 16; ++c) {
    // Ties go to the higher index, which puts white ahead of red.
    if (count[static_cast<std::size_t>(c)] >= count[static_cast<std::size_t>(best)]) best = c;
  }
  result.colour = static_cast<std::uint8_t>(best);
  return result;
}

Grid compose(std::span<const Cell> cells, std::span<const std::uint8_t> pixels) {
  Grid grid;
  for (int row = 1; row <= kRows; ++row) {
    for (int column = 1; column <= kColumns; ++column) {
      const auto index = static_cast<std::size_t>((row - 1) * kColumns + (column - 1));
      if (index >= cells.size()) return grid;
      const Cell& cell = cells[index];
      TermCell& out = grid[index];
      out.fg = cell.fg;
      out.bg = cell.bg;
      if (!isBlank(cell.ch)) {
        out.glyph = cp437::toUnicode(cell.ch);
        continue;
      }
      const BrailleDots dots = brailleDots(pixels, row, column, cell.bg);
      if (dots.dots == 0) {
        out.glyph = U' ';
      } else {
        out.glyph = kBrailleBlank + dots.dots;
        out.fg = dots.colour;
      }
    }
  }
  return grid;
}

Grid compose(const TextScreen& screen) {
  std::array<Cell, kCells> cells;
  for (int row = 1; row <= kRows; ++row) {
    for (int column = 1; column <= kColumns; ++column) {
      cells[static_cast<std::size_t>((row - 1) * kColumns + (column - 1))] =
          screen.cell(row, column);
    }
  }
  return compose(cells, screen.pixels());
}

std::vector<int> changedCells(const Grid& shown, const Grid& wanted) {
  std::vector<int> changed;
  for (int i = 0; i < kCells; ++i) {
    if (shown[static_cast<std::size_t>(i)] != wanted[static_cast<std::size_t>(i)]) {
      changed.push_back(i);
    }
  }
  return changed;
}

CursesColour cursesColour(std::uint8_t pcColour, int coloursAvailable, bool foreground) {
  const int pc = pcColour & 15;
  // Swap the blue (bit 0) and red (bit 2) bits; green and brightness stay.
  const int ansi = (pc & 0b1010) | ((pc & 1) << 2) | ((pc & 4) >> 2);
  if (coloursAvailable >= 16) return CursesColour{static_cast<short>(ansi), false};
  return CursesColour{static_cast<short>(ansi & 7), foreground && (ansi & 8) != 0};
}

}  // namespace termgrid
