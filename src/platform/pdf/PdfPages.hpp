#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "screen/Platform.hpp"

// The stand-in printed for a code page 437 character the PDF font lacks.
inline constexpr std::uint8_t kMissingGlyph = '?';

// The WinAnsiEncoding byte of a code page 437 character, or kMissingGlyph.
std::uint8_t winAnsiFromCp437(std::uint8_t cp437);
std::string winAnsiFromCp437(std::string_view cp437);

struct PdfFile {
  std::string bytes;  // the whole file
  std::string error;  // set when no file could be made
};

// The job as a PDF file: one PDF page per page of the job, sized as the
// printer's page, each line in base-14 Courier 10 pt (12 characters per inch)
// on its 10 pt grid from the top-left of the printable area.
PdfFile renderPdf(const PrintDocument& document);
