// --print-to: jobs become NAME-K.pdf in the folder, K the smallest free
// number, nothing ever replaced; the notice fits the screen row; a folder
// that is gone is a reason, not a crash.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/pdf/PdfFolderPrinter.hpp"

namespace {

namespace fs = std::filesystem;

class PdfFolderPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tubalyzer-pdfs-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override { fs::remove_all(folder); }

  PrintDocument job(std::string title) const {
    PrintDocument document{"Tubalyzer load table", paperGeometry(Paper::A4), {{"LINE"}}};
    document.title = std::move(title);
    return document;
  }
  std::string contents(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder;
};

TEST(PdfFileNames, TitleKeepsAsciiLettersDigitsDashAndUnderscore) {
  EXPECT_EQ(fileNameOfTitle("TEST 20M"), "TEST_20M");
  EXPECT_EQ(fileNameOfTitle("Yagi-3el_v2 (\x82t\x82)/x"), "Yagi-3el_v2___t___x");
  EXPECT_EQ(fileNameOfTitle(""), "ELEMENT");
  EXPECT_EQ(fileNameOfTitle(std::string(300, 'A')).size(), 100U);
}

TEST_F(PdfFolderPrinterTest, NumbersFromOneSkippingTakenNamesAndReplacingNothing) {
  std::ofstream(folder / "TEST_20M-1.pdf") << "someone else's";
  std::string problem;
  const auto printer = PdfFolderPrinter::open(folder.string(), Paper::A4, problem);
  ASSERT_TRUE(printer) << problem;
  ASSERT_TRUE(printer->openDefaultPrinter().geometry);
  EXPECT_NEAR(printer->openDefaultPrinter().geometry->pageWidthPt, 595.276, 1e-3);

  const PrintSubmission first = printer->submitPrintJob(job("TEST 20M"));
  EXPECT_EQ(first.failure, "");
  EXPECT_EQ(first.notice, "Printed to TEST_20M-2.pdf");
  EXPECT_EQ(printer->submitPrintJob(job("TEST 20M")).notice, "Printed to TEST_20M-3.pdf");
  EXPECT_EQ(contents("TEST_20M-1.pdf"), "someone else's");
  EXPECT_EQ(contents("TEST_20M-2.pdf").substr(0, 5), "%PDF-");
  // Only the three files: nothing half-written or temporary stays behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);

  const PrintSubmission longTitle = printer->submitPrintJob(job(std::string(90, 'W')));
  EXPECT_LE(longTitle.notice.size(), 79U);
  EXPECT_EQ(longTitle.notice.substr(0, 13), "Printed to WW");
  EXPECT_NE(longTitle.notice.find("...W"), std::string::npos);
  EXPECT_EQ(longTitle.notice.substr(longTitle.notice.size() - 6), "-1.pdf");

  fs::remove_all(folder);
  const PrintSubmission gone = printer->submitPrintJob(job("TEST 20M"));
  EXPECT_EQ(gone.failure, "Print folder: no such file or directory");
  EXPECT_EQ(gone.notice, "");
}

TEST_F(PdfFolderPrinterTest, OnlyAWritableFolderIsTaken) {
  std::ofstream(folder / "plain") << "x";
  std::string problem;
  EXPECT_FALSE(PdfFolderPrinter::open((folder / "plain").string(), Paper::Letter, problem));
  EXPECT_EQ(problem, "not a directory");
  EXPECT_FALSE(PdfFolderPrinter::open((folder / "none").string(), Paper::Letter, problem));
  EXPECT_EQ(problem, "no such file or directory");
}

}  // namespace
