#pragma once

#include <optional>
#include <string_view>

#include "flow/Next.hpp"

struct Workspace;

Next titleScreen(Workspace& work);
Next mainMenu(Workspace& work);
Next helpScreen(Workspace& work);
Next cantileverScreen(Workspace& work);

// The main menu's choice for one key text, in the order O, E, R, S, V, T,
// H, Q, either case; empty for every other key.
std::optional<Next> menuTarget(std::string_view key);
