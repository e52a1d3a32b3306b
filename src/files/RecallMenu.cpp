#include "files/RecallMenu.hpp"

#include <cstddef>
#include <optional>
#include <string>

#include "files/ElementFile.hpp"
#include "files/FileStore.hpp"
#include "flow/Workspace.hpp"
#include "screen/ShortText.hpp"

namespace {

constexpr int kMessageRow = 22;
constexpr int kCommandRow = 23;

// Reads the named element file into the design. The design changes only
// when the whole file is a usable design; otherwise it stays exactly as it
// was and the one line that says why comes back.
std::optional<std::string> recallElementFile(ElementDesign& design, const std::string& name) {
  const FileRead file = readNamedFile(name, kMaxElementFileBytes);
  if (!file.ok()) {
    return file.problem;
  }
  const ElementFileContents contents = readElementFile(file.bytes);
  if (const std::optional<std::string> problem = elementFileProblem(contents)) {
    return messageNaming("Not an element file: ", name, " (" + *problem + ")");
  }
  applyElementFile(contents, design);
  return std::nullopt;
}

}  // namespace

Next recallMenu(Workspace& work) {
  Console& console = work.console;
  console.clear();
  console.print(" ", Ending::EndLine);
  console.print("                Recall  *.ELE  file           = E", Ending::EndLine);
  console.print(" ", Ending::EndLine);
  console.print("                Return to Main Menu           = M", Ending::EndLine);
  // S works like E, as it always has, though the menu does not offer it.
  const std::string key = console.waitForKey("EeSsMm");
  if (key == "M" || key == "m") {
    return Next::MainMenu;
  }

  console.clear();
  const std::vector<std::string> names = listElementFiles();
  for (const std::string& name : names) {
    console.print(name, Ending::EndLine);
  }
  if (names.empty()) {
    console.print("", Ending::EndLine);
  }
  console.print("No more .ELE files found", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print(" ", Ending::EndLine);

  const std::string fileName =
      console.readTextItem("Enter filename (no extension) to recall:  ") + ".ELE";
  console.print(fileName, Ending::EndLine);
  if (const std::optional<std::string> problem = recallElementFile(work.design.element, fileName)) {
    console.print(*problem, Ending::EndLine);
  } else {
    work.design.gates.designPresent = true;
    console.print("Finished recalling element parameters.", Ending::EndLine);
  }
  console.print("  ", Ending::EndLine);
  (void)console.readWholeLine("PRESS ENTER TO RETURN TO MAIN MENU", false);
  return Next::MainMenu;
}

Next recallByName(Workspace& work) {
  Console& console = work.console;
  // A long name runs on over the title and the drawing below, and from 127
  // characters on scrolls the whole table up; the screen is kept to be put
  // back whole should the table stay.
  const TextScreen::Picture table = console.screen().picture();
  console.locate(kCommandRow, 1);
  console.print(repeatChar(79, ' '), Ending::Stay);
  console.locate(kCommandRow, 1);
  const std::string fileName = console.readTextItem("Enter full ELE filename to recall:");
  const std::optional<std::string> problem = recallElementFile(work.design.element, fileName);
  if (!problem) {
    return Next::ViewAnalysis;
  }

  // The table on screen still shows the design in memory, which the failed
  // recall left alone; so it stays, with the reason below it, and the
  // command line comes back without rebuilding the table (that would wipe
  // the message).
  console.screen().show(table);
  console.locate(kMessageRow, 1);
  console.print(repeatChar(80, ' '), Ending::Stay);
  console.locate(kMessageRow, 1);
  console.print(shortenMiddle(*problem, kMessageWidth), Ending::Stay);
  return Next::AnalysisCommandLine;
}
