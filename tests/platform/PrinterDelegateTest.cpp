#include <gtest/gtest.h>

#include "platform/common/PrinterDelegate.hpp"

namespace {

TEST(PrinterDelegate, WithoutASpoolerPrintingIsRefusedInWords) {
  const PrinterDelegate none;
  const PrinterOpen opened = none.open();
  EXPECT_FALSE(opened.geometry);
  EXPECT_FALSE(opened.error.empty());
  EXPECT_FALSE(none.submit(PrintDocument{}).empty());
}

TEST(PrinterDelegate, ForwardsToThePluggedInSpooler) {
  std::vector<std::string> submitted;
  PageGeometry a4;
  a4.pageWidthPt = 595.0;
  const PrinterDelegate spooler{[&] {
                                  return PrinterOpen{a4, ""};
                                },
                                [&](const PrintDocument& document) {
                                  submitted.push_back(document.name);
                                  return document.name == "bad" ? std::string("jammed")
                                                                : std::string();
                                }};
  ASSERT_TRUE(spooler.open().geometry);
  EXPECT_EQ(spooler.open().geometry->pageWidthPt, 595.0);
  EXPECT_EQ(spooler.submit(PrintDocument{"load table", a4, {}}), "");
  EXPECT_EQ(spooler.submit(PrintDocument{"bad", a4, {}}), "jammed");
  EXPECT_EQ(submitted, (std::vector<std::string>{"load table", "bad"}));
}

}  // namespace
