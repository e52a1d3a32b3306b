#pragma once

#include <string>

#include "common/Single.hpp"

// The general text of a number, as printed on the screen, in files and on
// paper: seven significant digits, fixed from 0.1 to below 10 000 000, else
// d.dddddde+xxx; one leading blank unless negative.
std::string numberText(Single value);
