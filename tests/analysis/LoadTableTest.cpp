// The load table functions run directly on a real screen: what View
// Analysis, the header, the row update and the table pass leave on it, and
// how they behave for the callers in data entry and section editing.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "LoadTableBench.hpp"
#include "analysis/LoadTable.hpp"
#include "screen/NumberPattern.hpp"

namespace {

using tabletest::padTo80;
using tabletest::SectionValues;
using tabletest::TableBench;

const std::string kColumnTitles = "SECT.    OD      WALL   LENGTH   CUM LEN   MAX WIND (MPH)";
const std::string kUnderlines = "-----  -----    -----   ------   -------   ------------";

const std::vector<std::string> kCaseARows = {
    " 1     0.500    0.058    36.00     36.00      215        ",
    " 2     0.625    0.058    36.00     72.00      135        ",
    " 3     0.750    0.058    30.00    102.00      114        ",
};

void putCaseA(TableBench& bench) {
  tabletest::putCaseAOptions(bench.design.options);
  tabletest::putSections(bench.design, tabletest::kThreeSections);
  bench.design.element.title = "WORKED EXAMPLE";
  tabletest::openGates(bench.design);
}

TEST(LoadTable, ViewAnalysisBuildsTheWholeTableAndHandsOverToTheCommandLine) {
  TableBench bench;
  putCaseA(bench);
  EXPECT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);

  EXPECT_EQ(bench.row(1), padTo80("ELEMENT 1:"));
  EXPECT_EQ(
      bench.row(2),
      padTo80("DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:  1.2 LB, HALF EL AREA: 0.44 SF"));
  EXPECT_EQ(bench.row(3), padTo80(kColumnTitles));
  EXPECT_EQ(bench.row(4), padTo80(kUnderlines));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(bench.row(5 + i), padTo80(kCaseARows[static_cast<std::size_t>(i)]));
  for (int r = 8; r <= 23; ++r) EXPECT_EQ(bench.row(r), padTo80("")) << "row " << r;
  EXPECT_EQ(bench.row(24), padTo80(std::string(29, ' ') + "WORKED EXAMPLE"));
  EXPECT_EQ(bench.row(25), padTo80(""));
  // The command line prints its own text at (23, 1); the table leaves the
  // cursor there, after the row's blanks.
  EXPECT_EQ(bench.console.screen().cursorRow(), 23);
  EXPECT_EQ(bench.console.screen().cursorColumn(), 80);

  // N has run past the last section; the analysis is that of the whole element.
  EXPECT_EQ(bench.design.element.currentSection, 4.0F);
  EXPECT_NEAR(bench.design.totals.halfElementWeight, 1.18520, 5e-6);
  EXPECT_EQ(bench.design.totals.cumulativeLength, 102.0F);
  EXPECT_EQ(bench.design.profileY, 132.0F);
}

TEST(LoadTable, ViewAnalysisTwiceGivesTheSameScreenAndDrawing) {
  TableBench bench;
  putCaseA(bench);
  ASSERT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);
  const auto text = [&] {
    std::string all;
    for (int r = 1; r <= 25; ++r) all += bench.row(r);
    return all;
  };
  const std::string firstText = text();
  const auto firstPixels = bench.console.screen().pixels();

  // The drawing starts again at y = 30, not below the previous one.
  ASSERT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);
  EXPECT_EQ(text(), firstText);
  EXPECT_TRUE(bench.console.screen().pixels() == firstPixels);
  EXPECT_EQ(bench.design.profileY, 132.0F);
}

TEST(LoadTable, HeaderWithIceShowsDensityAndThickness) {
  TableBench bench;
  tabletest::putCaseBOptions(bench.design.options);
  bench.design.element.title = "ICED";
  tableHeader(bench.work);
  EXPECT_EQ(bench.row(1),
            padTo80("ELEMENT 1:  ICE: Density =  3.2e-002 lb / cubic inch    Thickness =  0.5"));
  EXPECT_EQ(bench.row(2),
            padTo80("DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:          HALF EL AREA:"));
  EXPECT_EQ(bench.row(3), padTo80(kColumnTitles));
  EXPECT_EQ(bench.row(4), padTo80(kUnderlines));
  EXPECT_EQ(bench.row(24), padTo80(std::string(29, ' ') + "ICED"));
  // Row 23 is left blank for the prompts that follow, cursor below it.
  EXPECT_EQ(bench.row(23), padTo80(""));
  EXPECT_EQ(bench.console.screen().cursorRow(), 24);
  EXPECT_EQ(bench.console.screen().cursorColumn(), 1);
}

TEST(LoadTable, TitleShowsOnRow24UpToTheLastColumnButOne) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += static_cast<char>('A' + i % 26);
  for (const std::string& title : {fifty, fifty + "X", fifty + std::string(4046, 'Z')}) {
    SCOPED_TRACE(title.size());
    TableBench bench;
    putCaseA(bench);
    bench.design.element.title = title;
    ASSERT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);
    EXPECT_EQ(bench.row(24), std::string(29, ' ') + fifty + " ");
    EXPECT_EQ(bench.row(1), padTo80("ELEMENT 1:"));
    for (int r = 8; r <= 23; ++r) EXPECT_EQ(bench.row(r), padTo80("")) << "row " << r;
    EXPECT_EQ(bench.row(25), padTo80(""));
    EXPECT_EQ(bench.design.element.title, title);  // the design keeps all of it
  }
}

TEST(LoadTable, HeaderIgnoresStoredIceValuesWhenIceIsOff) {
  TableBench bench;
  tabletest::putCaseBOptions(bench.design.options);
  bench.design.options.iceAnswer = "n";
  bench.design.options.yieldStrength = 120000.0F;
  tableHeader(bench.work);
  EXPECT_EQ(bench.row(1), padTo80("ELEMENT 1:"));
  EXPECT_EQ(bench.row(2),
            padTo80("DESIGN YIELD STRENGTH: 120000  HALF EL WEIGHT:          HALF EL AREA:"));
}

TEST(LoadTable, RowUpdateFromDataEntryBlanksThePromptsAndGrowsTheTable) {
  TableBench bench;
  putCaseA(bench);
  bench.design.profileY = 30.0F;  // as data entry sets it
  tableHeader(bench.work);
  const std::string prompt = "Enter exposed section length: 36     Enter total section length:40";
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    for (int r : {19, 20, 21}) {
      bench.console.locate(r, 1);
      bench.console.print(prompt, Ending::Stay);
    }
    bench.console.locate(22, 1);
    bench.console.print("an old message", Ending::Stay);
    bench.design.element.currentSection = static_cast<Single>(n);
    rowUpdate(bench.work, true);

    EXPECT_EQ(bench.design.element.currentSection, static_cast<Single>(n + 1));
    // 34 blanks: what a prompt leaves beyond them stays.
    for (int r : {19, 20, 21}) {
      EXPECT_EQ(bench.row(r), padTo80(std::string(34, ' ') + prompt.substr(34))) << "row " << r;
    }
    // Row 22 is cleared only with the first section.
    EXPECT_EQ(bench.row(22), padTo80(n == 1 ? "" : "an old message"));
    // Every row so far is recomputed, and the totals follow the rows shown.
    for (int i = 1; i <= n; ++i) {
      EXPECT_EQ(bench.row(4 + i), padTo80(kCaseARows[static_cast<std::size_t>(i - 1)]));
    }
  }
  EXPECT_EQ(bench.row(2).substr(46, 9), "  1.2 LB,");
  EXPECT_EQ(bench.row(2).substr(69, 8), " 0.44 SF");
  EXPECT_EQ(bench.design.profileY, 132.0F);
}

TEST(LoadTable, RowUpdateFromViewAnalysisLeavesThePromptRowsAlone) {
  TableBench bench;
  putCaseA(bench);
  bench.console.locate(20, 1);
  bench.console.print("Enter wall thickness: ", Ending::Stay);
  bench.design.element.currentSection = 1.0F;
  rowUpdate(bench.work, false);
  EXPECT_EQ(bench.row(20), padTo80("Enter wall thickness: "));
  EXPECT_EQ(bench.row(5), padTo80(kCaseARows[0]));
}

TEST(LoadTable, FifteenSectionsReachRow19AndBlankRow20) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  std::vector<SectionValues> fifteen(15, SectionValues{1.0F, 0.058F, 10.0F, 12.0F});
  tabletest::putSections(bench.design, fifteen);
  tableHeader(bench.work);
  bench.design.element.currentSection = 1.0F;
  while (bench.design.element.currentSection < 16.0F) {
    const int n = static_cast<int>(bench.design.element.currentSection);
    // The outside-diameter prompt stands on row 19 while section 15 is read.
    bench.console.locate(19, 1);
    bench.console.print("Enter OD of section: 1", Ending::Stay);
    bench.console.locate(20, 1);
    bench.console.print(std::string(70, 'x'), Ending::Stay);
    rowUpdate(bench.work, true);
    EXPECT_EQ(bench.design.element.currentSection, static_cast<Single>(n + 1));
  }
  EXPECT_EQ(bench.row(19).substr(0, 4), " 15 ");
  EXPECT_EQ(bench.row(19).substr(43, 6), "    80");
  EXPECT_EQ(bench.row(19).substr(33, 7), " 150.00");
  // The pass blanks 60 columns of the row after the last one.
  EXPECT_EQ(bench.row(20), padTo80(std::string(60, ' ') + std::string(10, 'x')));
}

TEST(LoadTable, InsertionPassShowsOnlyItsRowsAndLeavesTheTotals) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  std::vector<SectionValues> four = tabletest::kThreeSections;
  four.push_back({0.875F, 0.058F, 24.0F, 30.0F});
  tabletest::putSections(bench.design, four);
  tabletest::openGates(bench.design);
  ASSERT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);
  const std::string totalsBefore = bench.row(2);

  // Insert after section 2: sections 3 and 4 move down, the new 3 is a
  // copy of 2, and the pass runs over rows 3 to 5 only.
  std::vector<SectionValues> five = {four[0], four[1], four[1], four[2], four[3]};
  tabletest::putSections(bench.design, five);
  bench.design.element.currentSection = 2.0F;
  bench.design.element.editMode = EditMode::Insert;
  bench.console.locate(10, 1);
  bench.console.print("stale text under the table", Ending::Stay);
  tablePass(bench.work, 3, 5);

  EXPECT_EQ(bench.design.element.currentSection, 3.0F);
  EXPECT_EQ(bench.design.element.editMode, EditMode::Insert);
  EXPECT_EQ(bench.row(2), totalsBefore);
  EXPECT_EQ(bench.row(6), padTo80(kCaseARows[1]));
  // The running values start at row 3: cumulative lengths cover rows 3 to 5.
  EXPECT_EQ(bench.row(7).substr(0, 40), " 3     0.625    0.058    36.00     36.00");
  EXPECT_EQ(bench.row(8).substr(0, 40), " 4     0.750    0.058    30.00     66.00");
  EXPECT_EQ(bench.row(9).substr(0, 40), " 5     0.875    0.058    24.00     90.00");
  EXPECT_EQ(bench.row(10), padTo80(""));
}

TEST(LoadTable, PassPrintsTotalsWhenNoInsertionIsPending) {
  for (const EditMode mode : {EditMode::None, EditMode::Change}) {
    TableBench bench;
    putCaseA(bench);
    bench.design.element.currentSection = 7.0F;
    bench.design.element.editMode = mode;
    tablePass(bench.work, 1, 3);
    EXPECT_EQ(bench.design.element.currentSection, 7.0F);
    EXPECT_EQ(bench.row(2).substr(46, 9), "  1.2 LB,");
    EXPECT_EQ(bench.row(2).substr(69, 8), " 0.44 SF");
  }
}

TEST(LoadTable, TotalsRestartWithEveryPass) {
  TableBench bench;
  putCaseA(bench);
  tablePass(bench.work, 1, 3);
  tablePass(bench.work, 1, 1);
  EXPECT_EQ(bench.design.totals.cumulativeLength, 36.0F);
  EXPECT_EQ(bench.row(2).substr(46, 9), "  0.3 LB,");
  EXPECT_EQ(bench.row(2).substr(69, 8), " 0.13 SF");
}

TEST(LoadTable, ZeroExposedLengthsGiveAnInfiniteWindSpeedInItsColumn) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  tabletest::putSections(bench.design,
                         {{0.5F, 0.058F, 0.0F, 40.0F}, {0.625F, 0.058F, 0.0F, 42.0F}});
  tabletest::openGates(bench.design);
  ASSERT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);

  const std::string infinite = patternText("######", std::numeric_limits<Single>::infinity());
  ASSERT_FALSE(infinite.empty());
  EXPECT_EQ(bench.row(5).substr(0, 43), " 1     0.500    0.058     0.00      0.00   ");
  EXPECT_EQ(bench.row(5).substr(43, infinite.size()), infinite);
  EXPECT_EQ(bench.row(6).substr(43, infinite.size()), infinite);
  // No wind area, but the tubes still weigh something.
  EXPECT_EQ(bench.row(2).substr(69, 8), " 0.00 SF");
  EXPECT_EQ(bench.row(2).substr(46, 9), "  0.7 LB,");
}

TEST(LoadTable, ADesignWithoutSectionsStillShowsSlotOne) {
  // After the only section has been deleted the loop body runs once, for
  // whatever slot 1 then holds: here nothing, so the modulus is undefined.
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  tabletest::openGates(bench.design);
  bench.design.element.sectionCount = 0.0F;
  ASSERT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);

  const std::string undefined = patternText("######", std::numeric_limits<Single>::quiet_NaN());
  EXPECT_EQ(bench.row(5).substr(0, 43), " 1     0.000    0.000     0.00      0.00   ");
  EXPECT_EQ(bench.row(5).substr(43, undefined.size()), undefined);
  EXPECT_EQ(bench.row(6), padTo80(""));
  EXPECT_EQ(bench.design.element.currentSection, 2.0F);
}

TEST(LoadTable, CountsOutsideTheStorageNeverRunPastIt) {
  const Single nan = std::numeric_limits<Single>::quiet_NaN();
  const Single inf = std::numeric_limits<Single>::infinity();
  for (const Single count : {-5.0F, nan, 1e30F, inf, 20.0F, 25.0F}) {
    SCOPED_TRACE(count);
    TableBench bench;
    tabletest::putCaseAOptions(bench.design.options);
    tabletest::putSections(bench.design, tabletest::kThreeSections);
    tabletest::openGates(bench.design);
    bench.design.element.sectionCount = count;
    EXPECT_EQ(viewAnalysis(bench.work), Next::AnalysisCommandLine);
    EXPECT_EQ(bench.row(5), padTo80(kCaseARows[0]));
    EXPECT_LE(bench.design.element.currentSection, 21.0F);
  }
}

TEST(LoadTable, GatesRefuseWithoutOptionsThenWithoutADesign) {
  struct Case {
    bool options;
    bool design;
    std::string message;
  };
  const std::vector<Case> cases = {
      {false, false, " You must select options first. "},
      {false, true, " You must select options first. "},
      {true, false, " You must enter element data or recall data first. "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    TableBench bench;
    tabletest::putCaseAOptions(bench.design.options);
    tabletest::putSections(bench.design, tabletest::kThreeSections);
    bench.design.gates.optionsSelected = c.options;
    bench.design.gates.designPresent = c.design;
    bench.design.profileY = 99.0F;
    bench.console.print("left over", Ending::EndLine);
    bench.platform.keys.push_back(InputKey::character('x'));
    bench.platform.keys.push_back(InputKey::character('\r'));

    EXPECT_EQ(viewAnalysis(bench.work), Next::MainMenu);
    EXPECT_EQ(bench.row(1), padTo80(c.message));
    EXPECT_EQ(bench.row(2), padTo80(" "));
    EXPECT_EQ(bench.row(3), padTo80(" Press 'ENTER' to continue: x"));
    EXPECT_EQ(bench.row(5), padTo80(""));
    EXPECT_EQ(bench.design.profileY, 30.0F);
    EXPECT_EQ(bench.design.totals.cumulativeLength, 0.0F);  // nothing analysed
  }
}

}  // namespace
