#include <gtest/gtest.h>

#include "platform/common/PrinterDelegate.hpp"

namespace {

TEST(PrinterDelegate, WithoutASpoolerPrintingIsRefusedInWords) {
  const PrinterDelegate none;
  const PrinterOpen opened = none.open();
  EXPECT_FALSE(opened.geometry);
  EXPECT_FALSE(opened.error.empty());
  EXPECT_FALSE(none.submit(PrintDocument{}).failure.empty());
}

TEST(PrinterDelegate, ForwardsToThePluggedInSpooler) {
  std::vector<std::string> submitted;
  PageGeometry a4;
  a4.pageWidthPt = 595.0;
  const PrinterDelegate spooler{
      [&] {
        return PrinterOpen{a4, ""};
      },
      [&](const PrintDocument& document) {
        submitted.push_back(document.name);
        return PrintSubmission{document.name == "bad" ? "jammed" : "", {}};
      }};
  ASSERT_TRUE(spooler.open().geometry);
  EXPECT_EQ(spooler.open().geometry->pageWidthPt, 595.0);
  EXPECT_EQ(spooler.submit(PrintDocument{"load table", a4, {}}).failure, "");
  EXPECT_EQ(spooler.submit(PrintDocument{"bad", a4, {}}).failure, "jammed");
  EXPECT_EQ(submitted, (std::vector<std::string>{"load table", "bad"}));
}

}  // namespace
