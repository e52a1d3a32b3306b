// The print command as a user meets it: from the command line under the load
// table, through the real program, into the headless platform's print jobs.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../analysis/DesignRecords.hpp"
#include "../support/JsonLines.hpp"
#include "model/Design.hpp"
#include "platform/headless/Session.hpp"

namespace {

using Pages = std::vector<std::vector<std::string>>;

const std::string kEntryCommandLine = "<A>DD  <C>HANGE  <D>ELETE  <S>AVE  <P>RINT  <E>ND  ";

std::string padTo80(std::string text) {
  text.resize(80, ' ');
  return text;
}

// The design and options of a reference record as the user left them after
// the options dialogue and data entry; the analysis is the program's own.
void enterDesign(DesignModel& design, const jsonl::Value& record) {
  const DesignModel entered = designs::modelOf(record);
  design.options = entered.options;
  design.element = entered.element;
  design.gates.optionsSelected = true;
  design.gates.designPresent = true;
}

// The printed page a report makes: its lines up to the form feed.
Pages pagesOfReport(const std::string& report) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::size_t formFeed = report.find('\f');
  while (start < formFeed) {
    const std::size_t end = report.find("\r\n", start);
    if (end == std::string::npos || end > formFeed) {
      ADD_FAILURE() << "report line without CR LF";
      break;
    }
    lines.push_back(report.substr(start, end - start));
    start = end + 2;
  }
  return Pages{lines};
}

// Title declined, the design in place, View Analysis on screen with its
// command line waiting.
void openLoadTable(Session& s, const jsonl::Value& record) {
  s.type("n");
  s.waitIdle();
  enterDesign(s.design(), record);
  s.type("v");
  s.waitIdle();
}

std::size_t jobsPrinted(Session& s) {
  s.waitIdle();
  return s.platform().printed().size();
}

TEST(PrintedReportSessionTest, EveryReferenceDesignPrintsItsReportAsOnePage) {
  const std::vector<jsonl::Value>& records = designs::records();
  ASSERT_GE(records.size(), 100u);
  for (const jsonl::Value& record : records) {
    const std::string id = record["id"].text;
    Session s;
    openLoadTable(s, record);
    s.type("p");
    ASSERT_EQ(jobsPrinted(s), 1u) << "design " << id;
    const PrintDocument& job = s.platform().printed()[0];
    EXPECT_EQ(job.pages, pagesOfReport(record["printed_report"].str())) << "design " << id;
    EXPECT_EQ(job.geometry.widthPt, PageGeometry{}.widthPt);
  }
}

TEST(PrintedReportSessionTest, PrintingLeavesTheTableAndShowsTheEntryCommandLine) {
  Session s;
  openLoadTable(s, designs::records().at(0));
  const std::string before = s.screenText();
  EXPECT_NE(s.row(23).find("<R>ECALL"), std::string::npos);

  s.type("p");
  EXPECT_EQ(s.row(23), padTo80(kEntryCommandLine));
  const std::string after = s.screenText();
  // Rows 1 to 22 are untouched: nothing is shown while the report prints.
  EXPECT_EQ(after.substr(0, 22 * 81), before.substr(0, 22 * 81));
  EXPECT_EQ(s.row(22), padTo80(""));
  EXPECT_EQ(jobsPrinted(s), 1u);
  EXPECT_EQ(s.platform().printerOpens(), 1);
}

TEST(PrintedReportSessionTest, EachPrintCommandIsItsOwnJob) {
  Session s;
  openLoadTable(s, designs::records().at(1));
  s.type("p");
  EXPECT_EQ(jobsPrinted(s), 1u);
  s.type("P");
  ASSERT_EQ(jobsPrinted(s), 2u);
  EXPECT_EQ(s.platform().printed()[0].pages, s.platform().printed()[1].pages);
  EXPECT_EQ(s.row(23), padTo80(kEntryCommandLine));
}

TEST(PrintedReportSessionTest, WithoutAPrinterTheUserIsToldAndTheCommandLineReturns) {
  HeadlessOptions options;
  options.printer.reset();
  options.printerError = "No default printer.";
  Session s(options);
  openLoadTable(s, designs::records().at(2));
  s.type("p");
  EXPECT_EQ(s.row(22), padTo80("No default printer: the load table was not printed."));
  EXPECT_EQ(s.row(23), padTo80(kEntryCommandLine));
  EXPECT_EQ(jobsPrinted(s), 0u);
  EXPECT_EQ(s.platform().printerOpens(), 1) << "one look for the printer per print command";

  // A printer set up meanwhile is found by the next print command, and the
  // stale message goes away.
  s.platform().setPrinter(PageGeometry{}, "");
  s.type("p");
  EXPECT_EQ(jobsPrinted(s), 1u);
  EXPECT_EQ(s.row(22), padTo80(""));
  EXPECT_EQ(s.row(23), padTo80(kEntryCommandLine));
}

TEST(PrintedReportSessionTest, SpoolerRefusalIsShown) {
  HeadlessOptions options;
  options.submitError = "Printer is not accepting jobs.";
  Session s(options);
  openLoadTable(s, designs::records().at(3));
  s.type("p");
  EXPECT_EQ(s.row(22), padTo80("Printer is not accepting jobs: the load table was not printed."));
  EXPECT_EQ(s.row(23), padTo80(kEntryCommandLine));
}

TEST(PrintedReportSessionTest, DesignWithoutSectionsPrintsTheHeadsOnly) {
  Session s;
  s.type("n");
  s.waitIdle();
  enterDesign(s.design(), designs::records().at(0));
  s.design().element.sectionCount = 0;
  s.type("v");
  s.waitIdle();
  s.type("p");
  ASSERT_EQ(jobsPrinted(s), 1u);
  const Pages& pages = s.platform().printed()[0].pages;
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_GE(pages[0].size(), 4u);
  EXPECT_EQ(pages[0][pages[0].size() - 4],
            "SECT.    OD      WALL   LENGTH   CUM LEN   MAX WIND (MPH)");
  EXPECT_EQ(pages[0][pages[0].size() - 3],
            "-----  -----    -----   ------   -------   ------------");
  EXPECT_EQ(pages[0][pages[0].size() - 2], " ");
  EXPECT_EQ(pages[0][pages[0].size() - 1], " ");
}

}  // namespace
