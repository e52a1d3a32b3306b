#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Single.hpp"

// One character cell of the text grid.
struct Cell {
  std::uint8_t ch = ' ';  // code page 437
  std::uint8_t fg = 15;
  std::uint8_t bg = 9;
  bool operator==(const Cell&) const = default;
};

// The 80 x 25 text grid over a 640 x 350 framebuffer of palette indices
// (8 x 14 pixel cells). Rows and columns count from 1. The grid keeps the
// character codes so that a row can be read back as text; the framebuffer
// holds what is shown, text and drawings alike.
class TextScreen {
 public:
  static constexpr int kColumns = 80;
  static constexpr int kRows = 25;
  static constexpr int kCellWidth = 8;
  static constexpr int kCellHeight = 14;
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 350;

  TextScreen();

  void open();  // cleared, cursor at (1, 1)
  void setColours(int foreground, int background);
  int foreground() const;
  int background() const;
  void clear();  // text and drawings painted in the background colour

  void moveCursor(int row, int column);  // clamped to the grid
  int cursorRow() const;
  int cursorColumn() const;

  // Draws one character at the cursor and advances it, wrapping after
  // column 80 and scrolling below row 25.
  void putChar(std::uint8_t ch);
  // Draws one character into a cell in the current colours without moving
  // the cursor; the line editor redraws its line this way. Nothing outside
  // the grid.
  void drawCell(int row, int column, std::uint8_t ch);
  // Cursor to column 1 of the next row, scrolling below row 25.
  void lineEnd();
  // Scrolls text and drawings up by one row (14 pixels).
  void scrollUp();

  // A solid line; coordinates rounded half away from zero, clipped.
  void drawLine(Single x1, Single y1, Single x2, Single y2, int colour);

  // Everything the screen shows, text, drawings and cursor: taken before a
  // question, so that an answer that ran over the rows around it, or
  // scrolled the screen, can be taken back whole when it is refused.
  struct Picture {
    std::vector<Cell> cells;
    std::vector<std::uint8_t> pixels;
    int row = 1;
    int column = 1;
  };
  Picture picture() const;
  void show(const Picture& picture);

  const Cell& cell(int row, int column) const;
  std::string rowText(int row) const;  // the 80 character codes of a row
  std::uint8_t pixel(int x, int y) const;
  const std::array<std::uint8_t, kWidth * kHeight>& pixels() const;

  // Grows with every change, so a front-end presents only when it moved.
  std::uint64_t generation() const;

 private:
  std::array<Cell, kColumns * kRows> cells_{};
  std::array<std::uint8_t, kWidth * kHeight> pixels_{};
  int row_ = 1;
  int column_ = 1;
  int foreground_ = 15;
  int background_ = 9;
  std::uint64_t generation_ = 0;
};
