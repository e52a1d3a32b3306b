#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "screen/Platform.hpp"
#include "screen/PrinterChannel.hpp"

namespace {

using Pages = std::vector<std::vector<std::string>>;

// A platform that only prints: it answers the printer questions as told and
// keeps what it was given.
class PrintingPlatform final : public Platform {
 public:
  void present(const TextScreen& /*screen*/) override {}
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> /*timeout*/) override {
    throw PlatformClosed();
  }
  void beep() override {}

  PrinterOpen openDefaultPrinter() override {
    ++opens;
    if (throwOnOpen) {
      throw std::runtime_error("spooler library blew up");
    }
    return PrinterOpen{printer, openError};
  }
  PrintSubmission submitPrintJob(const PrintDocument& document) override {
    submitted.push_back(document);
    return {submitError, notice};
  }

  std::optional<PageGeometry> printer = PageGeometry{};
  std::string openError;
  std::string submitError;
  std::string notice;
  bool throwOnOpen = false;
  int opens = 0;
  std::vector<PrintDocument> submitted;
};

class PrinterChannelTest : public ::testing::Test {
 protected:
  PrintingPlatform platform;
  PrinterChannel channel{platform};
};

TEST_F(PrinterChannelTest, OpensOnTheFirstWriteAndSubmitsOneJobOnClose) {
  EXPECT_FALSE(channel.isOpen());
  EXPECT_EQ(platform.opens, 0);
  channel.beginCommand();
  EXPECT_EQ(platform.opens, 0) << "a command alone must not reach for the printer";

  channel.print("HELLO", Ending::EndLine);
  EXPECT_TRUE(channel.isOpen());
  channel.print("WORLD", Ending::Stay);
  channel.lineEnd();
  EXPECT_EQ(platform.opens, 1);
  EXPECT_TRUE(platform.submitted.empty()) << "nothing goes to the spooler before the close";

  channel.close();
  EXPECT_FALSE(channel.isOpen());
  ASSERT_EQ(platform.submitted.size(), 1u);
  EXPECT_EQ(platform.submitted[0].pages, (Pages{{"HELLO", "WORLD"}}));
  EXPECT_FALSE(platform.submitted[0].name.empty());
  EXPECT_TRUE(channel.failure().empty());
}

TEST_F(PrinterChannelTest, TwoCommandsGiveTwoSeparateJobs) {
  for (const char* text : {"FIRST", "SECOND"}) {
    channel.beginCommand();
    channel.print(text, Ending::EndLine);
    channel.print("\f", Ending::EndLine);
    channel.close();
  }
  EXPECT_EQ(platform.opens, 2);
  ASSERT_EQ(platform.submitted.size(), 2u);
  EXPECT_EQ(platform.submitted[0].pages, (Pages{{"FIRST"}}));
  EXPECT_EQ(platform.submitted[1].pages, (Pages{{"SECOND"}}));
}

TEST_F(PrinterChannelTest, CloseWithoutWritingSendsNothing) {
  channel.close();
  channel.beginCommand();
  channel.close();
  EXPECT_EQ(platform.opens, 0);
  EXPECT_TRUE(platform.submitted.empty());
}

TEST_F(PrinterChannelTest, JobOfLineEndsAloneSpendsNoPaper) {
  channel.print("", Ending::EndLine);
  channel.print("\f", Ending::EndLine);
  channel.close();
  EXPECT_TRUE(platform.submitted.empty());
  EXPECT_TRUE(channel.failure().empty());
}

TEST_F(PrinterChannelTest, ColumnTabsAndZonesWorkAsOnAFile) {
  EXPECT_EQ(channel.column(), 1);
  channel.print("SECT.", Ending::Stay);
  EXPECT_EQ(channel.column(), 6);
  channel.tab(10);
  channel.print("OD", Ending::NextZone);
  EXPECT_EQ(channel.column(), 15);
  channel.print("X", Ending::Stay);
  channel.tab(3);  // behind the position: a new line first
  channel.print("Y", Ending::EndLine);
  EXPECT_EQ(channel.column(), 1);
  channel.close();
  ASSERT_EQ(platform.submitted.size(), 1u);
  EXPECT_EQ(platform.submitted[0].pages, (Pages{{"SECT.    OD   X", "  Y"}}));
}

TEST_F(PrinterChannelTest, PagesFollowThePrintersGrid) {
  PageGeometry narrow;
  narrow.widthPt = 60.0;   // 10 columns
  narrow.heightPt = 20.0;  // 2 lines
  platform.printer = narrow;
  channel.print("0123456789ABC", Ending::EndLine);
  channel.print("next", Ending::EndLine);
  channel.close();
  ASSERT_EQ(platform.submitted.size(), 1u);
  EXPECT_EQ(platform.submitted[0].geometry.widthPt, 60.0);
  EXPECT_EQ(platform.submitted[0].pages, (Pages{{"0123456789", "ABC"}, {"next"}}));
}

TEST_F(PrinterChannelTest, NoPrinterTellsWhyAndAsksOnlyOncePerCommand) {
  platform.printer.reset();
  platform.openError = "No default printer";
  channel.beginCommand();
  for (int line = 0; line < 40; ++line) {
    channel.print("a line of the report", Ending::EndLine);
  }
  channel.close();
  EXPECT_EQ(platform.opens, 1) << "a missing printer must not be asked for again and again";
  EXPECT_FALSE(channel.isOpen());
  EXPECT_TRUE(platform.submitted.empty());
  EXPECT_EQ(channel.failure(), "No default printer: the load table was not printed.");
}

TEST_F(PrinterChannelTest, NextCommandTriesThePrinterAfresh) {
  platform.printer.reset();
  platform.openError = "No default printer.";
  channel.beginCommand();
  channel.print("lost", Ending::EndLine);
  channel.close();
  EXPECT_FALSE(channel.failure().empty());

  platform.printer = PageGeometry{};
  channel.print("still the same command", Ending::EndLine);
  EXPECT_EQ(platform.opens, 1) << "within one command a failed open is final";

  channel.beginCommand();
  EXPECT_TRUE(channel.failure().empty());
  channel.print("printed", Ending::EndLine);
  channel.close();
  EXPECT_EQ(platform.opens, 2);
  ASSERT_EQ(platform.submitted.size(), 1u);
  EXPECT_EQ(platform.submitted[0].pages, (Pages{{"printed"}}));
  EXPECT_TRUE(channel.failure().empty());
}

TEST_F(PrinterChannelTest, ColumnIsKeptWhileWritesAreDropped) {
  platform.printer.reset();
  channel.print("DESIGN", Ending::Stay);
  channel.tab(32);
  EXPECT_EQ(channel.column(), 32);
  channel.print("", Ending::EndLine);
  EXPECT_EQ(channel.column(), 1);
}

TEST_F(PrinterChannelTest, MissingReasonStillGivesALine) {
  platform.printer.reset();
  platform.openError.clear();
  channel.print("x", Ending::Stay);
  EXPECT_EQ(channel.failure(), "No default printer: the load table was not printed.");
}

TEST_F(PrinterChannelTest, SpoolerRefusalIsReported) {
  platform.submitError = "Printer \"office\" is not accepting jobs.";
  channel.beginCommand();
  channel.print("REPORT", Ending::EndLine);
  channel.close();
  EXPECT_EQ(channel.failure(),
            "Printer \"office\" is not accepting jobs: the load table was not printed.");
}

TEST_F(PrinterChannelTest, LongOrMultiLineReasonsStayOnOneScreenRow) {
  platform.submitError =
      "server-error-internal-error\nThe scheduler could not write the spool file for this job "
      "because the disk is full and nothing can be done about it right now.";
  channel.print("REPORT", Ending::EndLine);
  channel.close();
  const std::string& line = channel.failure();
  EXPECT_LE(line.size(), 79u);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_EQ(line,
            "server-error-internal-...ne about it right now: the load table was not printed.");
}

TEST_F(PrinterChannelTest, ExceptionFromThePlatformIsAFailureNotACrash) {
  platform.throwOnOpen = true;
  channel.beginCommand();
  channel.print("REPORT", Ending::EndLine);
  channel.close();
  EXPECT_EQ(channel.failure(), "spooler library blew up: the load table was not printed.");
}

TEST_F(PrinterChannelTest, CloseAtProgramEndHandsTheOpenDocumentOver) {
  channel.print("half a report", Ending::EndLine);
  ASSERT_TRUE(channel.isOpen());
  channel.close();  // what the program does when it ends
  ASSERT_EQ(platform.submitted.size(), 1u);
  EXPECT_EQ(platform.submitted[0].pages, (Pages{{"half a report"}}));
}

TEST_F(PrinterChannelTest, JobCarriesTheTitleAndTheNoticeComesBackAsOneRow) {
  platform.notice = "Printed to\na" + std::string(100, 'x') + ".pdf";
  channel.beginCommand("TEST 20M");
  channel.print("REPORT", Ending::EndLine);
  channel.close();
  ASSERT_EQ(platform.submitted.size(), 1u);
  EXPECT_EQ(platform.submitted[0].title, "TEST 20M");
  const std::string& notice = channel.notice();
  EXPECT_EQ(notice.size(), 79u);
  EXPECT_EQ(notice.substr(0, 12), "Printed to a") << "the line break became a blank";
  EXPECT_NE(notice.find("xx...xx"), std::string::npos);
  EXPECT_EQ(notice.substr(notice.size() - 5), "x.pdf") << "the end of the name stays";
  EXPECT_EQ(channel.failure(), "");

  platform.submitError = "jammed";
  channel.beginCommand("TEST 20M");
  channel.print("REPORT", Ending::EndLine);
  channel.close();
  EXPECT_EQ(channel.notice(), "") << "a job that failed says nothing of where it went";
  EXPECT_EQ(channel.failure(), "jammed: the load table was not printed.");
}

}  // namespace
