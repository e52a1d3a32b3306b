#include "entry/EnterElementData.hpp"

#include "flow/Workspace.hpp"

// Placeholder until data entry is built.
Next enterElementData(Workspace& /*work*/) { return Next::MainMenu; }
