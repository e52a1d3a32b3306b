// One whole run as a user makes it: options, the three-section example
// typed in, an insert, a change, a delete, the end; View Analysis from the
// main menu; the cantilever picture after that. Every prompt is checked
// where it stands, and the table after every command.
#include <gtest/gtest.h>

#include "EntryHarness.hpp"

namespace {

using namespace entrytest;

void expectMainMenu(Session& s) {
  EXPECT_EQ(s.row(1), padded("                             Tubalyzer 2.20   MAIN MENU"));
  EXPECT_EQ(s.row(15), padded("                    Quit Program                       =   Q"));
}

const std::string kHeaderRow1 = padded("ELEMENT 1:");
const std::string kColumnTitles = rowOf({{1, "SECT."},
                                         {10, "OD"},
                                         {18, "WALL"},
                                         {25, "LENGTH"},
                                         {34, "CUM LEN"},
                                         {44, "MAX WIND (MPH)"}});
const std::string kUnderlines = rowOf({{1, "-----"},
                                       {8, "-----"},
                                       {17, "-----"},
                                       {25, "------"},
                                       {34, "-------"},
                                       {44, "------------"}});

TEST(WholeSessionTest, EntryEditsViewAndCantilever) {
  Session s;
  s.type("n");
  // Options: ENTER for the yield strength, no ice, EIA-222-C, ENTER.
  s.type("o");
  s.enter("");
  s.type("n");
  s.type("c");
  s.enter("");
  expectMainMenu(s);
  ASSERT_TRUE(s.design().gates.optionsSelected);

  // --- Enter Element Data ---
  s.type("e");
  EXPECT_EQ(s.row(1), padded("Enter Element Title:  "));
  EXPECT_EQ(s.cursorRow(), 1);
  EXPECT_EQ(s.cursorColumn(), 23);

  s.enter("TEST ELEMENT");
  EXPECT_EQ(s.row(1), kHeaderRow1);
  EXPECT_EQ(s.row(2), rowOf({{1, "DESIGN YIELD STRENGTH: 35000"},
                             {32, "HALF EL WEIGHT:          HALF EL AREA:"}}));
  EXPECT_EQ(s.row(3), kColumnTitles);
  EXPECT_EQ(s.row(4), kUnderlines);
  EXPECT_EQ(s.row(23),
            padded("ENTER NUMBER OF SECTIONS <MAX 15> --> Enter number of sections: ? "));
  EXPECT_EQ(s.cursorRow(), 23);
  EXPECT_EQ(s.cursorColumn(), 67);
  EXPECT_EQ(s.row(24), rowOf({{30, "TEST ELEMENT"}}));
  EXPECT_EQ(s.row(25), kBlankRow);

  s.enter("3");
  EXPECT_EQ(s.row(23), padded("START WITH TIP SECTION:"));
  EXPECT_EQ(s.row(5), padded(" 1"));
  EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
  EXPECT_EQ(s.cursorRow(), 19);
  EXPECT_EQ(s.cursorColumn(), 22);

  s.enter("0.5");
  EXPECT_EQ(s.row(5), padded(" 1     0.500"));
  EXPECT_EQ(s.row(19), padded("Enter OD of section: 0.5"));
  EXPECT_EQ(s.row(20), padded("Enter wall thickness: "));
  EXPECT_EQ(s.cursorRow(), 20);
  EXPECT_EQ(s.cursorColumn(), 23);

  s.enter(".058");
  EXPECT_EQ(s.row(5), padded(" 1     0.500    0.058"));
  EXPECT_EQ(s.row(21), padded("Enter exposed section length: "));
  EXPECT_EQ(s.cursorRow(), 21);
  EXPECT_EQ(s.cursorColumn(), 31);

  s.enter("36");
  EXPECT_EQ(s.row(21),
            rowOf({{1, "Enter exposed section length: 36"}, {35, "Enter total section length:"}}));
  EXPECT_EQ(s.cursorRow(), 21);
  EXPECT_EQ(s.cursorColumn(), 62);

  s.enter("40");
  // The first row is complete, the prompts are gone and the next section is
  // asked for.
  EXPECT_EQ(s.row(5), padded(" 1     0.500    0.058    36.00     36.00      215        "));
  EXPECT_EQ(s.row(6), padded(" 2"));
  EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
  EXPECT_EQ(s.row(20), kBlankRow);
  EXPECT_EQ(s.row(21), kBlankRow);
  EXPECT_EQ(s.row(23), padded("START WITH TIP SECTION:"));
  EXPECT_EQ(s.design().element.sections[1], (TubeSection{0.5F, 0.058F, 36.0F, 40.0F}));

  typeSection(s, kExample[1]);
  EXPECT_EQ(s.row(7), padded(" 3"));
  typeSection(s, kExample[2]);

  // The worked example, in full.
  EXPECT_EQ(s.row(1), kHeaderRow1);
  EXPECT_EQ(
      s.row(2),
      padded("DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:  1.2 LB, HALF EL AREA: 0.44 SF"));
  EXPECT_EQ(s.row(5), padded(" 1     0.500    0.058    36.00     36.00      215        "));
  EXPECT_EQ(s.row(6), padded(" 2     0.625    0.058    36.00     72.00      135        "));
  EXPECT_EQ(s.row(7), padded(" 3     0.750    0.058    30.00    102.00      114        "));
  for (int r = 8; r <= 22; ++r) {
    EXPECT_EQ(s.row(r), kBlankRow) << "row " << r;
  }
  EXPECT_EQ(s.row(23), padded(kEntryLine));
  EXPECT_EQ(s.row(24), rowOf({{30, "TEST ELEMENT"}}));
  EXPECT_EQ(s.cursorRow(), 24);
  EXPECT_EQ(s.cursorColumn(), 1);
  EXPECT_EQ(s.beeps(), 0);
  {
    const ElementDesign& element = s.design().element;
    EXPECT_EQ(element.title, "TEST ELEMENT");
    EXPECT_EQ(element.sectionCount, 3.0F);
    for (std::size_t i = 0; i < kExample.size(); ++i) {
      EXPECT_EQ(element.sections[i + 1], kExample[i].stored) << "section " << i + 1;
    }
    EXPECT_FALSE(s.design().gates.designPresent) << "the first pass sets no flag";
  }
  // The drawing grew with the rows: the entry screen's picture is the one
  // View Analysis draws for the same design (and the profile is there).
  EXPECT_EQ(s.pixel(560, 30), 15);
  {
    const auto reference = viewedSession(s.design().options, s.design().element);
    for (int y = 0; y < 350; ++y) {
      if (y / 14 + 1 == 23) {
        continue;  // the command rows differ in their wording
      }
      for (int x = 320; x < 640; ++x) {
        ASSERT_EQ(s.pixel(x, y), reference->pixel(x, y)) << "(" << x << ", " << y << ")";
      }
    }
  }

  // --- Insert after section 2 ---
  s.type("a");
  EXPECT_EQ(s.row(23), padded("INSERT AFTER SECTION # -->"));
  EXPECT_EQ(s.cursorRow(), 23);
  EXPECT_EQ(s.cursorColumn(), 27);

  s.enter("2");
  {
    const ElementDesign& element = s.design().element;
    EXPECT_EQ(element.sectionCount, 4.0F);
    EXPECT_EQ(element.sections[3], kExample[1].stored) << "starts as a copy of section 2";
    EXPECT_EQ(element.sections[4], kExample[2].stored) << "old section 3, total length included";
    EXPECT_EQ(element.currentSection, 3.0F);
    EXPECT_EQ(element.editMode, EditMode::Change);
  }
  // The moved rows are shown at their new places with lengths counted over
  // the moved rows only; the totals wait for the rebuilt table.
  EXPECT_EQ(s.row(5), padded(" 1     0.500    0.058    36.00     36.00      215        "));
  EXPECT_EQ(s.row(6), padded(" 2     0.625    0.058    36.00     72.00      135        "));
  EXPECT_EQ(s.row(7).substr(0, 40), " 3     0.625    0.058    36.00     36.00");
  EXPECT_EQ(s.row(8).substr(0, 40), " 4     0.750    0.058    30.00     66.00");
  EXPECT_EQ(s.row(9), kBlankRow);
  EXPECT_EQ(
      s.row(2),
      padded("DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:  1.2 LB, HALF EL AREA: 0.44 SF"));
  EXPECT_EQ(s.row(19), padded("Enter OD of section: "));
  EXPECT_EQ(s.cursorRow(), 19);
  EXPECT_EQ(s.cursorColumn(), 22);

  typeSection(s, {"0.7", ".058", "33", "39", {}});
  std::vector<TubeSection> expected = {
      kExample[0].stored, kExample[1].stored, {0.7F, 0.058F, 33.0F, 39.0F}, kExample[2].stored};
  {
    const ElementDesign& element = s.design().element;
    EXPECT_EQ(element.sectionCount, 4.0F);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(element.sections[i + 1], expected[i]) << "section " << i + 1;
    }
    EXPECT_EQ(element.editMode, EditMode::None);
    EXPECT_TRUE(s.design().gates.designPresent);
  }
  // View Analysis rebuilt the table and its command line waits.
  expectTableOfOwnDesign(s, "after the insert");
  EXPECT_EQ(s.row(7).substr(0, 40), " 3     0.700    0.058    33.00    105.00");
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  EXPECT_EQ(s.cursorRow(), 24);
  EXPECT_EQ(s.cursorColumn(), 1);

  // --- Change section 1 from the View Analysis line ---
  s.type("c");
  EXPECT_EQ(s.row(23), padded("SECTION # TO CHANGE ---> "));
  EXPECT_EQ(s.cursorRow(), 23);
  EXPECT_EQ(s.cursorColumn(), 26);

  s.enter("1");
  EXPECT_EQ(s.row(19), padded("Enter OD of Section: "));
  EXPECT_EQ(s.row(22), kBlankRow);
  EXPECT_EQ(s.cursorRow(), 19);
  EXPECT_EQ(s.cursorColumn(), 22);
  s.enter("0.5");
  s.enter(".049");
  EXPECT_EQ(s.row(5).substr(0, 21), " 1     0.500    0.049");
  s.enter("36");
  EXPECT_EQ(s.row(21),
            rowOf({{1, "Enter exposed section length: 36"}, {35, "Enter total section length: "}}));
  EXPECT_EQ(s.cursorColumn(), 63);
  s.enter("40");
  expected[0] = {0.5F, 0.049F, 36.0F, 40.0F};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(s.design().element.sections[i + 1], expected[i]) << "section " << i + 1;
  }
  expectTableOfOwnDesign(s, "after the change");
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));

  // --- Delete section 2 ---
  s.type("d");
  EXPECT_EQ(s.row(23), padded("SECTION # TO DELETE --->? "));
  EXPECT_EQ(s.cursorRow(), 23);
  EXPECT_EQ(s.cursorColumn(), 27);
  s.enter("2");
  expected.erase(expected.begin() + 1);
  EXPECT_EQ(s.design().element.sectionCount, 3.0F);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(s.design().element.sections[i + 1], expected[i]) << "section " << i + 1;
  }
  expectTableOfOwnDesign(s, "after the delete");
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  EXPECT_FALSE(s.design().gates.analysisViewed);

  // --- End ---
  s.type("e");
  expectMainMenu(s);
  EXPECT_TRUE(s.design().gates.designPresent);
  EXPECT_TRUE(s.design().gates.analysisViewed);

  // --- View Analysis from the main menu shows the same table ---
  s.type("v");
  expectTableOfOwnDesign(s, "from the main menu");
  EXPECT_EQ(s.row(23), padded(kAnalysisLine));
  EXPECT_EQ(s.row(24), rowOf({{30, "TEST ELEMENT"}}));
  s.type("e");
  expectMainMenu(s);

  // --- The cantilever, now that every gate is open ---
  s.type("t");
  EXPECT_EQ(s.row(1), padded(" Press 'ENTER' to return to Main Menu: "));
  EXPECT_EQ(s.pixel(350, 200), 15);
  EXPECT_EQ(s.pixel(560, 40), 9) << "the profile drawing is gone";
  s.enter("");
  expectMainMenu(s);
  EXPECT_EQ(s.beeps(), 0);
}

}  // namespace
