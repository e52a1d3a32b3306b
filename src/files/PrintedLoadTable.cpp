#include "files/PrintedLoadTable.hpp"

#include "flow/Workspace.hpp"

// Placeholder until printing is built.
Next printLoadTable(Workspace& /*work*/) { return Next::EntryCommandLine; }
