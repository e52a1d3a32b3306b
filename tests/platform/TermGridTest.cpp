#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/terminal/TermGrid.hpp"
#include "screen/TextScreen.hpp"

namespace {

constexpr std::uint8_t kBlue = 9;
constexpr std::uint8_t kWhite = 15;
constexpr std::uint8_t kRed = 4;

struct Frame {
  std::array<Cell, termgrid::kCells> cells{};
  std::vector<std::uint8_t> pixels =
      std::vector<std::uint8_t>(TextScreen::kWidth * TextScreen::kHeight, kBlue);

  void set(int x, int y, std::uint8_t colour) {
    pixels[static_cast<std::size_t>(y * TextScreen::kWidth + x)] = colour;
  }
  Cell& cell(int row, int column) {
    return cells[static_cast<std::size_t>((row - 1) * 80 + (column - 1))];
  }
  std::uint8_t dots(int row, int column) {
    return termgrid::brailleDots(pixels, row, column, kBlue).dots;
  }
};

TEST(Braille, EachCornerPixelLightsItsOwnDot) {
  Frame f;
  f.set(0, 0, kWhite);
  EXPECT_EQ(f.dots(1, 1), 0x01);  // dot 1
  Frame g;
  g.set(7, 0, kWhite);
  EXPECT_EQ(g.dots(1, 1), 0x08);  // dot 4
  Frame h;
  h.set(0, 13, kWhite);
  EXPECT_EQ(h.dots(1, 1), 0x40);  // dot 7
  Frame k;
  k.set(7, 13, kWhite);
  EXPECT_EQ(k.dots(1, 1), 0x80);  // dot 8
}

TEST(Braille, FourteenPixelRowsFallIntoFourDotRows) {
  // Pixel rows 0-3, 4-6, 7-10 and 11-13 of a cell make dot rows 1 to 4.
  const int expectedBit[14] = {0x01, 0x01, 0x01, 0x01, 0x02, 0x02, 0x02,
                               0x04, 0x04, 0x04, 0x04, 0x40, 0x40, 0x40};
  for (int y = 0; y < 14; ++y) {
    Frame f;
    f.set(8 * 4 + 3, 14 * 2 + y, kWhite);  // left half of cell (3, 5)
    EXPECT_EQ(f.dots(3, 5), expectedBit[y]) << "pixel row " << y;
    EXPECT_EQ(f.dots(3, 4), 0);
    EXPECT_EQ(f.dots(2, 5), 0);
  }
}

TEST(Braille, TheDrawingsColourIsTheColourOfMostOfItsPixels) {
  Frame f;
  f.set(0, 0, kRed);
  f.set(1, 0, kRed);
  f.set(4, 5, kWhite);
  const auto dots = termgrid::brailleDots(f.pixels, 1, 1, kBlue);
  EXPECT_EQ(dots.dots, 0x01 | 0x10);
  EXPECT_EQ(dots.colour, kRed);
}

TEST(Braille, OutsideTheGridThereIsNothing) {
  Frame f;
  EXPECT_EQ(f.dots(0, 1), 0);
  EXPECT_EQ(f.dots(26, 1), 0);
  EXPECT_EQ(f.dots(1, 81), 0);
  const std::vector<std::uint8_t> tooShort(100, kWhite);
  EXPECT_EQ(termgrid::brailleDots(tooShort, 25, 80, kBlue).dots, 0);
}

TEST(Compose, TextAlwaysWinsOverADrawing) {
  Frame f;
  f.cell(1, 1).ch = 'A';
  for (int x = 0; x < 16; ++x) f.set(x, 7, kWhite);  // through cells (1,1) and (1,2)
  const termgrid::Grid grid = termgrid::compose(f.cells, f.pixels);
  EXPECT_EQ(grid[0].glyph, U'A');
  EXPECT_EQ(grid[1].glyph, termgrid::kBrailleBlank + 0x24);  // dots 3 and 6
  EXPECT_EQ(grid[1].fg, kWhite);
  EXPECT_EQ(grid[2].glyph, U' ');
}

TEST(Compose, BlankCharactersAreSpaceNulAndNonBreakingSpace) {
  EXPECT_TRUE(termgrid::isBlank(' '));
  EXPECT_TRUE(termgrid::isBlank(0));
  EXPECT_TRUE(termgrid::isBlank(255));
  EXPECT_FALSE(termgrid::isBlank(176));  // light shade draws pixels of its own
}

TEST(Compose, CodePage437TextBecomesUnicode) {
  Frame f;
  f.cell(2, 3).ch = 0xC9;  // double-line corner
  f.cell(2, 4).ch = 0x82;  // e acute
  const termgrid::Grid grid = termgrid::compose(f.cells, f.pixels);
  EXPECT_EQ(grid[82].glyph, U'\u2554');
  EXPECT_EQ(grid[83].glyph, U'\u00E9');
}

TEST(Compose, ALineDrawnOnTheScreenShowsAsBraille) {
  TextScreen screen;
  screen.open();
  screen.setColours(15, 9);
  screen.clear();
  screen.drawLine(0.0f, 20.0f, 15.0f, 20.0f, 4);  // y 20: row 2, pixel row 6
  screen.moveCursor(2, 2);
  screen.putChar('x');
  const termgrid::Grid grid = termgrid::compose(screen);
  EXPECT_EQ(grid[80].glyph, termgrid::kBrailleBlank + 0x12);  // dots 2 and 5
  EXPECT_EQ(grid[80].fg, kRed);
  EXPECT_EQ(grid[80].bg, kBlue);
  EXPECT_EQ(grid[81].glyph, U'x');
  EXPECT_EQ(grid[81].fg, kWhite);
  EXPECT_EQ(grid[0].glyph, U' ');
}

TEST(ChangedCells, OnlyTheCellsThatDiffer) {
  termgrid::Grid before{};
  termgrid::Grid after = before;
  EXPECT_TRUE(termgrid::changedCells(before, after).empty());
  after[5].glyph = U'a';
  after[1999].bg = 1;
  after[80].fg = 4;
  EXPECT_EQ(termgrid::changedCells(before, after), (std::vector<int>{5, 80, 1999}));
}

TEST(CursesColours, RedAndBlueSwapPlaces) {
  using termgrid::cursesColour;
  EXPECT_EQ(cursesColour(9, 256, false).colour, 12);  // bright blue
  EXPECT_EQ(cursesColour(15, 256, true).colour, 15);
  EXPECT_EQ(cursesColour(4, 256, true).colour, 1);  // red
  EXPECT_EQ(cursesColour(1, 16, true).colour, 4);   // blue
  EXPECT_EQ(cursesColour(6, 16, true).colour, 3);   // brown is curses yellow
  EXPECT_EQ(cursesColour(2, 16, true).colour, 2);   // green stays
  EXPECT_FALSE(cursesColour(15, 256, true).bold);
}

TEST(CursesColours, EightColourTerminalsGetTheNearestColour) {
  using termgrid::cursesColour;
  EXPECT_EQ(cursesColour(15, 8, true).colour, 7);
  EXPECT_TRUE(cursesColour(15, 8, true).bold);  // bright by bold
  EXPECT_EQ(cursesColour(9, 8, false).colour, 4);
  EXPECT_FALSE(cursesColour(9, 8, false).bold);  // no bold for a background
  EXPECT_EQ(cursesColour(4, 8, true).colour, 1);
  EXPECT_FALSE(cursesColour(4, 8, true).bold);
}

}  // namespace
