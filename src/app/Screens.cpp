#include "app/Screens.hpp"

#include "flow/Workspace.hpp"

// Placeholder until the cantilever diagram is built.
Next cantileverScreen(Workspace& /*work*/) { return Next::MainMenu; }
