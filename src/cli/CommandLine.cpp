#include "cli/CommandLine.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "cli/Arguments.hpp"
#include "cli/BuildInfo.hpp"
#include "report/ReportOptions.hpp"

namespace {

constexpr std::array kOptions{
    OptionSpec{"--help"},           OptionSpec{"-h"},
    OptionSpec{"--version"},        OptionSpec{"--window"},
    OptionSpec{"--terminal"},       OptionSpec{"--documents"},
    OptionSpec{"--print-to", true}, OptionSpec{"--paper", true},
};

constexpr std::array kReportOptions{
    OptionSpec{"--yield", true},    OptionSpec{"--ice", true},
    OptionSpec{"--standard", true}, OptionSpec{"--format", true},
    OptionSpec{"--paper", true},    OptionSpec{"--output", true},
    OptionSpec{"--help"},           OptionSpec{"-h"},
};

Invocation badUsage(Invocation invocation, std::string problem) {
  invocation.action = Invocation::Action::BadUsage;
  invocation.problem = std::move(problem);
  return invocation;
}

// The paper named by --paper; empty with `problem` set for any other word.
std::optional<Paper> paperNamed(const SplitArguments& split, std::string& problem) {
  const std::string name = split.last("--paper").value_or("letter");
  if (sameWordIgnoringCase(name, "letter")) {
    return Paper::Letter;
  }
  if (sameWordIgnoringCase(name, "a4")) {
    return Paper::A4;
  }
  problem = "--paper is letter or a4, not '" + name + "'";
  return std::nullopt;
}

std::optional<ReportFormat> formatNamed(const std::string& name) {
  constexpr std::array<std::pair<std::string_view, ReportFormat>, 4> kFormats{{
      {"text", ReportFormat::Text},
      {"csv", ReportFormat::Csv},
      {"json", ReportFormat::Json},
      {"pdf", ReportFormat::Pdf},
  }};
  for (const auto& [word, format] : kFormats) {
    if (sameWordIgnoringCase(name, word)) {
      return format;
    }
  }
  return std::nullopt;
}

Invocation readReportCommand(std::span<const std::string> words) {
  Invocation invocation;
  invocation.reportCommand = true;
  const SplitArguments split = splitArguments(words, kReportOptions);
  if (!split.ok()) {
    return badUsage(invocation, split.problem);
  }
  if (split.has("--help") || split.has("-h")) {
    invocation.action = Invocation::Action::ReportHelp;
    return invocation;
  }
  const ChosenOptions chosen = chooseOptions(
      OptionAnswers{split.last("--yield"), split.last("--ice"), split.last("--standard")});
  if (!chosen.problem.empty()) {
    return badUsage(invocation, chosen.problem);
  }
  ReportRequest& request = invocation.report;
  request.options = chosen.options;
  const std::string formatName = split.last("--format").value_or("text");
  const std::optional<ReportFormat> format = formatNamed(formatName);
  if (!format) {
    return badUsage(invocation, "--format is text, csv, json or pdf, not '" + formatName + "'");
  }
  request.format = *format;
  std::string problem;
  const std::optional<Paper> paper = paperNamed(split, problem);
  if (!paper) {
    return badUsage(invocation, problem);
  }
  request.paper = *paper;
  request.output = split.last("--output");
  if (request.output && request.output->empty()) {
    return badUsage(invocation, "--output needs a file name");
  }
  if (request.format == ReportFormat::Pdf && !request.output) {
    return badUsage(invocation, "--format pdf needs --output FILE");
  }
  if (split.operands.empty()) {
    return badUsage(invocation, "no FILE.ELE given");
  }
  request.files = split.operands;
  invocation.action = Invocation::Action::Report;
  return invocation;
}

}  // namespace

Invocation readCommandLine(std::span<const std::string> words) {
  if (!words.empty() && words.front() == "report") {
    return readReportCommand(words.subspan(1));
  }
  Invocation invocation;
  const SplitArguments split = splitArguments(words, kOptions);
  if (!split.ok()) {
    return badUsage(invocation, split.problem);
  }
  // Asking for help or the version answers that, whatever else was given.
  if (split.has("--help") || split.has("-h")) {
    invocation.action = Invocation::Action::Help;
    return invocation;
  }
  if (split.has("--version")) {
    invocation.action = Invocation::Action::Version;
    return invocation;
  }
  if (!split.operands.empty()) {
    return badUsage(invocation, "unexpected argument '" + split.operands.front() + "'");
  }
  const bool window = split.has("--window");
  const bool terminal = split.has("--terminal");
  if (window && terminal) {
    return badUsage(invocation, "--window and --terminal cannot be used together");
  }
  invocation.frontEnd = window     ? FrontEndChoice::Window
                        : terminal ? FrontEndChoice::Terminal
                                   : FrontEndChoice::Automatic;
  invocation.documents = split.has("--documents");
  invocation.printTo = split.last("--print-to").value_or("");
  if (split.has("--print-to") && invocation.printTo.empty()) {
    return badUsage(invocation, "--print-to needs a folder");
  }
  std::string problem;
  const std::optional<Paper> paper = paperNamed(split, problem);
  if (!paper) {
    return badUsage(invocation, problem);
  }
  // A printer prints on the paper it has; only files take this choice.
  if (split.has("--paper") && invocation.printTo.empty()) {
    return badUsage(invocation, "--paper needs --print-to DIR");
  }
  invocation.paper = *paper;
  return invocation;
}

std::string usageText() {
  return "Usage: tubalyzer [OPTION...]\n"
         "       tubalyzer report [OPTION...] FILE.ELE...\n"
         "Wind load analysis of telescoping aluminium antenna elements.\n"
         "\n"
         "With no option, Tubalyzer opens a window when a display is available and\n"
         "otherwise runs in the terminal it was started from. Element files are saved\n"
         "to and recalled from the current folder.\n"
         "\n"
         "Options:\n"
         "  --window        run in a window; fail if none can be opened\n"
         "  --terminal      run in this terminal, even when a display is available\n"
         "  --documents     work in the folder Tubalyzer in your documents folder\n"
         "                  (created if missing) instead of the current folder\n"
         "  --print-to DIR  print every load table of this run as a PDF file in the\n"
         "                  folder DIR instead of on the default printer; each file\n"
         "                  is named after the design's title: TITLE-1.pdf, then\n"
         "                  TITLE-2.pdf and so on, never replacing a file\n"
         "  --paper PAPER   the paper of those files: letter (the default) or a4\n"
         "  -h, --help      show this help and exit\n"
         "  --version       show the version and exit\n"
         "\n"
         "tubalyzer report analyses element files without the screen and writes\n"
         "their load tables as text, CSV, JSON or PDF: see tubalyzer report --help.\n"
         "\n"
         "Exit status: 0 when the program ended normally, 1 when it could not run,\n"
         "2 for bad usage.\n";
}

std::string reportUsageText() {
  return "Usage: tubalyzer report [OPTION...] FILE.ELE...\n"
         "Analyses each element file as View Analysis does after a recall and writes\n"
         "its load table, without the screen.\n"
         "\n"
         "The analysis options, answered as in the Options dialogue:\n"
         "  --yield PSI           material yield strength, 500 to 120000 psi; empty\n"
         "                        or absent: 35000\n"
         "  --ice KIND:THICKNESS  ice loading: KIND is hoarfrost, rime or glaze (or h,\n"
         "                        r, g), THICKNESS the radial thickness in inches, 0\n"
         "                        to 1; absent: no ice\n"
         "  --standard C          wind pressure by EIA-222-C (the default)\n"
         "  --standard E:HEIGHT   wind pressure by EIA/TIA-222-E, the antenna HEIGHT\n"
         "                        above ground in feet (above 0)\n"
         "KIND, C and E may be written in either case. A value the dialogue would\n"
         "refuse is bad usage.\n"
         "\n"
         "The output:\n"
         "  --format text         the printed load table, as the printer gets it, with\n"
         "                        LF line ends and a form feed after each (default)\n"
         "  --format csv          one header line, then one row per section\n"
         "  --format json         an array of one object per file\n"
         "  --format pdf          the printed pages (Courier, 12 characters per inch);\n"
         "                        needs --output\n"
         "  --paper PAPER         the PDF's paper: letter (the default) or a4, with\n"
         "                        margins of 0.25 inch\n"
         "  --output FILE         write FILE instead of standard output: replaced whole\n"
         "                        in one step, and only when a file was reported\n"
         "  -h, --help            show this help and exit\n"
         "\n"
         "CSV columns: file, title, yield_psi, ice, radial_ice_in, standard, height_ft,\n"
         "section, od_in, wall_in, exposed_in, total_in, id_in, section_modulus_in3,\n"
         "wind_force_lb, weight_lb, ice_weight_lb, area_sqft, moment_lbin, stress_psi,\n"
         "cum_length_in, max_wind_mph.\n"
         "JSON keys: file, title, count; options (yield_psi, ice, ice_density_lb_per_in3,\n"
         "radial_ice_in, standard, height_ft, kz, pressure_psf, shape_factor; null where\n"
         "they do not apply); sections (section and the CSV's section columns); totals\n"
         "(weight_lb, area_sqft, cum_length_in, force_lb, moment_lbin).\n"
         "Every value is the shortest decimal that reads back as the program's own\n"
         "single-precision number, bit for bit; one that is not finite is null in JSON\n"
         "and empty in CSV. Texts are UTF-8; file names are given as they are.\n"
         "\n"
         "Options may come before or after the files, as --yield 35000 or\n"
         "--yield=35000; -- ends the options. Each file is read as the recall command\n"
         "reads it, letter case of its name aside. A file that cannot be reported is\n"
         "named on standard error, and the others are still reported.\n"
         "\n"
         "Exit status: 0 when every file was reported, 1 when a file was left out or\n"
         "the output could not be written, 2 for bad usage (then nothing is written).\n";
}

std::string versionLine() {
  return std::string("Tubalyzer 2.20 (build ") + kBuildDescription + ")";
}

std::string badUsageLine(const Invocation& invocation) {
  if (invocation.reportCommand) {
    return "report: " + invocation.problem + " (try tubalyzer report --help)";
  }
  return "tubalyzer: " + invocation.problem + " (try --help)";
}
