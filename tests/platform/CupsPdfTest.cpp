// The printed page: code page 437 text in the PDF font's encoding, the
// spooler's media sizes as a page geometry, and the PDF itself read back
// with poppler's tools.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/cups/MediaGeometry.hpp"
#include "platform/pdf/PdfPages.hpp"
#include "screen/PageLayout.hpp"

namespace {

TEST(CupsWinAnsiTest, PrintableAsciiIsUnchanged) {
  for (int code = 32; code <= 126; ++code) {
    EXPECT_EQ(winAnsiFromCp437(static_cast<std::uint8_t>(code)), code) << code;
  }
}

TEST(CupsWinAnsiTest, PcCharactersMapToTheirWinAnsiEquivalents) {
  const struct {
    std::uint8_t cp437;
    std::uint8_t winAnsi;
    const char* name;
  } cases[] = {
      {0x82, 0xE9, "e acute"},        {0x80, 0xC7, "C cedilla"},     {0x9C, 0xA3, "pound"},
      {0x9F, 0x83, "florin"},         {0xAB, 0xBD, "one half"},      {0xAE, 0xAB, "guillemet"},
      {0xE1, 0xDF, "sharp s"},        {0xE6, 0xB5, "micro"},         {0xF1, 0xB1, "plus-minus"},
      {0xF8, 0xB0, "degree"},         {0xFD, 0xB2, "superscript 2"}, {0x07, 0x95, "bullet"},
      {0x14, 0xB6, "pilcrow"},        {0x15, 0xA7, "section"},       {0xFA, 0xB7, "middle dot"},
      {0xFF, 0xA0, "no-break space"}, {0x00, 0x20, "blank cell"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(winAnsiFromCp437(c.cp437), c.winAnsi) << c.name;
  }
}

TEST(CupsWinAnsiTest, CharactersTheFontLacksGetTheOneStandIn) {
  // Box drawing, shades, Greek letters, mathematical signs, card suits.
  const std::uint8_t lacking[] = {0xB3, 0xC4, 0xC9, 0xDB, 0xB0, 0xE0, 0xE3, 0xEC, 0xF0,
                                  0xF2, 0xFB, 0xFE, 0x9E, 0xA9, 0x03, 0x10, 0x7F};
  for (const std::uint8_t code : lacking) {
    EXPECT_EQ(winAnsiFromCp437(code), kMissingGlyph) << int{code};
  }
}

TEST(CupsWinAnsiTest, NoCodeGivesAByteWinAnsiLeavesUndefined) {
  for (int code = 0; code < 256; ++code) {
    const int out = winAnsiFromCp437(static_cast<std::uint8_t>(code));
    EXPECT_GE(out, 0x20) << code;
    EXPECT_NE(out, 0x7F) << code;
    for (const int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
      EXPECT_NE(out, undefined) << code;
    }
  }
  EXPECT_EQ(winAnsiFromCp437(std::string_view("\x82t\xC9", 3)), "\xE9t?");
}

TEST(CupsMediaTest, LetterWithQuarterInchMargins) {
  const PageGeometry g = pageGeometryOf(MediaSize{21590, 27940, 635, 635, 635, 635});
  EXPECT_DOUBLE_EQ(g.pageWidthPt, 612.0);
  EXPECT_DOUBLE_EQ(g.pageHeightPt, 792.0);
  EXPECT_DOUBLE_EQ(g.leftPt, 18.0);
  EXPECT_DOUBLE_EQ(g.topPt, 18.0);
  EXPECT_DOUBLE_EQ(g.widthPt, 576.0);
  EXPECT_DOUBLE_EQ(g.heightPt, 756.0);
  EXPECT_EQ(pageGrid(g), (PageGrid{96, 75}));
}

TEST(CupsMediaTest, A4WithUnevenMargins) {
  // 210 x 297 mm; 4.23 mm left, 5 mm right, 10 mm top, 15 mm bottom.
  const PageGeometry g = pageGeometryOf(MediaSize{21000, 29700, 423, 500, 1000, 1500});
  EXPECT_NEAR(g.pageWidthPt, 595.276, 1e-3);
  EXPECT_NEAR(g.pageHeightPt, 841.890, 1e-3);
  EXPECT_NEAR(g.leftPt, 11.991, 1e-3);
  EXPECT_NEAR(g.topPt, 28.346, 1e-3);
  EXPECT_NEAR(g.widthPt, 595.276 - 11.991 - 14.173, 1e-3);
  EXPECT_NEAR(g.heightPt, 841.890 - 28.346 - 42.520, 1e-3);
  EXPECT_EQ(pageGrid(g), (PageGrid{94, 77}));
}

TEST(CupsMediaTest, BorderlessMediaUseTheWholeSheet) {
  const PageGeometry g = pageGeometryOf(MediaSize{21590, 27940, 0, 0, 0, 0});
  EXPECT_DOUBLE_EQ(g.widthPt, 612.0);
  EXPECT_DOUBLE_EQ(g.heightPt, 792.0);
}

TEST(CupsMediaTest, NonsenseMediaFallBackToLetter) {
  const PageGeometry letter = defaultPageGeometry();
  const MediaSize nonsense[] = {
      {0, 0, 0, 0, 0, 0},                  // nothing reported
      {21590, 27940, 15000, 15000, 0, 0},  // margins that overlap
      {21590, 27940, -100, 0, 0, 0},       // negative margin
      {2000000, 27940, 0, 0, 0, 0},        // 20 m wide
      {21590, 27940, 0, 21500, 0, 0},      // narrower than one character
  };
  for (const MediaSize& media : nonsense) {
    const PageGeometry g = pageGeometryOf(media);
    EXPECT_EQ(g.widthPt, letter.widthPt) << media.width << " " << media.left;
    EXPECT_EQ(g.heightPt, letter.heightPt) << media.width << " " << media.left;
    EXPECT_EQ(g.pageWidthPt, 612.0);
  }
}

// Runs a command and returns what it wrote to standard output.
std::string commandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return output;
  }
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    output.append(buffer.data(), read);
  }
  const int status = pclose(pipe);
  EXPECT_EQ(status, 0) << command;
  return output;
}

class CupsPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tub-pdf-test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

  std::string write(const PdfFile& pdf) {
    EXPECT_EQ(pdf.error, "");
    const std::string path = folder_ + "/job.pdf";
    std::ofstream(path, std::ios::binary) << pdf.bytes;
    return path;
  }

  std::string folder_;
};

TEST_F(CupsPdfTest, PagesAndLinesComeBackAtTheirColumns) {
  PrintDocument document;
  document.name = "Tubalyzer load table";
  document.pages = {
      {"FIRST PAGE", "", "   three blanks before", " ", "SECT.    OD"},
      {"", "second page, line 2"},
  };
  const PdfFile pdf = renderPdf(document);
  ASSERT_EQ(pdf.bytes.rfind("%PDF-", 0), 0u);
  const std::string path = write(pdf);

  // 6 pt columns from the paper's edge: the 18 pt margin is three columns.
  const std::string text = commandOutput("pdftotext -fixed 6 '" + path + "' -");
  EXPECT_EQ(text,
            "   FIRST PAGE\n"
            "\n"
            "      three blanks before\n"
            "\n"
            "   SECT.    OD\n"
            "\f"  // pdftotext leaves out empty lines at the top of a page
            "   second page, line 2\n"
            "\f");
  // ... so the second line's place is read from its box: 28 to 38 pt down.
  const std::string boxes = commandOutput("pdftotext -bbox '" + path + "' -");
  EXPECT_NE(boxes.find("yMax=\"37.99"), std::string::npos) << boxes;

  const std::string info = commandOutput("pdfinfo '" + path + "'");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("Page size:       612 x 792 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Title:           Tubalyzer load table"), std::string::npos) << info;
  const std::string fonts = commandOutput("pdffonts '" + path + "'");
  EXPECT_NE(fonts.find("\nCourier "), std::string::npos) << fonts;
}

TEST_F(CupsPdfTest, TwelveCharactersPerInchOnTenPointLines) {
  PrintDocument document;
  document.pages = {{"", "", "  ABCDEFGHIJKL"}};
  const std::string path = write(renderPdf(document));
  const std::string boxes = commandOutput("pdftotext -bbox '" + path + "' -");
  // Line 3's cell spans 38 to 48 pt from the top; twelve letters take one
  // inch, starting two columns (12 pt) into the printable area.
  EXPECT_NE(boxes.find("xMin=\"30.000000\" yMin=\"40.1"), std::string::npos) << boxes;
  EXPECT_NE(boxes.find("xMax=\"102.000000\" yMax=\"47.99"), std::string::npos) << boxes;
}

TEST_F(CupsPdfTest, PcCharactersArePrintedAsTheirLatinEquivalents) {
  PrintDocument document;
  document.pages = {{std::string("caf\x82 \xAB \xF8 \xC4\xC4 \x9C", 13)}};
  const std::string text =
      commandOutput("pdftotext -fixed 6 '" + write(renderPdf(document)) + "' -");
  EXPECT_EQ(text, "   caf\xC3\xA9 \xC2\xBD \xC2\xB0 ?? \xC2\xA3\n\f");
}

TEST_F(CupsPdfTest, PageTakesTheGeometryOfThePrinter) {
  PrintDocument document;
  document.geometry = pageGeometryOf(MediaSize{21000, 29700, 1000, 1000, 2000, 1000});
  document.pages = {{"A4"}};
  const std::string path = write(renderPdf(document));
  const std::string info = commandOutput("pdfinfo '" + path + "'");
  EXPECT_NE(info.find("Page size:       595.276 x 841.89 pts (A4)"), std::string::npos) << info;
  const std::string boxes = commandOutput("pdftotext -bbox '" + path + "' -");
  // 10 mm = 28.346 pt in, 20 mm = 56.693 pt down.
  EXPECT_NE(boxes.find("xMin=\"28.34"), std::string::npos) << boxes;
  EXPECT_NE(boxes.find("yMax=\"66.69"), std::string::npos) << boxes;
}

TEST_F(CupsPdfTest, NonsenseGeometryStillGivesALetterPage) {
  PrintDocument document;
  document.geometry.pageWidthPt = -1.0;
  document.geometry.widthPt = 1e12;
  document.pages = {{"X"}};
  const std::string info = commandOutput("pdfinfo '" + write(renderPdf(document)) + "'");
  EXPECT_NE(info.find("Page size:       612 x 792 pts"), std::string::npos) << info;
}

TEST_F(CupsPdfTest, EmptyDocumentIsStillAValidFile) {
  const PdfFile pdf = renderPdf(PrintDocument{});
  EXPECT_EQ(pdf.error, "");
  EXPECT_EQ(pdf.bytes.rfind("%PDF-", 0), 0u);
}

}  // namespace
