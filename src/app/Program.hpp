#pragma once

#include "model/Design.hpp"
#include "screen/Console.hpp"
#include "screen/PrinterChannel.hpp"
#include "flow/Next.hpp"
#include "flow/Workspace.hpp"

class Platform;

// The one program object: the screen, the design model and the printer, and
// the loop that runs the screens one after another.
class Program {
 public:
  explicit Program(Platform& platform);

  // Runs from the title screen until Quit (or until the platform closes);
  // returns the exit status.
  int run();

  // One jump: runs the screen `next` names and returns where it goes.
  Next dispatch(Next next);

  Console& console() { return console_; }
  DesignModel& design() { return design_; }
  PrinterChannel& printer() { return printer_; }
  Workspace& workspace() { return work_; }

 private:
  Console console_;
  DesignModel design_;
  PrinterChannel printer_;
  Workspace work_;
};
