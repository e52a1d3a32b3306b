#include "screen/Console.hpp"

#include <algorithm>
#include <chrono>
#include <optional>

#include "screen/LineEditor.hpp"
#include "screen/Platform.hpp"

namespace {

// Every look at the keyboard waits for the next key: the program has
// nothing else to do meanwhile, and a wait with a timeout would only wake
// the processor for nothing.
constexpr std::optional<std::chrono::milliseconds> kUntilAKeyComes = std::nullopt;

// Where a typed line stands on the screen: it starts where the cursor was
// and runs on over as many rows as it needs.
struct LinePlace {
  int startRow;
  int startColumn;

  int rowOf(std::size_t index) const {
    return startRow + static_cast<int>((static_cast<std::size_t>(startColumn - 1) + index) /
                                       TextScreen::kColumns);
  }
  int columnOf(std::size_t index) const {
    return static_cast<int>((static_cast<std::size_t>(startColumn - 1) + index) %
                            TextScreen::kColumns) +
           1;
  }
};

// Redraws the line from its start: its characters, blanks over what an
// earlier, longer state left behind, and the cursor at the edit position.
// When the line or the cursor would run below the last row the screen
// scrolls, as printing does.
void echoLine(TextScreen& screen, LinePlace& place, const std::string& text, std::size_t position,
              std::size_t& shown) {
  int bottom = place.rowOf(position);
  if (!text.empty()) {
    bottom = std::max(bottom, place.rowOf(text.size() - 1));
  }
  while (bottom > TextScreen::kRows) {
    screen.scrollUp();
    --place.startRow;
    --bottom;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    screen.drawCell(place.rowOf(i), place.columnOf(i), static_cast<std::uint8_t>(text[i]));
  }
  for (std::size_t i = text.size(); i < shown; ++i) {
    screen.drawCell(place.rowOf(i), place.columnOf(i), ' ');
  }
  shown = text.size();
  screen.moveCursor(place.rowOf(position), place.columnOf(position));
}

}  // namespace

Console::Console(Platform& platform) : platform_(platform), out_(screen_) {}

void Console::open() {
  screen_.setColours(15, 9);
  screen_.open();
}

void Console::clear() { screen_.clear(); }

void Console::locate(int row, int column) { screen_.moveCursor(row, column); }

void Console::print(std::string_view text, Ending ending) { out_.print(text, ending); }

void Console::printNumber(Single value, Ending ending) { out_.printNumber(value, ending); }

void Console::printPattern(std::string_view pattern, Single value, Ending ending) {
  out_.printPattern(pattern, value, ending);
}

void Console::tab(int column) { out_.tab(column); }

void Console::drawLine(Single x1, Single y1, Single x2, Single y2) {
  screen_.drawLine(x1, y1, x2, y2, screen_.foreground());
}

void Console::drawLine(Single x1, Single y1, Single x2, Single y2, int colour) {
  screen_.drawLine(x1, y1, x2, y2, colour);
}

std::string Console::pollKey() {
  present();
  const std::optional<InputKey> key = platform_.waitKey(kUntilAKeyComes);
  return key ? keyText(*key) : std::string();
}

std::string Console::waitForKey(std::string_view accepted) {
  for (;;) {
    std::string key = pollKey();
    if (key.size() == 1 && key[0] != '\0' && accepted.find(key[0]) != std::string_view::npos) {
      return key;
    }
  }
}

std::string Console::readLine() {
  LineEditor editor;
  LinePlace place{screen_.cursorRow(), screen_.cursorColumn()};
  std::size_t shown = 0;
  for (;;) {
    present();
    const std::optional<InputKey> key = platform_.waitKey(kUntilAKeyComes);
    if (!key) {
      continue;
    }
    const LineEditor::Outcome outcome = editor.press(*key);
    if (outcome.changed) {
      echoLine(screen_, place, editor.text(), editor.position(), shown);
    }
    if (outcome.beep) {
      beep();
    }
    if (outcome.done) {
      break;
    }
  }
  // The cursor leaves the line at column 1 of the row below its last row.
  const std::string& text = editor.text();
  const int lastRow = place.rowOf(text.empty() ? 0 : text.size() - 1);
  screen_.moveCursor(lastRow, 1);
  screen_.lineEnd();
  return text;
}

std::string Console::readWholeLine(std::string_view prompt, bool question) {
  out_.print(prompt, Ending::Stay);
  if (question) {
    out_.print("? ", Ending::Stay);
  }
  return readLine();
}

ItemScanner Console::readItems(std::string_view prompt) {
  out_.print(prompt, Ending::Stay);
  return ItemScanner(readLine());
}

Single Console::readNumber(std::string_view prompt) { return readItems(prompt).nextNumber(); }

std::string Console::readTextItem(std::string_view prompt) { return readItems(prompt).nextText(); }

void Console::beep() {
  // The user hears the beep with the screen as it stands, echo included.
  present();
  platform_.beep();
}

void Console::present() {
  const std::uint64_t generation = screen_.generation();
  if (generation != presented_) {
    platform_.present(screen_);
    presented_ = generation;
  }
}
