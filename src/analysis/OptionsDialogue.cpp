#include "analysis/OptionsDialogue.hpp"

#include <optional>
#include <string>

#include "analysis/OptionsValues.hpp"
#include "flow/Workspace.hpp"

namespace {

const std::string kBlankLine = repeatChar(79, ' ');

void blankRow(Console& console, int row) {
  console.locate(row, 1);
  console.print(kBlankLine, Ending::EndLine);
}

Single askYieldStrength(Console& console) {
  console.clear();
  console.locate(19, 1);
  console.print("6061-T6 Aluminum = 35,000 psi", Ending::EndLine);
  console.print("6063-T832 Aluminum = 35,000 psi", Ending::EndLine);
  console.print("6063-T6 Aluminum = 25,000 psi", Ending::EndLine);
  console.locate(22, 1);
  console.print("Press 'ENTER' for default (Aluminum) YIELD = 35000 psi or--", Ending::EndLine);

  for (;;) {
    blankRow(console, 23);
    console.locate(23, 1);
    console.print("Enter material YIELD STRENGTH (psi) or <?> for help:  ", Ending::Stay);
    const std::string answer = console.readWholeLine("", false);
    if (answer == "?") {
      // The help line is shorter than the line it replaces; left over, the
      // tail of that line would read as "6063-T6=25000000 psi".
      blankRow(console, 22);
      console.locate(22, 1);
      console.print("6061-T6=35000   6063-T832=35000   6063-T6=25000", Ending::EndLine);
      continue;
    }
    // Out of range: the question simply comes again, no message.
    if (const std::optional<Single> yieldPsi = yieldStrengthFromAnswer(answer)) {
      blankRow(console, 22);
      blankRow(console, 23);
      console.clear();
      return *yieldPsi;
    }
  }
}

void askIce(Console& console, DesignOptions& options) {
  console.locate(21, 1);
  console.print(" Do you wish to have ICE loading? (Y/N)", Ending::EndLine);
  // The answer is kept as typed: every later test compares both cases.
  options.iceAnswer = console.waitForKey("yYnN");
  if (!options.iceOn()) {
    return;
  }

  console.clear();
  blankRow(console, 20);
  console.locate(20, 1);
  console.print(" <H>oarfrost     A fluffy or feathery deposit of ice crystals", Ending::EndLine);
  console.print(" <R>ime ice      A white granular deposit from supercooled fog", Ending::EndLine);
  console.print(" <G>laze ice     Clear, smooth ice from rain or drizzle", Ending::EndLine);
  const Single density =
      iceDensityForKey(console.waitForKey("HhRrGg")).value_or(options.iceDensity);

  // Asked again on the next row, silently, until the thickness is usable.
  Single thicknessIn = 0.0f;
  do {
    thicknessIn = console.readNumber(" Enter Radial Thickness in inches: ");
  } while (!radialThicknessAccepted(thicknessIn));
  chooseIce(options, density, thicknessIn);
}

void askWindMethod(Console& console, DesignOptions& options) {
  console.clear();
  for (int row = 20; row <= 23; ++row) {
    blankRow(console, row);
  }
  console.locate(20, 1);
  console.print(" <C>  use EIA-222-C for wind pressure:  P=.004*V*V ", Ending::EndLine);
  console.print(" <E>  use EIA/TIA-222-E for wind pressure:  P=.00256*Kz*V*V ", Ending::EndLine);

  const std::string method = console.waitForKey("CcEe");
  if (method == "C" || method == "c") {
    chooseEia222c(options);
    return;
  }

  console.locate(22, 1);
  // A refused height is asked again on the next row; from row 25 on that
  // scrolls the screen. The summary is drawn over the screen as it was
  // before the first question, so none of that stands beside it.
  const TextScreen::Picture unanswered = console.screen().picture();
  Single heightFt = 0.0f;
  do {
    heightFt = console.readNumber(" Enter height of antenna above ground (feet): ");
  } while (!antennaHeightAccepted(heightFt));
  console.screen().show(unanswered);
  chooseEiaTia222e(options, heightFt);
}

void showSummary(Console& console, DesignModel& design) {
  const DesignOptions& options = design.options;
  console.locate(2, 1);
  console.print(" OPTIONS: ", Ending::EndLine);
  console.print(" ", Ending::EndLine);

  if (options.iceOn()) {
    console.print(" Ice Loading with density = ", Ending::Stay);
    console.printNumber(options.iceDensity, Ending::Stay);
    console.print(" lb. per cubic inch ", Ending::EndLine);
    console.print("     and radial thickness = ", Ending::Stay);
    console.printNumber(options.radialIceThickness, Ending::Stay);
    console.print(" inches ", Ending::EndLine);
  }

  // The method is not stored; it is told from the values it set. The two
  // tests are independent, so a pressure of exactly 30 from a height shows
  // both blocks.
  if (options.windPressure == kEia222cPressure) {
    console.print(" Using EIA-222-C ", Ending::Stay);
    console.print(" Pressure = ", Ending::Stay);
    console.printNumber(options.windPressure, Ending::Stay);
    console.print(" lb/sq ft at 86 MPH", Ending::EndLine);
    console.print("     and shape factor = ", Ending::Stay);
    console.printNumber(options.shapeFactor, Ending::EndLine);
  }
  if (options.shapeFactor == kEiaTia222eShapeFactor) {
    console.print(" Using EIA/TIA-222-E with antenna height = ", Ending::Stay);
    console.printNumber(options.antennaHeight, Ending::Stay);
    console.print(" feet", Ending::EndLine);
    console.print(" Pressure = ", Ending::Stay);
    console.printNumber(options.windPressure, Ending::Stay);
    console.print(" lb/sq ft at 86 MPH", Ending::EndLine);
    console.print("     and shape factor = ", Ending::Stay);
    console.printNumber(options.shapeFactor, Ending::EndLine);
  }

  console.print(" Yield Strength = ", Ending::Stay);
  console.printNumber(options.yieldStrength, Ending::Stay);
  console.print(" psi", Ending::EndLine);

  design.gates.optionsSelected = true;

  for (int row = 20; row <= 23; ++row) {
    blankRow(console, row);
  }
  // Whatever is typed here only acknowledges the summary.
  (void)console.readItems(" Press 'ENTER' to return to Main Menu: ");
}

}  // namespace

Next optionsDialogue(Workspace& work) {
  Console& console = work.console;
  DesignOptions& options = work.design.options;

  options.yieldStrength = askYieldStrength(console);
  askIce(console, options);
  askWindMethod(console, options);
  showSummary(console, work.design);
  return Next::MainMenu;
}
