#include "entry/CommandLines.hpp"

#include <optional>
#include <string>
#include <string_view>

#include "analysis/LoadTable.hpp"
#include "entry/SectionEdits.hpp"
#include "entry/SectionForms.hpp"
#include "flow/Workspace.hpp"
#include "screen/Items.hpp"

namespace {

constexpr int kMessageRow = 22;
constexpr int kCommandRow = 23;

// The two lines differ in their wording, in RECALL, in the section form they
// use and in where a few paths end.
enum class Line { Entry, Analysis };

Next lineItself(Line line) {
  return line == Line::Entry ? Next::EntryCommandLine : Next::AnalysisCommandLine;
}

Next sectionForm(Workspace& work, Line line) {
  return line == Line::Entry ? entrySectionForm(work) : analysisSectionForm(work);
}

void blankCommandRow(Console& console, int blanks) {
  console.locate(kCommandRow, 1);
  console.print(repeatChar(blanks, ' '), Ending::EndLine);
}

constexpr std::string_view kNoSections = "no sections -- add one first";
constexpr std::string_view kNoRoom = "15 sections is the maximum -- cannot insert";
constexpr std::string_view kOnlySection = "cannot delete the only section";

// A command that cannot be carried out says why on the message row and
// leaves the design as it was; the command line is shown again.
Next refuse(Workspace& work, Line line, std::string_view message) {
  Console& console = work.console;
  console.locate(kMessageRow, 1);
  console.print(repeatChar(80, ' '), Ending::Stay);
  console.locate(kMessageRow, 1);
  console.print(message, Ending::Stay);
  return lineItself(line);
}

// A refusal is answered by the next command: its message goes then, so that
// it never stands beside a table it no longer describes. Messages of other
// screens on that row are theirs to remove.
void clearRefusal(Console& console) {
  const std::string shown = console.screen().rowText(kMessageRow);
  for (const std::string_view refusal : {kNoSections, kNoRoom, kOnlySection}) {
    if (shown.compare(0, refusal.size(), refusal) == 0) {
      console.locate(kMessageRow, 1);
      console.print(repeatChar(80, ' '), Ending::Stay);
      return;
    }
  }
}

Next changeSection(Workspace& work, Line line) {
  Console& console = work.console;
  ElementDesign& element = work.design.element;
  if (!(element.sectionCount >= 1.0F)) {
    // No number could ever pass the range test below.
    return refuse(work, line, kNoSections);
  }

  blankCommandRow(console, 79);
  Single chosen = 0;
  for (;;) {
    // The prompt is printed over the previous try; the row is not blanked.
    console.locate(kCommandRow, 1);
    console.print("SECTION # TO CHANGE ---> ", Ending::Stay);
    const std::string answer = console.readWholeLine("", false);
    console.locate(kMessageRow, 1);
    console.print(repeatChar(80, ' '), Ending::Stay);
    chosen = numericValueOfText(answer);
    if (chosenSection(chosen, element.sectionCount)) {
      break;
    }
    console.locate(kMessageRow, 1);
    console.printNumber(chosen, Ending::Stay);
    console.print("is bad sect # -- try again", Ending::Stay);
  }

  // N keeps the number as typed, so the form shows 2.5 where 2.5 was given;
  // the form works on the slot it selects.
  element.currentSection = chosen;
  element.editMode = EditMode::Change;
  return sectionForm(work, line);
}

Next insertSection(Workspace& work, Line line) {
  Console& console = work.console;
  ElementDesign& element = work.design.element;
  if (element.sectionCount >= Single(kMaxSections)) {
    return refuse(work, line, kNoRoom);
  }

  std::optional<int> after;
  for (;;) {
    blankCommandRow(console, 79);
    console.locate(kCommandRow, 1);
    console.print("INSERT AFTER SECTION # -->", Ending::Stay);
    const Single typed = numericValueOfText(console.readWholeLine("", false));
    if (typed == 0.0F) {
      break;  // after section 0: a new section at the base end
    }
    after = chosenSection(typed, element.sectionCount);
    if (after) {
      break;
    }
  }

  if (!after) {
    element.sectionCount += 1.0F;
    element.currentSection = element.sectionCount;
    if (line == Line::Entry) {
      // As in the first pass: the row update draws and tabulates the new
      // section, and the entry command line follows.
      element.editMode = EditMode::None;
    } else {
      element.editMode = EditMode::Change;
    }
    return sectionForm(work, line);
  }

  // A fractional answer has already been rounded to its section, so the
  // shift, the pass and the form all agree on where the new section is.
  openSectionAfter(element, *after);
  element.currentSection = Single(*after);
  element.editMode = EditMode::Insert;
  // The rows that moved are shown in their new places on the table that is
  // up; the whole table is rebuilt once the new section has been entered.
  tablePass(work, *after + 1, slotsInUse(element.sectionCount));
  element.currentSection = Single(*after + 1);
  element.editMode = EditMode::Change;
  return sectionForm(work, line);
}

Next deleteSection(Workspace& work, Line line) {
  Console& console = work.console;
  ElementDesign& element = work.design.element;
  if (!(element.sectionCount >= 1.0F)) {
    return refuse(work, line, kNoSections);
  }
  if (element.sectionCount < 2.0F) {
    // An element needs at least one tube.
    return refuse(work, line, kOnlySection);
  }

  std::optional<int> slot;
  while (!slot) {
    blankCommandRow(console, 65);
    console.locate(kCommandRow, 1);
    slot =
        chosenSection(numericValueOfText(console.readWholeLine("SECTION # TO DELETE --->", true)),
                      element.sectionCount);
  }
  removeSection(element, *slot);
  work.design.gates.designPresent = true;
  return Next::ViewAnalysis;
}

Next runCommandLine(Workspace& work, Line line) {
  Console& console = work.console;
  GateFlags& gates = work.design.gates;

  console.locate(kCommandRow, 1);
  if (line == Line::Entry) {
    console.print("<A>DD  <C>HANGE  <D>ELETE  <S>AVE  <P>RINT  <E>ND  ", Ending::EndLine);
  } else {
    console.print("<A>DD <C>HANGE <D>ELETE <S>AVE <R>ECALL <P>RINT <E>ND  ", Ending::EndLine);
  }
  const std::string key =
      console.waitForKey(line == Line::Entry ? "CADSPEcadspe" : "CADRSPEcadrspe");
  clearRefusal(console);

  switch (key.empty() ? '\0' : key[0]) {
    case 'C':
    case 'c':
      return changeSection(work, line);
    case 'A':
    case 'a':
      return insertSection(work, line);
    case 'D':
    case 'd':
      return deleteSection(work, line);
    case 'S':
    case 's':
      gates.designPresent = true;
      return Next::SaveElementFile;
    case 'P':
    case 'p':
      return Next::PrintLoadTable;
    case 'R':
    case 'r':
      return Next::RecallByName;
    case 'E':
    case 'e':
      gates.designPresent = true;
      if (line == Line::Analysis) {
        gates.analysisViewed = true;
      }
      return Next::MainMenu;
    default:
      return lineItself(line);
  }
}

}  // namespace

Next entryCommandLine(Workspace& work) {
  Console& console = work.console;
  console.locate(kCommandRow, 1);
  console.print(repeatChar(79, ' '), Ending::Stay);
  return runCommandLine(work, Line::Entry);
}

// View Analysis has already blanked the command row.
Next analysisCommandLine(Workspace& work) { return runCommandLine(work, Line::Analysis); }
