#pragma once

#include "flow/Next.hpp"

struct Workspace;

// Enter Element Data: title, count, then each section with the row update.
Next enterElementData(Workspace& work);
