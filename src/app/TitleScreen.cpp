#include "app/Screens.hpp"
#include "flow/Workspace.hpp"

namespace {

// Values every design starts from, whichever answer the title question gets.
void setStartValues(DesignModel& design) {
  design.options.aluminiumDensity = kAluminiumDensity;
  design.gates.optionsSelected = false;
}

}  // namespace

Next titleScreen(Workspace& work) {
  Console& console = work.console;
  console.open();
  console.locate(5, 31);
  console.print("Tubalyzer Version 2.20", Ending::EndLine);
  console.locate(7, 24);
  console.print("Duzire Analysis of Antenna Elements", Ending::EndLine);
  console.locate(9, 34);
  console.print("May 10, 2010", Ending::EndLine);
  console.locate(20, 28);
  console.print("Do you need instructions?", Ending::EndLine);

  const std::string answer = console.waitForKey("yYnN");
  setStartValues(work.design);
  return (answer == "y" || answer == "Y") ? Next::Help : Next::MainMenu;
}
