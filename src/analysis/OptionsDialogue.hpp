#pragma once

#include "flow/Next.hpp"

struct Workspace;

// The analysis options dialogue: yield strength, ice, wind method, summary.
Next optionsDialogue(Workspace& work);
