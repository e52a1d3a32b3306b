#include "screen/TextScreen.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "screen/Font.hpp"

namespace {

constexpr std::size_t kRowPixels = static_cast<std::size_t>(TextScreen::kWidth) *
                                   static_cast<std::size_t>(TextScreen::kCellHeight);

std::uint8_t paletteIndex(int colour) { return static_cast<std::uint8_t>(colour & 0x0F); }

std::size_t cellIndex(int row, int column) {
  return static_cast<std::size_t>(row - 1) * TextScreen::kColumns +
         static_cast<std::size_t>(column - 1);
}

bool insideGrid(int row, int column) {
  return row >= 1 && row <= TextScreen::kRows && column >= 1 && column <= TextScreen::kColumns;
}

// Cuts the segment (x1,y1)-(x2,y2) to the rectangle [0,xMax] x [0,yMax]
// (Liang-Barsky). False when nothing of it lies inside. A cut end is put
// exactly on the edge it was cut at: interpolating along a segment many
// orders of magnitude longer than the screen would lose that precision.
bool clipSegment(Wide& x1, Wide& y1, Wide& x2, Wide& y2, Wide xMax, Wide yMax) {
  struct Cut {
    Wide t;
    int axis;  // 0: x, 1: y, -1: not cut
    Wide edge;
  };
  const Wide dx = x2 - x1;
  const Wide dy = y2 - y1;
  Cut enter{0.0, -1, 0.0};
  Cut leave{1.0, -1, 0.0};
  const auto clip = [&](Wide p, Wide q, int axis, Wide edge) {
    if (p == 0.0) {
      return q >= 0.0;  // parallel to this edge: inside or out entirely
    }
    const Wide t = q / p;
    if (p < 0.0) {
      if (t > leave.t) {
        return false;
      }
      if (t > enter.t) {
        enter = Cut{t, axis, edge};
      }
    } else {
      if (t < enter.t) {
        return false;
      }
      if (t < leave.t) {
        leave = Cut{t, axis, edge};
      }
    }
    return true;
  };
  if (!clip(-dx, x1, 0, 0.0) || !clip(dx, xMax - x1, 0, xMax) || !clip(-dy, y1, 1, 0.0) ||
      !clip(dy, yMax - y1, 1, yMax)) {
    return false;
  }
  const Wide startX = x1;
  const Wide startY = y1;
  const auto place = [&](const Cut& cut, Wide& x, Wide& y) {
    if (cut.axis < 0) {
      return;
    }
    x = cut.axis == 0 ? cut.edge : startX + cut.t * dx;
    y = cut.axis == 1 ? cut.edge : startY + cut.t * dy;
  };
  place(leave, x2, y2);
  place(enter, x1, y1);
  return true;
}

// Halves away from zero, as the screen's line coordinates are rounded.
Wide roundCoordinate(Single value) { return std::round(static_cast<Wide>(value)); }

// A clipped coordinate is within [0, limit]; rounding keeps it there.
int pixelCoordinate(Wide value, int limit) {
  const Wide rounded = std::round(value);
  if (!(rounded >= 0.0)) {
    return 0;
  }
  if (rounded > Wide(limit)) {
    return limit;
  }
  return static_cast<int>(rounded);
}

}  // namespace

TextScreen::TextScreen() { clear(); }

void TextScreen::open() { clear(); }

void TextScreen::setColours(int foreground, int background) {
  foreground_ = foreground & 0x0F;
  background_ = background & 0x0F;
}

int TextScreen::foreground() const { return foreground_; }
int TextScreen::background() const { return background_; }

void TextScreen::clear() {
  const Cell blank{' ', paletteIndex(foreground_), paletteIndex(background_)};
  cells_.fill(blank);
  pixels_.fill(paletteIndex(background_));
  row_ = 1;
  column_ = 1;
  ++generation_;
}

void TextScreen::moveCursor(int row, int column) {
  row_ = std::clamp(row, 1, kRows);
  column_ = std::clamp(column, 1, kColumns);
  ++generation_;
}

int TextScreen::cursorRow() const { return row_; }
int TextScreen::cursorColumn() const { return column_; }

void TextScreen::drawCell(int row, int column, std::uint8_t ch) {
  if (!insideGrid(row, column)) {
    return;
  }
  const Cell cell{ch, paletteIndex(foreground_), paletteIndex(background_)};
  cells_[cellIndex(row, column)] = cell;
  const std::size_t left = static_cast<std::size_t>(column - 1) * kCellWidth;
  const std::size_t top = static_cast<std::size_t>(row - 1) * kCellHeight;
  for (int y = 0; y < kCellHeight; ++y) {
    const std::uint8_t bits = font::glyphRow(ch, y);
    std::uint8_t* line = &pixels_[(top + static_cast<std::size_t>(y)) * kWidth + left];
    for (int x = 0; x < kCellWidth; ++x) {
      line[x] = (bits & (0x80U >> static_cast<unsigned>(x))) != 0 ? cell.fg : cell.bg;
    }
  }
  ++generation_;
}

void TextScreen::putChar(std::uint8_t ch) {
  drawCell(row_, column_, ch);
  if (column_ < kColumns) {
    ++column_;
  } else {
    lineEnd();
  }
}

void TextScreen::lineEnd() {
  column_ = 1;
  if (row_ < kRows) {
    ++row_;
  } else {
    scrollUp();
  }
  ++generation_;
}

void TextScreen::scrollUp() {
  std::copy(cells_.begin() + kColumns, cells_.end(), cells_.begin());
  const Cell blank{' ', paletteIndex(foreground_), paletteIndex(background_)};
  std::fill(cells_.end() - kColumns, cells_.end(), blank);
  std::copy(pixels_.begin() + static_cast<std::ptrdiff_t>(kRowPixels), pixels_.end(),
            pixels_.begin());
  std::fill(pixels_.end() - static_cast<std::ptrdiff_t>(kRowPixels), pixels_.end(),
            paletteIndex(background_));
  ++generation_;
}

void TextScreen::drawLine(Single x1, Single y1, Single x2, Single y2, int colour) {
  // Work in double until the line is inside the screen: a float far outside
  // int's range must never reach an int conversion.
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return;
  }
  Wide ax = roundCoordinate(x1);
  Wide ay = roundCoordinate(y1);
  Wide bx = roundCoordinate(x2);
  Wide by = roundCoordinate(y2);
  if (!clipSegment(ax, ay, bx, by, Wide(kWidth - 1), Wide(kHeight - 1))) {
    return;
  }
  int x = pixelCoordinate(ax, kWidth - 1);
  int y = pixelCoordinate(ay, kHeight - 1);
  const int endX = pixelCoordinate(bx, kWidth - 1);
  const int endY = pixelCoordinate(by, kHeight - 1);
  const std::uint8_t index = paletteIndex(colour);

  // Bresenham over all octants.
  const int dx = std::abs(endX - x);
  const int dy = -std::abs(endY - y);
  const int stepX = x < endX ? 1 : -1;
  const int stepY = y < endY ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    pixels_[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)] = index;
    if (x == endX && y == endY) {
      break;
    }
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
  ++generation_;
}

TextScreen::Picture TextScreen::picture() const {
  return Picture{{cells_.begin(), cells_.end()}, {pixels_.begin(), pixels_.end()}, row_, column_};
}

void TextScreen::show(const Picture& picture) {
  if (picture.cells.size() != cells_.size() || picture.pixels.size() != pixels_.size()) {
    throw std::invalid_argument("not a picture of this screen");
  }
  std::copy(picture.cells.begin(), picture.cells.end(), cells_.begin());
  std::copy(picture.pixels.begin(), picture.pixels.end(), pixels_.begin());
  row_ = picture.row;
  column_ = picture.column;
  ++generation_;
}

const Cell& TextScreen::cell(int row, int column) const {
  if (!insideGrid(row, column)) {
    throw std::out_of_range("TextScreen::cell: no such cell");
  }
  return cells_[cellIndex(row, column)];
}

std::string TextScreen::rowText(int row) const {
  if (row < 1 || row > kRows) {
    throw std::out_of_range("TextScreen::rowText: no such row");
  }
  std::string text(kColumns, ' ');
  for (int column = 1; column <= kColumns; ++column) {
    text[static_cast<std::size_t>(column - 1)] =
        static_cast<char>(cells_[cellIndex(row, column)].ch);
  }
  return text;
}

std::uint8_t TextScreen::pixel(int x, int y) const {
  if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) {
    throw std::out_of_range("TextScreen::pixel: outside the screen");
  }
  return pixels_[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
}

const std::array<std::uint8_t, TextScreen::kWidth * TextScreen::kHeight>& TextScreen::pixels()
    const {
  return pixels_;
}

std::uint64_t TextScreen::generation() const { return generation_; }
