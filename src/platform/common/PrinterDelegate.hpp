#pragma once

#include <functional>
#include <string>

#include "screen/Platform.hpp"

// How a front-end reaches the print spooler. The window and the terminal
// print the same way, so the spooler is handed to them from outside instead
// of being built into either.
struct PrinterDelegate {
  std::function<PrinterOpen()> openDefaultPrinter;
  std::function<PrintSubmission(const PrintDocument&)> submitPrintJob;

  // Forwards, with a plain refusal when no spooler was plugged in.
  PrinterOpen open() const;
  PrintSubmission submit(const PrintDocument& document) const;
};
