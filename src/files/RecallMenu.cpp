#include "files/RecallMenu.hpp"

#include "flow/Workspace.hpp"

// Placeholders until recall is built.
Next recallMenu(Workspace& /*work*/) { return Next::MainMenu; }
Next recallByName(Workspace& /*work*/) { return Next::MainMenu; }
