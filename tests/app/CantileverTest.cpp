// The unlisted cantilever picture behind "T": its three gates in order, its
// ten lines pixel for pixel, and the prompt above it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "model/Design.hpp"
#include "platform/headless/Session.hpp"

namespace {

std::string padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

const std::string kBlankRow(80, ' ');
const std::string kMenuHeading = padded("                             Tubalyzer 2.20   MAIN MENU");

void expectGateNotice(Session& s, std::string_view message) {
  EXPECT_EQ(s.row(1), padded(message));
  EXPECT_EQ(s.row(2), kBlankRow);
  EXPECT_EQ(s.row(3), padded(" Press 'ENTER' to continue: "));
  for (int r = 4; r <= 25; ++r) {
    EXPECT_EQ(s.row(r), kBlankRow) << "row " << r;
  }
  for (int y = 3 * 14; y < 350; ++y) {
    for (int x = 0; x < 640; ++x) {
      ASSERT_EQ(s.pixel(x, y), 9) << "nothing is drawn under a notice: (" << x << ", " << y << ")";
    }
  }
}

// The ten strokes, as the pixels they cover: all are horizontal, vertical
// or exact diagonals, so every rasteriser agrees on them.
std::set<std::pair<int, int>> cantileverPixels() {
  std::set<std::pair<int, int>> pixels;
  auto horizontal = [&](int y, int x1, int x2) {
    for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) pixels.insert({x, y});
  };
  auto vertical = [&](int x, int y1, int y2) {
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) pixels.insert({x, y});
  };
  vertical(100, 150, 175);  // clamp block
  horizontal(175, 100, 150);
  vertical(150, 150, 175);
  horizontal(150, 100, 150);
  horizontal(152, 150, 550);  // tube
  vertical(550, 152, 173);
  horizontal(173, 150, 550);
  vertical(350, 175, 225);  // arrow shaft
  for (int t = 0; t <= 10; ++t) {
    pixels.insert({340 + t, 215 + t});  // head, left stroke
    pixels.insert({360 - t, 215 + t});  // head, right stroke
  }
  return pixels;
}

// Everything below the prompt row is the picture and nothing else.
void expectPicture(Session& s) {
  const std::set<std::pair<int, int>> expected = cantileverPixels();
  for (int y = 14; y < 350; ++y) {
    for (int x = 0; x < 640; ++x) {
      const int want = expected.count({x, y}) != 0 ? 15 : 9;
      ASSERT_EQ(s.pixel(x, y), want) << "(" << x << ", " << y << ")";
    }
  }
}

void startAtMenu(Session& s) {
  s.type("n");
  s.waitIdle();
}

void putDesign(DesignModel& design, Single tipOd) {
  design.options.yieldStrength = 35000.0F;
  design.options.iceAnswer = "y";
  design.options.iceDensity = 0.032F;
  design.options.radialIceThickness = 0.5F;
  design.options.windPressure = 30.0F;
  design.options.shapeFactor = 0.666F;
  design.element.title = "ANY";
  design.element.sectionCount = 2.0F;
  design.element.sections[1] = {tipOd, 0.058F, 36.0F, 40.0F};
  design.element.sections[2] = {1.0F, 0.058F, 48.0F, 50.0F};
}

TEST(CantileverGateTest, WithoutOptionsOnlyTheOptionsMessageShows) {
  Session s;
  startAtMenu(s);
  s.type("T");
  expectGateNotice(s, " You must select options first. ");
  s.enter("typed");
  EXPECT_EQ(s.row(1), kMenuHeading);
}

TEST(CantileverGateTest, TheGatesAreTestedInOrder) {
  Session s;
  startAtMenu(s);
  s.design().gates.optionsSelected = true;
  s.type("t");
  expectGateNotice(s, " You must enter element data or recall data first. ");
  s.enter("");
  EXPECT_EQ(s.row(1), kMenuHeading);

  s.design().gates.designPresent = true;
  s.type("t");
  expectGateNotice(s, " You must view the analysis first. ");
  s.enter("");
  EXPECT_EQ(s.row(1), kMenuHeading);

  // A design and flags of analysis viewed without options still stop at the
  // first gate.
  s.design().gates = GateFlags{false, true, true};
  s.type("t");
  expectGateNotice(s, " You must select options first. ");
  s.enter("");
}

TEST(CantileverGateTest, LeavingViewAnalysisWithoutEndDoesNotOpenIt) {
  Session s;
  startAtMenu(s);
  putDesign(s.design(), 0.5F);
  s.design().gates.optionsSelected = true;
  s.design().gates.designPresent = true;
  s.type("v");
  s.type("p");  // print: back on the entry line, not through END
  s.type("e");  // END on the entry line sets only design present
  ASSERT_EQ(s.row(1), kMenuHeading);
  s.type("t");
  expectGateNotice(s, " You must view the analysis first. ");
}

TEST(CantileverPictureTest, TenLinesUnderThePromptOnRowOne) {
  Session s;
  startAtMenu(s);
  putDesign(s.design(), 0.5F);
  s.design().gates = GateFlags{true, true, true};
  s.design().profileY = 999.0F;
  s.type("t");
  EXPECT_EQ(s.row(1), padded(" Press 'ENTER' to return to Main Menu: "));
  for (int r = 2; r <= 25; ++r) {
    EXPECT_EQ(s.row(r), kBlankRow) << "row " << r;
  }
  EXPECT_EQ(s.cursorRow(), 1);
  EXPECT_EQ(s.cursorColumn(), 40);
  expectPicture(s);
  EXPECT_EQ(s.design().profileY, 30.0F);

  // Typing before ENTER only echoes on row 1; the picture is untouched.
  s.type("abc");
  EXPECT_EQ(s.row(1), padded(" Press 'ENTER' to return to Main Menu: abc"));
  expectPicture(s);
  s.enter("");
  EXPECT_EQ(s.row(1), kMenuHeading);
  EXPECT_EQ(s.beeps(), 0);
}

TEST(CantileverPictureTest, ThePictureIsTheSameForEveryDesign) {
  for (const Single tipOd : {0.5F, 3.0F}) {
    SCOPED_TRACE(tipOd);
    Session s;
    startAtMenu(s);
    putDesign(s.design(), tipOd);
    s.design().gates = GateFlags{true, true, true};
    // View Analysis first, so a profile was on the screen before.
    s.type("v");
    s.type("e");
    s.type("t");
    expectPicture(s);
    s.enter("");
  }
}

}  // namespace
