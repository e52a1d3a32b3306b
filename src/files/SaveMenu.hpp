#pragma once

#include "flow/Next.hpp"

struct Workspace;

// The save screen of the main menu, with its gate and choice of file kind.
Next saveMenu(Workspace& work);
// The element-file save straight from a command line; the save screen follows.
Next saveElementFileFromCommandLine(Workspace& work);
