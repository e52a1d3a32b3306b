#include "platform/cups/PdfPages.hpp"

#include <hpdf.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/cups/MediaGeometry.hpp"
#include "screen/PageLayout.hpp"

namespace {

// What each code page 437 character looks like on the PC screen, as
// Unicode: the control codes show as the familiar symbols, code 0 as a blank.
constexpr std::array<char16_t, 256> kCp437Unicode = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,  // 00
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,  // 08
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,  // 10
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,  // 18
    0x0020, 0x0021, 0x0022, 0x0023, 0x0024, 0x0025, 0x0026, 0x0027,  // 20
    0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,  // 28
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,  // 38
    0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,  // 40
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F,  // 48
    0x0050, 0x0051, 0x0052, 0x0053, 0x0054, 0x0055, 0x0056, 0x0057,  // 50
    0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,  // 58
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067,  // 60
    0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,  // 68
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,  // 70
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x2302,  // 78
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

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

std::uint8_t winAnsiFromCp437(std::uint8_t cp437) { return winAnsiOfUnicode(kCp437Unicode[cp437]); }

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
