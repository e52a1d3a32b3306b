#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "screen/Console.hpp"
#include "screen/Platform.hpp"
#include "screen/TextScreen.hpp"

namespace {

// Keys from a list; when they run out the "window closes". Records what the
// console asked of it.
class ScriptPlatform final : public Platform {
 public:
  void present(const TextScreen& screen) override {
    ++presents;
    presentedRows.push_back(screen.rowText(screen.cursorRow()));
    cursors.emplace_back(screen.cursorRow(), screen.cursorColumn());
  }
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout) override {
    timeouts.push_back(timeout);
    if (keys.empty()) {
      throw PlatformClosed();
    }
    const std::optional<InputKey> key = keys.front();
    keys.pop_front();
    return key;
  }
  void beep() override { ++beeps; }
  PrinterOpen openDefaultPrinter() override { return {}; }
  PrintSubmission submitPrintJob(const PrintDocument& /*document*/) override { return {"no", {}}; }

  void type(std::string_view text) {
    for (const char c : text) {
      keys.emplace_back(InputKey::character(static_cast<std::uint8_t>(c)));
    }
  }
  void enter(std::string_view text) {
    type(text);
    keys.emplace_back(InputKey::character(13));
  }
  void press(SpecialKey k) { keys.emplace_back(InputKey::named(k)); }
  void idle() { keys.emplace_back(std::nullopt); }  // one look that finds no key

  std::deque<std::optional<InputKey>> keys;
  std::vector<std::optional<std::chrono::milliseconds>> timeouts;
  std::vector<std::string> presentedRows;
  std::vector<std::pair<int, int>> cursors;  // row, column at each present
  int presents = 0;
  int beeps = 0;
};

struct ConsoleFixture : ::testing::Test {
  ConsoleFixture() { console.open(); }
  std::string row(int r) const { return console.screen().rowText(r); }
  int cursorRow() const { return console.screen().cursorRow(); }
  int cursorColumn() const { return console.screen().cursorColumn(); }

  ScriptPlatform platform;
  Console console{platform};
};

std::string padded(std::string_view text) {
  std::string line(text);
  line.resize(80, ' ');
  return line;
}

using ConsoleOpen = ConsoleFixture;

TEST_F(ConsoleOpen, WhiteOnBrightBlueAndCleared) {
  EXPECT_EQ(console.screen().foreground(), 15);
  EXPECT_EQ(console.screen().background(), 9);
  EXPECT_EQ(console.screen().pixel(320, 175), 9);
  EXPECT_EQ(cursorRow(), 1);
  EXPECT_EQ(cursorColumn(), 1);
  console.drawLine(0, 0, 10, 0);
  EXPECT_EQ(console.screen().pixel(5, 0), 15);  // lines default to the foreground
  console.drawLine(0, 1, 10, 1, 4);
  EXPECT_EQ(console.screen().pixel(5, 1), 4);
}

using ConsolePoll = ConsoleFixture;

TEST_F(ConsolePoll, ReturnsKeyTextsOrEmptyAndPresentsOnlyChanges) {
  platform.idle();
  platform.type("x");
  platform.press(SpecialKey::F1);
  platform.idle();
  console.print("shown", Ending::Stay);
  EXPECT_EQ(console.pollKey(), "");
  EXPECT_EQ(platform.presents, 1);
  EXPECT_EQ(platform.presentedRows.back().substr(0, 5), "shown");
  EXPECT_EQ(console.pollKey(), "x");
  EXPECT_EQ(console.pollKey(), std::string("\0;", 2));  // F1: code 0, scan code 59
  EXPECT_EQ(platform.presents, 1);                      // nothing changed since
  console.print("!", Ending::Stay);
  EXPECT_EQ(console.pollKey(), "");
  EXPECT_EQ(platform.presents, 2);
  // Every look waits for a key without a timeout: an idle program sleeps.
  for (const std::optional<std::chrono::milliseconds> t : platform.timeouts) {
    EXPECT_FALSE(t.has_value());
  }
  EXPECT_EQ(row(1).substr(0, 7), "shown! ");  // polls never echo
}

TEST_F(ConsolePoll, WaitForKeyIgnoresEverythingElseSilently) {
  platform.idle();
  platform.type("xq\r ");
  platform.press(SpecialKey::Up);
  platform.keys.emplace_back(InputKey::character(0));
  platform.type("Nz");
  const std::uint64_t before = console.screen().generation();
  EXPECT_EQ(console.waitForKey("yYnN"), "N");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(console.screen().generation(), before);
  EXPECT_EQ(platform.keys.size(), 1U);  // the z is still waiting
  // An extended key never matches, even when its scan code is accepted.
  platform.keys.clear();
  platform.press(SpecialKey::Left);  // scan code 75, "K"
  platform.type("k");
  EXPECT_EQ(console.waitForKey("K\x4B"
                               "k"),
            "k");
}

using ConsoleRead = ConsoleFixture;

TEST_F(ConsoleRead, QuestionMarkOnlyWithTheQuestionFlag) {
  platform.enter("7");
  console.readWholeLine("Enter number of sections: ", true);
  platform.enter("8");
  console.readWholeLine("Enter number of sections: ", false);
  platform.enter("9");
  (void)console.readItems("Prompt? ");
  EXPECT_EQ(row(1), padded("Enter number of sections: ? 7"));
  EXPECT_EQ(row(2), padded("Enter number of sections: 8"));
  EXPECT_EQ(row(3), padded("Prompt? 9"));
  EXPECT_EQ(cursorRow(), 4);
  EXPECT_EQ(cursorColumn(), 1);
}

TEST_F(ConsoleRead, WholeLineKeepsCommasAndBlanks) {
  platform.enter(" a, b ,c ");
  EXPECT_EQ(console.readWholeLine("", false), " a, b ,c ");
}

TEST_F(ConsoleRead, ItemsAndNumbersComeFromTheEditedLine) {
  platform.enter("3,4");
  ItemScanner items = console.readItems("? ");
  EXPECT_EQ(items.nextNumber(), 3.0F);
  EXPECT_EQ(items.nextNumber(), 4.0F);
  platform.enter("12abc");
  EXPECT_EQ(console.readNumber("n: "), 12.0F);
  platform.enter("abc");
  EXPECT_EQ(console.readNumber("n: "), 0.0F);
  platform.enter("1.5e1");
  EXPECT_EQ(console.readNumber("n: "), 15.0F);
  platform.enter("  Yagi 20m, spare");
  EXPECT_EQ(console.readTextItem("t: "), "Yagi 20m");
}

TEST_F(ConsoleRead, EditingKeysShowTheEditedLine) {
  console.locate(10, 5);
  platform.type("helo");
  platform.press(SpecialKey::Left);
  platform.type("l");
  platform.press(SpecialKey::End);
  platform.type("x");
  platform.keys.emplace_back(InputKey::character(8));  // Backspace
  platform.press(SpecialKey::Home);
  platform.press(SpecialKey::Delete);
  platform.type("H");
  platform.keys.emplace_back(InputKey::character(3));  // Ctrl+C: nothing
  platform.press(SpecialKey::F5);
  platform.enter("!");
  EXPECT_EQ(console.readWholeLine("> ", false), "H!ello");
  EXPECT_EQ(row(10), padded("    > H!ello"));
  EXPECT_EQ(cursorRow(), 11);
  EXPECT_EQ(cursorColumn(), 1);
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(ConsoleRead, CursorFollowsTheEditPosition) {
  console.locate(6, 1);
  platform.type("abcd");
  platform.press(SpecialKey::Left);
  platform.press(SpecialKey::Left);
  platform.press(SpecialKey::Right);
  platform.press(SpecialKey::Home);
  platform.enter("");
  (void)console.readWholeLine("P ", false);
  // Where the user saw the cursor before each key: after the prompt, one
  // column on per character, then back and forth with the arrows.
  const std::vector<std::pair<int, int>> expected = {{6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7},
                                                     {6, 6}, {6, 5}, {6, 6}, {6, 3}};
  EXPECT_EQ(platform.cursors, expected);
  EXPECT_EQ(row(6), padded("P abcd"));
}

TEST_F(ConsoleRead, ErasedCharactersAreBlankedOnScreen) {
  console.locate(8, 1);
  console.print("old text to the right", Ending::Stay);
  console.locate(8, 1);
  platform.type("abcdef");
  platform.keys.emplace_back(InputKey::character(27));  // Escape
  platform.enter("z");
  EXPECT_EQ(console.readWholeLine("", false), "z");
  // The typed characters were drawn over the old text, then erased; what
  // the line never covered stays.
  EXPECT_EQ(row(8), padded("z     xt to the right"));
}

TEST_F(ConsoleRead, DeleteAtTheEndBeepsAndOverlongLinesAreCut) {
  platform.press(SpecialKey::Delete);
  platform.enter(std::string(300, 'w'));
  const std::string line = console.readWholeLine("", false);
  EXPECT_EQ(line, std::string(255, 'w'));
  EXPECT_EQ(platform.beeps, 1 + 45);
}

TEST_F(ConsoleRead, LongLinesWrapOntoTheNextRows) {
  console.locate(3, 71);
  platform.enter(std::string(100, 'q'));
  (void)console.readItems("Value: ");  // prompt ends at column 77
  EXPECT_EQ(row(3).substr(70), "Value: qqq");
  EXPECT_EQ(row(4), std::string(80, 'q'));
  EXPECT_EQ(row(5), padded(std::string(17, 'q')));
  EXPECT_EQ(cursorRow(), 6);
  EXPECT_EQ(cursorColumn(), 1);
}

TEST_F(ConsoleRead, LineFillingTheRowExactlyEndsOnTheRowBelow) {
  console.locate(2, 1);
  platform.enter(std::string(78, 'e'));
  (void)console.readWholeLine("> ", false);
  EXPECT_EQ(row(2), "> " + std::string(78, 'e'));
  EXPECT_EQ(row(3), padded(""));
  EXPECT_EQ(cursorRow(), 3);
  EXPECT_EQ(cursorColumn(), 1);
}

TEST_F(ConsoleRead, TypingAtTheBottomScrollsLikePrinting) {
  console.locate(1, 1);
  console.print("top", Ending::Stay);
  console.locate(25, 1);
  console.print("Name: ", Ending::Stay);
  console.drawLine(0, 349, 639, 349);
  platform.enter(std::string(80, 'n'));  // runs past column 80 of row 25
  EXPECT_EQ(console.readWholeLine("", false), std::string(80, 'n'));
  EXPECT_EQ(row(23), padded("Name: " + std::string(74, 'n')));
  EXPECT_EQ(row(24), padded("nnnnnn"));
  EXPECT_EQ(row(25), padded(""));
  EXPECT_EQ(cursorRow(), 25);
  EXPECT_EQ(cursorColumn(), 1);
  EXPECT_EQ(row(1), padded(""));  // scrolled off
  // The drawing went up with the text, two rows (under "Name: ": typed
  // characters paint their whole cells).
  EXPECT_EQ(console.screen().pixel(20, 349 - 28), 15);
  EXPECT_EQ(console.screen().pixel(20, 349), 9);
  EXPECT_EQ(console.screen().pixel(320, 349 - 28), 9);
}

TEST_F(ConsoleRead, EmptyLineOnTheLastRowScrollsOnce) {
  console.locate(25, 1);
  platform.enter("");
  (void)console.readWholeLine(" Press 'ENTER' to continue: ", false);
  EXPECT_EQ(row(24), padded(" Press 'ENTER' to continue: "));
  EXPECT_EQ(cursorRow(), 25);
  EXPECT_EQ(cursorColumn(), 1);
}

TEST_F(ConsoleRead, ClosingTheWindowWhileReadingEndsTheRead) {
  platform.type("abc");
  EXPECT_THROW((void)console.readWholeLine("x", false), PlatformClosed);
}

TEST_F(ConsoleRead, BeepPresentsTheScreenFirst) {
  console.print("before the beep", Ending::Stay);
  console.beep();
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(platform.presents, 1);
  EXPECT_EQ(platform.presentedRows.back().substr(0, 15), "before the beep");
}

}  // namespace
