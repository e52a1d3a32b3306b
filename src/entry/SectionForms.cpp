#include "entry/SectionForms.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "analysis/LoadTable.hpp"
#include "entry/SectionEdits.hpp"
#include "flow/Workspace.hpp"
#include "screen/Items.hpp"

namespace {

// Where the questions stand: below the longest possible table, above the
// messages and the command line.
constexpr int kDiameterRow = 19;
constexpr int kWallRow = 20;
constexpr int kLengthRow = 21;
constexpr int kTotalLengthColumn = 35;

// The two forms grew apart in their wording; both are kept as users know
// them.
struct FormWording {
  std::string_view diameter;
  std::string_view totalLength;
};
constexpr FormWording kEntryWording{"Enter OD of section: ", "Enter total section length:"};
constexpr FormWording kAnalysisWording{"Enter OD of Section: ", "Enter total section length: "};
constexpr std::string_view kWallPrompt = "Enter wall thickness: ";
constexpr std::string_view kExposedPrompt = "Enter exposed section length: ";

// Blanks the cells a typed answer of `length` characters took from (row,
// column), on every row it ran on to. The questions stand on rows 19 to 21
// and a line holds at most 255 characters, so no answer reaches row 25 and
// none has scrolled the screen.
void blankAnswer(TextScreen& screen, int row, int column, std::size_t length) {
  const auto columns = static_cast<std::size_t>(TextScreen::kColumns);
  for (std::size_t i = 0; i < length; ++i) {
    const std::size_t offset = static_cast<std::size_t>(column - 1) + i;
    screen.drawCell(row + static_cast<int>(offset / columns),
                    static_cast<int>(offset % columns) + 1, ' ');
  }
}

// Asks at (row, column) until `acceptable` takes the answer. A refused
// answer beeps and goes, and the same prompt is printed again at the same
// place; the other question on the row stays as it is.
template <class Acceptable>
Single askValue(Console& console, int row, int column, std::string_view prompt,
                Acceptable acceptable) {
  for (;;) {
    console.locate(row, column);
    console.print(prompt, Ending::Stay);
    const int answerRow = console.screen().cursorRow();
    const int answerColumn = console.screen().cursorColumn();
    const std::string answer = console.readWholeLine("", false);
    const Single value = ItemScanner(answer).nextNumber();
    if (acceptable(value)) {
      return value;
    }
    console.beep();
    blankAnswer(console.screen(), answerRow, answerColumn, answer.size());
  }
}

// The slot the current section number selects. The command lines only
// hand over numbers that name a section, so the fallback never shows; it
// keeps a stray number from reaching outside the arrays.
int currentSlot(const ElementDesign& element) {
  return std::clamp(sectionSlot(element.currentSection).value_or(1), 1, kSlots - 1);
}

// Steps 1 to 8 of both forms: the four questions, each answer stored in
// section N, with the number, OD and wall printed into the row of N. The
// number is printed as it was given (2.5 stays 2.5); its row is that of
// the slot it selects.
void readSection(Workspace& work, const FormWording& wording) {
  Console& console = work.console;
  ElementDesign& element = work.design.element;
  const int slot = currentSlot(element);
  TubeSection& section = element.sections[static_cast<std::size_t>(slot)];
  const int row = 4 + slot;

  console.locate(row, 1);
  console.printNumber(element.currentSection, Ending::Stay);

  section.outsideDiameter = askValue(console, kDiameterRow, 1, wording.diameter,
                                     [](Single od) { return isAcceptableDiameter(od); });
  console.locate(row, 5);
  console.printPattern("####.###", section.outsideDiameter, Ending::Stay);

  const Single od = section.outsideDiameter;
  section.wallThickness = askValue(console, kWallRow, 1, kWallPrompt,
                                   [od](Single wall) { return isAcceptableWall(od, wall); });
  console.locate(row, 17);
  console.printPattern("#.###", section.wallThickness, Ending::Stay);

  section.exposedLength = askValue(console, kLengthRow, 1, kExposedPrompt,
                                   [](Single length) { return isAcceptableLength(length); });
  section.totalLength = askValue(console, kLengthRow, kTotalLengthColumn, wording.totalLength,
                                 [](Single length) { return isAcceptableLength(length); });
}

}  // namespace

Next entrySectionForm(Workspace& work) {
  Console& console = work.console;
  ElementDesign& element = work.design.element;
  for (;;) {
    readSection(work, kEntryWording);
    console.locate(kLengthRow, 1);
    console.print(repeatChar(65, ' '), Ending::EndLine);

    if (element.editMode != EditMode::None) {
      element.editMode = EditMode::None;
      work.design.gates.designPresent = true;
      return Next::ViewAnalysis;
    }
    rowUpdate(work, true);  // advances N
    if (!(element.currentSection < element.sectionCount + 1.0F)) {
      return Next::EntryCommandLine;
    }
  }
}

Next analysisSectionForm(Workspace& work) {
  readSection(work, kAnalysisWording);
  work.design.element.editMode = EditMode::None;
  return Next::ViewAnalysis;
}
