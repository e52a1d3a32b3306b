#include "report/ReportCommand.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string_view>

#include "files/ElementFile.hpp"
#include "files/FileStore.hpp"
#include "files/PosixFile.hpp"
#include "report/ElementReport.hpp"
#include "report/ReportFormats.hpp"
#include "screen/PrinterChannel.hpp"

namespace {

constexpr std::string_view kCommand = "report: ";

// The file as an analysed design, or why it is none.
std::optional<ElementReport> reportOf(const std::string& file, const DesignOptions& options,
                                      std::string& refusal) {
  const FileRead read = readFileAtPath(file, kMaxElementFileBytes);
  if (!read.ok()) {
    refusal = file + ": " + read.problem;
    return std::nullopt;
  }
  const ElementFileContents contents = readElementFile(read.bytes);
  if (const std::optional<std::string> problem = elementFileProblem(contents)) {
    refusal = file + ": not an element file (" + *problem + ")";
    return std::nullopt;
  }
  return analyseElement(file, contents, options);
}

// One report in the format asked for; the PDF collects the printer's
// bytes and is drawn once all are in.
std::string piece(const ElementReport& report, ReportFormat format, bool first) {
  switch (format) {
    case ReportFormat::Text:
      return reportText(report);
    case ReportFormat::Csv:
      return first ? csvHeader() + csvRows(report) : csvRows(report);
    case ReportFormat::Json:
      return (first ? "[\n" : ",\n") + jsonObject(report);
    case ReportFormat::Pdf:
      break;
  }
  return printedReportBytes(report.design);
}

// The pieces end to end, copied once: a thousand files make megabytes.
std::string joined(const std::vector<std::string>& pieces) {
  std::size_t size = 0;
  for (const std::string& part : pieces) {
    size += part.size();
  }
  std::string whole;
  whole.reserve(size);
  for (const std::string& part : pieces) {
    whole += part;
  }
  return whole;
}

void finish(ReportOutput& output, std::vector<std::string>& pieces, const ReportRequest& request,
            const PdfWriter& pdf, const std::string& firstTitle) {
  if (output.reported == 0) {
    return;
  }
  if (request.format == ReportFormat::Json) {
    pieces.emplace_back("\n]\n");
  }
  output.bytes = joined(pieces);
  if (request.format != ReportFormat::Pdf) {
    return;
  }
  PrintDocument job;
  job.name = kPrintJobName;
  job.geometry = paperGeometry(request.paper);
  job.pages = layOutPages(output.bytes, pageGrid(job.geometry));
  job.title = firstTitle;
  std::string problem;
  output.bytes = pdf ? pdf(job, problem) : std::string();
  if (output.bytes.empty()) {
    output.failure = problem.empty() ? "no PDF writer" : problem;
  }
}

void say(const std::string& line) {
  const std::string text = std::string(kCommand) + line + "\n";
  std::fputs(text.c_str(), stderr);
}

}  // namespace

ReportOutput buildReport(const ReportRequest& request, const PdfWriter& pdf) {
  ReportOutput output;
  std::vector<std::string> pieces;
  pieces.reserve(request.files.size() + 1);
  std::string firstTitle;
  for (const std::string& file : request.files) {
    std::string refusal;
    const std::optional<ElementReport> report = reportOf(file, request.options, refusal);
    if (!report) {
      output.refusals.push_back(refusal);
      continue;
    }
    if (output.reported == 0) {
      firstTitle = report->design.element.title;
    }
    pieces.push_back(piece(*report, request.format, output.reported == 0));
    ++output.reported;
  }
  finish(output, pieces, request, pdf, firstTitle);
  return output;
}

int runReport(const ReportRequest& request, const PdfWriter& pdf) {
  const ReportOutput output = buildReport(request, pdf);
  for (const std::string& refusal : output.refusals) {
    say(refusal);
  }
  if (output.reported == 0) {
    return 1;
  }
  if (!output.failure.empty()) {
    say("cannot make the PDF: " + output.failure);
    return 1;
  }
  const int status = output.refusals.empty() ? 0 : 1;
  if (request.output) {
    if (const std::string problem = writeWholeFile(*request.output, output.bytes);
        !problem.empty()) {
      say("cannot write " + *request.output + ": " + problem);
      return 1;
    }
    return status;
  }
  if (const int error = writeAllTo(STDOUT_FILENO, output.bytes); error != 0) {
    // A reader that has gone away wants no more; anything else is news.
    if (error != EPIPE) {
      say("cannot write to standard output: " + reasonOfError(error));
    }
    return 1;
  }
  return status;
}
