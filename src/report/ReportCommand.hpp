#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Design.hpp"
#include "screen/PageLayout.hpp"
#include "screen/Platform.hpp"

// `tubalyzer report`: element files analysed and reported without a screen.

enum class ReportFormat { Text, Csv, Json, Pdf };

struct ReportRequest {
  DesignOptions options;  // as chosen by chooseOptions
  ReportFormat format = ReportFormat::Text;
  Paper paper = Paper::Letter;        // for the PDF
  std::optional<std::string> output;  // a file; standard output when none
  std::vector<std::string> files;     // paths as the system gave them
};

// Draws a print job as a PDF file: its bytes, or nothing with `problem` set.
// The PDF writer lives outside the core; the caller hands it in.
using PdfWriter = std::function<std::string(const PrintDocument& job, std::string& problem)>;

struct ReportOutput {
  std::string bytes;                  // everything the output receives
  std::vector<std::string> refusals;  // "FILE: why", one per file not reported
  std::size_t reported = 0;           // files in `bytes`
  std::string failure;                // why no output could be made at all
};

// Reads, analyses and formats every file; the files that cannot be read or
// are no element files are left out and named in `refusals`.
ReportOutput buildReport(const ReportRequest& request, const PdfWriter& pdf);

// The whole command: builds the report, names each file left out on
// standard error ("report: FILE: why"), then writes the output to the
// --output file (atomically, and only when a file was reported) or to
// standard output. Returns the exit status: 0 when every file was reported
// and written, else 1. Standard output closed early (a reader such as
// `head` gone) is status 1 without a word; SIGPIPE must be ignored.
int runReport(const ReportRequest& request, const PdfWriter& pdf);
