#pragma once

#include <functional>
#include <string>

#include "screen/Platform.hpp"

// How a front-end reaches the print spooler. The window and the terminal
// print the same way, so the spooler is handed to them from outside instead
// of being built into either.
struct PrinterDelegate {
  std::function<PrinterOpen()> openDefaultPrinter;
  std::function<std::string(const PrintDocument&)> submitPrintJob;

  // Forwards, with a plain refusal when no spooler was plugged in.
  PrinterOpen open() const;
  std::string submit(const PrintDocument& document) const;
};
