#include "entry/CommandLines.hpp"

#include "flow/Workspace.hpp"

// Placeholders until the command lines are built.
Next entryCommandLine(Workspace& /*work*/) { return Next::MainMenu; }
Next analysisCommandLine(Workspace& /*work*/) { return Next::MainMenu; }
