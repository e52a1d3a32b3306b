#include "analysis/LoadTable.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/LoadAnalysis.hpp"
#include "analysis/ProfileDrawing.hpp"
#include "flow/GateNotice.hpp"
#include "flow/Workspace.hpp"

namespace {

// The first table row shows section 1; section i stands on row 4 + i.
constexpr int kRowOffset = 4;
constexpr int kPromptRows[] = {19, 20, 21};
constexpr int kMessageRow = 22;
constexpr int kCommandRow = 23;
constexpr int kTitleRow = 25;  // ending the line there scrolls it up to row 24
constexpr int kTitleColumn = 30;
// A longer title would reach column 80 and wrap, scrolling the screen once
// more: the title would land on row 23, where the blanking of the command
// row wipes it, and the rest of a very long one would be left behind all
// over the table rows. Only what fits is shown; the design keeps the whole
// title for its file and the printed table.
constexpr std::size_t kTitleShown = TextScreen::kColumns - kTitleColumn;
constexpr int kTotalsRow = 2;
constexpr int kWeightColumn = 47;
constexpr int kAreaColumn = 70;

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = kSlots - 1;

const TubeSection& sectionAt(const DesignModel& design, int slot) {
  return design.element.sections[static_cast<std::size_t>(slot)];
}

}  // namespace

Next viewAnalysis(Workspace& work) {
  Console& console = work.console;
  DesignModel& design = work.design;
  ElementDesign& element = design.element;

  console.clear();
  design.profileY = 30.0F;
  if (!design.gates.optionsSelected) {
    return gateNotice(work, kNeedOptions);
  }
  if (!design.gates.designPresent) {
    return gateNotice(work, kNeedDesign);
  }

  console.clear();
  tableHeader(work);

  // The body runs at least once, so a design whose count dropped to 0 still
  // shows whatever slot 1 holds.
  element.currentSection = 1.0F;
  do {
    const std::optional<int> slot = sectionSlot(element.currentSection);
    if (!slot) {
      break;  // past the storage: a count beyond it has no rows to show
    }
    const TubeSection& section = sectionAt(design, *slot);
    console.locate(kRowOffset + *slot, 1);
    console.printNumber(element.currentSection, Ending::Stay);
    console.locate(kRowOffset + *slot, 5);
    console.printPattern("####.###", section.outsideDiameter, Ending::Stay);
    console.locate(kRowOffset + *slot, 17);
    console.printPattern("#.###", section.wallThickness, Ending::Stay);
    rowUpdate(work, false);
  } while (element.currentSection < element.sectionCount + 1.0F);

  console.locate(kCommandRow, 1);
  console.print(repeatChar(79, ' '), Ending::Stay);
  return Next::AnalysisCommandLine;
}

void tableHeader(Workspace& work) {
  Console& console = work.console;
  const DesignModel& design = work.design;
  const DesignOptions& options = design.options;

  console.locate(kTitleRow, kTitleColumn);
  console.print(std::string_view(design.element.title).substr(0, kTitleShown), Ending::EndLine);

  console.locate(1, 1);
  if (options.iceOn()) {
    console.print("ELEMENT 1: ", Ending::Stay);
    console.print(" ICE: Density = ", Ending::Stay);
    console.printNumber(options.iceDensity, Ending::Stay);
    console.print(" lb / cubic inch", Ending::Stay);
    console.print("    Thickness = ", Ending::Stay);
    console.printNumber(options.radialIceThickness, Ending::EndLine);
  } else {
    console.print("ELEMENT 1:", Ending::EndLine);
  }

  console.print("DESIGN YIELD STRENGTH:", Ending::Stay);
  console.printNumber(options.yieldStrength, Ending::Stay);
  console.tab(32);
  console.print("HALF EL WEIGHT:          HALF EL AREA:", Ending::EndLine);

  console.print("SECT.", Ending::Stay);
  console.tab(10);
  console.print("OD", Ending::Stay);
  console.tab(18);
  console.print("WALL", Ending::Stay);
  console.tab(25);
  console.print("LENGTH", Ending::Stay);
  console.tab(34);
  console.print("CUM LEN", Ending::Stay);
  console.tab(44);
  console.print("MAX WIND (MPH)", Ending::EndLine);

  console.print("-----", Ending::Stay);
  console.tab(8);
  console.print("-----", Ending::Stay);
  console.tab(17);
  console.print("-----", Ending::Stay);
  console.tab(25);
  console.print("------", Ending::Stay);
  console.tab(34);
  console.print("-------", Ending::Stay);
  console.tab(44);
  console.print("------------", Ending::EndLine);

  console.locate(kCommandRow, 1);
  console.print(repeatChar(79, ' '), Ending::EndLine);
}

void rowUpdate(Workspace& work, bool fromDataEntry) {
  Console& console = work.console;
  DesignModel& design = work.design;
  ElementDesign& element = design.element;

  const std::optional<int> slot = sectionSlot(element.currentSection);
  if (slot && *slot >= kFirstSlot) {
    drawSection(work);

    console.locate(kRowOffset + *slot, 24);
    console.printPattern("####.##", sectionAt(design, *slot).exposedLength, Ending::Stay);

    if (fromDataEntry) {
      for (const int row : kPromptRows) {
        console.locate(row, 1);
        console.print(repeatChar(34, ' '), Ending::EndLine);
      }
    }
    if (element.currentSection == 1.0F) {
      console.locate(kMessageRow, 1);
      console.print(repeatChar(79, ' '), Ending::Stay);
    }
    tablePass(work, kFirstSlot, *slot);
  }
  // Advanced even when there was nothing to show, so that a caller's loop
  // over the sections always moves on.
  element.currentSection = element.currentSection + 1.0F;
}

void tablePass(Workspace& work, int first, int last) {
  Console& console = work.console;
  DesignModel& design = work.design;

  AnalysisTotals& totals = design.totals;
  totals.runningMoment = 0.0F;
  totals.runningForce = 0.0F;
  totals.cumulativeLength = 0.0F;
  totals.halfElementArea = 0.0F;
  totals.halfElementWeight = 0.0F;

  // Only slots of the storage are analysed and shown; the rest of the
  // range, if a caller ever asks for it, is simply not there.
  const int from = std::max(first, kFirstSlot);
  const int to = std::min(last, kLastSlot);
  for (int i = from; i <= to; ++i) {
    analyseSection(design, i);
    const TubeSection& section = sectionAt(design, i);
    console.locate(kRowOffset + i, 1);
    console.printNumber(static_cast<Single>(i), Ending::Stay);
    console.tab(5);
    console.printPattern("####.###", section.outsideDiameter, Ending::Stay);
    console.tab(17);
    console.printPattern("#.###", section.wallThickness, Ending::Stay);
    console.tab(24);
    console.printPattern("####.##", section.exposedLength, Ending::Stay);
    console.tab(34);
    console.printPattern("####.##", totals.cumulativeLength, Ending::Stay);
    console.tab(44);
    console.printPattern(
        "######", design.analysis.sections[static_cast<std::size_t>(i)].maxWindSpeed, Ending::Stay);
    console.print(repeatChar(8, ' '), Ending::Stay);
  }

  const int blankRow = std::clamp(last, kFirstSlot - 1, kLastSlot) + kRowOffset + 1;
  console.locate(blankRow, 1);
  console.print(repeatChar(60, ' '), Ending::Stay);

  if (design.element.editMode == EditMode::Insert) {
    // The inserted section is read next; the totals wait for the rebuilt table.
    design.element.currentSection = design.element.currentSection + 1.0F;
    return;
  }
  console.locate(kTotalsRow, kWeightColumn);
  console.printPattern("###.# LB,", totals.halfElementWeight, Ending::Stay);
  console.locate(kTotalsRow, kAreaColumn);
  console.printPattern("##.## SF", totals.halfElementArea, Ending::Stay);
}
