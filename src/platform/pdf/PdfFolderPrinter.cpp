#include "platform/pdf/PdfFolderPrinter.hpp"

#include <unistd.h>

#include <cstddef>

#include "files/NewFile.hpp"
#include "platform/pdf/PdfPages.hpp"
#include "screen/ShortText.hpp"

namespace {

constexpr std::size_t kLongestName = 100;

bool keptInName(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
         ch == '-' || ch == '_';
}

}  // namespace

std::string fileNameOfTitle(std::string_view title) {
  std::string name;
  for (const char ch : title.substr(0, kLongestName)) {
    name.push_back(keptInName(ch) ? ch : '_');
  }
  return name.empty() ? std::string("ELEMENT") : name;
}

std::unique_ptr<PdfFolderPrinter> PdfFolderPrinter::open(const std::string& folder, Paper paper,
                                                         std::string& problem) {
  const int fd = openFolderForNewFiles(folder, problem);
  if (fd < 0) {
    return nullptr;
  }
  return std::unique_ptr<PdfFolderPrinter>(new PdfFolderPrinter(fd, paper));
}

PdfFolderPrinter::~PdfFolderPrinter() { ::close(folderFd_); }

PrinterOpen PdfFolderPrinter::openDefaultPrinter() const {
  return PrinterOpen{paperGeometry(paper_), std::string()};
}

PrintSubmission PdfFolderPrinter::submitPrintJob(const PrintDocument& document) {
  const PdfFile pdf = renderPdf(document);
  if (!pdf.error.empty()) {
    return PrintSubmission{pdf.error, {}};
  }
  const std::string stem = fileNameOfTitle(document.title) + "-";
  const NewFile file = addNewFile(
      folderFd_, pdf.bytes, [&stem](int number) { return stem + std::to_string(number) + ".pdf"; });
  if (!file.problem.empty()) {
    return PrintSubmission{"Print folder: " + file.problem, {}};
  }
  // A long name loses its middle: its start (the title) and its end (the
  // number) say which file it is.
  return PrintSubmission{{}, messageNaming("Printed to ", file.name, "")};
}
