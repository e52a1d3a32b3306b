#include "screen/Channel.hpp"

#include "screen/NumberPattern.hpp"
#include "screen/NumberText.hpp"
#include "screen/TextScreen.hpp"

namespace {

constexpr int kZoneWidth = 14;

// The first print zone (1, 15, 29, ...) that starts after `column`.
int nextZoneStart(int column) { return ((column - 1) / kZoneWidth + 1) * kZoneWidth + 1; }

}  // namespace

void Channel::print(std::string_view text, Ending ending) {
  for (const char ch : text) {
    putChar(static_cast<std::uint8_t>(ch));
  }
  switch (ending) {
    case Ending::Stay:
      break;
    case Ending::EndLine:
      putLineEnd();
      break;
    case Ending::NextZone: {
      const int zone = nextZoneStart(column());
      const int width = lineWidth();
      // The last zone of a line is too narrow for an item: go to the next line.
      if (width > 0 && zone > width - kZoneWidth) {
        putLineEnd();
      } else {
        while (column() < zone) {
          putChar(' ');
        }
      }
      break;
    }
  }
}

void Channel::printNumber(Single value, Ending ending) { print(numberText(value), ending); }

void Channel::printPattern(std::string_view pattern, Single value, Ending ending) {
  print(patternText(pattern, value), ending);
}

void Channel::tab(int column) {
  int target = tabColumn(column);
  if (target < 1) {
    target = 1;
  }
  if (this->column() > target) {
    putLineEnd();
  }
  if (this->column() < target) {
    advanceTo(target);
  }
}

void Channel::lineEnd() { putLineEnd(); }

int ScreenChannel::column() const { return screen_.cursorColumn(); }

void ScreenChannel::putChar(std::uint8_t ch) { screen_.putChar(ch); }

void ScreenChannel::putLineEnd() { screen_.lineEnd(); }

void ScreenChannel::advanceTo(int column) { screen_.moveCursor(screen_.cursorRow(), column); }

int ScreenChannel::tabColumn(int column) const {
  // Columns beyond the line are taken modulo its width; a multiple of the
  // width gives 0, which then counts as column 1 like any column below 1.
  return column > TextScreen::kColumns ? column % TextScreen::kColumns : column;
}

void StringChannel::putChar(std::uint8_t ch) {
  bytes_.push_back(static_cast<char>(ch));
  ++column_;
}

void StringChannel::putLineEnd() {
  bytes_ += "\r\n";
  column_ = 1;
}

void StringChannel::advanceTo(int column) {
  while (column_ < column) {
    putChar(' ');
  }
}

std::string repeatChar(int count, char ch) {
  return count > 0 ? std::string(static_cast<std::size_t>(count), ch) : std::string();
}
