// The headless harness itself: a test sees the screen only when the program
// is waiting, keys are read in order, closing ends the program, and the
// script mode used by fuzzers ends when its keys run out.
#include <gtest/gtest.h>

#include <string>

#include "app/Program.hpp"
#include "model/Design.hpp"
#include "platform/headless/HeadlessPlatform.hpp"
#include "platform/headless/Session.hpp"
#include "screen/TextScreen.hpp"

namespace {

std::string padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

TEST(Session, ShowsTheTitleAndFollowsTypedKeys) {
  Session s;
  EXPECT_EQ(s.row(5).substr(30, 22), "Tubalyzer Version 2.20");
  EXPECT_EQ(s.row(20).substr(27, 25), "Do you need instructions?");
  EXPECT_FALSE(s.ended());
  s.type("x");  // ignored by the title question
  EXPECT_EQ(s.row(20).substr(27, 25), "Do you need instructions?");
  s.type("n");
  EXPECT_EQ(s.row(3), padded("                    Select Options                     =   O"));
  EXPECT_EQ(s.cursorRow(), 16);
  EXPECT_EQ(s.cursorColumn(), 1);
  // The menu picture is in the framebuffer: the first box's top-left corner.
  EXPECT_EQ(s.pixel(100, 299), 15);
  EXPECT_EQ(s.pixel(99, 299), 9);
  EXPECT_EQ(s.screen().cell(3, 21).ch, 'S');
  const std::string text = s.screenText();
  ASSERT_EQ(text.size(), 25U * 81U - 1U);
  EXPECT_EQ(text.substr(2 * 81, 80), s.row(3));
  EXPECT_EQ(s.beeps(), 0);
  EXPECT_GT(s.platform().presents(), 0);
}

TEST(Session, LineInputEchoesAndEndsWithEnter) {
  Session s;
  s.type("n");
  s.type("e");  // no options chosen yet: the gate notice asks for ENTER
  EXPECT_EQ(s.row(3), padded(" Press 'ENTER' to continue: "));
  s.type("typed");
  EXPECT_EQ(s.row(3), padded(" Press 'ENTER' to continue: typed"));
  EXPECT_EQ(s.cursorColumn(), 34);
  s.press(SpecialKey::Delete);  // nothing at the end of the line: a beep
  EXPECT_EQ(s.beeps(), 1);
  s.enter("");
  EXPECT_EQ(s.row(1), padded("                             Tubalyzer 2.20   MAIN MENU"));
}

TEST(Session, SpecialKeysAndManyIgnoredKeysLeaveTheMenuAlone) {
  Session s;
  s.type("n");
  const std::string before = s.screenText();
  s.press(SpecialKey::F1);
  s.press(SpecialKey::Up);
  s.press(InputKey::character(0));
  s.type(std::string(20000, 'x'));
  EXPECT_EQ(s.screenText(), before);
  EXPECT_EQ(s.platform().pendingKeys(), 0U);
  EXPECT_EQ(s.platform().keysRead(), 20004U);
}

TEST(Session, TheModelCanBeReadAndSetWhileIdle) {
  Session s;
  s.type("n");
  EXPECT_FLOAT_EQ(s.design().options.aluminiumDensity, 0.098F);
  s.design().gates.optionsSelected = true;
  EXPECT_TRUE(s.design().gates.optionsSelected);
}

TEST(Session, QuitEndsTheProgramWithStatus0) {
  Session s;
  s.type("nq");
  EXPECT_TRUE(s.ended());
  EXPECT_EQ(s.exitStatus(), 0);
  EXPECT_EQ(s.row(1), padded(""));  // quitting clears the screen
  s.type("o");                      // keys after the end change nothing and do not block
  EXPECT_TRUE(s.ended());
}

TEST(Session, ClosingAWaitingProgramEndsItCleanly) {
  // The destructor closes the platform while the program waits in the title
  // screen and in a line input; neither may hang.
  { Session s; }
  {
    Session s;
    s.type("ne");
    s.type("half a line");
    EXPECT_FALSE(s.ended());
  }
  SUCCEED();
}

TEST(Session, PrinterSetUpComesFromTheOptions) {
  HeadlessOptions options;
  options.printer.reset();
  options.printerError = "Printer is out of paper.";
  Session s(options);
  const PrinterOpen open = s.platform().openDefaultPrinter();
  EXPECT_FALSE(open.geometry.has_value());
  EXPECT_EQ(open.error, "Printer is out of paper.");
  s.platform().setPrinter(PageGeometry{}, "");
  const PrinterOpen letter = s.platform().openDefaultPrinter();
  ASSERT_TRUE(letter.geometry.has_value());
  EXPECT_DOUBLE_EQ(letter.geometry->widthPt, 576.0);
  s.platform().setSubmitError("spooler stopped");
  EXPECT_EQ(s.platform().submitPrintJob(PrintDocument{}).failure, "spooler stopped");
  EXPECT_TRUE(s.platform().printed().empty());
  s.platform().setSubmitError("");
  EXPECT_EQ(s.platform().submitPrintJob(PrintDocument{"job", PageGeometry{}, {{"line"}}}).failure,
            "");
  ASSERT_EQ(s.platform().printed().size(), 1U);
  EXPECT_EQ(s.platform().printed()[0].pages[0][0], "line");
}

TEST(HeadlessScript, KeysInOrderThenTheScriptEnds) {
  HeadlessPlatform platform(HeadlessPlatform::Mode::Script);
  platform.pushKeys("ab");
  platform.pushKey(InputKey::named(SpecialKey::F3));
  EXPECT_EQ(platform.waitKey(std::chrono::milliseconds(25)), InputKey::character('a'));
  EXPECT_EQ(platform.waitKey(std::chrono::milliseconds(25)), InputKey::character('b'));
  EXPECT_EQ(platform.waitKey(std::chrono::milliseconds(25)), InputKey::named(SpecialKey::F3));
  EXPECT_THROW((void)platform.waitKey(std::chrono::milliseconds(25)), PlatformClosed);
  platform.beep();
  platform.beep();
  EXPECT_EQ(platform.beeps(), 2);
}

TEST(HeadlessScript, TheProgramRunsToTheEndOfItsKeys) {
  HeadlessPlatform platform(HeadlessPlatform::Mode::Script);
  platform.pushKeys("n");
  Program program(platform);
  EXPECT_EQ(program.run(), 0);  // keys ran out at the main menu
  EXPECT_EQ(program.console().screen().rowText(15),
            padded("                    Quit Program                       =   Q"));

  HeadlessPlatform quitting(HeadlessPlatform::Mode::Script);
  quitting.pushKeys("nq");
  Program quitter(quitting);
  EXPECT_EQ(quitter.run(), 0);
  EXPECT_EQ(quitter.console().screen().rowText(1), padded(""));
}

}  // namespace
