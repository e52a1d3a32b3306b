#include "flow/GateNotice.hpp"

#include "flow/Workspace.hpp"

Next gateNotice(Workspace& work, std::string_view message) {
  Console& console = work.console;
  console.print(message, Ending::EndLine);
  console.print(" ", Ending::EndLine);
  (void)console.readWholeLine(" Press 'ENTER' to continue: ", false);
  return Next::MainMenu;
}
