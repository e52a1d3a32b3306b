#include "app/Screens.hpp"

#include "flow/Workspace.hpp"
