#include "analysis/OptionsDialogue.hpp"

#include "flow/Workspace.hpp"

// Placeholder until the options dialogue is built.
Next optionsDialogue(Workspace& /*work*/) { return Next::MainMenu; }
