#include <gtest/gtest.h>

#include <string>

#include "screen/Channel.hpp"
#include "screen/NumberText.hpp"
#include "screen/TextScreen.hpp"

namespace {

struct ScreenFixture : ::testing::Test {
  ScreenFixture() {
    screen.setColours(15, 9);
    screen.open();
  }
  std::string row(int r) const { return screen.rowText(r); }
  TextScreen screen;
  ScreenChannel out{screen};
};

std::string spaces(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

using ScreenPrint = ScreenFixture;

TEST_F(ScreenPrint, EndingsStayAndEndLine) {
  out.print("ab", Ending::Stay);
  out.print("cd", Ending::EndLine);
  out.print("ef", Ending::Stay);
  EXPECT_EQ(row(1).substr(0, 5), "abcd ");
  EXPECT_EQ(row(2).substr(0, 3), "ef ");
  EXPECT_EQ(out.column(), 3);
  EXPECT_EQ(screen.cursorRow(), 2);
}

TEST_F(ScreenPrint, EightyCharactersWithStayLeaveTheCursorOnTheNextRow) {
  screen.moveCursor(5, 1);
  out.print(std::string(80, 'x'), Ending::Stay);
  EXPECT_EQ(screen.cursorRow(), 6);
  EXPECT_EQ(screen.cursorColumn(), 1);
  out.print("y", Ending::Stay);
  EXPECT_EQ(row(6)[0], 'y');
}

TEST_F(ScreenPrint, EightyCharactersWithEndLineLeaveOneEmptyRow) {
  screen.moveCursor(5, 1);
  out.print(std::string(80, 'x'), Ending::EndLine);
  out.print("next", Ending::Stay);
  EXPECT_EQ(row(5), std::string(80, 'x'));
  EXPECT_EQ(row(6), spaces(80));
  EXPECT_EQ(row(7).substr(0, 4), "next");
}

TEST_F(ScreenPrint, LineEndOnTheLastRowScrolls) {
  screen.moveCursor(24, 1);
  out.print("first", Ending::EndLine);
  out.print("second", Ending::EndLine);
  EXPECT_EQ(row(23).substr(0, 5), "first");
  EXPECT_EQ(row(24).substr(0, 6), "second");
  EXPECT_EQ(row(25), spaces(80));
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_EQ(screen.cursorColumn(), 1);
}

TEST_F(ScreenPrint, NextZonePadsWithBlanksToTheZoneStarts) {
  out.print("a", Ending::NextZone);
  EXPECT_EQ(out.column(), 15);
  out.print("bcdefghijklmno", Ending::NextZone);  // 14 characters: fills zone 2 exactly
  EXPECT_EQ(out.column(), 43);
  out.print("c", Ending::NextZone);
  EXPECT_EQ(out.column(), 57);
  EXPECT_EQ(row(1).substr(0, 44), "a" + spaces(13) + "bcdefghijklmno" + spaces(14) + "c ");
  // Blanks really overwrite: the padding is text on the row.
  screen.moveCursor(2, 1);
  out.print("XXXXXXXXXXXXXXXXXXXX", Ending::Stay);
  screen.moveCursor(2, 1);
  out.print("z", Ending::NextZone);
  EXPECT_EQ(row(2).substr(0, 20), "z" + spaces(13) + "XXXXXX");
}

TEST_F(ScreenPrint, NextZoneFromColumn57OnEndsTheLine) {
  screen.moveCursor(3, 56);
  out.print("", Ending::NextZone);  // column 56: the zone at 57 still fits
  EXPECT_EQ(screen.cursorRow(), 3);
  EXPECT_EQ(screen.cursorColumn(), 57);
  out.print("q", Ending::NextZone);  // column 58: the next zone, 71, is too narrow
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_EQ(row(3).substr(55), " q" + spaces(23));
}

using ScreenTab = ScreenFixture;

TEST_F(ScreenTab, MovesTheCursorWithoutWriting) {
  out.print("XXXXXXXXXXXX", Ending::Stay);
  screen.moveCursor(1, 3);
  out.tab(8);
  EXPECT_EQ(screen.cursorColumn(), 8);
  EXPECT_EQ(row(1).substr(0, 12), "XXXXXXXXXXXX");  // nothing blanked
}

TEST_F(ScreenTab, BeyondTheTargetStartsANewLineFirst) {
  screen.moveCursor(4, 12);
  out.tab(10);
  EXPECT_EQ(screen.cursorRow(), 5);
  EXPECT_EQ(screen.cursorColumn(), 10);
}

TEST_F(ScreenTab, ExactlyAtTheTargetNothingHappens) {
  screen.moveCursor(4, 10);
  const std::uint64_t before = screen.generation();
  out.tab(10);
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 10);
  EXPECT_EQ(screen.generation(), before);
}

TEST_F(ScreenTab, ZeroOrLessCountsAsOneAndBeyond80WrapsModulo80) {
  screen.moveCursor(4, 1);
  out.tab(0);
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 1);
  out.tab(-7);
  EXPECT_EQ(screen.cursorColumn(), 1);
  out.tab(85);  // column 5
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 5);
  out.tab(83);  // column 3: behind, so a new line first
  EXPECT_EQ(screen.cursorRow(), 5);
  EXPECT_EQ(screen.cursorColumn(), 3);
  out.tab(80);
  EXPECT_EQ(screen.cursorColumn(), 80);
  out.tab(160);  // 0 after the modulo: column 1 on a new line
  EXPECT_EQ(screen.cursorRow(), 6);
  EXPECT_EQ(screen.cursorColumn(), 1);
}

TEST(StringChannelPrint, LinesEndInCrLfAndColumnsRestart) {
  StringChannel file;
  EXPECT_EQ(file.column(), 1);
  file.print("abc", Ending::Stay);
  EXPECT_EQ(file.column(), 4);
  file.print("d", Ending::EndLine);
  EXPECT_EQ(file.column(), 1);
  file.lineEnd();
  file.print("e", Ending::Stay);
  EXPECT_EQ(file.bytes(), "abcd\r\n\r\ne");
}

TEST(StringChannelPrint, ZonesHaveNoLineWidth) {
  StringChannel file;
  file.print("a", Ending::NextZone);
  file.print("b", Ending::NextZone);
  file.print("c", Ending::NextZone);
  file.print("d", Ending::NextZone);
  file.print("e", Ending::NextZone);
  file.print("f", Ending::NextZone);  // column 71 and beyond: no line end on a file
  file.print("g", Ending::Stay);
  const std::string gap(13, ' ');
  EXPECT_EQ(file.bytes(),
            "a" + gap + "b" + gap + "c" + gap + "d" + gap + "e" + gap + "f" + gap + "g");
  EXPECT_EQ(file.column(), 86);
}

TEST(StringChannelTab, WritesBlanksAndStartsANewLineWhenPastTheColumn) {
  StringChannel file;
  file.print("abc", Ending::Stay);
  file.tab(6);
  file.print("x", Ending::Stay);
  file.tab(7);  // exactly there: nothing
  file.print("y", Ending::Stay);
  file.tab(3);  // beyond: CR LF, then two blanks
  file.print("z", Ending::Stay);
  file.tab(0);  // counts as 1: new line, no blanks
  file.print("w", Ending::Stay);
  file.tab(100);  // files take long columns as they are
  EXPECT_EQ(file.bytes(), "abc  xy\r\n  z\r\nw" + std::string(98, ' '));
  EXPECT_EQ(file.column(), 100);
}

TEST(StringChannelNumbers, NumbersAndPatternsAreWrittenAsTheirTexts) {
  StringChannel file;
  file.printNumber(2.5F, Ending::Stay);
  file.printNumber(-7.0F, Ending::EndLine);
  file.printPattern("##.#", 3.3F, Ending::Stay);
  EXPECT_EQ(file.bytes(), numberText(2.5F) + numberText(-7.0F) + "\r\n" + " 3.3");
  EXPECT_EQ(numberText(2.5F), " 2.5");
}

TEST(RepeatChar, CountsOfZeroOrLessGiveNothing) {
  EXPECT_EQ(repeatChar(3, '-'), "---");
  EXPECT_EQ(repeatChar(0, '-'), "");
  EXPECT_EQ(repeatChar(-4, '-'), "");
  EXPECT_EQ(repeatChar(80, ' ').size(), 80U);
}

}  // namespace
