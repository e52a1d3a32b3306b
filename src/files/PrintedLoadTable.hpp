#pragma once

#include "flow/Next.hpp"

struct Workspace;

// Prints the load table report as one job; then the entry command line.
Next printLoadTable(Workspace& work);
