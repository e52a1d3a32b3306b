#include "app/Screens.hpp"

#include "flow/Workspace.hpp"

// Placeholders until the program shell is built.
Next titleScreen(Workspace& /*work*/) { return Next::MainMenu; }
Next mainMenu(Workspace& /*work*/) { return Next::Quit; }
Next helpScreen(Workspace& /*work*/) { return Next::MainMenu; }
Next cantileverScreen(Workspace& /*work*/) { return Next::MainMenu; }
std::optional<Next> menuTarget(std::string_view /*key*/) { return std::nullopt; }
