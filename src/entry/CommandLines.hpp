#pragma once

#include "flow/Next.hpp"

struct Workspace;

// The command line under the table after data entry (and after printing).
Next entryCommandLine(Workspace& work);
// The command line at the end of View Analysis.
Next analysisCommandLine(Workspace& work);
