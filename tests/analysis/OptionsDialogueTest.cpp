// The options dialogue as a user sees it, through the headless session:
// every prompt at its place, refused answers asked again without a word,
// and the summary the user checks before going on.

#include <gtest/gtest.h>

#if __has_include("platform/headless/Session.hpp")

#include <string>
#include <string_view>
#include <vector>

#include "analysis/OptionsValues.hpp"
#include "model/Design.hpp"
#include "platform/headless/Session.hpp"

namespace {

std::string padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

const std::string kBlankRow(80, ' ');
const std::string kYieldPrompt = "Enter material YIELD STRENGTH (psi) or <?> for help:  ";
const std::string kThicknessPrompt = " Enter Radial Thickness in inches: ";
const std::string kHeightPrompt = " Enter height of antenna above ground (feet): ";
const std::string kClosingPrompt = " Press 'ENTER' to return to Main Menu: ";

// From the title, past the instructions question, into the dialogue.
void openOptions(Session& s) {
  s.type("n");
  s.type("o");
}

void expectBlankRows(Session& s, int first, int last) {
  for (int r = first; r <= last; ++r) {
    EXPECT_EQ(s.row(r), kBlankRow) << "row " << r;
  }
}

void expectSummary(Session& s, const std::vector<std::string>& rows) {
  EXPECT_EQ(s.row(1), kBlankRow);
  int r = 2;
  for (const std::string& text : rows) {
    EXPECT_EQ(s.row(r), padded(text)) << "row " << r;
    ++r;
  }
  expectBlankRows(s, r, 23);
  EXPECT_EQ(s.row(24), padded(kClosingPrompt));
  EXPECT_EQ(s.cursorRow(), 24);
  EXPECT_EQ(s.cursorColumn(), static_cast<int>(kClosingPrompt.size()) + 1);
}

bool atMainMenu(Session& s) { return s.row(1).find("MAIN MENU") != std::string::npos; }

TEST(OptionsDialogue, YieldPromptLayout) {
  Session s;
  openOptions(s);
  expectBlankRows(s, 1, 18);
  EXPECT_EQ(s.row(19), padded("6061-T6 Aluminum = 35,000 psi"));
  EXPECT_EQ(s.row(20), padded("6063-T832 Aluminum = 35,000 psi"));
  EXPECT_EQ(s.row(21), padded("6063-T6 Aluminum = 25,000 psi"));
  EXPECT_EQ(s.row(22), padded("Press 'ENTER' for default (Aluminum) YIELD = 35000 psi or--"));
  EXPECT_EQ(s.row(23), padded(kYieldPrompt));
  expectBlankRows(s, 24, 25);
  EXPECT_EQ(s.cursorRow(), 23);
  EXPECT_EQ(s.cursorColumn(), static_cast<int>(kYieldPrompt.size()) + 1);

  // "?" alone shows the help line in place of the default line, with
  // nothing of the longer default line left behind it.
  s.enter("?");
  EXPECT_EQ(s.row(22), padded("6061-T6=35000   6063-T832=35000   6063-T6=25000"));
  EXPECT_EQ(s.row(23), padded(kYieldPrompt));
  EXPECT_EQ(s.cursorRow(), 23);
  EXPECT_EQ(s.cursorColumn(), static_cast<int>(kYieldPrompt.size()) + 1);
  EXPECT_EQ(s.beeps(), 0);
}

TEST(OptionsDialogue, YieldOutsideItsRangeIsAskedAgainSilently) {
  Session s;
  openOptions(s);
  // 35,000 reads as 35; " ?" is no help request but the number 0.
  for (const char* refused : {"499", "120001", "35,000", " ?", "-1000", "abc"}) {
    SCOPED_TRACE(refused);
    s.enter(refused);
    EXPECT_EQ(s.row(19), padded("6061-T6 Aluminum = 35,000 psi"));
    EXPECT_EQ(s.row(22), padded("Press 'ENTER' for default (Aluminum) YIELD = 35000 psi or--"));
    EXPECT_EQ(s.row(23), padded(kYieldPrompt));
    EXPECT_EQ(s.row(24), kBlankRow);
    EXPECT_EQ(s.cursorRow(), 23);
    EXPECT_EQ(s.beeps(), 0);
    EXPECT_FALSE(s.design().gates.optionsSelected);
  }
  s.enter("120000");
  EXPECT_EQ(s.row(21), padded(" Do you wish to have ICE loading? (Y/N)"));
  expectBlankRows(s, 1, 20);
  expectBlankRows(s, 22, 25);
  s.type("n");
  s.type("c");
  expectSummary(s, {" OPTIONS: ", " ", " Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH",
                    "     and shape factor =  0.666", " Yield Strength =  120000 psi"});
  EXPECT_EQ(s.design().options.yieldStrength, 120000.0f);
}

TEST(OptionsDialogue, LowestYieldAccepted) {
  Session s;
  openOptions(s);
  s.enter("500");
  s.type("N");
  s.type("C");
  EXPECT_EQ(s.design().options.yieldStrength, 500.0f);
  EXPECT_EQ(s.design().options.iceAnswer, "N");
  EXPECT_EQ(s.row(6), padded(" Yield Strength =  500 psi"));
}

// Glaze ice of half an inch, EIA/TIA-222-E at 50 feet, default yield.
TEST(OptionsDialogue, SummaryOfIceAndHeight) {
  Session s;
  openOptions(s);
  s.enter("");

  // Keys that answer no question are ignored without a sound.
  s.type("x5q ");
  EXPECT_EQ(s.row(21), padded(" Do you wish to have ICE loading? (Y/N)"));
  s.type("y");
  expectBlankRows(s, 1, 19);
  EXPECT_EQ(s.row(20), padded(" <H>oarfrost     A fluffy or feathery deposit of ice crystals"));
  EXPECT_EQ(s.row(21), padded(" <R>ime ice      A white granular deposit from supercooled fog"));
  EXPECT_EQ(s.row(22), padded(" <G>laze ice     Clear, smooth ice from rain or drizzle"));
  expectBlankRows(s, 23, 25);
  s.type("yn1");
  EXPECT_EQ(s.row(23), kBlankRow);
  s.type("G");
  EXPECT_EQ(s.row(23), padded(kThicknessPrompt));
  EXPECT_EQ(s.cursorColumn(), static_cast<int>(kThicknessPrompt.size()) + 1);
  s.enter("0.5");

  expectBlankRows(s, 1, 19);
  EXPECT_EQ(s.row(20), padded(" <C>  use EIA-222-C for wind pressure:  P=.004*V*V "));
  EXPECT_EQ(s.row(21), padded(" <E>  use EIA/TIA-222-E for wind pressure:  P=.00256*Kz*V*V "));
  expectBlankRows(s, 22, 25);
  s.type("hy");
  EXPECT_EQ(s.row(22), kBlankRow);
  s.type("E");
  EXPECT_EQ(s.row(22), padded(kHeightPrompt));
  EXPECT_EQ(s.cursorRow(), 22);
  s.enter("50");

  expectSummary(s, {" OPTIONS: ", " ", " Ice Loading with density =  3.2e-002 lb. per cubic inch ",
                    "     and radial thickness =  0.5 inches ",
                    " Using EIA/TIA-222-E with antenna height =  50 feet",
                    " Pressure =  21.32029 lb/sq ft at 86 MPH", "     and shape factor =  1.2",
                    " Yield Strength =  35000 psi"});
  EXPECT_EQ(s.beeps(), 0);
  EXPECT_TRUE(s.design().gates.optionsSelected);

  const DesignOptions& o = s.design().options;
  EXPECT_EQ(o.yieldStrength, 35000.0f);
  EXPECT_EQ(o.iceAnswer, "y");
  EXPECT_EQ(o.iceDensity, 0.032f);
  EXPECT_EQ(o.radialIceThickness, 0.5f);
  EXPECT_EQ(o.iceDiameterIncrease, 1.0f);
  EXPECT_EQ(o.antennaHeight, 50.0f);
  EXPECT_EQ(o.kz, heightFactorKz(50.0f));
  EXPECT_EQ(o.windPressure, eiaTia222ePressure(o.kz));
  EXPECT_EQ(o.shapeFactor, 1.2f);
  EXPECT_EQ(o.aluminiumDensity, 0.098f);

  // Whatever is typed at the closing prompt only returns to the menu.
  s.enter("anything, 12");
  EXPECT_TRUE(atMainMenu(s));
  EXPECT_EQ(s.design().options.yieldStrength, 35000.0f);
}

TEST(OptionsDialogue, ThicknessAndHeightAskedAgainOnTheNextRow) {
  Session s;
  openOptions(s);
  s.enter("");
  s.type("Y");
  s.type("r");
  s.enter("1.01");
  EXPECT_EQ(s.row(23).substr(0, kThicknessPrompt.size() + 4), kThicknessPrompt + "1.01");
  EXPECT_EQ(s.row(24), padded(kThicknessPrompt));
  EXPECT_EQ(s.cursorRow(), 24);
  s.enter("-0.1");
  EXPECT_EQ(s.row(25), padded(kThicknessPrompt));
  EXPECT_EQ(s.cursorRow(), 25);
  s.enter("1");  // the thickest ice taken
  EXPECT_EQ(s.row(20), padded(" <C>  use EIA-222-C for wind pressure:  P=.004*V*V "));
  EXPECT_EQ(s.design().options.radialIceThickness, 1.0f);
  EXPECT_EQ(s.design().options.iceDiameterIncrease, 2.0f);
  EXPECT_EQ(s.design().options.iceDensity, 0.017f);

  s.type("e");
  s.enter("0");
  EXPECT_EQ(s.row(22).substr(0, kHeightPrompt.size() + 1), kHeightPrompt + "0");
  EXPECT_EQ(s.row(23), padded(kHeightPrompt));
  s.enter("-5");
  EXPECT_EQ(s.row(24), padded(kHeightPrompt));
  EXPECT_EQ(s.cursorRow(), 24);
  EXPECT_FALSE(s.design().gates.optionsSelected);
  s.enter("33");  // the reference height: Kz 1
  EXPECT_EQ(s.design().options.kz, 1.0f);
  EXPECT_EQ(s.design().options.windPressure, 18.93376f);
  EXPECT_EQ(s.row(6), padded(" Using EIA/TIA-222-E with antenna height =  33 feet"));
  EXPECT_EQ(s.row(7), padded(" Pressure =  18.93376 lb/sq ft at 86 MPH"));
  EXPECT_EQ(s.beeps(), 0);
}

// However often the height was refused, the summary stands on a clean screen:
// no old prompt beside it, nothing scrolled into it.
TEST(OptionsDialogue, RefusedHeightsLeaveNothingBesideTheSummary) {
  for (const int refusals : {2, 3}) {
    SCOPED_TRACE(refusals);
    Session s;
    openOptions(s);
    s.enter("");
    s.type("n");
    s.type("e");
    for (int i = 0; i < refusals; ++i) {
      s.enter("-5");
    }
    s.enter("50");
    expectSummary(s, {" OPTIONS: ", " ", " Using EIA/TIA-222-E with antenna height =  50 feet",
                      " Pressure =  21.32029 lb/sq ft at 86 MPH", "     and shape factor =  1.2",
                      " Yield Strength =  35000 psi"});
    EXPECT_EQ(s.row(25), kBlankRow);
  }
}

TEST(OptionsDialogue, NoIceThicknessAddsNothing) {
  Session s;
  openOptions(s);
  s.enter("");
  s.type("y");
  s.type("h");
  s.enter("0");
  s.type("c");
  expectSummary(s, {" OPTIONS: ", " ", " Ice Loading with density =  1.1e-002 lb. per cubic inch ",
                    "     and radial thickness =  0 inches ",
                    " Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH",
                    "     and shape factor =  0.666", " Yield Strength =  35000 psi"});
  EXPECT_EQ(s.design().options.iceDiameterIncrease, 0.0f);
}

// A height that happens to give exactly the EIA-222-C pressure shows both
// standards: the summary tells them apart by value, not by the key pressed.
TEST(OptionsDialogue, PressureOfExactlyThirtyShowsBothStandards) {
  Session s;
  openOptions(s);
  s.enter("");
  s.type("n");
  s.type("e");
  s.enter("165.25105");
  ASSERT_EQ(s.design().options.windPressure, 30.0f);
  expectSummary(s, {" OPTIONS: ", " ", " Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH",
                    "     and shape factor =  1.2",
                    " Using EIA/TIA-222-E with antenna height =  165.2511 feet",
                    " Pressure =  30 lb/sq ft at 86 MPH", "     and shape factor =  1.2",
                    " Yield Strength =  35000 psi"});
}

TEST(OptionsDialogue, ChoosingAgainKeepsWhatTheNewAnswersDoNotSet) {
  Session s;
  openOptions(s);
  s.enter("30000");
  s.type("Y");
  s.type("g");
  s.enter(".75");
  s.type("E");
  s.enter("100");
  s.enter("");
  ASSERT_TRUE(atMainMenu(s));
  const DesignOptions first = s.design().options;

  s.type("O");
  s.enter("25000");
  s.type("N");
  s.type("C");
  const DesignOptions& again = s.design().options;
  EXPECT_EQ(again.yieldStrength, 25000.0f);
  EXPECT_EQ(again.iceAnswer, "N");
  EXPECT_EQ(again.windPressure, 30.0f);
  EXPECT_EQ(again.shapeFactor, 0.666f);
  // Not asked this time, so kept.
  EXPECT_EQ(again.iceDensity, first.iceDensity);
  EXPECT_EQ(again.radialIceThickness, first.radialIceThickness);
  EXPECT_EQ(again.iceDiameterIncrease, first.iceDiameterIncrease);
  EXPECT_EQ(again.antennaHeight, first.antennaHeight);
  EXPECT_EQ(again.kz, first.kz);
  // Neither the old ice nor the old height shows.
  expectSummary(s, {" OPTIONS: ", " ", " Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH",
                    "     and shape factor =  0.666", " Yield Strength =  25000 psi"});
  EXPECT_TRUE(s.design().gates.optionsSelected);
}

}  // namespace

#else

// The dialogue is checked through the headless session; without it these
// checks cannot run, and that must show as a failure, not as silence.
TEST(OptionsDialogue, HeadlessSessionAvailable) {
  FAIL() << "platform/headless/Session.hpp is missing: the options dialogue is untested";
}

#endif
