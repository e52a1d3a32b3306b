#include "files/PrintedLoadTable.hpp"

#include <cstddef>
#include <string>

#include "flow/Workspace.hpp"
#include "screen/Channel.hpp"

namespace {

constexpr int kMessageRow = 22;

void blankLine(Channel& out) { out.print(" ", Ending::EndLine); }

void iceBlock(Channel& out, const DesignOptions& options) {
  out.print(" Ice Loading with density = ", Ending::Stay);
  out.printNumber(options.iceDensity, Ending::Stay);
  out.print(" lb. per cubic inch ", Ending::EndLine);
  out.print("     and radial thickness = ", Ending::Stay);
  out.printNumber(options.radialIceThickness, Ending::Stay);
  out.print(" inch ", Ending::EndLine);
  blankLine(out);
}

void eia222cBlock(Channel& out, const DesignOptions& options) {
  out.print(" Using EIA-222-C ", Ending::Stay);
  out.print(" Pressure = ", Ending::Stay);
  out.printNumber(options.windPressure, Ending::Stay);
  out.print(" lb/sq ft at 86 MPH", Ending::EndLine);
  out.print("     and shape factor = ", Ending::Stay);
  out.printNumber(options.shapeFactor, Ending::EndLine);
  blankLine(out);
}

void eiaTia222eBlock(Channel& out, const DesignOptions& options) {
  out.print(" Using EIA/TIA-222-E ", Ending::Stay);
  out.print(" with height above ground = ", Ending::Stay);
  out.printNumber(options.antennaHeight, Ending::Stay);
  out.print(" feet", Ending::EndLine);
  out.print(" Pressure = ", Ending::Stay);
  out.printPattern("###.#", options.windPressure, Ending::Stay);
  out.print(" lb/sq ft at 86 MPH", Ending::EndLine);
  out.print("     and shape factor = ", Ending::Stay);
  out.printNumber(options.shapeFactor, Ending::EndLine);
  blankLine(out);
}

void strengthLine(Channel& out, const DesignModel& design) {
  out.print("DESIGN YIELD STRENGTH:", Ending::Stay);
  out.printNumber(design.options.yieldStrength, Ending::Stay);
  out.tab(32);
  out.print("HALF EL WEIGHT: ", Ending::Stay);
  out.printPattern("###.#", design.totals.halfElementWeight, Ending::Stay);
  out.print("   HALF EL AREA: ", Ending::Stay);
  out.printPattern("###.#", design.totals.halfElementArea, Ending::EndLine);
}

void columnHeads(Channel& out) {
  out.print("SECT.", Ending::Stay);
  out.tab(10);
  out.print("OD", Ending::Stay);
  out.tab(18);
  out.print("WALL", Ending::Stay);
  out.tab(25);
  out.print("LENGTH", Ending::Stay);
  out.tab(34);
  out.print("CUM LEN", Ending::Stay);
  out.tab(44);
  out.print("MAX WIND (MPH)", Ending::EndLine);
}

void ruleLine(Channel& out) {
  out.print("-----", Ending::Stay);
  out.tab(8);
  out.print("-----", Ending::Stay);
  out.tab(17);
  out.print("-----", Ending::Stay);
  out.tab(25);
  out.print("------", Ending::Stay);
  out.tab(34);
  out.print("-------", Ending::Stay);
  out.tab(44);
  out.print("------------", Ending::EndLine);
}

void sectionRows(Channel& out, const DesignModel& design) {
  const Single count = design.element.sectionCount;
  Single cumulativeLength = 0;
  // Counted like the table on screen: sections 1 up to the count, which may
  // hold a fraction or anything a file gave it; never past the storage.
  for (int slot = 1; slot < kSlots && static_cast<Single>(slot) <= count; ++slot) {
    const TubeSection& section = design.element.sections[static_cast<std::size_t>(slot)];
    const SectionResult& result = design.analysis.sections[static_cast<std::size_t>(slot)];
    cumulativeLength = cumulativeLength + section.exposedLength;
    out.printPattern(" ##  ", static_cast<Single>(slot), Ending::Stay);
    out.printPattern("###.###", section.outsideDiameter, Ending::Stay);
    out.printPattern("    #.###", section.wallThickness, Ending::Stay);
    out.printPattern("  ####.##", section.exposedLength, Ending::Stay);
    out.printPattern("   ####.##", cumulativeLength, Ending::Stay);
    out.printPattern("    ####", result.maxWindSpeed, Ending::EndLine);
  }
}

// Row 22 tells what became of a print command: why nothing was printed,
// or where the job went when the platform says so. A later print that
// works without a word takes a stale line of an earlier command away again,
// and nothing else that stands on the row.
void showOutcome(Console& console, const std::string& previousLine, const std::string& line) {
  const std::string blanks = repeatChar(TextScreen::kColumns, ' ');
  if (!line.empty()) {
    console.locate(kMessageRow, 1);
    console.print(blanks, Ending::Stay);
    console.locate(kMessageRow, 1);
    console.print(line, Ending::Stay);
    return;
  }
  if (!previousLine.empty() &&
      console.screen().rowText(kMessageRow).compare(0, previousLine.size(), previousLine) == 0) {
    console.locate(kMessageRow, 1);
    console.print(blanks, Ending::Stay);
  }
}

// The line a print command leaves on row 22, if any.
std::string outcomeLine(const PrinterChannel& printer) {
  return printer.failure().empty() ? printer.notice() : printer.failure();
}

}  // namespace

void writeLoadTableReport(Channel& out, const DesignModel& design) {
  const DesignOptions& options = design.options;
  out.print("           ELEMENT LOAD TABLE -- ALUMINUM TUBULAR ELEMENTS", Ending::EndLine);
  blankLine(out);
  out.print(design.element.title, Ending::EndLine);
  blankLine(out);
  // The three blocks are tested one by one: a pressure of exactly 30 from
  // the height formula prints both wind blocks.
  if (options.iceOn()) {
    iceBlock(out, options);
  }
  if (options.windPressure == 30.0f) {
    eia222cBlock(out, options);
  }
  if (options.shapeFactor == 1.2f) {
    eiaTia222eBlock(out, options);
  }
  blankLine(out);
  strengthLine(out, design);
  blankLine(out);
  columnHeads(out);
  ruleLine(out);
  sectionRows(out, design);
  blankLine(out);
  blankLine(out);
  out.print("\f", Ending::EndLine);
}

Next printLoadTable(Workspace& work) {
  const std::string previousLine = outcomeLine(work.printer);
  work.printer.beginCommand(work.design.element.title);
  writeLoadTableReport(work.printer, work.design);
  work.printer.close();
  showOutcome(work.console, previousLine, outcomeLine(work.printer));
  return Next::EntryCommandLine;
}
