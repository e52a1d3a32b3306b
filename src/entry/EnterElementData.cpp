#include "entry/EnterElementData.hpp"

#include "analysis/LoadTable.hpp"
#include "entry/SectionEdits.hpp"
#include "entry/SectionForms.hpp"
#include "flow/GateNotice.hpp"
#include "flow/Workspace.hpp"
#include "screen/Items.hpp"

namespace {

constexpr int kPromptRow = 23;

// The count is asked on the command-line row. A count the model cannot
// hold (not a whole number from 1 to 15) never reaches it: beep and ask
// again. The answer starts at column 67, so one of more than 14 characters
// runs on over the title on row 24, and a longer one scrolls the header
// away: after every answer the screen as it was before the question comes
// back whole.
Single askSectionCount(Console& console) {
  const TextScreen::Picture unanswered = console.screen().picture();
  for (;;) {
    console.locate(kPromptRow, 1);
    console.print("ENTER NUMBER OF SECTIONS <MAX 15> --> ", Ending::Stay);
    const Single count =
        numericValueOfText(console.readWholeLine("Enter number of sections: ", true));
    const bool acceptable = isAcceptableSectionCount(count);
    if (!acceptable) {
      console.beep();
    }
    console.screen().show(unanswered);
    if (acceptable) {
      return count;
    }
  }
}

}  // namespace

Next enterElementData(Workspace& work) {
  Console& console = work.console;
  DesignModel& design = work.design;
  ElementDesign& element = design.element;

  console.clear();
  design.profileY = 30;
  if (!design.gates.optionsSelected) {
    return gateNotice(work, kNeedOptions);
  }

  // Read as an item, so the title ends at its first comma.
  element.title = console.readTextItem("Enter Element Title:  ");
  console.clear();
  tableHeader(work);

  element.sectionCount = askSectionCount(console);
  console.locate(kPromptRow, 1);
  console.print(repeatChar(79, ' '), Ending::EndLine);
  console.locate(kPromptRow, 1);
  console.print("START WITH TIP SECTION:", Ending::EndLine);

  // A new design is read from the tip inwards; the form runs the loop over
  // the sections and ends in the entry command line.
  element.editMode = EditMode::None;
  element.currentSection = 1.0F;
  return entrySectionForm(work);
}
