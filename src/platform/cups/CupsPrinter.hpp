#pragma once

#include <string>

#include "screen/Platform.hpp"

// The system's default printer, reached through the CUPS spooler. Every call
// opens its own connection with short time limits, so a print server that is
// missing, refuses or hangs costs a few seconds at most and never blocks the
// program for good.
class CupsPrinter {
 public:
  // Finds the default destination and its default page: the printable area
  // the spooler reports, or Letter with 0.25 inch margins when it reports
  // none. On failure, the reason in words for the user.
  PrinterOpen openDefaultPrinter();

  // Draws the job as PDF and hands it to the printer found by the last open
  // (the default printer when there was none). "" on success, else why not.
  std::string submitPrintJob(const PrintDocument& document);

 private:
  std::string destination_;  // name of the printer found by the last open
  std::string instance_;
};
