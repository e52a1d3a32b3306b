// The two command lines under the table: which keys they take, and CHANGE,
// ADD, DELETE, SAVE, PRINT and END with the odd answers users give them.
#include <gtest/gtest.h>

#include "EntryHarness.hpp"
#include "screen/NumberText.hpp"

namespace {

using namespace entrytest;

const TypedSection kFourth = {"1", ".065", "24", "30", {1.0F, 0.065F, 24.0F, 30.0F}};

std::vector<TypedSection> exampleOf(std::size_t count) {
  std::vector<TypedSection> sections(kExample.begin(),
                                     kExample.begin() + std::min(count, kExample.size()));
  if (count == 4) {
    sections.push_back(kFourth);
  }
  return sections;
}

// The entry command line after typing in the first `count` sections.
void atEntryLine(Session& s, std::size_t count) {
  startWithOptions(s);
  enterDesign(s, "TEST", exampleOf(count));
  ASSERT_EQ(s.row(23), padded(kEntryLine));
}

// The View Analysis command line for a design put straight into the model.
void atAnalysisLine(Session& s, const std::vector<TubeSection>& sections) {
  startWithOptions(s);
  putSections(s.design(), sections);
  s.design().gates.designPresent = true;
  s.type("v");
  ASSERT_EQ(s.row(23), padded(kAnalysisLine));
}

void atAnalysisLine(Session& s, std::size_t count) {
  atAnalysisLine(s, storedOf(exampleOf(count)));
}

std::vector<TubeSection> fifteenTubes() {
  std::vector<TubeSection> tubes;
  for (int i = 1; i <= 15; ++i) {
    const Single od = 0.4F + 0.0625F * Single(i);
    tubes.push_back({od, 0.035F, 20.0F, 24.0F});
  }
  return tubes;
}

void expectSections(Session& s, const std::vector<TubeSection>& expected, std::string_view when) {
  const ElementDesign& element = s.design().element;
  EXPECT_EQ(element.sectionCount, Single(expected.size())) << when;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(element.sections[i + 1], expected[i]) << "section " << i + 1 << " " << when;
  }
}

void expectCursor(Session& s, int row, int column) {
  EXPECT_EQ(s.cursorRow(), row);
  EXPECT_EQ(s.cursorColumn(), column);
}

void pressUnlistedKeys(Session& s, std::string_view letters) {
  s.type(letters);
  s.type("\r\x1b 1.");
  s.press(SpecialKey::Up);
  s.press(SpecialKey::Left);
  s.press(SpecialKey::F1);
  s.press(SpecialKey::Delete);
}

TEST(CommandKeysTest, TheEntryLineIgnoresEveryOtherKey) {
  Session s;
  atEntryLine(s, 3);
  const std::string before = s.screenText();
  pressUnlistedKeys(s, "xXrRqQvVhHtT");
  EXPECT_EQ(s.screenText(), before);
  expectCursor(s, 24, 1);
  EXPECT_EQ(s.beeps(), 0);

  s.type("E");
  EXPECT_EQ(s.row(1), padded("                             Tubalyzer 2.20   MAIN MENU"));
  EXPECT_TRUE(s.design().gates.designPresent);
  EXPECT_FALSE(s.design().gates.analysisViewed) << "only the View Analysis line sets it";
}

TEST(CommandKeysTest, TheAnalysisLineIgnoresEveryOtherKey) {
  Session s;
  atAnalysisLine(s, 3);
  const std::string before = s.screenText();
  pressUnlistedKeys(s, "xXqQvVhHtTbB");
  EXPECT_EQ(s.screenText(), before);
  expectCursor(s, 24, 1);
  EXPECT_EQ(s.beeps(), 0);

  s.type("e");
  EXPECT_EQ(s.row(1), padded("                             Tubalyzer 2.20   MAIN MENU"));
  EXPECT_TRUE(s.design().gates.designPresent);
  EXPECT_TRUE(s.design().gates.analysisViewed);
}

TEST(CommandKeysTest, RecallIsOfferedOnlyUnderViewAnalysis) {
  Session s;
  atAnalysisLine(s, 2);
  s.type("R");
  EXPECT_EQ(s.row(23), padded("Enter full ELE filename to recall:"));
  expectCursor(s, 23, 35);
}

TEST(ChangeTest, ANumberOutsideTheDesignSaysWhyAndAsksAgain) {
  Session s;
  atAnalysisLine(s, 3);
  s.type("c");
  struct Case {
    const char* typed;
    std::string shown;
  };
  const Case cases[] = {
      {"", " 0"},      {"-5", "-5"},    {"4", " 4"},
      {"abc", " 0"},   {"0.9", " 0.9"}, {"1e30", numberText(1e30F)},
      {"3.1", " 3.1"},
  };
  for (const Case& c : cases) {
    s.enter(c.typed);
    EXPECT_EQ(s.row(22), padded(c.shown + "is bad sect # -- try again")) << "'" << c.typed << "'";
    EXPECT_EQ(s.row(23).substr(0, 25), "SECTION # TO CHANGE ---> ") << "'" << c.typed << "'";
    expectCursor(s, 23, 26);
  }
  EXPECT_EQ(s.beeps(), 0);
  expectSections(s, storedOf(kExample), "after the bad numbers");

  // A good number clears the message and opens the form.
  s.enter("3");
  EXPECT_EQ(s.row(22), kBlankRow);
  EXPECT_EQ(s.row(19), padded("Enter OD of Section: "));
  EXPECT_EQ(s.design().element.currentSection, 3.0F);
  EXPECT_EQ(s.design().element.editMode, EditMode::Change);
}

TEST(ChangeTest, AHalfSelectsTheEvenSectionAndShowsAsTyped) {
  {
    Session s;
    atEntryLine(s, 3);
    s.type("c");
    s.enter("2.5");
    // The number as typed at the start of section 2's row; the entry form.
    EXPECT_EQ(s.row(6).substr(0, 12), " 2.5   0.625");
    EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
    typeSection(s, {"0.6", ".05", "35", "41", {}});
    expectSections(s, {kExample[0].stored, {0.6F, 0.05F, 35.0F, 41.0F}, kExample[2].stored},
                   "after CHANGE 2.5");
    // The change ends in a rebuilt table under the View Analysis line.
    expectTableOfOwnDesign(s, "after CHANGE 2.5");
    EXPECT_EQ(s.row(23), padded(kAnalysisLine));
    EXPECT_EQ(s.row(6).substr(0, 3), " 2 ");
    EXPECT_TRUE(s.design().gates.designPresent);
  }
  {
    Session s;
    atAnalysisLine(s, 4);
    s.type("c");
    s.enter("3.5");
    EXPECT_EQ(s.row(8).substr(0, 12), " 3.5   1.000");
    EXPECT_EQ(s.row(7).substr(0, 3), " 3 ");
    EXPECT_EQ(s.row(19), padded("Enter OD of Section: "));
    typeSection(s, {"0.9", ".06", "20", "26", {}});
    expectSections(
        s,
        {kExample[0].stored, kExample[1].stored, kExample[2].stored, {0.9F, 0.06F, 20.0F, 26.0F}},
        "after CHANGE 3.5");
    expectTableOfOwnDesign(s, "after CHANGE 3.5");
  }
}

TEST(ChangeTest, BothFormsRefuseAWallThickerThanHalfTheDiameter) {
  for (const bool fromEntry : {true, false}) {
    SCOPED_TRACE(fromEntry ? "entry line" : "analysis line");
    Session s;
    if (fromEntry) {
      atEntryLine(s, 3);
    } else {
      atAnalysisLine(s, 3);
    }
    s.type("c");
    s.enter("1");
    s.enter("0.375");
    s.enter("0.25");
    EXPECT_EQ(s.beeps(), 1);
    EXPECT_EQ(s.row(20).substr(0, 22), "Enter wall thickness: ");
    expectCursor(s, 20, 23);
    s.enter("-0.1");
    EXPECT_EQ(s.beeps(), 2);
    s.enter("0.1875");
    EXPECT_EQ(s.beeps(), 2);
    EXPECT_EQ(s.row(21).substr(0, 30), "Enter exposed section length: ");
    s.enter("36");
    s.enter("40");
    expectSections(s, {{0.375F, 0.1875F, 36.0F, 40.0F}, kExample[1].stored, kExample[2].stored},
                   "after the change");
  }
}

TEST(ChangeTest, TheAnalysisFormAsksForSizesAsTheEntryFormDoes) {
  Session s;
  atAnalysisLine(s, 3);
  s.type("c");
  s.enter("2");
  s.enter("0");
  EXPECT_EQ(s.beeps(), 1) << "no diameter";
  expectCursor(s, 19, 22);
  s.enter("0.625");
  s.enter("0.058");
  s.enter("-2");
  EXPECT_EQ(s.beeps(), 2) << "negative exposed length";
  expectCursor(s, 21, 31);
  s.enter("0");
  s.enter("-2");
  EXPECT_EQ(s.beeps(), 3) << "negative total length";
  expectCursor(s, 21, 63);
  s.enter("0");
  expectSections(s, {kExample[0].stored, {0.625F, 0.058F, 0.0F, 0.0F}, kExample[2].stored},
                 "after zero lengths");
  expectTableOfOwnDesign(s, "after zero lengths");
}

TEST(InsertTest, AfterZeroFromTheEntryLineGrowsTheTableInPlace) {
  Session s;
  atEntryLine(s, 2);
  s.type("a");
  s.enter("");
  EXPECT_EQ(s.design().element.sectionCount, 3.0F);
  EXPECT_EQ(s.design().element.editMode, EditMode::None);
  EXPECT_EQ(s.row(7), padded(" 3"));
  EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
  typeSection(s, kExample[2]);
  // As in the first pass: the row update, then the entry line again.
  EXPECT_EQ(s.row(23), padded(kEntryLine));
  expectCursor(s, 24, 1);
  expectSections(s, storedOf(kExample), "after appending");
  expectTableOfOwnDesign(s, "after appending");
  EXPECT_EQ(s.pixel(560, 102), 15) << "the new section is drawn below the others";
}

TEST(InsertTest, AfterZeroFromTheAnalysisLineRebuildsTheTable) {
  Session s;
  atAnalysisLine(s, 2);
  s.type("a");
  s.enter("0");
  EXPECT_EQ(s.design().element.sectionCount, 3.0F);
  EXPECT_EQ(s.design().element.editMode, EditMode::Change);
  EXPECT_EQ(s.row(7), padded(" 3"));
  EXPECT_EQ(s.row(19), padded("Enter OD of Section: "));
  typeSection(s, kExample[2]);
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  expectSections(s, storedOf(kExample), "after appending");
  expectTableOfOwnDesign(s, "after appending");
}

TEST(InsertTest, ANumberOutsideTheDesignAsksAgainSilently) {
  Session s;
  atAnalysisLine(s, 3);
  s.type("a");
  for (const char* typed : {"4", "-1", "0.5", "1e30", "3.2"}) {
    s.enter(typed);
    EXPECT_EQ(s.row(23), padded("INSERT AFTER SECTION # -->")) << "'" << typed << "'";
    expectCursor(s, 23, 27);
    EXPECT_EQ(s.row(22), kBlankRow);
  }
  EXPECT_EQ(s.beeps(), 0);
  expectSections(s, storedOf(kExample), "after the bad numbers");

  s.enter("1");
  EXPECT_EQ(s.design().element.sectionCount, 4.0F);
  EXPECT_EQ(s.design().element.currentSection, 2.0F);
  EXPECT_EQ(s.row(19), padded("Enter OD of Section: "));
  typeSection(s, {"0.55", ".058", "30", "34", {}});
  expectSections(
      s,
      {kExample[0].stored, {0.55F, 0.058F, 30.0F, 34.0F}, kExample[1].stored, kExample[2].stored},
      "after inserting after 1");
  expectTableOfOwnDesign(s, "after inserting after 1");
}

TEST(InsertTest, AHalfInsertsAfterTheEvenSection) {
  Session s;
  atAnalysisLine(s, 4);
  s.type("a");
  s.enter("2.5");
  // Rows 3 to 5 are the moved ones; the new section 3 starts as a copy of 2.
  EXPECT_EQ(s.row(7).substr(0, 12), " 3     0.625");
  EXPECT_EQ(s.row(8).substr(0, 12), " 4     0.750");
  EXPECT_EQ(s.row(9).substr(0, 12), " 5     1.000");
  EXPECT_EQ(s.design().element.currentSection, 3.0F);
  typeSection(s, {"0.7", ".058", "30", "34", {}});
  expectSections(s,
                 {kExample[0].stored,
                  kExample[1].stored,
                  {0.7F, 0.058F, 30.0F, 34.0F},
                  kExample[2].stored,
                  kFourth.stored},
                 "after inserting after 2.5");
}

TEST(InsertTest, AtFifteenSectionsItIsRefusedAtOnce) {
  Session s;
  atAnalysisLine(s, fifteenTubes());
  const std::string table = s.row(19);
  s.type("a");
  EXPECT_EQ(s.row(22), padded("15 sections is the maximum -- cannot insert"));
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  EXPECT_EQ(s.row(19), table);
  expectCursor(s, 24, 1);
  EXPECT_EQ(s.beeps(), 0);
  expectSections(s, fifteenTubes(), "after the refusal");

  // The line still works: make room, then the insert goes through.
  s.type("d");
  s.enter("15");
  EXPECT_EQ(s.design().element.sectionCount, 14.0F);
  s.type("a");
  s.enter("14");
  EXPECT_EQ(s.design().element.sectionCount, 15.0F);
  // The new section 15 stands on row 19; the OD question overwrites its start.
  EXPECT_EQ(s.row(19).substr(0, 21), "Enter OD of Section: ");
  EXPECT_EQ(s.row(19).substr(21, 9), "    20.00");
}

TEST(DeleteTest, ANumberOutsideTheDesignAsksAgainSilently) {
  Session s;
  atAnalysisLine(s, 3);
  s.type("d");
  EXPECT_EQ(s.row(23), padded("SECTION # TO DELETE --->? "));
  expectCursor(s, 23, 27);
  for (const char* typed : {"0", "4", "", "abc", "-2", "3.6", "1e30"}) {
    s.enter(typed);
    EXPECT_EQ(s.row(23), padded("SECTION # TO DELETE --->? ")) << "'" << typed << "'";
    expectCursor(s, 23, 27);
    EXPECT_EQ(s.row(22), kBlankRow);
  }
  EXPECT_EQ(s.beeps(), 0);
  expectSections(s, storedOf(kExample), "after the bad numbers");

  // The last section goes without anything moving; its slot keeps its values.
  s.enter("3");
  expectSections(s, {kExample[0].stored, kExample[1].stored}, "after deleting the last");
  EXPECT_EQ(s.design().element.sections[3], kExample[2].stored);
  expectTableOfOwnDesign(s, "after deleting the last");
  EXPECT_EQ(s.row(7), kBlankRow);
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
}

TEST(DeleteTest, FromTheEntryLineTheRestMoveUpAndTheTableIsRebuilt) {
  Session s;
  atEntryLine(s, 3);
  s.type("d");
  s.enter("1");
  expectSections(s, {kExample[1].stored, kExample[2].stored}, "after deleting the tip");
  EXPECT_TRUE(s.design().gates.designPresent);
  expectTableOfOwnDesign(s, "after deleting the tip");
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
}

TEST(DeleteTest, TheOnlySectionStays) {
  {
    Session s;
    atEntryLine(s, 1);
    s.type("d");
    EXPECT_EQ(s.row(22), padded("cannot delete the only section"));
    EXPECT_EQ(s.row(23), padded(kEntryLine));
    expectCursor(s, 24, 1);
    expectSections(s, {kExample[0].stored}, "after the refusal");
    // The message goes with the next command, and stays gone.
    s.type("a");
    EXPECT_EQ(s.row(22), kBlankRow);
    s.enter("");
    typeSection(s, kExample[1]);
    EXPECT_EQ(s.row(23), padded(kEntryLine));
    EXPECT_EQ(s.row(22), kBlankRow);
    expectSections(s, storedOf(exampleOf(2)), "after appending");
  }
  {
    Session s;
    atAnalysisLine(s, 1);
    s.type("D");
    EXPECT_EQ(s.row(22), padded("cannot delete the only section"));
    EXPECT_EQ(s.row(23), padded(kAnalysisLine));
    expectSections(s, {kExample[0].stored}, "after the refusal");
    EXPECT_EQ(s.beeps(), 0);
    // The message goes when the next command is answered.
    s.type("c");
    s.enter("1");
    EXPECT_EQ(s.row(22), kBlankRow);
  }
}

TEST(CommandLinesTest, ADesignWithoutSectionsCannotBeChangedOrDeleted) {
  Session s;
  atAnalysisLine(s, 1);
  s.design().element.sectionCount = 0.0F;
  s.type("c");
  EXPECT_EQ(s.row(22), padded("no sections -- add one first"));
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  s.type("d");
  EXPECT_EQ(s.row(22), padded("no sections -- add one first"));
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  // An insert after 0 is the way back.
  s.type("a");
  s.enter("");
  EXPECT_EQ(s.design().element.sectionCount, 1.0F);
  EXPECT_EQ(s.row(19), padded("Enter OD of Section: "));
}

TEST(CommandLinesTest, SaveMarksTheDesignPresent) {
  Session s;
  atEntryLine(s, 2);
  ASSERT_FALSE(s.design().gates.designPresent);
  s.type("s");
  EXPECT_TRUE(s.design().gates.designPresent);
  EXPECT_NE(s.row(23), padded(kEntryLine)) << "the save screen follows";
}

TEST(CommandLinesTest, PrintComesBackToTheEntryLineFromEitherLine) {
  for (const bool fromEntry : {true, false}) {
    SCOPED_TRACE(fromEntry ? "entry line" : "analysis line");
    Session s;
    if (fromEntry) {
      atEntryLine(s, 3);
    } else {
      atAnalysisLine(s, 3);
    }
    const bool present = s.design().gates.designPresent;
    s.type("p");
    EXPECT_EQ(s.platform().printed().size(), 1U);
    EXPECT_EQ(s.row(23), padded(kEntryLine));
    EXPECT_EQ(s.design().gates.designPresent, present) << "printing sets no flag";
    EXPECT_EQ(s.row(5), padded(" 1     0.500    0.058    36.00     36.00      215        "));
  }
}

}  // namespace
