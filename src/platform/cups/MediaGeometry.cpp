#include "platform/cups/MediaGeometry.hpp"

#include <cmath>

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kHundredthsMmPerInch = 2540.0;

double points(int hundredthsMm) {
  return static_cast<double>(hundredthsMm) * kPointsPerInch / kHundredthsMmPerInch;
}

}  // namespace

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
