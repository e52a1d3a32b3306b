#include "files/SaveMenu.hpp"

#include <string>
#include <string_view>

#include "files/ElementFile.hpp"
#include "files/FileStore.hpp"
#include "flow/Workspace.hpp"

namespace {

constexpr std::string_view kSavedTo = "Number of Sections, OD, Wall Thickness, Lengths Saved to:  ";

// Writes the design under the typed name and says what became of it: the
// usual confirmation only when the file really holds the design.
void saveAndConfirm(Workspace& work, std::string_view prompt) {
  Console& console = work.console;
  const std::string fileName = console.readTextItem(prompt);
  const std::string problem = saveNamedFile(fileName, writeElementFile(work.design.element));
  console.print("  ", Ending::EndLine);
  if (problem.empty()) {
    console.print(kSavedTo, Ending::Stay);
    console.print(fileName, Ending::EndLine);
  } else {
    console.print(problem, Ending::EndLine);
  }
}

Next saveElementFile(Workspace& work) {
  Console& console = work.console;
  console.clear();
  console.print("Saving Design as Tubalyzer Element file.", Ending::EndLine);
  console.print("  ", Ending::EndLine);
  saveAndConfirm(work, "Enter TUBALYZER Element File Name (e.g. DIR20M.ELE):   ");
  console.print("  ", Ending::EndLine);
  console.print(" ", Ending::EndLine);
  (void)console.readWholeLine("PRESS ENTER TO CONTINUE:", false);
  return Next::SaveMenu;
}

// The same bytes as an element file; only the words around it differ.
Next saveAntennaFile(Workspace& work) {
  Console& console = work.console;
  console.clear();
  console.print("Saving Design as Tubalyzer Antenna file.", Ending::EndLine);
  console.print(" ", Ending::EndLine);
  saveAndConfirm(work, "Enter TUBALYZER Antenna File Name (e.g. HG205CA.TUB):   ");
  console.print(" ", Ending::EndLine);
  (void)console.readWholeLine("PRESS ENTER TO CONTINUE:", false);
  return Next::SaveMenu;
}

}  // namespace

Next saveMenu(Workspace& work) {
  Console& console = work.console;
  console.clear();
  if (!work.design.gates.designPresent) {
    console.print(" You must enter the design before you save it.", Ending::EndLine);
    console.print(" ", Ending::EndLine);
    (void)console.readWholeLine(" Press 'ENTER' to return to the Menu: ", false);
    return Next::MainMenu;
  }

  console.print("  ", Ending::EndLine);
  console.print("                          Tubalyzer   SAVE  MENU", Ending::EndLine);
  console.print("  ", Ending::EndLine);
  console.print("  ", Ending::EndLine);
  console.print("                    Save as Tubalyzer Element file  = E", Ending::EndLine);
  console.print("  ", Ending::EndLine);
  console.print("                    Save as Tubalyzer Antenna file  = A", Ending::EndLine);
  console.print("  ", Ending::EndLine);
  console.print("                    Return to Main Menu          = M", Ending::EndLine);

  const std::string key = console.waitForKey("EeAaMm");
  if (key == "E" || key == "e") {
    return saveElementFile(work);
  }
  if (key == "A" || key == "a") {
    return saveAntennaFile(work);
  }
  return Next::MainMenu;
}

Next saveElementFileFromCommandLine(Workspace& work) { return saveElementFile(work); }
