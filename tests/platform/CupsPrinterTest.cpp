// The spooler calls give up with a reason when there is no print server or
// when it never answers. (Printing through a real daemon is checked by the
// system tests, which start one of their own.)

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/cups/CupsPrinter.hpp"

namespace {

class CupsPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tub-cups-test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (listener_ >= 0) {
      close(listener_);
    }
    cupsSetServer(nullptr);  // back to the environment's choice
    std::system(("rm -rf '" + folder_ + "'").c_str());
  }

  // A Unix socket that takes connections into its backlog and never
  // accepts or answers them: a print server that hangs.
  std::string silentServer() {
    const std::string path = folder_ + "/silent.sock";
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_GE(listener_, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(listen(listener_, 16), 0);
    return path;
  }

  static PrintDocument smallJob() {
    PrintDocument document;
    document.name = "test";
    document.pages = {{"one line"}};
    return document;
  }

  std::string folder_;
  int listener_ = -1;
};

TEST_F(CupsPrinterTest, NoServerIsReportedAtOnce) {
  cupsSetServer((folder_ + "/nobody.sock").c_str());
  CupsPrinter printer;
  const PrinterOpen open = printer.openDefaultPrinter();
  EXPECT_FALSE(open.geometry.has_value());
  EXPECT_EQ(open.error, "The print server cannot be reached");
  EXPECT_EQ(printer.submitPrintJob(smallJob()), "The print server cannot be reached");
}

TEST_F(CupsPrinterTest, SilentServerIsGivenUpOn) {
  cupsSetServer(silentServer().c_str());
  CupsPrinter printer;
  const PrinterOpen open = printer.openDefaultPrinter();
  EXPECT_FALSE(open.geometry.has_value());
  EXPECT_EQ(open.error, "The print server did not answer");
  EXPECT_EQ(printer.submitPrintJob(smallJob()), "The print server did not answer");
}

}  // namespace
