#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screen/Key.hpp"

// Key scripts for the helpers of the front-end checks: plain bytes are
// ordinary keys, {Name} a named key ({Left}, {F12}, {Enter}, {Esc}, {Tab},
// {BSpace}, ...). Empty when a name is unknown.
std::optional<std::vector<InputKey>> parseKeyScript(std::string_view script);
