#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "screen/PageLayout.hpp"
#include "screen/Platform.hpp"

// The printer of `tubalyzer --print-to DIR`: every print job of the run
// becomes a PDF file in one folder, laid out on one paper size, instead of
// going to a spooler.
class PdfFolderPrinter {
 public:
  // Empty, with the reason in `problem`, when `folder` is not a folder this
  // process can write in.
  static std::unique_ptr<PdfFolderPrinter> open(const std::string& folder, Paper paper,
                                                std::string& problem);
  ~PdfFolderPrinter();
  PdfFolderPrinter(const PdfFolderPrinter&) = delete;
  PdfFolderPrinter& operator=(const PdfFolderPrinter&) = delete;

  // Always there: the paper chosen for the run.
  PrinterOpen openDefaultPrinter() const;

  // Writes the job as NAME-K.pdf: NAME from the design's title, K the
  // smallest number from 1 that names no file yet. The notice says where it
  // went, within one screen row.
  PrintSubmission submitPrintJob(const PrintDocument& document);

 private:
  PdfFolderPrinter(int folderFd, Paper paper) : folderFd_(folderFd), paper_(paper) {}

  int folderFd_;
  Paper paper_;
};

// The NAME of a title's files: ASCII letters, digits, "-" and "_" as they
// are, every other byte "_", at most 100 of them; "ELEMENT" for no title.
std::string fileNameOfTitle(std::string_view title);
