#include "platform/cups/MediaGeometry.hpp"

#include <cmath>

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kHundredthsMmPerInch = 2540.0;
// A PDF page is at most 200 inches on a side; nothing smaller than one
// character cell can carry text.
constexpr double kLargestPagePt = 14400.0;
constexpr double kSmallestAreaWidthPt = 6.0;
constexpr double kSmallestAreaHeightPt = 10.0;

double points(int hundredthsMm) {
  return static_cast<double>(hundredthsMm) * kPointsPerInch / kHundredthsMmPerInch;
}

bool sane(const PageGeometry& g) {
  const double values[] = {g.pageWidthPt, g.pageHeightPt, g.leftPt, g.topPt, g.widthPt, g.heightPt};
  for (const double value : values) {
    if (!std::isfinite(value) || value < 0.0) {
      return false;
    }
  }
  return g.pageWidthPt <= kLargestPagePt && g.pageHeightPt <= kLargestPagePt &&
         g.widthPt >= kSmallestAreaWidthPt && g.heightPt >= kSmallestAreaHeightPt &&
         g.leftPt + g.widthPt <= g.pageWidthPt + 1e-6 &&
         g.topPt + g.heightPt <= g.pageHeightPt + 1e-6;
}

}  // namespace

PageGeometry defaultPageGeometry() {
  PageGeometry letter;
  letter.pageWidthPt = 8.5 * kPointsPerInch;
  letter.pageHeightPt = 11.0 * kPointsPerInch;
  letter.leftPt = 0.25 * kPointsPerInch;
  letter.topPt = 0.25 * kPointsPerInch;
  letter.widthPt = 8.0 * kPointsPerInch;
  letter.heightPt = 10.5 * kPointsPerInch;
  return letter;
}

PageGeometry pageGeometryOf(const MediaSize& media) {
  PageGeometry geometry;
  geometry.pageWidthPt = points(media.width);
  geometry.pageHeightPt = points(media.length);
  geometry.leftPt = points(media.left);
  geometry.topPt = points(media.top);
  geometry.widthPt = points(media.width) - points(media.left) - points(media.right);
  geometry.heightPt = points(media.length) - points(media.top) - points(media.bottom);
  if (media.right < 0 || media.bottom < 0) {
    return defaultPageGeometry();
  }
  return sanePageGeometry(geometry);
}

PageGeometry sanePageGeometry(const PageGeometry& geometry) {
  return sane(geometry) ? geometry : defaultPageGeometry();
}
