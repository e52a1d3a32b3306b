#include "platform/common/PrinterDelegate.hpp"

namespace {
const char* const kNoSpooler = "No printer is available";
}

PrinterOpen PrinterDelegate::open() const {
  if (!openDefaultPrinter) return PrinterOpen{std::nullopt, kNoSpooler};
  return openDefaultPrinter();
}

PrintSubmission PrinterDelegate::submit(const PrintDocument& document) const {
  if (!submitPrintJob) return PrintSubmission{kNoSpooler, {}};
  return submitPrintJob(document);
}
