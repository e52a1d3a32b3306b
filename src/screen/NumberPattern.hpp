#pragma once

#include <string>
#include <string_view>

#include "common/Single.hpp"

// The text of a value in a fixed-width pattern such as "####.###" or
// "###.# LB,": prefix, right-aligned field, suffix. A value too wide for its
// field is scaled and marked "%e+k", never cut.
std::string patternText(std::string_view pattern, Single value);
