#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <utility>

#include "screen/Font.hpp"
#include "screen/TextScreen.hpp"

namespace {

using Point = std::pair<int, int>;

constexpr std::uint8_t kWhite = 15;
constexpr std::uint8_t kBlue = 9;
constexpr std::uint8_t kRed = 4;

TextScreen openScreen() {
  TextScreen screen;
  screen.setColours(kWhite, kBlue);
  screen.open();
  return screen;
}

// Every pixel of the given colour.
std::set<Point> pixelsOf(const TextScreen& screen, std::uint8_t colour) {
  std::set<Point> points;
  for (int y = 0; y < TextScreen::kHeight; ++y) {
    for (int x = 0; x < TextScreen::kWidth; ++x) {
      if (screen.pixel(x, y) == colour) {
        points.emplace(x, y);
      }
    }
  }
  return points;
}

std::set<Point> lineOf(Single x1, Single y1, Single x2, Single y2) {
  TextScreen screen = openScreen();
  screen.drawLine(x1, y1, x2, y2, kRed);
  return pixelsOf(screen, kRed);
}

std::set<Point> horizontal(int x1, int x2, int y) {
  std::set<Point> points;
  for (int x = x1; x <= x2; ++x) {
    points.emplace(x, y);
  }
  return points;
}

std::set<Point> vertical(int x, int y1, int y2) {
  std::set<Point> points;
  for (int y = y1; y <= y2; ++y) {
    points.emplace(x, y);
  }
  return points;
}

// True when the 8 x 14 cell shows exactly the glyph of `ch` in fg on bg.
::testing::AssertionResult cellShowsGlyph(const TextScreen& screen, int row, int column,
                                          std::uint8_t ch, std::uint8_t fg, std::uint8_t bg) {
  for (int y = 0; y < font::kGlyphHeight; ++y) {
    const std::uint8_t bits = font::glyphRow(ch, y);
    for (int x = 0; x < font::kGlyphWidth; ++x) {
      const bool on = (bits & (0x80 >> x)) != 0;
      const int px = (column - 1) * 8 + x;
      const int py = (row - 1) * 14 + y;
      const std::uint8_t expected = on ? fg : bg;
      if (screen.pixel(px, py) != expected) {
        return ::testing::AssertionFailure()
               << "pixel (" << px << ", " << py << ") is " << int(screen.pixel(px, py))
               << ", expected " << int(expected);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(TextScreenOpen, PaintsEverythingInTheBackgroundAndHomesTheCursor) {
  TextScreen screen;
  screen.setColours(kWhite, kBlue);
  screen.moveCursor(10, 10);
  screen.putChar('X');
  screen.drawLine(0, 0, 639, 349, kWhite);
  screen.open();
  EXPECT_EQ(screen.cursorRow(), 1);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_EQ(pixelsOf(screen, kBlue).size(), std::size_t{640 * 350});
  for (int row = 1; row <= 25; ++row) {
    EXPECT_EQ(screen.rowText(row), std::string(80, ' '));
  }
  EXPECT_EQ(screen.cell(10, 10), (Cell{' ', kWhite, kBlue}));
}

TEST(TextScreenOpen, ClearUsesTheColoursSetLast) {
  TextScreen screen = openScreen();
  screen.setColours(kWhite, kRed);
  screen.clear();
  EXPECT_EQ(screen.pixel(0, 0), kRed);
  EXPECT_EQ(screen.pixel(639, 349), kRed);
  EXPECT_EQ(screen.cell(25, 80).bg, kRed);
}

TEST(TextScreenCursor, MoveIsClampedToTheGrid) {
  TextScreen screen = openScreen();
  screen.moveCursor(0, 0);
  EXPECT_EQ(screen.cursorRow(), 1);
  EXPECT_EQ(screen.cursorColumn(), 1);
  screen.moveCursor(99, 81);
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_EQ(screen.cursorColumn(), 80);
}

TEST(TextScreenText, CharacterIsDrawnWithItsGlyphInForegroundOnBackground) {
  TextScreen screen = openScreen();
  screen.moveCursor(3, 5);
  screen.putChar('A');
  screen.setColours(kRed, kWhite);
  screen.putChar(0xDB);  // full block
  EXPECT_EQ(screen.rowText(3).substr(4, 2), "A\xDB");
  EXPECT_EQ(screen.cell(3, 5), (Cell{'A', kWhite, kBlue}));
  EXPECT_EQ(screen.cell(3, 6), (Cell{0xDB, kRed, kWhite}));
  EXPECT_TRUE(cellShowsGlyph(screen, 3, 5, 'A', kWhite, kBlue));
  EXPECT_TRUE(cellShowsGlyph(screen, 3, 6, 0xDB, kRed, kWhite));
  // The cell of the full block is solid in the foreground colour.
  EXPECT_EQ(screen.pixel(40, 28), kRed);
  EXPECT_EQ(screen.pixel(47, 41), kRed);
  EXPECT_EQ(screen.cursorColumn(), 7);
}

TEST(TextScreenText, DrawCellLeavesTheCursorAlone) {
  TextScreen screen = openScreen();
  screen.moveCursor(4, 4);
  screen.drawCell(25, 80, 'Z');
  screen.drawCell(26, 1, 'Q');  // outside: nothing
  screen.drawCell(1, 0, 'Q');
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 4);
  EXPECT_EQ(screen.rowText(25).back(), 'Z');
  EXPECT_EQ(screen.rowText(1), std::string(80, ' '));
  EXPECT_TRUE(cellShowsGlyph(screen, 25, 80, 'Z', kWhite, kBlue));
}

TEST(TextScreenText, WrapsAfterColumn80) {
  TextScreen screen = openScreen();
  screen.moveCursor(2, 79);
  screen.putChar('a');
  screen.putChar('b');
  EXPECT_EQ(screen.cursorRow(), 3);
  EXPECT_EQ(screen.cursorColumn(), 1);
  screen.putChar('c');
  EXPECT_EQ(screen.rowText(2).substr(78), "ab");
  EXPECT_EQ(screen.rowText(3)[0], 'c');
}

TEST(TextScreenScroll, WrapOnRow25ScrollsTextAndDrawingsUp14Pixels) {
  TextScreen screen = openScreen();
  screen.moveCursor(1, 1);
  screen.putChar('T');
  screen.moveCursor(25, 1);
  screen.putChar('B');
  screen.drawLine(100, 300, 200, 300, kRed);
  screen.moveCursor(25, 80);
  screen.putChar('E');  // the 80th column of the last row: scrolls
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_EQ(screen.rowText(24)[0], 'B');
  EXPECT_EQ(screen.rowText(24)[79], 'E');
  EXPECT_EQ(screen.rowText(25), std::string(80, ' '));
  EXPECT_EQ(screen.rowText(1), std::string(80, ' '));  // 'T' scrolled off
  EXPECT_EQ(pixelsOf(screen, kRed), horizontal(100, 200, 286));
  EXPECT_TRUE(cellShowsGlyph(screen, 24, 1, 'B', kWhite, kBlue));
  for (int y = 336; y < 350; ++y) {
    for (int x = 0; x < 640; ++x) {
      ASSERT_EQ(screen.pixel(x, y), kBlue) << x << "," << y;
    }
  }
}

TEST(TextScreenScroll, LineEndOnRow25Scrolls) {
  TextScreen screen = openScreen();
  screen.moveCursor(25, 10);
  screen.putChar('x');
  screen.lineEnd();
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_EQ(screen.rowText(24)[9], 'x');
  // Above the last row a line end only moves down.
  screen.moveCursor(3, 40);
  screen.lineEnd();
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_EQ(screen.rowText(24)[9], 'x');
}

TEST(TextScreenScroll, NewBottomRowTakesTheCurrentBackground) {
  TextScreen screen = openScreen();
  screen.setColours(kWhite, kRed);
  screen.scrollUp();
  EXPECT_EQ(screen.pixel(0, 349), kRed);
  EXPECT_EQ(screen.pixel(0, 335), kBlue);
  EXPECT_EQ(screen.cell(25, 1).bg, kRed);
}

TEST(TextScreenLine, HalvesRoundAwayFromZero) {
  // 298.5 -> 299 and 301.5 -> 302, as the main menu's first box needs.
  EXPECT_EQ(lineOf(100, 298.5F, 100, 301.5F), vertical(100, 299, 302));
  EXPECT_EQ(lineOf(99.5F, 10, 150.4F, 10), horizontal(100, 150, 10));
  // -0.5 -> -1 (not 0): the sloped line then enters the screen lower down.
  EXPECT_EQ(lineOf(-0.5F, 0, 1.5F, 4), lineOf(-1, 0, 2, 4));
  EXPECT_NE(lineOf(-0.5F, 0, 1.5F, 4), lineOf(0, 0, 2, 4));
  EXPECT_EQ(lineOf(5, -0.5F, 5, 2), vertical(5, 0, 2));
  // -0.4 rounds to 0, not away.
  EXPECT_EQ(lineOf(-0.4F, 7, 3, 7), horizontal(0, 3, 7));
  // -1.5 -> -2 and -1.4 -> -1: both outside, nothing drawn.
  EXPECT_TRUE(lineOf(-1.5F, 3, -1.4F, 9).empty());
}

TEST(TextScreenLine, SinglePointAndBothDirections) {
  EXPECT_EQ(lineOf(7, 8, 7, 8), (std::set<Point>{{7, 8}}));
  EXPECT_EQ(lineOf(20, 5, 10, 5), horizontal(10, 20, 5));
  EXPECT_EQ(lineOf(3, 20, 3, 10), vertical(3, 10, 20));
  EXPECT_EQ(lineOf(0, 0, 4, 4), (std::set<Point>{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
  EXPECT_EQ(lineOf(4, 0, 0, 4), (std::set<Point>{{4, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 4}}));
}

TEST(TextScreenLine, ShallowAndSteepLinesAreConnected) {
  const std::set<Point> shallow = lineOf(0, 0, 8, 2);
  EXPECT_EQ(shallow.size(), 9U);  // one pixel per column
  const std::set<Point> steep = lineOf(1, 1, 3, 10);
  EXPECT_EQ(steep.size(), 10U);  // one pixel per row
  for (const std::set<Point>* line : {&shallow, &steep}) {
    for (const Point& p : *line) {
      bool neighbour = line->size() == 1;
      for (const Point& q : *line) {
        if (p != q && std::abs(p.first - q.first) <= 1 && std::abs(p.second - q.second) <= 1) {
          neighbour = true;
        }
      }
      EXPECT_TRUE(neighbour) << p.first << "," << p.second;
    }
  }
  EXPECT_TRUE(shallow.count({0, 0}) == 1 && shallow.count({8, 2}) == 1);
  EXPECT_TRUE(steep.count({1, 1}) == 1 && steep.count({3, 10}) == 1);
}

TEST(TextScreenLine, ClippedToTheScreen) {
  // Runs off the right edge and the bottom.
  EXPECT_EQ(lineOf(630, 100, 700, 100), horizontal(630, 639, 100));
  EXPECT_EQ(lineOf(10, 340, 10, 400), vertical(10, 340, 349));
  // Crosses the whole screen from far outside.
  EXPECT_EQ(lineOf(-1000, 175, 5000, 175), horizontal(0, 639, 175));
  // Entirely outside: nothing.
  EXPECT_TRUE(lineOf(-10, -10, -1, -20).empty());
  EXPECT_TRUE(lineOf(0, 350, 639, 350).empty());
  EXPECT_TRUE(lineOf(640, 0, 640, 349).empty());
  // A diagonal clipped at both ends keeps its slope.
  const std::set<Point> diagonal = lineOf(-10, -10, 700, 700);
  EXPECT_EQ(diagonal.size(), 350U);
  EXPECT_EQ(diagonal.count({0, 0}), 1U);
  EXPECT_EQ(diagonal.count({349, 349}), 1U);
}

TEST(TextScreenLine, HugeAndNonFiniteCoordinatesAreSafe) {
  const Single inf = std::numeric_limits<Single>::infinity();
  const Single nan = std::numeric_limits<Single>::quiet_NaN();
  const Single huge = std::numeric_limits<Single>::max();
  EXPECT_TRUE(lineOf(nan, 0, 10, 10).empty());
  EXPECT_TRUE(lineOf(0, 0, inf, 0).empty());
  EXPECT_TRUE(lineOf(-inf, 5, 3, 5).empty());
  EXPECT_EQ(lineOf(-huge, 20, huge, 20), horizontal(0, 639, 20));
  EXPECT_EQ(lineOf(33, -huge, 33, huge), vertical(33, 0, 349));
  EXPECT_TRUE(lineOf(huge, huge, huge, -huge).empty());
  EXPECT_TRUE(lineOf(3e9F, 1, 4e9F, 1).empty());
}

TEST(TextScreenLine, DrawsOverTextAndLeavesTheCursor) {
  TextScreen screen = openScreen();
  screen.moveCursor(1, 1);
  screen.putChar(0xDB);
  screen.moveCursor(12, 34);
  screen.drawLine(0, 3, 7, 3, kRed);
  EXPECT_EQ(screen.cursorRow(), 12);
  EXPECT_EQ(screen.cursorColumn(), 34);
  EXPECT_EQ(pixelsOf(screen, kRed), horizontal(0, 7, 3));
  EXPECT_EQ(screen.cell(1, 1).ch, 0xDB);  // the grid keeps its text
}

TEST(TextScreenText, RowsOutsideTheGridAreRefused) {
  const TextScreen screen = openScreen();
  EXPECT_THROW((void)screen.rowText(0), std::out_of_range);
  EXPECT_THROW((void)screen.rowText(26), std::out_of_range);
  EXPECT_THROW((void)screen.cell(1, 81), std::out_of_range);
  EXPECT_THROW((void)screen.pixel(640, 0), std::out_of_range);
  EXPECT_THROW((void)screen.pixel(0, -1), std::out_of_range);
}

TEST(TextScreenGeneration, EveryVisibleChangeMovesIt) {
  TextScreen screen = openScreen();
  std::uint64_t last = screen.generation();
  const auto moved = [&] {
    const bool changed = screen.generation() != last;
    last = screen.generation();
    return changed;
  };
  screen.putChar('a');
  EXPECT_TRUE(moved());
  screen.moveCursor(5, 5);
  EXPECT_TRUE(moved());
  screen.drawLine(1, 1, 5, 5, kWhite);
  EXPECT_TRUE(moved());
  screen.scrollUp();
  EXPECT_TRUE(moved());
  screen.lineEnd();
  EXPECT_TRUE(moved());
  screen.clear();
  EXPECT_TRUE(moved());
  (void)screen.rowText(1);
  (void)screen.pixel(1, 1);
  EXPECT_FALSE(moved());
}

}  // namespace
