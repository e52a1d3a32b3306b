// The entry dialogue's questions and what it does with odd answers: the
// gate, the title, the section count and the four values of a section.
#include <gtest/gtest.h>

#include "EntryHarness.hpp"

namespace {

using namespace entrytest;

const std::string kCountPrompt =
    padded("ENTER NUMBER OF SECTIONS <MAX 15> --> Enter number of sections: ? ");

// At the first section's OD question of a fresh entry.
void startEntry(Session& s, std::string_view count = "1") {
  startWithOptions(s);
  s.type("e");
  s.enter("T");
  s.enter(count);
}

void expectCursor(Session& s, int row, int column) {
  EXPECT_EQ(s.cursorRow(), row);
  EXPECT_EQ(s.cursorColumn(), column);
}

TEST(EntryGateTest, WithoutOptionsOnlyTheNoticeShowsAndNothingChanges) {
  Session s;
  s.type("n");
  s.waitIdle();
  s.design().element.title = "KEEP";
  s.type("e");
  EXPECT_EQ(s.row(1), padded(" You must select options first. "));
  EXPECT_EQ(s.row(2), kBlankRow);
  EXPECT_EQ(s.row(3), padded(" Press 'ENTER' to continue: "));
  for (int r = 4; r <= 25; ++r) {
    EXPECT_EQ(s.row(r), kBlankRow) << "row " << r;
  }
  s.enter("anything");
  EXPECT_EQ(s.row(3), padded("                    Select Options                     =   O"));
  EXPECT_EQ(s.design().element.title, "KEEP");
  EXPECT_EQ(s.design().element.sectionCount, 0.0F);
}

TEST(EntryTitleTest, ATitleEndsAtItsFirstComma) {
  Session s;
  startWithOptions(s);
  s.type("e");
  s.enter("ALPHA, BETA");
  EXPECT_EQ(s.design().element.title, "ALPHA");
  EXPECT_EQ(s.row(24), rowOf({{30, "ALPHA"}}));
  EXPECT_EQ(s.row(23), kCountPrompt);
}

TEST(EntryCountTest, TheCountIsTheLeadingNumberOfTheLine) {
  Session s;
  startEntry(s, "4 words");
  EXPECT_EQ(s.design().element.sectionCount, 4.0F);
  EXPECT_EQ(s.row(23), padded("START WITH TIP SECTION:"));
  EXPECT_EQ(s.beeps(), 0);
}

TEST(EntryCountTest, CountsTheModelCannotHoldAreAskedAgain) {
  Session s;
  startWithOptions(s);
  s.type("e");
  s.enter("T");
  int beeps = 0;
  for (const char* answer : {"0", "16", "2.5", "-3", "abc", "", "1e30", "99999999999"}) {
    s.enter(answer);
    EXPECT_EQ(s.beeps(), ++beeps) << "'" << answer << "'";
    EXPECT_EQ(s.row(23), kCountPrompt) << "'" << answer << "'";
    expectCursor(s, 23, 67);
    EXPECT_EQ(s.design().element.sectionCount, 0.0F) << "'" << answer << "' reached the model";
    EXPECT_EQ(s.row(19), kBlankRow) << "no section is asked for";
  }
  s.enter("15");
  EXPECT_EQ(s.beeps(), beeps);
  EXPECT_EQ(s.design().element.sectionCount, 15.0F);
  EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
}

// An answer long enough to run over the title, or to scroll the header
// away, is refused and the screen is as it was before it was typed.
TEST(EntryCountTest, ALongRefusedCountLeavesTheTitleAndTheHeader) {
  Session s;
  startWithOptions(s);
  s.type("e");
  s.enter("TITLE");
  const std::string asked = s.screenText();
  for (const std::string& answer : {std::string(30, '7'), "-" + std::string(200, '5')}) {
    s.enter(answer);
    EXPECT_EQ(s.screenText(), asked) << answer.size() << " characters";
    expectCursor(s, 23, 67);
  }
  s.enter("2" + std::string(20, ' ') + "sections");  // a long answer taken
  EXPECT_EQ(s.design().element.sectionCount, 2.0F);
  EXPECT_EQ(s.row(24), rowOf({{30, "TITLE"}}));
}

TEST(EntryCountTest, OneSectionLeadsStraightToTheCommandLine) {
  Session s;
  startEntry(s, "1");
  typeSection(s, kExample[0]);
  EXPECT_EQ(s.row(23), padded(kEntryLine));
  EXPECT_EQ(s.row(5), padded(" 1     0.500    0.058    36.00     36.00      215        "));
  EXPECT_EQ(s.row(6), kBlankRow);
  EXPECT_EQ(s.row(19), kBlankRow);
  EXPECT_EQ(s.design().element.sectionCount, 1.0F);
}

TEST(EntryWallTest, AWallOfHalfTheDiameterIsASolidRod) {
  Session s;
  startEntry(s);
  s.enter("1.0");
  s.enter("0.5");
  EXPECT_EQ(s.beeps(), 0);
  EXPECT_EQ(s.row(5), padded(" 1     1.000    0.500"));
  EXPECT_EQ(s.row(21), padded("Enter exposed section length: "));
  expectCursor(s, 21, 31);
}

TEST(EntryWallTest, AThickerWallIsRefusedAndAskedAgainInPlace) {
  Session s;
  startEntry(s);
  s.enter("0.375");
  s.enter("0.25");
  EXPECT_EQ(s.beeps(), 1);
  // Only the wall is asked again, at the same place; the OD stays in its row.
  EXPECT_EQ(s.row(20).substr(0, 22), "Enter wall thickness: ");
  expectCursor(s, 20, 23);
  EXPECT_EQ(s.row(5), padded(" 1     0.375"));
  EXPECT_EQ(s.row(21), kBlankRow);
  EXPECT_EQ(s.design().element.sections[1].outsideDiameter, 0.375F);

  s.enter("0.2");
  EXPECT_EQ(s.beeps(), 2);
  s.enter("0.1875");
  EXPECT_EQ(s.beeps(), 2);
  EXPECT_EQ(s.row(5), padded(" 1     0.375    0.188"));
  EXPECT_EQ(s.design().element.sections[1].wallThickness, 0.1875F);
  EXPECT_EQ(s.row(21), padded("Enter exposed section length: "));
}

TEST(EntryValuesTest, NoDiameterAndNegativeSizesAreRefusedInPlace) {
  Session s;
  startEntry(s);
  int beeps = 0;
  for (const char* od : {"0", "-1", "abc", ""}) {
    s.enter(od);
    EXPECT_EQ(s.beeps(), ++beeps) << "OD '" << od << "'";
    EXPECT_EQ(s.row(19).substr(0, 21), "Enter OD of section: ");
    expectCursor(s, 19, 22);
    EXPECT_EQ(s.row(5), padded(" 1"));
    EXPECT_EQ(s.row(20), kBlankRow);
  }
  s.enter("0.5");
  s.enter("-0.01");
  EXPECT_EQ(s.beeps(), ++beeps) << "negative wall";
  expectCursor(s, 20, 23);
  s.enter("0");  // a zero wall is kept
  EXPECT_EQ(s.beeps(), beeps);
  s.enter("-36");
  EXPECT_EQ(s.beeps(), ++beeps) << "negative exposed length";
  EXPECT_EQ(s.row(21).substr(0, 30), "Enter exposed section length: ");
  expectCursor(s, 21, 31);
  s.enter("36");
  s.enter("-1");
  EXPECT_EQ(s.beeps(), ++beeps) << "negative total length";
  EXPECT_EQ(s.row(21).substr(34, 27), "Enter total section length:");
  expectCursor(s, 21, 62);
  s.enter("10");  // shorter than the exposed part: kept as typed
  EXPECT_EQ(s.beeps(), beeps);
  EXPECT_EQ(s.design().element.sections[1], (TubeSection{0.5F, 0.0F, 36.0F, 10.0F}));
  EXPECT_EQ(s.row(23), padded(kEntryLine));
}

// A refused value is blanked on every row it ran over before the question
// comes again, and the other question on its row stays.
TEST(EntryValuesTest, AnswersAskedAgainLeaveNoOldDigits) {
  Session s;
  startEntry(s);
  s.enter("-40");
  s.enter("4");
  EXPECT_EQ(s.row(19), padded("Enter OD of section: 4"));
  s.enter("-" + std::string(100, '9'));  // runs on into row 21
  EXPECT_EQ(s.row(20), padded("Enter wall thickness: "));
  EXPECT_EQ(s.row(21), kBlankRow);
  s.enter("2.5");  // thicker than half the OD
  s.enter("1");
  EXPECT_EQ(s.row(20), padded("Enter wall thickness: 1"));
  s.enter("36");
  s.enter("-1234567890123456789012345");  // runs on into row 22
  EXPECT_EQ(s.row(21),
            rowOf({{1, "Enter exposed section length: 36"}, {35, "Enter total section length:"}}));
  EXPECT_EQ(s.row(22), kBlankRow);
  expectCursor(s, 21, 62);
  EXPECT_EQ(s.beeps(), 4);
  EXPECT_EQ(s.design().element.sections[1].outsideDiameter, 4.0F);
  EXPECT_EQ(s.design().element.sections[1].wallThickness, 1.0F);
}

TEST(EntryValuesTest, ZeroLengthsAreKept) {
  Session s;
  startEntry(s);
  typeSection(s, {"0.5", "0.058", "0", "0", {}});
  EXPECT_EQ(s.beeps(), 0);
  EXPECT_EQ(s.design().element.sections[1], (TubeSection{0.5F, 0.058F, 0.0F, 0.0F}));
  EXPECT_EQ(s.row(23), padded(kEntryLine));
}

TEST(EntryLayoutTest, FifteenSectionsReachThePromptRow) {
  Session s;
  startEntry(s, "15");
  for (int i = 1; i <= 14; ++i) {
    const std::string od = std::to_string(0.4 + 0.05 * i).substr(0, 4);
    typeSection(s, {od, "0.035", "20", "24", {}});
  }
  // Section 15's number stands on row 19, which the OD question overwrites.
  EXPECT_EQ(s.row(18).substr(0, 3), " 14");
  EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
  expectCursor(s, 19, 22);
  s.enter("1.25");
  // The OD lands in the section's row, over the question.
  EXPECT_EQ(s.row(19), padded("Ente   1.250section: 1.25"));
  EXPECT_EQ(s.row(20), padded("Enter wall thickness: "));
  s.enter("0.058");
  s.enter("20");
  s.enter("24");
  // The row update blanks the prompts and prints the row of section 15.
  EXPECT_EQ(s.row(19).substr(0, 40), " 15    1.250    0.058    20.00    300.00");
  EXPECT_EQ(s.row(20), kBlankRow);
  EXPECT_EQ(s.row(21), kBlankRow);
  EXPECT_EQ(s.row(23), padded(kEntryLine));
  EXPECT_EQ(s.design().element.sectionCount, 15.0F);
  expectTableOfOwnDesign(s, "after fifteen sections");

  // A sixteenth section does not fit: the insert is refused at once.
  s.type("a");
  EXPECT_EQ(s.row(22), padded("15 sections is the maximum -- cannot insert"));
  EXPECT_EQ(s.row(23), padded(kEntryLine));
  expectCursor(s, 24, 1);
  EXPECT_EQ(s.design().element.sectionCount, 15.0F);
  EXPECT_EQ(s.beeps(), 0);
  s.type("e");
  EXPECT_TRUE(s.design().gates.designPresent);
}

}  // namespace
