#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "screen/Platform.hpp"

// The character grid of a printed page: fixed-pitch cells 6 pt wide (12
// characters per inch) and 10 pt high over the printable area.
struct PageGrid {
  int columns = 1;
  int lines = 1;
  bool operator==(const PageGrid&) const = default;
};

inline constexpr double kPrintCellWidthPt = 6.0;
inline constexpr double kPrintCellHeightPt = 10.0;

// The sheets a job can be laid out on without asking a printer.
enum class Paper { Letter, A4 };

// The sheet with margins of 0.25 inch all round.
PageGeometry paperGeometry(Paper paper);

// Letter with 0.25 inch margins, for printers that report no media.
inline PageGeometry defaultPageGeometry() { return paperGeometry(Paper::Letter); }

// A geometry a PDF page can carry: a printable area of at least one cell
// inside a sheet of at most 200 inches a side. Nonsense gives the default.
PageGeometry sanePageGeometry(const PageGeometry& geometry);

// Whole cells that fit the printable area, rounded down; at least one of
// each, so that a tiny or nonsensical area still lays text out somewhere.
PageGrid pageGrid(const PageGeometry& geometry);

// Lays a job's bytes out on pages the way a teletype puts them on paper:
// CR returns to column 1, LF moves to the next line at column 1, a line that
// reaches the right edge continues on the next line, a full page continues on
// a new one, a form feed (12) ends the page. A page exists only once
// something printable lands on it, so a closing form feed and line end add no
// empty page, and a job of line ends alone has no pages. Every other byte is
// one printable cell (code page 437). Lines keep their trailing blanks;
// leading empty lines of a page are kept as empty strings.
std::vector<std::vector<std::string>> layOutPages(std::string_view bytes, PageGrid grid);
