#include "platform/pdf/PdfPages.hpp"

#include <hpdf.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

#include "screen/CodePage437.hpp"
#include "screen/PageLayout.hpp"

namespace {

// The characters of WinAnsiEncoding from 0x80 to 0x9F (0 where it has none).
constexpr std::array<char16_t, 32> kWinAnsiHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98
};

std::uint8_t winAnsiOfUnicode(char16_t code) {
  if ((code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF)) {
    return static_cast<std::uint8_t>(code);
  }
  for (std::size_t i = 0; i < kWinAnsiHigh.size(); ++i) {
    if (kWinAnsiHigh[i] != 0 && kWinAnsiHigh[i] == code) {
      return static_cast<std::uint8_t>(0x80 + i);
    }
  }
  return kMissingGlyph;
}

constexpr HPDF_REAL kFontSizePt = 10.0f;

struct PdfErrors {
  HPDF_STATUS first = HPDF_OK;
  HPDF_STATUS detail = HPDF_OK;
};

// libharu reports every failure here; the first one is what went wrong.
void noteError(HPDF_STATUS error, HPDF_STATUS detail, void* userData) {
  auto* errors = static_cast<PdfErrors*>(userData);
  if (errors->first == HPDF_OK) {
    errors->first = error;
    errors->detail = detail;
  }
}

struct PdfFree {
  void operator()(HPDF_Doc pdf) const { HPDF_Free(pdf); }
};
using PdfHandle = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, PdfFree>;

std::string errorText(const PdfErrors& errors) {
  char text[64];
  std::snprintf(text, sizeof text, "The page could not be drawn (libharu error 0x%04X)",
                static_cast<unsigned>(errors.first));
  return text;
}

bool onlyBlanks(const std::string& line) {
  return line.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::uint8_t winAnsiFromCp437(std::uint8_t cp437) {
  return winAnsiOfUnicode(cp437::kUnicode[cp437]);
}

std::string winAnsiFromCp437(std::string_view cp437) {
  std::string text;
  text.reserve(cp437.size());
  for (const char ch : cp437) {
    text.push_back(static_cast<char>(winAnsiFromCp437(static_cast<std::uint8_t>(ch))));
  }
  return text;
}

PdfFile renderPdf(const PrintDocument& document) {
  PdfErrors errors;
  const PdfHandle pdf(HPDF_New(noteError, &errors));
  if (!pdf) {
    return PdfFile{std::string(), "The page could not be drawn (out of memory)"};
  }
  HPDF_SetCompressionMode(pdf.get(), HPDF_COMP_ALL);
  HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_CREATOR, "Tubalyzer 2.20");
  HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_TITLE, winAnsiFromCp437(document.name).c_str());
  const HPDF_Font font = HPDF_GetFont(pdf.get(), "Courier", "WinAnsiEncoding");

  const PageGeometry geometry = sanePageGeometry(document.geometry);
  const PageGrid grid = pageGrid(geometry);
  // Lines sit on the 10 pt grid with the font's descent above the cell's
  // bottom, so descenders stay inside their own cell.
  const double descentPt =
      font != nullptr ? -static_cast<double>(HPDF_Font_GetDescent(font)) / 1000.0 * 10.0 : 0.0;

  for (const std::vector<std::string>& lines : document.pages) {
    const HPDF_Page page = HPDF_AddPage(pdf.get());
    if (page == nullptr || font == nullptr) {
      break;
    }
    HPDF_Page_SetWidth(page, static_cast<HPDF_REAL>(geometry.pageWidthPt));
    HPDF_Page_SetHeight(page, static_cast<HPDF_REAL>(geometry.pageHeightPt));
    HPDF_Page_BeginText(page);
    HPDF_Page_SetFontAndSize(page, font, kFontSizePt);
    const std::size_t lineCount = std::min(lines.size(), static_cast<std::size_t>(grid.lines));
    for (std::size_t index = 0; index < lineCount; ++index) {
      const std::string& line = lines[index];
      if (onlyBlanks(line)) {
        continue;
      }
      const double cellBottomPt = geometry.pageHeightPt - geometry.topPt -
                                  static_cast<double>(index + 1) * kPrintCellHeightPt;
      HPDF_Page_TextOut(page, static_cast<HPDF_REAL>(geometry.leftPt),
                        static_cast<HPDF_REAL>(cellBottomPt + descentPt),
                        winAnsiFromCp437(line).c_str());
    }
    HPDF_Page_EndText(page);
  }
  if (errors.first != HPDF_OK) {
    return PdfFile{std::string(), errorText(errors)};
  }

  if (HPDF_SaveToStream(pdf.get()) != HPDF_OK) {
    return PdfFile{std::string(), errorText(errors)};
  }
  PdfFile file;
  file.bytes.resize(HPDF_GetStreamSize(pdf.get()));
  HPDF_UINT32 size = static_cast<HPDF_UINT32>(file.bytes.size());
  const HPDF_STATUS read =
      HPDF_ReadFromStream(pdf.get(), reinterpret_cast<HPDF_BYTE*>(file.bytes.data()), &size);
  if ((read != HPDF_OK && read != HPDF_STREAM_EOF) || size != file.bytes.size()) {
    return PdfFile{std::string(), errorText(errors.first != HPDF_OK ? errors : PdfErrors{read, 0})};
  }
  return file;
}
