#include "files/SaveMenu.hpp"

#include "flow/Workspace.hpp"

// Placeholders until saving is built.
Next saveMenu(Workspace& /*work*/) { return Next::MainMenu; }
Next saveElementFileFromCommandLine(Workspace& /*work*/) { return Next::MainMenu; }
