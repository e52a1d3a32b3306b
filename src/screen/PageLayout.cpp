#include "screen/PageLayout.hpp"

#include <cmath>
#include <cstddef>
#include <utility>

namespace {

// A spooler can report any area; a grid beyond this is no real paper and
// would only make the layout allocate absurd lines.
constexpr double kMaxCells = 100000.0;

int cellsIn(double extentPt, double cellPt) {
  const double cells = std::floor(extentPt / cellPt);
  if (!std::isfinite(cells) || cells < 1.0) {
    return 1;
  }
  if (cells > kMaxCells) {
    return static_cast<int>(kMaxCells);
  }
  return static_cast<int>(cells);
}

constexpr double kPointsPerInch = 72.0;
constexpr double kMarginPt = 0.25 * kPointsPerInch;
constexpr double kPointsPerMm = kPointsPerInch / 25.4;
// A PDF page is at most 200 inches on a side.
constexpr double kLargestPagePt = 14400.0;

PageGeometry sheetWithMargins(double widthPt, double heightPt) {
  PageGeometry sheet;
  sheet.pageWidthPt = widthPt;
  sheet.pageHeightPt = heightPt;
  sheet.leftPt = kMarginPt;
  sheet.topPt = kMarginPt;
  sheet.widthPt = widthPt - 2.0 * kMarginPt;
  sheet.heightPt = heightPt - 2.0 * kMarginPt;
  return sheet;
}

bool sane(const PageGeometry& g) {
  const double values[] = {g.pageWidthPt, g.pageHeightPt, g.leftPt, g.topPt, g.widthPt, g.heightPt};
  for (const double value : values) {
    if (!std::isfinite(value) || value < 0.0) {
      return false;
    }
  }
  // Nothing smaller than one character cell can carry text.
  return g.pageWidthPt <= kLargestPagePt && g.pageHeightPt <= kLargestPagePt &&
         g.widthPt >= kPrintCellWidthPt && g.heightPt >= kPrintCellHeightPt &&
         g.leftPt + g.widthPt <= g.pageWidthPt + 1e-6 &&
         g.topPt + g.heightPt <= g.pageHeightPt + 1e-6;
}

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kFormFeed = '\f';

class Teletype {
 public:
  explicit Teletype(PageGrid grid) : grid_(grid) {}

  void feed(char byte) {
    switch (byte) {
      case kCarriageReturn:
        column_ = 0;
        break;
      case kLineFeed:
        column_ = 0;
        nextLine();
        break;
      case kFormFeed:
        endPage();
        break;
      default:
        place(byte);
        break;
    }
  }

  std::vector<std::vector<std::string>> take() { return std::move(pages_); }

 private:
  void nextLine() {
    ++line_;
    if (line_ >= grid_.lines) {
      // The paper moves on to a new sheet; it is only taken out of the
      // printer (becomes a page) when something lands on it.
      pageBegun_ = false;
      line_ = 0;
    }
  }

  void endPage() {
    pageBegun_ = false;
    line_ = 0;
    column_ = 0;
  }

  void place(char byte) {
    if (column_ >= grid_.columns) {
      column_ = 0;
      nextLine();
    }
    if (!pageBegun_) {
      pages_.emplace_back();
      pageBegun_ = true;
    }
    std::vector<std::string>& page = pages_.back();
    const auto lineIndex = static_cast<std::size_t>(line_);
    if (page.size() <= lineIndex) {
      page.resize(lineIndex + 1);
    }
    std::string& text = page[lineIndex];
    const auto columnIndex = static_cast<std::size_t>(column_);
    if (text.size() < columnIndex) {
      text.resize(columnIndex, ' ');
    }
    if (text.size() == columnIndex) {
      text.push_back(byte);
    } else {
      // After a lone CR the carriage is back at the left: the new character
      // strikes over the old one, and the later one is what stays readable.
      text[columnIndex] = byte;
    }
    ++column_;
  }

  PageGrid grid_;
  std::vector<std::vector<std::string>> pages_;
  bool pageBegun_ = false;
  int line_ = 0;
  int column_ = 0;
};

}  // namespace

PageGeometry paperGeometry(Paper paper) {
  switch (paper) {
    case Paper::A4:
      return sheetWithMargins(210.0 * kPointsPerMm, 297.0 * kPointsPerMm);
    case Paper::Letter:
      break;
  }
  return sheetWithMargins(8.5 * kPointsPerInch, 11.0 * kPointsPerInch);
}

PageGeometry sanePageGeometry(const PageGeometry& geometry) {
  return sane(geometry) ? geometry : defaultPageGeometry();
}

PageGrid pageGrid(const PageGeometry& geometry) {
  return PageGrid{cellsIn(geometry.widthPt, kPrintCellWidthPt),
                  cellsIn(geometry.heightPt, kPrintCellHeightPt)};
}

std::vector<std::vector<std::string>> layOutPages(std::string_view bytes, PageGrid grid) {
  if (grid.columns < 1) {
    grid.columns = 1;
  }
  if (grid.lines < 1) {
    grid.lines = 1;
  }
  Teletype teletype(grid);
  for (const char byte : bytes) {
    teletype.feed(byte);
  }
  return teletype.take();
}
