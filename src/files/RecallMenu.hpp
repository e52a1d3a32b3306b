#pragma once

#include "flow/Next.hpp"

struct Workspace;

// The recall screen of the main menu: list, ask, read, confirm.
Next recallMenu(Workspace& work);
// The recall command of the View Analysis command line: a full file name.
Next recallByName(Workspace& work);
