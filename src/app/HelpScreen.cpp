#include "app/Screens.hpp"
#include "flow/Workspace.hpp"

Next helpScreen(Workspace& work) {
  Console& console = work.console;
  console.clear();
  static constexpr std::string_view kPage[] = {
      " ",
      " Information about Tubalyzer.EXE : ",
      " ",
      " Step 1: (Options) Select material for element and corresponding YEILD STRENGTH",
      "                   If unsure about Yeild Strength, enter ? for sample values.",
      "                   Select ice loading if necessary",
      "                   Select the type of EIA calculation for wind loading",
      " ",
      " Step 2: (Element data) Enter new element data or recall old saved element data",
      "                        Start with the element tip dimensions first",
      " ",
      " Tips:  ",
      " HF Yagi tip diameter is usually 0.5 inch or larger",
      " Use a wall thickness of .058 inch for tubing diameter increments of 1/8 inch",
      " Hy-Gain element tips are 0.437 inch ",
      "  ",
      "  ",
      " Tubalyzer 2.20 for Linux, by the Tubalyzer developers",
      "  ",
      " May 13, 2010",
      " ",
  };
  for (const std::string_view line : kPage) {
    console.print(line, Ending::EndLine);
  }
  (void)console.readWholeLine(" Press 'ENTER' to return to Main Menu: ", false);
  return Next::MainMenu;
}
