#include "analysis/LoadTable.hpp"

#include "flow/Workspace.hpp"

// Placeholders until the load table screen is built.
Next viewAnalysis(Workspace& /*work*/) { return Next::MainMenu; }
void tableHeader(Workspace& /*work*/) {}
void rowUpdate(Workspace& /*work*/, bool /*fromDataEntry*/) {}
void tablePass(Workspace& /*work*/, int /*first*/, int /*last*/) {}
