#pragma once

#include "model/Design.hpp"
#include "screen/Console.hpp"
#include "screen/PrinterChannel.hpp"

// What every screen works on: the screen and keyboard, the design model and
// the printer. Owned by the program; screens receive it by reference.
struct Workspace {
  Console& console;
  DesignModel& design;
  PrinterChannel& printer;
};
