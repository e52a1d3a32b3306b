// The save and recall screens as a user sees them, through the whole
// program, in a working directory of the test's own.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "TempDirectory.hpp"
#include "files/ElementFile.hpp"
#include "model/Design.hpp"
#include "platform/headless/Session.hpp"
#include "screen/TextScreen.hpp"

namespace {

std::string padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

const std::string kMainMenuHeading =
    padded("                             Tubalyzer 2.20   MAIN MENU");
const std::string kSavedTo = "Number of Sections, OD, Wall Thickness, Lengths Saved to:  ";
const std::string kCommandLine = padded("<A>DD <C>HANGE <D>ELETE <S>AVE <R>ECALL <P>RINT <E>ND  ");

ElementDesign exampleDesign() {
  ElementDesign design;
  design.title = "TEST 20M";
  design.sectionCount = 2;
  design.sections[1] = {0.5F, 0.058F, 36.0F, 42.0F};
  design.sections[2] = {0.625F, 0.058F, 48.0F, 54.0F};
  return design;
}

// A design the example must never be mistaken for.
ElementDesign otherDesign() {
  ElementDesign design;
  design.title = "OTHER";
  design.sectionCount = 3;
  design.sections[1] = {1.0F, 0.1F, 10.0F, 12.0F};
  design.sections[2] = {1.25F, 0.1F, 20.0F, 22.0F};
  design.sections[3] = {1.5F, 0.1F, 30.0F, 32.0F};
  return design;
}

void expectSameDesign(const ElementDesign& got, const ElementDesign& expected) {
  EXPECT_EQ(got.title, expected.title);
  EXPECT_EQ(got.sectionCount, expected.sectionCount);
  // Slots above the count may hold anything; they take part in nothing.
  for (int i = 1; i <= static_cast<int>(expected.sectionCount); ++i) {
    EXPECT_EQ(got.sections.at(static_cast<std::size_t>(i)),
              expected.sections.at(static_cast<std::size_t>(i)))
        << "section " << i;
  }
}

class RecallSaveScreens : public InTempDirectory {
 protected:
  // The program at its main menu, holding `design` as a design of its own.
  void startWith(const ElementDesign& design, bool present = true) {
    session_.type("n");
    ASSERT_EQ(session_.row(1), kMainMenuHeading);
    session_.design().element = design;
    session_.design().gates.designPresent = present;
  }

  // From the main menu, through the recall screen, typing `name`; stops at
  // its last prompt.
  void recallFromMenu(std::string_view name) {
    session_.type("r");
    session_.type("e");
    session_.enter(name);
  }

  // From the main menu, through the save screen; back at the save screen.
  void saveFromMenu(char kind, std::string_view name) {
    session_.type("s");
    session_.type(std::string(1, kind));
    session_.enter(name);
    session_.enter("");
    session_.waitIdle();
  }

  // The table of View Analysis with its command line, for the design held.
  void viewAnalysis() {
    DesignModel& model = session_.design();
    model.options.yieldStrength = 35000.0F;
    model.options.iceAnswer = "N";
    model.options.windPressure = 30.0F;
    model.options.shapeFactor = 0.666F;
    model.gates.optionsSelected = true;
    session_.type("v");
    ASSERT_EQ(session_.row(23), kCommandLine);
  }

  // The rows holding text, right blanks removed, from `first`.
  std::vector<std::string> rows(int first, int last) {
    std::vector<std::string> texts;
    for (int r = first; r <= last; ++r) {
      std::string text = session_.row(r);
      text.erase(text.find_last_not_of(' ') + 1);
      texts.push_back(text);
    }
    return texts;
  }

  Session session_;
};

TEST_F(RecallSaveScreens, SaveMenuRefusesWithoutADesign) {
  startWith(ElementDesign{}, false);
  session_.type("s");
  EXPECT_EQ(rows(1, 4),
            (std::vector<std::string>{" You must enter the design before you save it.", "",
                                      " Press 'ENTER' to return to the Menu:", ""}));
  EXPECT_EQ(session_.row(2), padded(" "));
  EXPECT_EQ(session_.cursorRow(), 3);
  EXPECT_EQ(session_.cursorColumn(), 39);
  session_.enter("E");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
  EXPECT_TRUE(entries().empty());
}

TEST_F(RecallSaveScreens, SaveMenuShowsItsNineLinesAndIgnoresOtherKeys) {
  startWith(exampleDesign());
  session_.type("s");
  const std::vector<std::string> menu = {
      "  ",
      "                          Tubalyzer   SAVE  MENU",
      "  ",
      "  ",
      "                    Save as Tubalyzer Element file  = E",
      "  ",
      "                    Save as Tubalyzer Antenna file  = A",
      "  ",
      "                    Return to Main Menu          = M",
  };
  for (int r = 1; r <= 9; ++r) {
    EXPECT_EQ(session_.row(r), padded(menu[static_cast<std::size_t>(r - 1)])) << "row " << r;
  }
  const std::string before = session_.screenText();
  session_.type("xq1\r");
  session_.press(SpecialKey::F1);
  EXPECT_EQ(session_.screenText(), before);
  session_.type("M");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
}

TEST_F(RecallSaveScreens, SavesAnElementFileWithItsConfirmation) {
  startWith(exampleDesign());
  session_.type("s");
  session_.type("e");
  EXPECT_EQ(session_.row(1), padded("Saving Design as Tubalyzer Element file."));
  EXPECT_EQ(session_.row(3), padded("Enter TUBALYZER Element File Name (e.g. DIR20M.ELE):   "));
  EXPECT_EQ(session_.cursorColumn(), 56);
  session_.enter("DIR20M.ELE,IGNORED");
  EXPECT_EQ(rows(1, 9),
            (std::vector<std::string>{
                "Saving Design as Tubalyzer Element file.",
                "",
                "Enter TUBALYZER Element File Name (e.g. DIR20M.ELE):   DIR20M.ELE,IGNORED",
                "",
                kSavedTo + "DIR20M.ELE",
                "",
                "",
                "PRESS ENTER TO CONTINUE:",
                "",
            }));
  EXPECT_EQ(session_.row(6), padded("  "));
  EXPECT_EQ(session_.row(7), padded(" "));
  EXPECT_EQ(readFile("DIR20M.ELE"), writeElementFile(exampleDesign()));
  session_.enter("");
  EXPECT_EQ(session_.row(2), padded("                          Tubalyzer   SAVE  MENU"));
  session_.type("m");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
}

TEST_F(RecallSaveScreens, SavesAnAntennaFileWithTheSameBytes) {
  startWith(exampleDesign());
  saveFromMenu('e', "DIR20M.ELE");
  session_.type("a");
  EXPECT_EQ(session_.row(1), padded("Saving Design as Tubalyzer Antenna file."));
  EXPECT_EQ(session_.row(2), padded(" "));
  session_.enter("HG205CA.TUB");
  EXPECT_EQ(rows(1, 7), (std::vector<std::string>{
                            "Saving Design as Tubalyzer Antenna file.",
                            "",
                            "Enter TUBALYZER Antenna File Name (e.g. HG205CA.TUB):   HG205CA.TUB",
                            "",
                            kSavedTo + "HG205CA.TUB",
                            "",
                            "PRESS ENTER TO CONTINUE:",
                        }));
  EXPECT_EQ(session_.row(6), padded(" "));
  EXPECT_EQ(readFile("HG205CA.TUB"), readFile("DIR20M.ELE"));
  session_.enter("");
  EXPECT_EQ(session_.row(2), padded("                          Tubalyzer   SAVE  MENU"));
}

TEST_F(RecallSaveScreens, ASaveThatFailsSaysSoAndWritesNothing) {
  writeFile("PLAIN", "keep");
  std::filesystem::create_directory("FOLDER.ELE");
  startWith(exampleDesign());
  for (const auto& [name, line] : std::vector<std::pair<std::string, std::string>>{
           {"PLAIN/X.ELE", "Could not save PLAIN/X.ELE: not a directory"},
           {"FOLDER.ELE", "Could not save FOLDER.ELE: it is a directory"},
           {"", "Nothing saved: no file name given"},
       }) {
    session_.type("s");
    session_.type("e");
    session_.enter(name);
    EXPECT_EQ(session_.row(5), padded(line)) << name;
    EXPECT_EQ(session_.row(8), padded("PRESS ENTER TO CONTINUE:")) << name;
    session_.enter("");
    session_.type("m");
  }
  session_.waitIdle();
  EXPECT_EQ(readFile("PLAIN"), "keep");
  EXPECT_EQ(entries(), (std::vector<std::string>{"FOLDER.ELE", "PLAIN"}));
  EXPECT_TRUE(entries("FOLDER.ELE").empty());
}

TEST_F(RecallSaveScreens, AFailedSaveLeavesTheEarlierFileWhole) {
  const std::string earlier = writeElementFile(otherDesign());
  writeFile("DIR20M.ELE", earlier);
  startWith(exampleDesign());
  session_.type("s");
  session_.type("e");
  ASSERT_EQ(session_.row(1), padded("Saving Design as Tubalyzer Element file."));

  // No file may grow past a few bytes while the save runs: the write fails
  // for root as for anyone.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
  session_.enter("DIR20M.ELE");
  const std::string line = session_.row(5);  // waits until the save is over
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(line, padded("Could not save DIR20M.ELE: file too large"));
  EXPECT_EQ(readFile("DIR20M.ELE"), earlier);
  EXPECT_EQ(entries(), std::vector<std::string>{"DIR20M.ELE"});
}

TEST_F(RecallSaveScreens, SavingTwiceKeepsOnlyTheSecondDesign) {
  startWith(otherDesign());
  saveFromMenu('e', "DIR20M.ELE");
  session_.type("m");
  session_.design().element = exampleDesign();
  saveFromMenu('e', "DIR20M.ELE");
  EXPECT_EQ(readFile("DIR20M.ELE"), writeElementFile(exampleDesign()));
  EXPECT_EQ(entries(), std::vector<std::string>{"DIR20M.ELE"});
}

TEST_F(RecallSaveScreens, RecallScreenListsAsksReadsAndConfirms) {
  writeFile("DIR20M.ELE", writeElementFile(exampleDesign()));
  startWith(otherDesign(), false);
  session_.type("r");
  EXPECT_EQ(rows(1, 5),
            (std::vector<std::string>{"", "                Recall  *.ELE  file           = E", "",
                                      "                Return to Main Menu           = M", ""}));
  EXPECT_EQ(session_.row(1), padded(" "));
  const std::string before = session_.screenText();
  session_.type("x\r");
  session_.press(SpecialKey::Down);
  EXPECT_EQ(session_.screenText(), before);

  session_.type("E");
  EXPECT_EQ(rows(1, 5), (std::vector<std::string>{"DIR20M.ELE", "No more .ELE files found", "", "",
                                                  "Enter filename (no extension) to recall:"}));
  EXPECT_EQ(session_.row(4), padded(" "));
  EXPECT_EQ(session_.cursorColumn(), 43);
  session_.enter("DIR20M");
  EXPECT_EQ(rows(5, 10),
            (std::vector<std::string>{"Enter filename (no extension) to recall:  DIR20M",
                                      "DIR20M.ELE", "Finished recalling element parameters.", "",
                                      "PRESS ENTER TO RETURN TO MAIN MENU", ""}));
  EXPECT_EQ(session_.row(8), padded("  "));
  expectSameDesign(session_.design().element, exampleDesign());
  EXPECT_TRUE(session_.design().gates.designPresent);
  EXPECT_FALSE(session_.design().gates.analysisViewed);
  EXPECT_FALSE(session_.design().gates.optionsSelected);
  session_.enter("whatever");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
}

TEST_F(RecallSaveScreens, RecallScreenTakesSForEAndMBackToTheMenu) {
  startWith(otherDesign());
  session_.type("m");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
  session_.type("rs");
  EXPECT_EQ(session_.row(2), padded("No more .ELE files found"));
  EXPECT_EQ(session_.row(1), padded(""));
}

TEST_F(RecallSaveScreens, RecallScreenListsNamesAsStored) {
  writeFile("lower.ele", "");
  writeFile("\xc3\x89T\xc3\x89.Ele", "");  // ÉTÉ.Ele
  writeFile("notes.txt", "");
  writeFile(".hidden.ele", "");
  std::filesystem::create_directory("FOLDER.ELE");
  startWith(otherDesign());
  session_.type("re");
  std::vector<std::string> listed = rows(1, 2);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"lower.ele", "\x90T\x90.Ele"}));
  EXPECT_EQ(session_.row(3), padded("No more .ELE files found"));
}

TEST_F(RecallSaveScreens, RecallScreenAppendsTheExtensionAsTyped) {
  writeFile("DIR20M.ELE", writeElementFile(exampleDesign()));
  startWith(otherDesign(), false);
  recallFromMenu("DIR20M.ELE");
  EXPECT_EQ(session_.row(6), padded("DIR20M.ELE.ELE"));
  EXPECT_EQ(session_.row(7), padded("File not found: DIR20M.ELE.ELE"));
  expectSameDesign(session_.design().element, otherDesign());
  EXPECT_FALSE(session_.design().gates.designPresent);
}

TEST_F(RecallSaveScreens, RecallScreenFindsANameTypedInAnotherCase) {
  writeFile("dir20m.ele", writeElementFile(exampleDesign()));
  startWith(otherDesign());
  recallFromMenu("DIR20M");
  EXPECT_EQ(session_.row(7), padded("Finished recalling element parameters."));
  expectSameDesign(session_.design().element, exampleDesign());
}

TEST_F(RecallSaveScreens, RecallScreenReadsNoneOfTwoNamesDifferingInCase) {
  writeFile("dir20m.ele", writeElementFile(exampleDesign()));
  writeFile("Dir20m.Ele", writeElementFile(exampleDesign()));
  startWith(otherDesign(), false);
  recallFromMenu("DIR20M");
  EXPECT_EQ(session_.row(8),
            padded("More than one file is named DIR20M.ELE apart from letter case: nothing read"));
  expectSameDesign(session_.design().element, otherDesign());
  EXPECT_FALSE(session_.design().gates.designPresent);
}

struct BadFile {
  const char* label;
  const char* bytes;  // nullptr: no such file
  bool directory;
  const char* line;
};

class RecallOfABadFile : public RecallSaveScreens, public ::testing::WithParamInterface<BadFile> {};

TEST_P(RecallOfABadFile, LeavesTheDesignAsItWasAndSaysWhy) {
  const BadFile& bad = GetParam();
  if (bad.directory) {
    std::filesystem::create_directory("BAD.ELE");
  } else if (bad.bytes != nullptr) {
    writeFile("BAD.ELE", bad.bytes);
  }
  startWith(otherDesign(), false);
  recallFromMenu("BAD");
  EXPECT_EQ(rows(6, 9), (std::vector<std::string>{"BAD.ELE", bad.line, "",
                                                  "PRESS ENTER TO RETURN TO MAIN MENU"}));
  expectSameDesign(session_.design().element, otherDesign());
  EXPECT_FALSE(session_.design().gates.designPresent);
  session_.enter("");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RecallOfABadFile,
    ::testing::Values(
        BadFile{"missing", nullptr, false, "File not found: BAD.ELE"},
        BadFile{"directory", nullptr, true, "Could not read BAD.ELE: it is a directory"},
        BadFile{"empty", "", false, "Not an element file: BAD.ELE (the file is empty)"},
        BadFile{"count0", " 0\r\nT\r\n", false,
                "Not an element file: BAD.ELE (section count 0 is not 1 to 15)"},
        BadFile{"count16", " 16\r\n 1 0.1 2 3\r\n", false,
                "Not an element file: BAD.ELE (section count 16 is not 1 to 15)"},
        BadFile{"fraction", " 2.5\r\n 1 0.1 2 3\r\n 1 0.1 2 3\r\nT\r\n", false,
                "Not an element file: BAD.ELE (section count 2.5 is not 1 to 15)"},
        BadFile{"negative", "-3\r\n", false,
                "Not an element file: BAD.ELE (section count -3 is not 1 to 15)"},
        BadFile{"huge", " 1e9\r\n", false,
                "Not an element file: BAD.ELE (section count 1.e+009 is not 1 to 15)"},
        BadFile{"truncated", " 2\r\n 0.5 5.8e-002 36 42\r\n 0.625 5.8e-002 48", false,
                "Not an element file: BAD.ELE (the file ends before its last section)"}),
    [](const ::testing::TestParamInfo<BadFile>& param) { return std::string(param.param.label); });

TEST_F(RecallSaveScreens, SaveThenRecallGivesBackTheDesignAndTheSameBytes) {
  ElementDesign design = exampleDesign();
  design.title = "20M, HOME BEAM";
  design.sections[2].wallThickness = -0.1F;
  design.sections[1].totalLength = 1e-9F;
  startWith(design);
  saveFromMenu('e', "DIR20M.ELE");
  session_.type("a");
  session_.enter("HG205CA.TUB");
  session_.enter("");
  session_.type("m");

  session_.design().element = otherDesign();
  recallFromMenu("DIR20M");
  EXPECT_EQ(session_.row(7), padded("Finished recalling element parameters."));
  session_.enter("");
  expectSameDesign(session_.design().element, design);

  saveFromMenu('e', "AGAIN.ELE");
  EXPECT_EQ(readFile("AGAIN.ELE"), readFile("DIR20M.ELE"));
  EXPECT_EQ(readFile("HG205CA.TUB"), readFile("DIR20M.ELE"));
  EXPECT_EQ(readFile("DIR20M.ELE"), writeElementFile(design));
}

TEST_F(RecallSaveScreens, RecallByFullNameShowsTheRecalledDesign) {
  writeFile("beam.tub", writeElementFile(exampleDesign()));
  startWith(otherDesign());
  viewAnalysis();
  session_.type("r");
  EXPECT_EQ(session_.row(23), padded("Enter full ELE filename to recall:"));
  EXPECT_EQ(session_.cursorRow(), 23);
  EXPECT_EQ(session_.cursorColumn(), 35);
  session_.enter("BEAM.TUB");
  expectSameDesign(session_.design().element, exampleDesign());
  EXPECT_EQ(session_.row(23), kCommandLine);
  EXPECT_EQ(session_.row(24).substr(29, 8), "TEST 20M");
  EXPECT_EQ(session_.row(7), padded(""));  // two sections now, not three
}

TEST_F(RecallSaveScreens, RecallByFullNameThatFailsKeepsTheTable) {
  writeFile("BAD.ELE", " 16\r\n");
  startWith(otherDesign());
  viewAnalysis();
  const std::vector<std::string> table = rows(1, 21);
  const std::string titleRow = session_.row(24);

  session_.type("r");
  session_.enter("NOPE.ELE");
  EXPECT_EQ(session_.row(22), padded("File not found: NOPE.ELE"));
  EXPECT_EQ(session_.row(23), kCommandLine);
  EXPECT_EQ(rows(1, 21), table);
  EXPECT_EQ(session_.row(24), titleRow);
  expectSameDesign(session_.design().element, otherDesign());

  // A name long enough to run into the title row: the title comes back.
  session_.type("r");
  session_.enter("BAD.ELE," + std::string(60, 'X'));
  EXPECT_EQ(session_.row(22),
            padded("Not an element file: BAD.ELE (section count 16 is not 1 to 15)"));
  EXPECT_EQ(session_.row(23), kCommandLine);
  EXPECT_EQ(session_.row(24), titleRow);
  expectSameDesign(session_.design().element, otherDesign());

  // The command line works on as before.
  session_.type("e");
  EXPECT_EQ(session_.row(1), kMainMenuHeading);
}

// A name too long for the row is shortened in its middle, so that every
// message still ends in its reason, on one row.
TEST_F(RecallSaveScreens, ALongNameIsShortenedSoTheReasonShows) {
  const std::string badName = "A_RATHER_LONG_" + std::string(60, 'X') + "_NAME.ELE";
  writeFile(badName, " 16\r\n");
  startWith(otherDesign());
  viewAnalysis();
  session_.type("r");
  session_.enter(badName);
  EXPECT_EQ(
      session_.row(22),
      padded("Not an element file: A_RATHER_LO...X_NAME.ELE (section count 16 is not 1 to 15)"));

  session_.type("e");
  recallFromMenu("LONG_" + std::string(95, 'Y'));
  EXPECT_EQ(rows(10, 12), (std::vector<std::string>{"File not found: LONG_" + std::string(25, 'Y') +
                                                        "..." + std::string(26, 'Y') + ".ELE",
                                                    "", "PRESS ENTER TO RETURN TO MAIN MENU"}));

  session_.enter("");
  session_.type("s");
  session_.type("e");
  session_.enter("NOWHERE/" + std::string(80, 'Z') + ".ELE");
  EXPECT_EQ(rows(6, 9),
            (std::vector<std::string>{"Could not save NOWHERE/ZZZZZZZZZ...ZZZZZZZZZZZZZ.ELE: "
                                      "no such file or directory",
                                      "", "", "PRESS ENTER TO CONTINUE:"}));
}

// A refused recall puts back the screen the typed name ran over: rows 23 to
// 25 and the drawing there, and the header a scroll would have pushed off.
TEST_F(RecallSaveScreens, AFailedRecallByNameLeavesTheWholeTableAsItWas) {
  writeFile("BAD.ELE", " 16\r\n");
  ElementDesign tall = otherDesign();
  tall.sections[1].exposedLength = 100.0F;  // the drawing reaches the bottom row
  tall.sections[2].exposedLength = 120.0F;
  tall.sections[3].exposedLength = 100.0F;
  startWith(tall);
  viewAnalysis();
  const std::string before = session_.screenText();
  const auto pixels = session_.screen().pixels();

  std::string expected = before;
  expected.replace(21 * 81, 80,
                   padded("Not an element file: BAD.ELE (section count 16 is not 1 to 15)"));
  // Names that run on to row 24, and to row 25 (which scrolls).
  for (const std::size_t filler : {72U, 122U}) {
    session_.type("r");
    session_.enter("BAD.ELE," + std::string(filler, 'X'));
    EXPECT_EQ(session_.screenText(), expected) << filler;
    auto after = session_.screen().pixels();
    const std::ptrdiff_t rowPixels = 14 * 640;  // row 22 holds the message
    std::copy_n(pixels.begin() + 21 * rowPixels, rowPixels, after.begin() + 21 * rowPixels);
    EXPECT_TRUE(after == pixels) << "the drawing differs outside the message row, " << filler;
  }
  expectSameDesign(session_.design().element, tall);
}

TEST_F(RecallSaveScreens, SaveFromTheCommandLineGoesStraightToTheElementFile) {
  startWith(otherDesign());
  viewAnalysis();
  session_.type("s");
  EXPECT_EQ(session_.row(1), padded("Saving Design as Tubalyzer Element file."));
  session_.enter("CMD.ELE");
  EXPECT_EQ(session_.row(5), padded(kSavedTo + "CMD.ELE"));
  session_.enter("");
  EXPECT_EQ(session_.row(2), padded("                          Tubalyzer   SAVE  MENU"));
  EXPECT_EQ(readFile("CMD.ELE"), writeElementFile(otherDesign()));
}

}  // namespace

TEST_F(RecallSaveScreens, AFileThatVanishesBetweenListingAndReadingChangesNothing) {
  writeFile("DIR20M.ELE", writeElementFile(exampleDesign()));
  startWith(otherDesign());
  session_.type("r");
  session_.type("e");
  ASSERT_EQ(session_.row(1), padded("DIR20M.ELE"));
  std::filesystem::remove("DIR20M.ELE");
  session_.enter("DIR20M");
  const std::string screen = session_.screenText();
  EXPECT_NE(screen.find("File not found: DIR20M.ELE"), std::string::npos) << screen;
  EXPECT_EQ(screen.find("Finished recalling element parameters."), std::string::npos);
  expectSameDesign(session_.design().element, otherDesign());
  EXPECT_TRUE(entries().empty());
}
